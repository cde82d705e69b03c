// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/KeyboardMap.h"

#include "catalogue/CurrentTauntTable.h"
#include "catalogue/KeyNameTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "editor/KeyItem.h"
#include "editor/SpeechTool.h"
#include "keymap/KeyboardLayout.h"
#include "profile/ProfileFile.h"

#include <QCoreApplication>

namespace parlomatic {

namespace {

// Long enough for any binding the game writes; the main window's list cuts at 29 characters.
constexpr int bindingCapacity = 1024;

QString describe(const KeyCap& key, const KeyState& state, const QString& tauntLabel) {
    const QString& name = key.shownText();
    switch (state.kind) {
    case BindingClass::CurrentTaunt:
        //: %1 is a key, %2 a taunt
        return QCoreApplication::translate("KeyboardMap", "%1: taunt \"%2\"").arg(name, tauntLabel.trimmed());
    case BindingClass::OtherSpeech:
        //: %1 is a key, %2 what it holds
        return QCoreApplication::translate("KeyboardMap",
                                           "%1: %2 (a speech binding that is no taunt of the current voicepack)")
            .arg(name, state.binding);
    case BindingClass::Movement:
        //: %1 is a key, %2 the command of the game it holds
        return QCoreApplication::translate("KeyboardMap", "%1: %2 (movement)").arg(name, state.binding);
    case BindingClass::Weapon:
        //: %1 is a key, %2 the command of the game it holds
        return QCoreApplication::translate("KeyboardMap", "%1: %2 (weapons)").arg(name, state.binding);
    case BindingClass::OtherCommand:
        //: %1 is a key, %2 the command of the game it holds
        return QCoreApplication::translate("KeyboardMap", "%1: %2 (game command)").arg(name, state.binding);
    case BindingClass::Nothing:
        //: %1 is a key
        return QCoreApplication::translate("KeyboardMap", "%1: nothing bound").arg(name);
    case BindingClass::Unavailable:
        break;
    }
    if (!key.whyUnbindable.isEmpty())
        return QStringLiteral("%1: %2").arg(name, key.whyUnbindable);
    const QString holds =
        state.binding.isEmpty() ? QCoreApplication::translate("KeyboardMap", "nothing bound") : state.binding;
    //: %1 is a key, %2 what it holds
    return QCoreApplication::translate("KeyboardMap", "%1: not among the keys this program binds (%2)")
        .arg(name, holds);
}

// The index of the item of "All available Keys" that stands for key name, or -1.
int allKeysRow(const SpeechTool& tool, const QString& name) {
    if (name.isEmpty())
        return -1;
    const QStringList& items = tool.allKeys().items();
    for (int row = 0; row < items.size(); ++row) {
        if (keyNameOfItem(items.at(row)) == name)
            return row;
    }
    return -1;
}

} // namespace

KeyboardMap readKeyboardMap(const ProfileFile& profile, const CurrentTauntTable* currentTaunts,
                            const QString& voicepackName) {
    const QString section = QStringLiteral("Engine.Input");
    // One read of the file for all the keys.
    const ProfileFile::ReadScope reads(profile);
    KeyboardMap map{voicepackName, {}};
    for (const KeyCap& key : keyboardLayout()) {
        KeyState state;
        if (!key.name.isEmpty())
            state.binding = profile.ReadEntry(section, key.name, QString(), bindingCapacity);
        ClassifiedBinding classified{BindingClass::Unavailable, {}};
        if (KeyNameTable().contains(key.name) || MoreKeyNames().contains(key.name))
            classified = classifyBinding(state.binding, currentTaunts);
        state.kind = classified.kind;
        state.description = describe(key, state, classified.tauntLabel);
        map.keys.push_back(std::move(state));
    }
    return map;
}

KeyboardMap keyboardMapOf(const SpeechTool& tool) {
    // After a refresh the drop-down's first entry is the voicepack the profile names, if any.
    const QString first = tool.voicepack().items().value(0);
    if (voicepackNumber(first) >= 0)
        return readKeyboardMap(tool.profile(), &tool.currentTaunts(), first);
    return readKeyboardMap(tool.profile(), nullptr, QString());
}

int selectedMapKey(const SpeechTool& tool) {
    return layoutIndexOf(keyNameOfItem(tool.allKeys().text()));
}

bool clickMapKey(SpeechTool& tool, int layoutIndex) {
    const std::vector<KeyCap>& layout = keyboardLayout();
    if (layoutIndex < 0 || layoutIndex >= static_cast<int>(layout.size()))
        return false;
    const int row = allKeysRow(tool, layout[static_cast<std::size_t>(layoutIndex)].name);
    if (row < 0)
        return false;
    tool.selectKey(row);
    return true;
}

bool assignMapKey(SpeechTool& tool, int layoutIndex) {
    if (clickMapKey(tool, layoutIndex)) {
        tool.assignSpeech_Click();
        return true;
    }
    const std::vector<KeyCap>& layout = keyboardLayout();
    if (layoutIndex < 0 || layoutIndex >= static_cast<int>(layout.size()))
        return false;
    const QString& name = layout[static_cast<std::size_t>(layoutIndex)].name;
    // A further key has no item to select; with a voicepack, the taunt goes on it directly.
    if (!MoreKeyNames().contains(name) || tool.allKeys().count() == 0)
        return false;
    tool.assignToKey(name);
    return true;
}

} // namespace parlomatic
