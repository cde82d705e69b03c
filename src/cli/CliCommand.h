#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace parlomatic::cli {

enum ExitCode { exitOk = 0, exitFailed = 1, exitUsage = 2 };

// What every command gets: the profile to work on and the two output streams
// (UTF-8). Messages the window would show in a box go to out, errors to err.
struct CliContext {
    QString profilePath;
    QTextStream& out;
    QTextStream& err;
};

// One sub-command of parlomatic-cli. run receives the command's own arguments
// (everything after its name) and returns an ExitCode.
struct CliCommand {
    QString name;
    QString synopsis;
    QString summary;
    std::function<int(CliContext&, const QStringList& arguments)> run;
};

// Every command, in the order --help lists them.
const std::vector<CliCommand>& cliCommands();

// Writes "<command>: <reason>" and the command's usage line to err and
// returns exitUsage.
int usageError(const CliCommand& command, const QString& reason, QTextStream& err);

// Parses a command's own arguments (the command name is put in front for the
// parser). On a usage error writes the reason to err and returns false.
bool parseCommandArguments(QCommandLineParser& parser, const CliCommand& command, const QStringList& arguments,
                           QTextStream& err);

// True when the parser holds exactly count positional arguments; otherwise
// writes what is wrong and the command's usage to err and returns false.
bool expectPositionalCount(const QCommandLineParser& parser, const CliCommand& command, qsizetype count,
                           QTextStream& err);

} // namespace parlomatic::cli
