// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/TerminalInteraction.h"
#include "cli/WindowLogic.h"

#include <unistd.h>

namespace parlomatic::cli {

namespace {

int runErase(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption yes(QStringLiteral("yes"), QStringLiteral("Answer the confirmation with Yes."));
    parser.addOption(yes);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    if (!parser.isSet(yes) && !::isatty(STDIN_FILENO)) {
        context.err << "erase deletes every speech binding: confirm with --yes when not run from a terminal."
                    << Qt::endl;
        return exitFailed;
    }
    if (!profileFound(context))
        return exitFailed;

    TerminalInteraction interaction(context.out, context.err,
                                    parser.isSet(yes) ? std::optional(MessageAnswer::Yes) : std::nullopt);
    SpeechTool tool(interaction);
    startToolForChanges(tool, context);
    return exitStatusOf(tool.erase_speech_Click());
}

} // namespace

CliCommand eraseCommand() {
    return {QStringLiteral("erase"), QStringLiteral("erase [--yes]"),
            QStringLiteral("Empties every speech binding of the known keys, after confirmation."), runErase};
}

} // namespace parlomatic::cli
