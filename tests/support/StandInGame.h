// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace parlomatic::test {

// The test suite's stand-in game, copied under the game's executable name and
// running as a child: it holds the profile as it was at its start and writes
// that copy back when it quits.
class StandInGame {
public:
    explicit StandInGame(const QString& profilePath) {
        const QString executable = m_dir.filePath(QStringLiteral("UnrealTournament.exe"));
        QFile::copy(QStringLiteral(PARLOMATIC_STANDIN_GAME), executable);
        m_process.start(executable, {profilePath});
        m_process.waitForReadyRead(30000);
    }
    ~StandInGame() { quit(); }

    bool ready() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }

    // Quits the game, which writes its copy of the profile first.
    void quit() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        m_process.waitForFinished(30000);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace parlomatic::test
