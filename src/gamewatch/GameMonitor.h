// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/GameProcess.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace parlomatic {

// Watches whether the game runs by listing the processes every interval.
// Listing costs a read of a few small files per process, cheap enough for
// every second or two.
class GameMonitor : public QObject {
    Q_OBJECT

public:
    static constexpr int defaultIntervalMs = 1500;

    // lister is called on every poll; tests hand in a scripted list.
    explicit GameMonitor(ProcessLister lister, int intervalMs = defaultIntervalMs, QObject* parent = nullptr);

    // Polls once at once, then every interval.
    void start();
    // Lists the processes now; emits runningChanged when the answer changed.
    void poll();

    bool isRunning() const { return m_game.has_value(); }
    // The game's process, while it runs.
    const std::optional<ProcessInfo>& game() const { return m_game; }

signals:
    void runningChanged(bool running);

private:
    ProcessLister m_lister;
    QTimer m_timer;
    std::optional<ProcessInfo> m_game;
};

} // namespace parlomatic
