#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>
#include <vector>

namespace parlomatic {

// The sections and entries of a profile file's bytes, found in one pass, so
// that any number of lookups costs no further scan. The first two lookups
// only scan for their entry, as ProfileText does; the third builds the index,
// so that a few lookups cost no more than a few scans. Answers exactly as
// ProfileText::value does: only the first section of a name is searched, the
// first entry of a key in it wins, names are compared without regard to ASCII
// case, a UTF-8 byte-order mark is skipped, lines end with CR LF, LF or CR.
class ProfileIndex {
public:
    // Keeps bytes (a shallow copy) for as long as the index lives.
    explicit ProfileIndex(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }

    // As ProfileText(bytes()).value(section, key); the view points into bytes().
    std::optional<QByteArrayView> value(QByteArrayView section, QByteArrayView key);

private:
    // A section header or an entry line, in file order.
    struct Named {
        std::uint32_t hash;  // of the name without regard to case; an entry's also mixes in its header
        std::int32_t header; // the number of the section header it is, or that it follows
        QByteArrayView name;
        QByteArrayView rawValue; // entries: after '=' up to the line end
    };

    // Open addressing over positions in a list of Named, the first of equal names winning.
    class NameTable {
    public:
        // Indexes the items, the first of equal names winning. Names are equal
        // when their texts are and, with byHeader, their headers too.
        void build(const std::vector<Named>& items, bool byHeader);
        // The indexed item named name (under header, with byHeader), or null.
        const Named* find(const std::vector<Named>& items, const Named& wanted) const;

    private:
        std::vector<std::int32_t> m_slots; // item positions; -1 for none
        bool m_byHeader = false;
    };

    void build();

    QByteArray m_bytes;
    int m_lookups = 0;
    bool m_built = false;
    std::vector<Named> m_headers;
    std::vector<Named> m_entries;
    NameTable m_sections;
    NameTable m_keys;
};

} // namespace parlomatic
