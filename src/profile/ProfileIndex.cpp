// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileIndex.h"

#include "profile/ProfileLines.h"

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

void ProfileIndex::NameTable::add(const std::vector<Named>& items, std::size_t position) {
    // At most half full, so that probe runs stay short.
    if (2 * (m_count + 1) > m_slots.size())
        grow(items);
    const Named& item = items[position];
    std::size_t slot = item.hash & (m_slots.size() - 1);
    for (; m_slots[slot] >= 0; slot = (slot + 1) & (m_slots.size() - 1)) {
        const Named& known = items[static_cast<std::size_t>(m_slots[slot])];
        if (known.hash == item.hash && sameName(known.name, item.name))
            return;
    }
    m_slots[slot] = static_cast<std::int32_t>(position);
    ++m_count;
}

void ProfileIndex::NameTable::grow(const std::vector<Named>& items) {
    const std::vector<std::int32_t> old = std::exchange(m_slots, {});
    m_slots.assign(std::max<std::size_t>(16, 2 * old.size()), -1);
    // The names indexed so far differ: each only needs a free slot.
    for (const std::int32_t position : old) {
        if (position < 0)
            continue;
        std::size_t slot = items[static_cast<std::size_t>(position)].hash & (m_slots.size() - 1);
        while (m_slots[slot] >= 0)
            slot = (slot + 1) & (m_slots.size() - 1);
        m_slots[slot] = position;
    }
}

const ProfileIndex::Named* ProfileIndex::NameTable::find(const std::vector<Named>& items, QByteArrayView name,
                                                         std::uint32_t hash) const {
    if (m_slots.empty())
        return nullptr;
    for (std::size_t slot = hash & (m_slots.size() - 1); m_slots[slot] >= 0; slot = (slot + 1) & (m_slots.size() - 1)) {
        const Named& item = items[static_cast<std::size_t>(m_slots[slot])];
        if (item.hash == hash && sameName(item.name, name))
            return &item;
    }
    return nullptr;
}

ProfileIndex::ProfileIndex(QByteArray bytes)
    : m_bytes(std::move(bytes)), m_headerLines(m_bytes, contentStart(m_bytes)) {}

bool ProfileIndex::readNextHeader() {
    const QByteArrayView all(m_bytes);
    Line line;
    while (!m_allHeaders) {
        if (!m_headerLines.next(line)) {
            m_allHeaders = true;
            break;
        }
        // Only headers matter here; the lines of a section are read when it is looked in.
        qsizetype first = line.begin;
        while (first < line.end && isBlank(all[first]))
            ++first;
        if (first == line.end || all[first] != '[')
            continue;
        const QByteArrayView name = meaningOf(all, line).name;
        m_headers.push_back({foldedHash(name), name, line, 0});
        m_sections.add(m_headers, m_headers.size() - 1);
        return true;
    }
    return false;
}

const ProfileIndex::Named* ProfileIndex::header(QByteArrayView name) {
    const std::uint32_t hash = foldedHash(name);
    if (const Named* known = m_sections.find(m_headers, name, hash))
        return known;
    // No header of the name so far: the first one read is the one that counts.
    while (readNextHeader()) {
        if (m_headers.back().hash == hash && sameName(m_headers.back().name, name))
            return &m_headers.back();
    }
    return nullptr;
}

ProfileIndex::Section& ProfileIndex::sectionAt(const Named& header) {
    return m_sectionEntries.try_emplace(header.line.begin, m_bytes, header.line.next).first->second;
}

bool ProfileIndex::readNextLine(Section& section) {
    Line line;
    if (section.complete || !section.lines.next(line)) {
        section.complete = true;
        return false;
    }
    const LineMeaning meaning = meaningOf(section.lines.bytes(), line);
    if (meaning.kind == LineMeaning::Header) {
        section.complete = true;
        return false;
    }
    if (meaning.kind == LineMeaning::Entry) {
        section.entries.push_back({foldedHash(meaning.name), meaning.name, line, meaning.valueBegin});
        section.keys.add(section.entries, section.entries.size() - 1);
    }
    return true;
}

const ProfileIndex::Named* ProfileIndex::entryIn(Section& section, QByteArrayView key) {
    const std::uint32_t hash = foldedHash(key);
    if (const Named* known = section.keys.find(section.entries, key, hash))
        return known;
    // No entry of the key so far: the first one read is the one that counts.
    std::size_t seen = section.entries.size();
    while (readNextLine(section)) {
        if (section.entries.size() == seen)
            continue;
        seen = section.entries.size();
        if (section.entries.back().hash == hash && sameName(section.entries.back().name, key))
            return &section.entries.back();
    }
    return nullptr;
}

void ProfileIndex::complete(Section& section) {
    while (readNextLine(section)) {
    }
}

const ProfileIndex::Named* ProfileIndex::entry(QByteArrayView section, QByteArrayView key) {
    const Named* found = header(section);
    return found ? entryIn(sectionAt(*found), key) : nullptr;
}

std::vector<ProfileIndex::Entry> ProfileIndex::entries() {
    while (readNextHeader()) {
    }
    std::vector<Entry> found;
    for (const Named& header : m_headers) {
        // Later sections of a name, and later entries of a key, are never read.
        if (m_sections.find(m_headers, header.name, header.hash) != &header)
            continue;
        Section& section = sectionAt(header);
        complete(section);
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
    return !m_headers.empty() || readNextHeader();
}

ProfileIndex::Place ProfileIndex::place(QByteArrayView section, QByteArrayView key) {
    const Named* found = header(section);
    if (!found)
        return {};
    const Line headerLine = found->line;
    Section& entries = sectionAt(*found);
    if (const Named* at = entryIn(entries, key))
        return {Place::Found, at->line, at->valueBegin};
    // entryIn read the whole section.
    return {Place::NoKey, entries.entries.empty() ? headerLine : entries.entries.back().line, 0};
}

} // namespace parlomatic
