// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureDrawing.h"
#include "keymap/KeyboardMapPicture.h"

#include <QGuiApplication>

namespace {

std::unique_ptr<QCoreApplication> makeGuiApplication(int& argc, char** argv) {
#ifndef Q_OS_WIN
    // No display is needed to draw into a file.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

const parlomatic::cli::PictureDrawing* parlomaticPictureDrawing() {
    static const parlomatic::cli::PictureDrawing drawing{makeGuiApplication, parlomatic::saveKeyboardMapPng};
    return &drawing;
}
