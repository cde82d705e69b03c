// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SpeechTool.h"
#include "profile/ProfileFile.h"
#include "support/CliRunner.h"
#include "support/ScriptedInteraction.h"
#include "support/StartedTool.h"
#include "support/TempProfile.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

QString value(const TempProfile& profile, const QString& key) {
    return ProfileFile(profile.path()).ReadEntry(u"Engine.Input"_s, key, u"<missing>"_s, 100);
}

} // namespace

class TestHistoryCommands : public QObject {
    Q_OBJECT

private slots:
    void readingCommandsWriteNothing();
    void undoIsSharedWithTheWindow();
    void unbindPutsTheCommandBack();
    void concurrentWritersKeepEveryRecord();
    void backupKeepsTheGoodCopy();
    void realProfiles_data();
    void realProfiles();

private:
    CliRun run(const TempProfile& profile, const QStringList& arguments) const {
        return runCli(QStringList{u"--profile"_s, profile.path()} + arguments, {}, m_home.path());
    }
    QString historyFolder() const { return m_home.filePath(u".local/share/Parlomatic/history"_s); }
    QTemporaryDir m_home;
};

// A refresh that may write would give Voice the catalogue's letters and a history.
void TestHistoryCommands::readingCommandsWriteNothing() {
    TempProfile profile(gameProfile("botpack.voiceboss", "F5=speech 0 1 -1\r\n"));
    const QDateTime dated = QDateTime::currentDateTimeUtc().addDays(-3);
    QVERIFY(putFileDated(profile.path(), profile.read(), dated));
    const QByteArray bytes = profile.read();
    const quint64 inode = profile.inode();
    const QString png = profile.dir() + u"/map.png"_s;
    const QList<QStringList> commands{{u"show"_s},
                                      {u"show"_s, u"--json"_s},
                                      {u"get"_s, u"DefaultPlayer"_s, u"Voice"_s},
                                      {u"keymap"_s, u"--png"_s, png},
                                      {u"profiles"_s},
                                      {u"status"_s},
                                      {u"history"_s},
                                      {u"catalogue"_s}};
    for (const QStringList& command : commands) {
        run(profile, command);
        QCOMPARE(profile.read(), bytes);
        QCOMPARE(profile.inode(), inode);
        QCOMPARE(QFileInfo(profile.path()).lastModified().toUTC(), dated);
        QVERIFY2(!QFileInfo::exists(historyFolder()), qPrintable(command.join(u' ')));
    }
}

// The window and the command line keep one history: either undoes the other's change.
void TestHistoryCommands::undoIsSharedWithTheWindow() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    ScriptedInteraction interaction;
    ChangeRecorder recorder(ChangeHistory(historyFolder()), ChangeSource::Window);
    SpeechTool tool(interaction);
    tool.setRecorder(&recorder);
    QVERIFY(startUp(tool, interaction, {profile.dir()}, u"/"_s));
    tool.selectTaunt(static_cast<int>(tool.all_taunts().items().indexOf(u"Roger"_s)));
    tool.selectKey(static_cast<int>(tool.allKeys().items().indexOf(u"F7: "_s + QString(30, u' '))));
    QVERIFY(tool.assignSpeech_Click().written());

    const CliRun undone = run(profile, {u"undo"_s});
    QCOMPARE(undone.exitCode, 0);
    QCOMPARE(undone.out, u"Undid: F7 now says \"Roger\"\n"_s);
    QCOMPARE(value(profile, u"F7"_s), u"<missing>"_s);

    QCOMPARE(run(profile, {u"bind"_s, u"F8"_s, u"Roger"_s}).exitCode, 0);
    ProfileFile(profile.path()).WriteEntry(u"Engine.Input"_s, u"F8"_s, u"Jump"_s);
    const CliRun refused = run(profile, {u"undo"_s});
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err, u"These entries changed since: F8 (now \"Jump\"). Nothing was undone; give --force to "
                          "undo all the same.\n"_s);
    QCOMPARE(run(profile, {u"undo"_s, u"--force"_s}).exitCode, 0);
    QCOMPARE(value(profile, u"F8"_s), u"<missing>"_s);

    const QJsonArray history = QJsonDocument::fromJson(run(profile, {u"history"_s, u"--json"_s}).out.toUtf8()).array();
    QStringList seen;
    for (const QJsonValue& record : history)
        seen.append(record[u"source"].toString() + u": "_s + record[u"description"].toString());
    QCOMPARE(seen,
             (QStringList{u"command line: Undid: F8 now says \"Roger\""_s, u"command line: F8 now says \"Roger\""_s,
                          u"command line: Undid: F7 now says \"Roger\""_s, u"window: F7 now says \"Roger\""_s}));
    QVERIFY(history.at(3)[u"undone"].toBool());
    QCOMPARE(history.at(3)[u"entries"][0][u"before"], QJsonValue(QJsonValue::Null));
}

void TestHistoryCommands::unbindPutsTheCommandBack() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss", "LeftMouse=Fire\r\n"));
    QCOMPARE(run(profile, {u"bind"_s, u"LeftMouse"_s, u"Roger"_s, u"--replace"_s}).exitCode, 0);
    const CliRun putBack = run(profile, {u"unbind"_s, u"LeftMouse"_s});
    QCOMPARE(putBack.out, u"LeftMouse: Fire put back\n"_s);
    QCOMPARE(value(profile, u"LeftMouse"_s), u"Fire"_s);
    QCOMPARE(run(profile, {u"bind"_s, u"LeftMouse"_s, u"Roger"_s, u"--replace"_s}).exitCode, 0);
    QCOMPARE(run(profile, {u"unbind"_s, u"LeftMouse"_s, u"--clear"_s}).exitCode, 0);
    QCOMPARE(value(profile, u"LeftMouse"_s), QString());
}

// Two programs record at once: the lock keeps every record of both.
void TestHistoryCommands::concurrentWritersKeepEveryRecord() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    QList<QProcess*> writers;
    for (int i = 0; i < 12; ++i) {
        auto* writer = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_DATA_HOME"_s, m_home.filePath(u".local/share"_s));
        writer->setProcessEnvironment(environment);
        writer->start(QStringLiteral(PARLOMATIC_CLI_PATH),
                      {u"--profile"_s, profile.path(), u"set"_s, u"Test"_s, u"K%1"_s.arg(i), u"v"_s});
        writers.append(writer);
    }
    for (QProcess* writer : writers) {
        QVERIFY(writer->waitForFinished(60000));
        QCOMPARE(writer->exitCode(), 0);
    }
    const QJsonArray history = QJsonDocument::fromJson(run(profile, {u"history"_s, u"--json"_s}).out.toUtf8()).array();
    QCOMPARE(history.size(), 12);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(ProfileFile(profile.path()).ReadEntry(u"Test"_s, u"K%1"_s.arg(i), {}, 10), u"v"_s);
}

void TestHistoryCommands::backupKeepsTheGoodCopy() {
    TempProfile profile(gameProfile("BotPack.VoiceBoss"));
    const QByteArray good = profile.read();
    QCOMPARE(run(profile, {u"backup"_s}).exitCode, 0);
    profile.write({});
    const CliRun refused = run(profile, {u"backup"_s});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY(refused.err.contains(u"so the backup kvuser1.bak was kept as it is"_s));
    QCOMPARE(run(profile, {u"restore"_s}).exitCode, 0);
    QCOMPARE(profile.read(), good);
}

void TestHistoryCommands::realProfiles_data() {
    QTest::addColumn<QString>("path");
    QDirIterator files(QStringLiteral(PARLOMATIC_REALWORLD_DIR), {u"*.ini"_s}, QDir::Files);
    while (files.hasNext()) {
        const QString path = files.next();
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    if (!QFileInfo(QStringLiteral(PARLOMATIC_REALWORLD_DIR)).isDir())
        QTest::newRow("no real profiles") << QString();
}

// A change and its undo leave a real profile byte for byte as it was.
void TestHistoryCommands::realProfiles() {
    QFETCH(QString, path);
    if (path.isEmpty())
        QSKIP("The folder of real profiles is absent.");
    TempProfile profile(TempProfile::readFile(path));
    const QByteArray original = profile.read();
    QCOMPARE(run(profile, {u"set"_s, u"Engine.Input"_s, u"F7"_s, u"Jump"_s}).exitCode, 0);
    const QJsonArray history = QJsonDocument::fromJson(run(profile, {u"history"_s, u"--json"_s}).out.toUtf8()).array();
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.at(0)[u"entries"][0][u"after"].toString(), u"Jump"_s);
    QCOMPARE(run(profile, {u"undo"_s}).exitCode, 0);
    QCOMPARE(profile.read(), original);
}

QTEST_GUILESS_MAIN(TestHistoryCommands)
#include "tst_HistoryCommands.moc"
