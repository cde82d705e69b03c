// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CliRunner.h"
#include "support/SyntheticGame.h"
#include "support/TempProfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace parlomatic::test;
using namespace Qt::StringLiterals;

class TestSoundCommand : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(m_game.isValid());
        writeSyntheticGame(m_game.path());
        QFile profile(profilePath());
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(m_profile);
    }

    // The taunt's sound is written as it is stored; the profile is left as it was.
    void writesTheSound_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("wave");
        const SyntheticSounds sounds;
        QTest::newRow("voicepack named") << QStringList{u"Roger"_s, u"--voice"_s, u"Unreal Tournament Male Nr2"_s}
                                         << sounds.roger;
        QTest::newRow("voicepack by class path")
            << QStringList{u"Defend the base"_s, u"--voice"_s, u"multimesh.NALIVOICE"_s} << sounds.defend;
        QTest::newRow("the profile's voicepack") << QStringList{u"Bywonda!"_s} << sounds.contact;
    }
    void writesTheSound() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, wave);
        const QString out = m_game.filePath(u"out.wav"_s);
        const CliRun run = sound(arguments + QStringList{u"--wav"_s, out});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(TempProfile::readFile(out), wave);
        QCOMPARE(TempProfile::readFile(profilePath()), m_profile);
    }

    void describesTheWay() {
        const CliRun run = sound({u"Same team!"_s, u"--voice"_s, u"Unreal Tournament Male Nr2"_s, u"--json"_s});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject found = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(found[u"voicepack"_s].toString(), u"Unreal Tournament Male Nr2"_s);
        QCOMPARE(found[u"binding"_s].toString(), u"speech 1 0 -1"_s);
        QCOMPARE(found[u"class"_s].toString(), u"Botpack.ChallengeVoicePack"_s);
        QCOMPARE(found[u"array"_s].toString(), u"FFireSound"_s);
        QCOMPARE(found[u"index"_s].toInt(), 0);
        QCOMPARE(QFileInfo(found[u"package"_s].toString()).fileName(), u"Male2Voice.uax"_s);
        QCOMPARE(found[u"object"_s].toString(), u"Male2Voice.M2gotit"_s);
    }

    // Each refusal is one line on the error stream, exit code 1 (2 for usage), and nothing is written.
    void refuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QString wav = u"--wav"_s;
        QTest::newRow("nothing to do") << QStringList{u"Bywonda!"_s} << "" << 2
                                       << "sound: give --wav FILE, --play or --json";
        QTest::newRow("unknown taunt") << QStringList{u"Roger"_s, wav, u"x.wav"_s} << "" << 1
                                       << "The current voicepack has no taunt \"Roger\".";
        // "Habouji!" is an acknowledgement and a taunt; as with bind, the last slot counts.
        QTest::newRow("ogg sound") << QStringList{u"Habouji!"_s, wav, u"x.wav"_s} << "" << 1
                                   << "UnrealShare.u: ogg sound: not supported";
        QTest::newRow("unknown voicepack") << QStringList{u"Bywonda!"_s, u"--voice"_s, u"Nali"_s, wav, u"x.wav"_s} << ""
                                           << 1 << "Unknown voicepack \"Nali\".";
        QTest::newRow("package missing") << QStringList{u"Defend the base"_s, wav, u"x.wav"_s} << "System/Botpack.u"
                                         << 1 << "package Botpack.u not found";
        QTest::newRow("damaged package") << QStringList{u"Defend the base"_s, wav, u"x.wav"_s}
                                         << "Sounds/Male2Voice.uax" << 1 << "Male2Voice.uax: not a package";
        for (const char* file : {"System/kvuser.ini", "System/kvuser1.bak"})
            QTest::addRow("wav is %s", file) << QStringList{u"Bywonda!"_s, wav, QString::fromLatin1(file)} << "" << 1
                                             << "--wav names the profile or its backup; give another file.";
    }
    void refuses() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, remove);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        if (error.contains(u"not a package"_s)) {
            QFile damaged(m_game.filePath(remove));
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write("not a package at all, but long enough for a header");
        } else if (!remove.isEmpty()) {
            QVERIFY(QFile::remove(m_game.filePath(remove)));
        }
        const qsizetype wavAt = arguments.indexOf(u"--wav"_s);
        if (wavAt >= 0)
            arguments[wavAt + 1] = m_game.filePath(arguments[wavAt + 1]);
        const CliRun run = sound(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.section(u'\n', 0, 0), error);
        QVERIFY(!QFile::exists(m_game.filePath(u"x.wav"_s)));
        QCOMPARE(TempProfile::readFile(profilePath()), m_profile);
    }

private:
    QString profilePath() const { return m_game.filePath(u"System/kvuser.ini"_s); }
    CliRun sound(const QStringList& arguments) const {
        return runCli(QStringList{u"--profile"_s, profilePath(), u"sound"_s} + arguments);
    }

    QTemporaryDir m_game;
    const QByteArray m_profile = gameProfile("MultiMesh.NaliVoice", "F5=speech 0 1 -1\r\n");
};

QTEST_GUILESS_MAIN(TestSoundCommand)
#include "tst_SoundCommand.moc"
