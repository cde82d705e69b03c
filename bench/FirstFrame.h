// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace parlomatic::bench {

// Watches a window until its first frame is painted, then prints
// "frame <peak memory in KiB>" on its own line, runs afterwards and ends the
// process at once (no clean-up, which is not part of starting).
void endAfterFirstFrame(QWidget* window, std::function<void()> afterwards = {});

} // namespace parlomatic::bench
