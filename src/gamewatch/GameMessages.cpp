// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameMessages.h"

#include <QCoreApplication>

namespace parlomatic {

namespace {

// "1 change was left as the game or the player set it."
QString keptSentence(int kept) {
    return kept == 1
               ? QCoreApplication::translate("GameMessages", "1 change was left as the game or the player set it.")
               : QCoreApplication::translate("GameMessages", "%n changes were left as the game or the player set them.",
                                             nullptr, kept);
}

// What the game undid and that all of it was applied again.
QString allAppliedSentence(int applied, bool afterRestart) {
    if (afterRestart) {
        return applied == 1
                   ? QCoreApplication::translate("GameMessages",
                                                 "Unreal Tournament undid 1 change when it quit while Parlomatic was "
                                                 "closed; Parlomatic applied it again.")
                   : QCoreApplication::translate("GameMessages",
                                                 "Unreal Tournament undid %n changes when it quit while Parlomatic "
                                                 "was closed; Parlomatic applied them again.",
                                                 nullptr, applied);
    }
    return applied == 1
               ? QCoreApplication::translate(
                     "GameMessages", "Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.")
               : QCoreApplication::translate(
                     "GameMessages", "Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.",
                     nullptr, applied);
}

// What the game undid and how much of it was applied again before a write failed.
QString partlyAppliedSentence(int applied, int again, const QString& error, bool afterRestart) {
    QString sentence;
    if (afterRestart && applied == 1) {
        //: %1 is how many of them were applied again, %2 why the others were not
        sentence = QCoreApplication::translate("GameMessages",
                                               "Unreal Tournament undid 1 change when it quit while Parlomatic was "
                                               "closed; Parlomatic applied %1 of them again (%2).");
    } else if (afterRestart) {
        //: %1 is how many of them were applied again, %2 why the others were not
        sentence = QCoreApplication::translate("GameMessages",
                                               "Unreal Tournament undid %n changes when it quit while Parlomatic "
                                               "was closed; Parlomatic applied %1 of them again (%2).",
                                               nullptr, applied);
    } else if (applied == 1) {
        //: %1 is how many of them were applied again, %2 why the others were not
        sentence = QCoreApplication::translate(
            "GameMessages", "Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).");
    } else {
        //: %1 is how many of them were applied again, %2 why the others were not
        sentence = QCoreApplication::translate(
            "GameMessages",
            "Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).", nullptr,
            applied);
    }
    return sentence.arg(QString::number(again), error);
}

} // namespace

QString gameRunningWarning() {
    return QCoreApplication::translate("GameMessages",
                                       "Unreal Tournament is running: changes made now are undone when it quits; "
                                       "Parlomatic will apply them again.");
}

QString reappliedLine(const ReapplyOutcome& outcome, bool afterRestart) {
    if (outcome.applied == 0 && outcome.kept == 0 && outcome.error.isEmpty())
        return {};
    QString line;
    if (outcome.applied == 0)
        line = QCoreApplication::translate("GameMessages", "Unreal Tournament quit.");
    else if (outcome.failed > 0)
        line = partlyAppliedSentence(outcome.applied, outcome.applied - outcome.failed, outcome.error, afterRestart);
    else
        line = allAppliedSentence(outcome.applied, afterRestart);
    if (outcome.kept > 0)
        line += QLatin1Char(' ') + keptSentence(outcome.kept);
    if (outcome.failed == 0 && !outcome.error.isEmpty())
        line += QStringLiteral(" (%1)").arg(outcome.error);
    return line;
}

} // namespace parlomatic
