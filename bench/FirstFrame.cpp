// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstFrame.h"

#include "BenchRunner.h"
#include "ui/FirstPaint.h"

#include <cstdio>
#include <cstdlib>

namespace parlomatic::bench {

void endAfterFirstFrame(QWidget* window, std::function<void()> afterwards) {
    // Installed last, so it runs before the program's own work after the first frame.
    runAfterFirstPaint(window, [afterwards = std::move(afterwards)] {
        std::printf("frame %ld\n", peakMemoryKiB());
        std::fflush(stdout);
        if (afterwards)
            afterwards();
        std::_Exit(0);
    });
}

} // namespace parlomatic::bench
