// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace parlomatic {

// Plays a sound: the bytes of a PCM WAV file. Each platform has its own
// (src/player); tests hand the logic one that records what it was given.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;

    // Starts playing wave and returns at once; a sound this player is still
    // playing stops. Returns an empty text, or why the sound cannot be played.
    virtual QString play(const QByteArray& wave) = 0;
    // Plays wave to its end before returning; the same results as play.
    virtual QString playToEnd(const QByteArray& wave) = 0;
};

} // namespace parlomatic
