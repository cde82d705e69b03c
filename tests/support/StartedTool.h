// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/SpeechTool.h"
#include "support/ScriptedInteraction.h"
#include "support/TempProfile.h"

namespace parlomatic::test {

// A started tool: profile set and refreshed twice, as start-up does after the backup.
struct StartedTool {
    TempProfile profile;
    ScriptedInteraction interaction;
    SpeechTool tool{interaction};

    explicit StartedTool(const QByteArray& content) : profile(content) {
        tool.setProfilePath(profile.path());
        tool.RefreshAll();
        tool.RefreshAll();
    }
};

} // namespace parlomatic::test
