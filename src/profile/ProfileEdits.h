// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace parlomatic {

class ProfileIndex;

// Edits of a profile's text (the bytes of text, as the index reads them) by
// the rules of the Windows profile functions. Works on the bytes without
// decoding them; a UTF-8 byte-order mark at the start is kept.

// The bytes with key in section set to value. An existing entry keeps all it
// has up to and including its '=' and its line end; only the rest of the line
// becomes value. A missing entry is inserted after the last entry of the
// section (or after its header), before trailing comments and blank lines. A
// missing section is appended with its entry at the end of the file. Lines
// created end like the file's first line (CR LF when it has none), and an
// unterminated line that gets a line after it, or whose value is replaced,
// first gets a line end. The arguments must already be valid names and
// values: this function does not check them.
QByteArray withValue(ProfileIndex& text, QByteArrayView section, QByteArrayView key, QByteArrayView value);

// The bytes without the line of the entry the index's value() finds, its line
// end included; the bytes unchanged when there is none.
QByteArray withoutEntry(ProfileIndex& text, QByteArrayView section, QByteArrayView key);

} // namespace parlomatic
