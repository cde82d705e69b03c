// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
#include "namechanger/EliteRules.h"
#include "namechanger/PlayerName.h"

namespace parlomatic::cli {

namespace {

int runName(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption formOption(QStringLiteral("form"),
                                        QStringLiteral("Write the first (1) or second (2) elite form of TEXT."),
                                        QStringLiteral("1|2"));
    parser.addOption(formOption);
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    const QString form = parser.value(formOption);
    if (parser.isSet(formOption) && form != QStringLiteral("1") && form != QStringLiteral("2"))
        return usageError(command, QStringLiteral("--form must be 1 or 2, not \"%1\"").arg(form), context.err);
    if (!profileFound(context))
        return exitFailed;

    const QString text = parser.positionalArguments().constFirst();
    const QString name = !parser.isSet(formOption)     ? text
                         : form == QStringLiteral("1") ? ApplyEliteRules(text, EliteRules1)
                                                       : ApplyEliteRules(text, EliteRules2);
    context.changes->begin(context.profilePath);
    const ProfileFile profile(context.profilePath);
    const Result written = WritePlayerName(profile, name);
    context.changes->record(profile, playerNameDescription(name));
    const MessageRequest message = PlayerNameWrittenMessage(context.profilePath, name, written);
    (written.ok() ? context.out : context.err) << message.text << Qt::endl;
    return written.ok() ? exitOk : exitFailed;
}

} // namespace

CliCommand nameCommand() {
    return {QStringLiteral("name"), QStringLiteral("name TEXT [--form 1|2]"),
            QStringLiteral("Writes TEXT, or its first or second elite form, as the player name."), runName};
}

} // namespace parlomatic::cli
