// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/SpeechTool.h"
#include "locate/ProfileStartup.h"
#include "support/ScriptedInteraction.h"
#include "support/TempProfile.h"

#include <optional>

namespace parlomatic::test {

// A started tool: its profile opened as start-up does after the backup.
struct StartedTool {
    TempProfile profile;
    ScriptedInteraction interaction;
    SpeechTool tool{interaction};

    explicit StartedTool(const QByteArray& content) : profile(content) { tool.open({profile.path(), {}, false}); }
};

// Start-up as the program runs it: the profile settled with interaction's
// answers, then opened by tool. False when the program would end.
inline bool startUp(SpeechTool& tool, UserInteraction& interaction, const LocateSteps& steps,
                    const QString& workingDir) {
    const std::optional<ProfileInStore> profile = ProfileStartup(interaction).settle(steps, workingDir);
    if (profile)
        tool.open(*profile);
    return profile.has_value();
}

// startUp with only the folders beside which kvuser.ini is looked for first.
inline bool startUp(SpeechTool& tool, UserInteraction& interaction, const QStringList& programDirs,
                    const QString& workingDir) {
    return startUp(tool, interaction, LocateSteps{programDirs, {}, nullptr, {}}, workingDir);
}

} // namespace parlomatic::test
