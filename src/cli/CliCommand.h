// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/VirtualStore.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace parlomatic::cli {

enum ExitCode { exitOk = 0, exitFailed = 1, exitUsage = 2 };

struct PictureDrawing;
class ProfileChanges;

// What every command gets: the profile to work on and the two output streams
// (UTF-8). Messages the window would show in a box go to out, errors to err.
// Commands that draw get the drawing functions, when they could be loaded.
// Commands that change the profile go through changes; the others never touch it.
struct CliContext {
    QString profilePath;
    QTextStream& out;
    QTextStream& err;
    const PictureDrawing* pictures = nullptr;
    ProfileChanges* changes = nullptr;
    // How profilePath relates to Windows' VirtualStore.
    ProfileInStore profilePlace = {};
};

// One sub-command of parlomatic-cli. run receives the command itself, the
// context and the command's own arguments (everything after its name) and
// returns an ExitCode. A command that works on no profile clears
// needsProfile, so that no profile is looked for before it runs.
struct CliCommand {
    QString name;
    QString synopsis;
    QString summary;
    std::function<int(const CliCommand& command, CliContext& context, const QStringList& arguments)> run;
    // Draws pictures, so main loads the drawing functions and runs it in a GUI
    // application (without a display).
    bool drawsPictures = false;
    bool needsProfile = true;
};

// Whether the command named on the command line argv draws pictures. Looks
// at the first argument that is neither an option nor the value of --profile.
bool commandDrawsPictures(int argc, char* argv[]);

// Every command, in the order --help lists them.
const std::vector<CliCommand>& cliCommands();

// Writes "<command>: <reason>" and the command's usage line to err and
// returns exitUsage.
int usageError(const CliCommand& command, const QString& reason, QTextStream& err);

// True when the profile of context is a file. Otherwise writes "no such
// profile: <path>" to err and returns false. Every command that needs the
// profile checks this after its usage checks and then fails with
// exitFailed, so that a mistyped path creates nothing.
bool profileFound(const CliContext& context);

// Parses a command's own arguments (the command name is put in front for the
// parser) and checks that exactly positionalCount positional arguments
// remain. On a usage error writes the reason and the synopsis to err and
// returns false.
bool parseCommandArguments(QCommandLineParser& parser, const CliCommand& command, const QStringList& arguments,
                           qsizetype positionalCount, QTextStream& err);

} // namespace parlomatic::cli
