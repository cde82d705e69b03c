// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

namespace parlomatic {

// The function called entry of the module file moduleFile, which sits in the
// module folder of the program's installation, or beside the program or in
// buildFolder in the build. nullptr with the reason in error when no module
// can be loaded. Works before the application object exists.
QFunctionPointer resolveModuleEntry(const QString& moduleFile, const char* entry, QString& error,
                                    const QString& buildFolder = {});

} // namespace parlomatic
