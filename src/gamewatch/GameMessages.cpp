// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameMessages.h"

namespace parlomatic {

namespace {

QString changes(int count) {
    return count == 1 ? QStringLiteral("1 change") : QStringLiteral("%1 changes").arg(count);
}

// "1 change was left as the game or the player set it."
QString keptSentence(int kept) {
    return kept == 1 ? QStringLiteral("1 change was left as the game or the player set it.")
                     : QStringLiteral("%1 changes were left as the game or the player set them.").arg(kept);
}

} // namespace

QString gameRunningWarning() {
    return QStringLiteral("Unreal Tournament is running: changes made now are undone when it quits; "
                          "Parlomatic will apply them again.");
}

QString reappliedLine(const ReapplyOutcome& outcome, bool afterRestart) {
    if (outcome.applied == 0 && outcome.kept == 0 && outcome.error.isEmpty())
        return {};
    const QString when =
        afterRestart ? QStringLiteral("when it quit while Parlomatic was closed") : QStringLiteral("when it quit");
    QString line;
    if (outcome.applied == 0) {
        line = QStringLiteral("Unreal Tournament quit.");
    } else if (outcome.failed > 0) {
        line = QStringLiteral("Unreal Tournament undid %1 %2; Parlomatic applied %3 of them again (%4).")
                   .arg(changes(outcome.applied), when)
                   .arg(outcome.applied - outcome.failed)
                   .arg(outcome.error);
    } else {
        line = QStringLiteral("Unreal Tournament undid %1 %2; Parlomatic applied %3 again.")
                   .arg(changes(outcome.applied), when,
                        outcome.applied == 1 ? QStringLiteral("it") : QStringLiteral("them"));
    }
    if (outcome.kept > 0)
        line += QLatin1Char(' ') + keptSentence(outcome.kept);
    if (outcome.failed == 0 && !outcome.error.isEmpty())
        line += QStringLiteral(" (%1)").arg(outcome.error);
    return line;
}

} // namespace parlomatic
