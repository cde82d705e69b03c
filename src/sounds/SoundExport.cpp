// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/SoundExport.h"

#include "sounds/Package.h"
#include "sounds/PropertyTags.h"

#include <QCoreApplication>

namespace parlomatic::sounds {

QByteArray readSoundWave(const Package& package, int exportIndex) {
    ByteReader reader = package.exportReader(exportIndex);
    readPropertyTags(package, reader);
    const QString format = package.name(reader.compact());
    if (package.version() > 61)
        reader.u32(); // offset just past the data, for skipping it
    const qint32 size = reader.compact();
    if (size < 0 || size > reader.remaining())
        fail(QCoreApplication::translate("SoundExport", "the sound's size lies past the end of its data"));
    if (format.compare(QLatin1String("wav"), Qt::CaseInsensitive) != 0)
        //: %1 is a sound format such as mp3
        fail(QCoreApplication::translate("SoundExport", "%1 sound: not supported").arg(format.toLower()));
    QByteArray wave = reader.bytes(size);
    readWaveInfo(wave);
    return wave;
}

WaveInfo readWaveInfo(const QByteArray& wave) {
    ByteReader reader(wave);
    if (reader.remaining() < 12 || reader.bytes(4) != "RIFF")
        fail(QCoreApplication::translate("SoundExport", "the sound is no RIFF file"));
    const quint32 riffSize = reader.u32();
    if (riffSize > quint32(reader.remaining()))
        fail(QCoreApplication::translate("SoundExport", "the sound's RIFF size lies past its end"));
    if (reader.bytes(4) != "WAVE")
        fail(QCoreApplication::translate("SoundExport", "the sound is no WAVE file"));
    ByteReader chunks(wave, reader.position(), reader.position() + riffSize - 4);
    WaveInfo info;
    bool formatSeen = false;
    bool dataSeen = false;
    while (chunks.remaining() >= 8) {
        const QByteArray id = chunks.bytes(4);
        const quint32 size = chunks.u32();
        if (size > quint32(chunks.remaining()))
            //: %1 is the hexadecimal identifier of a chunk of the wave file
            fail(QCoreApplication::translate("SoundExport", "the sound's %1 chunk lies past its end")
                     .arg(QString::fromLatin1(id.toHex())));
        const qint64 begin = chunks.position();
        if (id == "fmt ") {
            ByteReader format(wave, begin, begin + size);
            const quint16 tag = format.u16();
            const quint16 channels = format.u16();
            const quint32 rate = format.u32();
            format.u32(); // bytes per second
            format.u16(); // block align
            const quint16 bits = format.u16();
            if (tag != 1 || channels < 1 || channels > 2 || rate == 0 || rate > 192000 || (bits != 8 && bits != 16))
                fail(QCoreApplication::translate("SoundExport", "the sound is no PCM wave of 8 or 16 bit"));
            info.channels = channels;
            info.sampleRate = int(rate);
            info.bitsPerSample = bits;
            formatSeen = true;
        } else if (id == "data" && !dataSeen) {
            info.dataOffset = begin;
            info.dataSize = size;
            dataSeen = true;
        }
        chunks.skip(size);
        if ((size & 1) && !chunks.atEnd())
            chunks.skip(1);
    }
    if (!formatSeen || !dataSeen)
        fail(QCoreApplication::translate("SoundExport", "the sound has no format or no samples"));
    return info;
}

std::optional<WaveInfo> waveInfo(const QByteArray& wave, QString& error) {
    try {
        return readWaveInfo(wave);
    } catch (const PackageFault& fault) {
        error = fault.message;
        return std::nullopt;
    }
}

} // namespace parlomatic::sounds
