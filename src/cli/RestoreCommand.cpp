// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/TerminalInteraction.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

namespace {

int runRestore(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    // The refusal of a defect backup is a plain message in the window, but a
    // failure here: what the restore says goes to standard error unless it worked.
    QString said;
    QTextStream saying(&said);
    TerminalInteraction interaction(saying, context.err);
    SpeechTool tool(interaction);
    tool.setProfilePath(context.profilePath);
    tool.Restore_ini_Click();
    saying.flush();
    const bool restored = interaction.shownTexts().contains(SpeechTool::restoreStartedText());
    (restored ? context.out : context.err) << said;
    return restored ? exitOk : exitFailed;
}

} // namespace

CliCommand restoreCommand() {
    return {QStringLiteral("restore"), QStringLiteral("restore"),
            QStringLiteral("Copies the backup back over the profile when it looks sound."), runRestore};
}

} // namespace parlomatic::cli
