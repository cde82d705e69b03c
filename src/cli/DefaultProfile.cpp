// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DefaultProfile.h"

#include "locate/ProfileLocator.h"
#include "locate/RememberedProfile.h"
#include "locate/SearchPlaces.h"
#include "profile/ProfileLocation.h"

#include <QSettings>

namespace parlomatic::cli {

std::optional<QString> defaultProfile(const QString& executableDir, TerminalInteraction& interaction) {
    const std::unique_ptr<QSettings> settings = programSettings();
    const Located located = locateProfile(
        {{executableDir}, {}, settings.get(), [] { return findProfiles(SearchEnvironment::fromSystem()); }},
        interaction);
    if (located.by != LocatedBy::NotSettled)
        return located.path;
    if (located.found.size() > 1)
        return std::nullopt;
    return candidateProfilePath(executableDir);
}

} // namespace parlomatic::cli
