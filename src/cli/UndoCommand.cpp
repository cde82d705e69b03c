// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/ProfileChanges.h"
#include "history/Undo.h"

namespace parlomatic::cli {

namespace {

int runUndo(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Undo even entries that changed since, losing their values now."));
    parser.addOption(force);
    parser.addPositionalArgument(QStringLiteral("N"), QStringLiteral("How many of the latest changes (default 1)."));
    if (!parser.parse(QStringList{command.name} + arguments))
        return usageError(command, parser.errorText(), context.err);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return usageError(command, QStringLiteral("expected at most 1 argument, got %1").arg(positional.size()),
                          context.err);
    bool countOk = true;
    const int count = positional.isEmpty() ? 1 : positional.constFirst().toInt(&countOk);
    if (!countOk || count < 1)
        return usageError(command, QStringLiteral("N must be a whole number of at least 1"), context.err);
    if (!profileFound(context))
        return exitFailed;

    const UndoPlan plan = planUndo(context.changes->history(), context.profilePath, count);
    if (plan.records.isEmpty()) {
        context.err << plan.problem << Qt::endl;
        return exitFailed;
    }
    if (!plan.conflicts.isEmpty() && !parser.isSet(force)) {
        context.err << "These entries changed since: " << conflictList(plan.conflicts)
                    << ". Nothing was undone; give --force to undo all the same." << Qt::endl;
        return exitFailed;
    }
    context.changes->begin(context.profilePath);
    const ProfileFile profile(context.profilePath);
    const UndoDone done = applyUndo(profile, plan);
    const QString description = undoDescription(plan, done.undone);
    context.changes->record(profile, description, done.undone);
    if (!done.result.ok()) {
        context.err << "The change was not undone: " << done.result.error() << Qt::endl;
        return exitFailed;
    }
    context.out << description << Qt::endl;
    return exitOk;
}

} // namespace

CliCommand undoCommand() {
    return {QStringLiteral("undo"), QStringLiteral("undo [N] [--force]"),
            QStringLiteral("Takes back the latest change (or the latest N) that Parlomatic made to the profile; "
                           "entries changed since are refused without --force."),
            runUndo};
}

} // namespace parlomatic::cli
