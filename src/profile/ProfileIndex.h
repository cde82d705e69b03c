#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <unordered_map>

namespace parlomatic {

// The sections and entries of a profile file's bytes, found in one pass, so
// that any number of lookups costs no further scan. Answers exactly as
// ProfileText::value does: only the first section of a name is searched, the
// first entry of a key in it wins, names are compared without regard to ASCII
// case, a UTF-8 byte-order mark is skipped, lines end with CR LF, LF or CR.
class ProfileIndex {
public:
    // Keeps bytes (a shallow copy) for as long as the index lives.
    explicit ProfileIndex(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }

    // As ProfileText(bytes()).value(section, key); the view points into bytes().
    std::optional<QByteArrayView> value(QByteArrayView section, QByteArrayView key) const;

private:
    // Hashing and equality of names without regard to ASCII case.
    struct FoldedHash {
        std::size_t operator()(QByteArrayView name) const;
    };
    struct FoldedEqual {
        bool operator()(QByteArrayView a, QByteArrayView b) const;
    };
    struct EntryName {
        int section;
        QByteArrayView key;
        bool operator==(const EntryName& other) const {
            return section == other.section && FoldedEqual()(key, other.key);
        }
    };
    struct EntryNameHash {
        std::size_t operator()(const EntryName& name) const;
    };

    QByteArray m_bytes;
    // The number of the first section of each name.
    std::unordered_map<QByteArrayView, int, FoldedHash, FoldedEqual> m_sections;
    // The raw value (after '=' up to the line end) of the first entry of each key in those sections.
    std::unordered_map<EntryName, QByteArrayView, EntryNameHash> m_entries;
};

} // namespace parlomatic
