// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/PlatformPlaces.h"
#include "locate/ProfileSearch.h"
#include "locate/SearchPlaces.h"
#include "locate/SteamLibraries.h"

#include <QCoreApplication>
#include <QDir>

namespace parlomatic {

namespace {

// Searches the drive of every Wine prefix directly inside container.
void searchPrefixes(ProfileSearch& search, const QString& container, const QString& place) {
    for (const QString& prefix : search.subfolders(container))
        searchWineDrive(search, QDir(prefix).filePath(QStringLiteral("drive_c")), place);
}

} // namespace

void searchPlatformPlaces(ProfileSearch& search, const SearchEnvironment& environment) {
    const QDir home(environment.home);
    auto at = [&](const char* relative) { return home.filePath(QString::fromUtf8(relative)); };

    search.checkSystemFolder(at(".utpg/System"), QCoreApplication::translate("SearchPlaces", "Community patch"));
    search.checkSystemFolder(at(".loki/ut/System"), QCoreApplication::translate("SearchPlaces", "Loki install"));

    const QString prefix = environment.winePrefix.isEmpty() ? at(".wine") : environment.winePrefix;
    searchWineDrive(search, QDir(prefix).filePath(QStringLiteral("drive_c")),
                    QCoreApplication::translate("SearchPlaces", "Wine prefix"));

    searchSteam(search, at(".local/share/Steam"), QStringLiteral("Steam"));
    searchSteam(search, at(".steam/steam"), QStringLiteral("Steam"));
    searchSteam(search, at(".var/app/com.valvesoftware.Steam/.local/share/Steam"), QStringLiteral("Flatpak Steam"));
    searchSteam(search, at(".var/app/com.valvesoftware.Steam/data/Steam"), QStringLiteral("Flatpak Steam"));

    // Lutris keeps one prefix per game in ~/Games/<game>; Heroic in
    // ~/Games/Heroic/Prefixes[/default]/<game>; Bottles in .../bottles/<bottle>.
    searchPrefixes(search, at("Games"), QStringLiteral("Lutris"));
    searchPrefixes(search, at("Games/Heroic/Prefixes"), QStringLiteral("Heroic"));
    searchPrefixes(search, at("Games/Heroic/Prefixes/default"), QStringLiteral("Heroic"));
    searchPrefixes(search, at(".var/app/com.heroicgameslauncher.hgl/config/heroic/Prefixes/default"),
                   QStringLiteral("Heroic"));
    searchPrefixes(search, at(".local/share/bottles/bottles"), QStringLiteral("Bottles"));
    searchPrefixes(search, at(".var/app/com.usebottles.bottles/data/bottles/bottles"), QStringLiteral("Bottles"));
}

} // namespace parlomatic
