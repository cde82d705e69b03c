// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TerminalInteraction.h"

#include "catalogue/ProductInfo.h"
#include "cli/ProfileList.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace parlomatic::cli {

namespace {

// Message texts use CR LF between lines, as the window system wants them.
QString terminalText(const MessageRequest& request) {
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!request.title.isEmpty() && request.title != product::applicationTitle())
        text.prepend(request.title + QStringLiteral(":\n"));
    return text;
}

std::optional<MessageAnswer> askOnTerminal(QTextStream& out, const QString& question, MessageAnswer defaultAnswer) {
    if (!::isatty(STDIN_FILENO))
        return std::nullopt;
    out << question << (defaultAnswer == MessageAnswer::Yes ? " [Y/n] " : " [y/N] ") << Qt::flush;
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    const QString answer = QString::fromLocal8Bit(in.readLine()).trimmed().toLower();
    if (answer == QStringLiteral("y") || answer == QStringLiteral("yes"))
        return MessageAnswer::Yes;
    if (answer == QStringLiteral("n") || answer == QStringLiteral("no"))
        return MessageAnswer::No;
    return defaultAnswer;
}

} // namespace

TerminalInteraction::TerminalInteraction(QTextStream& out, QTextStream& err, std::optional<MessageAnswer> presetAnswer)
    : m_out(out), m_err(err), m_presetAnswer(presetAnswer) {}

MessageAnswer TerminalInteraction::showMessage(const MessageRequest& request) {
    const QString text = terminalText(request);
    if (request.buttons == MessageButtons::YesNo) {
        if (m_presetAnswer) {
            m_out << text << (*m_presetAnswer == MessageAnswer::Yes ? " yes" : " no") << Qt::endl;
            return *m_presetAnswer;
        }
        return askOnTerminal(m_out, text, request.defaultButton).value_or(request.defaultButton);
    }
    if (request.icon == MessageIcon::Critical) {
        m_err << text << Qt::endl;
    } else {
        m_out << text << Qt::endl;
    }
    return MessageAnswer::Ok;
}

QString TerminalInteraction::chooseOpenFile(const OpenFileRequest&) {
    return {};
}

QString TerminalInteraction::chooseSaveFile(const SaveFileRequest&) {
    return {};
}

int TerminalInteraction::chooseProfile(const QList<FoundProfile>& profiles) {
    m_err << "Several profiles were found; choose one with --profile:" << Qt::endl;
    writeProfileList(m_err, profiles);
    return -1;
}

void TerminalInteraction::openInBrowser(const QString& address) {
    m_out << address << Qt::endl;
}

} // namespace parlomatic::cli
