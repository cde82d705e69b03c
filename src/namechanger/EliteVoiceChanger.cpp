// SPDX-License-Identifier: GPL-3.0-or-later
#include "namechanger/EliteVoiceChanger.h"

#include "catalogue/ProductInfo.h"
#include "namechanger/EliteRules.h"
#include "namechanger/PlayerName.h"

namespace parlomatic {

EliteVoiceChanger::EliteVoiceChanger(UserInteraction& interaction) : m_interaction(interaction) {}

void EliteVoiceChanger::setNamenEingabe(const QString& text) {
    if (text == m_namenEingabe)
        return;
    m_namenEingabe = text;
    namen_eingabe_Change();
}

void EliteVoiceChanger::namen_eingabe_Change() {
    setResults(ApplyEliteRules(m_namenEingabe, EliteRules1), ApplyEliteRules(m_namenEingabe, EliteRules2));
}

void EliteVoiceChanger::add_tm_Click() {
    const QString opening = QStringLiteral("[{(\u00BB");
    const QString closing = QStringLiteral("\u00AB)}]");
    setResults(opening + m_ergebnis1 + closing, opening + m_ergebnis2 + closing);
}

void EliteVoiceChanger::write_name1_Click() {
    writeName(m_ergebnis1);
}

void EliteVoiceChanger::write_name2_Click() {
    writeName(m_ergebnis2);
}

void EliteVoiceChanger::setResults(QString first, QString second) {
    m_ergebnis1 = std::move(first);
    m_ergebnis2 = std::move(second);
    if (m_resultsChanged)
        m_resultsChanged();
}

void EliteVoiceChanger::writeName(const QString& name) {
    if (const QString lost = charactersLostInProfile(name); !lost.isEmpty()) {
        const MessageRequest question{
            QStringLiteral("These characters cannot be stored in kvuser.ini and would become \"?\": %1. Write anyway?")
                .arg(lost),
            product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo, MessageAnswer::No};
        if (m_interaction.showMessage(question) != MessageAnswer::Yes)
            return;
    }
    m_interaction.showMessage(PlayerNameWrittenMessage(m_iniPath, name, WritePlayerName(m_iniPath, name)));
}

} // namespace parlomatic
