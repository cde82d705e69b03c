// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/ChangeHistory.h"
#include "profile/ProfileChange.h"

#include <QList>
#include <QString>

#include <functional>

namespace parlomatic {

// Puts the changes one part of the program makes into the history: who made
// them, and whether the game was running then.
class ChangeRecorder {
public:
    ChangeRecorder(ChangeHistory history, ChangeSource source, std::function<bool()> gameRunning = {});

    ChangeHistory& history() { return m_history; }
    const ChangeHistory& history() const { return m_history; }
    bool gameRunning() const { return m_gameRunning && m_gameRunning(); }

    // Records change (nothing when it is empty) under description. The first
    // change of a profile also keeps the profile as it was before it. Made
    // while the game runs, the change waits for the check after the game's
    // exit; otherwise it settles the waiting changes of the entries it touches
    // (all of them for a whole-file change). undoes names the records the
    // change takes back, which are marked so. Fails when the history cannot
    // be written; the profile's change stands all the same.
    Result record(const QString& profilePath, const ProfileChange& change, const QString& description,
                  const QList<qint64>& undoes = {});

private:
    ChangeHistory m_history;
    ChangeSource m_source;
    std::function<bool()> m_gameRunning;
};

} // namespace parlomatic
