// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/DecodedEntries.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace parlomatic {

// One entry that a write of ours changed: its section and key, and its value
// before and after as the file stores it (trimmed, quotes kept); nullopt where
// the entry was absent.
struct EntryChange {
    QString section;
    QString key;
    std::optional<QString> before;
    std::optional<QString> after;

    friend bool operator==(const EntryChange&, const EntryChange&) = default;
};

// What the writes through one profile committed, as the profile layer saw
// them: each changed entry once (its first value before, its last after), in
// the order first written.
struct ProfileChange {
    QList<EntryChange> entries;
    // The file's bytes before the first of the writes.
    QByteArray previousContent;
    // A write gave the file a whole new content (a restore).
    bool wholeFile = false;

    bool isEmpty() const { return entries.isEmpty() && !wholeFile; }

    // Adds one entry's change, merging it with an earlier change of the same
    // entry (names without regard to ASCII case); an entry back at its first
    // value is dropped.
    void add(const EntryChange& change);
};

// The entries whose value differs between before and after, added and
// removed ones included: after's in its order, then the ones after lost.
QList<EntryChange> entryDifferences(const DecodedEntries& before, const DecodedEntries& after);

// Whether two names are equal without regard to ASCII case, as the profile's readers compare them.
bool sameProfileName(const QString& a, const QString& b);

} // namespace parlomatic
