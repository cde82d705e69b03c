// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/ChangeRecorder.h"
#include "profile/UserInteraction.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <utility>

namespace parlomatic {

// The logic of the name changer window. It holds the texts of the window's
// boxes: the typed name (namen_eingabe), its two elite forms (ergebnis1,
// ergebnis2) and the profile path (ini_path, "Text1" until the main window
// sets it). The window forwards what the user types and presses, redraws when
// told to, and shows nothing on its own: messages go through UserInteraction.
class EliteVoiceChanger {
    Q_DECLARE_TR_FUNCTIONS(EliteVoiceChanger)

public:
    explicit EliteVoiceChanger(UserInteraction& interaction);

    const QString& ergebnis1() const { return m_ergebnis1; }
    const QString& ergebnis2() const { return m_ergebnis2; }
    const QString& iniPath() const { return m_iniPath; }

    // The user changed the typed name. Runs namen_eingabe_Change only when the
    // text really differs from the one held.
    void setNamenEingabe(const QString& text);
    // The user edited a result by hand; that text is what a write button writes.
    void setErgebnis1(const QString& text) { m_ergebnis1 = text; }
    void setErgebnis2(const QString& text) { m_ergebnis2 = text; }
    // The profile the write buttons write into.
    void setIniPath(const QString& path) { m_iniPath = path; }
    // Where a written name is recorded; none records nothing.
    void setRecorder(ChangeRecorder* recorder) { m_recorder = recorder; }

    // Called after the logic itself changed ergebnis1 and ergebnis2, so the
    // window can show the new texts. Texts the window forwarded do not call it.
    void setResultsChangedHandler(std::function<void()> handler) { m_resultsChanged = std::move(handler); }

    // Recomputes both results from the whole typed name; brackets and hand
    // edits in the results are replaced.
    void namen_eingabe_Change();
    // "Add Brackets": wraps each result in one more "[{(»" ... "«)}]".
    void add_tm_Click();
    // Writes ergebnis1 (ergebnis2) as the player name into ini_path, then
    // confirms, or reports in a critical box that the name was not written and why.
    // A name with characters the profile cannot hold is written only after
    // the player said Yes to the question naming them (No the default).
    // True when the name was written.
    bool write_name1_Click();
    bool write_name2_Click();

private:
    void setResults(QString first, QString second);
    bool writeName(const QString& name);

    UserInteraction& m_interaction;
    std::function<void()> m_resultsChanged;
    QString m_namenEingabe;
    QString m_ergebnis1;
    QString m_ergebnis2;
    QString m_iniPath = QStringLiteral("Text1");
    ChangeRecorder* m_recorder = nullptr;
};

} // namespace parlomatic
