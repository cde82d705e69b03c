// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IndentedJson.h"

namespace parlomatic::cli {

namespace {

constexpr QStringView memberIndent = u"    ";
constexpr QStringView itemIndent = u"        ";

QChar hexDigit(char16_t value) {
    return QLatin1Char("0123456789abcdef"[value & 0xf]);
}

// The two-character escape JSON has for c, or nothing.
QStringView shortEscape(char16_t c) {
    switch (c) {
    case u'"':
        return u"\\\"";
    case u'\\':
        return u"\\\\";
    case u'\b':
        return u"\\b";
    case u'\f':
        return u"\\f";
    case u'\n':
        return u"\\n";
    case u'\r':
        return u"\\r";
    case u'\t':
        return u"\\t";
    default:
        return {};
    }
}

} // namespace

IndentedJsonObject::IndentedJsonObject() : m_text(QStringLiteral("{\n")) {}

void IndentedJsonObject::add(QStringView name, QStringView value) {
    beginMember(name);
    appendString(value);
}

void IndentedJsonObject::add(QStringView name, qint64 value) {
    beginMember(name);
    m_text += QString::number(value);
}

void IndentedJsonObject::add(QStringView name, const QStringList& values) {
    beginMember(name);
    m_text += u"[\n";
    for (qsizetype i = 0; i < values.size(); ++i) {
        m_text += itemIndent;
        appendString(values[i]);
        m_text += i + 1 < values.size() ? u",\n" : u"\n";
    }
    m_text += memberIndent;
    m_text += u']';
}

QString IndentedJsonObject::text() && {
    m_text += m_empty ? u"}\n" : u"\n}\n";
    return std::move(m_text);
}

void IndentedJsonObject::beginMember(QStringView name) {
    if (!m_empty)
        m_text += u",\n";
    m_empty = false;
    m_text += memberIndent;
    appendString(name);
    m_text += u": ";
}

void IndentedJsonObject::appendString(QStringView text) {
    m_text += u'"';
    // Runs that need no escape are copied whole.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\' && !QChar::isSurrogate(c))
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        m_text += text.sliced(runStart, i - runStart);
        runStart = i + 1;
        if (const QStringView escape = shortEscape(c); !escape.isEmpty()) {
            m_text += escape;
            continue;
        }
        // Other control characters, and halves of surrogate pairs that UTF-8 cannot carry.
        m_text += u"\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            m_text += hexDigit(static_cast<char16_t>(c >> shift));
    }
    m_text += text.sliced(runStart);
    m_text += u'"';
}

} // namespace parlomatic::cli
