#include "profile/ProfileIndex.h"

#include "profile/ProfileLines.h"
#include "profile/ProfileText.h"

#include <bit>
#include <utility>

namespace parlomatic {

using namespace profilelines;

namespace {

// FNV-1a over the lower-case bytes, then the header number mixed in.
std::uint32_t foldedHash(QByteArrayView name, std::int32_t header) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(asciiLower(c));
        hash *= 16777619u;
    }
    return hash ^ (static_cast<std::uint32_t>(header) * 0x9E3779B9u);
}

} // namespace

void ProfileIndex::NameTable::build(const std::vector<Named>& items, bool byHeader) {
    m_byHeader = byHeader;
    // At most half full, so that probe runs stay short.
    m_slots.assign(std::bit_ceil(std::max<std::size_t>(8, 2 * items.size())), -1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (find(items, items[i]))
            continue;
        std::size_t slot = items[i].hash & (m_slots.size() - 1);
        while (m_slots[slot] >= 0)
            slot = (slot + 1) & (m_slots.size() - 1);
        m_slots[slot] = static_cast<std::int32_t>(i);
    }
}

const ProfileIndex::Named* ProfileIndex::NameTable::find(const std::vector<Named>& items, const Named& wanted) const {
    if (m_slots.empty())
        return nullptr;
    for (std::size_t slot = wanted.hash & (m_slots.size() - 1); m_slots[slot] >= 0;
         slot = (slot + 1) & (m_slots.size() - 1)) {
        const Named& item = items[static_cast<std::size_t>(m_slots[slot])];
        if (item.hash == wanted.hash && (!m_byHeader || item.header == wanted.header) &&
            sameName(item.name, wanted.name))
            return &item;
    }
    return nullptr;
}

ProfileIndex::ProfileIndex(QByteArray bytes) : m_bytes(std::move(bytes)) {}

void ProfileIndex::build() {
    m_built = true;
    const QByteArrayView all(m_bytes);
    LineScanner lines(all, contentStart(all));
    Line line;
    while (lines.next(line)) {
        const LineMeaning meaning = meaningOf(all, line);
        const auto header = static_cast<std::int32_t>(m_headers.size());
        if (meaning.kind == LineMeaning::Header) {
            m_headers.push_back({foldedHash(meaning.name, 0), header, meaning.name, {}});
        } else if (meaning.kind == LineMeaning::Entry && header > 0) {
            // Entries before the first header belong to no section and are never read.
            m_entries.push_back({foldedHash(meaning.name, header - 1), header - 1, meaning.name,
                                 all.sliced(meaning.valueBegin, line.end - meaning.valueBegin)});
        }
    }
    // An entry is found under the number of its section's header; that of the
    // first section of a name is the only one a lookup uses.
    m_sections.build(m_headers, false);
    m_keys.build(m_entries, true);
}

std::optional<QByteArrayView> ProfileIndex::value(QByteArrayView section, QByteArrayView key) {
    if (!m_built) {
        if (m_lookups++ < 2)
            return ProfileText(m_bytes).value(section, key);
        build();
    }
    const Named* header = m_sections.find(m_headers, {foldedHash(section, 0), 0, section, {}});
    if (!header)
        return std::nullopt;
    const Named* entry = m_keys.find(m_entries, {foldedHash(key, header->header), header->header, key, {}});
    if (!entry)
        return std::nullopt;
    return readValue(entry->rawValue);
}

} // namespace parlomatic
