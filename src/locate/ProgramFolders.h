// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace parlomatic {

// The folders in which start-up looks for the profile, in this order: the
// folder of invokedPath, the path the program was started through (its first
// argument; a symbolic link is not followed, a bare name is looked up in PATH
// as the shell did), then installedDir, the folder of the program file itself.
// Each folder is listed once; an invokedPath that leads nowhere adds none.
QStringList programFolders(const QString& invokedPath, const QString& installedDir);

} // namespace parlomatic
