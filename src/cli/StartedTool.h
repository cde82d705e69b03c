#pragma once

#include "cli/CliCommand.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

// Points tool at the command's profile and runs what start-up runs after the
// backup: two refreshes.
inline void startTool(SpeechTool& tool, const CliContext& context) {
    tool.setProfilePath(context.profilePath);
    tool.RefreshAll();
    tool.RefreshAll();
}

} // namespace parlomatic::cli
