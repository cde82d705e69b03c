// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace parlomatic {

// A taunt label or binding column as a sentence shows it: without the blanks
// that pad it to its column. The lists keep the padded texts.
inline QString withoutPadding(QString text) {
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace parlomatic
