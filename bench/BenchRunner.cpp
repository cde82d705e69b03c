// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace parlomatic::bench {

namespace {

constexpr int longestRunMilliseconds = 300000;

} // namespace

std::optional<ProgramRun> runProgram(const QString& program, const QStringList& arguments, bool untilFirstLine) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!untilFirstLine)
        process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    ProgramRun run;
    if (untilFirstLine) {
        while (!process.canReadLine() && process.waitForReadyRead(longestRunMilliseconds)) {
        }
        run.milliseconds = double(timer.nsecsElapsed()) / 1e6;
        run.firstLine = process.readLine().trimmed();
    }
    if (!process.waitForFinished(longestRunMilliseconds) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    if (!untilFirstLine)
        run.milliseconds = double(timer.nsecsElapsed()) / 1e6;
    return run;
}

QString besideThisProgram(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long peakMemoryKiB() {
#ifdef Q_OS_UNIX
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        return usage.ru_maxrss;
#endif
    return 0;
}

} // namespace parlomatic::bench
