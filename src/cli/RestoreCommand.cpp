// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
#include "cli/TerminalInteraction.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

namespace {

int runRestore(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption original(
        QStringLiteral("original"),
        QStringLiteral("Restore the profile as it was before Parlomatic first changed it, instead of the backup."));
    parser.addOption(original);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    // What the restore says goes to standard error unless it worked.
    QString said;
    QTextStream saying(&said);
    TerminalInteraction interaction(saying, context.err);
    SpeechTool tool(interaction);
    context.changes->begin(context.profilePath);
    tool.setRecorder(&context.changes->recorder());
    tool.setProfilePath(context.profilePath);
    const ActionOutcome outcome = parser.isSet(original) ? tool.restoreOriginal() : tool.Restore_ini_Click();
    saying.flush();
    if (outcome.kind == ActionOutcome::NothingDone) {
        context.out << "The profile already is as it was." << Qt::endl;
        return exitOk;
    }
    const bool restored = outcome.written();
    (restored ? context.out : context.err) << said;
    if (restored && parser.isSet(original))
        context.out << outcome.description << Qt::endl;
    return restored ? exitOk : exitFailed;
}

} // namespace

CliCommand restoreCommand() {
    return {QStringLiteral("restore"), QStringLiteral("restore [--original]"),
            QStringLiteral("Copies the backup back over the profile when it looks sound; with --original, the "
                           "profile as it was before Parlomatic first changed it. Can be undone."),
            runRestore};
}

} // namespace parlomatic::cli
