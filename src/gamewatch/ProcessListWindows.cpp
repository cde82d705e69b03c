// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/ProcessList.h"

#include <windows.h>

#include <tlhelp32.h>

namespace parlomatic {

QList<ProcessInfo> listProcesses() {
    QList<ProcessInfo> processes;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        ProcessInfo process;
        process.pid = entry.th32ProcessID;
        process.executable = QString::fromWCharArray(entry.szExeFile);
        processes.append(process);
    }
    CloseHandle(snapshot);
    return processes;
}

} // namespace parlomatic
