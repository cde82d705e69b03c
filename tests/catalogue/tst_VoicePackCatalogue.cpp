// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/VoicePackCatalogue.h"

#include <QSet>
#include <QTest>

using namespace parlomatic;

namespace {

const QString bonusPack = QStringLiteral("This Voice is part of the UT Bonuspack.\r\n"
                                         " Make sure you have installed this pack, before you use it.");
const QString bonusPackMale2 = QStringLiteral("This Voice is part of the UT Bonuspack.\r\n"
                                              " Make sure you have installed this pack, before you use it.\r\n"
                                              "Most of the Taunts are identical to UT Male2.");
const QString customPack = QStringLiteral("This is not a standard Voicepack.\r\n"
                                          " Make sure you have installed this pack, before you use it");
const QString germanCustomPack = QStringLiteral("This is not a standard Voicepack.\r\n"
                                                " Make sure you have installed this pack, before you use it\r\n"
                                                " This customvoicepack is in german language");

const VoicePackInfo& info(int index) {
    return VoicePackCatalogue().at(static_cast<std::size_t>(index));
}

} // namespace

class VoicePackCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void records_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("classPath");
        QTest::addColumn<QString>("displayName");
        QTest::addColumn<QString>("note");
        const auto row = [](int index, const char* classPath, const char* displayName, const QString& note) {
            QTest::addRow("%d %s", index, classPath)
                << index << QString::fromLatin1(classPath) << QString::fromLatin1(displayName) << note;
        };
        row(0, "grunt1package.Voicegrunt1", "Kelvanor Male", {});
        row(1, "Botpack.VoiceMaleOne", "Unreal Tournament Male Nr1", {});
        row(2, "Botpack.VoiceMaleTwo", "Unreal Tournament Male Nr2", {});
        row(3, "BotPack.VoiceFemaleOne", "Unreal Tournament Female Nr1", {});
        row(4, "BotPack.VoiceFemaleTwo", "Unreal Tournament Female Nr2", {});
        row(5, "BotPack.VoiceBoss", "Unreal Tournament Boss Voice", {});
        row(6, "MultiMesh.SkaarjVoice", "Skaarj Hybrid Voice", bonusPack);
        row(7, "MultiMesh.naliVoice", "Nali Voice", bonusPackMale2);
        row(8, "MultiMesh.CowVoice", "Nali Warcow Voice", bonusPackMale2);
        row(9, "flanders.flanders", "Ned Flanders Voicepack", customPack);
        row(10, "DeadeyePackage.VoiceDeadeye", "Deadeye Voicepack", customPack);
        row(11, "MarinesPackage.VoiceMarines", "Marines Voicepack", {});
        row(12, "DR_BOSS.DR_BOSS", "DR.Boss Voicepack(german)", germanCustomPack);
        row(13, "DaggetPackage.VoiceDagget", "Dagget Voicepack", customPack);
        row(14, "commandovoice2.commandovoice1", "KV Commando2 Voicepack", customPack);
    }
    void records() {
        QFETCH(int, index);
        QFETCH(QString, classPath);
        QFETCH(QString, displayName);
        QFETCH(QString, note);
        QCOMPARE(info(index).classPath, classPath);
        QCOMPARE(info(index).displayName, displayName);
        QCOMPARE(info(index).note, note);
    }

    // The refresh reads Voice into a 30-character field, so a class path must
    // fit in 29 characters; the longest uses all of them.
    void classPathsFitVoiceField() {
        qsizetype longest = 0;
        for (const VoicePackInfo& record : VoicePackCatalogue()) {
            QVERIFY2(record.classPath.size() <= 29, qPrintable(record.classPath));
            longest = std::max(longest, record.classPath.size());
        }
        QCOMPARE(longest, 29);
        QCOMPARE(info(14).classPath.size(), 29);
    }

    void displayNamesUnique() {
        QSet<QString> names;
        for (const VoicePackInfo& record : VoicePackCatalogue())
            names.insert(record.displayName);
        QCOMPARE(names.size(), voicePackCount);
    }

    void notesUseCrLf() {
        for (const VoicePackInfo& record : VoicePackCatalogue())
            QCOMPARE(record.note.count(QLatin1Char('\n')), record.note.count(QStringLiteral("\r\n")));
        QCOMPARE(info(12).note.split(QStringLiteral("\r\n")).size(), 3);
    }

    void voiceDefaultMatchesNoVoicepack() {
        QCOMPARE(voiceDefault(), QStringLiteral("noVoice") + QString(23, QLatin1Char(' ')));
        QCOMPARE(voiceDefault().size(), 30);
        for (const VoicePackInfo& record : VoicePackCatalogue())
            QVERIFY(!voiceDefault().startsWith(record.classPath, Qt::CaseInsensitive));
    }
};

QTEST_GUILESS_MAIN(VoicePackCatalogueTest)
#include "tst_VoicePackCatalogue.moc"
