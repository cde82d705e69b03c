// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "namechanger/EliteVoiceChanger.h"

#include <QWidget>

class QLineEdit;

namespace parlomatic {

// The name changer window (EliteVoiceChanger): a typed name, its two elite
// forms, "Add Brackets" and the two write buttons. It forwards what the user
// types and presses to its logic and shows the results the logic computes.
// It deletes itself when closed, so the next opening starts empty.
class EliteVoiceChangerWindow : public QWidget {
    Q_OBJECT

public:
    explicit EliteVoiceChangerWindow(UserInteraction& interaction);

    // The profile the write buttons write into (the hidden box ini_path).
    void setIniPath(const QString& path);
    // Where a written name is recorded.
    void setRecorder(ChangeRecorder* recorder);

    const EliteVoiceChanger& logic() const { return m_logic; }

signals:
    // A write button wrote the name into the profile.
    void nameWritten();

private:
    void showResults();

    EliteVoiceChanger m_logic;
    QLineEdit* m_ergebnis1 = nullptr;
    QLineEdit* m_ergebnis2 = nullptr;
    QLineEdit* m_iniPath = nullptr;
};

} // namespace parlomatic
