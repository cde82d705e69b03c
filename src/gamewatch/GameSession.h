// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/GameMonitor.h"
#include "gamewatch/ProfileEntries.h"
#include "gamewatch/ProfileWatcher.h"
#include "gamewatch/ReapplyJournal.h"

#include <QObject>
#include <QString>

namespace parlomatic {

// Keeps the player's changes safe from the game. While the game runs it warns
// and remembers every entry the program's own actions change; when the game
// quits (and its exit has written its old copy of the profile) it writes
// those entries again. It also reports changes other programs make to the
// profile, so that the window can show them.
class GameSession : public QObject {
    Q_OBJECT

public:
    GameSession(QString profilePath, ReapplyJournal journal, GameMonitor& monitor, QObject* parent = nullptr);

    // Starts watching the game and the profile. With the game not running,
    // first re-applies what a program closed before the game's exit remembered.
    void start();

    // Call after each of the program's own actions on the profile: while the
    // game runs, the entries they changed are remembered, in order.
    void ownChangesDone();

    // The warning while the game runs; after a re-apply, the line telling what
    // it did; otherwise empty.
    const QString& statusLine() const { return m_statusLine; }

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
    ReapplyJournal m_journal;
    GameMonitor& m_monitor;
    ProfileWatcher m_watcher;
    ProfileEntries m_known;
    QString m_statusLine;
};

} // namespace parlomatic
