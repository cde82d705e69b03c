// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CurrentTauntTable.h"

#include "catalogue/TauntTable.h"

namespace parlomatic {

void CurrentTauntTable::LoadCurrentTaunts(int voicepack) {
    const TauntTable& table = TauntTableFor(voicepack);
    const qint16 last = table.lastSlot();
    // Slots above last keep what an earlier load left; no reader looks past lastSlot().
    for (qint16 slot = 0; slot <= last; ++slot)
        m_slots.at(static_cast<std::size_t>(slot)) = table.entries.at(static_cast<std::size_t>(slot));
    m_lastSlot = last;
}

} // namespace parlomatic
