// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

const QString wineProfile = u".wine/drive_c/UT/System/kvuser.ini"_s;
const QString patchProfile = u".utpg/System/kvuser.ini"_s;

// A made-up home folder holding the given profiles, the first one the newest.
void makeHome(const QTemporaryDir& home, const QStringList& profiles) {
    for (qsizetype i = 0; i < profiles.size(); ++i)
        QVERIFY(putFileDated(home.filePath(profiles.at(i)),
                             "[DefaultPlayer]\r\nName=Kestrel" + QByteArray::number(i) + "\r\n",
                             QDateTime::currentDateTime().addSecs(-3600 * i)));
}

} // namespace

class TestProfilesCommand : public QObject {
    Q_OBJECT

private slots:
    void listsNewestFirst() {
        QTemporaryDir home;
        makeHome(home, {patchProfile, wineProfile});
        const CliRun run = runCli({u"profiles"_s, u"--json"_s}, {}, home.path());
        QCOMPARE(run.exitCode, 0);
        const QJsonArray list = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0)[u"path"_s].toString(), home.filePath(patchProfile));
        QCOMPARE(list.at(0)[u"place"_s].toString(), u"Community patch"_s);
        QCOMPARE(list.at(1)[u"path"_s].toString(), home.filePath(wineProfile));

        const CliRun text = runCli({u"profiles"_s}, {}, home.path());
        QVERIFY2(text.out.startsWith(u"  1 "_s + home.filePath(patchProfile)), qPrintable(text.out));
    }

    // Without --profile: the one profile found, or a refusal that lists several.
    void defaultProfile() {
        QTemporaryDir home;
        makeHome(home, {wineProfile});
        const QStringList get{u"get"_s, u"DefaultPlayer"_s, u"Name"_s};
        QCOMPARE(runCli(get, {}, home.path()).out, u"Kestrel0\n"_s);

        makeHome(home, {patchProfile, wineProfile});
        const CliRun several = runCli(get, {}, home.path());
        QCOMPARE(several.exitCode, 2);
        QVERIFY(several.out.isEmpty());
        QVERIFY2(several.err.contains(home.filePath(patchProfile)) && several.err.contains(home.filePath(wineProfile)),
                 qPrintable(several.err));

        // The profile the window used last settles it, read from where every version so far kept it.
        QVERIFY(QDir().mkpath(home.filePath(u".config/Parlomatic"_s)));
        QSettings memory(home.filePath(u".config/Parlomatic/Parlomatic.conf"_s), QSettings::IniFormat);
        memory.setValue(u"profile/lastUsed"_s, home.filePath(wineProfile));
        memory.sync();
        QCOMPARE(runCli(get, {}, home.path()).out, u"Kestrel1\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestProfilesCommand)
#include "tst_ProfilesCommand.moc"
