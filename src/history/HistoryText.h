// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/HistoryRecord.h"

#include <QString>

namespace parlomatic {

// "2026-12-07 14:02", in local time, as the history shows a record's time.
QString recordTimeText(const HistoryRecord& record);

// Who made a record's change, in the words of the history window: "window",
// "command line", "name changer", "re-apply".
QString recordSourceText(const HistoryRecord& record);

// What the history says of a record's state: "undone", "waits for Unreal
// Tournament to quit", or empty.
QString recordStateText(const HistoryRecord& record);

} // namespace parlomatic
