// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/ProfileSearch.h"
#include "locate/SearchPlaces.h"
#include "locate/SteamLibraries.h"
#include "locate/VirtualStore.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

// Creates home/relative; file times one hour apart, so that the newest-first order is known.
void makeFile(const QDir& home, const QString& relative, int hour, const QByteArray& content = "[Engine]\r\n") {
    QVERIFY(
        putFileDated(home.filePath(relative), content, QDateTime(QDate(2026, 1, 1), QTime(hour, 0), QTimeZone::utc())));
}

void makeLink(const QDir& home, const QString& target, const QString& link) {
    QVERIFY(QDir().mkpath(QFileInfo(home.filePath(link)).path()));
    QVERIFY(QFile::link(target, home.filePath(link)));
}

} // namespace

class TestProfileSearch : public QObject {
    Q_OBJECT

private slots:
    // Every layout of a made-up home at once, with decoys that must not show.
    void findsEveryLayoutAndNoDecoy() {
        QTemporaryDir tmp;
        const QDir home(tmp.filePath(u"home"_s));
        const QString library = tmp.filePath(u"library2"_s);
        const QStringList layouts{
            u".utpg/System/kvuser.ini"_s,
            u".loki/ut/System/kvuser.ini"_s,
            u".wine/drive_c/UnrealTournament/System/kvuser.ini"_s,
            u".wine/drive_c/users/me/AppData/Local/VirtualStore/Program Files (x86)/UT/System/kvuser.ini"_s,
            u".local/share/Steam/steamapps/common/Unreal Tournament/System/kvuser.ini"_s,
            u".local/share/Steam/steamapps/compatdata/13240/pfx/drive_c/UT/System/kvuser.ini"_s,
            u"../library2/steamapps/common/UnrealTournament/System/kvuser.ini"_s,
            u".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/common/UT/System/kvuser.ini"_s,
            u"Games/unreal-tournament/drive_c/UnrealTournament/system/KVUSER.INI"_s,
            u"Games/Heroic/Prefixes/default/UT/drive_c/GOG Games/UT/System/kvuser.ini"_s,
            u".local/share/bottles/bottles/UT/drive_c/Program Files/UT/System/kvuser.ini"_s,
        };
        const QStringList places{
            u"Community patch"_s, u"Loki install"_s,   u"Wine prefix"_s,   u"Wine prefix"_s,
            u"Steam"_s,           u"Steam (Proton)"_s, u"Steam library"_s, u"Flatpak Steam"_s,
            u"Lutris"_s,          u"Heroic"_s,         u"Bottles"_s,
        };
        for (int i = 0; i < layouts.size(); ++i)
            makeFile(home, layouts.at(i), i);
        makeFile(home, u".local/share/Steam/steamapps/libraryfolders.vdf"_s, 0,
                 "\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library.toUtf8() + "\"\n\t}\n}\n");

        // Decoys: caches, Windows' own folder, and profiles reachable only through links.
        makeFile(home, u".wine/drive_c/users/me/AppData/Local/Temp/UT/System/kvuser.ini"_s, 20);
        makeFile(home, u".wine/drive_c/users/me/.cache/UT/System/kvuser.ini"_s, 20);
        makeFile(home, u".wine/drive_c/windows/System/kvuser.ini"_s, 20);
        makeFile(home, u"Games/unreal-tournament/drive_c/ShaderCache/System/kvuser.ini"_s, 20);
        makeFile(home, u"../elsewhere/UT/System/kvuser.ini"_s, 21);
        makeLink(home, tmp.filePath(u"elsewhere/UT"_s), u".wine/drive_c/linked"_s);
        makeLink(home, home.filePath(u".wine/drive_c"_s), u".wine/drive_c/UnrealTournament/loop"_s);
        // The usual link from ~/.steam/steam to the Steam folder gives each profile once.
        makeLink(home, home.filePath(u".local/share/Steam"_s), u".steam/steam"_s);

        QElapsedTimer timer;
        timer.start();
        const QList<FoundProfile> found = findProfiles({home.path(), {}, {}});
        QVERIFY(timer.elapsed() < 1000);

        QStringList foundPaths, foundPlaces;
        for (const FoundProfile& profile : found) {
            foundPaths.append(profile.path);
            foundPlaces.append(profile.place);
        }
        QStringList expectedPaths, expectedPlaces;
        for (qsizetype i = layouts.size() - 1; i >= 0; --i) {
            expectedPaths.append(QFileInfo(home.filePath(layouts.at(i))).canonicalFilePath());
            expectedPlaces.append(places.at(i));
        }
        QCOMPARE(foundPaths.join(u'\n'), expectedPaths.join(u'\n'));
        QCOMPARE(foundPlaces, expectedPlaces);
        QCOMPARE(found.constFirst().lastModified, QDateTime(QDate(2026, 1, 1), QTime(10, 0), QTimeZone::utc()));
    }

    void winePrefixFromEnvironment() {
        QTemporaryDir tmp;
        const QDir root(tmp.path());
        makeFile(root, u"prefixes/ut/drive_c/UT/System/kvuser.ini"_s, 1);
        makeFile(root, u"home/.wine/drive_c/UT/System/kvuser.ini"_s, 2);
        const QList<FoundProfile> found = findProfiles({root.filePath(u"home"_s), root.filePath(u"prefixes/ut"_s), {}});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.constFirst().path, root.filePath(u"prefixes/ut/drive_c/UT/System/kvuser.ini"_s));
    }

    void budgetBoundsTheWalk() {
        QTemporaryDir tmp;
        const QDir root(tmp.path());
        makeFile(root, u"drive_c/a/b/c/d/System/kvuser.ini"_s, 1);
        ProfileSearch small(4);
        small.searchTree(root.filePath(u"drive_c"_s), 9, u"Wine prefix"_s);
        QVERIFY(small.results().isEmpty());
        ProfileSearch enough(64);
        enough.searchTree(root.filePath(u"drive_c"_s), 9, u"Wine prefix"_s);
        QCOMPARE(enough.results().size(), 1);
    }

    // A copy in the VirtualStore replaces the profile it shadows.
    void virtualStoreCopyIsPreferred() {
        QTemporaryDir tmp;
        const QDir root(tmp.path());
        const QString original = root.filePath(u"Program Files/UT/System/kvuser.ini"_s);
        const QString localAppData = root.filePath(u"LocalAppData"_s);
        makeFile(root, u"Program Files/UT/System/kvuser.ini"_s, 1);
        ProfileSearch search;
        search.setLocalAppData(localAppData);
        search.checkSystemFolder(root.filePath(u"Program Files/UT/System"_s), u"Registry"_s);
        QCOMPARE(search.results().constFirst().path, original);

        makeFile(QDir(u"/"_s), virtualStoreCopy(localAppData, original), 2);
        ProfileSearch again;
        again.setLocalAppData(localAppData);
        again.checkSystemFolder(root.filePath(u"Program Files/UT/System"_s), u"Registry"_s);
        QCOMPARE(again.results().size(), 1);
        QCOMPARE(again.results().constFirst().path, virtualStoreCopy(localAppData, original));
        QCOMPARE(again.results().constFirst().place, u"Registry (VirtualStore)"_s);
    }

    void virtualStorePaths_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("copy");
        QTest::newRow("backslashes") << u"D:\\Program Files (x86)\\UT\\System\\kvuser.ini"_s
                                     << u"/L/VirtualStore/Program Files (x86)/UT/System/kvuser.ini"_s;
        QTest::newRow("relative") << u"UT/System/kvuser.ini"_s << QString();
        QTest::newRow("already the copy") << u"/L/VirtualStore/UT/System/kvuser.ini"_s << QString();
    }
    void virtualStorePaths() {
        QFETCH(QString, path);
        QFETCH(QString, copy);
        QCOMPARE(virtualStoreCopy(u"/L"_s, path), copy);
    }

    void steamLibraryFile_data() {
        QTest::addColumn<QByteArray>("vdf");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("current")
            << QByteArray("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/me/.local/share/Steam\"\n"
                          "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"1234\"\n\t\t}\n\t}\n"
                          "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"D:\\\\Steam \\\"Games\\\"\"\n\t}\n}\n")
            << QStringList{u"/home/me/.local/share/Steam"_s, u"D:\\Steam \"Games\""_s};
        QTest::newRow("older, numbered") << QByteArray(
                                                "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
                                                "\t\"1\"\t\t\"/mnt/games/SteamLibrary\"\n}\n")
                                         << QStringList{u"/mnt/games/SteamLibrary"_s};
        QTest::newRow("broken") << QByteArray("\"path\" \"/unterminated") << QStringList{};
    }
    void steamLibraryFile() {
        QFETCH(QByteArray, vdf);
        QFETCH(QStringList, paths);
        QCOMPARE(steamLibraryPaths(vdf), paths);
    }
};

QTEST_GUILESS_MAIN(TestProfileSearch)
#include "tst_ProfileSearch.moc"
