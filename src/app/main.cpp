// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramStart.h"
#include "catalogue/ProductInfo.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

using namespace parlomatic;

int main(int argc, char* argv[]) {
    // The command line is read before the application exists: --help and
    // --version must answer without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Binds voicepack taunts to keys in the game profile kvuser.ini."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays this help."));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Displays version information."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("profile"), QStringLiteral("The kvuser.ini to open."),
                                 QStringLiteral("[PROFILE]"));
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(parser.errorText().isEmpty() ? QStringLiteral("Give at most one profile.")
                                                             : parser.errorText()));
        return 2;
    }
    if (parser.isSet(helpOption)) {
        // Without an application object the parser cannot know the program's name.
        std::fputs(
            qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("parlomatic"))),
            stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(versionOption)) {
        std::printf("parlomatic %s\n%s", PARLOMATIC_VERSION, qPrintable(product::licenceNotice()));
        return EXIT_SUCCESS;
    }

    QApplication app(argc, argv);
    const std::unique_ptr<StartedProgram> program = startProgram(parser.positionalArguments().value(0));
    if (!program)
        return EXIT_FAILURE;
    program->window->show();
    // The program ends when no window that counts is visible any more: an open
    // name changer keeps it going, the hidden and the information window do not.
    return QApplication::exec();
}
