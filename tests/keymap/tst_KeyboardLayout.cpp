// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"
#include "keymap/KeyboardLayout.h"

#include <QtTest>

using namespace parlomatic;

class TestKeyboardLayout : public QObject {
    Q_OBJECT

private slots:
    void holdsEveryKeyNameOnce();
    void keysDoNotOverlap();
    void arrowsMoveToNeighbour_data();
    void arrowsMoveToNeighbour();
};

void TestKeyboardLayout::holdsEveryKeyNameOnce() {
    QMap<QString, int> count;
    for (const KeyCap& key : keyboardLayout())
        ++count[key.name];
    for (const QString& name : KeyNameTable())
        QVERIFY2(count.value(name) == 1, qPrintable(name));
    // Named keys outside the table are the game's names for keys this program cannot bind.
    for (const QString& name : {QStringLiteral("Backspace"), QStringLiteral("I"), QStringLiteral("RShift")})
        QCOMPARE(count.value(name), 1);
}

void TestKeyboardLayout::keysDoNotOverlap() {
    const std::vector<KeyCap>& layout = keyboardLayout();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        for (std::size_t j = i + 1; j < layout.size(); ++j)
            QVERIFY2(!layout[i].place.intersects(layout[j].place),
                     qPrintable(layout[i].shownText() + QLatin1Char('/') + layout[j].shownText()));
    }
}

void TestKeyboardLayout::arrowsMoveToNeighbour_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<MoveDirection>("direction");
    QTest::addColumn<QString>("to");
    QTest::newRow("along a row") << "F5" << MoveDirection::Right << "F6";
    QTest::newRow("over a gap") << "F4" << MoveDirection::Right << "F5";
    QTest::newRow("row above") << "A" << MoveDirection::Up << "Q";
    QTest::newRow("into the wide key below") << "B" << MoveDirection::Down << "Space";
    QTest::newRow("across blocks") << "Backslash" << MoveDirection::Right << "Delete";
    QTest::newRow("left edge stays") << "Tab" << MoveDirection::Left << "Tab";
    QTest::newRow("arrow keys") << "Down" << MoveDirection::Up << "Up";
}

void TestKeyboardLayout::arrowsMoveToNeighbour() {
    QFETCH(QString, from);
    QFETCH(MoveDirection, direction);
    QFETCH(QString, to);
    const int target = neighbourKey(layoutIndexOf(from), direction);
    QCOMPARE(keyboardLayout().at(static_cast<std::size_t>(target)).name, to);
}

QTEST_GUILESS_MAIN(TestKeyboardLayout)
#include "tst_KeyboardLayout.moc"
