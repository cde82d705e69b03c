#include "cli/CliCommand.h"

namespace parlomatic::cli {

bool parseCommandArguments(QCommandLineParser& parser, const CliCommand& command, const QStringList& arguments,
                           QTextStream& err) {
    if (!parser.parse(QStringList{command.name} + arguments)) {
        err << command.name << ": " << parser.errorText() << "\nusage: parlomatic-cli [--profile PATH] "
            << command.synopsis << Qt::endl;
        return false;
    }
    return true;
}

bool expectPositionalCount(const QCommandLineParser& parser, const CliCommand& command, qsizetype count,
                           QTextStream& err) {
    const qsizetype given = parser.positionalArguments().size();
    if (given == count)
        return true;
    err << command.name << ": expected " << count << " arguments, got " << given
        << "\nusage: parlomatic-cli [--profile PATH] " << command.synopsis << Qt::endl;
    return false;
}

} // namespace parlomatic::cli
