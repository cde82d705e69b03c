// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace parlomatic {

// The bytes of a profile file, read and edited by the rules of the Windows
// profile functions. Works on the raw bytes without decoding them, so that one
// lookup costs a scan of the file and nothing more.
//
// Lines end with CR LF, LF or CR. A line whose first non-blank character is '['
// opens a section named by what follows up to the first ']' (or the line end);
// one whose first non-blank character is ';' is a comment; any other line with
// a '=' is an entry, split at its first '='. Lines before the first section
// belong to none. Names and values are trimmed of blanks, tabs and vertical
// tabs. A UTF-8 byte-order mark at the start is skipped (and kept on write).
class ProfileText {
public:
    // Does not copy: bytes must outlive this object.
    explicit ProfileText(QByteArrayView bytes);

    // The value of the first entry named key in the first section named
    // section (names compared without regard to ASCII case), trimmed, with one
    // pair of identical outer quotes ('"' or '\'') removed. Empty for an entry
    // without value; nullopt when the section or the entry is missing.
    std::optional<QByteArrayView> value(QByteArrayView section, QByteArrayView key) const;
    // The same entry's value as the file stores it: trimmed, quotes kept.
    std::optional<QByteArrayView> storedValue(QByteArrayView section, QByteArrayView key) const;

    // The bytes with key in section set to value. An existing entry keeps all
    // it has up to and including its '=' and its line end; only the rest of the
    // line becomes value. A missing entry is inserted after the last entry of
    // the section (or after its header), before trailing comments and blank
    // lines. A missing section is appended with its entry at the end of the
    // file. Lines created end like the file's first line (CR LF when it has
    // none), and an unterminated line that gets a line after it, or whose value
    // is replaced, first gets a line end. The arguments must already be valid
    // names and values: this function does not check them.
    QByteArray withValue(QByteArrayView section, QByteArrayView key, QByteArrayView value) const;

    // The bytes without the line of the entry value() finds, its line end
    // included; the bytes unchanged when there is none.
    QByteArray withoutEntry(QByteArrayView section, QByteArrayView key) const;

    // True when some line opens a section: a binary or cut-off file holds none.
    bool hasSection() const;

private:
    struct Location;
    Location locate(QByteArrayView section, QByteArrayView key) const;
    QByteArrayView lineEnd() const;

    QByteArrayView m_bytes;
    qsizetype m_start;
};

} // namespace parlomatic
