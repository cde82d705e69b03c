// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/VoicePackCatalogue.h"
#include "cli/Commands.h"
#include "cli/TerminalInteraction.h"
#include "cli/WindowLogic.h"

namespace parlomatic::cli {

namespace {

int runVoice(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;
    const QString name = parser.positionalArguments().at(0);
    const int voicepack = voicepackNamed(name);
    if (voicepack < 0) {
        context.err << "Unknown voicepack \"" << name << "\". Known voicepacks:" << Qt::endl;
        for (const VoicePackInfo& info : VoicePackCatalogue())
            context.err << "  " << info.displayName << " (" << info.classPath << ')' << Qt::endl;
        return exitFailed;
    }

    TerminalInteraction interaction(context.out, context.err);
    SpeechTool tool(interaction);
    startToolForChanges(tool, context);
    return exitStatusOf(tool.chooseVoicepack(
        static_cast<int>(tool.voicepack().items().indexOf(VoicePackCatalogue()[std::size_t(voicepack)].displayName))));
}

} // namespace

CliCommand voiceCommand() {
    return {QStringLiteral("voice"), QStringLiteral("voice NAME"),
            QStringLiteral("Chooses the voicepack with display name or class path NAME."), runVoice};
}

} // namespace parlomatic::cli
