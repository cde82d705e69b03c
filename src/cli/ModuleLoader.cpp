// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ModuleLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace parlomatic::cli {

QFunctionPointer resolveModuleEntry(const QString& moduleFile, const char* entry, QString& error) {
    // The program's own path comes from the system, as no application object may exist yet.
    const QDir programDir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absoluteDir();
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(PARLOMATIC_MODULES_INSTALLED_DIR)}) {
        QLibrary module(QDir::cleanPath(programDir.filePath(folder + QLatin1Char('/') + moduleFile)));
        if (const QFunctionPointer function = module.resolve(entry))
            return function;
        error = module.errorString();
    }
    return nullptr;
}

} // namespace parlomatic::cli
