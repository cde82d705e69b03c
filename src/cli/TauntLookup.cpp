// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TauntLookup.h"

#include <QList>

namespace parlomatic::cli {

int findTaunt(const QStringList& taunts, const QString& taunt, QTextStream& err) {
    if (const qsizetype exact = taunts.indexOf(taunt); exact >= 0)
        return static_cast<int>(exact);
    const auto withoutTrailingBlanks = [](QString text) {
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text;
    };
    QList<int> matches;
    for (int i = 0; i < taunts.size(); ++i) {
        if (withoutTrailingBlanks(taunts[i]) == withoutTrailingBlanks(taunt))
            matches.append(i);
    }
    if (matches.size() == 1)
        return matches.first();
    if (matches.isEmpty()) {
        err << "The current voicepack has no taunt \"" << taunt << "\"." << Qt::endl;
    } else {
        err << "Several taunts match \"" << taunt << "\"; name one exactly:" << Qt::endl;
        for (int i : matches)
            err << "  \"" << taunts[i] << '"' << Qt::endl;
    }
    return -1;
}

} // namespace parlomatic::cli
