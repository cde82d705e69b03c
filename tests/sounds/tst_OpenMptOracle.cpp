// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/Package.h"
#include "sounds/SoundExport.h"
#include "support/PackageWriter.h"

#include <QTest>

#include <libopenmpt/libopenmpt.h>

#include <memory>

using namespace parlomatic::sounds;
using namespace parlomatic::test;

namespace {

struct ModuleDeleter {
    void operator()(openmpt_module* module) const { openmpt_module_destroy(module); }
};
using Module = std::unique_ptr<openmpt_module, ModuleDeleter>;

Module openWithLibopenmpt(const QByteArray& bytes) {
    return Module(openmpt_module_create_from_memory2(bytes.constData(), std::size_t(bytes.size()), nullptr, nullptr,
                                                     nullptr, nullptr, nullptr, nullptr, nullptr));
}

QString takeString(const char* text) {
    const QString result = QString::fromUtf8(text);
    openmpt_free_string(text);
    return result;
}

// The smallest extended module: one empty pattern of 64 rows, two channels, titled title.
QByteArray extendedModule(const QByteArray& title) {
    QByteArray xm("Extended Module: ");
    xm += title.leftJustified(20, '\0', true);
    xm += '\x1a';
    xm += QByteArray("Parlomatic test").leftJustified(20, '\0');
    xm += QByteArray::fromHex("0401"); // version 1.04
    xm += QByteArray::fromHex("14010000"
                              "0100"   // song length
                              "0000"   // restart
                              "0200"   // channels
                              "0100"   // patterns
                              "0000"   // instruments
                              "0100"   // linear frequencies
                              "0600"   // tempo
                              "7d00"); // speed
    xm += QByteArray(256, '\0');       // order table
    xm += QByteArray::fromHex("09000000"
                              "00"
                              "4000"
                              "0000"); // an empty pattern
    return xm;
}

} // namespace

// libopenmpt reads the engine's packages on its own (music packages and sound
// packages): what it finds in packages our writer made must be what our reader finds.
class tst_OpenMptOracle : public QObject {
    Q_OBJECT

private slots:
    void versions_data() {
        QTest::addColumn<int>("version");
        for (int version : {61, 63, 64, 68, 69})
            QTest::addRow("version %d", version) << version;
    }

    // A music package with sounds beside the tune, as maps and mods make them.
    void versions() {
        QFETCH(int, version);
        PackageWriter writer{quint16(version)};
        const qint32 engine = writer.importPackage(QStringLiteral("Engine"));
        const qint32 soundClass =
            writer.addImport(QStringLiteral("Core"), QStringLiteral("Class"), engine, QStringLiteral("Sound"));
        const qint32 musicClass =
            writer.addImport(QStringLiteral("Core"), QStringLiteral("Class"), engine, QStringLiteral("Music"));
        const qint32 group = writer.addGroup(QStringLiteral("Effects"));
        const QByteArray wave = waveFile(31, 7, true);
        writer.addExport(soundClass, 0, group, QStringLiteral("Ping"), writer.soundData(QStringLiteral("wav"), wave));
        writer.addExport(musicClass, 0, 0, QStringLiteral("Tune"),
                         writer.musicData(QStringLiteral("xm"), extendedModule("Parlomatic tune")));
        const QByteArray umx = writer.bytes();

        const Module tune = openWithLibopenmpt(umx);
        QVERIFY(tune);
        QCOMPARE(takeString(openmpt_module_get_metadata(tune.get(), "title")), QStringLiteral("Parlomatic tune"));
        QCOMPARE(takeString(openmpt_module_get_metadata(tune.get(), "type")), QStringLiteral("xm"));

        Package package;
        QString error;
        QVERIFY2(package.read(umx, QStringLiteral("Tune.umx"), error), qPrintable(error));
        QCOMPARE(package.findExport({QStringLiteral("Tune")}, QStringLiteral("Music")), 2);
        const int ping =
            package.findExport({QStringLiteral("Effects"), QStringLiteral("Ping")}, QStringLiteral("Sound"));
        QVERIFY(ping >= 0);
        QCOMPARE(readSoundWave(package, ping), wave);
    }
};

QTEST_GUILESS_MAIN(tst_OpenMptOracle)
#include "tst_OpenMptOracle.moc"
