// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SoundPlaying.h"
#include "player/SystemWavePlayer.h"

namespace {

QString playToEnd(const QByteArray& wave) {
    return parlomatic::makeSystemWavePlayer()->playToEnd(wave);
}

} // namespace

const parlomatic::cli::SoundPlaying* parlomaticSoundPlaying() {
    static const parlomatic::cli::SoundPlaying playing{playToEnd};
    return &playing;
}
