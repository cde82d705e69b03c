// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace parlomatic {

// What the program knows of one running process. Any field may be empty when
// the system does not tell (another user's process, a process that just ended).
struct ProcessInfo {
    qint64 pid = 0;
    // Full path of the executable file.
    QString executable;
    // The short name the system keeps for the process (on Linux at most 15 characters).
    QString shortName;
    // The command line; under Wine and Proton it names the Windows executable.
    QStringList arguments;
};

// Lists the running processes; the real one is listProcesses() (ProcessList.h).
using ProcessLister = std::function<QList<ProcessInfo>()>;

// True when fileName (a bare file name, no folder) is one of the game's
// executables: UnrealTournament.exe, or a native Linux build (ut-bin and its
// per-architecture forms, UnrealTournament-bin, UnrealLinux.bin), without
// regard to case.
bool isGameExecutableName(const QString& fileName);

// True when the process runs the game: its executable or its first argument
// names a game executable (folders split at '/' or '\'), or, for Wine and
// Proton loaders, a later argument names UnrealTournament.exe, or its short
// name is one (or the system's 15-character cut of one).
bool isGameProcess(const ProcessInfo& process);

// The first process of the list that runs the game.
std::optional<ProcessInfo> findGame(const QList<ProcessInfo>& processes);

} // namespace parlomatic
