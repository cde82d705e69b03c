// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramStart.h"
#include "locate/RememberedProfile.h"
#include "support/TempProfile.h"

#include <QSettings>
#include <QtTest>

using namespace parlomatic;
using namespace parlomatic::test;

class TestProgramStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The program's settings go to a folder of the test's own.
        QVERIFY(m_settings.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    }

    // A profile named on the command line: remembered, read into the lists of
    // the main window (built, not yet shown) and watched for the game.
    void startsWithTheNamedProfile() {
        const TempProfile profile(gameProfile("BotPack.VoiceMaleTwo", "F5=speech 4 2 -1\r\n"));
        const std::unique_ptr<StartedProgram> program = startProgram(profile.path());
        QVERIFY(program);
        QCOMPARE(program->tool.profilePath(), profile.path());
        QCOMPARE(rememberedProfile(*programSettings()), profile.path());
        QCOMPARE(program->tool.usedSpeechKeys().items().size(), 1);
        QVERIFY(program->window && !program->window->isVisible());
        QVERIFY(program->session && program->session->statusLine().isEmpty());
        QVERIFY(!QApplication::windowIcon().isNull());
        // The desktop matches the windows to the installed entry by this name.
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.parlomatic.Parlomatic"));
    }

private:
    QTemporaryDir m_settings;
};

QTEST_MAIN(TestProgramStart)
#include "tst_ProgramStart.moc"
