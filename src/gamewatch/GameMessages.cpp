// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameMessages.h"

namespace parlomatic {

QString gameRunningWarning() {
    return QStringLiteral("Unreal Tournament is running: it will undo these changes when it quits. "
                          "Parlomatic will apply them again.");
}

QString journalFailedWarning(const QString& reason) {
    return QStringLiteral("Unreal Tournament is running: it will undo these changes when it quits. "
                          "Parlomatic could not note them to apply them again (%1).")
        .arg(reason);
}

QString reappliedLine(const ReapplyOutcome& outcome, bool afterRestart) {
    if (outcome.applied == 0 && outcome.error.isEmpty())
        return {};
    const QString changes =
        outcome.applied == 1 ? QStringLiteral("1 change") : QStringLiteral("%1 changes").arg(outcome.applied);
    const QString when =
        afterRestart ? QStringLiteral("when it quit while Parlomatic was closed") : QStringLiteral("when it quit");
    QString line = QStringLiteral("Unreal Tournament undid %1 %2; Parlomatic applied them again.").arg(changes, when);
    if (!outcome.error.isEmpty()) {
        line = QStringLiteral("Unreal Tournament undid %1 %2; Parlomatic applied %3 of them again (%4).")
                   .arg(changes, when)
                   .arg(outcome.applied - outcome.failed)
                   .arg(outcome.error);
    }
    return line;
}

} // namespace parlomatic
