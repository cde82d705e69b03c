// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/ProfileLocator.h"

#include "locate/RememberedProfile.h"
#include "profile/ProfileLocation.h"

#include <QFileInfo>

namespace parlomatic {

Located locateProfile(const LocateSteps& steps, UserInteraction& interaction) {
    for (const QString& dir : steps.programDirs) {
        const QString beside = candidateProfilePath(dir);
        if (isOrdinaryFile(beside))
            return {LocatedBy::BesideProgram, beside, {}};
    }

    if (!steps.commandLineProfile.isEmpty()) {
        if (!isOrdinaryFile(steps.commandLineProfile))
            return {LocatedBy::CommandLineMissing, steps.commandLineProfile, {}};
        return {LocatedBy::CommandLine, QFileInfo(steps.commandLineProfile).absoluteFilePath(), {}};
    }

    if (steps.memory) {
        const QString remembered = rememberedProfile(*steps.memory);
        if (isOrdinaryFile(remembered))
            return {LocatedBy::Remembered, remembered, {}};
    }

    if (!steps.search)
        return {};
    Located result;
    result.found = steps.search();
    if (result.found.size() == 1) {
        result.by = LocatedBy::OnlyOneFound;
        result.path = result.found.constFirst().path;
    } else if (result.found.size() > 1) {
        const int chosen = interaction.chooseProfile(result.found);
        if (chosen >= 0 && chosen < result.found.size()) {
            result.by = LocatedBy::Chooser;
            result.path = result.found.at(chosen).path;
        }
    }
    return result;
}

} // namespace parlomatic
