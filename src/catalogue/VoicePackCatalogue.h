// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

namespace parlomatic {

// One voicepack the program knows. classPath is what the game stores as Voice
// in [DefaultPlayer] (at most 29 characters); displayName is unique and is how
// a choice in the drop-down is found again; note (lines separated by CR LF)
// is shown when the voicepack is chosen, and may be empty.
struct VoicePackInfo {
    QString classPath;
    QString displayName;
    QString note;
};

inline constexpr int voicePackCount = 15;

// The 15 known voicepacks; the index (0 to 14) is the voicepack's number everywhere.
const std::array<VoicePackInfo, voicePackCount>& VoicePackCatalogue();

// The number (0 to 14) of the voicepack whose display name is displayName, or -1.
int voicepackNumber(const QString& displayName);

// The number of the voicepack a player names: by its display name, or by its
// class path in any case; -1 for none.
int voicepackNamed(const QString& name);

// "noVoice" followed by 23 blanks: the default of every profile read the
// binding editor makes, so that a missing entry reads as "noVoice".
QString voiceDefault();

} // namespace parlomatic
