// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ChangeRecorder.h"

#include <utility>

namespace parlomatic {

ChangeRecorder::ChangeRecorder(ChangeHistory history, ChangeSource source, std::function<bool()> gameRunning)
    : m_history(std::move(history)), m_source(source), m_gameRunning(std::move(gameRunning)) {}

Result ChangeRecorder::record(const QString& profilePath, const ProfileChange& change, const QString& description,
                              const QList<qint64>& undoes) {
    if (change.isEmpty())
        return Result::success();
    const Result kept = m_history.keepOriginal(profilePath, change.previousContent);
    HistoryRecord record;
    record.source = m_source;
    record.description = description;
    record.gameRunning = gameRunning();
    record.pending = record.gameRunning;
    record.undoes = undoes;
    record.wholeFile = change.wholeFile;
    if (change.wholeFile)
        record.previousContent = change.previousContent;
    record.entries = change.entries;
    const Result recorded = m_history.update(profilePath, [&](QList<HistoryRecord>& records) {
        for (HistoryRecord& earlier : records) {
            if (undoes.contains(earlier.id))
                earlier.undone = true;
        }
        records.append(record);
        return true;
    });
    return recorded.ok() ? kept : recorded;
}

} // namespace parlomatic
