#include "cli/Commands.h"
#include "cli/StartedTool.h"
#include "cli/TerminalInteraction.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
        const QJsonObject state{
            {QStringLiteral("profile"), QDir::toNativeSeparators(tool.profilePath())},
            {QStringLiteral("caption"), tool.caption()},
            {QStringLiteral("voicepack"), QJsonArray::fromStringList(tool.voicepack().items())},
            {QStringLiteral("voicepackIndex"), tool.voicepack().selectedIndex()},
            {QStringLiteral("all_taunts"), QJsonArray::fromStringList(tool.all_taunts().items())},
            {QStringLiteral("allKeys"), QJsonArray::fromStringList(tool.allKeys().items())},
            {QStringLiteral("usedSpeechKeys"), QJsonArray::fromStringList(tool.usedSpeechKeys().items())},
        };
        context.out << QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Indented));
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
