// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/DecodedEntries.h"

#include "profile/FileAccess.h"
#include "profile/ProfileEncoding.h"
#include "profile/ProfileIndex.h"
#include "profile/ProfileLines.h"

namespace parlomatic {

namespace {

QString indexKey(const QString& section, const QString& key) {
    return profilelines::foldedName(section) + QLatin1Char('\n') + profilelines::foldedName(key);
}

} // namespace

DecodedEntries::DecodedEntries(const QByteArray& bytes) {
    const EightBitText content = decodeProfile(bytes);
    ProfileIndex index(content.text);
    for (const ProfileIndex::Entry& found : index.entries()) {
        // An entry without a key cannot be written, nor told apart.
        if (found.key.isEmpty())
            continue;
        DecodedEntry entry{decodeText(content.encoding, found.section), decodeText(content.encoding, found.key),
                           decodeText(content.encoding, found.storedValue)};
        m_index.insert(indexKey(entry.section, entry.key), m_entries.size());
        m_entries.append(std::move(entry));
    }
}

DecodedEntries DecodedEntries::ofFile(const QString& path) {
    const files::FileRead read = files::readFile(path);
    return read.status == files::FileRead::Read ? DecodedEntries(read.bytes) : DecodedEntries();
}

std::optional<QString> DecodedEntries::value(const QString& section, const QString& key) const {
    const auto found = m_index.constFind(indexKey(section, key));
    if (found == m_index.cend())
        return std::nullopt;
    return m_entries.at(*found).value;
}

} // namespace parlomatic
