// The quiz program of the suite: one question in a small window. The game
// starts it as "quiz LCM 3 SOUND" (or "quiz 3 SOUND" for fractions) from
// inside the quiz's folder and reads the verdict it leaves in "Return.ret"
// there: 1 for a right answer found without the hint, another byte otherwise.
#include "QuizLogic.h"
#include "QuizWindow.h"
#include "RecentQuestions.h"
#include "desktop/DesktopSession.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QScreen>

using namespace zorbik::quiz;

int main(int argc, char** argv)
{
    zorbik::ExitUnlessDisplay("quiz");
    QApplication app(argc, argv);
    zorbik::DisplayOpened();
    zorbik::ApplyDesktopIdentity();
    const QuizArgs args = ParseArgs(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const std::string folderBytes = QFile::encodeName(folder).toStdString();

    // The quiz starts afresh for each question: a well-seeded generator and
    // the small list of the last questions keep the next one from repeating.
    std::mt19937 rng = SeededGenerator();
    const Topic topic = args.topics[std::uniform_int_distribution<size_t>(0, args.topics.size() - 1)(rng)];
    const std::vector<std::string> recent = ReadRecent(folderBytes);
    QuizSetup setup;
    setup.question = MakeFreshQuestion(topic, args.difficulty, rng, recent);
    setup.difficulty = args.difficulty;
    setup.unknownTopic = args.unknownTopic;
    setup.folder = folder;
    setup.sound = args.sound;
    RememberQuestion(folderBytes, recent, setup.question.text);

    QuizWindow window(std::move(setup));
    window.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.raise();
    window.activateWindow();
    window.answerBox()->setFocus();
    return app.exec();
}
