// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "namechanger/EliteRules.h"

namespace parlomatic::cli {

namespace {

int runElite(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandArguments(parser, command, arguments, 1, context.err))
        return exitUsage;
    const QString text = parser.positionalArguments().constFirst();
    context.out << ApplyEliteRules(text, EliteRules1) << '\n' << ApplyEliteRules(text, EliteRules2) << '\n';
    return exitOk;
}

} // namespace

CliCommand eliteCommand() {
    return {QStringLiteral("elite"),
            QStringLiteral("elite TEXT"),
            QStringLiteral("Prints the two elite forms of TEXT, one per line."),
            runElite,
            false,
            false};
}

} // namespace parlomatic::cli
