// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted frame: the program (its start-up as main runs
// it: the profile found through the command line, remembered, backed up and
// read, the main window built, the game's watch started) against a bare Qt
// Widgets window with three list widgets holding the same lines
// (parlomatic-bench-bare-window). Each run is a fresh process; the two kinds
// take turns so that a busy machine weighs on both alike. Peak memory is each
// process's own at its first frame. Both run with a scratch home and settings
// folder: the player's own settings are never read or written.
//
//   parlomatic-bench-startup [profile] [runs]
//
// Run it where the program would run (a display, or QT_QPA_PLATFORM=offscreen).

#include "BenchRunner.h"
#include "FirstFrame.h"
#include "app/ProgramStart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace parlomatic;
using namespace parlomatic::bench;

namespace {

// The child: what main does with the profile named on its command line, then
// "frame <peak KiB>" at the first frame; the three lists go to linesFile when
// one is given.
int runProgram(int argc, char* argv[], const QString& profile, const QString& linesFile) {
    QApplication app(argc, argv);
    const std::unique_ptr<StartedProgram> program = startProgram(profile);
    if (!program)
        return 1;
    const SpeechTool& tool = program->tool;
    endAfterFirstFrame(program->window.get(), [&tool, linesFile] {
        if (linesFile.isEmpty())
            return;
        QFile file(linesFile);
        if (!file.open(QIODevice::WriteOnly))
            return;
        for (const ListModel* list : {&tool.all_taunts(), &tool.allKeys(), &tool.usedSpeechKeys()})
            file.write(list->items().join(u'\n').toUtf8() + "\n\n");
    });
    program->window->show();
    return QApplication::exec();
}

// Points home and every per-user folder of both children into scratch.
void useScratchHome(const QString& scratch) {
    QDir().mkpath(scratch);
    qputenv("HOME", QFile::encodeName(scratch));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(name, QFile::encodeName(QDir(scratch).filePath(QString::fromLatin1(name))));
}

struct Sample {
    QList<double> milliseconds;
    QList<double> peakKiB;
};

bool sample(Sample& into, const QString& program, const QStringList& arguments) {
    const std::optional<ProgramRun> run = bench::runProgram(program, arguments, true);
    if (!run || !run->firstLine.startsWith("frame "))
        return false;
    into.milliseconds.append(run->milliseconds);
    into.peakKiB.append(run->firstLine.mid(6).toDouble());
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && QByteArrayView(argv[1]) == "--program")
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]),
                          argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());

    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString profile = argc > 1 && argv[1][0] != 0
                                ? QString::fromLocal8Bit(argv[1])
                                : QStringLiteral(PARLOMATIC_REALWORLD_DIR "/UT_player_User_VoiceMaleTwo.ini");
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 21;
    QTemporaryDir folder;
    const QString kvuser = QDir(folder.path()).filePath(QStringLiteral("kvuser.ini"));
    if (!QFile::copy(profile, kvuser)) {
        out << "Cannot copy " << profile << Qt::endl;
        return 1;
    }
    QFile::setPermissions(kvuser, QFile::ReadOwner | QFile::WriteOwner);
    useScratchHome(QDir(folder.path()).filePath(QStringLiteral("home")));
    const QString lines = QDir(folder.path()).filePath(QStringLiteral("lines.txt"));
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = besideThisProgram(QStringLiteral("parlomatic-bench-bare-window"));

    // The first run writes the lines for the anchor and warms the caches of both.
    Sample program;
    Sample anchor;
    if (!sample(program, self, {QStringLiteral("--program"), kvuser, lines}) || !sample(anchor, bare, {lines})) {
        out << "A run failed" << Qt::endl;
        return 1;
    }
    program = {};
    anchor = {};
    for (int i = 0; i < runs; ++i) {
        if (!sample(program, self, {QStringLiteral("--program"), kvuser}) || !sample(anchor, bare, {lines})) {
            out << "A run failed" << Qt::endl;
            return 1;
        }
    }
    const double programMs = median(program.milliseconds);
    const double anchorMs = median(anchor.milliseconds);
    const double programKiB = median(program.peakKiB);
    const double anchorKiB = median(anchor.peakKiB);
    out << "Start-up to the first painted frame, median of " << runs << " runs each, profile " << profile << '\n';
    out << QStringLiteral("%1 %2 %3\n").arg(QString(), -28).arg(u"ms", 9).arg(QStringLiteral("peak KiB"), 10);
    out << QStringLiteral("%1 %2 %3\n")
               .arg(QStringLiteral("bare window, same lines"), -28)
               .arg(anchorMs, 9, 'f', 1)
               .arg(anchorKiB, 10, 'f', 0);
    out << QStringLiteral("%1 %2 %3\n")
               .arg(QStringLiteral("parlomatic"), -28)
               .arg(programMs, 9, 'f', 1)
               .arg(programKiB, 10, 'f', 0);
    out << QStringLiteral("ratio: start-up %1x (goal <= 1.10), peak memory %2x (goal <= 1.15)\n")
               .arg(programMs / anchorMs, 0, 'f', 2)
               .arg(programKiB / anchorKiB, 0, 'f', 2);
    return 0;
}
