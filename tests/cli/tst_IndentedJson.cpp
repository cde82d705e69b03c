// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IndentedJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace parlomatic::cli;
using namespace Qt::StringLiterals;

// The command line's JSON must read exactly as QJsonDocument's indented
// output of the same object, byte for byte, whatever the strings hold.
class TestIndentedJson : public QObject {
    Q_OBJECT

private slots:
    void matchesQJsonDocument_data() {
        QTest::addColumn<QStringList>("strings");
        QString controls;
        for (char16_t c = 0; c < 0x20; ++c)
            controls += QChar(c);
        QTest::newRow("none") << QStringList{};
        QTest::newRow("plain") << QStringList{u"F5"_s, u"I've got the flag"_s, QString()};
        QTest::newRow("quotes and backslashes") << QStringList{u"say \"hi\""_s, u"C:\\UT\\System\\"_s};
        QTest::newRow("control characters") << QStringList{controls, u"a\u007fb"_s};
        QTest::newRow("beyond ASCII") << QStringList{u"Déjà vu €"_s, u"日本語"_s, u"\U0001F600 pair"_s};
        QTest::newRow("broken surrogates")
            << QStringList{QString(QChar(0xD83D)) + u"x"_s, QString(QChar(0xDE00)),
                           QString(QChar(0xDE00)) + QChar(0xD83D), QString(QChar(0xD83D))};
    }

    void matchesQJsonDocument() {
        QFETCH(QStringList, strings);
        const QString single = strings.value(0);
        IndentedJsonObject ours;
        ours.add(u"list", strings);
        ours.add(u"number", qint64(-42));
        ours.add(u"text", single);
        const QJsonObject qt{{u"list"_s, QJsonArray::fromStringList(strings)}, {u"number"_s, -42}, {u"text"_s, single}};
        QCOMPARE(std::move(ours).text().toUtf8(), QJsonDocument(qt).toJson(QJsonDocument::Indented));
    }

    void emptyObject() {
        QCOMPARE(IndentedJsonObject().text().toUtf8(), QJsonDocument(QJsonObject()).toJson(QJsonDocument::Indented));
    }
};

QTEST_GUILESS_MAIN(TestIndentedJson)
#include "tst_IndentedJson.moc"
