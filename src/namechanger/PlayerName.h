// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileFile.h"
#include "profile/Result.h"
#include "profile/UserInteraction.h"

#include <QString>

namespace parlomatic {

// Writes name as the player name (key "Name" of section "DefaultPlayer") into
// profile, touching nothing else. An empty name writes
// "Name=". Fails, writing nothing, when the profile layer refuses the value
// (line breaks, NUL) or cannot write the file; the reason is in the result.
Result WritePlayerName(const ProfileFile& profile, const QString& name);

// How the history names the write of name: "Player name: Kestrel".
QString playerNameDescription(const QString& name);

// The characters of name that the profile's code page cannot hold, so that
// writing turns each into '?': each once, in the order they first appear,
// separated by blanks (a surrogate pair counts as one). Empty when all fit.
QString charactersLostInProfile(const QString& name);

// The number of characters of name that the game shows at most.
constexpr int shownNameLength = 20;

// The message box that tells the user the outcome of WritePlayerName of name
// on profilePath: the confirmation when it succeeded (with a second line when
// the name is longer than the game shows), otherwise a critical box naming
// the file and the reason. Both carry the application's title.
MessageRequest PlayerNameWrittenMessage(const QString& profilePath, const QString& name, const Result& written);

} // namespace parlomatic
