// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace parlomatic::cli {

// The taunt item equal to taunt; failing that, the one item equal to it when
// trailing blanks are ignored. Returns -1 and explains on err otherwise.
int findTaunt(const QStringList& taunts, const QString& taunt, QTextStream& err);

} // namespace parlomatic::cli
