// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"

#include "support/TempProfile.h"

#include <QFileInfo>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using namespace parlomatic;

namespace {

QString read(const ProfileFile& profile, const QString& key) {
    return profile.ReadEntry(u"S"_s, key, u"d"_s, 260);
}

// Another program rewrites the file in place: same size, same time stamp, same inode.
void rewriteBehindOurBack(const test::TempProfile& file, const QByteArray& content) {
    const QDateTime modified = QFileInfo(file.path()).lastModified();
    QFile rewritten(file.path());
    QVERIFY(rewritten.open(QIODevice::ReadWrite) && rewritten.write(content) == content.size());
    QVERIFY(rewritten.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace

class ProfileReadScopeTest : public QObject {
    Q_OBJECT

private slots:
    void seesTheFileAsItIs_data();
    void seesTheFileAsItIs();
};

// What a read within a scope gives for K, after something happened between
// the scope's first read (K=old) and this one.
void ProfileReadScopeTest::seesTheFileAsItIs_data() {
    using Step = std::function<void(const test::TempProfile&, const ProfileFile&)>;
    QTest::addColumn<Step>("between");
    QTest::addColumn<QString>("expected");

    const QByteArray changed = "[S]\r\nK=new\r\n";
    QTest::newRow("a write through a copy of the object")
        << Step([](const test::TempProfile&, const ProfileFile& profile) {
               QVERIFY(ProfileFile(profile).WriteEntry(u"s"_s, u"k"_s, u"mine"_s).ok());
           })
        << u"mine"_s;
    QTest::newRow("another program's change, then a write of a value the file already holds")
        << Step([changed](const test::TempProfile& file, const ProfileFile& profile) {
               rewriteBehindOurBack(file, changed);
               QVERIFY(profile.WriteEntry(u"S"_s, u"K"_s, u"new"_s).ok());
           })
        << u"new"_s;
    // The rest of a refresh goes on from the file as it was when it started.
    QTest::newRow("another program's change alone")
        << Step([changed](const test::TempProfile& file, const ProfileFile&) { rewriteBehindOurBack(file, changed); })
        << u"old"_s;
}

void ProfileReadScopeTest::seesTheFileAsItIs() {
    QFETCH(std::function<void(const test::TempProfile&, const ProfileFile&)>, between);
    QFETCH(QString, expected);
    const test::TempProfile file("[S]\r\nK=old\r\n");
    const ProfileFile profile(file.path());
    {
        const ProfileFile::ReadScope scope(profile);
        QCOMPARE(read(profile, u"K"_s), u"old"_s);
        between(file, profile);
        QCOMPARE(read(profile, u"K"_s), expected);
    }
    // The next scope, and every read outside one, sees the file as it is then.
    rewriteBehindOurBack(file, "[S]\r\nK=end\r\n");
    QCOMPARE(read(profile, u"K"_s), u"end"_s);
    const ProfileFile::ReadScope next(profile);
    QCOMPARE(read(profile, u"K"_s), u"end"_s);
}

QTEST_GUILESS_MAIN(ProfileReadScopeTest)
#include "tst_ProfileReadScope.moc"
