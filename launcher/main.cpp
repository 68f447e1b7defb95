// The host launcher of the suite: asks for the player's name and the game's
// options, writes the name file and starts the game; with --play it starts the
// game at once without a window, with --set-up it lays out a classroom's
// shared folder.
#include "AccessibilityOptions.h"
#include "ClassReport.h"
#include "ClassWindow.h"
#include "GameStart.h"
#include "LanguageChoice.h"
#include "LauncherOptions.h"
#include "LauncherWindow.h"
#include "PlayingFolder.h"
#include "Report.h"
#include "desktop/DesktopSession.h"
#include "desktop/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using zorbik::LauncherOptions;

// --help, --version, --play, --report, --set-up and a refused command line:
// no window.
int RunWithoutWindow(const LauncherOptions& options)
{
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
        zorbik::HandAccessibilityToGame(zorbik::ChosenAccessibility());
        return zorbik::PlayWithSummary(options);
    case LauncherOptions::Action::Report:
        return zorbik::ReportAtOnce(options);
    case LauncherOptions::Action::SetUp:
        return zorbik::SetUpAtOnce(options);
    case LauncherOptions::Action::ClassReport:
        return zorbik::ClassReportAtOnce(options);
    case LauncherOptions::Action::ClassWindow:
    case LauncherOptions::Action::Window:
        break;
    }
    return 0;
}

// The language the system asks for, as Qt reads it, before any choice of
// the launcher's: LANGUAGE (its first), LC_ALL, LC_MESSAGES, LANG.
QString SystemAsked(const QString& systemLanguage)
{
    if (!systemLanguage.isEmpty())
        return systemLanguage.section(':', 0, 0);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty())
            return value;
    return "C";
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The chosen language is the launcher's and, through its environment,
    // that of the game and the quiz it starts.
    const QString systemLanguage = qEnvironmentVariable("LANGUAGE");
    const QString language = zorbik::ChosenLanguage(arguments);
    zorbik::UseLanguage(language.isEmpty() ? systemLanguage : language,
                        QString::fromStdString(zorbik::OwnSuiteOf(zorbik::LauncherFolder())) +
                            "translations");
    LauncherOptions options;
    {
        // Read before any window exists, so that --help, --version and
        // --set-up need no display; a core application carries the
        // translations of what is printed.
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        zorbik::LoadTranslations();
        options = zorbik::ParseLauncherOptions(arguments);
        if (options.action != LauncherOptions::Action::Window &&
            options.action != LauncherOptions::Action::ClassWindow)
            return RunWithoutWindow(options);
    }
    // A language given to the window is remembered for the next starts.
    if (!zorbik::LanguageOnCommandLine(arguments).isEmpty())
        zorbik::RememberLanguage(language);
    // Only the window needs a display.
    zorbik::ExitUnlessDisplay("zorbik");
    QApplication app(argc, argv);
    zorbik::DisplayOpened();
    zorbik::LoadTranslations();
    zorbik::ApplyDesktopIdentity();
    if (options.action == LauncherOptions::Action::ClassWindow)
        return zorbik::ShowClassWindow(options.classFolder);
    zorbik::HandCeilingToQuiz(options, true);
    // A language picked in the window is spoken at once: the window is made
    // anew in it (once the old one has finished handling the pick).
    std::unique_ptr<zorbik::LauncherWindow> window;
    std::function<void()> open = [&] {
        window = std::make_unique<zorbik::LauncherWindow>(options);
        QObject::connect(
            window.get(), &zorbik::LauncherWindow::languageChosen, &app, [&](const QString& code) {
                QTimer::singleShot(0, &app, [&, code] {
                    zorbik::UseLanguage(code.isEmpty() ? systemLanguage : code, {});
                    zorbik::LoadTranslations(code.isEmpty() ? SystemAsked(systemLanguage) : code);
                    open();
                });
            });
        window->showCentred();
    };
    open();
    return QApplication::exec();
}
