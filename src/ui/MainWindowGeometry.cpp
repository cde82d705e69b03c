// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindowGeometry.h"

#include <algorithm>

namespace parlomatic {

MainWindowGeometry mainWindowGeometry(int outerHeight) {
    const int height = std::max(outerHeight, mainWindowMinimumOuterHeight);
    return {mainWindowOuterWidth, height, height - 1830, height - 1440, height - 825};
}

} // namespace parlomatic
