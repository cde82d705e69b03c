// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestFiles.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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
// settings and the history below it). The output goes to files, not pipes:
// under Wine, a run read through a pipe once came back without the text it
// had written before it ended well.
inline CliRun runCli(const QStringList& arguments, const QByteArray& input = {}, const QString& home = {}) {
    QTemporaryDir outputs;
    QProcess process;
    if (!home.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        environment.remove(QStringLiteral("WINEPREFIX"));
        process.setProcessEnvironment(environment);
    }
    process.setStandardOutputFile(outputs.filePath(QStringLiteral("out")));
    process.setStandardErrorFile(outputs.filePath(QStringLiteral("err")));
    process.start(QStringLiteral(PARLOMATIC_CLI_PATH), arguments);
    process.waitForStarted();
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    // Asked how the run ended, not whether the wait succeeded: a wait can
    // return false for a run that has ended, and QProcess reports exit code 0
    // for one that has not.
    process.waitForFinished(60000);
    QString failure;
    if (process.state() != QProcess::NotRunning) {
        failure = QStringLiteral("[the run did not end within a minute]");
        process.kill();
        process.waitForFinished();
    } else if (process.error() == QProcess::FailedToStart) {
        failure = QStringLiteral("[the run did not start: %1]").arg(process.errorString());
    }
    const auto output = [&](const QString& name) {
        return consoleText(fileBytes(outputs.filePath(name)).value_or(QByteArray()));
    };
    return CliRun{failure.isEmpty() && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  output(QStringLiteral("out")), output(QStringLiteral("err")) + failure};
}

} // namespace parlomatic::test
