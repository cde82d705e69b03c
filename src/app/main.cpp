// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramStart.h"
#include "catalogue/ProductInfo.h"
#include "i18n/LanguageSetting.h"
#include "i18n/Languages.h"
#include "i18n/Translations.h"
#include "locate/RememberedProfile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QSettings>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace parlomatic;

namespace {

QStringList languageCodes() {
    QStringList codes;
    for (const Language& each : windowLanguages())
        codes.append(each.code);
    return codes;
}

struct ProgramOptions {
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays this help.")};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays version information.")};
    QCommandLineOption language{QStringLiteral("lang"),
                                QStringLiteral("The language of the windows: %1. Without it the language chosen in "
                                               "the information window, else the system's.")
                                    .arg(languageCodes().join(QStringLiteral(", "))),
                                QStringLiteral("CODE")};

    explicit ProgramOptions(QCommandLineParser& parser) {
        parser.setApplicationDescription(
            QStringLiteral("Binds voicepack taunts to keys in the game profile kvuser.ini."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(language);
        parser.addPositionalArgument(QStringLiteral("profile"), QStringLiteral("The kvuser.ini to open."),
                                     QStringLiteral("[PROFILE]"));
    }
};

bool isOneOf(const char* argument, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* name) { return std::strcmp(argument, name) == 0; });
}

} // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    const ProgramOptions options(parser);
    // --help and --version answer before the application exists, which needs a
    // display. Their names are ASCII, the same in every encoding; everything
    // else is read from the application, which has the arguments as the system
    // gave them (wide on Windows) and has taken its own options (-platform, -style) out.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (isOneOf(argv[i], {"-h", "--help"})) {
            // Without an application object the parser cannot know the program's name.
            std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                            QStringLiteral("parlomatic"))),
                       stdout);
            return EXIT_SUCCESS;
        }
        if (isOneOf(argv[i], {"-v", "--version"})) {
            std::printf("parlomatic %s\n%s", PARLOMATIC_VERSION, qPrintable(product::licenceNotice()));
            return EXIT_SUCCESS;
        }
    }

    QApplication app(argc, argv);
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(parser.errorText().isEmpty() ? QStringLiteral("Give at most one profile.")
                                                             : parser.errorText()));
        return 2;
    }
    const QString requested = parser.value(options.language);
    if (!requested.isEmpty() && !isWindowLanguage(requested)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("Unknown language %1: give one of %2.")
                                    .arg(requested, languageCodes().join(QStringLiteral(", ")))));
        return 2;
    }
    const Translations translations(chosenLanguage(
        requested.isEmpty() ? rememberedLanguage(*programSettings()) : requested, QLocale::system().uiLanguages()));
    const std::unique_ptr<StartedProgram> program = startProgram(parser.positionalArguments().value(0));
    if (!program)
        return EXIT_FAILURE;
    program->window->show();
    // The program ends when no window that counts is visible any more: an open
    // name changer keeps it going, the hidden and the information window do not.
    return QApplication::exec();
}
