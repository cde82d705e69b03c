// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CurrentTauntTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "cli/Commands.h"
#include "cli/IndentedJson.h"
#include "cli/TauntLookup.h"
#include "cli/TerminalInteraction.h"
#include "cli/WindowLogic.h"
#include "listen/TauntListener.h"
#include "player/SystemWavePlayer.h"
#include "profile/Backup.h"
#include "profile/SpeechBinding.h"

#include <QDir>
#include <QFileInfo>

namespace parlomatic::cli {

namespace {

// The voicepack the profile names; read only, so that nothing is written.
int currentVoicepack(const CliContext& context) {
    TerminalInteraction interaction(context.out, context.err);
    SpeechTool tool(interaction);
    startTool(tool, context, true);
    return voicepackNumber(tool.voicepack().items().value(0));
}

// Whether the two paths name one file; Windows's file names ignore case.
bool sameFile(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity sensitivity = Qt::CaseSensitive;
#endif
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.absoluteFilePath().compare(second.absoluteFilePath(), sensitivity) == 0 ||
           (first.exists() && first.canonicalFilePath().compare(second.canonicalFilePath(), sensitivity) == 0);
}

int runSound(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption voice(QStringLiteral("voice"),
                                   QStringLiteral("The voicepack (display name or class path) instead of the current."),
                                   QStringLiteral("NAME"));
    const QCommandLineOption wav(QStringLiteral("wav"), QStringLiteral("Write the sound to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption play(QStringLiteral("play"), QStringLiteral("Play the sound."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Describe how the sound was found."));
    parser.addOptions({voice, wav, play, json});
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    if (!parser.isSet(wav) && !parser.isSet(play) && !parser.isSet(json))
        return usageError(command, QStringLiteral("give --wav FILE, --play or --json"), context.err);
    if (!profileFound(context))
        return exitFailed;
    if (parser.isSet(wav) && (sameFile(parser.value(wav), context.profilePath) ||
                              sameFile(parser.value(wav), backupPathFor(context.profilePath)))) {
        context.err << "--wav names the profile or its backup; give another file." << Qt::endl;
        return exitFailed;
    }

    const int voicepack = parser.isSet(voice) ? voicepackNamed(parser.value(voice)) : currentVoicepack(context);
    if (voicepack < 0) {
        if (parser.isSet(voice))
            context.err << "Unknown voicepack \"" << parser.value(voice) << "\"." << Qt::endl;
        else
            context.err << "The profile names no known voicepack; give one with --voice NAME." << Qt::endl;
        return exitFailed;
    }
    CurrentTauntTable taunts;
    taunts.LoadCurrentTaunts(voicepack);
    QStringList labels;
    for (int slot = 0; slot <= taunts.lastSlot(); ++slot) {
        if (!taunts.slot(slot).isPlaceholder())
            labels.append(taunts.slot(slot).label);
    }
    const int found = findTaunt(labels, parser.positionalArguments().at(0), context.err);
    if (found < 0)
        return exitFailed;
    const TauntEntry entry = *tauntEntryLabelled(taunts, labels.at(found));
    QString error;
    const std::optional<sounds::TauntSound> sound = findEntrySound(context.profilePath, voicepack, entry, error);
    if (!sound) {
        context.err << error << Qt::endl;
        return exitFailed;
    }

    if (parser.isSet(json)) {
        IndentedJsonObject description;
        description.add(u"voicepack", VoicePackCatalogue()[std::size_t(voicepack)].displayName);
        description.add(u"taunt", entry.label);
        description.add(u"binding", speechBindingText(entry.speechType, entry.speechIndex));
        description.add(u"class", sound->className);
        description.add(u"array", sound->arrayName);
        description.add(u"index", sound->index);
        description.add(u"package", QDir::toNativeSeparators(sound->packageFile));
        description.add(u"object", sound->objectPath);
        description.add(u"bytes", sound->wave.size());
        context.out << std::move(description).text();
    }
    if (parser.isSet(wav)) {
        if (const Result written = writeFileAtomically(parser.value(wav), sound->wave); !written.ok()) {
            context.err << "The sound cannot be written to " << parser.value(wav) << ": " << written.error()
                        << Qt::endl;
            return exitFailed;
        }
    }
    if (parser.isSet(play)) {
        if (const QString failed = makeSystemWavePlayer()->playToEnd(sound->wave); !failed.isEmpty()) {
            context.err << "The sound cannot be played: " << failed << Qt::endl;
            return exitFailed;
        }
    }
    return exitOk;
}

} // namespace

CliCommand soundCommand() {
    return {QStringLiteral("sound"), QStringLiteral("sound TAUNT [--voice NAME] [--wav FILE] [--play] [--json]"),
            QStringLiteral("Finds the sound of taunt TAUNT of the current voicepack (or of NAME) in the game's own "
                           "packages: --wav writes it to FILE, --play plays it, --json tells where it was found. "
                           "Writes nothing else."),
            runSound};
}

} // namespace parlomatic::cli
