// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace parlomatic {

inline constexpr int keyNameCount = 86;

// The 86 entry names of [Engine.Input] that can carry a binding, in their fixed
// order (index 0 to 85). The letters I, P, R and Y are deliberately absent.
const QStringList& KeyNameTable();

// The keys the game names in [Engine.Input] that KeyNameTable lacks (R, Y,
// Insert, Comma, Alt, ...). They are no items of "All available Keys"; a
// taunt reaches them through the keyboard map and the command line.
const QStringList& MoreKeyNames();

} // namespace parlomatic
