// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace parlomatic {

// A text without the blanks that pad it at its end: a taunt label or binding
// column as a sentence shows it (the lists keep the padded texts), or a name
// or default as the profile functions take it.
inline QStringView withoutPadding(QStringView text) {
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

inline QString withoutPadding(const QString& text) {
    return withoutPadding(QStringView(text)).toString();
}

} // namespace parlomatic
