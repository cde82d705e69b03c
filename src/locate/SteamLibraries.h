// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parlomatic {

class ProfileSearch;

// The library folders named by Steam's libraryfolders.vdf text: the value of
// every "path" key (or, in the older form of the file, of every numbered key),
// unescaped, in the order of the file; values that are no absolute path are
// left out. Anything else in the
// text is ignored; a broken text gives what could be read.
QStringList steamLibraryPaths(const QByteArray& vdfText);

// Searches a Steam installation at steamRoot and every library that its
// steamapps/libraryfolders.vdf lists: each game's System folder under
// steamapps/common, and the Windows drive of each Proton prefix under
// steamapps/compatdata. place names the installation in the results.
void searchSteam(ProfileSearch& search, const QString& steamRoot, const QString& place);

// Searches the Windows drive (drive_c) of a Wine prefix.
void searchWineDrive(ProfileSearch& search, const QString& driveC, const QString& place);

} // namespace parlomatic
