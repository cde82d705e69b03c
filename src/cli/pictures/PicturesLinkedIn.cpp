// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PictureDrawing.h"

namespace parlomatic::cli {

const PictureDrawing* loadPictureDrawing(QString&) {
    return parlomaticPictureDrawing();
}

} // namespace parlomatic::cli
