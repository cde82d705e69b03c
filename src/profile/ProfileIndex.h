// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace parlomatic {

// The sections and entries of a profile file's bytes, so that any number of
// lookups costs no further scan: the reader of the profile's structure for the
// reads of a read scope and for the list of entries (ProfileEntries). The first
// two lookups only scan for their entry, as ProfileText does; the third finds
// the section headers in one pass, so that a few lookups cost no more than a
// few scans. A section's entries are indexed when it is first looked in: a
// refresh reads a few sections of a file that may hold thousands. Answers
// exactly as ProfileText::value does: only the first section of a name is
// searched, the first entry of a key in it wins, names are compared without
// regard to ASCII case, a UTF-8 byte-order mark is skipped, lines end with
// CR LF, LF or CR.
class ProfileIndex {
public:
    // Keeps bytes (a shallow copy) for as long as the index lives.
    explicit ProfileIndex(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }

    // As ProfileText(bytes()).value(section, key); the view points into bytes().
    std::optional<QByteArrayView> value(QByteArrayView section, QByteArrayView key);

    // An entry that value() finds, with its value as the file stores it
    // (trimmed, quotes kept); the views point into bytes().
    struct Entry {
        QByteArrayView section; // as its header names it
        QByteArrayView key;
        QByteArrayView storedValue;
    };
    // Every entry that value() finds, in file order: the first of each key in
    // the first section of each name. Entries before the first section belong to none.
    std::vector<Entry> entries();

private:
    // A section header or an entry line, in file order.
    struct Named {
        std::uint32_t hash; // of the name without regard to case
        QByteArrayView name;
        qsizetype value; // a header's first byte after its line; an entry's first byte after the '='
        qsizetype end;   // a header's: where the section ends; an entry's: where its value ends
    };

    // Open addressing over positions in a list of Named, the first of equal names winning.
    class NameTable {
    public:
        // Indexes the items, the first of equal names winning.
        void build(const std::vector<Named>& items);
        // The indexed item named name, or null.
        const Named* find(const std::vector<Named>& items, QByteArrayView name, std::uint32_t hash) const;

    private:
        std::vector<std::int32_t> m_slots; // item positions; -1 for none
    };

    // The entries of one section, in file order, and their index.
    struct Section {
        std::vector<Named> entries;
        NameTable keys;
    };

    void findSections();
    const Section& sectionAt(const Named& header);

    QByteArray m_bytes;
    int m_lookups = 0;
    bool m_built = false;
    std::vector<Named> m_headers;
    NameTable m_sections;
    // By the position of the header: the sections looked in so far.
    std::unordered_map<qsizetype, Section> m_sectionEntries;
};

} // namespace parlomatic
