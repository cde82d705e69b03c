#pragma once

#include "support/TestFiles.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/stat.h>

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

    // The file's inode: an atomic replacement gives a new one, so an
    // unchanged inode proves that nothing was written.
    ino_t inode() const {
        struct stat info {};
        return ::stat(QFile::encodeName(m_path).constData(), &info) == 0 ? info.st_ino : 0;
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
