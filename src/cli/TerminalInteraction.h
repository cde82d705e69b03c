// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/UserInteraction.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace parlomatic::cli {

// Shows the logic's message boxes on the terminal: messages on standard
// output, failures (critical boxes with a single OK) on standard error. A
// question gets the preset answer, or is asked on the terminal when standard
// input is one, and is otherwise answered with its default button.
class TerminalInteraction : public UserInteraction {
public:
    TerminalInteraction(QTextStream& out, QTextStream& err, std::optional<MessageAnswer> presetAnswer = std::nullopt);

    MessageAnswer showMessage(const MessageRequest& request) override;
    // The command line never asks for a file: it always behaves as cancelled.
    QString chooseOpenFile(const OpenFileRequest& request) override;
    QString chooseSaveFile(const SaveFileRequest& request) override;
    // Lists the profiles on standard error, numbered, with where each was
    // found and when it was last changed, and picks none: the command line
    // never chooses one of several for the player.
    int chooseProfile(const QList<FoundProfile>& profiles) override;
    void openInBrowser(const QString& address) override;

private:
    QTextStream& m_out;
    QTextStream& m_err;
    std::optional<MessageAnswer> m_presetAnswer;
};

} // namespace parlomatic::cli
