// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileIndex.h"

#include "profile/ProfileLines.h"

#include <bit>
#include <utility>

namespace parlomatic {

using namespace profilelines;

namespace {

// FNV-1a over the lower-case bytes.
std::uint32_t foldedHash(QByteArrayView name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(asciiLower(c));
        hash *= 16777619u;
    }
    return hash;
}

} // namespace

void ProfileIndex::NameTable::build(const std::vector<Named>& items) {
    // At most half full, so that probe runs stay short.
    m_slots.assign(std::bit_ceil(std::max<std::size_t>(8, 2 * items.size())), -1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::size_t slot = items[i].hash & (m_slots.size() - 1);
        bool known = false;
        for (; m_slots[slot] >= 0 && !known; slot = (slot + 1) & (m_slots.size() - 1)) {
            const Named& item = items[static_cast<std::size_t>(m_slots[slot])];
            known = item.hash == items[i].hash && sameName(item.name, items[i].name);
        }
        if (!known)
            m_slots[slot] = static_cast<std::int32_t>(i);
    }
}

const ProfileIndex::Named* ProfileIndex::NameTable::find(const std::vector<Named>& items, QByteArrayView name,
                                                         std::uint32_t hash) const {
    for (std::size_t slot = hash & (m_slots.size() - 1); m_slots[slot] >= 0; slot = (slot + 1) & (m_slots.size() - 1)) {
        const Named& item = items[static_cast<std::size_t>(m_slots[slot])];
        if (item.hash == hash && sameName(item.name, name))
            return &item;
    }
    return nullptr;
}

ProfileIndex::ProfileIndex(QByteArray bytes) : m_bytes(std::move(bytes)) {}

void ProfileIndex::findSections() {
    m_built = true;
    const QByteArrayView all(m_bytes);
    LineScanner lines(all, contentStart(all));
    Line line;
    while (lines.next(line)) {
        // Only headers matter here; the lines of a section are read when it is looked in.
        qsizetype first = line.begin;
        while (first < line.end && isBlank(all[first]))
            ++first;
        if (first == line.end || all[first] != '[')
            continue;
        if (!m_headers.empty())
            m_headers.back().sectionEnd = line.begin;
        const QByteArrayView name = meaningOf(all, line).name;
        m_headers.push_back({foldedHash(name), name, line, 0, all.size()});
    }
    m_sections.build(m_headers);
}

const ProfileIndex::Named* ProfileIndex::header(QByteArrayView name) {
    if (!m_built)
        findSections();
    return m_sections.find(m_headers, name, foldedHash(name));
}

const ProfileIndex::Section& ProfileIndex::sectionAt(const Named& header) {
    const auto [at, added] = m_sectionEntries.try_emplace(header.line.begin);
    Section& section = at->second;
    if (added) {
        const QByteArrayView all(m_bytes);
        LineScanner lines(all.first(header.sectionEnd), header.line.next);
        Line line;
        while (lines.next(line)) {
            const LineMeaning meaning = meaningOf(all, line);
            if (meaning.kind == LineMeaning::Entry)
                section.entries.push_back({foldedHash(meaning.name), meaning.name, line, meaning.valueBegin, 0});
        }
        section.keys.build(section.entries);
    }
    return section;
}

const ProfileIndex::Named* ProfileIndex::entry(QByteArrayView section, QByteArrayView key) {
    const Named* found = header(section);
    if (!found)
        return nullptr;
    const Section& entries = sectionAt(*found);
    return entries.keys.find(entries.entries, key, foldedHash(key));
}

std::vector<ProfileIndex::Entry> ProfileIndex::entries() {
    if (!m_built)
        findSections();
    std::vector<Entry> found;
    for (const Named& header : m_headers) {
        // Later sections of a name, and later entries of a key, are never read.
        if (m_sections.find(m_headers, header.name, header.hash) != &header)
            continue;
        const Section& section = sectionAt(header);
        for (const Named& entry : section.entries) {
            if (section.keys.find(section.entries, entry.name, entry.hash) == &entry)
                found.push_back(
                    {header.name, entry.name,
                     trimmed(QByteArrayView(m_bytes).sliced(entry.valueBegin, entry.line.end - entry.valueBegin))});
        }
    }
    return found;
}

std::optional<QByteArrayView> ProfileIndex::storedValue(QByteArrayView section, QByteArrayView key) {
    const Named* found = entry(section, key);
    if (!found)
        return std::nullopt;
    return trimmed(QByteArrayView(m_bytes).sliced(found->valueBegin, found->line.end - found->valueBegin));
}

std::optional<QByteArrayView> ProfileIndex::value(QByteArrayView section, QByteArrayView key) {
    const std::optional<QByteArrayView> stored = storedValue(section, key);
    return stored ? std::optional(readValue(*stored)) : std::nullopt;
}

bool ProfileIndex::hasSection() {
    if (!m_built)
        findSections();
    return !m_headers.empty();
}

ProfileIndex::Place ProfileIndex::place(QByteArrayView section, QByteArrayView key) {
    const Named* found = header(section);
    if (!found)
        return {};
    const Section& entries = sectionAt(*found);
    if (const Named* at = entries.keys.find(entries.entries, key, foldedHash(key)))
        return {Place::Found, at->line, at->valueBegin};
    return {Place::NoKey, entries.entries.empty() ? found->line : entries.entries.back().line, 0};
}

} // namespace parlomatic
