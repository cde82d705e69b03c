// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameProcess.h"

#include <algorithm>
#include <array>

namespace parlomatic {

namespace {

// The Windows build, the Loki-era and later native Linux builds, and the
// community patch's builds in System (x86), System64 (amd64) and SystemARM64.
const std::array gameExecutables{
    QStringLiteral("unrealtournament.exe"), QStringLiteral("ut-bin"),       QStringLiteral("ut-bin-x86"),
    QStringLiteral("ut-bin-amd64"),         QStringLiteral("ut-bin-arm64"), QStringLiteral("unrealtournament-bin"),
    QStringLiteral("unreallinux.bin"),
};

// Linux keeps the first 15 bytes of an executable's name as the process name.
constexpr qsizetype shortNameLimit = 15;

QString fileNameOf(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

bool isCutGameName(const QString& shortName) {
    if (shortName.size() != shortNameLimit)
        return isGameExecutableName(shortName);
    return std::ranges::any_of(gameExecutables,
                               [&](const QString& name) { return name.startsWith(shortName, Qt::CaseInsensitive); });
}

} // namespace

bool isGameExecutableName(const QString& fileName) {
    return std::ranges::any_of(gameExecutables,
                               [&](const QString& name) { return name.compare(fileName, Qt::CaseInsensitive) == 0; });
}

bool isGameProcess(const ProcessInfo& process) {
    if (!process.executable.isEmpty() && isGameExecutableName(fileNameOf(process.executable)))
        return true;
    if (!process.shortName.isEmpty() && isCutGameName(process.shortName))
        return true;
    if (!process.arguments.isEmpty() && isGameExecutableName(fileNameOf(process.arguments.first())))
        return true;
    // A loader (wine, Proton's scripts) names the Windows executable in a later argument.
    return std::ranges::any_of(process.arguments, [](const QString& argument) {
        return argument.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) &&
               isGameExecutableName(fileNameOf(argument));
    });
}

std::optional<ProcessInfo> findGame(const QList<ProcessInfo>& processes) {
    const auto found = std::ranges::find_if(processes, isGameProcess);
    if (found == processes.end())
        return std::nullopt;
    return *found;
}

} // namespace parlomatic
