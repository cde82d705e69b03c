// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TerminalInteraction.h"

#include <QString>

#include <optional>

namespace parlomatic::cli {

// The profile a command works on when --profile is not given: kvuser.ini
// beside the program, else the profile remembered by the program, else the
// one profile the search finds. When the search finds several, they are
// listed on standard error and the result is empty (the caller exits with a
// usage error). When nothing is found, the path beside the program, so that
// the command reports that file as missing.
std::optional<QString> defaultProfile(const QString& executableDir, TerminalInteraction& interaction);

} // namespace parlomatic::cli
