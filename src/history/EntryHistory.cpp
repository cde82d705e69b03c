// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/EntryHistory.h"

namespace parlomatic {

std::optional<QString> valueBeforeOurChange(const ChangeHistory& history, const QString& profilePath,
                                            const QString& section, const QString& key, const QString& current) {
    const QList<HistoryRecord> records = history.read(profilePath).records;
    for (auto record = records.crbegin(); record != records.crend(); ++record) {
        if (record->undone)
            continue;
        for (const EntryChange& entry : record->entries) {
            if (!sameProfileName(entry.section, section) || !sameProfileName(entry.key, key))
                continue;
            // The newest change of the entry decides: it must be the one that left what is there now.
            return entry.after == current ? entry.before : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace parlomatic
