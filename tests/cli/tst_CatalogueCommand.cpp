// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/KeyNameTable.h"
#include "catalogue/TauntTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "support/CliRunner.h"
#include "support/VoicepackRows.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace parlomatic;
using namespace parlomatic::test;

namespace {

QStringList sortedKeys(const QJsonObject& object) {
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

} // namespace

class CatalogueCommandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const CliRun run = runCli({QStringLiteral("catalogue"), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        m_jsonText = run.out;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        QVERIFY(document.isObject());
        m_json = document.object();
    }

    void jsonKeys() {
        QCOMPARE(sortedKeys(m_json), (QStringList{QStringLiteral("keys"), QStringLiteral("voicepacks")}));
        const QJsonArray keys = m_json.value(QStringLiteral("keys")).toArray();
        QCOMPARE(keys.size(), keyNameCount);
        for (int index = 0; index < keyNameCount; ++index)
            QCOMPARE(keys.at(index).toString(), KeyNameTable().at(index));
    }

    void jsonVoicepacks_data() { addVoicepackRows(); }
    void jsonVoicepacks() {
        QFETCH(int, voicepack);
        const QJsonArray voicepacks = m_json.value(QStringLiteral("voicepacks")).toArray();
        QCOMPARE(voicepacks.size(), voicePackCount);
        const QJsonObject record = voicepacks.at(voicepack).toObject();
        const VoicePackInfo& info = VoicePackCatalogue().at(static_cast<std::size_t>(voicepack));
        QCOMPARE(sortedKeys(record),
                 (QStringList{QStringLiteral("classPath"), QStringLiteral("displayName"), QStringLiteral("index"),
                              QStringLiteral("note"), QStringLiteral("taunts")}));
        QCOMPARE(record.value(QStringLiteral("index")).toInt(-1), voicepack);
        QCOMPARE(record.value(QStringLiteral("classPath")).toString(), info.classPath);
        QCOMPARE(record.value(QStringLiteral("displayName")).toString(), info.displayName);
        QCOMPARE(record.value(QStringLiteral("note")).toString(), info.note);

        const std::vector<TauntEntry>& entries = TauntTableFor(voicepack).entries;
        const QJsonArray taunts = record.value(QStringLiteral("taunts")).toArray();
        QCOMPARE(taunts.size(), static_cast<qsizetype>(entries.size()));
        for (qsizetype slot = 0; slot < taunts.size(); ++slot) {
            const QJsonObject taunt = taunts.at(slot).toObject();
            const TauntEntry& entry = entries.at(static_cast<std::size_t>(slot));
            QCOMPARE(sortedKeys(taunt), (QStringList{QStringLiteral("label"), QStringLiteral("speechIndex"),
                                                     QStringLiteral("speechType")}));
            QCOMPARE(taunt.value(QStringLiteral("label")).toString(), entry.label);
            QCOMPARE(taunt.value(QStringLiteral("speechType")).toInt(-1), entry.speechType);
            QCOMPARE(taunt.value(QStringLiteral("speechIndex")).toInt(-1), entry.speechIndex);
        }
    }

    // Umlauts are written as UTF-8 bytes, not as \u escapes or in a local 8-bit code.
    void jsonIsUtf8() {
        QVERIFY(m_jsonText.contains(QStringLiteral("\"Bestätige\"")));
        QVERIFY(m_jsonText.contains(QStringLiteral("\"Du spielst so erbärmlich!\"")));
        QVERIFY(!m_jsonText.contains(QStringLiteral("\\u00")));
        QVERIFY(!m_jsonText.contains(QChar::ReplacementCharacter));
    }

    void listing() {
        const CliRun run = runCli({QStringLiteral("catalogue")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out.count(QStringLiteral("\nVoicepack ")), voicePackCount);
        QVERIFY(run.out.contains(QStringLiteral("Voicepack 12: DR.Boss Voicepack(german)\n")));
        QVERIFY(run.out.contains(QStringLiteral("    10    2     4 \"Fall out   \"\n")));
        QVERIFY(run.out.contains(QStringLiteral("    27    9     9 \"\" (placeholder)\n")));
        QVERIFY(run.out.contains(QStringLiteral("     4    1     1 \" i am on your fucking team\"\n")));
        QVERIFY(run.out.contains(QStringLiteral("     0    0     0 \"Bestätige\"\n")));
        QVERIFY(run.out.contains(QStringLiteral("  note:  This is not a standard Voicepack.\n"
                                                "          Make sure you have installed this pack, before you use it\n"
                                                "          This customvoicepack is in german language\n")));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("catalogue"), QStringLiteral("--xml")};
        QTest::newRow("extra argument") << QStringList{QStringLiteral("catalogue"), QStringLiteral("12")};
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains(QStringLiteral("usage: parlomatic-cli [--profile PATH] catalogue [--json]")));
    }

private:
    QString m_jsonText;
    QJsonObject m_json;
};

QTEST_GUILESS_MAIN(CatalogueCommandTest)
#include "tst_CatalogueCommand.moc"
