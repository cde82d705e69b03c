// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/ChangeRecorder.h"

#include <QString>

namespace parlomatic {

// What the check after the game's exit did.
struct ReapplyOutcome {
    int applied = 0; // entries written again, failed ones included
    int kept = 0;    // entries left as the game or the player set them
    int failed = 0;  // of applied, the writes that failed
    QString error;   // the reason of the last failure
};

// The check after the game's exit. The game writes its own copy of the
// profile when it quits, undoing what was changed while it ran. For every
// entry that changes made while the game ran (still waiting) changed: when
// the profile holds exactly the value it had before them, the game's exit
// undid them and their last value is written again; when it holds anything
// else, the game or the player set it since, and theirs is kept. A change of
// ours made later settles the entries it touches; one that only changed the
// letter case is no change. The re-applied entries are recorded through
// recorder as one change; then the waiting changes are settled, unless a
// write failed (they are checked again next time). A profile that no longer
// exists is not created: its waiting changes are settled.
ReapplyOutcome reapplyPending(ChangeRecorder& recorder, const QString& profilePath);

} // namespace parlomatic
