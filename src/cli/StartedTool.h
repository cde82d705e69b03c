// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

// Points tool at the command's profile and runs what start-up runs after the
// backup: two refreshes. With readOnly the refreshes leave the file untouched.
inline void startTool(SpeechTool& tool, const CliContext& context, bool readOnly = false) {
    tool.setProfilePath(context.profilePath);
    tool.setReadOnlyRefresh(readOnly);
    tool.RefreshAll();
    tool.RefreshAll();
}

} // namespace parlomatic::cli
