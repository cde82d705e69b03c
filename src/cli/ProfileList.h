// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"

#include <QList>
#include <QTextStream>

namespace parlomatic::cli {

// One line per profile, in the given order: its number from 1, the path, when
// it was last changed (local time, ISO form) and where it was found.
void writeProfileList(QTextStream& stream, const QList<FoundProfile>& profiles);

} // namespace parlomatic::cli
