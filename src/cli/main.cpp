// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ProductInfo.h"
#include "cli/CliCommand.h"
#include "cli/DefaultProfile.h"
#include "cli/PictureDrawing.h"
#include "cli/ProfileChanges.h"
#include "cli/RawArguments.h"
#include "cli/StandardStream.h"
#include "gamewatch/ProcessList.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>

using namespace parlomatic;
using namespace parlomatic::cli;

namespace {

QString helpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    text += QStringLiteral("\nCommands:\n");
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1\n      %2\n").arg(command.synopsis, command.summary);
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing text needs a GUI application; the other commands stay without one.
    std::unique_ptr<QCoreApplication> app;
    const PictureDrawing* pictures = nullptr;
    if (commandDrawsPictures(argc, argv)) {
        QString error;
        pictures = loadPictureDrawing(error);
        if (pictures == nullptr)
            std::fprintf(stderr, "The drawing module cannot be loaded: %s\n", qPrintable(error));
    }
    if (pictures != nullptr)
        app = pictures->makeApplication(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("parlomatic-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PARLOMATIC_VERSION));

    const std::unique_ptr<QIODevice> standardOutput = standardStream(stdout);
    const std::unique_ptr<QIODevice> standardError = standardStream(stderr);
    QTextStream out(standardOutput.get());
    QTextStream err(standardError.get());

    if (const int inexact = firstInexactArgument(argc, argv); inexact > 0) {
        err << "Argument " << inexact << " is not valid text in the system's encoding; a path given so would name "
            << "another file." << Qt::endl;
        return exitUsage;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Binds voicepack taunts to keys in the game profile kvuser.ini, from the command line. It "
                       "speaks English in every language, so that scripts can read it."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    // Not addHelpOption(): it would also add --help-all, which parse() leaves unhandled.
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays this help."));
    parser.addOption(helpOption);
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption profileOption(
        QStringLiteral("profile"),
        QStringLiteral("The profile to work on (default: kvuser.ini beside this program, the profile used last, or the "
                       "only one found)."),
        QStringLiteral("PATH"));
    parser.addOption(profileOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run (see below)."));

    if (!parser.parse(QCoreApplication::arguments())) {
        err << parser.errorText() << Qt::endl;
        return exitUsage;
    }
    if (parser.isSet(helpOption)) {
        out << helpText(parser);
        return exitOk;
    }
    if (parser.isSet(versionOption)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n'
            << parlomatic::product::licenceNotice() << Qt::flush;
        return exitOk;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        err << "No command given.\n\n" << helpText(parser);
        return exitUsage;
    }
    const QString name = positional.takeFirst();
    for (const CliCommand& command : cliCommands()) {
        if (command.name != name)
            continue;
        QString profile = parser.value(profileOption);
        if (command.needsProfile && !parser.isSet(profileOption)) {
            TerminalInteraction interaction(out, err);
            const std::optional<QString> found = defaultProfile(QCoreApplication::applicationDirPath(), interaction);
            if (!found)
                return exitUsage;
            profile = *found;
        }
        // Whichever way it was named, the profile the game reads under a protected folder is its VirtualStore copy.
        const ProfileInStore place =
            profile.isEmpty() ? ProfileInStore{} : profileInStore(VirtualStorePlaces::fromSystem(), profile);
        ProfileChanges changes(err, parlomatic::listProcesses,
                               parlomatic::ChangeHistory(parlomatic::ChangeHistory::defaultFolder()));
        CliContext context{profile.isEmpty() ? profile : place.path, out, err, pictures, &changes, place};
        const int status = command.run(command, context, positional);
        if (status == exitFailed && place.unwritable && changes.begun())
            err << profileInStoreNote(place) << Qt::endl;
        out.flush();
        err.flush();
        return status;
    }
    err << "Unknown command \"" << name << "\". Run parlomatic-cli --help for the list." << Qt::endl;
    return exitUsage;
}
