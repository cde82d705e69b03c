// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/ClassDefaults.h"
#include "sounds/Package.h"
#include "sounds/SoundExport.h"
#include "support/PackageWriter.h"
#include "support/SyntheticGame.h"

#include <QTest>

using namespace parlomatic::sounds;
using namespace parlomatic::test;

namespace {

// A package of the given version with a sound in a group and a class whose
// script comes before its defaults.
struct SamplePackage {
    explicit SamplePackage(quint16 version, int pointerSize = 4) : writer(version) {
        const qint32 engine = writer.importPackage(QStringLiteral("Engine"));
        const qint32 soundClass =
            writer.addImport(QStringLiteral("Core"), QStringLiteral("Class"), engine, QStringLiteral("Sound"));
        const qint32 superClass =
            writer.addImport(QStringLiteral("Core"), QStringLiteral("Class"), engine, QStringLiteral("VoicePack"));
        group = writer.addGroup(QStringLiteral("Group"));
        sound = writer.addExport(soundClass, 0, group, QStringLiteral("Hello"),
                                 writer.soundData(QStringLiteral("wav"), wave));
        voice = writer.addExport(0, superClass, 0, QStringLiteral("MyVoice"));
        writer.setData(voice, writer.classData(superClass, sampleScript(writer, voice, pointerSize),
                                               writer.intTag(QStringLiteral("Pitch"), 3) +
                                                   writer.objectTag(QStringLiteral("TauntSound"), 200, sound) +
                                                   writer.objectTag(QStringLiteral("OtherSound"), 0x10203, sound) +
                                                   writer.boolTag(QStringLiteral("bOn"), true) + writer.noneTag()));
        superRef = superClass;
    }

    QByteArray wave = waveFile(33, 5, true);
    PackageWriter writer;
    qint32 group = 0, sound = 0, voice = 0, superRef = 0;
};

} // namespace

class tst_PackageReader : public QObject {
    Q_OBJECT

private slots:
    void readsEveryVersion_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("pointerSize");
        for (int version : {61, 63, 64, 68, 69})
            QTest::addRow("version %d", version) << version << 4;
        QTest::newRow("version 69 saved by a 64-bit build") << 69 << 8;
    }
    void readsEveryVersion() {
        QFETCH(int, version);
        QFETCH(int, pointerSize);
        SamplePackage sample{quint16(version), pointerSize};
        Package package;
        QString error;
        QVERIFY2(package.read(sample.writer.bytes(), QStringLiteral("Sample.u"), error), qPrintable(error));
        QCOMPARE(package.version(), version);
        QCOMPARE(package.path(sample.sound), (QStringList{QStringLiteral("Group"), QStringLiteral("Hello")}));
        QCOMPARE(package.path(sample.superRef), (QStringList{QStringLiteral("Engine"), QStringLiteral("VoicePack")}));
        QCOMPARE(package.findExport({QStringLiteral("group"), QStringLiteral("HELLO")}, QStringLiteral("sound")),
                 sample.sound - 1);
        QCOMPARE(package.findClass(QStringLiteral("myvoice")), sample.voice - 1);

        const ClassDefaults defaults = readClassDefaults(package, sample.voice - 1);
        QCOMPARE(defaults.superRef, sample.superRef);
        QCOMPARE(defaults.objects.value(QStringLiteral("tauntsound")).value(200), sample.sound);
        QCOMPARE(defaults.objects.value(QStringLiteral("othersound")).value(0x10203), sample.sound);
        QCOMPARE(readSoundWave(package, sample.sound - 1), sample.wave);
    }

    void compactIndexes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("value"); // beyond the int range: refused
        QTest::newRow("zero") << QByteArray::fromHex("00") << qint64(0);
        QTest::newRow("minus one") << QByteArray::fromHex("81") << qint64(-1);
        QTest::newRow("63") << QByteArray::fromHex("3f") << qint64(63);
        QTest::newRow("64") << QByteArray::fromHex("4001") << qint64(64);
        QTest::newRow("-8191") << QByteArray::fromHex("ff7f") << qint64(-8191);
        QTest::newRow("largest") << QByteArray::fromHex("7fffffff0f") << qint64(0x7FFFFFFF);
        QTest::newRow("five bytes beyond int") << QByteArray::fromHex("7fffffff1f") << qint64(-2);
        QTest::newRow("six bytes") << QByteArray::fromHex("40808080800000") << qint64(-2);
        QTest::newRow("cut short") << QByteArray::fromHex("4080") << qint64(-2);
    }
    void compactIndexes() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, value);
        ByteReader reader(bytes);
        try {
            QCOMPARE(qint64(reader.compact()), value);
            QCOMPARE(compactIndex(qint32(value)), bytes);
        } catch (const PackageFault&) {
            QCOMPARE(value, qint64(-2));
        }
    }

    // Each damage is refused with the file's name and what is wrong, in one line.
    void refusesDamage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray good = SamplePackage(69).writer.bytes();
        QTest::newRow("empty") << QByteArray() << "not a package";
        QTest::newRow("not a package") << QByteArray(100, 'x') << "not a package";
        QByteArray version = good;
        version[4] = char(70);
        QTest::newRow("unknown version") << version << "package version 70 is not supported";
        QTest::newRow("truncated") << good.left(good.size() - 3) << "data past the end of the file";
        QByteArray names = good;
        names[13] = char(0x7F);
        QTest::newRow("name count past the end") << names << "name table past the end of the file";
        QByteArray exports = good;
        exports[23] = char(0x10);
        QTest::newRow("export count past the end") << exports << "export table past the end of the file";
        QByteArray negative = good;
        negative[35] = char(0x80);
        QTest::newRow("negative import offset") << negative << "import table past the end of the file";
    }
    void refusesDamage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        Package package;
        QString message;
        QVERIFY(!package.read(bytes, QStringLiteral("Bad.u"), message));
        QCOMPARE(message, QStringLiteral("Bad.u: ") + error);
    }

    // Damage inside the objects shows when they are read.
    void refusesDamagedObjects_data() {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("cycle of outers") << 0 << "a cycle of outers at Hello";
        QTest::newRow("unknown script token") << 1 << "unknown script token 0x03";
        QTest::newRow("script longer than its object") << 2 << "data past the end of the file";
        QTest::newRow("ogg sound") << 3 << "ogg sound: not supported";
        QTest::newRow("sound without samples") << 4 << "the sound has no format or no samples";
    }
    void refusesDamagedObjects() {
        QFETCH(int, damage);
        QFETCH(QString, error);
        PackageWriter writer(68);
        const qint32 soundClass =
            writer.addImport(QStringLiteral("Core"), QStringLiteral("Class"),
                             writer.importPackage(QStringLiteral("Engine")), QStringLiteral("Sound"));
        // Exports 1 and 2 are each other's outer.
        const qint32 sound = writer.addExport(soundClass, 0, 2, QStringLiteral("Hello"));
        writer.addExport(0, 0, damage == 0 ? sound : 0, QStringLiteral("Group"));
        ScriptWriter script;
        script.token(damage == 1 ? 0x03 : 0x0B);
        if (damage == 2)
            script.token(0x1F).text("a string the object does not hold in full");
        QByteArray classData = writer.classData(0, script, writer.noneTag());
        if (damage == 2)
            classData.truncate(classData.size() - 60);
        const qint32 voice = writer.addExport(0, 0, 0, QStringLiteral("V"), classData);
        QByteArray wave = waveFile(4, 0);
        if (damage == 4)
            wave = wave.left(36).replace(4, 4, QByteArray::fromHex("1c000000"));
        writer.setData(sound, writer.soundData(damage == 3 ? QStringLiteral("OGG") : QStringLiteral("wav"), wave));

        Package package;
        QString message;
        QVERIFY2(package.read(writer.bytes(), QStringLiteral("Bad.u"), message), qPrintable(message));
        try {
            package.path(sound);
            readClassDefaults(package, voice - 1);
            readSoundWave(package, sound - 1);
            QFAIL("the damage went unnoticed");
        } catch (const PackageFault& fault) {
            QCOMPARE(fault.message, error);
        }
    }
};

QTEST_GUILESS_MAIN(tst_PackageReader)
#include "tst_PackageReader.moc"
