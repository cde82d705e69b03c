// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CliRunner.h"

#include <QTest>

using namespace parlomatic::test;

class CliMainTest : public QObject {
    Q_OBJECT

private slots:
    void help_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("long") << QStringLiteral("--help");
        QTest::newRow("short") << QStringLiteral("-h");
    }
    void help() {
        QFETCH(QString, option);
        const CliRun run = runCli({option});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("--profile <PATH>")));
        QVERIFY(run.out.contains(QStringLiteral("catalogue [--json]")));
        QVERIFY(run.err.isEmpty());
    }

    void version() {
        const CliRun run = runCli({QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("parlomatic-cli " PARLOMATIC_VERSION));
        QVERIFY2(lines.contains(QStringLiteral(
                     "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.")),
                 qPrintable(run.out));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList{} << QStringLiteral("No command given.");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("bind-all")}
                                         << QStringLiteral("Unknown command \"bind-all\"");
        QTest::newRow("unknown global option") << QStringList{QStringLiteral("--verbose"), QStringLiteral("catalogue")}
                                               << QStringLiteral("Unknown option 'verbose'");
        QTest::newRow("help-all is not offered")
            << QStringList{QStringLiteral("--help-all")} << QStringLiteral("Unknown option 'help-all'");
        QTest::newRow("profile without a path")
            << QStringList{QStringLiteral("--profile")} << QStringLiteral("Missing value after '--profile'");
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(CliMainTest)
#include "tst_CliMain.moc"
