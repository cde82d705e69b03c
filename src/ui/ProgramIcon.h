// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace parlomatic {

// The program's icon (the main window's table with the blue arrow) in every
// size the pictures come in, 16 to 256 pixels, so that the window system picks
// a sharp one for the title bar, the task bar and the window switcher.
// Decoded once per program, on the first call (a QGuiApplication must exist).
QIcon programIcon();

// The same icon up to 64 pixels, enough for title and task bars, at a tenth
// of the decoding: for a window's first frame, before the whole icon.
QIcon titleBarProgramIcon();

} // namespace parlomatic
