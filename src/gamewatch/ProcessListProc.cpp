// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/ProcessList.h"

#include <QByteArray>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cctype>

namespace parlomatic {

namespace {

// Plain system calls: this runs for every process every poll, and Qt's file
// classes cost several times more per small file.
QByteArray readSmallFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::array<char, 4096> buffer{};
    const ssize_t size = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return size > 0 ? QByteArray(buffer.data(), size) : QByteArray();
}

QByteArray linkTarget(const QByteArray& path) {
    std::array<char, 4096> buffer{};
    const ssize_t size = ::readlink(path.constData(), buffer.data(), buffer.size());
    return size > 0 ? QByteArray(buffer.data(), size) : QByteArray();
}

QStringList splitCommandLine(const QByteArray& cmdline) {
    QStringList arguments;
    for (const QByteArray& argument : cmdline.split('\0')) {
        if (!argument.isEmpty())
            arguments.append(QString::fromLocal8Bit(argument));
    }
    return arguments;
}

bool isNumber(const char* name) {
    if (*name == '\0')
        return false;
    for (; *name != '\0'; ++name) {
        if (std::isdigit(static_cast<unsigned char>(*name)) == 0)
            return false;
    }
    return true;
}

} // namespace

QList<ProcessInfo> listProcesses() {
    QList<ProcessInfo> processes;
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr)
        return processes;
    while (const dirent* entry = ::readdir(proc)) {
        if (!isNumber(entry->d_name))
            continue;
        const QByteArray folder = QByteArray("/proc/") + entry->d_name;
        ProcessInfo process;
        process.pid = QByteArray(entry->d_name).toLongLong();
        process.executable = QString::fromLocal8Bit(linkTarget(folder + "/exe"));
        process.shortName = QString::fromLocal8Bit(readSmallFile(folder + "/comm").trimmed());
        // Only the first 4 KiB of a command line: enough for a program and its first arguments.
        process.arguments = splitCommandLine(readSmallFile(folder + "/cmdline"));
        if (process.executable.isEmpty() && process.shortName.isEmpty() && process.arguments.isEmpty())
            continue;
        processes.append(process);
    }
    ::closedir(proc);
    return processes;
}

} // namespace parlomatic
