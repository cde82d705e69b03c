#include "editor/SpeechTool.h"
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
    if (!tool.Form_Load(QCoreApplication::applicationDirPath(), QDir::currentPath()))
        return EXIT_FAILURE;

    SpeechToolWindow window(tool, interaction);
    window.show();
    // The program ends when no window that counts is visible any more: an open
    // name changer keeps it going, the hidden and the information window do not.
    return QApplication::exec();
}
