// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameSession.h"

#include "gamewatch/GameMessages.h"
#include "history/PendingChanges.h"

#include <utility>

namespace parlomatic {

GameSession::GameSession(QString profilePath, ChangeHistory history, GameMonitor& monitor, QObject* parent)
    : QObject(parent), m_profilePath(std::move(profilePath)), m_reapplies(std::move(history), ChangeSource::Reapply),
      m_monitor(monitor), m_watcher(m_profilePath) {
    connect(&m_monitor, &GameMonitor::runningChanged, this, &GameSession::gameRunningChanged);
    connect(&m_watcher, &ProfileWatcher::changed, this, &GameSession::profileChanged);
}

void GameSession::start() {
    m_monitor.start(); // a running game shows its warning through runningChanged
    if (!m_monitor.isRunning())
        reapply(true);
}

void GameSession::ownChangesDone() {
    m_watcher.acceptCurrent();
}

void GameSession::gameRunningChanged(bool running) {
    if (running) {
        setStatusLine(gameRunningWarning());
    } else {
        setStatusLine({});
        reapply(false);
    }
}

void GameSession::reapply(bool afterRestart) {
    const ReapplyOutcome outcome = reapplyPending(m_reapplies, m_profilePath);
    if (outcome.applied > 0) {
        m_watcher.acceptCurrent();
        emit profileChanged();
    }
    if (const QString line = reappliedLine(outcome, afterRestart); !line.isEmpty())
        setStatusLine(line);
}

void GameSession::setStatusLine(const QString& line) {
    if (line == m_statusLine)
        return;
    m_statusLine = line;
    emit statusLineChanged();
}

} // namespace parlomatic
