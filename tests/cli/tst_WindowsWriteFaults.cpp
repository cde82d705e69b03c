// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFile.h"
#include "support/CliRunner.h"
#include "support/TempProfile.h"

#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

#include <windows.h>

using namespace parlomatic;
using namespace parlomatic::test;
using namespace Qt::StringLiterals;

namespace {

const QString cli = QStringLiteral(PARLOMATIC_CLI_PATH);

QByteArray profileBytes() {
    return gameProfile("BotPack.VoiceBoss", "F5=speech 3 5 -1\r\n");
}

// What another program does that keeps the profile open for a while, such
// as a virus scanner or an editor: it may read and write, but not delete or
// replace it. Run as this test's executable with --hold PATH MILLISECONDS.
int holdOpen(const QString& path, int milliseconds) {
    const HANDLE file = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(milliseconds));
    CloseHandle(file);
    return 0;
}

// Starts a holder of path for milliseconds and waits until it holds.
bool startHolder(QProcess& holder, const QString& path, int milliseconds) {
    holder.start(QCoreApplication::applicationFilePath(), {u"--hold"_s, path, QString::number(milliseconds)});
    return holder.waitForReadyRead(30000) && holder.readAll().startsWith("held");
}

// The same folder through Wine's drive Z:, which maps the Unix root: a
// second spelling on another drive, as a mapped drive or a UNC path is on
// Windows. Empty outside Wine.
QString secondSpelling(const QString& folder) {
    using UnixName = char* (*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (unixName == nullptr)
        return {};
    char* name = unixName(QDir::toNativeSeparators(folder).toStdWString().c_str());
    const QString onRoot = u"Z:"_s + QDir::toNativeSeparators(QString::fromLocal8Bit(name));
    HeapFree(GetProcessHeap(), 0, name);
    return onRoot;
}

QStringList strays(const TempProfile& profile) {
    return QDir(profile.dir()).entryList({u"*.parlomatic-*"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestWindowsWriteFaults : public QObject {
    Q_OBJECT

private slots:
    // A write under each fault ends with the whole old or the whole new
    // profile, says so through its exit status, and leaves no stray file.
    void faults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("exitCode");

        QTest::newRow("held open without delete sharing for a moment") << u"held a moment"_s << 0;
        QTest::newRow("held open without delete sharing for good") << u"held for good"_s << 1;
        QTest::newRow("read-only attribute") << u"read-only"_s << 1;
        QTest::newRow("a folder in the file's place") << u"folder"_s << 1;
    }
    void faults() {
        QFETCH(QString, fault);
        QFETCH(int, exitCode);

        TempProfile profile(profileBytes());
        const std::wstring native = QDir::toNativeSeparators(profile.path()).toStdWString();
        QProcess holder;
        const auto cleanup = qScopeGuard([&] {
            holder.kill();
            holder.waitForFinished();
            SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_NORMAL);
        });
        if (fault == u"held a moment"_s)
            QVERIFY(startHolder(holder, profile.path(), 300));
        else if (fault == u"held for good"_s)
            QVERIFY(startHolder(holder, profile.path(), 60000));
        else if (fault == u"read-only"_s)
            QVERIFY(SetFileAttributesW(native.c_str(), FILE_ATTRIBUTE_READONLY));
        else if (fault == u"folder"_s)
            QVERIFY(QFile::remove(profile.path()) && QDir().mkdir(profile.path()));

        const CliRun run =
            runCli({u"--profile"_s, profile.path(), u"set"_s, u"DefaultPlayer"_s, u"Name"_s, u"Kestrel"_s});
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        if (fault == u"folder"_s) {
            QVERIFY(QFileInfo(profile.path()).isDir());
        } else {
            const QByteArray expected =
                exitCode == 0 ? QByteArray(profileBytes()).replace("Name=Player", "Name=Kestrel") : profileBytes();
            QCOMPARE(profile.read(), expected);
        }
        QCOMPARE(strays(profile), QStringList());
    }

    // Writers through two spellings of the folder exclude each other: two
    // changes made at the same moment both arrive.
    void twoWritersThroughTwoSpellings() {
        TempProfile profile(profileBytes());
        const QString folder = secondSpelling(profile.dir());
        if (folder.isEmpty())
            QSKIP("the folder has no second spelling here (Wine's drive Z:)");
        const QString mapped = QDir(folder).filePath(u"kvuser.ini"_s);
        QCOMPARE(TempProfile::readFile(mapped), profileBytes());

        for (int pair = 0; pair < 4; ++pair) {
            const QString value = QString::number(pair);
            QProcess first;
            QProcess second;
            first.start(cli, {u"--profile"_s, mapped, u"set"_s, u"A"_s, u"First"_s, value});
            second.start(cli, {u"--profile"_s, profile.path(), u"set"_s, u"B"_s, u"Second"_s, value});
            QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
            QCOMPARE(first.exitCode() + second.exitCode(), 0);
            const ProfileFile file(profile.path());
            QCOMPARE(file.ReadEntry(u"A"_s, u"First"_s, {}, 30), value);
            QCOMPARE(file.ReadEntry(u"B"_s, u"Second"_s, {}, 30), value);
        }
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == u"--hold"_s)
        return holdOpen(arguments.at(2), arguments.at(3).toInt());
    TestWindowsWriteFaults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_WindowsWriteFaults.moc"
