// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/TauntEntry.h"

#include <vector>

namespace parlomatic {

// One voicepack's fixed taunts, slot 0 to lastSlot(), every slot filled.
struct TauntTable {
    std::vector<TauntEntry> entries;

    qint16 lastSlot() const { return static_cast<qint16>(entries.size() - 1); }
};

// The taunt table of voicepack 0 to 14. Precondition: the index is in range.
const TauntTable& TauntTableFor(int voicepack);

} // namespace parlomatic
