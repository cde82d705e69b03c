#include "editor/ProgramFolders.h"
#include "editor/SpeechTool.h"
#include "gamewatch/GameSession.h"
#include "gamewatch/ProcessList.h"
#include "ui/Pictures.h"
#include "ui/QtUserInteraction.h"
#include "ui/SpeechToolWindow.h"

#include <QApplication>
#include <QDir>

using namespace parlomatic;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setWindowIcon(pngIcon(QStringLiteral(":/pictures/speechtool-icon.png")));

    QtUserInteraction interaction;
    SpeechTool tool(interaction);
    // Start-up finds the profile, backs it up and fills the lists before any window shows.
    const QStringList folders =
        programFolders(QCoreApplication::arguments().value(0), QCoreApplication::applicationDirPath());
    if (!tool.Form_Load(folders, QDir::currentPath()))
        return EXIT_FAILURE;

    // The game's watch outlives the window that shows it.
    GameMonitor monitor(listProcesses);
    GameSession session(tool.profilePath(), ReapplyJournal(ReapplyJournal::defaultPath()), monitor);
    SpeechToolWindow window(tool, interaction);
    window.setGameSession(&session);
    session.start();
    window.show();
    // The program ends when no window that counts is visible any more: an open
    // name changer keeps it going, the hidden and the information window do not.
    return QApplication::exec();
}
