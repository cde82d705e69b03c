// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"

#include "support/TempProfile.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace parlomatic;
using namespace parlomatic::test;

namespace {

const QByteArray profileText = "[Engine.Input]\r\nF5=Jump\r\n\r\n[DefaultPlayer]\r\nName=Player\r\n";

QByteArray utf16Bytes(const QString& text, bool little) {
    QStringEncoder encoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

enum class Hostile { Fifo, EndlessDevice, Folder, HugeFile };

} // namespace

class ProfileFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void hostileFiles_data();
    void hostileFiles();
    void gameWritesMeanwhile_data();
    void gameWritesMeanwhile();
    void utf16_data();
    void utf16();
    void ownerAndModeKept();
    void readOnlyFolderRewritesInPlace();
    void strayOfKilledWriteRemoved();
};

void ProfileFaultsTest::hostileFiles_data() {
    QTest::addColumn<Hostile>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << Hostile::Fifo << u"not a regular file"_s;
    QTest::newRow("link to /dev/zero") << Hostile::EndlessDevice << u"not a regular file"_s;
    QTest::newRow("folder") << Hostile::Folder << u"folder"_s;
    QTest::newRow("129 MB file") << Hostile::HugeFile << u"128 MB"_s;
}

// Anything but a regular file of sensible size is refused at once: no hang, no endless read.
void ProfileFaultsTest::hostileFiles() {
    QFETCH(Hostile, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kvuser.ini"_s);
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Hostile::Fifo:
        QCOMPARE(::mkfifo(name.constData(), 0644), 0);
        break;
    case Hostile::EndlessDevice:
        QCOMPARE(::symlink("/dev/zero", name.constData()), 0);
        break;
    case Hostile::Folder:
        QVERIFY(QDir().mkdir(path));
        break;
    case Hostile::HugeFile:
        QVERIFY(putFile(path, profileText));
        QCOMPARE(::truncate(name.constData(), 129 << 20), 0);
        break;
    }
    const auto before = folderSnapshot(dir.path());
    const ProfileFile profile(path);
    const Result result = profile.WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 5 -1"_s);
    QVERIFY(!result.ok());
    QVERIFY2(result.error().contains(reason), qPrintable(result.error()));
    QCOMPARE(profile.ReadEntry(u"Engine.Input"_s, u"F5"_s, u"d"_s, 30), u"d"_s);
    QCOMPARE(folderSnapshot(dir.path()), before);
}

void ProfileFaultsTest::gameWritesMeanwhile_data() {
    QTest::addColumn<int>("gameWrites");
    QTest::addColumn<bool>("written");
    QTest::newRow("once") << 1 << true;
    QTest::newRow("three times") << 3 << true;
    QTest::newRow("at every attempt") << 100 << false;
}

// The game saves the profile (truncate, then write in place) between our read
// and our rename: its save is kept, and our change is made on top or not at all.
void ProfileFaultsTest::gameWritesMeanwhile() {
    QFETCH(int, gameWrites);
    QFETCH(bool, written);
    TempProfile file(profileText);
    ProfileFile profile(file.path());
    int saves = 0;
    QByteArray saved;
    profile.setBeforeReplace([&] {
        if (saves == gameWrites)
            return;
        saved = profileText + "Team=" + QByteArray::number(++saves) + "\r\n";
        QFile game(file.path());
        QVERIFY(game.open(QIODevice::WriteOnly | QIODevice::Truncate));
        game.write(saved);
    });
    const Result result = profile.WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 5 -1"_s);
    QCOMPARE(result.ok(), written);
    QCOMPARE(file.read(), written ? QByteArray(saved).replace("F5=Jump", "F5=speech 3 5 -1") : saved);
    QCOMPARE(QDir(file.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"kvuser.ini"_s});
}

void ProfileFaultsTest::utf16_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QString text = u"[Engine.Input]\r\nF5=Jump\r\n[DefaultPlayer]\r\nName=J\u00F6rg\u4E2D\r\n"_s;
    const QString changed =
        QString(text).replace(u"Jump"_s, u"speech 3 5 -1"_s) + u"[New]\r\nKey=\u20AC\U0001F600\r\n"_s;
    for (const bool little : {true, false}) {
        QTest::addRow("%s", little ? "little endian" : "big endian")
            << utf16Bytes(text, little) << utf16Bytes(changed, little);
        QTest::addRow("%s, odd length refused", little ? "little endian" : "big endian")
            << utf16Bytes(text, little) + 'x' << QByteArray();
    }
}

// UTF-16 profiles stay UTF-16 with their byte-order mark and follow the same entry rules.
void ProfileFaultsTest::utf16() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TempProfile file(before);
    const ProfileFile profile(file.path());
    QCOMPARE(profile.ReadEntry(u"defaultplayer"_s, u"name"_s, {}, 30), u"J\u00F6rg\u4E2D"_s);
    const bool ok = profile.WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 5 -1"_s).ok() &&
                    profile.WriteEntry(u"New"_s, u"Key"_s, u"\u20AC\U0001F600"_s).ok();
    QCOMPARE(ok, !after.isNull());
    QCOMPARE(file.read(), after.isNull() ? before : after);
}

// Written by root for a player, the profile stays the player's with its permissions.
void ProfileFaultsTest::ownerAndModeKept() {
    if (::geteuid() != 0)
        QSKIP("only root can hand a file to another user");
    TempProfile file(profileText);
    const QByteArray name = QFile::encodeName(file.path());
    QCOMPARE(::chown(name.constData(), 65534, 65534), 0);
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    QVERIFY(ProfileFile(file.path()).WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 5 -1"_s).ok());
    struct stat info {};
    QCOMPARE(::stat(name.constData(), &info), 0);
    QCOMPARE(info.st_uid, uid_t(65534));
    QCOMPARE(info.st_gid, gid_t(65534));
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
}

// A folder that takes no new file, with the profile itself writable: the profile is rewritten in place.
void ProfileFaultsTest::readOnlyFolderRewritesInPlace() {
    TempProfile file(profileText);
    if (QProcess::execute(u"chattr"_s, {u"+i"_s, file.dir()}) != 0)
        QSKIP("chattr +i is not available here");
    const auto cleanup = qScopeGuard([&] { QProcess::execute(u"chattr"_s, {u"-i"_s, file.dir()}); });
    const quint64 inode = file.inode();
    const Result result = ProfileFile(file.path()).WriteEntry(u"DefaultPlayer"_s, u"Name"_s, u"Kestrel Longname"_s);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(file.read(), QByteArray(profileText).replace("Name=Player", "Name=Kestrel Longname"));
    QCOMPARE(file.inode(), inode);
    QCOMPARE(QDir(file.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"kvuser.ini"_s});
}

// What a write killed between naming its temporary file and the rename leaves is removed by the next write; nothing
// else is.
void ProfileFaultsTest::strayOfKilledWriteRemoved() {
    TempProfile file(profileText);
    QVERIFY(putFile(file.path() + u".parlomatic-x9Kq2Z"_s, profileText.left(7)));
    QVERIFY(putFile(file.path() + u".parlomatic-notes.txt"_s, "mine"));
    QVERIFY(ProfileFile(file.path()).WriteEntry(u"Engine.Input"_s, u"F5"_s, u"speech 3 5 -1"_s).ok());
    QCOMPARE(QDir(file.dir()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"kvuser.ini"_s, u"kvuser.ini.parlomatic-notes.txt"_s}));
}

QTEST_GUILESS_MAIN(ProfileFaultsTest)
#include "tst_ProfileFaults.moc"
