// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "profile/Backup.h"

#include <QDir>

namespace parlomatic::cli {

namespace {

int runBackup(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;
    const QString backupPath = backupPathFor(context.profilePath);
    const BackupMade backup = MakeBackup(context.profilePath, backupPath);
    if (backup.outcome != BackupMade::Made) {
        context.err << "Error could not make backup of your kvuser.ini: " << backup.error << Qt::endl;
        return exitFailed;
    }
    context.out << QDir::toNativeSeparators(backupPath) << Qt::endl;
    return exitOk;
}

} // namespace

CliCommand backupCommand() {
    return {QStringLiteral("backup"), QStringLiteral("backup"),
            QStringLiteral("Copies the profile to its backup beside it and prints the backup's path."), runBackup};
}

} // namespace parlomatic::cli
