// SPDX-License-Identifier: GPL-3.0-or-later
#include "namechanger/EliteRules.h"
#include "namechanger/ExpectedEliteRules.h"

#include <QTest>

#include <algorithm>

using namespace parlomatic;
using parlomatic::test::expectedEliteRules;

namespace {

EliteRuleTable tableNumber(int number) {
    return number == 1 ? EliteRules1 : EliteRules2;
}

} // namespace

class tst_EliteRules : public QObject {
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void eachRule_data();
    void eachRule();
    void lettersWithoutRule_data();
    void lettersWithoutRule();
};

void tst_EliteRules::names_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("Anna") << QStringLiteral("Anna") << QStringLiteral("@NN@")
                          << QStringLiteral("\u00C5\u00F1\u00F1\u00C5");
    QTest::newRow("capitals without rule come out small")
        << QStringLiteral("HELLO") << QStringLiteral("h\u00EAll\u00D8") << QStringLiteral("h\u00CAll\u00F5");
    QTest::newRow("digits and blanks pass")
        << QStringLiteral("max 2003") << QStringLiteral("/v\\@\u00BB\u00AB 2003") << QStringLiteral("M\u00C5x 2003");
    QTest::newRow("replacement not rewritten again")
        << QStringLiteral("Tim") << QStringLiteral("T\u00CE/v\\") << QStringLiteral("t\u00EFM");
    QTest::newRow("m then v") << QStringLiteral("mv") << QStringLiteral("/v\\\\/") << QStringLiteral("Mv");
    QTest::newRow("punctuation") << QStringLiteral("a.b-c_!") << QStringLiteral("@.\u00FE-\u00A9_!")
                                 << QStringLiteral("\u00C5.\u00DF-\u00A2_!");
    QTest::newRow("umlaut lower-cased, no rule")
        << QStringLiteral("\u00C4\u00D6\u00DC\u00E4") << QStringLiteral("\u00E4\u00F6\u00FC\u00E4")
        << QStringLiteral("\u00E4\u00F6\u00FC\u00E4");
    QTest::newRow("surrogate pair kept whole") << QStringLiteral("A\U0001F600y") << QStringLiteral("@\U0001F600\u0178")
                                               << QStringLiteral("\u00C5\U0001F600\u00FD");
}

void tst_EliteRules::names() {
    QFETCH(QString, text);
    QFETCH(QString, first);
    QFETCH(QString, second);

    QCOMPARE(ApplyEliteRules(text, EliteRules1), first);
    QCOMPARE(ApplyEliteRules(text, EliteRules2), second);
}

void tst_EliteRules::eachRule_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("replacement");

    for (const auto& rule : expectedEliteRules())
        QTest::addRow("%d %c", rule.table, rule.letter)
            << rule.table << QChar(QLatin1Char(rule.letter)) << rule.replacement;
}

void tst_EliteRules::eachRule() {
    QFETCH(int, table);
    QFETCH(QChar, letter);
    QFETCH(QString, replacement);

    const EliteRuleTable rules = tableNumber(table);
    QCOMPARE(ApplyEliteRules(QString(letter), rules), replacement);
    QCOMPARE(ApplyEliteRules(QString(letter.toUpper()), rules), replacement);
    QCOMPARE(ApplyEliteRules(QString(letter) + letter.toUpper() + letter, rules),
             replacement + replacement + replacement);
}

void tst_EliteRules::lettersWithoutRule_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<QChar>("letter");

    for (int table : {1, 2}) {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const bool hasRule =
                std::any_of(expectedEliteRules().begin(), expectedEliteRules().end(),
                            [&](const auto& rule) { return rule.table == table && rule.letter == letter; });
            if (!hasRule)
                QTest::addRow("%d %c", table, letter) << table << QChar(QLatin1Char(letter));
        }
    }
}

void tst_EliteRules::lettersWithoutRule() {
    QFETCH(int, table);
    QFETCH(QChar, letter);

    const EliteRuleTable rules = tableNumber(table);
    QCOMPARE(ApplyEliteRules(QString(letter), rules), QString(letter));
    QCOMPARE(ApplyEliteRules(QString(letter.toUpper()), rules), QString(letter));
}

QTEST_GUILESS_MAIN(tst_EliteRules)
#include "tst_EliteRules.moc"
