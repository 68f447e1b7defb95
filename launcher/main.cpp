// The host launcher of the suite: asks for the player's name and the game's
// options, writes the name file and starts the game; with --play it starts the
// game at once without a window, with --set-up it lays out a classroom's
// shared folder.
#include "GameStart.h"
#include "LauncherOptions.h"
#include "LauncherWindow.h"
#include "Report.h"
#include "desktop/DesktopSession.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    using zorbik::LauncherOptions;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Read before any window exists, so that --help, --version and --set-up
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
        // The game needs a display: say so before laying anything out.
        if (!zorbik::DisplayNamed()) {
            zorbik::SayNoDisplay("zorbik");
            return 1;
        }
        zorbik::HandCeilingToQuiz(options, false);
        return zorbik::PlayWithSummary(options);
    case LauncherOptions::Action::Report:
        return zorbik::ReportAtOnce(options);
    case LauncherOptions::Action::SetUp:
        return zorbik::SetUpAtOnce(options);
    case LauncherOptions::Action::Window:
        break;
    }
    // Only the window needs a display.
    zorbik::ExitUnlessDisplay("zorbik");
    QApplication app(argc, argv);
    zorbik::DisplayOpened();
    zorbik::ApplyDesktopIdentity();
    zorbik::HandCeilingToQuiz(options, true);
    zorbik::LauncherWindow window(options);
    window.showCentred();
    return QApplication::exec();
}
