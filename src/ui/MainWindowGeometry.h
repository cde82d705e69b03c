// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace parlomatic {

// The main window's resize rule, in twips of the outer window (frame and
// title bar included). The width is fixed, the height has a minimum, and the
// three lists, the white panel and the row of command buttons follow the height.
struct MainWindowGeometry {
    int outerWidth = 0;
    int outerHeight = 0;
    int listHeight = 0;
    int frameHeight = 0;
    int buttonTop = 0;

    friend bool operator==(const MainWindowGeometry&, const MainWindowGeometry&) = default;
};

inline constexpr int mainWindowOuterWidth = 10125;
inline constexpr int mainWindowMinimumOuterHeight = 5985;
// What the frame adds to the client area: 345 twips of title bar and top edge
// plus 60 at the bottom; 60 at each side.
inline constexpr int mainWindowFrameHeight = 405;
inline constexpr int mainWindowFrameWidth = 120;

// The geometry for an outer window of the given height, whatever its width:
// the width is always 10125, the height H at least 5985, and from H the lists
// are H - 1830 and the panel H - 1440 high, and the buttons' top is H - 825.
MainWindowGeometry mainWindowGeometry(int outerHeight);

} // namespace parlomatic
