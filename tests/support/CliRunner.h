// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace parlomatic::test {

// The outcome of one run of parlomatic-cli.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// A console program's text output; Windows ends its lines with CR LF.
inline QString consoleText(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
#ifdef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return text;
}

// Runs the built parlomatic-cli with arguments and optional standard input;
// a home folder, when given, stands in for the player's (HOME, and the
// settings and the history below it).
inline CliRun runCli(const QStringList& arguments, const QByteArray& input = {}, const QString& home = {}) {
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        environment.remove(QStringLiteral("WINEPREFIX"));
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(PARLOMATIC_CLI_PATH), arguments);
    process.waitForStarted();
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  consoleText(process.readAllStandardOutput()), consoleText(process.readAllStandardError())};
}

} // namespace parlomatic::test
