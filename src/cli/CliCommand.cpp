// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommand.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace parlomatic::cli {

int usageError(const CliCommand& command, const QString& reason, QTextStream& err) {
    err << command.name << ": " << reason << "\nusage: parlomatic-cli [--profile PATH] " << command.synopsis
        << Qt::endl;
    return exitUsage;
}

bool profileFound(const CliContext& context) {
    if (QFileInfo(context.profilePath).isFile())
        return true;
    context.err << "no such profile: " << QDir::toNativeSeparators(context.profilePath) << Qt::endl;
    return false;
}

bool parseCommandArguments(QCommandLineParser& parser, const CliCommand& command, const QStringList& arguments,
                           qsizetype positionalCount, QTextStream& err) {
    if (!parser.parse(QStringList{command.name} + arguments)) {
        usageError(command, parser.errorText(), err);
        return false;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given == positionalCount)
        return true;
    usageError(command, QStringLiteral("expected %1 arguments, got %2").arg(positionalCount).arg(given), err);
    return false;
}

bool commandDrawsPictures(int argc, char* argv[]) {
    QString name;
    for (int i = 1; i < argc && name.isEmpty(); ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QStringLiteral("--profile"))
            ++i;
        else if (argument == QStringLiteral("--"))
            name = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        else if (!argument.startsWith(QLatin1Char('-')))
            name = argument;
    }
    return std::any_of(cliCommands().begin(), cliCommands().end(),
                       [&](const CliCommand& command) { return command.name == name && command.drawsPictures; });
}

} // namespace parlomatic::cli
