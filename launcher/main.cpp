// The host launcher of the suite: asks for the player's name and the game's
// options, writes "Gamer.nam" and starts the game; with --play it starts the
// game at once without a window, with --set-up it lays out a classroom's
// shared folder.
#include "GameStart.h"
#include "LauncherOptions.h"
#include "LauncherWindow.h"
#include "Report.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv)
{
    using zorbik::LauncherOptions;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Read before any window exists, so that --help, --version and --play
    // need no display.
    const LauncherOptions options = zorbik::ParseLauncherOptions(arguments);
    switch (options.action) {
    case LauncherOptions::Action::Help:
    case LauncherOptions::Action::Version:
        std::fputs(options.text.c_str(), stdout);
        return 0;
    case LauncherOptions::Action::Refuse:
        std::fprintf(stderr, "%s\n", options.text.c_str());
        return 2;
    case LauncherOptions::Action::Play:
        zorbik::HandCeilingToQuiz(options, false);
        return zorbik::PlayWithSummary(options);
    case LauncherOptions::Action::Report:
        return zorbik::ReportAtOnce(options);
    case LauncherOptions::Action::SetUp:
        return zorbik::SetUpAtOnce(options);
    case LauncherOptions::Action::Window:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zorbik on the maze");
    // Zorbik's face from the installed icon theme, and the desktop entry the
    // window belongs to, for the task bar (nothing when run from the build).
    QGuiApplication::setDesktopFileName("org.zorbik.Maze");
    QApplication::setWindowIcon(QIcon::fromTheme("org.zorbik.Maze"));
    zorbik::HandCeilingToQuiz(options, true);
    zorbik::LauncherWindow window(options);
    window.showCentred();
    return QApplication::exec();
}
