// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listen/WavePlayer.h"

#include <memory>

namespace parlomatic {

// The platform's player: Qt Multimedia's audio output on Linux, the system's
// PlaySound (winmm) on Windows, whose static Qt has no Qt Multimedia. Qt
// Multimedia brings twenty-odd libraries with it, whose loading would cost
// every start of the programs tens of milliseconds; so where Qt is a set of
// shared libraries, the player lives in a module of its own (parlomatic-player)
// loaded by the first call. When it cannot be loaded, the player returned
// answers every sound with the reason.
std::unique_ptr<WavePlayer> makeSystemWavePlayer();

} // namespace parlomatic
