// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "editor/KeyBinding.h"
#include "profile/SpeechBinding.h"

namespace parlomatic::cli {

namespace {

int runUnbind(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;
    const QString key = parser.positionalArguments().constFirst();
    const ProfileFile profile(context.profilePath);
    if (!isSpeechBinding(keyBinding(profile, key))) {
        context.err << key << " holds no speech binding." << Qt::endl;
        return exitFailed;
    }
    const Result written = profile.WriteEntry(QStringLiteral("Engine.Input"), key, QString());
    if (!written.ok()) {
        context.err << written.error() << Qt::endl;
        return exitFailed;
    }
    return exitOk;
}

} // namespace

CliCommand unbindCommand() {
    return {QStringLiteral("unbind"), QStringLiteral("unbind KEY"),
            QStringLiteral("Empties the speech binding of key KEY; a key holding none is refused."), runUnbind};
}

} // namespace parlomatic::cli
