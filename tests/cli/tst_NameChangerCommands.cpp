// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace parlomatic::test;

namespace {

const QByteArray profileBefore = "[DefaultPlayer]\r\nName=Player\r\nTeam=255\r\n\r\n[Engine.Input]\r\nF5=Jump\r\n";

} // namespace

class NameChangerCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void elite_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("out");
        QTest::newRow("Anna") << QStringLiteral("Anna") << QStringLiteral("@NN@\n\u00C5\u00F1\u00F1\u00C5\n");
        QTest::newRow("max 2003") << QStringLiteral("max 2003")
                                  << QStringLiteral("/v\\@\u00BB\u00AB 2003\nM\u00C5x 2003\n");
        QTest::newRow("non-ASCII argument")
            << QStringLiteral("\u00C4fy") << QStringLiteral("\u00E4\u0192\u0178\n\u00E4f\u00FD\n");
        QTest::newRow("empty") << QString() << QStringLiteral("\n\n");
    }
    void elite() {
        QFETCH(QString, text);
        QFETCH(QString, out);
        const CliRun run = runCli({QStringLiteral("elite"), text});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, out);
        QVERIFY(run.err.isEmpty());
    }

    void name_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("nameBytes");
        QTest::newRow("as typed") << QStringList{QStringLiteral("Anna")} << QByteArray("Anna");
        QTest::newRow("first form") << QStringList{QStringLiteral("Anna"), QStringLiteral("--form"),
                                                   QStringLiteral("1")}
                                    << QByteArray("\x40\x4E\x4E\x40");
        QTest::newRow("second form, option first")
            << QStringList{QStringLiteral("--form=2"), QStringLiteral("Anna")} << QByteArray("\xC5\xF1\xF1\xC5");
        QTest::newRow("f and y") << QStringList{QStringLiteral("fy"), QStringLiteral("--form"), QStringLiteral("1")}
                                 << QByteArray("\x83\x9F");
        QTest::newRow("empty") << QStringList{QString()} << QByteArray();
    }
    void name() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, nameBytes);
        QTemporaryDir folder;
        const QString path = profileIn(folder, profileBefore);
        QVERIFY(!path.isEmpty());

        const CliRun run = runCli(QStringList{QStringLiteral("--profile"), path, QStringLiteral("name")} + arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("OK, new Name was written to ini File\n"));
        QVERIFY(run.err.isEmpty());
        QByteArray expected = profileBefore;
        QCOMPARE(fileBytes(path).value_or("<missing>"), expected.replace("Name=Player", "Name=" + nameBytes));
    }

    void nameNotWritten() {
#ifdef Q_OS_WIN
        QSKIP("needs chattr +i, which Windows does not have");
#endif
        QTemporaryDir folder;
        const QString file = profileIn(folder, profileBefore);
        QVERIFY(!file.isEmpty());
        // An immutable file: root too cannot replace it.
        QCOMPARE(QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), file}), 0);
        const CliRun run = runCli({QStringLiteral("--profile"), file, QStringLiteral("name"), QStringLiteral("Anna")});
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith(
                     QStringLiteral("The new Name was NOT written to %1:\n").arg(QDir::toNativeSeparators(file))),
                 qPrintable(run.err));
        QCOMPARE(fileBytes(file).value_or("<missing>"), profileBefore);
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("elite without text") << QStringList{QStringLiteral("elite")}
                                            << QStringLiteral("usage: parlomatic-cli [--profile PATH] elite TEXT");
        QTest::newRow("elite with two texts")
            << QStringList{QStringLiteral("elite"), QStringLiteral("a"), QStringLiteral("b")}
            << QStringLiteral("elite: expected 1 arguments, got 2");
        QTest::newRow("name without text")
            << QStringList{QStringLiteral("name")}
            << QStringLiteral("usage: parlomatic-cli [--profile PATH] name TEXT [--form 1|2]");
        QTest::newRow("form 3") << QStringList{QStringLiteral("name"), QStringLiteral("Anna"), QStringLiteral("--form"),
                                               QStringLiteral("3")}
                                << QStringLiteral("name: --form must be 1 or 2, not \"3\"");
        QTest::newRow("form without value")
            << QStringList{QStringLiteral("name"), QStringLiteral("Anna"), QStringLiteral("--form")}
            << QStringLiteral("Missing value after '--form'");
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = profileIn(folder, profileBefore);
        QVERIFY(!path.isEmpty());

        const CliRun run = runCli(QStringList{QStringLiteral("--profile"), path} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(fileBytes(path).value_or("<missing>"), profileBefore);
    }
};

QTEST_GUILESS_MAIN(NameChangerCommandsTest)
#include "tst_NameChangerCommands.moc"
