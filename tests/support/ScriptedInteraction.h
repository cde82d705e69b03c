// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "locate/FoundProfile.h"
#include "profile/UserInteraction.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace parlomatic::test {

// A UserInteraction for tests: records every question in order and answers
// from scripted queues. A message box with no scripted answer gets its default
// button; a file dialog with no scripted answer is cancelled, a profile chooser with
// none is answered with "Browse…".
class ScriptedInteraction : public UserInteraction {
public:
    QList<MessageRequest> messages;
    QList<OpenFileRequest> fileDialogs;
    QList<SaveFileRequest> saveDialogs;
    QStringList openedAddresses;
    QList<QList<FoundProfile>> profileChoices;

    QList<MessageAnswer> messageAnswers;
    QStringList fileAnswers;
    QStringList saveAnswers;
    QList<int> profileAnswers;
    // Runs while a message is open, as the events a real box lets through would.
    std::function<void()> whileMessageOpen;

    MessageAnswer showMessage(const MessageRequest& request) override {
        messages.append(request);
        if (whileMessageOpen)
            whileMessageOpen();
        return messageAnswers.isEmpty() ? request.defaultButton : messageAnswers.takeFirst();
    }

    QString chooseOpenFile(const OpenFileRequest& request) override {
        fileDialogs.append(request);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString chooseSaveFile(const SaveFileRequest& request) override {
        saveDialogs.append(request);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }

    int chooseProfile(const QList<FoundProfile>& profiles) override {
        profileChoices.append(profiles);
        return profileAnswers.isEmpty() ? -1 : profileAnswers.takeFirst();
    }

    void openInBrowser(const QString& address) override { openedAddresses.append(address); }
};

} // namespace parlomatic::test
