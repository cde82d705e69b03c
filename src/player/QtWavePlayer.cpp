// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/SystemWavePlayer.h"

#include "sounds/SoundExport.h"

#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

namespace parlomatic {

namespace {

// Plays the samples of a PCM wave on the default audio output.
class QtWavePlayer : public WavePlayer {
public:
    ~QtWavePlayer() override { stop(); }

    QString play(const QByteArray& wave) override {
        stop();
        QString error;
        const std::optional<sounds::WaveInfo> info = sounds::waveInfo(wave, error);
        if (!info)
            return error;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return QStringLiteral("no audio output found");
        QAudioFormat format;
        format.setSampleRate(info->sampleRate);
        format.setChannelCount(info->channels);
        format.setSampleFormat(info->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        m_buffer.setData(wave.mid(info->dataOffset, info->dataSize));
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->start(&m_buffer);
        if (m_sink->error() != QAudio::NoError) {
            stop();
            return QStringLiteral("the audio output cannot play the sound");
        }
        m_duration = format.durationForBytes(qint32(info->dataSize)) / 1000;
        return {};
    }

    QString playToEnd(const QByteArray& wave) override {
        if (QString error = play(wave); !error.isEmpty())
            return error;
        QEventLoop loop;
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, &loop, [&loop](QAudio::State state) {
            if (state == QAudio::IdleState || state == QAudio::StoppedState)
                loop.quit();
        });
        // An output that never reports the end must not hold the program.
        QTimer::singleShot(int(m_duration) + 3000, &loop, &QEventLoop::quit);
        loop.exec();
        stop();
        return {};
    }

private:
    void stop() {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_buffer.close();
    }

    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    qint64 m_duration = 0;
};

} // namespace
} // namespace parlomatic

// The module's one entry point: a new player, which the caller owns.
extern "C" Q_DECL_EXPORT parlomatic::WavePlayer* parlomaticMakeWavePlayer() {
    return new parlomatic::QtWavePlayer();
}
