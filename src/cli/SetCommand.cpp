// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "profile/ProfileFile.h"

#include <QDir>

namespace parlomatic::cli {

namespace {

int runSet(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 3, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;

    const QStringList positional = parser.positionalArguments();
    const Result result =
        ProfileFile(context.profilePath).WriteEntry(positional.at(0), positional.at(1), positional.at(2));
    if (!result.ok()) {
        context.err << QDir::toNativeSeparators(context.profilePath) << ": " << result.error() << Qt::endl;
        return exitFailed;
    }
    return exitOk;
}

} // namespace

CliCommand setCommand() {
    return {QStringLiteral("set"), QStringLiteral("set SECTION KEY VALUE"),
            QStringLiteral("Gives one entry of the profile a value; every other line of the file stays as it is."),
            runSet};
}

} // namespace parlomatic::cli
