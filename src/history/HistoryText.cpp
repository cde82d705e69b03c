// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryText.h"

namespace parlomatic {

QString recordTimeText(const HistoryRecord& record) {
    return record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString recordStateText(const HistoryRecord& record) {
    if (record.undone)
        return QStringLiteral("undone");
    if (record.pending)
        return QStringLiteral("waits for Unreal Tournament to quit");
    return {};
}

} // namespace parlomatic
