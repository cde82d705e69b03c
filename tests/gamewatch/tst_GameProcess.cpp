// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/GameProcess.h"

#include <QtTest>

using namespace parlomatic;
using namespace Qt::StringLiterals;

class TestGameProcess : public QObject {
    Q_OBJECT

private slots:
    void recognises_data();
    void recognises();
};

void TestGameProcess::recognises_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("isGame");

    QTest::newRow("windows build, any case")
        << u"C:/UT/System/unrealTOURNAMENT.EXE"_s << QString() << QStringList() << true;
    QTest::newRow("wine: windows path in the command line")
        << u"/usr/bin/wine64-preloader"_s << u"UnrealTournamen"_s
        << QStringList{u"C:\\UnrealTournament\\System\\UnrealTournament.exe"_s} << true;
    QTest::newRow("proton script names the exe later")
        << u"/usr/bin/python3"_s << u"python3"_s
        << QStringList{u"python3"_s, u"proton"_s, u"waitforexitandrun"_s, u"/games/UT/System/UnrealTournament.exe"_s}
        << true;
    QTest::newRow("community patch System64")
        << u"/games/UT/System64/ut-bin-amd64"_s << u"ut-bin-amd64"_s << QStringList() << true;
    QTest::newRow("loki build, executable unreadable") << QString() << u"UnrealLinux.bin"_s << QStringList() << true;
    QTest::newRow("cut short name of UnrealTournament-bin")
        << QString() << u"UnrealTournamen"_s << QStringList() << true;
    QTest::newRow("another windows program")
        << u"/usr/bin/wine"_s << u"notepad.exe"_s << QStringList{u"C:\\windows\\notepad.exe"_s} << false;
    QTest::newRow("editor opening a native binary")
        << u"/usr/bin/vim"_s << u"vim"_s << QStringList{u"vim"_s, u"System/ut-bin"_s} << false;
    QTest::newRow("name only contained") << u"/opt/UnrealTournament.exe.old"_s << u"UnrealTournamex"_s << QStringList()
                                         << false;
}

void TestGameProcess::recognises() {
    QFETCH(QString, executable);
    QFETCH(QString, shortName);
    QFETCH(QStringList, arguments);
    QFETCH(bool, isGame);
    QCOMPARE(isGameProcess(ProcessInfo{1, executable, shortName, arguments}), isGame);
}

QTEST_GUILESS_MAIN(TestGameProcess)
#include "tst_GameProcess.moc"
