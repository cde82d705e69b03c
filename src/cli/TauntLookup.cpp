// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TauntLookup.h"

#include "catalogue/LabelText.h"

#include <QList>

namespace parlomatic::cli {

int findTaunt(const QStringList& taunts, const QString& taunt, QTextStream& err) {
    if (const qsizetype exact = taunts.indexOf(taunt); exact >= 0)
        return static_cast<int>(exact);
    const QString wanted = withoutPadding(taunt.trimmed());
    QList<int> matches;
    for (int i = 0; i < taunts.size(); ++i) {
        if (withoutPadding(taunts[i]).compare(wanted, Qt::CaseInsensitive) == 0)
            matches.append(i);
    }
    if (matches.size() == 1)
        return matches.first();
    if (matches.isEmpty()) {
        err << "The current voicepack has no taunt \"" << wanted << "\"." << Qt::endl;
        return -1;
    }
    err << "Several taunts match \"" << wanted << "\"; name one exactly:" << Qt::endl;
    for (int i : matches)
        err << "  \"" << taunts[i] << '"' << Qt::endl;
    return -2;
}

} // namespace parlomatic::cli
