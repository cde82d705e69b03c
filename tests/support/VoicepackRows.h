// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/VoicePackCatalogue.h"

#include <QTest>

namespace parlomatic::test {

// For data-driven tests that run once per known voicepack: adds the int
// column "voicepack" and one row for each index 0 to 14.
inline void addVoicepackRows() {
    QTest::addColumn<int>("voicepack");
    for (int voicepack = 0; voicepack < voicePackCount; ++voicepack)
        QTest::addRow("voicepack %d", voicepack) << voicepack;
}

} // namespace parlomatic::test
