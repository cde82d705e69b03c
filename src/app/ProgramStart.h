// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/SpeechTool.h"
#include "gamewatch/GameMonitor.h"
#include "gamewatch/GameSession.h"
#include "history/ChangeRecorder.h"
#include "ui/QtUserInteraction.h"
#include "ui/SpeechToolWindow.h"

#include <QString>

#include <memory>

namespace parlomatic {

// What runs while the program runs. Members are built in this order and end in
// the reverse one: the game's watch outlives the window that shows it. Building
// it begins the first listing of the processes, on a thread of its own.
struct StartedProgram {
    QtUserInteraction interaction;
    SpeechTool tool{interaction};
    GameMonitor monitor;
    // The window's and the name changer's changes, marked while the game runs.
    ChangeRecorder windowChanges;
    ChangeRecorder nameChanges;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<SpeechToolWindow> window;

    explicit StartedProgram(const QString& historyFolder);
};

// The program's start-up once its command line is read; a QApplication must
// exist. Sets the application's version, desktop file name and icon; finds
// the profile (beside the program, commandLineProfile when not empty, the one
// remembered from last time, the search of the game's places, the open-file
// dialog), remembers it, backs it up and fills the lists; then builds the
// main window, still hidden, and starts watching the game. The history is
// kept in historyFolder. Null when no
// profile was settled: the player has been told and the program must end.
std::unique_ptr<StartedProgram> startProgram(const QString& commandLineProfile,
                                             const QString& historyFolder = ChangeHistory::defaultFolder());

} // namespace parlomatic
