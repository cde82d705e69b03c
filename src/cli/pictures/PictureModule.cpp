// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureDrawing.h"
#include "keymappicture/KeyboardMapPicture.h"

#include <QGuiApplication>

namespace {

std::unique_ptr<QCoreApplication> makeGuiApplication(int& argc, char** argv) {
    // No display is needed to draw into a file.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // Offscreen, Qt looks for fonts in a folder of its own; Windows keeps them in one place.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", (qEnvironmentVariable("SystemRoot") + QStringLiteral("\\Fonts")).toUtf8());
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

const parlomatic::cli::PictureDrawing* parlomaticPictureDrawing() {
    static const parlomatic::cli::PictureDrawing drawing{makeGuiApplication, parlomatic::saveKeyboardMapPng};
    return &drawing;
}
