// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/VoicePackCatalogue.h"
#include "cli/Commands.h"
#include "cli/WindowLogic.h"
#include "cli/TerminalInteraction.h"

namespace parlomatic::cli {

namespace {

// The display name of the voicepack called name, or with name as class path (any case).
QString displayNameFor(const QString& name) {
    for (const VoicePackInfo& info : VoicePackCatalogue()) {
        if (info.displayName == name || info.classPath.compare(name, Qt::CaseInsensitive) == 0)
            return info.displayName;
    }
    return {};
}

int runVoice(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;
    const QString name = parser.positionalArguments().at(0);
    const QString displayName = displayNameFor(name);
    if (displayName.isEmpty()) {
        context.err << "Unknown voicepack \"" << name << "\". Known voicepacks:" << Qt::endl;
        for (const VoicePackInfo& info : VoicePackCatalogue())
            context.err << "  " << info.displayName << " (" << info.classPath << ')' << Qt::endl;
        return exitFailed;
    }

    TerminalInteraction interaction(context.out, context.err);
    SpeechTool tool(interaction);
    startToolForChanges(tool, context);
    return exitStatusOf(tool.chooseVoicepack(static_cast<int>(tool.voicepack().items().indexOf(displayName))));
}

} // namespace

CliCommand voiceCommand() {
    return {QStringLiteral("voice"), QStringLiteral("voice NAME"),
            QStringLiteral("Chooses the voicepack with display name or class path NAME."), runVoice};
}

} // namespace parlomatic::cli
