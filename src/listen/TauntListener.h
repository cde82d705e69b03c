// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/TauntEntry.h"
#include "sounds/TauntSound.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace parlomatic {

class CurrentTauntTable;
class SpeechTool;
class UserInteraction;
class WavePlayer;

// The slot of the taunt labelled label (exactly): the last one so labelled,
// as binding it writes the last one. Nothing when no slot has the label.
std::optional<TauntEntry> tauntEntryLabelled(const CurrentTauntTable& table, const QString& label);

// The sound that entry plays with voicepack (0 to 14) in the installation
// of the profile at profilePath; on failure nothing, with the one-line reason in error.
std::optional<sounds::TauntSound> findEntrySound(const QString& profilePath, int voicepack, const TauntEntry& entry,
                                                 QString& error);

// What "Listen" does in the windows: it finds the sound a taunt plays with the
// current voicepack and hands it to the player. It reads the profile and the
// game's packages and never writes anything, nor changes a selection. When the
// sound cannot be found or played, the player is told why in one line.
class TauntListener {
    Q_DECLARE_TR_FUNCTIONS(TauntListener)

public:
    TauntListener(const SpeechTool& tool, WavePlayer& player, UserInteraction& interaction)
        : m_tool(tool), m_player(player), m_interaction(interaction) {}

    // Plays the taunt selected in "All available Speech Taunts"; nothing selected, nothing played.
    void listenToSelectedTaunt();
    // Plays the taunt whose speech binding key layoutIndex of the keyboard map
    // holds; a key without one is told so.
    void listenToMapKey(int layoutIndex);

private:
    void play(const TauntEntry& entry);
    void tell(const QString& text);

    const SpeechTool& m_tool;
    WavePlayer& m_player;
    UserInteraction& m_interaction;
};

} // namespace parlomatic
