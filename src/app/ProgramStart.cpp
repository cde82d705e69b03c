// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramStart.h"

#include "gamewatch/ProcessList.h"
#include "locate/ProfileStartup.h"
#include "locate/ProgramFolders.h"
#include "locate/RememberedProfile.h"
#include "locate/SearchPlaces.h"
#include "ui/FirstPaint.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <future>

namespace parlomatic {

namespace {

// Lists the processes with listProcesses; the first listing begins at once on
// a thread of its own, so that it runs while the profile loads and the window
// is built rather than before the window's first frame.
ProcessLister listerBegunNow() {
    auto first = std::make_shared<std::future<QList<ProcessInfo>>>(std::async(std::launch::async, listProcesses));
    return [first] { return first->valid() ? first->get() : listProcesses(); };
}

} // namespace

StartedProgram::StartedProgram(const QString& historyFolder)
    : monitor(listerBegunNow()),
      windowChanges(ChangeHistory(historyFolder), ChangeSource::Window, [this] { return monitor.isRunning(); }),
      nameChanges(ChangeHistory(historyFolder), ChangeSource::NameChanger, [this] { return monitor.isRunning(); }) {
    tool.setRecorder(&windowChanges);
}

std::unique_ptr<StartedProgram> startProgram(const QString& commandLineProfile, const QString& historyFolder) {
    QApplication::setApplicationVersion(QStringLiteral(PARLOMATIC_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(PARLOMATIC_APP_ID));
    // The icon of every window without one of its own. Its large sizes, for
    // window switchers, follow the main window's first frame.
    QApplication::setWindowIcon(titleBarProgramIcon());

    auto program = std::make_unique<StartedProgram>(historyFolder);
    const std::unique_ptr<QSettings> settings = programSettings();
    const QStringList folders =
        programFolders(QCoreApplication::arguments().value(0), QCoreApplication::applicationDirPath());
    const LocateSteps steps{folders, commandLineProfile, settings.get(),
                            [] { return findProfiles(SearchEnvironment::fromSystem()); }};
    ProfileStartup startup(program->interaction, VirtualStorePlaces::fromSystem());
    // Start-up finds the profile, backs it up and fills the lists before any window shows.
    const std::optional<ProfileInStore> profile = startup.settle(steps, QDir::currentPath());
    if (!profile)
        return nullptr;
    program->tool.open(*profile);

    program->session =
        std::make_unique<GameSession>(program->tool.profilePath(), ChangeHistory(historyFolder), program->monitor);
    program->window = std::make_unique<SpeechToolWindow>(program->tool, program->interaction);
    program->window->setRecorders(&program->windowChanges, &program->nameChanges);
    program->window->setGameSession(program->session.get());
    program->session->start();
    program->window->setProfileSwitch([started = program.get(), startup, historyFolder]() mutable {
        const std::unique_ptr<QSettings> memory = programSettings();
        const QString before = started->tool.profilePath();
        started->tool.switchProfile([&] {
            return startup.chooseAnother(findProfiles(SearchEnvironment::fromSystem()), QDir::currentPath(),
                                         memory.get());
        });
        if (started->tool.profilePath() == before)
            return;
        // The game's watch follows the profile now edited.
        started->session =
            std::make_unique<GameSession>(started->tool.profilePath(), ChangeHistory(historyFolder), started->monitor);
        started->window->setGameSession(started->session.get());
        started->session->start();
    });
    runAfterFirstPaint(program->window.get(), [] { QApplication::setWindowIcon(programIcon()); });
    return program;
}

} // namespace parlomatic
