// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameSession.h"
#include "gamewatch/ProcessList.h"
#include "history/ChangeRecorder.h"
#include "profile/ProfileFile.h"
#include "profile/Windows1252.h"
#include "support/StandInGame.h"
#include "support/TempProfile.h"

#include <QSaveFile>
#include <QSignalSpy>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

const QByteArray profileText = gameProfile("BotPack.VoiceBoss", "F5=speech 3 13 -1\r\n");

QString entry(const TempProfile& profile, const QString& section, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(section, key, u"<missing>"_s, 200);
}

// A process list with or without the game in it.
struct FakeProcesses {
    bool gameRunning = false;
    ProcessLister lister() {
        return [this] {
            QList<ProcessInfo> list{{1, u"/sbin/init"_s, u"init"_s, {}}};
            if (gameRunning)
                list.append({2, u"/games/UT/System/UnrealTournament.exe"_s, {}, {}});
            return list;
        };
    }
};

void replaceAtomically(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    QVERIFY(file.commit());
}

// Writes section/key=value through the profile layer and records it as the window would.
void writeRecorded(ChangeRecorder& recorder, const QString& path, const QString& section, const QString& key,
                   const QString& value) {
    const ProfileFile file(path);
    QVERIFY(file.WriteEntry(section, key, value).ok());
    QVERIFY(recorder.record(path, file.takeChanges(), u"test change"_s).ok());
}

bool anyWaiting(const ChangeHistory& history, const QString& path) {
    const QList<HistoryRecord> records = history.read(path).records;
    return std::ranges::any_of(records, [](const HistoryRecord& record) { return record.pending; });
}

} // namespace

class TestGameSession : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_data.isValid()); }
    void standInGameExitIsUndoneAndTold();
    void rememberedAcrossRestart();
    void outsideReplacementsAreSeenNotRemembered();
    void theGameOrThePlayerWins_data();
    void theGameOrThePlayerWins();
    void entriesAreWhatReadsGive();

private:
    ChangeHistory history() const { return ChangeHistory(m_data.filePath(u"history"_s)); }
    QTemporaryDir m_data;
};

// The whole story with a real process: the game starts, the player binds a
// key and renames, the game quits and writes its old copy, the program writes
// the player's entries again and leaves the game's own change alone.
void TestGameSession::standInGameExitIsUndoneAndTold() {
    TempProfile profile(profileText);
    GameMonitor monitor(listProcesses, 50);
    ChangeRecorder recorder(history(), ChangeSource::Window, [&monitor] { return monitor.isRunning(); });
    GameSession session(profile.path(), history(), monitor);
    session.start();
    QVERIFY(!monitor.isRunning());
    QCOMPARE(session.statusLine(), QString());

    StandInGame game(profile.path());
    QVERIFY(game.ready());
    QTRY_VERIFY(monitor.isRunning());
    QCOMPARE(monitor.game()->pid, game.pid());
    QCOMPARE(session.statusLine(), u"Unreal Tournament is running: changes made now are undone when it quits; "
                                   "Parlomatic will apply them again."_s);

    writeRecorded(recorder, profile.path(), u"Engine.Input"_s, u"F6"_s, u"speech 3 1 -1"_s);
    writeRecorded(recorder, profile.path(), u"Engine.Input"_s, u"F5"_s, QString());
    session.ownChangesDone();
    writeRecorded(recorder, profile.path(), u"DefaultPlayer"_s, u"Name"_s, u"[{(\u00BBPl\u00C4y\u00CBr\u00AB)}]"_s);
    session.ownChangesDone();
    QVERIFY(anyWaiting(history(), profile.path()));

    QSignalSpy refreshes(&session, &GameSession::profileChanged);
    game.quit();
    QCOMPARE(entry(profile, u"Engine.Input"_s, u"F6"_s), u"<missing>"_s); // the game's exit undid it
    QTRY_VERIFY(!monitor.isRunning());
    QCOMPARE(entry(profile, u"Engine.Input"_s, u"F6"_s), u"speech 3 1 -1"_s);
    QCOMPARE(entry(profile, u"Engine.Input"_s, u"F5"_s), QString());
    QCOMPARE(entry(profile, u"DefaultPlayer"_s, u"Name"_s), u"[{(\u00BBPl\u00C4y\u00CBr\u00AB)}]"_s);
    QCOMPARE(entry(profile, u"DefaultPlayer"_s, u"Team"_s), u"1"_s);
    QCOMPARE(session.statusLine(), u"Unreal Tournament undid 3 changes when it quit; Parlomatic applied them again."_s);
    QVERIFY(refreshes.count() >= 1);
    QVERIFY(!anyWaiting(history(), profile.path()));
    QCOMPARE(history().read(profile.path()).records.constLast().source, ChangeSource::Reapply);

    // Once only: a later rewrite by someone else is left alone.
    profile.write(profileText);
    monitor.poll();
    QCOMPARE(entry(profile, u"Engine.Input"_s, u"F6"_s), u"<missing>"_s);
}

void TestGameSession::rememberedAcrossRestart() {
    TempProfile profile(profileText);
    FakeProcesses processes{true};
    {
        GameMonitor monitor(processes.lister());
        ChangeRecorder recorder(history(), ChangeSource::Window, [&monitor] { return monitor.isRunning(); });
        GameSession session(profile.path(), history(), monitor);
        session.start();
        writeRecorded(recorder, profile.path(), u"DefaultPlayer"_s, u"Voice"_s, u"BotPack.VoiceFemaleOne"_s);
        session.ownChangesDone();
    }
    // The program was closed; the game quits and writes its copy.
    processes.gameRunning = false;
    profile.write(profileText);

    GameMonitor monitor(processes.lister());
    GameSession session(profile.path(), history(), monitor);
    session.start();
    QCOMPARE(entry(profile, u"DefaultPlayer"_s, u"Voice"_s), u"BotPack.VoiceFemaleOne"_s);
    QCOMPARE(session.statusLine(), u"Unreal Tournament undid 1 change when it quit while Parlomatic was closed; "
                                   "Parlomatic applied it again."_s);
}

// Another program (or the game saving its menus) replaces the file by a
// rename, twice: both are seen, and none of it is the player's to re-apply.
void TestGameSession::outsideReplacementsAreSeenNotRemembered() {
    TempProfile profile(profileText);
    FakeProcesses processes{true};
    GameMonitor monitor(processes.lister());
    ChangeRecorder recorder(history(), ChangeSource::Window, [&monitor] { return monitor.isRunning(); });
    GameSession session(profile.path(), history(), monitor);
    session.start();
    QSignalSpy refreshes(&session, &GameSession::profileChanged);
    for (const QByteArray& binding : {QByteArray("F7=speech 3 2 -1\r\n"), QByteArray("F8=speech 3 4 -1\r\n")}) {
        replaceAtomically(profile.path(), gameProfile("BotPack.VoiceBoss", binding));
        QVERIFY(refreshes.wait(5000));
    }
    QCOMPARE(refreshes.count(), 2);
    QVERIFY(!anyWaiting(history(), profile.path()));

    // The program's own write is not reported back as an outside change.
    writeRecorded(recorder, profile.path(), u"Engine.Input"_s, u"F9"_s, u"speech 3 5 -1"_s);
    session.ownChangesDone();
    QVERIFY(!refreshes.wait(500));
    QVERIFY(anyWaiting(history(), profile.path()));
}

// While the game runs the player changes entries; then something sets them
// (the game's exit, the game's own menu, a restore or an undo of ours) before
// the game's exit is seen. Only what the exit undid is written again.
void TestGameSession::theGameOrThePlayerWins_data() {
    QTest::addColumn<QByteArray>("atExit");        // the game's copy, written at its exit
    QTest::addColumn<bool>("restoreWhileRunning"); // the player restores the profile of the start
    QTest::addColumn<QString>("leftMouse");        // what LeftMouse holds in the end
    QTest::addColumn<QString>("voice");
    QTest::addColumn<QString>("line");

    const QByteArray start = gameProfile("BotPack.VoiceBoss", "LeftMouse=Fire\r\n");
    // In each, the refresh's rewrite of Voice in the catalogue's letters is no change to apply again.
    QTest::newRow("the exit undid it") << start << false << u"speech 0 1 -1"_s << u"BotPack.VoiceBoss"_s
                                       << u"Unreal Tournament undid 1 change when it quit; Parlomatic applied it "
                                          "again."_s;
    QTest::newRow("changed in the game's menu")
        << gameProfile("BotPack.VoiceBoss", "LeftMouse=Jump\r\n") << false << u"Jump"_s << u"BotPack.VoiceBoss"_s
        << u"Unreal Tournament quit. 1 change was left as the game or the player set it."_s;
    QTest::newRow("restored meanwhile") << start << true << u"Fire"_s << u"BotPack.VoiceBoss"_s << QString();
}

void TestGameSession::theGameOrThePlayerWins() {
    QFETCH(QByteArray, atExit);
    QFETCH(bool, restoreWhileRunning);
    QFETCH(QString, leftMouse);
    QFETCH(QString, voice);
    QFETCH(QString, line);

    const QByteArray start = gameProfile("BotPack.VoiceBoss", "LeftMouse=Fire\r\n");
    TempProfile profile(start);
    FakeProcesses processes{true};
    GameMonitor monitor(processes.lister());
    ChangeRecorder recorder(history(), ChangeSource::Window, [&monitor] { return monitor.isRunning(); });
    GameSession session(profile.path(), history(), monitor);
    session.start();
    writeRecorded(recorder, profile.path(), u"DefaultPlayer"_s, u"Voice"_s, u"Botpack.VoiceBoss"_s);
    writeRecorded(recorder, profile.path(), u"Engine.Input"_s, u"LeftMouse"_s, u"speech 0 1 -1"_s);
    if (restoreWhileRunning) {
        const ProfileFile file(profile.path());
        QVERIFY(file.ReplaceContent(start).ok());
        QVERIFY(recorder.record(profile.path(), file.takeChanges(), u"Restored kvuser1.bak"_s).ok());
    }

    processes.gameRunning = false;
    profile.write(atExit);
    monitor.poll();
    QCOMPARE(entry(profile, u"Engine.Input"_s, u"LeftMouse"_s), leftMouse);
    QCOMPARE(entry(profile, u"DefaultPlayer"_s, u"Voice"_s), voice);
    QCOMPARE(session.statusLine(), line);
    QVERIFY(!anyWaiting(history(), profile.path()));

    // Checked once: the next start finds nothing to do.
    profile.write(atExit);
    GameSession next(profile.path(), history(), monitor);
    next.start();
    QCOMPARE(next.statusLine(), QString());
}

// What the game's watch sees of a profile is what reads of it give, in the
// code page and in UTF-16, with names alike only in ASCII case.
void TestGameSession::entriesAreWhatReadsGive() {
    const QString text = u"[Engine.Input]\r\nF5 = speech 3 13 -1 \r\n[\u00C4rger]\r\nK=1\r\n[\u00E4rger]\r\nK=2\r\n"
                         u"[engine.input]\r\nF6=x\r\n"_s;
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text)
        utf16 += QByteArray{char(c.unicode() & 0xFF), char(c.unicode() >> 8)};
    for (const QByteArray& bytes : {Windows1252::encode(text), utf16}) {
        TempProfile profile(bytes);
        const DecodedEntries entries = DecodedEntries::ofFile(profile.path());
        for (const auto& [section, key] : {std::pair{u"engine.INPUT"_s, u"f5"_s},
                                           {u"\u00C4rger"_s, u"K"_s},
                                           {u"\u00E4rger"_s, u"K"_s},
                                           {u"Engine.Input"_s, u"F6"_s}})
            QCOMPARE(entries.value(section, key).value_or(u"<missing>"_s), entry(profile, section, key));
    }
}

QTEST_GUILESS_MAIN(TestGameSession)
#include "tst_GameSession.moc"
