// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"
#include "support/CliRunner.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

CliRun run(const TempProfile& profile, QStringList arguments) {
    return runCli(QStringList{u"--profile"_s, profile.path()} + arguments);
}

QString binding(const TempProfile& profile, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(u"Engine.Input"_s, key, u"<missing>"_s, 100);
}

QString f5(const TempProfile& profile) {
    return binding(profile, u"F5"_s);
}

} // namespace

class TestEditorCommands : public QObject {
    Q_OBJECT

private slots:
    void showJson();
    void bind_data();
    void bind();
    void bindRefusals_data();
    void bindRefusals();
    void voice_data();
    void voice();
    void voiceListsWhatKeysSay();
    void unknownVoice();
    void erase();
    void eraseWithoutConfirmation();
    void backupAndRestore();
    void restoreRefused();
    void bindReplacesCommandOnlyWhenTold();
    void unbind();
    void missingProfileRefused();
    void showLeavesFileUntouched();
};

void TestEditorCommands::showJson() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=speech 3 13 -1\r\n"));
    const CliRun result = run(profile, {u"show"_s, u"--json"_s});
    QCOMPARE(result.exitCode, 0);
    const QJsonObject state = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(state[u"profile"_s].toString(), QDir::toNativeSeparators(profile.path()));
    QCOMPARE(state[u"caption"_s].toString(), u"Drovantis Parlomatic Tool v.0.4"_s);
    QCOMPARE(state[u"voicepackIndex"_s].toInt(), 0);
    QCOMPARE(state[u"voicepack"_s].toArray().size(), 15);
    QCOMPARE(state[u"voicepack"_s].toArray().first().toString(), u"Unreal Tournament Boss Voice"_s);
    QCOMPARE(state[u"all_taunts"_s].toArray().size(), 49); // 51 slots, two placeholders
    QCOMPARE(state[u"allKeys"_s].toArray().size(), 86);
    QCOMPARE(state[u"usedSpeechKeys"_s].toArray(), QJsonArray{u"F5: "_s + u"Boom!"_s.leftJustified(30, u' ')});
}

void TestEditorCommands::bind_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("taunt");
    QTest::addColumn<QString>("binding");

    QTest::newRow("exact") << QByteArray("Botpack.VoiceMaleOne") << "F5"
                           << "Lets rock!"
                           << "speech 3 5 -1";
    QTest::newRow("key in other case") << QByteArray("Botpack.VoiceMaleOne") << "f5"
                                       << "Lets rock!"
                                       << "speech 3 5 -1";
    QTest::newRow("trailing blanks ignored") << QByteArray("grunt1package.Voicegrunt1") << "F5"
                                             << "Yesss"
                                             << "speech 3 9 -1";
    QTest::newRow("umlauts") << QByteArray("DR_BOSS.DR_BOSS") << "F5" << u"Wie süss"_s << "speech 3 19 -1";
    QTest::newRow("taunt in other case") << QByteArray("Botpack.VoiceMaleOne") << "F5"
                                         << "lets ROCK!"
                                         << "speech 3 5 -1";
    QTest::newRow("key the list lacks") << QByteArray("Botpack.VoiceMaleOne") << "R"
                                        << "roger"
                                        << "speech 0 1 -1";
    QTest::newRow("another key the list lacks") << QByteArray("Botpack.VoiceMaleOne") << "insert"
                                                << "Got it"
                                                << "speech 0 0 -1";
}

void TestEditorCommands::bind() {
    QFETCH(QByteArray, voice);
    QFETCH(QString, key);
    QFETCH(QString, taunt);
    QFETCH(QString, binding);

    TempProfile profile(gameProfile(voice));
    const CliRun result = run(profile, {u"bind"_s, key, taunt});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QCOMPARE(::binding(profile, key), binding);
}

void TestEditorCommands::bindRefusals_data() {
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("taunt");
    QTest::addColumn<QString>("complaint");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("unknown key") << QByteArray("Botpack.VoiceMaleOne") << "NoSuchKey"
                                 << "Lets rock!"
                                 << "Unknown key" << 1;
    QTest::newRow("unknown taunt") << QByteArray("Botpack.VoiceMaleOne") << "F5"
                                   << "Hello"
                                   << "no taunt" << 1;
    QTest::newRow("ambiguous taunt") << QByteArray("grunt1package.Voicegrunt1") << "F5"
                                     << "got him"
                                     << "Several taunts" << 2;
    QTest::newRow("ambiguous in other case") << QByteArray("grunt1package.Voicegrunt1") << "F5"
                                             << "GOT HIM"
                                             << "Several taunts" << 2;
    QTest::newRow("no voicepack") << QByteArray() << "F5"
                                  << "Lets rock!"
                                  << "no known voicepack" << 1;
}

void TestEditorCommands::bindRefusals() {
    QFETCH(QByteArray, voice);
    QFETCH(QString, key);
    QFETCH(QString, taunt);
    QFETCH(QString, complaint);
    QFETCH(int, exitCode);

    TempProfile profile(gameProfile(voice, "F5=Jump\r\n"));
    const CliRun result = run(profile, {u"bind"_s, key, taunt});
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(complaint), qPrintable(result.err));
    QCOMPARE(f5(profile), u"Jump"_s);
}

void TestEditorCommands::voice_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("classPath");
    QTest::addColumn<bool>("note");

    QTest::newRow("display name with note") << "Skaarj Hybrid Voice"
                                            << "MultiMesh.SkaarjVoice" << true;
    QTest::newRow("class path in other case") << "marinespackage.voicemarines"
                                              << "MarinesPackage.VoiceMarines" << false;
}

void TestEditorCommands::voice() {
    QFETCH(QString, name);
    QFETCH(QString, classPath);
    QFETCH(bool, note);

    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    const CliRun result = run(profile, {u"voice"_s, name});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(ProfileFile(profile.path()).ReadEntry(u"DefaultPlayer"_s, u"Voice"_s, {}, 100), classPath);
    QCOMPARE(result.out.contains(u"Make sure you have installed this pack"_s), note);
}

void TestEditorCommands::voiceListsWhatKeysSay() {
    TempProfile profile(gameProfile("grunt1package.Voicegrunt1", "End=speech 0 0 -1\r\n"));
    const CliRun result = run(profile, {u"voice"_s, u"DR_BOSS.DR_BOSS"_s});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(u"What your keys say now in DR.Boss Voicepack(german):\nEnd: Affirmative \u2192 "
                                 u"Bestätige\n"_s),
             qPrintable(result.out));
}

void TestEditorCommands::unknownVoice() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    const QByteArray before = profile.read();
    const CliRun result = run(profile, {u"voice"_s, u"Nobody"_s});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(u"Unknown voicepack"_s));
    QCOMPARE(profile.read(), before);
}

void TestEditorCommands::erase() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=speech 3 5 -1\r\nF6=Jump\r\n"));
    const CliRun result = run(profile, {u"erase"_s, u"--yes"_s});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(u"Really delete all voice entrys in your KVuser.ini?"_s),
             qPrintable(result.out + result.err));
    QCOMPARE(f5(profile), QString());
    QCOMPARE(ProfileFile(profile.path()).ReadEntry(u"Engine.Input"_s, u"F6"_s, {}, 100), u"Jump"_s);
}

void TestEditorCommands::eraseWithoutConfirmation() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=speech 3 5 -1\r\n"));
    const QByteArray before = profile.read();
    const CliRun result = run(profile, {u"erase"_s});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(u"--yes"_s));
    QCOMPARE(profile.read(), before);
}

void TestEditorCommands::backupAndRestore() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=Jump\r\n"));
    const QByteArray original = profile.read();
    const CliRun backup = run(profile, {u"backup"_s});
    QCOMPARE(backup.exitCode, 0);
    QCOMPARE(backup.out.trimmed(), QDir::toNativeSeparators(profile.dir() + u"/kvuser1.bak"_s));
    QCOMPARE(TempProfile::readFile(backup.out.trimmed()), original);

    QCOMPARE(run(profile, {u"bind"_s, u"F5"_s, u"Boom!"_s, u"--replace"_s}).exitCode, 0);
    QVERIFY(profile.read() != original);
    const CliRun restore = run(profile, {u"restore"_s});
    QCOMPARE(restore.exitCode, 0);
    QCOMPARE(restore.out.trimmed(), u"Ok, lets try to restore Your kvuser.ini"_s);
    QCOMPARE(profile.read(), original);
    // A lost profile comes back too.
    QVERIFY(QFile::remove(profile.path()));
    QCOMPARE(run(profile, {u"restore"_s}).exitCode, 0);
    QCOMPARE(profile.read(), original);
}

void TestEditorCommands::restoreRefused() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    const CliRun result = run(profile, {u"restore"_s});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.err.contains(u"seems to be defect"_s));
    QVERIFY(result.out.isEmpty());
}

void TestEditorCommands::bindReplacesCommandOnlyWhenTold() {
    TempProfile profile(gameProfile("Botpack.VoiceMaleOne", "F5=Jump\r\n"));
    const QByteArray before = profile.read();
    const CliRun refused = run(profile, {u"bind"_s, u"f5"_s, u"Lets rock!"_s});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err, u"F5 is bound to Jump; give --replace to replace it with the taunt.\n"_s);
    QCOMPARE(profile.read(), before);
    QCOMPARE(run(profile, {u"bind"_s, u"F5"_s, u"Lets rock!"_s, u"--replace"_s}).exitCode, 0);
    QCOMPARE(f5(profile), u"speech 3 5 -1"_s);
}

void TestEditorCommands::unbind() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "F5=SPEECH 3 5 -1\r\nF6=Jump\r\n"));
    const QByteArray before = profile.read();
    for (const QString& key : {u"F6"_s, u"F7"_s}) {
        const CliRun refused = run(profile, {u"unbind"_s, key});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, u"%1 holds no speech binding.\n"_s.arg(key));
    }
    QCOMPARE(profile.read(), before);
    QCOMPARE(run(profile, {u"unbind"_s, u"f5"_s}).exitCode, 0);
    QCOMPARE(profile.read(), QByteArray(before).replace("F5=SPEECH 3 5 -1", "F5="));
}

void TestEditorCommands::missingProfileRefused() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"folder.ini"_s));
    const QStringList commands[] = {{u"get"_s, u"DefaultPlayer"_s, u"Name"_s},
                                    {u"set"_s, u"DefaultPlayer"_s, u"Name"_s, u"x"_s},
                                    {u"show"_s},
                                    {u"bind"_s, u"F5"_s, u"Boom!"_s},
                                    {u"unbind"_s, u"F5"_s},
                                    {u"voice"_s, u"Skaarj Hybrid Voice"_s},
                                    {u"erase"_s, u"--yes"_s},
                                    {u"backup"_s},
                                    {u"name"_s, u"Anna"_s}};
    for (const QString& place : {u"kvusr.ini"_s, u"System/kvuser.ini"_s, u"folder.ini"_s}) {
        const QString path = dir.filePath(place);
        for (const QStringList& command : commands) {
            const CliRun result = runCli(QStringList{u"--profile"_s, path} + command);
            QCOMPARE(result.exitCode, 1);
            QCOMPARE(result.err, u"no such profile: %1\n"_s.arg(QDir::toNativeSeparators(path)));
        }
    }
    QCOMPARE(folderSnapshot(dir.path()).keys(), QStringList{dir.filePath(u"folder.ini"_s)});
}

void TestEditorCommands::showLeavesFileUntouched() {
    // Spelled otherwise than the catalogue: the window's refresh would write the catalogue's spelling.
    TempProfile profile(gameProfile("botpack.voiceboss", "F5=speech 3 13 -1\r\n"));
    const QDateTime past = QDateTime::currentDateTimeUtc().addDays(-3);
    QFile file(profile.path());
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(past, QFileDevice::FileModificationTime));
    file.close();
    const QByteArray before = profile.read();
    const CliRun result = run(profile, {u"show"_s});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains(u"Unreal Tournament Boss Voice"_s));
    QCOMPARE(profile.read(), before);
    QCOMPARE(QFileInfo(profile.path()).lastModified().toUTC().toSecsSinceEpoch(), past.toSecsSinceEpoch());
}

QTEST_GUILESS_MAIN(TestEditorCommands)
#include "tst_EditorCommands.moc"
