// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryText.h"

#include <QCoreApplication>

namespace parlomatic {

QString recordTimeText(const HistoryRecord& record) {
    return record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString recordSourceText(const HistoryRecord& record) {
    return QCoreApplication::translate("HistoryText", sourceWord(record.source));
}

QString recordStateText(const HistoryRecord& record) {
    if (record.undone)
        return QCoreApplication::translate("HistoryText", "undone");
    if (record.pending)
        return QCoreApplication::translate("HistoryText", "waits for Unreal Tournament to quit");
    return {};
}

} // namespace parlomatic
