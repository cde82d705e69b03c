// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace parlomatic {

// A profile the search found (locate/FoundProfile.h); the seam only passes them on.
struct FoundProfile;

enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box as the logic wants it shown.
struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultButton = MessageAnswer::Ok;

    friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

// An open-file dialog that offers only files named fileName, starts in
// initialDir and accepts only files that exist.
struct OpenFileRequest {
    QString title;
    QString fileName;
    QString initialDir;
};

// A save-file dialog that suggests fileName in initialDir, offers files
// matching nameFilter and asks before replacing a file.
struct SaveFileRequest {
    QString title;
    QString fileName;
    QString nameFilter;
    QString initialDir;
};

// The only way the program's logic talks to the user. The windows implement it
// with real dialogs; tests implement it with scripted answers.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // Shows the box modally and returns the button pressed.
    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
    // Returns the full path of the chosen file, or an empty text when cancelled.
    virtual QString chooseOpenFile(const OpenFileRequest& request) = 0;
    // Returns the full path to write to, or an empty text when cancelled.
    virtual QString chooseSaveFile(const SaveFileRequest& request) = 0;
    // Offers the profiles (already in the order to show, newest first), each
    // with where it was found, its path and when it was last changed, plus
    // "Browse…". Returns the index of the profile picked, or -1 for "Browse…"
    // and when the player closes the chooser.
    virtual int chooseProfile(const QList<FoundProfile>& profiles) = 0;
    // Opens the address in the default browser; failure is not reported.
    virtual void openInBrowser(const QString& address) = 0;
};

} // namespace parlomatic
