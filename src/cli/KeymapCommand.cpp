// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/PictureDrawing.h"
#include "cli/TerminalInteraction.h"
#include "cli/WindowLogic.h"
#include "keymap/KeyboardMap.h"
#include "profile/ProfileLocation.h"

#include <QDir>

namespace parlomatic::cli {

namespace {

int runKeymap(const CliCommand& command, CliContext& context, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption png(QStringLiteral("png"), QStringLiteral("The PNG file to write."),
                                 QStringLiteral("FILE"));
    parser.addOption(png);
    if (!parseCommandArguments(parser, command, arguments, 0, context.err))
        return exitUsage;
    if (!parser.isSet(png))
        return usageError(command, QStringLiteral("--png FILE is required"), context.err);
    // main loads the drawing functions and makes a GUI application for the commands that draw.
    if (context.pictures == nullptr) {
        context.err << "keymap: pictures cannot be drawn here" << Qt::endl;
        return exitFailed;
    }
    if (!isOrdinaryFile(context.profilePath)) {
        context.err << "keymap: no profile at " << QDir::toNativeSeparators(context.profilePath) << Qt::endl;
        return exitFailed;
    }

    TerminalInteraction interaction(context.out, context.err);
    SpeechTool tool(interaction);
    startTool(tool, context, true);
    const QString path = parser.value(png);
    const Result saved = context.pictures->saveKeyboardMapPng(keyboardMapOf(tool), path);
    if (!saved.ok()) {
        context.err << "keymap: " << QDir::toNativeSeparators(path) << ": " << saved.error() << Qt::endl;
        return exitFailed;
    }
    context.out << "Wrote the keyboard map to " << QDir::toNativeSeparators(path) << Qt::endl;
    return exitOk;
}

} // namespace

CliCommand keymapCommand() {
    return {QStringLiteral("keymap"), QStringLiteral("keymap --png FILE"),
            QStringLiteral("Draws the keyboard map (what each key holds) into a PNG file."), runKeymap, true};
}

} // namespace parlomatic::cli
