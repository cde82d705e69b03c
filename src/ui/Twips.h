// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace parlomatic {

// Window places are given in twips (1/1440 inch); at the standard 96 DPI a
// logical pixel is 15 twips, and Qt scales logical pixels for other densities.
inline constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / twipsPerPixel;
}

constexpr int twips(int pixels) {
    return pixels * twipsPerPixel;
}

// A control's place and size, given in twips, in logical pixels.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

} // namespace parlomatic
