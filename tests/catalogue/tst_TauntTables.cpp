// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/TauntTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "support/VoicepackRows.h"

#include <QList>
#include <QSet>
#include <QTest>

#include <iterator>
#include <utility>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

// One run of a taunt table: consecutive slots of one speech type whose indexes
// rise by one. Listed for every slot of every table, so that each slot's type
// and index is checked; the labels at both ends catch shifted or swapped rows.
struct Run {
    int voicepack;
    int firstSlot;
    int lastSlot;
    qint16 type;
    qint16 firstIndex;
    const char16_t* firstLabel;
    const char16_t* lastLabel;
};

const Run tableRuns[] = {
    {0, 0, 3, 0, 0, u"Affirmative             ", u"en route                "},
    {0, 4, 5, 1, 0, u"check your targets      ", u"friendly fire           "},
    {0, 6, 10, 2, 0, u"Dig in                  ", u"Fall out   "},
    {0, 11, 11, 2, 11, u"Patrol the perimeter    ", u"Patrol the perimeter    "},
    {0, 12, 26, 3, 0, u"die you enemy scum      ", u"got him                "},
    {0, 27, 27, 3, 16, u"not in my country      ", u"not in my country      "},
    {0, 28, 44, 4, 0, u"the base is not secure  ", u"mission completed      "},
    {0, 45, 45, 2, 10, u"Capture Objective      ", u"Capture Objective      "},
    {1, 0, 2, 0, 0, u"Got it", u"On My Way"},
    {1, 3, 4, 1, 0, u"Hey!  Same team!", u"On your team"},
    {1, 5, 9, 2, 0, u"Defend", u"engage according to parameters"},
    {1, 10, 26, 4, 0, u"Base is uncovered!", u"Objective destroyed"},
    {1, 27, 27, 9, 9, u"", u""},
    {1, 28, 28, 0, 3, u"I'm on it", u"I'm on it"},
    {1, 29, 44, 3, 0, u"Eat that!", u"You suck!"},
    {1, 45, 46, 2, 10, u"Take their flag", u"Search and destroy"},
    {2, 0, 2, 0, 0, u"Got it", u"On My Way"},
    {2, 3, 4, 1, 0, u"Same team!", u"On your team"},
    {2, 5, 9, 2, 0, u"Defend the base", u"Engage according to parameters"},
    {2, 10, 27, 4, 0, u"Base is uncovered!", u"Medic! "},
    {2, 28, 52, 3, 0, u"Eat that!", u"And stay down"},
    {2, 53, 54, 2, 10, u"Take their flag", u"Search and destroy"},
    {3, 0, 2, 0, 0, u"Got it", u"On My Way"},
    {3, 3, 4, 1, 0, u"Same team!", u"On your team"},
    {3, 5, 9, 2, 0, u"Defend the base", u"Engage to parameter"},
    {3, 10, 26, 4, 0, u"Base is uncovered!", u"Objective destroyed"},
    {3, 27, 27, 9, 9, u"", u""},
    {3, 28, 28, 9, 9, u"", u""},
    {3, 29, 50, 3, 0, u"Eat that!", u"Lets rock!"},
    {3, 51, 52, 2, 10, u"Take their flag", u"Search and destroy"},
    {4, 0, 2, 0, 0, u"Got it", u"On My Way"},
    {4, 3, 4, 1, 0, u"Hey!  Same team!", u"On your team"},
    {4, 5, 9, 2, 0, u"Defend", u"Engage according to parameter"},
    {4, 10, 26, 4, 0, u"Base is uncovered!", u"Objective destroyed"},
    {4, 27, 27, 9, 9, u"", u""},
    {4, 28, 54, 3, 0, u"Eat that!", u"Useless!"},
    {4, 55, 56, 2, 10, u"Take their flag", u"Search and destroy"},
    {5, 0, 2, 0, 0, u"Got it", u"On My Way"},
    {5, 3, 4, 1, 0, u"I am on your team!", u"Same team"},
    {5, 5, 9, 2, 0, u"Defend", u"Engage according to parameters"},
    {5, 10, 26, 4, 0, u"Base is uncovered!", u"Objective destroyed"},
    {5, 27, 27, 9, 9, u"", u""},
    {5, 28, 28, 9, 9, u"", u""},
    {5, 29, 48, 3, 0, u"Bow Down", u"I'm on fire"},
    {5, 49, 50, 2, 10, u"Take their flag", u"Search and destroy"},
    {6, 0, 2, 0, 0, u"Got it", u"On My Way"},
    {6, 3, 4, 1, 0, u"Same team!", u"On your team"},
    {6, 5, 9, 2, 0, u"Defend the base", u"Engage according to parameter"},
    {6, 10, 27, 4, 0, u"Base is uncovered!", u"Medic! "},
    {6, 28, 52, 3, 0, u"$#%#! (strange Sounds1)", u"And stay down!"},
    {7, 0, 2, 0, 0, u"Habouji!", u"Qupada!"},
    {7, 3, 4, 1, 0, u"Mouhaga!", u"Batai d va!"},
    {7, 5, 9, 2, 0, u"Defend the base", u"Engage according to parameter"},
    {7, 10, 11, 2, 10, u"Take their flag", u"Search and destroy"},
    {7, 12, 29, 4, 0, u"Base is uncovered!", u"Medic! "},
    {7, 30, 35, 3, 0, u"Bywonda!", u"Batai d va!"},
    {8, 0, 1, 0, 0, u"Moomuo", u"Moo"},
    {8, 2, 6, 2, 0, u"Defend the base", u"Engage according to parameter"},
    {8, 7, 8, 2, 10, u"Take their flag", u"Search and destroy"},
    {8, 9, 26, 4, 0, u"Base is uncovered!", u"Medic! "},
    {9, 0, 4, 0, 0, u"Okely dokily do", u"Oh indeedly doodly"},
    {9, 5, 6, 1, 0, u"Ohh! Thats a dilly", u"Ohh, dont you kids know anything"},
    {9, 7, 11, 2, 0, u"Welcome to our neighbourhood", u"A headly hoh"},
    {9, 12, 34, 3, 0, u"Cant you morons do anything right", u"look at your septic tanks"},
    {9, 35, 36, 3, 24, u"Welcome to new home", u"you will be history"},
    {10, 0, 2, 0, 0, u"Roger", u"I am on it"},
    {10, 3, 4, 1, 0, u"Same team!", u" i am on your fucking team"},
    {10, 5, 9, 2, 0, u"Defend the base", u"engage according to parameters"},
    {10, 10, 14, 4, 0, u"Base is uncovered!", u"I'm hit!"},
    {10, 15, 25, 4, 6, u"I'm getting hammered!", u"Objective destroyed"},
    {10, 26, 44, 3, 0, u"Awww yeah!", u"Suffer"},
    {11, 0, 4, 0, 0, u"You got it ,Corporal", u"I got your six!"},
    {11, 5, 7, 1, 0, u"Friendly fire FRIENDLY FIRE!", u"check your Zone"},
    {11, 8, 12, 2, 0, u"Fall Back!", u"Alright!You scout ahead"},
    {11, 13, 21, 4, 0, u"All Clear Sir!", u"Squad,quit down!"},
    {11, 22, 22, 4, 10, u"I ll tag em,you bag em", u"I ll tag em,you bag em"},
    {11, 23, 39, 3, 0, u"We re gonna kick your ass!", u"You want some of me ?"},
    {12, 0, 3, 0, 0, u"Bestätige", u"So gut wie erledigt"},
    {12, 4, 7, 1, 0, u"Ziel auf den Feind!", u"Pass doch auf!"},
    {12, 8, 12, 2, 0, u"Bleib bei unserer Basis", u"Geht entsprechend den Parameteren vor"},
    {12, 13, 14, 2, 10, u"Holt die Flagge", u"Freie Jagt!"},
    {12, 15, 35, 4, 0, u"Unsere Basis ist unverteidigt!", u"Ein fairer Kampf! "},
    {12, 36, 60, 3, 0, u"Fühle meinen Zorn!", u"Du spielst so erbärmlich!"},
    {13, 0, 0, 0, 0, u"Me?! I..you!!", u"Me?! I..you!!"},
    {13, 1, 1, 1, 0, u"Hey! Watch it, fuzzwad!", u"Hey! Watch it, fuzzwad!"},
    {13, 2, 14, 3, 0, u"Duh!", u"I am the silent wind of doom"},
    {14, 0, 1, 0, 0, u"Command acknowledged", u"Yes"},
    {14, 2, 3, 1, 0, u"Watch where you shooting", u"That was brilliant! (not)"},
    {14, 4, 8, 2, 0, u"Defend our base", u"Reenforce the offensive"},
    {14, 9, 17, 4, 0, u"Mayday Mayday", u"Lets move"},
    {14, 18, 28, 4, 10, u"Area is secure", u"What do you waiting for?"},
    {14, 29, 48, 3, 0, u"Anytime", u"Marinesong"},
};

const TauntEntry& entryAt(int voicepack, int slot) {
    return TauntTableFor(voicepack).entries.at(static_cast<std::size_t>(slot));
}

using Slots = QList<int>;
using TypeIndex = std::pair<int, int>;

} // namespace

class TauntTablesTest : public QObject {
    Q_OBJECT

private slots:
    void tableSizes_data() {
        QTest::addColumn<int>("voicepack");
        QTest::addColumn<int>("entries");
        const int sizes[voicePackCount] = {46, 47, 55, 53, 57, 51, 53, 36, 27, 37, 45, 40, 61, 15, 49};
        for (int voicepack = 0; voicepack < voicePackCount; ++voicepack)
            QTest::addRow("voicepack %d", voicepack) << voicepack << sizes[voicepack];
    }
    void tableSizes() {
        QFETCH(int, voicepack);
        QFETCH(int, entries);
        const TauntTable& table = TauntTableFor(voicepack);
        QCOMPARE(static_cast<int>(table.entries.size()), entries);
        QCOMPARE(table.lastSlot(), entries - 1);
    }

    void runsCoverEveryTable() {
        int voicepack = 0;
        int nextSlot = 0;
        for (const Run& run : tableRuns) {
            if (run.voicepack != voicepack) {
                QCOMPARE(nextSlot, static_cast<int>(TauntTableFor(voicepack).entries.size()));
                QCOMPARE(run.voicepack, voicepack + 1);
                voicepack = run.voicepack;
                nextSlot = 0;
            }
            QCOMPARE(run.firstSlot, nextSlot);
            nextSlot = run.lastSlot + 1;
        }
        QCOMPARE(voicepack, voicePackCount - 1);
        QCOMPARE(nextSlot, static_cast<int>(TauntTableFor(voicepack).entries.size()));
    }

    void runs_data() {
        QTest::addColumn<int>("voicepack");
        QTest::addColumn<int>("firstSlot");
        QTest::addColumn<int>("lastSlot");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("firstIndex");
        QTest::addColumn<QString>("firstLabel");
        QTest::addColumn<QString>("lastLabel");
        for (const Run& run : tableRuns)
            QTest::addRow("voicepack %d slots %d-%d", run.voicepack, run.firstSlot, run.lastSlot)
                << run.voicepack << run.firstSlot << run.lastSlot << int(run.type) << int(run.firstIndex)
                << QString::fromUtf16(run.firstLabel) << QString::fromUtf16(run.lastLabel);
    }
    void runs() {
        QFETCH(int, voicepack);
        QFETCH(int, firstSlot);
        QFETCH(int, lastSlot);
        QFETCH(int, type);
        QFETCH(int, firstIndex);
        QFETCH(QString, firstLabel);
        QFETCH(QString, lastLabel);
        for (int slot = firstSlot; slot <= lastSlot; ++slot) {
            QCOMPARE(entryAt(voicepack, slot).speechType, type);
            QCOMPARE(entryAt(voicepack, slot).speechIndex, firstIndex + slot - firstSlot);
        }
        QCOMPARE(entryAt(voicepack, firstSlot).label, firstLabel);
        QCOMPARE(entryAt(voicepack, lastSlot).label, lastLabel);
    }

    void placeholders_data() {
        QTest::addColumn<int>("voicepack");
        QTest::addColumn<Slots>("placeholderSlots");
        for (int voicepack = 0; voicepack < voicePackCount; ++voicepack) {
            Slots expected;
            if (voicepack == 1 || voicepack == 4)
                expected = {27};
            else if (voicepack == 3 || voicepack == 5)
                expected = {27, 28};
            QTest::addRow("voicepack %d", voicepack) << voicepack << expected;
        }
    }
    void placeholders() {
        QFETCH(int, voicepack);
        QFETCH(Slots, placeholderSlots);
        Slots found;
        const TauntTable& table = TauntTableFor(voicepack);
        for (int slot = 0; slot <= table.lastSlot(); ++slot) {
            if (!entryAt(voicepack, slot).isPlaceholder())
                continue;
            found.append(slot);
            QCOMPARE(entryAt(voicepack, slot).speechType, 9);
            QCOMPARE(entryAt(voicepack, slot).speechIndex, 9);
        }
        QCOMPARE(found, placeholderSlots);
    }

    void typeIndexPairsUnique_data() { addVoicepackRows(); }
    void typeIndexPairsUnique() {
        QFETCH(int, voicepack);
        QSet<TypeIndex> seen;
        for (const TauntEntry& entry : TauntTableFor(voicepack).entries) {
            if (entry.isPlaceholder())
                continue;
            const TypeIndex pair{entry.speechType, entry.speechIndex};
            QVERIFY2(!seen.contains(pair), qPrintable(entry.label));
            seen.insert(pair);
        }
    }

    // A key bound through a repeated label ends up with the last of its slots,
    // so each repetition and its slots must be exactly these.
    void repeatedLabels_data() {
        QTest::addColumn<int>("voicepack");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QList<TypeIndex>>("occurrences");
        QTest::addColumn<Slots>("labelSlots");
        const auto row = [](int voicepack, const QString& label, Slots labelSlots, QList<TypeIndex> occurrences) {
            QTest::addRow("voicepack %d %s", voicepack, qPrintable(label))
                << voicepack << label << occurrences << labelSlots;
        };
        row(1, u"I've got the flag"_s, {12, 18}, {{4, 2}, {4, 8}});
        row(3, u"Sucker!"_s, {30, 48}, {{3, 1}, {3, 19}});
        row(4, u"Sucker!"_s, {29, 45}, {{3, 1}, {3, 17}});
        row(7, u"Habouji!"_s, {0, 31}, {{0, 0}, {3, 1}});
        row(7, u"Nouwandi!"_s, {1, 32}, {{0, 1}, {3, 2}});
        row(7, u"Qupada!"_s, {2, 33}, {{0, 2}, {3, 3}});
        row(7, u"Mouhaga!"_s, {3, 34}, {{1, 0}, {3, 4}});
        row(7, u"Batai d va!"_s, {4, 35}, {{1, 1}, {3, 5}});
        row(9, u"Okely dokily do"_s, {0, 9}, {{0, 0}, {2, 2}});
        row(9, u"Ohh! Thats a dilly"_s, {5, 16}, {{1, 0}, {3, 4}});
        row(9, u"Ah digidi"_s, {10, 30}, {{2, 3}, {3, 18}});
        row(12, u"Ich benötige Unterstützung"_s, {11, 28}, {{2, 3}, {4, 13}});
        row(12, u"Ich sichere dich"_s, {18, 30}, {{4, 3}, {4, 15}});
    }
    void repeatedLabels() {
        QFETCH(int, voicepack);
        QFETCH(QString, label);
        QFETCH(QList<TypeIndex>, occurrences);
        QFETCH(Slots, labelSlots);
        Slots found;
        QList<TypeIndex> foundPairs;
        const TauntTable& table = TauntTableFor(voicepack);
        for (int slot = 0; slot <= table.lastSlot(); ++slot) {
            if (entryAt(voicepack, slot).label != label)
                continue;
            found.append(slot);
            foundPairs.append({entryAt(voicepack, slot).speechType, entryAt(voicepack, slot).speechIndex});
        }
        QCOMPARE(found, labelSlots);
        QCOMPARE(foundPairs, occurrences);
    }

    // Apart from the labels above, every label of a table is unique: a stray
    // or missing blank would otherwise merge or split taunts unnoticed.
    void noOtherLabelRepeats() {
        const int repeatedPerTable[voicePackCount] = {0, 1, 0, 1, 1, 0, 0, 5, 0, 3, 0, 0, 2, 0, 0};
        for (int voicepack = 0; voicepack < voicePackCount; ++voicepack) {
            QSet<QString> seen;
            QSet<QString> repeated;
            for (const TauntEntry& entry : TauntTableFor(voicepack).entries) {
                if (entry.isPlaceholder())
                    continue;
                if (seen.contains(entry.label))
                    repeated.insert(entry.label);
                seen.insert(entry.label);
            }
            QVERIFY2(repeated.size() == repeatedPerTable[voicepack], qPrintable(QString::number(voicepack)));
        }
    }

    void kelvanorPadding_data() {
        QTest::addColumn<int>("firstSlot");
        QTest::addColumn<int>("lastSlot");
        QTest::addColumn<int>("width");
        QTest::newRow("slots 0-9") << 0 << 9 << 24;
        QTest::newRow("slot 10, Fall out") << 10 << 10 << 11;
        QTest::newRow("slots 11-21") << 11 << 21 << 24;
        QTest::newRow("slots 22-27") << 22 << 27 << 23;
        QTest::newRow("slots 28-37") << 28 << 37 << 24;
        QTest::newRow("slots 38-45") << 38 << 45 << 23;
    }
    void kelvanorPadding() {
        QFETCH(int, firstSlot);
        QFETCH(int, lastSlot);
        QFETCH(int, width);
        for (int slot = firstSlot; slot <= lastSlot; ++slot) {
            const QString& label = entryAt(0, slot).label;
            QCOMPARE(label.size(), width);
            QVERIFY2(label.endsWith(QLatin1Char(' ')) && !label.startsWith(QLatin1Char(' ')), qPrintable(label));
        }
    }

    // Labels that differ only in padding or case are different taunts.
    void kelvanorLookalikes_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("otherSlot");
        QTest::newRow("die you enemy scum") << 12 << 22;
        QTest::newRow("enemy down") << 13 << 23;
        QTest::newRow("got him") << 16 << 26;
        QTest::newRow("not in my country") << 18 << 27;
    }
    void kelvanorLookalikes() {
        QFETCH(int, slot);
        QFETCH(int, otherSlot);
        const TauntEntry& entry = entryAt(0, slot);
        const TauntEntry& other = entryAt(0, otherSlot);
        QVERIFY(entry.label != other.label);
        QCOMPARE(entry.label.trimmed().toLower(), other.label.trimmed().toLower());
        QVERIFY(entry.speechIndex != other.speechIndex);
    }

    // Outside Kelvanor Male, exactly these labels have a blank at one end, and
    // only "Hey!  Same team!" holds a double blank.
    void oddBlanks() {
        QList<std::pair<int, QString>> atEnds;
        QList<std::pair<int, QString>> doubleBlanks;
        for (int voicepack = 1; voicepack < voicePackCount; ++voicepack) {
            for (const TauntEntry& entry : TauntTableFor(voicepack).entries) {
                if (entry.label.startsWith(QLatin1Char(' ')) || entry.label.endsWith(QLatin1Char(' ')))
                    atEnds.append({voicepack, entry.label});
                if (entry.label.contains(QStringLiteral("  ")))
                    doubleBlanks.append({voicepack, entry.label});
            }
        }
        const QList<std::pair<int, QString>> expectedAtEnds{
            {2, u"Medic! "_s},
            {6, u"Medic! "_s},
            {7, u"Medic! "_s},
            {8, u"Medic! "_s},
            {9, u"Came down "_s},
            {10, u" i am on your fucking team"_s},
            {12, u"Ein fairer Kampf! "_s},
            {14, u"I feel much better now "_s},
        };
        QCOMPARE(atEnds, expectedAtEnds);
        const QList<std::pair<int, QString>> expectedDoubleBlanks{{1, u"Hey!  Same team!"_s},
                                                                  {4, u"Hey!  Same team!"_s}};
        QCOMPARE(doubleBlanks, expectedDoubleBlanks);
    }

    void germanLetters_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("label");
        QTest::newRow("a umlaut") << 0 << u"Bestätige"_s;
        QTest::newRow("o and u umlauts") << 11 << u"Ich benötige Unterstützung"_s;
        QTest::newRow("report") << 27 << u"feindlicher Flaggenträger ist hier"_s;
        QTest::newRow("first taunt") << 36 << u"Fühle meinen Zorn!"_s;
        QTest::newRow("no sharp s") << 55 << u"Wie süss"_s;
        QTest::newRow("last slot") << 60 << u"Du spielst so erbärmlich!"_s;
    }
    void germanLetters() {
        QFETCH(int, slot);
        QFETCH(QString, label);
        QCOMPARE(entryAt(12, slot).label, label);
    }

    // Umlauts are single precomposed characters, and only the German voicepack has any.
    void nonAsciiOnlyInGermanVoicepack() {
        QCOMPARE(entryAt(12, 0).label.size(), 9);
        QCOMPARE(entryAt(12, 0).label.at(4), QChar(0x00E4));
        for (int voicepack = 0; voicepack < voicePackCount; ++voicepack) {
            int nonAscii = 0;
            for (const TauntEntry& entry : TauntTableFor(voicepack).entries)
                for (QChar c : entry.label)
                    nonAscii += c.unicode() > 0x7E || c.unicode() < 0x20 ? 1 : 0;
            QVERIFY2((nonAscii > 0) == (voicepack == 12), qPrintable(QString::number(voicepack)));
        }
    }

    void skippedIndexes_data() {
        QTest::addColumn<int>("voicepack");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("index");
        QTest::newRow("voicepack 0 taunt 15") << 0 << 3 << 15;
        QTest::newRow("voicepack 9 taunt 23") << 9 << 3 << 23;
        QTest::newRow("voicepack 10 report 5") << 10 << 4 << 5;
        QTest::newRow("voicepack 11 report 9") << 11 << 4 << 9;
        QTest::newRow("voicepack 14 report 9") << 14 << 4 << 9;
        for (int voicepack = 0; voicepack < voicePackCount; ++voicepack)
            for (int index = 5; index <= 9; ++index)
                QTest::addRow("voicepack %d order %d", voicepack, index) << voicepack << 2 << index;
    }
    void skippedIndexes() {
        QFETCH(int, voicepack);
        QFETCH(int, type);
        QFETCH(int, index);
        for (const TauntEntry& entry : TauntTableFor(voicepack).entries)
            QVERIFY2(entry.speechType != type || entry.speechIndex != index, qPrintable(entry.label));
    }

    void daggetExclamationIsItsOwn() {
        const TauntEntry& exclamation = entryAt(13, 1);
        QVERIFY(!exclamation.label.trimmed().isEmpty());
        for (int slot = 0; slot <= TauntTableFor(13).lastSlot(); ++slot)
            if (slot != 1)
                QVERIFY(entryAt(13, slot).label != exclamation.label);
    }
};

QTEST_GUILESS_MAIN(TauntTablesTest)
#include "tst_TauntTables.moc"
