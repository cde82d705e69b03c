// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace parlomatic::cli {

// The taunt item equal to taunt; failing that, the one item equal to it when
// case and padding are ignored, as a reader of the list reads it. Otherwise
// explains on err and returns -1 (no such taunt) or -2 (several match).
int findTaunt(const QStringList& taunts, const QString& taunt, QTextStream& err);

} // namespace parlomatic::cli
