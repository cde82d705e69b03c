// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

namespace parlomatic::cli {

// The function called entry of the module file moduleFile, which sits beside
// the program in the build and in the module folder of the same installation.
// nullptr with the reason in error when no module can be loaded. Works before
// the application object exists.
QFunctionPointer resolveModuleEntry(const QString& moduleFile, const char* entry, QString& error);

} // namespace parlomatic::cli
