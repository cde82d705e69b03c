// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/GameMonitor.h"
#include "gamewatch/ProfileWatcher.h"
#include "history/ChangeRecorder.h"

#include <QObject>
#include <QString>

namespace parlomatic {

// Keeps the player's changes safe from the game. While the game runs it
// warns; the changes made meanwhile wait in the history (see ChangeRecorder),
// and when the game quits (and its exit has written its old copy of the
// profile) it checks them once and writes again what the exit undid. It also
// reports changes other programs make to the profile, so that the window can
// show them.
class GameSession : public QObject {
    Q_OBJECT

public:
    GameSession(QString profilePath, ChangeHistory history, GameMonitor& monitor, QObject* parent = nullptr);

    // Starts watching the game and the profile. With the game not running,
    // first checks what changes made while it last ran still wait for.
    void start();

    // Call after each action of the program that changed the profile: the
    // file as it is now is the program's own, not another program's change.
    void ownChangesDone();

    // The warning while the game runs; after the check at its exit, the line
    // telling what it did; otherwise empty.
    const QString& statusLine() const { return m_statusLine; }
    // True while the game runs (the status line is then its warning).
    bool gameRunning() const { return m_monitor.isRunning(); }

signals:
    void statusLineChanged();
    // The profile changed under the program (another program, the game, a
    // re-apply): the window should read it again.
    void profileChanged();

private:
    void gameRunningChanged(bool running);
    void reapply(bool afterRestart);
    void setStatusLine(const QString& line);

    QString m_profilePath;
    ChangeRecorder m_reapplies;
    GameMonitor& m_monitor;
    ProfileWatcher m_watcher;
    QString m_statusLine;
};

} // namespace parlomatic
