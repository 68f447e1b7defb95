// The quiz's window: the question, what is at stake, the answer box, the
// Hint and Check buttons and a line for hints and feedback. Enter answers,
// and once answered closes; Escape closes at any time. The verdict is
// written into the quiz's folder as soon as the answer is judged, so the
// pupil learns at once when it could not be passed to the game; a window
// closed without an answer leaves the "not answered" byte.
#pragma once

#include "QuizLogic.h"
#include "QuizSounds.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorbik::quiz {

struct QuizSetup {
    Question question;
    int difficulty = 0;       // as the game sent it: what a right answer earns
    int step = 0;             // what the question was made at
    long game = 0;            // the game's process id, for the journal
    std::string unknownTopic; // shown in a line of its own when not empty
    QString folder;           // where the verdict file and the journal go and "Sounds/" lies
    bool sound = true;
};

class QuizWindow : public QWidget {
  public:
    explicit QuizWindow(QuizSetup setup, QWidget* parent = nullptr);

    const Question& question() const { return setup_.question; }
    bool answered() const { return answered_; }
    bool hintUsed() const { return hintUsed_; }
    QLineEdit* answerBox() const { return answer_; }
    QPushButton* hintButton() const { return hint_; }
    QString stakeText() const;
    QString messageText() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onHint();
    void onCheck();
    void showMessage(const std::string& text, const char* colour);
    void writeJournal(std::optional<Check> check, const std::string& typed);

    QuizSetup setup_;
    QuizSounds sounds_;
    bool answered_ = false;
    bool hintUsed_ = false;
    bool hintWarned_ = false;
    QLabel* stake_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QPushButton* hint_ = nullptr;
    QPushButton* check_ = nullptr;
    QLabel* message_ = nullptr;
    QLabel* keys_ = nullptr;
};

} // namespace zorbik::quiz
