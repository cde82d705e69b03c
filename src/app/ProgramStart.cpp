#include "app/ProgramStart.h"

#include "editor/ProgramFolders.h"
#include "gamewatch/ProcessList.h"
#include "locate/RememberedProfile.h"
#include "locate/SearchPlaces.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

namespace parlomatic {

StartedProgram::StartedProgram() : monitor(listProcesses) {}

std::unique_ptr<StartedProgram> startProgram(const QString& commandLineProfile) {
    QApplication::setApplicationVersion(QStringLiteral(PARLOMATIC_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(PARLOMATIC_APP_ID));
    QApplication::setWindowIcon(programIcon());

    auto program = std::make_unique<StartedProgram>();
    const std::unique_ptr<QSettings> settings = programSettings();
    const QStringList folders =
        programFolders(QCoreApplication::arguments().value(0), QCoreApplication::applicationDirPath());
    const LocateSteps steps{folders, commandLineProfile, settings.get(),
                            [] { return findProfiles(SearchEnvironment::fromSystem()); }};
    // Start-up finds the profile, backs it up and fills the lists before any window shows.
    if (!program->tool.Form_Load(steps, QDir::currentPath()))
        return nullptr;

    program->session = std::make_unique<GameSession>(program->tool.profilePath(),
                                                     ReapplyJournal(ReapplyJournal::defaultPath()), program->monitor);
    program->window = std::make_unique<SpeechToolWindow>(program->tool, program->interaction);
    program->window->setGameSession(program->session.get());
    program->session->start();
    return program;
}

} // namespace parlomatic
