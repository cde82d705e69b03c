// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliCommand.h"
#include "cli/ProfileChanges.h"
#include "editor/SpeechTool.h"

namespace parlomatic::cli {

// Opens the command's profile in tool as the window's start-up does after the
// backup. With readOnly the refreshes leave the file untouched.
inline void startTool(SpeechTool& tool, const CliContext& context, bool readOnly = false) {
    tool.setReadOnlyRefresh(readOnly);
    tool.open({context.profilePath, {}, false});
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
