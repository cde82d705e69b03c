#include "profile/ProfileIndex.h"

#include "profile/ProfileLines.h"

#include <utility>

namespace parlomatic {

using namespace profilelines;

std::size_t ProfileIndex::FoldedHash::operator()(QByteArrayView name) const {
    // FNV-1a over the lower-case bytes.
    std::size_t hash = 14695981039346656037ull;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(asciiLower(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool ProfileIndex::FoldedEqual::operator()(QByteArrayView a, QByteArrayView b) const {
    return sameName(a, b);
}

std::size_t ProfileIndex::EntryNameHash::operator()(const EntryName& name) const {
    return FoldedHash()(name.key) ^ (static_cast<std::size_t>(name.section) * 0x9E3779B97F4A7C15ull);
}

ProfileIndex::ProfileIndex(QByteArray bytes) : m_bytes(std::move(bytes)) {
    const QByteArrayView all(m_bytes);
    // The number of the section the lines belong to; -1 before the first header
    // and in every later section of a name already seen, whose entries are never read.
    int current = -1;
    int sectionCount = 0;
    LineScanner lines(all, contentStart(all));
    Line line;
    while (lines.next(line)) {
        const LineMeaning meaning = meaningOf(all, line);
        if (meaning.kind == LineMeaning::Header) {
            const auto [at, added] = m_sections.try_emplace(meaning.name, sectionCount);
            current = added ? sectionCount++ : -1;
        } else if (meaning.kind == LineMeaning::Entry && current >= 0) {
            m_entries.try_emplace(EntryName{current, meaning.name},
                                  all.sliced(meaning.valueBegin, line.end - meaning.valueBegin));
        }
    }
}

std::optional<QByteArrayView> ProfileIndex::value(QByteArrayView section, QByteArrayView key) const {
    const auto foundSection = m_sections.find(section);
    if (foundSection == m_sections.end())
        return std::nullopt;
    const auto foundEntry = m_entries.find(EntryName{foundSection->second, key});
    if (foundEntry == m_entries.end())
        return std::nullopt;
    return readValue(foundEntry->second);
}

} // namespace parlomatic
