// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
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
    context.changes->begin(context.profilePath);
    const ProfileFile profile(context.profilePath);
    const Result result = profile.WriteEntry(positional.at(0), positional.at(1), positional.at(2));
    context.changes->record(profile, QStringLiteral("%1 set to \"%2\"").arg(positional.at(1), positional.at(2)));
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
