// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/IndentedJson.h"
#include "cli/TerminalInteraction.h"
#include "cli/WindowLogic.h"

#include <QDir>

namespace parlomatic::cli {

namespace {

void printList(QTextStream& out, const QString& heading, const QStringList& items) {
    out << heading << " (" << items.size() << "):\n";
    for (const QString& item : items)
        out << "  \"" << item << "\"\n";
}

int runShow(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the state as one JSON object."));
    parser.addOption(json);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;

    TerminalInteraction interaction(context.out, context.err);
    SpeechTool tool(interaction);
    startTool(tool, context, true);

    if (parser.isSet(json)) {
        // The members in the order QJsonObject sorts its keys, as this output always had them.
        IndentedJsonObject state;
        state.add(u"allKeys", tool.allKeys().items());
        state.add(u"all_taunts", tool.all_taunts().items());
        state.add(u"caption", tool.caption());
        state.add(u"profile", QDir::toNativeSeparators(tool.profilePath()));
        state.add(u"usedSpeechKeys", tool.usedSpeechKeys().items());
        state.add(u"voicepack", tool.voicepack().items());
        state.add(u"voicepackIndex", tool.voicepack().selectedIndex());
        context.out << std::move(state).text();
        return exitOk;
    }
    context.out << tool.caption() << "\nProfile: " << QDir::toNativeSeparators(tool.profilePath())
                << "\nVoicepack: " << tool.voicepack().text() << "\n\n";
    printList(context.out, QStringLiteral("Voicepacks"), tool.voicepack().items());
    printList(context.out, QStringLiteral("Taunts"), tool.all_taunts().items());
    printList(context.out, QStringLiteral("Keys"), tool.allKeys().items());
    printList(context.out, QStringLiteral("Keys with a taunt"), tool.usedSpeechKeys().items());
    return exitOk;
}

} // namespace

CliCommand showCommand() {
    return {QStringLiteral("show"), QStringLiteral("show [--json]"),
            QStringLiteral("Shows what the main window shows for the profile, leaving the file untouched."), runShow};
}

} // namespace parlomatic::cli
