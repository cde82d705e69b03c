// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
#include "history/HistoryText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parlomatic::cli {

namespace {

// A record as a script reads it: the stored form without the previous file's bytes.
QJsonObject recordJson(const HistoryRecord& record) {
    QJsonObject object = record.toJson();
    object.remove(QStringLiteral("previousContent"));
    object.insert(QStringLiteral("wholeFile"), record.wholeFile);
    return object;
}

int runHistory(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the changes as a JSON array."));
    const QCommandLineOption count(QStringList{QStringLiteral("n")}, QStringLiteral("Show only the latest N changes."),
                                   QStringLiteral("N"));
    parser.addOption(json);
    parser.addOption(count);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    bool countOk = true;
    const int latest = parser.isSet(count) ? parser.value(count).toInt(&countOk) : ChangeHistory::recordLimit;
    if (!countOk || latest < 0)
        return usageError(command, QStringLiteral("-n takes a whole number"), context.err);

    const HistoryRead read = context.changes->history().read(context.profilePath);
    if (!read.problem.isEmpty())
        context.err << read.problem << Qt::endl;
    // Newest first.
    QList<HistoryRecord> shown;
    for (auto record = read.records.crbegin(); record != read.records.crend() && shown.size() < latest; ++record)
        shown.append(*record);
    if (parser.isSet(json)) {
        QJsonArray records;
        for (const HistoryRecord& record : shown)
            records.append(recordJson(record));
        context.out << QJsonDocument(records).toJson();
        return exitOk;
    }
    if (shown.isEmpty())
        context.out << "Parlomatic has not changed this profile yet." << Qt::endl;
    for (const HistoryRecord& record : shown) {
        context.out << record.id << "  " << recordTimeText(record) << "  " << sourceWord(record.source) << "  "
                    << record.description;
        if (const QString state = recordStateText(record); !state.isEmpty())
            context.out << " (" << state << ')';
        context.out << '\n';
    }
    return exitOk;
}

} // namespace

CliCommand historyCommand() {
    return {QStringLiteral("history"), QStringLiteral("history [--json] [-n N]"),
            QStringLiteral("Lists the changes Parlomatic made to the profile, newest first; writes nothing."),
            runHistory};
}

} // namespace parlomatic::cli
