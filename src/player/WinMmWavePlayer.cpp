// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/SystemWavePlayer.h"

#include <windows.h>

#include <mmsystem.h>

namespace parlomatic {

namespace {

// Plays a WAV file from memory with PlaySound. The system reads the bytes while
// an asynchronous sound plays, so they are kept until the next sound stops it.
class WinMmWavePlayer : public WavePlayer {
public:
    ~WinMmWavePlayer() override { stop(); }

    QString play(const QByteArray& wave) override {
        stop();
        m_wave = wave;
        return playSound(m_wave, SND_ASYNC);
    }

    QString playToEnd(const QByteArray& wave) override {
        stop();
        return playSound(wave, SND_SYNC);
    }

private:
    static QString playSound(const QByteArray& wave, DWORD mode) {
        if (PlaySoundW(reinterpret_cast<LPCWSTR>(wave.constData()), nullptr, SND_MEMORY | SND_NODEFAULT | mode))
            return {};
        return QStringLiteral("the system's sound output refused it");
    }

    void stop() { PlaySoundW(nullptr, nullptr, 0); }

    QByteArray m_wave;
};

} // namespace

std::unique_ptr<WavePlayer> makeSystemWavePlayer() {
    return std::make_unique<WinMmWavePlayer>();
}

} // namespace parlomatic
