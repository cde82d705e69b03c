// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "gamewatch/GameProcess.h"
#include "gamewatch/ProfileEntries.h"
#include "gamewatch/ReapplyJournal.h"

namespace parlomatic::cli {

// True for the commands that change the profile.
bool writesProfile(const QString& commandName);

// Keeps a write command's changes safe from the game. Made before the command
// runs: while the game runs it prints the warning on err; otherwise it first
// writes again what the game's exit undid of earlier changes and says so on
// err. finish(), after the command, remembers what the command changed while
// the game runs.
class GameGuard {
public:
    GameGuard(const CliContext& context, const ProcessLister& lister, ReapplyJournal journal);

    void finish();

private:
    const CliContext& m_context;
    ReapplyJournal m_journal;
    bool m_gameRunning = false;
    ProfileEntries m_before;
};

} // namespace parlomatic::cli
