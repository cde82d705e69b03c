// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
#include "editor/KeyBinding.h"
#include "history/EntryHistory.h"
#include "profile/SpeechBinding.h"

namespace parlomatic::cli {

namespace {

const QString inputSection = QStringLiteral("Engine.Input");

int runUnbind(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption clear(QStringLiteral("clear"),
                                   QStringLiteral("Empty the key even when a command of the game was on it before."));
    parser.addOption(clear);
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;
    context.changes->begin(context.profilePath);
    const QString key = parser.positionalArguments().constFirst();
    const ProfileFile profile(context.profilePath);
    const QString binding = keyBinding(profile, key);
    if (!isSpeechBinding(binding)) {
        context.err << key << " holds no speech binding." << Qt::endl;
        return exitFailed;
    }
    // A command of the game that our taunt replaced goes back on the key.
    std::optional<QString> replaced =
        valueBeforeOurChange(context.changes->history(), context.profilePath, inputSection, key, binding);
    if (parser.isSet(clear) || (replaced && !isGameCommand(*replaced)))
        replaced.reset();
    const Result written = profile.WriteEntry(inputSection, key, replaced.value_or(QString()));
    const QString description =
        replaced ? QStringLiteral("%1: %2 put back").arg(key, *replaced) : QStringLiteral("%1 emptied").arg(key);
    context.changes->record(profile, description);
    if (!written.ok()) {
        context.err << written.error() << Qt::endl;
        return exitFailed;
    }
    if (replaced)
        context.out << description << Qt::endl;
    return exitOk;
}

} // namespace

CliCommand unbindCommand() {
    return {QStringLiteral("unbind"), QStringLiteral("unbind KEY [--clear]"),
            QStringLiteral("Empties the speech binding of key KEY, or puts back the command of the game that a "
                           "taunt replaced there (--clear empties it all the same); a key holding none is refused."),
            runUnbind};
}

} // namespace parlomatic::cli
