// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureDrawing.h"
#include "modules/ModuleLoader.h"

namespace parlomatic::cli {

const PictureDrawing* loadPictureDrawing(QString& error) {
    using Entry = const PictureDrawing* (*)();
    const auto entry = reinterpret_cast<Entry>(
        resolveModuleEntry(QStringLiteral(PARLOMATIC_PICTURES_MODULE), "parlomaticPictureDrawing", error));
    return entry ? entry() : nullptr;
}

} // namespace parlomatic::cli
