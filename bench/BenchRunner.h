// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace parlomatic::bench {

// One run of a program, timed by this process from its start.
struct ProgramRun {
    double milliseconds = 0; // until it ended, or until it printed its first line when asked to wait for that
    QByteArray firstLine;    // the first line it printed, without the line end
};

// Runs program with arguments. With untilFirstLine the time stops at the
// first line of its output (the program may end later); otherwise at its end,
// with its output thrown away. Nothing when it cannot start, fails or takes
// more than a few minutes.
std::optional<ProgramRun> runProgram(const QString& program, const QStringList& arguments, bool untilFirstLine);

// The program named name in this benchmark's own folder.
QString besideThisProgram(const QString& name);

double median(QList<double> values);

// The peak resident memory of this process in KiB, 0 where it is not known.
long peakMemoryKiB();

} // namespace parlomatic::bench
