#pragma once

#include "profile/Result.h"
#include "profile/UserInteraction.h"

#include <QString>

namespace parlomatic {

// Writes name as the player name (key "Name" of section "DefaultPlayer") into
// the profile at profilePath, touching nothing else. An empty name writes
// "Name=". Fails, writing nothing, when the profile layer refuses the value
// (line breaks, NUL) or cannot write the file; the reason is in the result.
Result WritePlayerName(const QString& profilePath, const QString& name);

// The message box that tells the user the outcome of WritePlayerName on
// profilePath: the confirmation when it succeeded, otherwise a critical box
// naming the file and the reason. Both carry the application's title.
MessageRequest PlayerNameWrittenMessage(const QString& profilePath, const Result& written);

} // namespace parlomatic
