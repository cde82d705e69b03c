// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileFile.h"

#include <QString>

namespace parlomatic {

// What keyName holds in the section Engine.Input of profile, in full and
// trimmed; empty when the key has no entry or the file cannot be read.
QString keyBinding(const ProfileFile& profile, const QString& keyName);

// True when binding is a command of the game (such as "Fire" or "Jump"):
// neither empty nor a speech binding. Giving such a key a taunt takes the
// command away from the player.
bool isGameCommand(const QString& binding);

} // namespace parlomatic
