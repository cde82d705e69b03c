// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/PendingChanges.h"

#include "profile/DecodedEntries.h"
#include "profile/ProfileFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace parlomatic {

namespace {

// Per entry, the first value before and the last value after of the waiting changes.
using Waiting = QList<EntryChange>;

bool onlyCaseDiffers(const std::optional<QString>& a, const std::optional<QString>& b) {
    return a.has_value() == b.has_value() && (!a || a->compare(*b, Qt::CaseInsensitive) == 0);
}

Waiting::iterator findEntry(Waiting& waiting, const EntryChange& entry) {
    return std::ranges::find_if(waiting, [&](const EntryChange& known) {
        return sameProfileName(known.section, entry.section) && sameProfileName(known.key, entry.key);
    });
}

// What the waiting changes changed and no later change of ours touched since.
Waiting waitingEntries(const QList<HistoryRecord>& records) {
    Waiting waiting;
    for (const HistoryRecord& record : records) {
        if (!record.pending) {
            if (record.wholeFile)
                waiting.clear();
            for (const EntryChange& entry : record.entries) {
                // The refresh's rewrite of Voice in other letters settles nothing.
                if (onlyCaseDiffers(entry.before, entry.after))
                    continue;
                if (const auto known = findEntry(waiting, entry); known != waiting.end())
                    waiting.erase(known);
            }
            continue;
        }
        for (const EntryChange& entry : record.entries) {
            if (const auto known = findEntry(waiting, entry); known != waiting.end())
                known->after = entry.after;
            else
                waiting.append(entry);
        }
    }
    return waiting;
}

QString reappliedDescription(int applied) {
    return applied == 1
               ? QCoreApplication::translate("PendingChanges", "1 change applied again after Unreal Tournament quit")
               : QCoreApplication::translate("PendingChanges", "%n changes applied again after Unreal Tournament quit",
                                             nullptr, applied);
}

} // namespace

ReapplyOutcome reapplyPending(ChangeRecorder& recorder, const QString& profilePath) {
    const QList<HistoryRecord> records = recorder.history().read(profilePath).records;
    const auto waitingRecord = [](const HistoryRecord& record) { return record.pending; };
    if (std::ranges::none_of(records, waitingRecord))
        return {};

    ReapplyOutcome outcome;
    if (QFileInfo(profilePath).isFile()) {
        const DecodedEntries current = DecodedEntries::ofFile(profilePath);
        const ProfileFile profile(profilePath);
        for (const EntryChange& entry : waitingEntries(records)) {
            if (onlyCaseDiffers(entry.before, entry.after))
                continue;
            const std::optional<QString> now = current.value(entry.section, entry.key);
            if (now == entry.after)
                continue;
            if (now != entry.before) {
                ++outcome.kept;
                continue;
            }
            const Result written = entry.after ? profile.WriteEntry(entry.section, entry.key, *entry.after)
                                               : profile.RemoveEntry(entry.section, entry.key);
            ++outcome.applied;
            if (!written.ok()) {
                ++outcome.failed;
                outcome.error = written.error();
            }
        }
        const Result recorded =
            recorder.record(profilePath, profile.takeChanges(), reappliedDescription(outcome.applied));
        if (!recorded.ok() && outcome.error.isEmpty())
            outcome.error = recorded.error();
    }
    if (outcome.failed > 0)
        return outcome;
    // Only what was checked is settled: a change made meanwhile waits for the next check.
    const qint64 lastChecked = std::ranges::find_if(records.crbegin(), records.crend(), waitingRecord)->id;
    const Result settled = recorder.history().update(profilePath, [&](QList<HistoryRecord>& all) {
        for (HistoryRecord& record : all) {
            if (record.id <= lastChecked)
                record.pending = false;
        }
        return true;
    });
    if (!settled.ok() && outcome.error.isEmpty())
        outcome.error = settled.error();
    return outcome;
}

} // namespace parlomatic
