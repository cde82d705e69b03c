// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameSession.h"

#include "gamewatch/GameMessages.h"

#include <utility>

namespace parlomatic {

GameSession::GameSession(QString profilePath, ReapplyJournal journal, GameMonitor& monitor, QObject* parent)
    : QObject(parent), m_profilePath(std::move(profilePath)), m_journal(std::move(journal)), m_monitor(monitor),
      m_watcher(m_profilePath) {
    connect(&m_monitor, &GameMonitor::runningChanged, this, &GameSession::gameRunningChanged);
    connect(&m_watcher, &ProfileWatcher::changed, this, [this] {
        // What changed came from outside: it is not the player's to remember.
        m_known = ProfileEntries::ofFile(m_profilePath);
        emit profileChanged();
    });
}

void GameSession::start() {
    // The known entries are only compared while the game runs, and the game
    // seen starting reads them (gameRunningChanged): reading them here as
    // well would only slow the start.
    const bool seenBefore = m_monitor.isRunning();
    m_monitor.start(); // a running game shows its warning through runningChanged
    if (!m_monitor.isRunning())
        reapply(true);
    else if (seenBefore)
        m_known = ProfileEntries::ofFile(m_profilePath);
}

void GameSession::ownChangesDone() {
    // The known entries only count while the game runs, and its start reads them afresh.
    if (m_monitor.isRunning()) {
        const ProfileEntries now = ProfileEntries::ofFile(m_profilePath);
        if (const Result recorded = m_journal.record(m_profilePath, m_known.changesTo(now)); !recorded.ok())
            setStatusLine(journalFailedWarning(recorded.error()));
        m_known = now;
    }
    m_watcher.acceptCurrent();
}

void GameSession::gameRunningChanged(bool running) {
    if (running) {
        m_known = ProfileEntries::ofFile(m_profilePath);
        setStatusLine(gameRunningWarning());
    } else {
        setStatusLine({});
        reapply(false);
    }
}

void GameSession::reapply(bool afterRestart) {
    const ReapplyOutcome outcome = m_journal.reapply(m_profilePath);
    if (outcome.applied > 0) {
        m_known = ProfileEntries::ofFile(m_profilePath);
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
