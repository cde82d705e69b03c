// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace parlomatic {

// Where start-up looks for the profile first: kvuser.ini in executableDir,
// written with the platform's separator.
QString candidateProfilePath(const QString& executableDir);

// True when path names an ordinary file: it exists, is a regular file (or a
// link to one), and is not hidden. An empty path is no ordinary file.
bool isOrdinaryFile(const QString& path);

} // namespace parlomatic
