// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/GameProcess.h"
#include "history/ChangeRecorder.h"
#include "profile/ProfileFile.h"

#include <QList>
#include <QString>
#include <QTextStream>

#include <optional>

namespace parlomatic::cli {

// What a command that changes the profile goes through, and nothing else:
// commands that only read never touch it. Before the first change it looks
// for the game: while it runs it prints the warning on err (the changes then
// wait in the history for the game's exit); otherwise it first writes again
// what the game's exit undid of earlier changes and says so on err.
class ProfileChanges {
public:
    ProfileChanges(QTextStream& err, ProcessLister lister, ChangeHistory history);

    // Call before the command's first write of profilePath.
    void begin(const QString& profilePath);
    // Whether the command set out to change the profile.
    bool begun() const { return m_gameRunning.has_value(); }

    // Records what profile's writes committed under description; says on err
    // when the history could not be written.
    void record(const ProfileFile& profile, const QString& description, const QList<qint64>& undoes = {});

    // The recorder for code that records by itself (the main window's logic).
    ChangeRecorder& recorder() { return m_recorder; }
    const ChangeHistory& history() const { return m_recorder.history(); }

private:
    QTextStream& m_err;
    ProcessLister m_lister;
    ChangeRecorder m_recorder;
    std::optional<bool> m_gameRunning; // known once begun
};

} // namespace parlomatic::cli
