// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProfileChanges.h"

#include "gamewatch/GameMessages.h"
#include "history/PendingChanges.h"

#include <utility>

namespace parlomatic::cli {

ProfileChanges::ProfileChanges(QTextStream& err, ProcessLister lister, ChangeHistory history)
    : m_err(err), m_lister(std::move(lister)),
      m_recorder(std::move(history), ChangeSource::CommandLine, [this] { return m_gameRunning.value_or(false); }) {}

void ProfileChanges::begin(const QString& profilePath) {
    if (m_gameRunning)
        return;
    m_gameRunning = findGame(m_lister()).has_value();
    if (*m_gameRunning) {
        m_err << gameRunningWarning() << Qt::endl;
        return;
    }
    ChangeRecorder reapplies(m_recorder.history(), ChangeSource::Reapply);
    if (const QString line = reappliedLine(reapplyPending(reapplies, profilePath), true); !line.isEmpty())
        m_err << line << Qt::endl;
}

void ProfileChanges::record(const ProfileFile& profile, const QString& description, const QList<qint64>& undoes) {
    const Result recorded = m_recorder.record(profile.profilePath(), profile.takeChanges(), description, undoes);
    if (!recorded.ok())
        m_err << "The change was made, but it could not be noted in the history: " << recorded.error() << Qt::endl;
}

} // namespace parlomatic::cli
