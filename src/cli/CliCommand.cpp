#include "cli/CliCommand.h"

namespace parlomatic::cli {

int usageError(const CliCommand& command, const QString& reason, QTextStream& err) {
    err << command.name << ": " << reason << "\nusage: parlomatic-cli [--profile PATH] " << command.synopsis
        << Qt::endl;
    return exitUsage;
}

bool parseCommandArguments(QCommandLineParser& parser, const CliCommand& command, const QStringList& arguments,
                           QTextStream& err) {
    if (!parser.parse(QStringList{command.name} + arguments)) {
        usageError(command, parser.errorText(), err);
        return false;
    }
    return true;
}

bool expectPositionalCount(const QCommandLineParser& parser, const CliCommand& command, qsizetype count,
                           QTextStream& err) {
    const qsizetype given = parser.positionalArguments().size();
    if (given == count)
        return true;
    usageError(command, QStringLiteral("expected %1 arguments, got %2").arg(count).arg(given), err);
    return false;
}

} // namespace parlomatic::cli
