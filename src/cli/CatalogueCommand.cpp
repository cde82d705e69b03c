// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"
#include "catalogue/TauntTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "cli/Commands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parlomatic::cli {

namespace {

QJsonObject catalogueAsJson() {
    QJsonArray keys;
    for (const QString& name : KeyNameTable())
        keys.append(name);

    QJsonArray voicepacks;
    for (int index = 0; index < voicePackCount; ++index) {
        const VoicePackInfo& info = VoicePackCatalogue().at(static_cast<std::size_t>(index));
        QJsonArray taunts;
        for (const TauntEntry& entry : TauntTableFor(index).entries)
            taunts.append(QJsonObject{{QStringLiteral("label"), entry.label},
                                      {QStringLiteral("speechType"), entry.speechType},
                                      {QStringLiteral("speechIndex"), entry.speechIndex}});
        voicepacks.append(QJsonObject{{QStringLiteral("index"), index},
                                      {QStringLiteral("classPath"), info.classPath},
                                      {QStringLiteral("displayName"), info.displayName},
                                      {QStringLiteral("note"), info.note},
                                      {QStringLiteral("taunts"), taunts}});
    }
    return QJsonObject{{QStringLiteral("keys"), keys}, {QStringLiteral("voicepacks"), voicepacks}};
}

// Labels are quoted so that their leading and trailing blanks stay visible.
void writeListing(QTextStream& out) {
    out << "Keys (" << KeyNameTable().size() << "):\n";
    for (qsizetype index = 0; index < KeyNameTable().size(); ++index)
        out << qSetFieldWidth(4) << index << qSetFieldWidth(0) << ' ' << KeyNameTable().at(index) << '\n';

    for (int index = 0; index < voicePackCount; ++index) {
        const VoicePackInfo& info = VoicePackCatalogue().at(static_cast<std::size_t>(index));
        const TauntTable& table = TauntTableFor(index);
        out << "\nVoicepack " << index << ": " << info.displayName << '\n';
        out << "  class: " << info.classPath << '\n';
        const QStringList noteLines = info.note.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        for (qsizetype line = 0; line < noteLines.size(); ++line)
            out << (line == 0 ? "  note:  " : "         ") << noteLines.at(line) << '\n';
        out << "  taunts: " << table.entries.size() << ", last slot " << table.lastSlot() << '\n';
        out << "  slot type index label\n";
        for (std::size_t slot = 0; slot < table.entries.size(); ++slot) {
            const TauntEntry& entry = table.entries[slot];
            out << qSetFieldWidth(6) << slot << qSetFieldWidth(5) << entry.speechType << qSetFieldWidth(6)
                << entry.speechIndex << qSetFieldWidth(0) << " \"" << entry.label << '"'
                << (entry.isPlaceholder() ? " (placeholder)" : "") << '\n';
        }
    }
}

int runCatalogue(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print the catalogue as one JSON object (UTF-8)."));
    parser.addOption(jsonOption);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    if (parser.isSet(jsonOption))
        context.out << QJsonDocument(catalogueAsJson()).toJson(QJsonDocument::Indented);
    else
        writeListing(context.out);
    return exitOk;
}

} // namespace

CliCommand catalogueCommand() {
    return {QStringLiteral("catalogue"),
            QStringLiteral("catalogue [--json]"),
            QStringLiteral("Lists the key names and the known voicepacks with every taunt."),
            runCatalogue,
            false,
            false};
}

} // namespace parlomatic::cli
