// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"
#include "support/CliRunner.h"
#include "support/StandInGame.h"
#include "support/TempProfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

const QString warning = u"Unreal Tournament is running: changes made now are undone when it quits; "
                        "Parlomatic will apply them again.\n"_s;

CliRun run(const TempProfile& profile, QStringList arguments) {
    return runCli(QStringList{u"--profile"_s, profile.path()} + arguments);
}

QJsonObject status(const TempProfile& profile) {
    return QJsonDocument::fromJson(run(profile, {u"status"_s, u"--json"_s}).out.toUtf8()).object();
}

} // namespace

class TestGameCommands : public QObject {
    Q_OBJECT

private slots:
    // The command line keeps its memory where the tests say, not in the tester's settings.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path())); }
    void writeCommandsWarnAndRememberWhileTheGameRuns();

private:
    QTemporaryDir m_settings;
};

void TestGameCommands::writeCommandsWarnAndRememberWhileTheGameRuns() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    const CliRun idle = run(profile, {u"status"_s});
    QCOMPARE(idle.exitCode, 0);
    QCOMPARE(idle.out, u"Unreal Tournament is not running.\nProfile: "_s + profile.path() + u"\n"_s);
    const CliRun quiet = run(profile, {u"set"_s, u"Engine.Input"_s, u"F4"_s, u"Jump"_s});
    QCOMPARE(quiet.exitCode, 0);
    QCOMPARE(quiet.err, QString());

    StandInGame game(profile.path());
    QVERIFY(game.ready());
    QJsonObject running = status(profile);
    QCOMPARE(running[u"gameRunning"_s].toBool(), true);
    QCOMPARE(running[u"gamePid"_s].toInteger(), game.pid());
    QCOMPARE(running[u"profile"_s].toString(), profile.path());

    const CliRun bound = run(profile, {u"bind"_s, u"F5"_s, u"Boom!"_s});
    QCOMPARE(bound.exitCode, 0);
    QCOMPARE(bound.err, warning);
    const CliRun refused = run(profile, {u"bind"_s, u"NoSuchKey"_s, u"Boom!"_s});
    QCOMPARE(refused.exitCode, 1); // the status of a failing command stays
    QVERIFY(refused.err.startsWith(warning));
    QVERIFY(run(profile, {u"unbind"_s, u"F9"_s}).err.startsWith(warning));
    const CliRun named = run(profile, {u"name"_s, u"Hero"_s});
    QCOMPARE(named.exitCode, 0);
    QCOMPARE(named.err, warning);
    QCOMPARE(status(profile)[u"changesToApplyAgain"_s].toInt(), 2);

    // The game quits and undoes both; the next write command puts them back first.
    game.quit();
    QCOMPARE(ProfileFile(profile.path()).ReadEntry(u"DefaultPlayer"_s, u"Name"_s, {}, 100), u"Player"_s);
    const CliRun after = run(profile, {u"set"_s, u"Engine.Input"_s, u"F4"_s, u"Duck"_s});
    QCOMPARE(after.exitCode, 0);
    QCOMPARE(after.err, u"Unreal Tournament undid 2 changes when it quit while Parlomatic was closed; "
                        "Parlomatic applied them again.\n"_s);
    const ProfileFile file(profile.path());
    QCOMPARE(file.ReadEntry(u"Engine.Input"_s, u"F5"_s, {}, 100), u"speech 3 13 -1"_s);
    QCOMPARE(file.ReadEntry(u"DefaultPlayer"_s, u"Name"_s, {}, 100), u"Hero"_s);
    QCOMPARE(file.ReadEntry(u"Engine.Input"_s, u"F4"_s, {}, 100), u"Duck"_s);
    QCOMPARE(status(profile)[u"changesToApplyAgain"_s].toInt(), 0);
}

QTEST_GUILESS_MAIN(TestGameCommands)
#include "tst_GameCommands.moc"
