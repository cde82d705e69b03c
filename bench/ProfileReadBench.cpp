// Times one refresh's worth of profile reads on real profiles: the voice and the
// 86 keys, each a ReadEntry that reads the file again, next to reading the raw
// file as many times. Also times one WriteEntry on a copy.

#include "profile/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

// The entry names of [Engine.Input] that the main window reads on every refresh,
// in its order (the key name table of the catalogue).
const QStringList keyNames =
    QStringLiteral(
        "LeftMouse RightMouse MiddleMouse Tab Enter Shift Ctrl Pause CapsLock Escape Space PageDown "
        "End Left Up Right Down 0 1 2 3 4 5 6 "
        "7 8 9 F1 F2 F3 F4 F5 F6 F7 F8 F9 "
        "F10 F11 F12 Equals Minus Slash LeftBracket Backslash RightBracket MouseX MouseY A "
        "B C D E F G H J K L M N "
        "O Q S T U V W X Z NumPad0 NumPad1 NumPad2 "
        "NumPad3 NumPad4 NumPad5 NumPad6 NumPad7 NumPad8 NumPad9 GreyStar NumPadPeriod GreySlash ScrollLock Semicolon "
        "MouseWheelDown MouseWheelUp")
        .split(u' ');

constexpr int readsPerRefresh = 87;
constexpr int repetitions = 400;
const QString voiceDefault = u"noVoice"_s + QString(23, u' ');

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
    Q_ASSERT(keyNames.size() + 1 == readsPerRefresh);
    QTemporaryDir scratch;

    out << "One refresh = " << readsPerRefresh << " reads; times in microseconds, best of 5 x " << repetitions
        << " refreshes\n";
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
        qsizetype sink = 0;

        const double raw = microsecondsPer([&] {
            for (int i = 0; i < readsPerRefresh; ++i) {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly))
                    sink += file.readAll().size();
            }
        });
        const double reads = microsecondsPer([&] {
            sink += profile.ReadEntry(u"DefaultPlayer"_s, u"Voice"_s, voiceDefault, 30).size();
            for (const QString& key : keyNames)
                sink += profile.ReadEntry(u"Engine.Input"_s, key, voiceDefault, 30).size();
        });

        const QString copy = scratch.filePath(name);
        QFile::copy(path, copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        const ProfileFile writable(copy);
        int flip = 0;
        const double write = microsecondsPer([&] {
            // Alternate values, so that every call really replaces the file.
            sink += writable.WriteEntry(u"Engine.Input"_s, u"F5"_s, ++flip % 2 ? u"speech 3 12 -1"_s : QString()).ok();
        });

        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(name, -34)
                   .arg(QFileInfo(path).size(), 6)
                   .arg(raw, 10, 'f', 1)
                   .arg(reads, 10, 'f', 1)
                   .arg(reads / raw, 6, 'f', 2)
                   .arg(write, 10, 'f', 1);
        if (sink < 0)
            out << "impossible\n";
    }
    return 0;
}
