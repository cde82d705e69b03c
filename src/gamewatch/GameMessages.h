// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/PendingChanges.h"

#include <QString>

namespace parlomatic {

// The line shown (and printed by write commands) while the game runs.
QString gameRunningWarning();

// The one line that tells the player what the check after the game's exit
// did, or an empty text when there was nothing to check. afterRestart says
// that the game quit while the program was closed.
QString reappliedLine(const ReapplyOutcome& outcome, bool afterRestart);

} // namespace parlomatic
