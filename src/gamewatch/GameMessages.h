// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/ReapplyJournal.h"

#include <QString>

namespace parlomatic {

// The line shown (and printed by write commands) while the game runs.
QString gameRunningWarning();

// The line shown instead when the changes could not be remembered.
QString journalFailedWarning(const QString& reason);

// The one line that tells the player what a re-apply did, or an empty text
// when there was nothing to apply. afterRestart says that the game quit while
// the program was closed.
QString reappliedLine(const ReapplyOutcome& outcome, bool afterRestart);

} // namespace parlomatic
