// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace parlomatic {

int logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
}

} // namespace parlomatic
