// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listen/WavePlayer.h"

#include <memory>

namespace parlomatic {

// The platform's player: Qt Multimedia's audio output on Linux, the system's
// PlaySound (winmm) on Windows, whose static Qt has no Qt Multimedia.
std::unique_ptr<WavePlayer> makeSystemWavePlayer();

} // namespace parlomatic
