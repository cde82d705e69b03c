// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RawArguments.h"

#include <QByteArray>
#include <QString>

namespace parlomatic::cli {

int firstInexactArgument([[maybe_unused]] int argc, [[maybe_unused]] char* argv[]) {
#ifndef Q_OS_WIN
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        if (QString::fromLocal8Bit(raw).toLocal8Bit() != raw)
            return i;
    }
#endif
    return 0;
}

} // namespace parlomatic::cli
