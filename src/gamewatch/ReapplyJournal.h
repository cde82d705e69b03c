// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/ProfileEntries.h"
#include "profile/Result.h"

#include <QList>
#include <QString>

namespace parlomatic {

// What a re-apply did: how many remembered entries the game's rewrite had
// undone and were written again, and how many of those could not be written.
struct ReapplyOutcome {
    int applied = 0;
    int failed = 0;
    // The reason of the last failed write.
    QString error;
};

// The entries the player changed while the game ran, per profile, kept in a
// small JSON file so that they outlive the program. Every call reads the file
// again and changes it under a lock file, so the window and the command line
// can share it. Profiles are told apart by their absolute path.
class ReapplyJournal {
public:
    explicit ReapplyJournal(QString path);

    // game-exit-journal.json in the folder of the program's settings.
    static QString defaultPath();

    const QString& path() const { return m_path; }

    // The entries remembered for the profile, in the order of their last
    // change, each section and key once. None when the file is missing or unreadable.
    QList<ProfileEntry> entriesFor(const QString& profilePath) const;

    // Adds the changes; a key already remembered moves to the end with its new
    // value. Fails, changing nothing, when the file cannot be written.
    Result record(const QString& profilePath, const QList<ProfileEntry>& changes);

    // Writes again, through the profile's guarded write, every remembered entry
    // whose value the profile no longer holds, then forgets the entries that
    // hold. Entries whose write failed stay remembered. A profile that no
    // longer exists is not created: its entries are forgotten.
    ReapplyOutcome reapply(const QString& profilePath);

private:
    QString m_path;
};

} // namespace parlomatic
