// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/Windows1252.h"

#include <array>

namespace parlomatic::Windows1252 {

namespace {

// The characters of bytes 80 to 9F hex; the undefined ones map to the C1 control
// character of the same number.
constexpr std::array<char16_t, 32> highControlRange{
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

constexpr char replacement = '?';

char encodeOne(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return replacement;
}

} // namespace

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? highControlRange[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray encode(QStringView text) {
    // At most one byte a UTF-16 unit; a surrogate pair gives one.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        *out++ = encodeOne(c.unicode());
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace parlomatic::Windows1252
