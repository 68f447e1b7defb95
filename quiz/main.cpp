// The quiz program of the suite: one question in a small window. The game
// starts it as "quiz LCM 3 SOUND" (or "quiz 3 SOUND" for fractions) from
// inside the quiz's folder and reads the verdict it leaves in the verdict file
// there: 1 for a right answer found without the hint, another byte otherwise.
#include "OfferedTopics.h"
#include "QuizLogic.h"
#include "QuizTestDriver.h"
#include "QuizWindow.h"
#include "RecentQuestions.h"
#include "StepChoice.h"
#include "common/Programs.h"
#include "common/SafeFiles.h"
#include "desktop/DesktopSession.h"
#include "desktop/ScreenFit.h"
#include "desktop/Translations.h"
#include "journal/Journal.h"
#include "settings/Settings.h"
#include "view/AudioThread.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace zorbik::quiz;

int main(int argc, char** argv)
{
    zorbik::ExitUnlessDisplay("quiz");
    QApplication app(argc, argv);
    zorbik::DisplayOpened();
    zorbik::LoadTranslations();
    zorbik::ApplyDesktopIdentity();
    const QuizArgs args = ParseArgs(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const std::string folderBytes = QFile::encodeName(folder).toStdString();

    // The quiz starts afresh for each question: a well-seeded generator and
    // the small list of the last questions keep the next one from repeating.
    std::mt19937 rng = SeededGenerator();
    const std::vector<RecentQuestion> recent = ReadRecent(folderBytes);
    const Topic topic = LeastRecentTopic(OfferedTopics(args), recent, rng);
    // The step: the game's difficulty under the teacher's and the
    // launcher's ceiling, eased after misses in a row on this topic.
    const char* launchers = std::getenv(zorbik::QuestionCeilingVariable);
    const int ceiling =
        zorbik::LowerCeiling(zorbik::Settings(zorbik::SettingsScope::Class).teachersCeiling().toStdString(),
                             launchers ? launchers : "");
    const int step =
        StepFor(args.difficulty, ceiling,
                StepsEased(topic, zorbik::ReadJournal(zorbik::PathIn(folderBytes, zorbik::JournalFileName))));
    QuizSetup setup;
    setup.question = MakeFreshQuestion(topic, step, rng, RecentTexts(recent));
    setup.difficulty = args.difficulty;
    setup.step = step;
    setup.game = static_cast<long>(getppid());
    setup.unknownTopic = args.unknownTopic;
    setup.folder = folder;
    setup.sound = args.sound;
    RememberQuestion(folderBytes, recent, {topic, setup.question.text});

    int status = 0;
    {
        QuizWindow window(std::move(setup));
        window.adjustSize();
        zorbik::CentreOnScreen(&window);
        window.show();
        window.raise();
        window.activateWindow();
        window.answerBox()->setFocus();
        StartTestDriverIfAsked(window);
        status = app.exec();
    }
    // A sound server that stopped answering holds the sound library's
    // clean-up for half a minute; the verdict is written, so the quiz ends
    // at once all the same and the game goes on.
    if (zorbik::AudioThread::LeftRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
