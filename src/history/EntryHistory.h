// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/ChangeHistory.h"

#include <QString>

#include <optional>

namespace parlomatic {

// The value the entry held before the newest change of the history that gave
// it the value it holds now (current); nullopt when no change of ours did, or
// the entry was absent before it. Undone changes do not count.
std::optional<QString> valueBeforeOurChange(const ChangeHistory& history, const QString& profilePath,
                                            const QString& section, const QString& key, const QString& current);

} // namespace parlomatic
