// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileChange.h"

#include "profile/ProfileLines.h"

#include <algorithm>

namespace parlomatic {

bool sameProfileName(const QString& a, const QString& b) {
    return profilelines::sameName(QStringView(a), QStringView(b));
}

void ProfileChange::add(const EntryChange& change) {
    const auto same = [&](const EntryChange& entry) {
        return sameProfileName(entry.section, change.section) && sameProfileName(entry.key, change.key);
    };
    const auto earlier = std::ranges::find_if(entries, same);
    if (earlier == entries.end()) {
        if (change.before != change.after)
            entries.append(change);
        return;
    }
    earlier->after = change.after;
    if (earlier->before == earlier->after)
        entries.erase(earlier);
}

QList<EntryChange> entryDifferences(const DecodedEntries& before, const DecodedEntries& after) {
    QList<EntryChange> changes;
    for (const DecodedEntry& entry : after.entries()) {
        const std::optional<QString> old = before.value(entry.section, entry.key);
        if (old != entry.value)
            changes.append({entry.section, entry.key, old, entry.value});
    }
    for (const DecodedEntry& entry : before.entries()) {
        if (!after.value(entry.section, entry.key))
            changes.append({entry.section, entry.key, entry.value, std::nullopt});
    }
    return changes;
}

} // namespace parlomatic
