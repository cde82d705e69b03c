// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"
#include "catalogue/LabelText.h"
#include "cli/Commands.h"
#include "cli/TauntLookup.h"
#include "cli/TerminalInteraction.h"
#include "cli/WindowLogic.h"
#include "editor/KeyBinding.h"
#include "editor/KeyItem.h"

namespace parlomatic::cli {

namespace {

// The name of the further key (MoreKeyNames) named key in any case, or an empty text.
QString findMoreKey(const QString& key) {
    for (const QString& name : MoreKeyNames()) {
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

// The allKeys item of the key named key (exactly, or else ignoring case).
int findKey(const QStringList& keyItems, const QString& key) {
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < keyItems.size(); ++i) {
            if (keyNameOfItem(keyItems[i]).compare(key, sensitivity) == 0)
                return i;
        }
    }
    return -1;
}

int runBind(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Replace a command of the game that KEY is bound to."));
    parser.addOption(replace);
    if (!parseCommandArguments(parser, command, arguments, 2, context.err))
        return exitUsage;
    if (!profileFound(context))
        return exitFailed;
    const QString key = parser.positionalArguments().at(0);
    const QString taunt = parser.positionalArguments().at(1);

    // The window's question whether to replace a command is answered by --replace.
    TerminalInteraction interaction(context.out, context.err,
                                    parser.isSet(replace) ? MessageAnswer::Yes : MessageAnswer::No);
    SpeechTool tool(interaction);
    startToolForChanges(tool, context);
    if (tool.allKeys().count() == 0) {
        context.err << "The profile names no known voicepack; choose one first (parlomatic-cli voice NAME)."
                    << Qt::endl;
        return exitFailed;
    }
    const int keyIndex = findKey(tool.allKeys().items(), key);
    const QString moreKey = keyIndex < 0 ? findMoreKey(key) : QString();
    if (keyIndex < 0 && moreKey.isEmpty()) {
        context.err << "Unknown key \"" << key << "\"." << Qt::endl;
        return exitFailed;
    }
    const int tauntIndex = findTaunt(tool.all_taunts().items(), taunt, context.err);
    if (tauntIndex < 0)
        return tauntIndex == -1 ? exitFailed : exitUsage;
    const QString keyName = keyIndex < 0 ? moreKey : keyNameOfItem(tool.allKeys().items().at(keyIndex));
    if (const QString binding = keyBinding(ProfileFile(tool.profilePath()), keyName);
        isGameCommand(binding) && !parser.isSet(replace)) {
        context.err << keyName << " is bound to " << binding << "; give --replace to replace it with the taunt."
                    << Qt::endl;
        return exitFailed;
    }

    tool.selectTaunt(tauntIndex);
    if (keyIndex < 0)
        return exitStatusOf(tool.assignToKey(keyName));
    tool.selectKey(keyIndex);
    return exitStatusOf(tool.assignSpeech_Click());
}

} // namespace

CliCommand bindCommand() {
    return {QStringLiteral("bind"), QStringLiteral("bind KEY TAUNT [--replace]"),
            QStringLiteral("Binds the current voicepack's taunt TAUNT (any case) to key KEY, also to the game's keys "
                           "the window's key list lacks (R, Y, Insert, Comma, ...); a key bound to a command of the "
                           "game only with --replace."),
            runBind};
}

} // namespace parlomatic::cli
