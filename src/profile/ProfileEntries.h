// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace parlomatic {

// One entry of a profile: its section, key and value as the file holds them
// (value trimmed of blanks, quotes kept), decoded as the profile's readers decode it.
struct ProfileEntry {
    QString section;
    QString key;
    QString value;

    friend bool operator==(const ProfileEntry&, const ProfileEntry&) = default;
};

// Every entry of a profile that a reader of single entries can see: the first
// entry of each key within the first section of each name (names compared
// without regard to ASCII case), in file order. Follows the line rules and
// the encodings of the profile layer; lines before the first section are left out.
class ProfileEntries {
public:
    ProfileEntries() = default;
    explicit ProfileEntries(const QByteArray& bytes);
    // The entries of the file at path; none when it cannot be read.
    static ProfileEntries ofFile(const QString& path);

    const QList<ProfileEntry>& entries() const { return m_entries; }
    // The value of key in section, or nullopt when there is none.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // The entries of after that are new or have another value than here, in
    // after's order. Entries that after lost are not listed.
    QList<ProfileEntry> changesTo(const ProfileEntries& after) const;

private:
    QList<ProfileEntry> m_entries;
    QHash<QString, qsizetype> m_index;
};

} // namespace parlomatic
