// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace parlomatic::sounds {

// What a damaged package makes the readers throw; the public functions of this
// library catch it and hand the message on as an error text.
struct PackageFault {
    QString message;
};

[[noreturn]] void fail(const QString& message);

// Reads little-endian values from a window of a byte array. Every read is
// checked against the window: reading past its end throws PackageFault.
class ByteReader {
public:
    ByteReader(const QByteArray& bytes, qint64 begin, qint64 end);
    explicit ByteReader(const QByteArray& bytes) : ByteReader(bytes, 0, bytes.size()) {}

    qint64 position() const { return m_position; }
    qint64 remaining() const { return m_end - m_position; }
    bool atEnd() const { return m_position >= m_end; }
    void seek(qint64 position);
    void skip(qint64 count);

    quint8 u8();
    quint16 u16();
    quint32 u32();
    qint32 i32() { return static_cast<qint32>(u32()); }
    quint64 u64();
    // The engine's compact index: a sign bit, "more follows" bits and at most five bytes.
    qint32 compact();
    // A compact count that must be at least 0 and leave room for count items of minItemSize bytes.
    qint32 count(qint64 minItemSize, const char* what);
    // count bytes as they are.
    QByteArray bytes(qint64 count);
    // A NUL-terminated 8-bit string, without the NUL.
    QByteArray terminated();

private:
    void need(qint64 count) const;

    const QByteArray& m_bytes;
    qint64 m_position;
    qint64 m_end;
};

} // namespace parlomatic::sounds
