// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/Undo.h"

#include "profile/DecodedEntries.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace parlomatic {

namespace {

// The entries that changed since the records were made, found by going back
// through them from the file as it is now.
QList<UndoConflict> conflictsOf(const QList<HistoryRecord>& newestFirst, const DecodedEntries& current) {
    QList<EntryChange> state; // section, key and the value going back has reached (in after)
    QList<UndoConflict> conflicts;
    for (const HistoryRecord& record : newestFirst) {
        for (const EntryChange& entry : record.entries) {
            auto known = std::ranges::find_if(state, [&](const EntryChange& seen) {
                return sameProfileName(seen.section, entry.section) && sameProfileName(seen.key, entry.key);
            });
            const std::optional<QString> now =
                known != state.end() ? known->after : current.value(entry.section, entry.key);
            if (now != entry.after) {
                const bool listed = std::ranges::any_of(conflicts, [&](const UndoConflict& conflict) {
                    return sameProfileName(conflict.section, entry.section) && sameProfileName(conflict.key, entry.key);
                });
                if (!listed)
                    conflicts.append({entry.section, entry.key, entry.after, now});
            }
            if (known != state.end())
                known->after = entry.before;
            else
                state.append({entry.section, entry.key, {}, entry.before});
        }
    }
    return conflicts;
}

UndoPlan planOf(QList<HistoryRecord> newestFirst, const QString& profilePath, const QString& problem) {
    UndoPlan plan;
    if (newestFirst.isEmpty()) {
        plan.problem = problem;
        return plan;
    }
    plan.conflicts = conflictsOf(newestFirst, DecodedEntries::ofFile(profilePath));
    plan.records = std::move(newestFirst);
    return plan;
}

QList<HistoryRecord> undoableNewestFirst(const ChangeHistory& history, const QString& profilePath) {
    QList<HistoryRecord> undoable;
    const QList<HistoryRecord> records = history.read(profilePath).records;
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        if (it->undoable())
            undoable.append(*it);
    }
    return undoable;
}

QString valueText(const std::optional<QString>& value) {
    return value ? u"\"%1\""_s.arg(*value) : QCoreApplication::translate("Undo", "nothing");
}

} // namespace

UndoPlan planUndo(const ChangeHistory& history, const QString& profilePath, int count) {
    return planOf(undoableNewestFirst(history, profilePath).mid(0, std::max(count, 0)), profilePath,
                  QCoreApplication::translate("Undo", "There is no change of Parlomatic to undo."));
}

UndoPlan planUndoBackTo(const ChangeHistory& history, const QString& profilePath, qint64 id) {
    QList<HistoryRecord> records = undoableNewestFirst(history, profilePath);
    const auto target = std::ranges::find_if(records, [&](const HistoryRecord& record) { return record.id == id; });
    if (target == records.end())
        return planOf(
            {}, profilePath,
            QCoreApplication::translate("Undo", "That change cannot be undone (it was undone already or is an undo)."));
    records.erase(target + 1, records.end());
    return planOf(std::move(records), profilePath, {});
}

UndoDone applyUndo(const ProfileFile& profile, const UndoPlan& plan) {
    UndoDone done;
    if (plan.records.isEmpty()) {
        done.result = Result::failure(plan.problem);
        return done;
    }
    if (!QFileInfo(profile.profilePath()).isFile()) {
        done.result = Result::failure(QCoreApplication::translate("Undo", "The profile does not exist."));
        return done;
    }
    for (const HistoryRecord& record : plan.records) {
        if (record.wholeFile && plan.conflicts.isEmpty()) {
            done.result = profile.ReplaceContent(record.previousContent);
        } else {
            for (auto entry = record.entries.crbegin(); entry != record.entries.crend() && done.result.ok(); ++entry) {
                done.result = entry->before ? profile.WriteEntry(entry->section, entry->key, *entry->before)
                                            : profile.RemoveEntry(entry->section, entry->key);
            }
        }
        if (!done.result.ok())
            break;
        done.undone.append(record.id);
    }
    return done;
}

QString conflictList(const QList<UndoConflict>& conflicts) {
    QStringList items;
    for (const UndoConflict& conflict : conflicts)
        //: %1 is an entry of kvuser.ini, %2 its value now (quoted, or "nothing")
        items.append(QCoreApplication::translate("Undo", "%1 (now %2)").arg(conflict.key, valueText(conflict.now)));
    return items.join(u", "_s);
}

QString undoDescription(const UndoPlan& plan, const QList<qint64>& undone) {
    if (undone.size() == 1) {
        for (const HistoryRecord& record : plan.records) {
            if (record.id == undone.constFirst())
                //: %1 is the description of the change undone
                return QCoreApplication::translate("Undo", "Undid: %1").arg(record.description);
        }
    }
    return QCoreApplication::translate("Undo", "Undid %n changes", nullptr, static_cast<int>(undone.size()));
}

} // namespace parlomatic
