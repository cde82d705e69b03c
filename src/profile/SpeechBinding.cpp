// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/SpeechBinding.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace parlomatic {

namespace {

constexpr qsizetype typePosition = 7;    // position 8, counted from 0
constexpr qsizetype indexPosition = 9;   // position 10
constexpr qsizetype indexEndMarker = 10; // position 11

// The number a text of one or two ASCII digits stands for, or nothing.
std::optional<qint16> digitsValue(const QString& text, qsizetype maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    qint16 number = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = static_cast<qint16>(number * 10 + (c.unicode() - u'0'));
    }
    return number;
}

} // namespace

QString speechBindingText(qint16 type, qint16 index) {
    return u"speech %1 %2 -1"_s.arg(type).arg(index);
}

bool isSpeechBinding(const QString& value) {
    const QStringView word = QStringView(value).first(std::min<qsizetype>(6, value.size()));
    return word == u"speech" || word == u"SPEECH" || word == u"Speech";
}

bool startsWithSpeechWord(QStringView text) {
    constexpr char16_t speech[] = u"speech";
    if (text.size() < 6)
        return false;
    // No letter outside ASCII lowers to one of these.
    for (qsizetype i = 0; i < 6; ++i) {
        const char16_t c = text[i].unicode();
        if ((c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c) != speech[i])
            return false;
    }
    return true;
}

QString speechTypeText(const QString& value) {
    return value.mid(typePosition, 1);
}

QString speechIndexText(const QString& value) {
    const bool oneDigit = value.size() > indexEndMarker && value.at(indexEndMarker) == u' ';
    return value.mid(indexPosition, oneDigit ? 1 : 2);
}

std::optional<SpeechBinding> readSpeechBinding(const QString& value) {
    if (!isSpeechBinding(value))
        return std::nullopt;
    const std::optional<qint16> type = digitsValue(speechTypeText(value), 1);
    const std::optional<qint16> index = digitsValue(speechIndexText(value), 2);
    if (!type || !index)
        return std::nullopt;
    return SpeechBinding{*type, *index};
}

} // namespace parlomatic
