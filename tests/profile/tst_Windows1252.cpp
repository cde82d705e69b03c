// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/Windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace parlomatic;

class Windows1252Test : public QObject {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void everyByteRoundTrips();
};

void Windows1252Test::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << u"speech 3 12 -1"_s << QByteArray("speech 3 12 -1");
    QTest::newRow("f with hook") << u"\u0192"_s << QByteArray("\x83");
    QTest::newRow("Y with diaeresis") << u"\u0178"_s << QByteArray("\x9F");
    QTest::newRow("euro") << u"\u20AC"_s << QByteArray("\x80");
    QTest::newRow("quotes and dashes") << u"\u201C\u201D\u2013\u2014\u2122"_s << QByteArray("\x93\x94\x96\x97\x99");
    QTest::newRow("Latin-1 letters") << u"\u00E4\u00F6\u00FC\u00DF\u00FF\u00A0"_s
                                     << QByteArray("\xE4\xF6\xFC\xDF\xFF\xA0");
    QTest::newRow("undefined bytes' characters")
        << u"\u0081\u008D\u008F\u0090\u009D"_s << QByteArray("\x81\x8D\x8F\x90\x9D");
    QTest::newRow("other C1 controls") << u"\u0080\u0083\u009F"_s << QByteArray("???");
    QTest::newRow("CJK") << u"\u4E2D"_s << QByteArray("?");
    QTest::newRow("Latin Extended-A outside the page") << u"\u0100\u0153\u0152"_s << QByteArray("?\x9C\x8C");
    QTest::newRow("surrogate pair is one character") << u"a\U0001F600b"_s << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"x"_s << QByteArray("?x");
    QTest::newRow("empty") << QString() << QByteArray();
}

void Windows1252Test::encode() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Windows1252::encode(text), bytes);
}

void Windows1252Test::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("83") << QByteArray("\x83") << u"\u0192"_s;
    QTest::newRow("9F") << QByteArray("\x9F") << u"\u0178"_s;
    QTest::newRow("80") << QByteArray("\x80") << u"\u20AC"_s;
    QTest::newRow("8A 8E 9A 9E") << QByteArray("\x8A\x8E\x9A\x9E") << u"\u0160\u017D\u0161\u017E"_s;
    QTest::newRow("undefined bytes") << QByteArray("\x81\x8D\x8F\x90\x9D") << u"\u0081\u008D\u008F\u0090\u009D"_s;
    QTest::newRow("upper half") << QByteArray("\xA0\xC4\xFF") << u"\u00A0\u00C4\u00FF"_s;
    QTest::newRow("NUL kept") << QByteArray("a\0b", 3) << u"a"_s + QChar(u'\0') + u"b"_s;
}

void Windows1252Test::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Windows1252::decode(bytes), text);
}

void Windows1252Test::everyByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Windows1252::encode(text), all);
}

QTEST_GUILESS_MAIN(Windows1252Test)
#include "tst_Windows1252.moc"
