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

bool EliteVoiceChanger::write_name1_Click() {
    return writeName(m_ergebnis1);
}

bool EliteVoiceChanger::write_name2_Click() {
    return writeName(m_ergebnis2);
}

void EliteVoiceChanger::setResults(QString first, QString second) {
    m_ergebnis1 = std::move(first);
    m_ergebnis2 = std::move(second);
    if (m_resultsChanged)
        m_resultsChanged();
}

bool EliteVoiceChanger::writeName(const QString& name) {
    if (const QString lost = charactersLostInProfile(name); !lost.isEmpty()) {
        const MessageRequest question{
            //: %1 lists the characters, separated by blanks
            tr("These characters cannot be stored in kvuser.ini and would become \"?\": %1. Write anyway?").arg(lost),
            product::applicationTitle(), MessageIcon::None, MessageButtons::YesNo, MessageAnswer::No};
        if (m_interaction.showMessage(question) != MessageAnswer::Yes)
            return false;
    }
    const ProfileFile profile(m_iniPath);
    const Result written = WritePlayerName(profile, name);
    const ProfileChange change = profile.takeChanges();
    if (m_recorder != nullptr) {
        if (const Result recorded = m_recorder->record(m_iniPath, change, playerNameDescription(name)); !recorded.ok())
            m_interaction.showMessage({tr("The name was written, but it could not be noted in "
                                          "Parlomatic's history, so it cannot be undone.\n%1")
                                           .arg(recorded.error()),
                                       product::applicationTitle(), MessageIcon::Critical, MessageButtons::Ok,
                                       MessageAnswer::Ok});
    }
    m_interaction.showMessage(PlayerNameWrittenMessage(m_iniPath, name, written));
    return !change.isEmpty();
}

} // namespace parlomatic
