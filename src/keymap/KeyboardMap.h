// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keymap/BindingClass.h"

#include <QString>

#include <vector>

namespace parlomatic {

class CurrentTauntTable;
class ProfileFile;
class SpeechTool;

// What one key of keyboardLayout() holds.
struct KeyState {
    BindingClass kind = BindingClass::Nothing;
    // The value of the key's entry as read; empty when it has none or no name.
    QString binding;
    // One line for the player: the key and what it does (a taunt by its label).
    QString description;

    bool operator==(const KeyState&) const = default;
};

// The picture's content: the state of every key of keyboardLayout(), in its
// order, and the voicepack whose taunts count as current.
struct KeyboardMap {
    // Empty when the profile names no voicepack the program knows.
    QString voicepackName;
    std::vector<KeyState> keys;

    bool operator==(const KeyboardMap&) const = default;
};

// Reads the binding of every named key of the layout from profile's
// [Engine.Input], all from one read of the file, and classifies it (classifyBinding). currentTaunts is null
// when no voicepack is current. Keys outside KeyNameTable and MoreKeyNames and
// keys without a name are Unavailable; a named one still shows its binding in
// its description.
KeyboardMap readKeyboardMap(const ProfileFile& profile, const CurrentTauntTable* currentTaunts,
                            const QString& voicepackName);

// The map of the profile the main window's logic works on, with the voicepack
// its last refresh found.
KeyboardMap keyboardMapOf(const SpeechTool& tool);

// The layout index of the key selected in "All available Keys", or -1.
int selectedMapKey(const SpeechTool& tool);

// A click on key layoutIndex: selects that key's item in "All available Keys".
// Returns false, changing nothing, when the list has no item for it (a greyed
// key, or no voicepack and so an empty list).
bool clickMapKey(SpeechTool& tool, int layoutIndex);

// A double click (or Enter) on key layoutIndex: selects the key as a click
// does and then runs "assign Taunt to key" with the selected taunt, its
// messages and questions included; a key of MoreKeyNames, which has no item
// to select, gets the taunt through assignToKey. Does nothing and returns
// false for any other key that cannot be selected, so that no other key is
// ever assigned.
bool assignMapKey(SpeechTool& tool, int layoutIndex);

} // namespace parlomatic
