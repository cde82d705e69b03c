// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"

#include <QList>
#include <QString>

namespace parlomatic {

// What the search needs to know of the system; tests make one up.
struct SearchEnvironment {
    QString home;         // the player's home folder
    QString winePrefix;   // $WINEPREFIX, empty when unset (Linux)
    QString localAppData; // %LOCALAPPDATA%, empty when unset (Windows)

    // The running system's values.
    static SearchEnvironment fromSystem();
};

// Searches the places where the game keeps its System folder and returns the
// profiles found there, newest first. On Linux: ~/.utpg/System,
// ~/.loki/ut/System, the Wine prefix (WINEPREFIX or ~/.wine), the Steam
// installations (native and Flatpak) and their libraries, Lutris, Heroic and
// Bottles prefixes. On Windows: the game's registry key, Steam and GOG, each
// replaced by its VirtualStore copy when there is one.
QList<FoundProfile> findProfiles(const SearchEnvironment& environment);

} // namespace parlomatic
