// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace parlomatic {

// Where Windows keeps its per-user copy of a file that a program without
// administrator rights writes under a protected folder: path with its drive
// taken off, under localAppData/VirtualStore. For "C:/Program Files/UT/System/kvuser.ini"
// that is "<localAppData>/VirtualStore/Program Files/UT/System/kvuser.ini".
// Returns the empty text when path is not absolute or localAppData is empty.
QString virtualStoreCopy(const QString& localAppData, const QString& path);

// The folders Windows virtualises for a program without a manifest, such as
// the game, and where it keeps the copies; tests make them up.
struct VirtualStorePlaces {
    QString localAppData;              // %LOCALAPPDATA%; empty outside Windows
    QStringList protectedFolders = {}; // Program Files, Program Files (x86), Windows
    // Whether this account may make files in a folder.
    std::function<bool(const QString& folder)> canWrite = {};

    // The running system's places: empty ones outside Windows, where nothing is virtualised.
    static VirtualStorePlaces fromSystem();
};

// The file the game reads for a profile, and what the player must know of it.
struct ProfileInStore {
    // The file to edit: the VirtualStore copy when there is one, else the profile itself.
    QString path;
    // The profile under the protected folder when path is its copy; empty otherwise.
    QString copyOf;
    // True when the profile lies in a protected folder, has no copy, and
    // this account cannot write its folder: every write would fail.
    bool unwritable = false;
};

// Settles which file the game reads for profile: its VirtualStore copy when
// profile lies under one of places' protected folders and the copy exists
// (Parlomatic itself runs unvirtualised and would otherwise edit a file the
// game does not read). A profile that is such a copy (the search prefers
// them) is taken as it is, with copyOf set. Elsewhere, profile itself.
ProfileInStore profileInStore(const VirtualStorePlaces& places, const QString& profile);

// What to say of profile after its path, in whole sentences: "" for an
// ordinary profile, else why this file is edited, or why it cannot be and
// what to do.
QString profileInStoreNote(const ProfileInStore& profile);

} // namespace parlomatic
