// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace parlomatic {

// Moves the top-level window beside anchor, on anchor's screen: to its right
// where it fits, else to its left, else as far right as the screen allows;
// never beyond the screen's available area. Call before the window is first
// shown, so that later moves of the player's stay.
void placeBeside(QWidget* window, const QWidget* anchor);

} // namespace parlomatic
