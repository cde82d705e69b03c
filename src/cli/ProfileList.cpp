// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProfileList.h"

namespace parlomatic::cli {

void writeProfileList(QTextStream& stream, const QList<FoundProfile>& profiles) {
    for (qsizetype index = 0; index < profiles.size(); ++index) {
        const FoundProfile& profile = profiles.at(index);
        stream << qSetFieldWidth(3) << index + 1 << qSetFieldWidth(0) << ' ' << profile.path << "  ("
               << profile.lastModified.toString(Qt::ISODate) << ", " << profile.place << ")\n";
    }
    stream.flush();
}

} // namespace parlomatic::cli
