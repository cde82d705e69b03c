// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace parlomatic::sounds {

// What a PCM wave holds: its format and where its samples lie in the file.
struct WaveInfo {
    int channels = 1;
    int sampleRate = 0;
    int bitsPerSample = 8;
    qint64 dataOffset = 0;
    qint64 dataSize = 0;
};

class Package;

// The WAV file stored in the Sound object of export exportIndex of package,
// checked to be a PCM wave the players can play. Throws PackageFault on damage
// and for sounds in another format ("ogg sound: not supported").
QByteArray readSoundWave(const Package& package, int exportIndex);

// Reads wave as a RIFF WAVE file of PCM samples (8 or 16 bit, one or two
// channels), skipping chunks it does not know. Throws PackageFault otherwise.
WaveInfo readWaveInfo(const QByteArray& wave);
// readWaveInfo for callers that want the error as a text instead.
std::optional<WaveInfo> waveInfo(const QByteArray& wave, QString& error);

} // namespace parlomatic::sounds
