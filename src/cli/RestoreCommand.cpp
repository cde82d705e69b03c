#include "cli/Commands.h"
#include "cli/TerminalInteraction.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

namespace {

int runRestore(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    TerminalInteraction interaction(context.out, context.err);
    SpeechTool tool(interaction);
    tool.setProfilePath(context.profilePath);
    tool.Restore_ini_Click();
    return interaction.shownTexts().contains(SpeechTool::restoreStartedText()) ? exitOk : exitFailed;
}

} // namespace

CliCommand restoreCommand() {
    return {QStringLiteral("restore"), QStringLiteral("restore"),
            QStringLiteral("Copies the backup back over the profile when it looks sound."), runRestore};
}

} // namespace parlomatic::cli
