// SPDX-License-Identifier: GPL-3.0-or-later
// Times one refresh's worth of profile reads on real profiles: the voice and the
// 86 keys, each a ReadEntry that reads the file again, next to reading the raw
// file as many times. Also times one WriteEntry on a copy.

#include "catalogue/KeyNameTable.h"
#include "catalogue/VoicePackCatalogue.h"
#include "profile/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

constexpr int readsPerRefresh = 1 + keyNameCount;
constexpr int repetitions = 400;

// The best of several runs of repetitions calls, in microseconds per call.
double microsecondsPer(const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < repetitions; ++i)
            work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1000.0 / repetitions);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PARLOMATIC_REALWORLD_DIR);
    const QStringList profiles = QDir(folder).entryList({u"*.ini"_s}, QDir::Files, QDir::Name);
    if (profiles.isEmpty()) {
        out << "No *.ini files in " << folder << Qt::endl;
        return 1;
    }
    QTemporaryDir scratch;

    out << "Microseconds, best of 5 runs of " << repetitions << ": raw reads and ReadEntry per refresh ("
        << readsPerRefresh << " reads each), WriteEntry per call\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(u"profile"_s, -34)
               .arg(u"bytes"_s, 6)
               .arg(u"raw reads"_s, 10)
               .arg(u"ReadEntry"_s, 10)
               .arg(u"ratio"_s, 6)
               .arg(u"WriteEntry"_s, 10);
    for (const QString& name : profiles) {
        const QString path = QDir(folder).filePath(name);
        const ProfileFile profile(path);

        const double raw = microsecondsPer([&] {
            for (int i = 0; i < readsPerRefresh; ++i) {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly))
                    file.readAll();
            }
        });
        const QString fallback = voiceDefault();
        const double reads = microsecondsPer([&] {
            profile.ReadEntry(u"DefaultPlayer"_s, u"Voice"_s, fallback, 30);
            for (const QString& key : KeyNameTable())
                profile.ReadEntry(u"Engine.Input"_s, key, fallback, 30);
        });

        const QString copy = scratch.filePath(name);
        QFile::copy(path, copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const ProfileFile writable(copy);
        int flip = 0;
        const double write = microsecondsPer([&] {
            // Alternate values, so that every call really replaces the file.
            writable.WriteEntry(u"Engine.Input"_s, u"F5"_s, ++flip % 2 ? u"speech 3 12 -1"_s : QString());
        });

        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(name, -34)
                   .arg(QFileInfo(path).size(), 6)
                   .arg(raw, 10, 'f', 1)
                   .arg(reads, 10, 'f', 1)
                   .arg(reads / raw, 6, 'f', 2)
                   .arg(write, 10, 'f', 1);
    }
    return 0;
}
