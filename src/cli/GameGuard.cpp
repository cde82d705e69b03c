// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameGuard.h"

#include "gamewatch/GameMessages.h"

#include <utility>

namespace parlomatic::cli {

bool writesProfile(const QString& commandName) {
    static const QStringList writers{QStringLiteral("set"),   QStringLiteral("bind"),  QStringLiteral("unbind"),
                                     QStringLiteral("voice"), QStringLiteral("erase"), QStringLiteral("restore"),
                                     QStringLiteral("name")};
    return writers.contains(commandName);
}

GameGuard::GameGuard(const CliContext& context, const ProcessLister& lister, ReapplyJournal journal)
    : m_context(context), m_journal(std::move(journal)), m_gameRunning(findGame(lister()).has_value()) {
    if (m_gameRunning) {
        m_context.err << gameRunningWarning() << Qt::endl;
        m_before = ProfileEntries::ofFile(m_context.profilePath);
    } else if (const QString line = reappliedLine(m_journal.reapply(m_context.profilePath), true); !line.isEmpty()) {
        m_context.err << line << Qt::endl;
    }
}

void GameGuard::finish() {
    if (!m_gameRunning)
        return;
    const Result recorded =
        m_journal.record(m_context.profilePath, m_before.changesTo(ProfileEntries::ofFile(m_context.profilePath)));
    if (!recorded.ok())
        m_context.err << journalFailedWarning(recorded.error()) << Qt::endl;
}

} // namespace parlomatic::cli
