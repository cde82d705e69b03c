#pragma once

#include <QIcon>

namespace parlomatic {

// The program's icon (the main window's table with the blue arrow) in every
// size the pictures come in, 16 to 256 pixels, so that the window system picks
// a sharp one for the title bar, the task bar and the window switcher.
QIcon programIcon();

} // namespace parlomatic
