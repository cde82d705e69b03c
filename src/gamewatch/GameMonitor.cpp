// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameMonitor.h"

#include <utility>

namespace parlomatic {

GameMonitor::GameMonitor(ProcessLister lister, int intervalMs, QObject* parent)
    : QObject(parent), m_lister(std::move(lister)) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &GameMonitor::poll);
}

void GameMonitor::start() {
    poll();
    m_timer.start();
}

void GameMonitor::poll() {
    const bool wasRunning = isRunning();
    m_game = findGame(m_lister());
    if (isRunning() != wasRunning)
        emit runningChanged(isRunning());
}

} // namespace parlomatic
