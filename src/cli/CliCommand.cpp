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

} // namespace parlomatic::cli
