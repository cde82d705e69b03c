// SPDX-License-Identifier: GPL-3.0-or-later
#include "listen/TauntListener.h"

#include "catalogue/CurrentTauntTable.h"
#include "catalogue/ProductInfo.h"
#include "catalogue/VoicePackCatalogue.h"
#include "editor/SpeechTool.h"
#include "keymap/KeyboardMap.h"
#include "listen/WavePlayer.h"
#include "profile/SpeechBinding.h"
#include "profile/UserInteraction.h"

namespace parlomatic {

std::optional<TauntEntry> tauntEntryLabelled(const CurrentTauntTable& table, const QString& label) {
    for (int slot = table.lastSlot(); slot >= 0; --slot) {
        if (!label.isEmpty() && table.slot(slot).label == label)
            return table.slot(slot);
    }
    return std::nullopt;
}

std::optional<sounds::TauntSound> findEntrySound(const QString& profilePath, int voicepack, const TauntEntry& entry,
                                                 QString& error) {
    return sounds::findTauntSoundForProfile(profilePath, VoicePackCatalogue()[std::size_t(voicepack)].classPath,
                                            entry.speechType, entry.speechIndex, error);
}

void TauntListener::listenToSelectedTaunt() {
    const std::optional<TauntEntry> entry = tauntEntryLabelled(m_tool.currentTaunts(), m_tool.all_taunts().text());
    if (entry)
        play(*entry);
}

void TauntListener::listenToMapKey(int layoutIndex) {
    const KeyboardMap map = keyboardMapOf(m_tool);
    if (layoutIndex < 0 || layoutIndex >= int(map.keys.size()))
        return;
    const std::optional<SpeechBinding> binding = readSpeechBinding(map.keys[std::size_t(layoutIndex)].binding);
    if (!binding)
        return tell(tr("This key holds no taunt."));
    play(TauntEntry{{}, binding->type, binding->index});
}

void TauntListener::play(const TauntEntry& entry) {
    const int voicepack = voicepackNumber(m_tool.voicepack().items().value(0));
    if (voicepack < 0)
        return tell(tr("Choose your voicepack first."));
    QString error;
    const std::optional<sounds::TauntSound> sound = findEntrySound(m_tool.profilePath(), voicepack, entry, error);
    if (!sound)
        return tell(error);
    if (const QString failed = m_player.play(sound->wave); !failed.isEmpty())
        //: %1 is why the sound player failed
        tell(tr("The sound cannot be played: %1").arg(failed));
}

void TauntListener::tell(const QString& text) {
    m_interaction.showMessage(
        {text, product::applicationTitle(), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace parlomatic
