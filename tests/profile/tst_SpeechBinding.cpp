// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/SpeechBinding.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic;

class SpeechBindingTest : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void readBack_data();
    void readBack();
};

void SpeechBindingTest::text_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::newRow("3 12") << 3 << 12 << u"speech 3 12 -1"_s;
    QTest::newRow("0 0") << 0 << 0 << u"speech 0 0 -1"_s;
    QTest::newRow("9 9 placeholder") << 9 << 9 << u"speech 9 9 -1"_s;
    QTest::newRow("4 26") << 4 << 26 << u"speech 4 26 -1"_s;
}

void SpeechBindingTest::text() {
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(QString, expected);
    const QString value = speechBindingText(static_cast<qint16>(type), static_cast<qint16>(index));
    QCOMPARE(value, expected);
    QCOMPARE(readSpeechBinding(value), (SpeechBinding{static_cast<qint16>(type), static_cast<qint16>(index)}));
}

void SpeechBindingTest::readBack_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("recognised");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("indexText");
    QTest::addColumn<int>("type"); // -1: no numeric read-back
    QTest::addColumn<int>("index");

    QTest::newRow("one-digit index") << u"speech 3 5 -1"_s << true << u"3"_s << u"5"_s << 3 << 5;
    QTest::newRow("two-digit index") << u"speech 2 11 -1"_s << true << u"2"_s << u"11"_s << 2 << 11;
    QTest::newRow("4 26") << u"speech 4 26 -1"_s << true << u"4"_s << u"26"_s << 4 << 26;
    QTest::newRow("4 2") << u"speech 4 2 -1"_s << true << u"4"_s << u"2"_s << 4 << 2;
    QTest::newRow("leading zero") << u"speech 4 05 -1"_s << true << u"4"_s << u"05"_s << 4 << 5;
    QTest::newRow("Speech") << u"Speech 3 5 -1"_s << true << u"3"_s << u"5"_s << 3 << 5;
    QTest::newRow("SPEECH") << u"SPEECH 3 5 -1"_s << true << u"3"_s << u"5"_s << 3 << 5;
    QTest::newRow("sPEECH not recognised") << u"sPEECH 3 5 -1"_s << false << u"3"_s << u"5"_s << -1 << -1;
    QTest::newRow("sPeech not recognised") << u"sPeech 3 5 -1"_s << false << u"3"_s << u"5"_s << -1 << -1;
    QTest::newRow("speech alone") << u"speech"_s << true << QString() << QString() << -1 << -1;
    QTest::newRow("speech x") << u"speech x"_s << true << u"x"_s << QString() << -1 << -1;
    QTest::newRow("speech 3") << u"speech 3"_s << true << u"3"_s << QString() << -1 << -1;
    QTest::newRow("speech 3 blank") << u"speech 3 "_s << true << u"3"_s << QString() << -1 << -1;
    QTest::newRow("index ends the value") << u"speech 3 5"_s << true << u"3"_s << u"5"_s << 3 << 5;
    QTest::newRow("letters") << u"speech a bc -1"_s << true << u"a"_s << u"bc"_s << -1 << -1;
    QTest::newRow("index digit and sign") << u"speech 3 5-1"_s << true << u"3"_s << u"5-"_s << -1 << -1;
    QTest::newRow("two-digit type") << u"speech 31 5 -1"_s << true << u"3"_s << u" 5"_s << -1 << -1;
    QTest::newRow("non-ASCII digit") << u"speech \u0663 5 -1"_s << true << u"\u0663"_s << u"5"_s << -1 << -1;
    QTest::newRow("empty") << QString() << false << QString() << QString() << -1 << -1;
    QTest::newRow("short word") << u"spee"_s << false << QString() << QString() << -1 << -1;
    QTest::newRow("other binding") << u"Jump"_s << false << QString() << QString() << -1 << -1;
}

void SpeechBindingTest::readBack() {
    QFETCH(QString, value);
    QFETCH(bool, recognised);
    QFETCH(QString, typeText);
    QFETCH(QString, indexText);
    QFETCH(int, type);
    QFETCH(int, index);

    QCOMPARE(isSpeechBinding(value), recognised);
    QCOMPARE(speechTypeText(value), typeText);
    QCOMPARE(speechIndexText(value), indexText);
    const std::optional<SpeechBinding> numbers = readSpeechBinding(value);
    if (type < 0) {
        QVERIFY(!numbers);
    } else {
        QVERIFY(numbers);
        QCOMPARE(numbers->type, type);
        QCOMPARE(numbers->index, index);
    }
}

QTEST_GUILESS_MAIN(SpeechBindingTest)
#include "tst_SpeechBinding.moc"
