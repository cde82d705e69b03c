#include "namechanger/EliteVoiceChanger.h"

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
    m_interaction.showMessage(PlayerNameWrittenMessage(m_iniPath, WritePlayerName(m_iniPath, name)));
}

} // namespace parlomatic
