// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
#include "gamewatch/ProcessList.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace parlomatic::cli {

namespace {

int runStatus(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the status as JSON."));
    parser.addOption(jsonOption);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;

    const std::optional<ProcessInfo> game = findGame(listProcesses());
    const bool profileExists = QFileInfo(context.profilePath).isFile();
    qsizetype pending = 0;
    for (const HistoryRecord& record : context.changes->history().read(context.profilePath).records)
        pending += record.pending ? record.entries.size() : 0;
    if (parser.isSet(jsonOption)) {
        QJsonObject status{{QStringLiteral("gameRunning"), game.has_value()},
                           {QStringLiteral("profile"), context.profilePath},
                           {QStringLiteral("profileExists"), profileExists},
                           {QStringLiteral("changesToApplyAgain"), pending}};
        if (!context.profilePlace.copyOf.isEmpty())
            status.insert(QStringLiteral("virtualStoreCopyOf"), context.profilePlace.copyOf);
        if (context.profilePlace.unwritable)
            status.insert(QStringLiteral("profileFolderUnwritable"), true);
        if (game) {
            status.insert(QStringLiteral("gamePid"), game->pid);
            status.insert(QStringLiteral("gameExecutable"),
                          game->executable.isEmpty() ? game->arguments.value(0) : game->executable);
        }
        context.out << QJsonDocument(status).toJson();
        return exitOk;
    }
    if (game)
        context.out << "Unreal Tournament is running (process " << game->pid << ")." << Qt::endl;
    else
        context.out << "Unreal Tournament is not running." << Qt::endl;
    context.out << "Profile: " << context.profilePath << (profileExists ? "" : " (missing)") << Qt::endl;
    if (const QString note = profileInStoreNote(context.profilePlace); !note.isEmpty())
        context.out << note << Qt::endl;
    if (pending > 0)
        context.out << "Changes to apply again when the game quits: " << pending << Qt::endl;
    return exitOk;
}

} // namespace

CliCommand statusCommand() {
    return {QStringLiteral("status"), QStringLiteral("status [--json]"),
            QStringLiteral("Says whether Unreal Tournament is running and which profile is in use."), runStatus};
}

} // namespace parlomatic::cli
