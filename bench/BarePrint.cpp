// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line benchmarks' anchor: a bare Qt Core program that reads a
// file and prints it as text.

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QTextStream(stdout) << QString::fromLatin1(file.readAll());
    return 0;
}
