// The host launcher of the suite: asks for the player's name and the game's
// options, writes "Gamer.nam" and starts the game.
#include "LauncherWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zorbik on the maze");
    zorbik::LauncherWindow window(QCoreApplication::applicationDirPath() + "/");
    window.showCentred();
    return QApplication::exec();
}
