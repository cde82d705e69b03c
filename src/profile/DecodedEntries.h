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
struct DecodedEntry {
    QString section;
    QString key;
    QString value;

    friend bool operator==(const DecodedEntry&, const DecodedEntry&) = default;
};

// Every entry of a profile that a reader of single entries can see, decoded to
// text: the entries ProfileIndex lists, in file order, for comparing a profile
// at two moments (what a write changed, what an undo would meet).
class DecodedEntries {
public:
    DecodedEntries() = default;
    explicit DecodedEntries(const QByteArray& bytes);
    // The entries of the file at path; none when it cannot be read.
    static DecodedEntries ofFile(const QString& path);

    const QList<DecodedEntry>& entries() const { return m_entries; }
    // The value of key in section, or nullopt when there is none.
    std::optional<QString> value(const QString& section, const QString& key) const;

private:
    QList<DecodedEntry> m_entries;
    QHash<QString, qsizetype> m_index;
};

} // namespace parlomatic
