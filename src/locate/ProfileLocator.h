// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"
#include "profile/UserInteraction.h"

#include <QList>
#include <QString>

#include <functional>

class QSettings;

namespace parlomatic {

// What start-up knows before it looks for the profile.
struct LocateSteps {
    // The folders beside which kvuser.ini is looked for first, in order.
    QStringList programDirs;
    // The profile named on the command line; empty when none was named.
    QString commandLineProfile;
    // Where the profile used last time is remembered; null for none.
    QSettings* memory = nullptr;
    // The search of the game's places; unset for none.
    std::function<QList<FoundProfile>()> search;
};

// How the profile was settled.
enum class LocatedBy {
    BesideProgram,
    CommandLine,
    Remembered,
    OnlyOneFound,
    Chooser,
    NotSettled,        // nothing found, or the player asked to browse: the open-file dialog is next
    CommandLineMissing // the named profile is no ordinary file
};

struct Located {
    LocatedBy by = LocatedBy::NotSettled;
    // The profile, or for CommandLineMissing the name given.
    QString path;
    // What the search found (empty when it did not run).
    QList<FoundProfile> found;
};

// Runs the start-up steps before the open-file dialog, in order: kvuser.ini
// beside the program; the profile named on the command line; the remembered
// profile if it is still an ordinary file; the search, whose one result is
// taken and whose several results are offered in interaction's chooser
// (never one picked silently). A step that settles the profile ends the run.
Located locateProfile(const LocateSteps& steps, UserInteraction& interaction);

} // namespace parlomatic
