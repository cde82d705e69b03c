// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace parlomatic::sounds {

class Package;

// The WAV file stored in the Sound object of export exportIndex of package,
// checked to be a PCM wave the players can play. Throws PackageFault on damage
// and for sounds in another format ("ogg sound: not supported").
QByteArray readSoundWave(const Package& package, int exportIndex);

// Checks that wave is a RIFF WAVE file of PCM samples (8 or 16 bit, one or two
// channels), skipping chunks it does not know. Throws PackageFault otherwise.
void checkWave(const QByteArray& wave);

} // namespace parlomatic::sounds
