// SPDX-License-Identifier: GPL-3.0-or-later
#include "locate/ProfileLocator.h"
#include "locate/RememberedProfile.h"
#include "locate/VirtualStore.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

QString makeProfile(const QTemporaryDir& dir, const QString& relative) {
    return putFileDated(dir.filePath(relative), "[Engine]\r\n") ? dir.filePath(relative) : QString();
}

} // namespace

class TestProfileLocator : public QObject {
    Q_OBJECT

private slots:
    // Which step settles the profile, given what exists. Columns name the
    // files present: beside the program, on the command line, remembered, and
    // how many the search finds; chosen is the chooser's scripted answer.
    void steps_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("remembered");
        QTest::addColumn<int>("foundCount");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<LocatedBy>("by");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("chooserAsked");

        QTest::newRow("beside wins") << true << u"cmd/kvuser.ini"_s << true << 2 << 0 << LocatedBy::BesideProgram
                                     << u"exe/kvuser.ini"_s << false;
        QTest::newRow("command line") << false << u"cmd/kvuser.ini"_s << true << 2 << 0 << LocatedBy::CommandLine
                                      << u"cmd/kvuser.ini"_s << false;
        QTest::newRow("command line missing") << false << u"nowhere/kvuser.ini"_s << true << 2 << 0
                                              << LocatedBy::CommandLineMissing << u"nowhere/kvuser.ini"_s << false;
        QTest::newRow("remembered") << false << QString() << true << 2 << 0 << LocatedBy::Remembered
                                    << u"last/kvuser.ini"_s << false;
        QTest::newRow("remembered is gone, one found")
            << false << QString() << false << 1 << 0 << LocatedBy::OnlyOneFound << u"found0/kvuser.ini"_s << false;
        QTest::newRow("several: the second chosen")
            << false << QString() << false << 3 << 1 << LocatedBy::Chooser << u"found1/kvuser.ini"_s << true;
        QTest::newRow("several: browse") << false << QString() << false << 2 << -1 << LocatedBy::NotSettled << QString()
                                         << true;
    }
    void steps() {
        QFETCH(bool, beside);
        QFETCH(QString, commandLine);
        QFETCH(bool, remembered);
        QFETCH(int, foundCount);
        QFETCH(int, chosen);
        QFETCH(LocatedBy, by);
        QFETCH(QString, path);
        QFETCH(bool, chooserAsked);

        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(u"exe"_s));
        if (beside)
            makeProfile(dir, u"exe/kvuser.ini"_s);
        makeProfile(dir, u"cmd/kvuser.ini"_s);
        QSettings memory(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
        rememberProfile(memory, dir.filePath(u"last/kvuser.ini"_s));
        if (remembered)
            makeProfile(dir, u"last/kvuser.ini"_s);
        QList<FoundProfile> found;
        for (int i = 0; i < foundCount; ++i)
            found.append({makeProfile(dir, u"found%1/kvuser.ini"_s.arg(i)), u"Steam"_s, {}});
        int searches = 0;
        const LocateSteps steps{
            {dir.filePath(u"exe"_s)}, commandLine.isEmpty() ? QString() : dir.filePath(commandLine), &memory, [&] {
                ++searches;
                return found;
            }};

        ScriptedInteraction interaction;
        interaction.profileAnswers = {chosen};
        const Located located = locateProfile(steps, interaction);
        QCOMPARE(located.by, by);
        QCOMPARE(QDir::fromNativeSeparators(located.path), path.isEmpty() ? QString() : dir.filePath(path));
        QCOMPARE(interaction.profileChoices.size(), chooserAsked ? 1 : 0);
        if (chooserAsked)
            QCOMPARE(interaction.profileChoices.constFirst(), found);
        // The search of a large home runs only when the quick steps found nothing.
        const bool searched = !beside && commandLine.isEmpty() && !remembered;
        QCOMPARE(searches, searched ? 1 : 0);
    }

    // Which file a profile settled at start-up stands for. Columns: whether it
    // lies under a protected folder, has a VirtualStore copy, and its folder
    // takes new files; then whether the copy is used and whether the profile
    // is reported as unwritable. The last row settles on the copy itself.
    void virtualStore_data() {
        QTest::addColumn<bool>("givenTheCopy");
        QTest::addColumn<bool>("underProtected");
        QTest::addColumn<bool>("copyExists");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("copyUsed");
        QTest::addColumn<bool>("unwritable");

        QTest::newRow("protected, with a copy") << false << true << true << false << true << false;
        QTest::newRow("protected, no copy, writable") << false << true << false << true << false << false;
        QTest::newRow("protected, no copy, not writable") << false << true << false << false << false << true;
        QTest::newRow("elsewhere, a stray copy") << false << false << true << false << false << false;
        QTest::newRow("the copy, as the search finds it") << true << true << true << false << true << false;
    }
    void virtualStore() {
        QFETCH(bool, givenTheCopy);
        QFETCH(bool, underProtected);
        QFETCH(bool, copyExists);
        QFETCH(bool, writable);
        QFETCH(bool, copyUsed);
        QFETCH(bool, unwritable);

        QTemporaryDir dir;
        const QString programFiles = dir.filePath(u"Program Files (x86)"_s);
        const QString profile = makeProfile(dir, underProtected ? u"Program Files (x86)/UT/System/kvuser.ini"_s
                                                                : u"Games/UT/System/kvuser.ini"_s);
        const QString localAppData = dir.filePath(u"Local"_s);
        const QString copy = virtualStoreCopy(localAppData, profile);
        if (copyExists)
            QVERIFY(putFileDated(copy, "[Engine]\r\n"));
        QStringList asked;
        const VirtualStorePlaces places{
            localAppData, {dir.filePath(u"Windows"_s), programFiles}, [&](const QString& folder) {
                asked.append(folder);
                return writable;
            }};

        const ProfileInStore place = profileInStore(places, QDir::toNativeSeparators(givenTheCopy ? copy : profile));
        QCOMPARE(QDir::fromNativeSeparators(place.path), copyUsed ? copy : profile);
        QCOMPARE(QDir::fromNativeSeparators(place.copyOf), copyUsed ? profile : QString());
        QCOMPARE(place.unwritable, unwritable);
        QCOMPARE(profileInStoreNote(place).isEmpty(), !copyUsed && !unwritable);
        QCOMPARE(asked, underProtected && !copyExists ? QStringList{QFileInfo(profile).absolutePath()} : QStringList{});
    }

    // Remembering the profile of last time leaves the settings file as it is;
    // another profile replaces it.
    void rememberedOnlyWhenChanged() {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"settings.ini"_s);
        const auto remember = [&](const QString& profile) {
            QSettings memory(file, QSettings::IniFormat);
            rememberProfile(memory, dir.filePath(profile));
        };
        remember(u"a/kvuser.ini"_s);
        // A comment does not survive a rewrite of the file.
        QVERIFY(putFile(file, fileBytes(file).value_or(QByteArray()) + "; kept\n"));
        remember(u"a/kvuser.ini"_s);
        QVERIFY(fileBytes(file).value_or(QByteArray()).contains("; kept"));
        remember(u"b/kvuser.ini"_s);
        QCOMPARE(rememberedProfile(QSettings(file, QSettings::IniFormat)), dir.filePath(u"b/kvuser.ini"_s));
    }
};

QTEST_GUILESS_MAIN(TestProfileLocator)
#include "tst_ProfileLocator.moc"
