// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileList.h"
#include "locate/SearchPlaces.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace parlomatic::cli {

namespace {

QJsonArray profilesAsJson(const QList<FoundProfile>& profiles) {
    QJsonArray result;
    for (const FoundProfile& profile : profiles)
        result.append(QJsonObject{{QStringLiteral("path"), profile.path},
                                  {QStringLiteral("place"), profile.place},
                                  {QStringLiteral("lastModified"), profile.lastModified.toString(Qt::ISODate)}});
    return result;
}

int runProfiles(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print the profiles as one JSON array (UTF-8)."));
    parser.addOption(jsonOption);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    const QList<FoundProfile> profiles = findProfiles(SearchEnvironment::fromSystem());
    if (parser.isSet(jsonOption))
        context.out << QJsonDocument(profilesAsJson(profiles)).toJson(QJsonDocument::Indented);
    else
        writeProfileList(context.out, profiles);
    return exitOk;
}

} // namespace

CliCommand profilesCommand() {
    return {QStringLiteral("profiles"),
            QStringLiteral("profiles [--json]"),
            QStringLiteral("Lists the profiles found in the game's usual places, newest first."),
            runProfiles,
            false,
            false};
}

} // namespace parlomatic::cli
