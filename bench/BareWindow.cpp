// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's anchor: a bare Qt Widgets program that shows one
// window with three list widgets holding the lines of a file (lists separated
// by an empty line), as the main window's three lists hold them. It prints
// "frame <peak KiB>" once the window's first frame is painted and ends.

#include "FirstFrame.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(665, 400);
    QList<QListWidget*> lists;
    for (int i = 0; i < 3; ++i) {
        lists.append(new QListWidget(&window));
        lists.last()->setGeometry(8 + i * 220, 56, 200, 277);
    }
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    if (file.open(QIODevice::ReadOnly)) {
        qsizetype list = 0;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty())
                ++list;
            else if (list < lists.size())
                lists[list]->addItem(QString::fromUtf8(line));
        }
    }
    parlomatic::bench::endAfterFirstFrame(&window);
    window.show();
    return QApplication::exec();
}
