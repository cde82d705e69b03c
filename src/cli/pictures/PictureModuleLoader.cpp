// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureDrawing.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace parlomatic::cli {

const PictureDrawing* loadPictureDrawing(QString& error) {
    // The module sits beside the program in the build, and in the library
    // folder of the same installation; the program's own path comes from the
    // system, as no application object exists yet.
    const QDir programDir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absoluteDir();
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(PARLOMATIC_PICTURES_INSTALLED_DIR)}) {
        QLibrary module(QDir::cleanPath(programDir.filePath(folder + QStringLiteral("/" PARLOMATIC_PICTURES_MODULE))));
        using Entry = const PictureDrawing* (*)();
        if (const auto entry = reinterpret_cast<Entry>(module.resolve("parlomaticPictureDrawing")))
            return entry();
        error = module.errorString();
    }
    return nullptr;
}

} // namespace parlomatic::cli
