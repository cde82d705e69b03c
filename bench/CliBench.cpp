// SPDX-License-Identifier: GPL-3.0-or-later
// `parlomatic-cli show --json` on each real profile against a bare Qt Core
// program that reads the same file and prints it (parlomatic-bench-bare-print).
// Each run is a fresh process; the two take turns.
//
//   parlomatic-bench-cli [--cli path/to/parlomatic-cli] [folder with real profiles] [runs]

#include "BenchRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace parlomatic::bench;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QStringList arguments = app.arguments().mid(1);
    QString cli = besideThisProgram(u"../src/cli/parlomatic-cli"_s);
    if (arguments.size() >= 2 && arguments.first() == u"--cli"_s) {
        cli = arguments.at(1);
        arguments = arguments.mid(2);
    }
    const QString folder = arguments.value(0, QStringLiteral(PARLOMATIC_REALWORLD_DIR));
    const int runs = arguments.value(1, u"31"_s).toInt();
    const QString bare = besideThisProgram(u"parlomatic-bench-bare-print"_s);
    QTemporaryDir scratch;

    out << "show --json against a bare read-and-print, median of " << runs << " runs each (" << cli << ")\n";
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(u"profile"_s, -34)
               .arg(u"bytes"_s, 6)
               .arg(u"bare ms"_s, 8)
               .arg(u"show ms"_s, 8)
               .arg(u"ratio"_s, 6);
    double worst = 0;
    for (const QString& name : QDir(folder).entryList({u"*.ini"_s}, QDir::Files, QDir::Name)) {
        const QString copy = scratch.filePath(name);
        QFile::copy(QDir(folder).filePath(name), copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        QList<double> show;
        QList<double> anchor;
        for (int i = 0; i <= runs; ++i) {
            const auto shown = runProgram(cli, {u"--profile"_s, copy, u"show"_s, u"--json"_s}, false);
            const auto printed = runProgram(bare, {copy}, false);
            if (!shown || !printed) {
                out << "A run failed for " << name << Qt::endl;
                return 1;
            }
            // The first round only warms the caches.
            if (i > 0) {
                show.append(shown->milliseconds);
                anchor.append(printed->milliseconds);
            }
        }
        const double ratio = median(show) / median(anchor);
        worst = std::max(worst, ratio);
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(name, -34)
                   .arg(QFileInfo(copy).size(), 6)
                   .arg(median(anchor), 8, 'f', 2)
                   .arg(median(show), 8, 'f', 2)
                   .arg(ratio, 6, 'f', 2);
    }
    out << QStringLiteral("worst ratio %1x (goal <= 1.15)\n").arg(worst, 0, 'f', 2);
    return 0;
}
