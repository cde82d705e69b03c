// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"
#include "locate/ProfileLocator.h"
#include "locate/VirtualStore.h"
#include "profile/UserInteraction.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class QSettings;

namespace parlomatic {

// Settles the profile the program edits, at start-up and when the player
// switches to another: finds it, takes the file the game really reads (see
// profileInStore), remembers it and backs it up. Asks and tells the player
// through interaction.
class ProfileStartup {
    Q_DECLARE_TR_FUNCTIONS(ProfileStartup)

public:
    // virtualStore: where the game's profile under a protected folder really
    // is; the default virtualises nothing.
    explicit ProfileStartup(UserInteraction& interaction, VirtualStorePlaces virtualStore = {});

    // Start-up: the steps of locateProfile, then the open-file dialog starting
    // in workingDir. A profile named on the command line that is no ordinary
    // file is refused ("no such profile: <path>"); without an ordinary file
    // the player is told that the program ends. Either way nothing is written
    // and the result is empty: the program must end. Otherwise the profile is
    // remembered in steps.memory (when given) and backed up, a failed backup
    // reported and gone past.
    std::optional<ProfileInStore> settle(const LocateSteps& steps, const QString& workingDir);

    // The profile line was clicked: offers found in the profile chooser (with
    // none found, or "Browse…", the open-file dialog starting in workingDir).
    // A chosen ordinary file is settled as at a start, remembered in memory
    // (when given). Empty when nothing was chosen.
    std::optional<ProfileInStore> chooseAnother(const QList<FoundProfile>& found, const QString& workingDir,
                                                QSettings* memory);

private:
    // The open-file dialog that asks for kvuser.ini; its answer trimmed.
    QString askForProfile(const QString& workingDir);
    // What start-up does once the path is settled: the file the game reads, remembered, backed up.
    ProfileInStore prepare(const QString& path, QSettings* memory);
    // A box with only OK and the application's title.
    void message(const QString& text, MessageIcon icon = MessageIcon::None);

    UserInteraction& m_interaction;
    VirtualStorePlaces m_virtualStore;
};

} // namespace parlomatic
