// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CurrentTauntTable.h"
#include "catalogue/TauntTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "support/VoicepackRows.h"

#include <QTest>

using namespace parlomatic;
using namespace parlomatic::test;

class CurrentTauntTableTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmpty() {
        const CurrentTauntTable current;
        QCOMPARE(current.lastSlot(), 0);
        for (int slot = 0; slot < CurrentTauntTable::slotCount; ++slot)
            QCOMPARE(current.slot(slot), TauntEntry{});
    }

    void loadCopiesTable_data() { addVoicepackRows(); }
    void loadCopiesTable() {
        QFETCH(int, voicepack);
        CurrentTauntTable current;
        current.LoadCurrentTaunts(voicepack);
        const TauntTable& table = TauntTableFor(voicepack);
        QCOMPARE(current.lastSlot(), table.lastSlot());
        for (int slot = 0; slot <= current.lastSlot(); ++slot)
            QCOMPARE(current.slot(slot), table.entries.at(static_cast<std::size_t>(slot)));
    }

    void largestTableFillsEverySlot() {
        CurrentTauntTable current;
        current.LoadCurrentTaunts(12);
        QCOMPARE(current.lastSlot(), 60);
        QCOMPARE(current.lastSlot(), CurrentTauntTable::slotCount - 1);
        QCOMPARE(current.slot(60).label, QStringLiteral("Du spielst so erbärmlich!"));
    }

    // A smaller table after a larger one leaves the slots above it as they were.
    void smallerTableKeepsHigherSlots() {
        CurrentTauntTable current;
        current.LoadCurrentTaunts(12);
        current.LoadCurrentTaunts(13);
        QCOMPARE(current.lastSlot(), 14);
        for (int slot = 0; slot <= 14; ++slot)
            QCOMPARE(current.slot(slot), TauntTableFor(13).entries.at(static_cast<std::size_t>(slot)));
        for (int slot = 15; slot <= 60; ++slot)
            QCOMPARE(current.slot(slot), TauntTableFor(12).entries.at(static_cast<std::size_t>(slot)));
    }
};

QTEST_GUILESS_MAIN(CurrentTauntTableTest)
#include "tst_CurrentTauntTable.moc"
