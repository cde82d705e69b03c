// SPDX-License-Identifier: GPL-3.0-or-later
#include "modules/ModuleLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace parlomatic {

QFunctionPointer resolveModuleEntry(const QString& moduleFile, const char* entry, QString& error,
                                    const QString& buildFolder) {
    // The program's own path comes from the system, as no application object may exist yet.
    const QDir programDir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absoluteDir();
    QStringList folders{programDir.filePath(QStringLiteral(PARLOMATIC_MODULES_INSTALLED_DIR)), programDir.path()};
    if (!buildFolder.isEmpty())
        folders.append(buildFolder);
    for (const QString& folder : folders) {
        QLibrary module(QDir::cleanPath(folder + QLatin1Char('/') + moduleFile));
        if (const QFunctionPointer function = module.resolve(entry))
            return function;
        error = module.errorString();
    }
    return nullptr;
}

} // namespace parlomatic
