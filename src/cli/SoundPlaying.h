// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace parlomatic::cli {

// What "sound --play" needs of Qt Multimedia. Qt Multimedia brings Qt Gui and
// more libraries with it; where Qt is a set of shared libraries playing lives
// in a module of its own (parlomatic-cli-player) that only --play loads, so
// that the other commands start as fast as before. Where Qt is linked in
// (Windows), playing is part of the program and uses the system's PlaySound.
struct SoundPlaying {
    // Plays wave to its end; an empty text, or why it cannot be played.
    QString (*playToEnd)(const QByteArray& wave);
};

// The playing function, or nullptr with the reason in error when the module cannot be loaded.
const SoundPlaying* loadSoundPlaying(QString& error);

} // namespace parlomatic::cli

// The module's one entry point.
extern "C" Q_DECL_EXPORT const parlomatic::cli::SoundPlaying* parlomaticSoundPlaying();
