// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace parlomatic {

// Runs task once, on the turn of the event loop after the window's first
// paint (its whole first frame is painted and handed to the window system by
// then): for work the first frame does not need. Nothing runs if the window
// is never painted. Tasks of one window run in the reverse order of their
// registration.
void runAfterFirstPaint(QWidget* window, std::function<void()> task);

} // namespace parlomatic
