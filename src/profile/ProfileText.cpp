// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileText.h"

#include "profile/ProfileLines.h"

namespace parlomatic {

using namespace profilelines;

namespace {

constexpr QByteArrayView defaultLineEnd("\r\n");

} // namespace

struct ProfileText::Location {
    enum Kind { NoSection, NoKey, Found };
    Kind kind = NoSection;
    qsizetype valueBegin = 0; // Found: first byte after the entry's '='
    Line line;                // Found: the entry's line; NoKey: the line after which the entry goes
};

ProfileText::ProfileText(QByteArrayView bytes) : m_bytes(bytes), m_start(contentStart(bytes)) {}

ProfileText::Location ProfileText::locate(QByteArrayView section, QByteArrayView key) const {
    Location at;
    bool inSection = false;
    LineScanner lines(m_bytes, m_start);
    Line line;
    while (lines.next(line)) {
        const LineMeaning meaning = meaningOf(m_bytes, line);
        if (meaning.kind == LineMeaning::Header) {
            // Only the first section of a name counts: the next header ends the search.
            if (inSection)
                break;
            if (sameName(meaning.name, section)) {
                inSection = true;
                at.kind = Location::NoKey;
                at.line = line;
            }
            continue;
        }
        if (!inSection || meaning.kind != LineMeaning::Entry)
            continue;
        at.line = line;
        if (sameName(meaning.name, key)) {
            at.kind = Location::Found;
            at.valueBegin = meaning.valueBegin;
            return at;
        }
    }
    return at;
}

std::optional<QByteArrayView> ProfileText::value(QByteArrayView section, QByteArrayView key) const {
    const Location at = locate(section, key);
    if (at.kind != Location::Found)
        return std::nullopt;
    return readValue(m_bytes.sliced(at.valueBegin, at.line.end - at.valueBegin));
}

std::optional<QByteArrayView> ProfileText::storedValue(QByteArrayView section, QByteArrayView key) const {
    const Location at = locate(section, key);
    if (at.kind != Location::Found)
        return std::nullopt;
    return trimmed(m_bytes.sliced(at.valueBegin, at.line.end - at.valueBegin));
}

QByteArray ProfileText::withoutEntry(QByteArrayView section, QByteArrayView key) const {
    const Location at = locate(section, key);
    if (at.kind != Location::Found)
        return m_bytes.toByteArray();
    QByteArray out = m_bytes.first(at.line.begin).toByteArray();
    return out.append(m_bytes.sliced(at.line.next));
}

bool ProfileText::hasSection() const {
    LineScanner lines(m_bytes, m_start);
    Line line;
    while (lines.next(line)) {
        if (meaningOf(m_bytes, line).kind == LineMeaning::Header)
            return true;
    }
    return false;
}

QByteArrayView ProfileText::lineEnd() const {
    LineScanner lines(m_bytes, m_start);
    Line first;
    if (lines.next(first) && first.next > first.end)
        return m_bytes.sliced(first.end, first.next - first.end);
    return defaultLineEnd;
}

QByteArray ProfileText::withValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) const {
    const Location at = locate(section, key);
    const QByteArrayView eol = lineEnd();
    const bool unterminated = at.line.next == at.line.end;
    QByteArray out;
    out.reserve(m_bytes.size() + section.size() + key.size() + value.size() + 4 + 3 * eol.size());
    switch (at.kind) {
    case Location::Found:
        out.append(m_bytes.first(at.valueBegin)).append(value);
        if (unterminated)
            out.append(eol);
        out.append(m_bytes.sliced(at.line.end));
        break;
    case Location::NoKey:
        out.append(m_bytes.first(at.line.next));
        if (unterminated)
            out.append(eol);
        out.append(key).append('=').append(value).append(eol).append(m_bytes.sliced(at.line.next));
        break;
    case Location::NoSection:
        out.append(m_bytes);
        if (!m_bytes.isEmpty() && m_bytes.back() != '\n' && m_bytes.back() != '\r')
            out.append(eol);
        out.append('[').append(section).append(']').append(eol);
        out.append(key).append('=').append(value).append(eol);
        break;
    }
    return out;
}

} // namespace parlomatic
