#include "gamewatch/ProcessList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace parlomatic {

namespace {

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);
}

QStringList splitCommandLine(const QByteArray& cmdline) {
    QStringList arguments;
    for (const QByteArray& argument : cmdline.split('\0')) {
        if (!argument.isEmpty())
            arguments.append(QString::fromLocal8Bit(argument));
    }
    return arguments;
}

} // namespace

QList<ProcessInfo> listProcesses() {
    QList<ProcessInfo> processes;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QString folder = proc.filePath(entry);
        ProcessInfo process;
        process.pid = pid;
        process.executable = QFileInfo(folder + QStringLiteral("/exe")).symLinkTarget();
        process.shortName = QString::fromLocal8Bit(readSmallFile(folder + QStringLiteral("/comm")).trimmed());
        process.arguments = splitCommandLine(readSmallFile(folder + QStringLiteral("/cmdline")));
        if (process.executable.isEmpty() && process.shortName.isEmpty() && process.arguments.isEmpty())
            continue;
        processes.append(process);
    }
    return processes;
}

} // namespace parlomatic
