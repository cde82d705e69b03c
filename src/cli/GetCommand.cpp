// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "profile/ProfileFile.h"

namespace parlomatic::cli {

namespace {

constexpr int defaultCapacity = 65536;

int runGet(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption defaultOption(QStringLiteral("default"),
                                           QStringLiteral("What to print when the entry is missing (default: empty)."),
                                           QStringLiteral("TEXT"));
    const QCommandLineOption capacityOption(
        QStringLiteral("capacity"),
        QStringLiteral("The reader's buffer size: at most N - 1 characters come back (default: %1).")
            .arg(defaultCapacity),
        QStringLiteral("N"));
    parser.addOptions({defaultOption, capacityOption});
    if (!parseCommandArguments(parser, command, arguments, 2, context.err))
        return exitUsage;

    int capacity = defaultCapacity;
    if (parser.isSet(capacityOption)) {
        bool ok = false;
        capacity = parser.value(capacityOption).toInt(&ok);
        if (!ok) {
            context.err << command.name << ": --capacity needs a whole number, not \"" << parser.value(capacityOption)
                        << '"' << Qt::endl;
            return exitUsage;
        }
    }
    if (!profileFound(context))
        return exitFailed;
    const QStringList positional = parser.positionalArguments();
    context.out << ProfileFile(context.profilePath)
                       .ReadEntry(positional.at(0), positional.at(1), parser.value(defaultOption), capacity)
                << '\n';
    return exitOk;
}

} // namespace

CliCommand getCommand() {
    return {QStringLiteral("get"), QStringLiteral("get SECTION KEY [--default TEXT] [--capacity N]"),
            QStringLiteral("Prints the value of one entry of the profile, as the program reads it."), runGet};
}

} // namespace parlomatic::cli
