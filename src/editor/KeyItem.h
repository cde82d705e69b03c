// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace parlomatic {

// An item of the key lists: the key's name, ": " and its binding column, "F7: Roger".
QString keyItem(const QString& keyName, const QString& column);

// The key name of an item: the text before its first colon, which stands
// within the first 30 characters; empty for a text without one.
QString keyNameOfItem(const QString& item);

// The binding column of an item: what follows the ": " after its key name.
QString bindingColumnOfItem(const QString& item);

} // namespace parlomatic
