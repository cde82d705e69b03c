// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/Result.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

namespace parlomatic {
class KeyboardMap;
}

namespace parlomatic::cli {

// What the commands that draw need of Qt Gui. Loading Qt Gui and the
// libraries it pulls in takes a few milliseconds, more than most commands
// need for all their work; so where Qt is a set of shared libraries, drawing
// lives in a module of its own (parlomatic-cli-pictures) that only the
// commands that draw load. Where Qt is linked in, it is part of the program.
struct PictureDrawing {
    // The application object that drawing text needs: a GUI application that
    // does without a display where the platform allows.
    std::unique_ptr<QCoreApplication> (*makeApplication)(int& argc, char** argv);
    Result (*saveKeyboardMapPng)(const KeyboardMap& map, const QString& path);
};

// The drawing functions, or nullptr with the reason in error when the module
// cannot be loaded. Works before the application object exists.
const PictureDrawing* loadPictureDrawing(QString& error);

} // namespace parlomatic::cli

// The module's one entry point.
extern "C" Q_DECL_EXPORT const parlomatic::cli::PictureDrawing* parlomaticPictureDrawing();
