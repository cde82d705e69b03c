// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace parlomatic {

// A profile that the search found: its full path, the kind of place it was
// found in (for instance "Steam library" or "Wine prefix ~/.wine") and when
// the file was last changed.
struct FoundProfile {
    QString path;
    QString place;
    QDateTime lastModified;

    friend bool operator==(const FoundProfile&, const FoundProfile&) = default;
};

} // namespace parlomatic
