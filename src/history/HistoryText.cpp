// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryText.h"

#include <QCoreApplication>

namespace parlomatic {

QString recordTimeText(const HistoryRecord& record) {
    return record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString recordSourceText(const HistoryRecord& record) {
    switch (record.source) {
    case ChangeSource::Window:
        return QCoreApplication::translate("HistoryText", "window");
    case ChangeSource::CommandLine:
        return QCoreApplication::translate("HistoryText", "command line");
    case ChangeSource::NameChanger:
        return QCoreApplication::translate("HistoryText", "name changer");
    case ChangeSource::Reapply:
        return QCoreApplication::translate("HistoryText", "re-apply");
    }
    return {};
}

QString recordStateText(const HistoryRecord& record) {
    if (record.undone)
        return QCoreApplication::translate("HistoryText", "undone");
    if (record.pending)
        return QCoreApplication::translate("HistoryText", "waits for Unreal Tournament to quit");
    return {};
}

} // namespace parlomatic
