// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamewatch/GameProcess.h"

namespace parlomatic {

// The processes running now. On Linux read from /proc (executable link, comm,
// cmdline); on Windows from the system's process snapshot, with the
// executable's file name only. Processes that end while being read are left
// out; an unreadable field stays empty. Empty where the system offers neither.
QList<ProcessInfo> listProcesses();

} // namespace parlomatic
