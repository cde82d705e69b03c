// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace parlomatic {

// Window places are given in twips (1/1440 inch). At the standard 96 DPI a
// logical pixel is 15 twips; a desktop whose fonts are set larger (120, 144,
// 150 DPI) without scaling the windows gives a larger logical DPI, and the
// places grow with the fonts. Where Qt scales the windows, the logical DPI
// stays 96.
int logicalDpi();

inline int pixels(int twips) {
    return twips * logicalDpi() / 1440;
}

inline int twips(int pixels) {
    return pixels * 1440 / logicalDpi();
}

// A control's place and size, given in twips, in logical pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

} // namespace parlomatic
