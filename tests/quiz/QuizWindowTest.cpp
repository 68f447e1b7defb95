// The quiz's real window, driven offscreen with the keys a pupil presses.
#include "quiz/QuizWindow.h"
#include "journal/Journal.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace zorbik;
using namespace zorbik::quiz;

namespace {

class QuizWindowTest : public ::testing::Test {
  protected:
    std::unique_ptr<QuizWindow> Open(const fs::path& folder)
    {
        QuizSetup setup;
        setup.question = question_;
        setup.difficulty = 2;
        setup.folder = QString::fromStdString(folder.string());
        setup.sound = false;
        auto window = std::make_unique<QuizWindow>(std::move(setup));
        window->show();
        return window;
    }

    // Types the text into the answer box and presses the key there, as the
    // pupil does; the box passes Enter and Escape on to the window.
    static void Press(QuizWindow& w, int key, const QString& typed = {})
    {
        if (!typed.isNull())
            w.answerBox()->setText(typed);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.answerBox(), &press);
    }

    std::string Verdict() const { return zorbik::testing::Slurp(dir_ / "Return.ret"); }

    zorbik::testing::TempFolder temp_{"zorbik-quizwin"};
    fs::path dir_ = temp_.dir;
    Question question_ = [] {
        std::mt19937 rng(11);
        return MakeQuestion(Topic::Gcf, 2, rng);
    }();
    const QString right_ = QString::fromStdString(question_.answerText);
};

TEST_F(QuizWindowTest, EnterAnswersThenClosesEscapeClosesUnanswered)
{
    auto w = Open(dir_);
    // Not readable, or a typo such as a minus: not judged, the window stays.
    for (const char* typed : {"twelve", "-12", "1.5"}) {
        Press(*w, Qt::Key_Return, typed);
        EXPECT_FALSE(w->answered()) << typed;
        EXPECT_FALSE(fs::exists(dir_ / "Return.ret")) << typed;
    }
    EXPECT_TRUE(w->messageText().contains("whole number")) << w->messageText().toStdString();
    Press(*w, Qt::Key_Return, right_);
    EXPECT_TRUE(w->answered());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Verdict(), std::string(1, '\x01')); // written at once, before the window closes
    EXPECT_TRUE(w->messageText().contains("Well done"));
    EXPECT_TRUE(w->stakeText().contains("300 points"));
    Press(*w, Qt::Key_Enter);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Verdict(), std::string(1, '\x01'));

    w = Open(dir_);
    Press(*w, Qt::Key_Escape, right_); // typed but not sent: still not answered
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Verdict(), std::string(1, char(VerdictNotAnswered)));

    // Each question leaves one line in the journal, however it ended.
    const auto journal = ReadJournal((dir_ / JournalFileName).string());
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0].verdict, "right");
    EXPECT_EQ(journal[0].question, question_.text);
    EXPECT_EQ(journal[1].verdict, "not-answered");
}

// The hint is shown only after a second press, once its cost has been said
// again; a right answer with it gives the "with hint" byte.
TEST_F(QuizWindowTest, HintIsWarnedBeforeItIsShown)
{
    auto w = Open(dir_);
    w->hintButton()->click();
    EXPECT_FALSE(w->hintUsed());
    EXPECT_EQ(w->messageText().toStdString(), HintWarning());
    w->hintButton()->click();
    EXPECT_TRUE(w->hintUsed());
    EXPECT_TRUE(w->messageText().contains(QString::fromStdString(question_.hint)));
    Press(*w, Qt::Key_Return, right_);
    EXPECT_EQ(Verdict(), std::string(1, char(VerdictRightWithHint)));
    EXPECT_FALSE(w->messageText().contains("Well done"));
}

// A verdict that cannot be written is not hidden behind "Right! Well done."
TEST_F(QuizWindowTest, AVerdictThatCannotBeWrittenIsTold)
{
    auto w = Open(dir_ / "gone");
    Press(*w, Qt::Key_Return, right_);
    EXPECT_TRUE(w->messageText().contains("could not be passed to the game"));
    EXPECT_FALSE(w->messageText().contains("Well done"));
}

} // namespace
