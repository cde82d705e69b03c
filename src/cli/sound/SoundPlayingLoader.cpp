// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ModuleLoader.h"
#include "cli/SoundPlaying.h"

namespace parlomatic::cli {

const SoundPlaying* loadSoundPlaying(QString& error) {
    using Entry = const SoundPlaying* (*)();
    const auto entry = reinterpret_cast<Entry>(
        resolveModuleEntry(QStringLiteral(PARLOMATIC_PLAYER_MODULE), "parlomaticSoundPlaying", error));
    return entry ? entry() : nullptr;
}

} // namespace parlomatic::cli
