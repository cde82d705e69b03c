// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileEncoding.h"

#include "profile/Windows1252.h"

#include <QtEndian>

namespace parlomatic {

namespace {

constexpr QByteArrayView littleEndianMark("\xFF\xFE");
constexpr QByteArrayView bigEndianMark("\xFE\xFF");

} // namespace

EightBitText decodeProfile(const QByteArray& fileBytes) {
    const bool little = fileBytes.startsWith(littleEndianMark);
    if (!little && !fileBytes.startsWith(bigEndianMark))
        return {ProfileEncoding::CodePage, fileBytes};
    const QByteArrayView units = QByteArrayView(fileBytes).sliced(2);
    QString text(units.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar* unit = reinterpret_cast<const uchar*>(units.data()) + 2 * i;
        text[i] = QChar(little ? qFromLittleEndian<quint16>(unit) : qFromBigEndian<quint16>(unit));
    }
    return {little ? ProfileEncoding::Utf16LittleEndian : ProfileEncoding::Utf16BigEndian, text.toUtf8()};
}

QByteArray encodeProfile(ProfileEncoding encoding, const QByteArray& text) {
    // Code-page text is the file's bytes as they are: shared, not copied.
    if (encoding == ProfileEncoding::CodePage)
        return text;
    const bool little = encoding == ProfileEncoding::Utf16LittleEndian;
    const QString decoded = QString::fromUtf8(text);
    QByteArray bytes((little ? littleEndianMark : bigEndianMark).toByteArray());
    bytes.resize(2 + 2 * decoded.size());
    uchar* out = reinterpret_cast<uchar*>(bytes.data()) + 2;
    for (const QChar unit : decoded) {
        if (little)
            qToLittleEndian<quint16>(unit.unicode(), out);
        else
            qToBigEndian<quint16>(unit.unicode(), out);
        out += 2;
    }
    return bytes;
}

QByteArray encodeText(ProfileEncoding encoding, QStringView text) {
    return encoding == ProfileEncoding::CodePage ? Windows1252::encode(text) : text.toUtf8();
}

QString decodeText(ProfileEncoding encoding, QByteArrayView bytes) {
    return encoding == ProfileEncoding::CodePage ? Windows1252::decode(bytes) : QString::fromUtf8(bytes);
}

} // namespace parlomatic
