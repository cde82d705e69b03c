// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace parlomatic {

void placeBeside(QWidget* window, const QWidget* anchor) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr)
        return;
    window->setScreen(anchor->screen());
    const QRect area = screen->availableGeometry();
    const QRect beside = anchor->frameGeometry();
    // The window has no frame yet: the anchor's tells what the frame adds.
    const QSize frame = beside.size() - anchor->size();
    // The size the window will open with; Qt keeps a new window within two thirds of its screen.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // Its layout will not let it be smaller than its minimum.
    const QSize size = window->size().expandedTo(window->minimumSizeHint()) + frame;
    int x = beside.right() + 1;
    if (x + size.width() > area.right() + 1)
        x = beside.left() - size.width();
    if (x < area.left())
        x = area.right() + 1 - size.width();
    x = std::max(x, area.left());
    const int y = std::clamp(beside.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    window->move(x, y);
}

} // namespace parlomatic
