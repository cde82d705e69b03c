// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic::test;

namespace {

const QByteArray profile = "[DefaultPlayer]\r\nName=Player\r\nVoice=BotPack.VoiceBoss\r\n\r\n[Engine.Input]\r\n"
                           "F5=speech 3 12 -1\r\nF6=0123456789012345678901234567890123456789\r\nF7=\r\n";

} // namespace

class ProfileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void get_data();
    void get();
    void set_data();
    void set();
    void setFailure_data();
    void setFailure();
    void usageErrors_data();
    void usageErrors();
};

void ProfileCommandsTest::get_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");

    QTest::newRow("value") << QStringList{u"Engine.Input"_s, u"F5"_s} << u"speech 3 12 -1\n"_s;
    QTest::newRow("names in any case") << QStringList{u"engine.input"_s, u"f5"_s} << u"speech 3 12 -1\n"_s;
    QTest::newRow("whole long value") << QStringList{u"Engine.Input"_s, u"F6"_s}
                                      << u"0123456789012345678901234567890123456789\n"_s;
    QTest::newRow("capacity 30 cuts to 29")
        << QStringList{u"Engine.Input"_s, u"F6"_s, u"--capacity"_s, u"30"_s} << u"01234567890123456789012345678\n"_s;
    QTest::newRow("empty value") << QStringList{u"Engine.Input"_s, u"F7"_s, u"--default"_s, u"x"_s} << u"\n"_s;
    QTest::newRow("missing key, no default") << QStringList{u"Engine.Input"_s, u"F8"_s} << u"\n"_s;
    QTest::newRow("missing key, default without trailing blanks")
        << QStringList{u"Engine.Input"_s, u"F8"_s, u"--default"_s, u"noVoice   "_s} << u"noVoice\n"_s;
    QTest::newRow("code page to UTF-8") << QStringList{u"Other"_s, u"Text"_s} << u"\u0192\u0178\u20AC\n"_s;
}

void ProfileCommandsTest::get() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QTemporaryDir dir;
    const QString path = profileIn(dir, profile + "[Other]\r\nText=\x83\x9F\x80\r\n");
    QVERIFY(!path.isEmpty());

    const CliRun run = runCli(QStringList{u"--profile"_s, path, u"get"_s} + arguments);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out, out);
    QVERIFY(run.err.isEmpty());
}

void ProfileCommandsTest::set_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace") << QStringList{u"Engine.Input"_s, u"F5"_s, u"speech 4 26 -1"_s}
                             << QByteArray(profile).replace("speech 3 12 -1", "speech 4 26 -1");
    QTest::newRow("erase") << QStringList{u"Engine.Input"_s, u"F5"_s, QString()}
                           << QByteArray(profile).replace("F5=speech 3 12 -1", "F5=");
    QTest::newRow("insert") << QStringList{u"DefaultPlayer"_s, u"Team"_s, u"1"_s}
                            << QByteArray(profile).replace("VoiceBoss\r\n", "VoiceBoss\r\nTeam=1\r\n");
    QTest::newRow("value starting with -")
        << QStringList{u"--"_s, u"Engine.Input"_s, u"F7"_s, u"-1"_s} << QByteArray(profile).replace("F7=", "F7=-1");
    QTest::newRow("to the code page") << QStringList{u"DefaultPlayer"_s, u"Name"_s, u"\u0192\u4E2D"_s}
                                      << QByteArray(profile).replace("Name=Player", "Name=\x83?");
}

void ProfileCommandsTest::set() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = profileIn(dir, profile);
    QVERIFY(!path.isEmpty());

    const CliRun run = runCli(QStringList{u"--profile"_s, path, u"set"_s} + arguments);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.isEmpty());
    QCOMPARE(fileBytes(path).value_or("<missing>"), after);
}

void ProfileCommandsTest::setFailure_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");

    QTest::newRow("line break in value") << u"kvuser.ini"_s
                                         << QStringList{u"Engine.Input"_s, u"F5"_s, u"x\n[evil]\np=q"_s}
                                         << u"line break"_s;
    QTest::newRow("key starting with ;") << u"kvuser.ini"_s << QStringList{u"Engine.Input"_s, u";F5"_s, u"x"_s}
                                         << u"must not start with"_s;
    QTest::newRow("missing folder") << u"missing/kvuser.ini"_s << QStringList{u"Engine.Input"_s, u"F5"_s, u"x"_s}
                                    << u"no such profile: "_s;
}

void ProfileCommandsTest::setFailure() {
    QFETCH(QString, relativePath);
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = profileIn(dir, profile);
    QVERIFY(!path.isEmpty());

    const CliRun run = runCli(QStringList{u"--profile"_s, dir.filePath(relativePath), u"set"_s} + arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QCOMPARE(fileBytes(path).value_or("<missing>"), profile);
    QVERIFY(!QFile::exists(dir.filePath(u"missing"_s)));
}

void ProfileCommandsTest::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("get without key") << QStringList{u"get"_s, u"Engine.Input"_s} << u"expected 2 arguments, got 1"_s;
    QTest::newRow("get with a value") << QStringList{u"get"_s, u"S"_s, u"K"_s, u"V"_s}
                                      << u"expected 2 arguments, got 3"_s;
    QTest::newRow("capacity not a number")
        << QStringList{u"get"_s, u"S"_s, u"K"_s, u"--capacity"_s, u"many"_s} << u"--capacity needs a whole number"_s;
    QTest::newRow("set without value") << QStringList{u"set"_s, u"S"_s, u"K"_s} << u"expected 3 arguments, got 2"_s;
}

void ProfileCommandsTest::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"kvuser.ini"_s);

    const CliRun run = runCli(QStringList{u"--profile"_s, path} + arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(ProfileCommandsTest)
#include "tst_ProfileCommands.moc"
