// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SoundPlaying.h"

namespace parlomatic::cli {

const SoundPlaying* loadSoundPlaying(QString&) {
    return parlomaticSoundPlaying();
}

} // namespace parlomatic::cli
