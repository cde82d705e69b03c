// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindowGeometry.h"

#include <QtTest>

using namespace parlomatic;

class TestMainWindowGeometry : public QObject {
    Q_OBJECT

private slots:
    void followsHeight_data();
    void followsHeight();
};

void TestMainWindowGeometry::followsHeight_data() {
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("lists");
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("buttonTop");

    QTest::newRow("minimum") << 5985 << 5985 << 4155 << 4545 << 5160;
    QTest::newRow("600 taller") << 6585 << 6585 << 4755 << 5145 << 5760;
    QTest::newRow("one pixel taller") << 6000 << 6000 << 4170 << 4560 << 5175;
    QTest::newRow("full screen") << 11520 << 11520 << 9690 << 10080 << 10695;
    QTest::newRow("one pixel short") << 5970 << 5985 << 4155 << 4545 << 5160;
    QTest::newRow("dragged far up") << 600 << 5985 << 4155 << 4545 << 5160;
    QTest::newRow("minimised to nothing") << 0 << 5985 << 4155 << 4545 << 5160;
    QTest::newRow("negative") << -405 << 5985 << 4155 << 4545 << 5160;
}

void TestMainWindowGeometry::followsHeight() {
    QFETCH(int, outerHeight);
    QFETCH(int, height);
    QFETCH(int, lists);
    QFETCH(int, panel);
    QFETCH(int, buttonTop);

    const MainWindowGeometry geometry = mainWindowGeometry(outerHeight);
    QCOMPARE(geometry, (MainWindowGeometry{10125, height, lists, panel, buttonTop}));
}

QTEST_GUILESS_MAIN(TestMainWindowGeometry)
#include "tst_mainwindowgeometry.moc"
