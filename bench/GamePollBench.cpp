// SPDX-License-Identifier: GPL-3.0-or-later
// Times one poll for the game (listing every process) next to reading one
// small file from /proc with Qt's QFile as often as there are processes, and
// tells what share of one core polling every GameMonitor interval costs.

#include "gamewatch/GameMonitor.h"
#include "gamewatch/ProcessList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <functional>

using namespace parlomatic;

namespace {

// Microseconds per call over calls calls of work.
double microsecondsPer(int calls, const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        work();
    return double(timer.nsecsElapsed()) / 1000.0 / calls;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const qsizetype processes = listProcesses().size();
    const double poll = microsecondsPer(50, [] { (void)findGame(listProcesses()); });
    const double anchor = microsecondsPer(50, [&] {
        for (qsizetype i = 0; i < processes; ++i) {
            QFile file(QStringLiteral("/proc/self/comm"));
            if (file.open(QIODevice::ReadOnly))
                (void)file.readAll();
        }
    });
    out << "processes: " << processes << "\n"
        << "one poll: " << poll << " us\n"
        << "anchor (one small /proc read per process): " << anchor << " us\n"
        << "ratio poll/anchor: " << poll / anchor << "\n"
        << "share of one core at one poll per " << GameMonitor::defaultIntervalMs
        << " ms: " << 100.0 * poll / (GameMonitor::defaultIntervalMs * 1000.0) << " %\n";
    return 0;
}
