// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileChange.h"

#include <QString>

namespace parlomatic {

// What one action of the player did to the profile.
struct ActionOutcome {
    enum Kind {
        NothingDone, // nothing to do, or only a selection
        Written,     // the profile was changed
        Refused,     // the action was not possible (a defect backup, nothing selected)
        Cancelled,   // the player said No
        Failed,      // a write failed; the player was told why
    };
    Kind kind = NothingDone;
    // For the player: "F7 now says "Roger"", or why it failed.
    QString description;
    // What the profile layer committed; empty unless written.
    ProfileChange change;
    // The changes of the history this action took back (an undo).
    QList<qint64> undoes;

    bool written() const { return kind == Written; }
};

} // namespace parlomatic
