// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace parlomatic {

// How a profile file stores its text. Without a byte-order mark it is the
// game's 8-bit code page; with FF FE or FE FF at its start it is UTF-16, as the
// Windows profile functions read and write it.
enum class ProfileEncoding { CodePage, Utf16LittleEndian, Utf16BigEndian };

// A profile's text as 8-bit bytes, the form ProfileIndex reads: an 8-bit file as it is (no
// copy); a UTF-16 file without its byte-order mark, converted to UTF-8, so that
// the same line and entry rules apply to both.
struct EightBitText {
    ProfileEncoding encoding = ProfileEncoding::CodePage;
    QByteArray text;
};

EightBitText decodeProfile(const QByteArray& fileBytes);

// The file bytes for text in encoding, byte-order mark included. For a
// UTF-16 encoding text must be UTF-8.
QByteArray encodeProfile(ProfileEncoding encoding, const QByteArray& text);

// A name or value as bytes of the text of a profile in encoding: Windows-1252
// ('?' for what it cannot hold) or UTF-8.
QByteArray encodeText(ProfileEncoding encoding, QStringView text);
QString decodeText(ProfileEncoding encoding, QByteArrayView bytes);

} // namespace parlomatic
