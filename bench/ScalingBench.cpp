// SPDX-License-Identifier: GPL-3.0-or-later
// `parlomatic-cli show --json` and `bind` on generated profiles of 20 KB to
// 20 MB (and `bind` on 100 MB), against `show --json` on the real 13 KB
// player profile they are grown from. A generated profile is the real one
// followed by its own lines over and over, each copy's sections renamed,
// except every tenth copy, which repeats the real section names (a reader
// must ignore those later sections).
//
//   parlomatic-bench-scaling [--cli path/to/parlomatic-cli] [--no-100mb]

#include "BenchRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace parlomatic::bench;

namespace {

QByteArray grownTo(const QByteArray& real, qsizetype size) {
    const QList<QByteArray> lines = real.split('\n');
    QByteArray grown = real;
    grown.reserve(size + real.size());
    for (int copy = 1; grown.size() < size; ++copy) {
        for (const QByteArray& line : lines) {
            if (grown.size() >= size)
                break;
            if (line.startsWith('[') && copy % 10 != 0)
                grown += line.chopped(line.endsWith("]") ? 1 : 0) + ".copy" + QByteArray::number(copy) + "]\n";
            else
                grown += line + '\n';
        }
    }
    return grown;
}

bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const qsizetype cliAt = arguments.indexOf(u"--cli"_s);
    const QString cli = cliAt > 0 && cliAt + 1 < arguments.size() ? arguments.at(cliAt + 1)
                                                                  : besideThisProgram(u"../src/cli/parlomatic-cli"_s);
    const bool hundred = !arguments.contains(u"--no-100mb"_s);
    const QString realPath = QStringLiteral(PARLOMATIC_REALWORLD_DIR "/UT_player_User_VoiceMaleTwo.ini");
    QFile realFile(realPath);
    if (!realFile.open(QIODevice::ReadOnly)) {
        out << "Cannot read " << realPath << Qt::endl;
        return 1;
    }
    const QByteArray real = realFile.readAll();
    QTemporaryDir scratch;
    const QString profile = scratch.filePath(u"kvuser.ini"_s);
    const QString work = scratch.filePath(u"work.ini"_s);

    // Median of runs of the command on a fresh copy of bytes each time (the copy is not timed).
    const auto time = [&](const QByteArray& bytes, const QStringList& command, int runs) -> std::optional<double> {
        QList<double> times;
        for (int i = 0; i < runs; ++i) {
            if (!put(work, bytes))
                return std::nullopt;
            const auto run = runProgram(cli, QStringList{u"--profile"_s, work} + command, false);
            if (!run)
                return std::nullopt;
            times.append(run->milliseconds);
        }
        return median(times);
    };
    const QStringList show{u"show"_s, u"--json"_s};
    // F5 holds a game command in the real profile; the bind replaces it.
    const QStringList bind{u"bind"_s, u"F5"_s, u"I've got the flag"_s, u"--replace"_s};

    time(real, show, 1); // warms the caches
    const std::optional<double> reference = time(real, show, 9);
    if (!reference) {
        out << "show --json failed on " << realPath << Qt::endl;
        return 1;
    }
    out << "Generated profiles against show --json on the real " << real.size() << "-byte profile ("
        << QString::number(*reference, 'f', 1) << " ms), " << cli << '\n';
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(u"bytes"_s, 10)
               .arg(u"show ms"_s, 10)
               .arg(u"show ratio"_s, 10)
               .arg(u"bind ms"_s, 10);
    for (const qsizetype size : {20'000, 200'000, 2'000'000, 20'000'000}) {
        const QByteArray bytes = grownTo(real, size);
        const int runs = size >= 20'000'000 ? 3 : 5;
        const std::optional<double> shown = time(bytes, show, runs);
        const std::optional<double> bound = time(bytes, bind, runs);
        if (!shown || !bound) {
            out << "A run failed at " << size << " bytes" << Qt::endl;
            return 1;
        }
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(bytes.size(), 10)
                   .arg(*shown, 10, 'f', 1)
                   .arg(*shown / *reference, 10, 'f', 1)
                   .arg(*bound, 10, 'f', 1);
        out.flush();
    }
    out << "goal: show --json at 20 MB <= 40x the real profile\n";
    if (hundred) {
        const std::optional<double> bound = time(grownTo(real, 100'000'000), bind, 1);
        out << "bind on 100 MB: " << (bound ? QString::number(*bound / 1000, 'f', 2) + u" s"_s : u"failed"_s)
            << " (goal < 10 s)\n";
    }
    return 0;
}
