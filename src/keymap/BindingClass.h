// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace parlomatic {

class CurrentTauntTable;

// What a key holds, as the keyboard map colours it.
enum class BindingClass {
    CurrentTaunt, // a taunt of the current voicepack
    OtherSpeech,  // a speech binding that no taunt of the current voicepack carries
    Movement,     // moving, turning, looking, jumping, ducking
    Weapon,       // firing, choosing, throwing a weapon
    OtherCommand, // any other game command
    Nothing,      // no binding
    Unavailable,  // a key this program cannot bind
};

struct ClassifiedBinding {
    BindingClass kind = BindingClass::Nothing;
    // The taunt's label for CurrentTaunt, otherwise empty.
    QString tauntLabel;
};

// Classifies the value of a key's [Engine.Input] entry (empty for a missing
// entry). A speech binding in one of the forms the main window recognises
// ("speech", "SPEECH", "Speech") is a current taunt when a labelled slot of
// currentTaunts (slots 0 to lastSlot) carries its type and index; the last
// such slot gives the label. Any other speech binding, in any case, and every
// speech binding while currentTaunts is null (no voicepack), is OtherSpeech.
// A game command is classed by the first of its '|'-separated commands that
// moves or handles a weapon (for Axis, Button and Toggle by their argument);
// "None" and blank values are Nothing.
ClassifiedBinding classifyBinding(const QString& value, const CurrentTauntTable* currentTaunts);

} // namespace parlomatic
