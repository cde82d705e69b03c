// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/ByteReader.h"

#include <QCoreApplication>

namespace parlomatic::sounds {

void fail(const QString& message) {
    throw PackageFault{message};
}

ByteReader::ByteReader(const QByteArray& bytes, qint64 begin, qint64 end)
    : m_bytes(bytes), m_position(begin), m_end(end) {
    if (begin < 0 || end < begin || end > bytes.size())
        fail(QCoreApplication::translate("ByteReader", "data past the end of the file"));
}

void ByteReader::need(qint64 count) const {
    if (count < 0 || count > remaining())
        fail(QCoreApplication::translate("ByteReader", "data past the end of the file"));
}

void ByteReader::seek(qint64 position) {
    if (position < 0 || position > m_end)
        fail(QCoreApplication::translate("ByteReader", "an offset past the end of the file"));
    m_position = position;
}

void ByteReader::skip(qint64 count) {
    need(count);
    m_position += count;
}

quint8 ByteReader::u8() {
    need(1);
    return static_cast<quint8>(m_bytes[m_position++]);
}

quint16 ByteReader::u16() {
    const quint16 low = u8();
    return static_cast<quint16>(low | (u8() << 8));
}

quint32 ByteReader::u32() {
    const quint32 low = u16();
    return low | (static_cast<quint32>(u16()) << 16);
}

quint64 ByteReader::u64() {
    const quint64 low = u32();
    return low | (static_cast<quint64>(u32()) << 32);
}

qint32 ByteReader::compact() {
    const quint8 first = u8();
    qint64 value = first & 0x3F;
    if (first & 0x40) {
        int shift = 6;
        for (int byteCount = 2;; ++byteCount) {
            const quint8 next = u8();
            value |= static_cast<qint64>(next & 0x7F) << shift;
            shift += 7;
            if (!(next & 0x80))
                break;
            if (byteCount == 5)
                fail(QCoreApplication::translate("ByteReader", "a compact index longer than 5 bytes"));
        }
    }
    if (value > 0x7FFFFFFF)
        fail(QCoreApplication::translate("ByteReader", "a compact index out of range"));
    return static_cast<qint32>((first & 0x80) ? -value : value);
}

qint32 ByteReader::count(qint64 minItemSize, const char* what) {
    const qint32 value = compact();
    if (value < 0 || value * minItemSize > remaining())
        //: %1 is a field of the package format (such as "dependency"), %2 the number read
        fail(QCoreApplication::translate("ByteReader", "%1 count %2 past the end of the file")
                 .arg(QLatin1String(what))
                 .arg(value));
    return value;
}

QByteArray ByteReader::bytes(qint64 count) {
    need(count);
    const QByteArray result = m_bytes.mid(m_position, count);
    m_position += count;
    return result;
}

QByteArray ByteReader::terminated() {
    const qint64 nul = m_bytes.indexOf('\0', m_position);
    if (nul < 0 || nul >= m_end)
        fail(QCoreApplication::translate("ByteReader", "a string without its end"));
    QByteArray text = m_bytes.mid(m_position, nul - m_position);
    m_position = nul + 1;
    return text;
}

} // namespace parlomatic::sounds
