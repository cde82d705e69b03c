// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace parlomatic {

// The game's 8-bit code page, Windows-1252, converted exactly in both directions.
// Qt 6.4 offers no converter for it, so the profile layer carries its own.
namespace Windows1252 {

// One character per byte. The five bytes the code page leaves undefined (81, 8D,
// 8F, 90, 9D hex) become U+0081, U+008D, U+008F, U+0090 and U+009D, as on Windows.
QString decode(QByteArrayView bytes);

// One byte per character. A character the code page cannot hold (a surrogate
// pair counts as one character) becomes '?'. The five control characters that
// decode gives for the undefined bytes convert back to those bytes.
QByteArray encode(QStringView text);

} // namespace Windows1252

} // namespace parlomatic
