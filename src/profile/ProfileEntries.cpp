// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileEntries.h"

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

ProfileEntries::ProfileEntries(const QByteArray& bytes) {
    const ProfileContent content = decodeProfile(bytes);
    ProfileIndex index(content.text);
    for (const ProfileIndex::Entry& found : index.entries()) {
        // An entry without a key cannot be written, nor told apart.
        if (found.key.isEmpty())
            continue;
        ProfileEntry entry{decodeText(content.encoding, found.section), decodeText(content.encoding, found.key),
                           decodeText(content.encoding, found.storedValue)};
        m_index.insert(indexKey(entry.section, entry.key), m_entries.size());
        m_entries.append(std::move(entry));
    }
}

ProfileEntries ProfileEntries::ofFile(const QString& path) {
    const files::FileRead read = files::readFile(path);
    return read.status == files::FileRead::Read ? ProfileEntries(read.bytes) : ProfileEntries();
}

std::optional<QString> ProfileEntries::value(const QString& section, const QString& key) const {
    const auto found = m_index.constFind(indexKey(section, key));
    if (found == m_index.cend())
        return std::nullopt;
    return m_entries.at(*found).value;
}

QList<ProfileEntry> ProfileEntries::changesTo(const ProfileEntries& after) const {
    QList<ProfileEntry> changes;
    for (const ProfileEntry& entry : after.entries()) {
        if (value(entry.section, entry.key) != entry.value)
            changes.append(entry);
    }
    return changes;
}

} // namespace parlomatic
