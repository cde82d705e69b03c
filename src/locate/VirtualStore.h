// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace parlomatic {

// Where Windows keeps its per-user copy of a file that a program without
// administrator rights writes under a protected folder: path with its drive
// taken off, under localAppData/VirtualStore. For "C:/Program Files/UT/System/kvuser.ini"
// that is "<localAppData>/VirtualStore/Program Files/UT/System/kvuser.ini".
// Returns the empty text when path is not absolute or localAppData is empty.
QString virtualStoreCopy(const QString& localAppData, const QString& path);

} // namespace parlomatic
