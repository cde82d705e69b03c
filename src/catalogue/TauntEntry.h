// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace parlomatic {

// One spoken message of a voicepack as the game addresses it: the label the
// taunt list shows, and the two numbers of its binding "speech <type> <index> -1".
// An entry with an empty label is a placeholder that is never shown.
struct TauntEntry {
    QString label;
    qint16 speechType = 0;
    qint16 speechIndex = 0;

    bool isPlaceholder() const { return label.isEmpty(); }
    friend bool operator==(const TauntEntry&, const TauntEntry&) = default;
};

} // namespace parlomatic
