// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestFiles.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace parlomatic::test {

// A fresh folder holding one profile file, kvuser.ini unless named otherwise.
class TempProfile {
public:
    explicit TempProfile(const QByteArray& content, const QString& fileName = QStringLiteral("kvuser.ini")) {
        m_path = m_dir.filePath(fileName);
        write(content);
    }

    QString dir() const { return m_dir.path(); }
    const QString& path() const { return m_path; }

    void write(const QByteArray& content) const { putFile(m_path, content); }

    QByteArray read() const { return readFile(m_path); }

    static QByteArray readFile(const QString& path) { return fileBytes(path).value_or(QByteArray()); }

    // The file's identity in its file system (inode; file index on Windows):
    // an atomic replacement gives a new one, so an unchanged identity proves
    // that nothing was written. 0 when it cannot be read.
    quint64 inode() const {
#ifdef Q_OS_WIN
        const std::wstring native = QDir::toNativeSeparators(m_path).toStdWString();
        const HANDLE file = CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return 0;
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        return known ? (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
#else
        struct stat info {};
        return ::stat(QFile::encodeName(m_path).constData(), &info) == 0 ? info.st_ino : 0;
#endif
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// A small profile in the game's own shape, with the given Voice line (none
// when empty) and extra lines for [Engine.Input].
inline QByteArray gameProfile(const QByteArray& voice, const QByteArray& inputLines = {}) {
    QByteArray text = "[Engine.Engine]\r\nGameRenderDevice=SoftDrv.SoftwareRenderDevice\r\n\r\n"
                      "[Engine.Input]\r\nAlt=\r\nF1=ViewPlayerNum 0\r\n";
    text += inputLines;
    text += "Y=TeamSay\r\n\r\n[DefaultPlayer]\r\nName=Player\r\nTeam=255\r\n";
    if (!voice.isEmpty())
        text += "Voice=" + voice + "\r\n";
    return text;
}

} // namespace parlomatic::test
