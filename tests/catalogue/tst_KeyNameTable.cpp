// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"

#include <QSet>
#include <QTest>

using namespace parlomatic;

class KeyNameTableTest : public QObject {
    Q_OBJECT

private slots:
    void count() {
        QCOMPARE(KeyNameTable().size(), 86);
        QCOMPARE(keyNameCount, 86);
    }

    // The first and last name of each group pin the order: a name left out or
    // added shifts every later index.
    void namesAtIndexes_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << QStringLiteral("LeftMouse");
        QTest::newRow("last of the named keys") << 16 << QStringLiteral("Down");
        QTest::newRow("digit 0") << 17 << QStringLiteral("0");
        QTest::newRow("digit 9") << 26 << QStringLiteral("9");
        QTest::newRow("F1") << 27 << QStringLiteral("F1");
        QTest::newRow("F12") << 38 << QStringLiteral("F12");
        QTest::newRow("Equals") << 39 << QStringLiteral("Equals");
        QTest::newRow("MouseY") << 46 << QStringLiteral("MouseY");
        QTest::newRow("letter A") << 47 << QStringLiteral("A");
        QTest::newRow("J follows H") << 55 << QStringLiteral("J");
        QTest::newRow("Q follows O") << 61 << QStringLiteral("Q");
        QTest::newRow("S follows Q") << 62 << QStringLiteral("S");
        QTest::newRow("Z follows X") << 68 << QStringLiteral("Z");
        QTest::newRow("NumPad0") << 69 << QStringLiteral("NumPad0");
        QTest::newRow("NumPad9") << 78 << QStringLiteral("NumPad9");
        QTest::newRow("GreyStar") << 79 << QStringLiteral("GreyStar");
        QTest::newRow("last") << 85 << QStringLiteral("MouseWheelUp");
    }
    void namesAtIndexes() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(KeyNameTable().at(index), name);
    }

    void lettersLeftOut_data() {
        QTest::addColumn<QString>("letter");
        for (const char* letter : {"I", "P", "R", "Y"})
            QTest::newRow(letter) << QString::fromLatin1(letter);
    }
    void lettersLeftOut() {
        QFETCH(QString, letter);
        QVERIFY(!KeyNameTable().contains(letter, Qt::CaseInsensitive));
    }

    void namesUnique() {
        const QSet<QString> unique(KeyNameTable().cbegin(), KeyNameTable().cend());
        QCOMPARE(unique.size(), KeyNameTable().size());
    }
};

QTEST_GUILESS_MAIN(KeyNameTableTest)
#include "tst_KeyNameTable.moc"
