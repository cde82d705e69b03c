// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/TauntEntry.h"

#include <array>

namespace parlomatic {

// The working copy of the current voicepack's taunts. Only slots 0 to
// lastSlot() are meaningful; slots above keep whatever an earlier load left.
class CurrentTauntTable {
public:
    static constexpr int slotCount = 61;

    // Copies voicepack's table into slots 0..last and sets lastSlot() to last.
    // Precondition: 0 <= voicepack < 15.
    void LoadCurrentTaunts(int voicepack);

    const TauntEntry& slot(int index) const { return m_slots.at(static_cast<std::size_t>(index)); }
    qint16 lastSlot() const { return m_lastSlot; }

private:
    std::array<TauntEntry, slotCount> m_slots{};
    qint16 m_lastSlot = 0;
};

} // namespace parlomatic
