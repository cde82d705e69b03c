// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileLines.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace parlomatic {

// The sections and entries of a profile's text (see EightBitText), found by the
// rules of the Windows profile functions: the one reader of a profile's
// structure, for single reads, the lists of entries and the places edits go.
//
// Lines end with CR LF, LF or CR. A line whose first non-blank character is '['
// opens a section named by what follows up to the first ']' (or the line end);
// one whose first non-blank character is ';' is a comment; any other line with
// a '=' is an entry, split at its first '='. Lines before the first section
// belong to none. Names and values are trimmed of blanks, tabs and vertical
// tabs. A UTF-8 byte-order mark at the start is skipped. Only the first section
// of a name is ever read, the first entry of a key in it wins, and names are
// compared without regard to ASCII case (profilelines::sameName).
//
// The file is read only as far as the questions need: a lookup reads the
// section headers up to the first of its section's name, then that section's
// lines up to its key. What was read is indexed and not read again, so a
// single lookup costs about a scan of the file, and a refresh's reads of a
// few sections of a file that may hold thousands index only those sections.
class ProfileIndex {
public:
    // Keeps bytes (a shallow copy) for as long as the index lives.
    explicit ProfileIndex(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }

    // The value of the entry named key in the section named section, trimmed,
    // with one pair of identical outer quotes ('"' or '\'') removed. Empty for
    // an entry without value; nullopt when the section or the entry is
    // missing. The view points into bytes().
    std::optional<QByteArrayView> value(QByteArrayView section, QByteArrayView key);
    // The same entry's value as the file stores it: trimmed, quotes kept.
    std::optional<QByteArrayView> storedValue(QByteArrayView section, QByteArrayView key);

    // An entry that value() finds, with its value as the file stores it; the
    // views point into bytes().
    struct Entry {
        QByteArrayView section; // as its header names it
        QByteArrayView key;
        QByteArrayView storedValue;
    };
    // Every entry that value() finds, in file order.
    std::vector<Entry> entries();

    // True when some line opens a section: a binary or cut-off file holds none.
    bool hasSection();

    // Where the entry value() finds is, or where it would go.
    struct Place {
        enum Kind { NoSection, NoKey, Found };
        Kind kind = NoSection;
        // Found: the entry's line; NoKey: the section's last entry line, or
        // its header's line when it has no entry.
        profilelines::Line line;
        qsizetype valueBegin = 0; // Found: the first byte after the entry's '='
    };
    Place place(QByteArrayView section, QByteArrayView key);

private:
    // A section header or an entry line, in file order.
    struct Named {
        std::uint32_t hash; // of the name without regard to case
        QByteArrayView name;
        profilelines::Line line;
        qsizetype valueBegin = 0; // an entry's first byte after the '='
    };

    // Open addressing over positions in a list of Named, the first of equal
    // names winning; grows as items are added.
    class NameTable {
    public:
        // Indexes items[position] unless an item of its name is indexed already.
        void add(const std::vector<Named>& items, std::size_t position);
        // The indexed item named name, or null.
        const Named* find(const std::vector<Named>& items, QByteArrayView name, std::uint32_t hash) const;

    private:
        void grow(const std::vector<Named>& items);

        std::vector<std::int32_t> m_slots; // item positions; -1 for none
        std::size_t m_count = 0;
    };

    // The entries of one section read so far, in file order, and their index.
    struct Section {
        Section(QByteArrayView bytes, qsizetype start) : lines(bytes, start) {}
        profilelines::LineScanner lines; // where reading the section goes on
        bool complete = false;           // the next header or the end was reached
        std::vector<Named> entries;
        NameTable keys;
    };

    // Reads up to the next section header and indexes it; false at the end.
    bool readNextHeader();
    // The first section named name, or null; reads headers as far as needed.
    const Named* header(QByteArrayView name);
    Section& sectionAt(const Named& header);
    // The first entry named key of section, or null; reads its lines as far as needed.
    static const Named* entryIn(Section& section, QByteArrayView key);
    // Reads the rest of section.
    static void complete(Section& section);
    // Reads the next line of section and indexes it if it is an entry; false
    // when the section has no more lines.
    static bool readNextLine(Section& section);
    // The entry value() finds, or null.
    const Named* entry(QByteArrayView section, QByteArrayView key);

    QByteArray m_bytes;
    profilelines::LineScanner m_headerLines;
    bool m_allHeaders = false;
    std::vector<Named> m_headers;
    NameTable m_sections;
    // By the position of the header: the sections looked in so far.
    std::unordered_map<qsizetype, Section> m_sectionEntries;
};

} // namespace parlomatic
