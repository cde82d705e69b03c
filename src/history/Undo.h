// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/ChangeRecorder.h"
#include "profile/ProfileFile.h"

#include <QList>
#include <QString>

#include <optional>

namespace parlomatic {

// An entry that changed since the change an undo takes back.
struct UndoConflict {
    QString section;
    QString key;
    std::optional<QString> expected; // what the change left there
    std::optional<QString> now;      // what the profile holds now
};

// What an undo would take back and what stands in its way.
struct UndoPlan {
    QList<HistoryRecord> records; // newest first
    QList<UndoConflict> conflicts;
    // Why there is nothing to undo; empty when records is not.
    QString problem;
};

// The latest count changes that can be taken back, newest first.
UndoPlan planUndo(const ChangeHistory& history, const QString& profilePath, int count);
// Every change that can be taken back from the newest down to the record id, newest first.
UndoPlan planUndoBackTo(const ChangeHistory& history, const QString& profilePath, qint64 id);

// What applyUndo did.
struct UndoDone {
    Result result = Result::success();
    QList<qint64> undone; // the records taken back, newest first
};

// Takes the plan's changes back through profile, newest first: every entry
// goes back to its value before, through the profile's guarded write; a
// whole-file change without conflicts gets the file's whole previous content
// back. Stops at the first failed write; what was written stays. The caller
// records profile's changes as the undo of done.undone (undoDescription).
UndoDone applyUndo(const ProfileFile& profile, const UndoPlan& plan);

// "F7 (now "speech 0 2 -1")": the entries of conflicts for a message.
QString conflictList(const QList<UndoConflict>& conflicts);

// How the history names an undo of the records: "Undid: F7 now says "Roger"", "Undid 3 changes".
QString undoDescription(const UndoPlan& plan, const QList<qint64>& undone);

} // namespace parlomatic
