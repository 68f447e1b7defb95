// Program entry: the application titled "Zorbik on the maze", the main
// window first, the rules dialog second, then the event loop.
#include "TDefBox.h"
#include "TForm5.h"
#ifdef ZORBIK_WITH_TEST_DRIVER
#include "TestDriver.h"
#endif
#include "desktop/DesktopSession.h"
#include "desktop/Translations.h"
#include "view/AccessibleWidgets.h"
#include "view/AudioThread.h"
#include "view/StandInFonts.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // The host's words are the game's own: keep them as given and hand the
    // toolkit only the program name, so that no word such as "-reverse" or
    // "-style" is taken as a toolkit option or removed. What the platform
    // needs it reads from the environment (DISPLAY, QT_QPA_PLATFORM, ...).
    char programName[] = "Game1";
    char* toolkitArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    int toolkitArgc = 1;

    zorbik::ExitUnlessDisplay("Game1");
    QApplication app(toolkitArgc, toolkitArgv);
    zorbik::DisplayOpened();
    zorbik::LoadTranslations();
    // A name, not a display name: Qt glues a display name onto every window
    // title, the rules dialog's and the message boxes' included.
    zorbik::ApplyDesktopIdentity();
    zorbik::InstallStandInFonts();
    zorbik::InstallAccessibleWidgets();
    int status = 0;
    {
        zorbik::TForm5 form;
#ifdef ZORBIK_WITH_TEST_DRIVER
        zorbik::TestDriver::AttachIfAsked(form);
#endif
        form.create(argc, argv);
#ifdef ZORBIK_WITH_TEST_DRIVER
        zorbik::TestDriver::SeedIfAsked();
#endif
        zorbik::TDefBox rules(&form);
        form.setRulesDialog(&rules);
        form.show();
        status = QApplication::exec();
        // Whether game over kept the line, for the launcher to tell.
        if (status == 0)
            status = form.state().EndStatus;
    }
    // A sound server that stopped answering holds the sound library's
    // clean-up for half a minute; the game ends at once all the same.
    if (zorbik::AudioThread::LeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
