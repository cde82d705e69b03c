// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"
#include "support/CliRunner.h"
#include "support/TempProfile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

#include <csignal>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

const QString cli = QStringLiteral(PARLOMATIC_CLI_PATH);

// About the size of a real profile, with a speech binding on F5 and a voicepack.
QByteArray largeProfile() {
    QByteArray lines;
    for (int i = 0; lines.size() < 13000; ++i)
        lines += "Key" + QByteArray::number(i) + "=SomeCommand | OtherCommand " + QByteArray::number(i) + "\r\n";
    return gameProfile("BotPack.VoiceBoss", "F5=speech 3 5 -1\r\n" + lines);
}

// Runs parlomatic-cli with a fault: call "fsize" leaves room for only error
// bytes per file (a full disk); "write" or "fsync" fails that call with the
// error number error for the files in folder.
CliRun runWithFault(const QStringList& arguments, const QString& call, int error, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LD_PRELOAD"_s, QStringLiteral(PARLOMATIC_FAILING_IO));
    environment.insert(u"ASAN_OPTIONS"_s, environment.value(u"ASAN_OPTIONS"_s) + u":verify_asan_link_order=0"_s);
    environment.insert(u"FAIL_CALL"_s, call);
    environment.insert(u"FAIL_FOLDER"_s, folder);
    environment.insert(u"FAIL_ERRNO"_s, QString::number(error));
    process.setProcessEnvironment(environment);
    const QString limit = call == u"fsize"_s ? u"ulimit -f %1;"_s.arg(error / 512) : QString();
    process.start(u"/bin/sh"_s,
                  QStringList{u"-c"_s, u"trap '' XFSZ;"_s + limit + u"exec \"$0\" \"$@\""_s, cli} + arguments);
    process.waitForFinished(60000);
    return CliRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                  QString::fromUtf8(process.readAllStandardError())};
}

QStringList strays(const TempProfile& profile) {
    return QDir(profile.dir()).entryList({u"*.parlomatic-*"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void twoWritersAtOnce();
    void killedAtAnyMoment();
    void inexactProfilePath();
};

void TestWriteFaults::faults_data() {
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("readOnlyFolder");

    const QList<std::pair<const char*, QStringList>> commands{
        {"set", {u"set"_s, u"DefaultPlayer"_s, u"Name"_s, u"Kestrel"_s}},
        {"bind", {u"bind"_s, u"F6"_s, u"Boom!"_s}},
        {"voice", {u"voice"_s, u"Marines Voicepack"_s}},
        {"erase", {u"erase"_s, u"--yes"_s}},
        {"backup", {u"backup"_s}},
        {"restore", {u"restore"_s}},
        {"name", {u"name"_s, u"Kestrel"_s}}};
    const QList<std::tuple<const char*, const char*, int>> faults{{"full disk, 0 bytes left", "fsize", 0},
                                                                  {"full disk, 4096 bytes left", "fsize", 4096},
                                                                  {"full disk, 8192 bytes left", "fsize", 8192},
                                                                  {"full disk, 12288 bytes left", "fsize", 12288},
                                                                  {"write: ENOSPC", "write", ENOSPC},
                                                                  {"write: EIO", "write", EIO},
                                                                  {"write: EDQUOT", "write", EDQUOT},
                                                                  {"sync: EIO", "fsync", EIO}};
    for (const auto& [fault, call, error] : faults) {
        for (const auto& [name, command] : commands)
            QTest::addRow("%s, %s", fault, name) << command << QString::fromLatin1(call) << error << false;
    }
    QTest::newRow("full disk, set, rewritten in place") << commands.front().second << u"fsize"_s << 0 << true;
}

// Whatever fails, a write changes nothing, says why (naming the profile once) and exits 1.
void TestWriteFaults::faults() {
    QFETCH(QStringList, command);
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(bool, readOnlyFolder);

    TempProfile profile(largeProfile());
    QVERIFY(putFile(profile.dir() + u"/kvuser1.bak"_s,
                    gameProfile("MultiMesh.SkaarjVoice") + QByteArray(profile.read().size(), ';')));
    if (readOnlyFolder && QProcess::execute(u"chattr"_s, {u"+i"_s, profile.dir()}) != 0)
        QSKIP("chattr +i is not available here");
    const auto cleanup = qScopeGuard([&] { QProcess::execute(u"chattr"_s, {u"-i"_s, profile.dir()}); });
    const auto before = folderSnapshot(profile.dir());

    const CliRun run = runWithFault(QStringList{u"--profile"_s, profile.path()} + command, call, error, profile.dir());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(qt_error_string(call == u"fsize"_s ? EFBIG : error)), qPrintable(run.err));
    QCOMPARE(run.err.count(profile.dir()), command.first() == u"backup"_s ? 0 : 1);
    QCOMPARE(folderSnapshot(profile.dir()), before);
}

// Our writers exclude each other: two changes made at the same moment both arrive.
void TestWriteFaults::twoWritersAtOnce() {
    TempProfile profile(largeProfile());
    for (int pair = 0; pair < 15; ++pair) {
        const QByteArray value = QByteArray::number(pair);
        QProcess first;
        QProcess second;
        first.start(cli, {u"--profile"_s, profile.path(), u"set"_s, u"A"_s, u"First"_s, QString::fromLatin1(value)});
        second.start(cli, {u"--profile"_s, profile.path(), u"set"_s, u"B"_s, u"Second"_s, QString::fromLatin1(value)});
        QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
        QCOMPARE(first.exitCode() + second.exitCode(), 0);
        const ProfileFile file(profile.path());
        QCOMPARE(file.ReadEntry(u"A"_s, u"First"_s, {}, 30), QString::fromLatin1(value));
        QCOMPARE(file.ReadEntry(u"B"_s, u"Second"_s, {}, 30), QString::fromLatin1(value));
    }
}

// A kill at any moment leaves the whole old or the whole new profile; the next write leaves no stray file.
void TestWriteFaults::killedAtAnyMoment() {
    QByteArray old = largeProfile();
    old += QByteArray(1 << 20, ';'); // a longer write widens the window for the kill
    TempProfile profile(old);
    int outcomes[2] = {0, 0};
    for (int round = 0; round < 30; ++round) {
        const QString value = u"Name%1"_s.arg(round);
        QProcess writer;
        writer.start(cli, {u"--profile"_s, profile.path(), u"set"_s, u"DefaultPlayer"_s, u"Name"_s, value});
        QVERIFY(writer.waitForStarted());
        QThread::usleep(QRandomGenerator::global()->bounded(150000));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();
        const QByteArray now = profile.read();
        const QByteArray written = QByteArray(old).replace("Name=Player", "Name=" + value.toLatin1());
        QVERIFY2(now == old || now == written, "the profile is neither the old nor the new one");
        ++outcomes[now == written ? 1 : 0];
        profile.write(old);
    }
    qInfo("kept the old profile %d times, the new one %d times", outcomes[0], outcomes[1]);
    QCOMPARE(runCli({u"--profile"_s, profile.path(), u"set"_s, u"A"_s, u"B"_s, u"C"_s}).exitCode, 0);
    QCOMPARE(strays(profile), QStringList());
}

// A path whose bytes are no valid text would name another file.
void TestWriteFaults::inexactProfilePath() {
    TempProfile profile(largeProfile());
    const auto before = folderSnapshot(profile.dir());
    QProcess process;
    process.setWorkingDirectory(profile.dir());
    process.start(u"/bin/sh"_s, {u"-c"_s, u"exec \"$0\" --profile \"$(printf 'kv\\377.ini')\" set A B C"_s, cli});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("not valid text"));
    QCOMPARE(folderSnapshot(profile.dir()), before);
}

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_WriteFaults.moc"
