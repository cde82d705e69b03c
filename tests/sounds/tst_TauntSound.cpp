// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/GameFolder.h"
#include "sounds/TauntSound.h"
#include "support/PackageWriter.h"
#include "support/SyntheticGame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace parlomatic::sounds;
using namespace parlomatic::test;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class tst_TauntSound : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        writeSyntheticGame(m_dir.path());
        writeFile(profile(), "[DefaultPlayer]\r\nVoice=MultiMesh.NaliVoice\r\n");
    }

    void findsTheSound_data() {
        QTest::addColumn<QString>("classPath");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("wave");
        QTest::addColumn<QString>("foundIn");
        QTest::addColumn<QString>("objectPath");
        const SyntheticSounds sounds;
        QTest::newRow("own default") << "Botpack.VoiceMaleTwo" << 0 << 1 << sounds.roger << "Botpack.VoiceMaleTwo"
                                     << "Male2Voice.M2roger";
        QTest::newRow("from the superclass in the same package")
            << "botpack.voicemaletwo" << 1 << 0 << sounds.gotIt << "Botpack.ChallengeVoicePack"
            << "Male2Voice.M2gotit";
        QTest::newRow("from the superclass in another package")
            << "MultiMesh.naliVoice" << 2 << 0 << sounds.defend << "Botpack.VoiceMaleTwo"
            << "Male2Voice.M2defend";
        QTest::newRow("two superclasses up, across packages")
            << "MultiMesh.naliVoice" << 1 << 0 << sounds.gotIt << "Botpack.ChallengeVoicePack"
            << "Male2Voice.M2gotit";
        QTest::newRow("from a group of a code package")
            << "MultiMesh.NaliVoice" << 3 << 0 << sounds.contact << "MultiMesh.NaliVoice"
            << "UnrealShare.Nali.contct1n";
    }
    void findsTheSound() {
        QFETCH(QString, classPath);
        QFETCH(int, type);
        QFETCH(int, index);
        QFETCH(QByteArray, wave);
        QFETCH(QString, foundIn);
        QFETCH(QString, objectPath);
        QString error;
        const std::optional<TauntSound> sound = findTauntSoundForProfile(profile(), classPath, type, index, error);
        QVERIFY2(sound, qPrintable(error));
        QCOMPARE(sound->wave, wave);
        QCOMPARE(sound->className.toLower(), foundIn.toLower());
        QCOMPARE(sound->objectPath, objectPath);
        QCOMPARE(sound->arrayName, soundArrayName(type));
        QCOMPARE(QFileInfo(sound->packageFile).fileName(),
                 objectPath.section(QLatin1Char('.'), 0, 0) +
                     (objectPath.startsWith(QLatin1String("Male2")) ? QStringLiteral(".uax") : QStringLiteral(".u")));
    }

    // Every failing step is told in one line.
    void explainsWhatFailed_data() {
        QTest::addColumn<QString>("classPath");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<QString>("error");
        QTest::newRow("no default along the chain") << "MultiMesh.NaliVoice" << 4 << 3 << ""
                                                    << "no sound for this taunt in this voicepack";
        QTest::newRow("index beyond the array") << "MultiMesh.NaliVoice" << 0 << 16 << ""
                                                << "no sound for this taunt in this voicepack";
        QTest::newRow("type beyond the arrays") << "MultiMesh.NaliVoice" << 9 << 9 << ""
                                                << "no sound for this taunt in this voicepack";
        QTest::newRow("ogg") << "MultiMesh.NaliVoice" << 3 << 1 << ""
                             << "UnrealShare.u: ogg sound: not supported";
        QTest::newRow("class package missing") << "MultiMesh.NaliVoice" << 0 << 1 << "System/Botpack.u"
                                               << "package Botpack.u not found";
        QTest::newRow("sound package missing") << "Botpack.VoiceMaleTwo" << 0 << 1 << "Sounds/Male2Voice.uax"
                                               << "package Male2Voice not found";
        QTest::newRow("class missing") << "Botpack.VoiceFemaleOne" << 0 << 1 << ""
                                       << "class Botpack.VoiceFemaleOne not found in Botpack.u";
        QTest::newRow("no game folder") << "Botpack.VoiceMaleTwo" << 0 << 1 << "System/UnrealTournament.ini"
                                        << "no game folder found";
    }
    void explainsWhatFailed() {
        QFETCH(QString, classPath);
        QFETCH(int, type);
        QFETCH(int, index);
        QFETCH(QString, remove);
        QFETCH(QString, error);
        if (!remove.isEmpty())
            QVERIFY(QFile::remove(m_dir.filePath(remove)));
        if (error == QLatin1String("no game folder found")) {
            for (const QString& package :
                 QDir(m_dir.filePath(QStringLiteral("System"))).entryList({QStringLiteral("*.u")}))
                QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("System/") + package)));
        }
        QString message;
        QVERIFY(!findTauntSoundForProfile(profile(), classPath, type, index, message));
        QCOMPARE(message, error);
    }

    // Two classes in two packages that extend each other end in an error, not a loop.
    void refusesASuperclassCycle() {
        for (const auto& [own, other] : {std::pair{"Left", "Right"}, std::pair{"Right", "Left"}}) {
            PackageWriter writer(69);
            const qint32 super =
                writer.addImport(QStringLiteral("Core"), QStringLiteral("Class"),
                                 writer.importPackage(QString::fromLatin1(other)), QStringLiteral("Voice"));
            writer.addExport(0, super, 0, QStringLiteral("Voice"),
                             writer.classData(super, ScriptWriter().token(0x0B), writer.noneTag()));
            writeFile(m_dir.filePath(QStringLiteral("System/%1.u").arg(QString::fromLatin1(own))), writer.bytes());
        }
        QString error;
        QVERIFY(!findTauntSoundForProfile(profile(), QStringLiteral("Left.Voice"), 0, 0, error));
        QCOMPARE(error, QStringLiteral("the superclasses of Left.Voice form a cycle"));
    }

    // A sound imported without a package is refused, not followed.
    void refusesASoundWithoutPackage() {
        PackageWriter writer(69);
        const qint32 lonely =
            writer.addImport(QStringLiteral("Engine"), QStringLiteral("Sound"), 0, QStringLiteral("Lonely"));
        writer.addExport(0, 0, 0, QStringLiteral("Voice"),
                         writer.classData(0, ScriptWriter().token(0x0B),
                                          writer.objectTag(QStringLiteral("AckSound"), 0, lonely) + writer.noneTag()));
        writeFile(m_dir.filePath(QStringLiteral("System/Odd.u")), writer.bytes());
        QString error;
        QVERIFY(!findTauntSoundForProfile(profile(), QStringLiteral("Odd.Voice"), 0, 0, error));
        QCOMPARE(error, QStringLiteral("Odd.u: the sound Lonely names no package"));
    }

    // A profile in System64 finds the packages in the sibling System through its own ini's paths.
    void findsPackagesFromSystem64() {
        const QString system64 = m_dir.filePath(QStringLiteral("System64"));
        QVERIFY(QDir().mkpath(system64));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("System/UnrealTournament.ini")),
                            system64 + QStringLiteral("/UnrealTournament.ini")));
        QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("System/UnrealTournament.ini"))));
        QString error;
        const auto sound = findTauntSoundForProfile(system64 + QStringLiteral("/kvuser.ini"),
                                                    QStringLiteral("MultiMesh.NaliVoice"), 0, 1, error);
        QVERIFY2(sound, qPrintable(error));
        QCOMPARE(sound->wave, SyntheticSounds().roger);
    }

    // With PARLOMATIC_GAME_DIR naming an installation, every known voicepack's
    // first acknowledgement is looked up there; a failure must be one of the
    // explained ones, never a crash.
    void readsARealInstallation() {
        const QString game = qEnvironmentVariable("PARLOMATIC_GAME_DIR");
        if (game.isEmpty())
            QSKIP("PARLOMATIC_GAME_DIR names no installation");
        const std::optional<GameFolder> folder =
            GameFolder::forProfile(QDir(game).filePath(QStringLiteral("System/User.ini")));
        QVERIFY(folder);
        QString error;
        const auto sound = findTauntSound(*folder, QStringLiteral("Botpack.VoiceMaleTwo"), 0, 1, error);
        QVERIFY2(sound, qPrintable(error));
        QVERIFY(sound->wave.startsWith("RIFF"));
    }

private:
    QString profile() const { return m_dir.filePath(QStringLiteral("System/kvuser.ini")); }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_TauntSound)
#include "tst_TauntSound.moc"
