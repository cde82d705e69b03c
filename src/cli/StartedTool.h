// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "cli/ProfileChanges.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

// Points tool at the command's profile and runs what start-up runs after the
// backup: two refreshes. With readOnly the refreshes leave the file untouched.
inline void startTool(SpeechTool& tool, const CliContext& context, bool readOnly = false) {
    tool.setProfilePath(context.profilePath);
    tool.setReadOnlyRefresh(readOnly);
    // One read of the file serves both, unless the first one writes.
    const ProfileFile::ReadScope reads(tool.profile());
    tool.RefreshAll();
    tool.RefreshAll();
}

// startTool for a command that changes the profile: its changes, the
// refresh's own included, go into the history.
inline void startToolForChanges(SpeechTool& tool, CliContext& context) {
    context.changes->begin(context.profilePath);
    tool.setRecorder(&context.changes->recorder());
    startTool(tool, context);
}

// The exit status of an action of the window's logic.
inline int exitStatusOf(const ActionOutcome& outcome) {
    return outcome.kind == ActionOutcome::Failed || outcome.kind == ActionOutcome::Refused ? exitFailed : exitOk;
}

} // namespace parlomatic::cli
