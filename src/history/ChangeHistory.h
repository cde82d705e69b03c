// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/HistoryRecord.h"
#include "profile/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace parlomatic {

// The history of one profile as read: its records, oldest first, and what
// could not be read of it.
struct HistoryRead {
    QList<HistoryRecord> records;
    // Empty when the whole history was read; else a sentence saying what was
    // left out (a damaged line, a file that cannot be read).
    QString problem;
};

// The changes the program made to each profile, kept in the program's data
// folder, never in the game's: one file of JSON lines per profile (a header
// line naming the profile, then one record a line), told apart by the
// profile's canonical path. The window and the command line share it: every
// change happens under one lock file and replaces the history file whole or
// not at all. A damaged line is left out, and said so, without losing the
// others; the damaged file is kept beside the history once. At most
// recordLimit records are kept per profile, the oldest dropped first.
class ChangeHistory {
public:
    static constexpr int recordLimit = 1000;

    explicit ChangeHistory(QString folder);

    // "Parlomatic/history" in the user's data folder.
    static QString defaultFolder();

    const QString& folder() const { return m_folder; }

    HistoryRead read(const QString& profilePath) const;

    // Under the lock: reads the history, lets change edit the records (oldest
    // first; it may add, mark or drop), and writes the result back when change
    // returns true. New records get the next ids. Fails, changing nothing,
    // when the lock is not had in time or the file cannot be written.
    Result update(const QString& profilePath, const std::function<bool(QList<HistoryRecord>& records)>& change);

    // The profile's content before the program first changed it, if kept.
    std::optional<QByteArray> original(const QString& profilePath) const;
    // Keeps bytes as the original of the profile, unless one is kept already.
    Result keepOriginal(const QString& profilePath, const QByteArray& bytes);

private:
    QString fileFor(const QString& profilePath, const QString& suffix) const;

    QString m_folder;
};

} // namespace parlomatic
