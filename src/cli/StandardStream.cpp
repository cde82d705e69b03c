// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StandardStream.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <QStringDecoder>

#include <algorithm>

#include <io.h>
#include <windows.h>
#endif

namespace parlomatic::cli {

namespace {

#ifdef Q_OS_WIN
// Decodes the UTF-8 it is given, keeping a character split between two
// writes for the next one, and writes it with WriteConsoleW.
class ConsoleDevice : public QIODevice {
public:
    explicit ConsoleDevice(HANDLE console) : m_console(console) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const QString text = m_decoder.decode(QByteArrayView(data, size));
        for (qsizetype done = 0; done < text.size();) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(text.size() - done, 8192));
            if (!WriteConsoleW(m_console, text.utf16() + done, chunk, &written, nullptr) || written == 0)
                return -1;
            done += written;
        }
        return size;
    }

private:
    HANDLE m_console;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
};

// The console behind stream, or null when stream goes to a file or a pipe.
HANDLE consoleOf(FILE* stream) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}
#endif

} // namespace

std::unique_ptr<QIODevice> standardStream(FILE* stream) {
#ifdef Q_OS_WIN
    if (const HANDLE console = consoleOf(stream)) {
        std::fflush(stream);
        return std::make_unique<ConsoleDevice>(console);
    }
#endif
    auto file = std::make_unique<QFile>();
    file->open(stream, QIODevice::WriteOnly);
    return file;
}

} // namespace parlomatic::cli
