// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"
#include "profile/UserInteraction.h"

#include <memory>

class QWidget;

namespace parlomatic {

// The questions and messages of the program's logic as real dialogs: modal
// message boxes, the open-file dialog (owned by the hidden window Form2) and
// the default web browser.
class QtUserInteraction : public UserInteraction {
public:
    QtUserInteraction();
    ~QtUserInteraction() override;

    // A modal box over the active window, with the application's title when the request names none.
    MessageAnswer showMessage(const MessageRequest& request) override;
    // Offers only files named request.fileName, starting in request.initialDir,
    // hidden folders shown (Wine and Steam keep the game in dot-folders);
    // only an existing file can be confirmed. Returns its full path, or an
    // empty text when cancelled.
    QString chooseOpenFile(const OpenFileRequest& request) override;
    // Asks before replacing a file; returns the chosen path, or an empty text when cancelled.
    QString chooseSaveFile(const SaveFileRequest& request) override;
    // The profile chooser (ProfileChooser); closing it counts as "Browse…".
    int chooseProfile(const QList<FoundProfile>& profiles) override;
    // Hands the address to the desktop; failures are not reported.
    void openInBrowser(const QString& address) override;

    // Form2: the window that owns the open-file dialog. Created with the first
    // dialog, never shown, kept until the program ends; null before.
    QWidget* form2() const { return m_form2.get(); }

private:
    std::unique_ptr<QWidget> m_form2;
};

} // namespace parlomatic
