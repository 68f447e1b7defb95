// A test-only way to drive the real game: when the environment variable
// ZORBIK_TEST_DRIVER is set, the game reads commands from its standard input
// (clicks, keys, buttons, clock ticks, answers for the next dialogs, input
// through the window's queue now or during the next question, keys pressed
// on whatever holds the focus), prints every dialog instead of showing it,
// and prints its state and the focus on request. The normal command line
// never reaches it. The clock then ticks only on command and
// ZORBIK_TEST_SEED fixes the random generator.
#pragma once

#include <QObject>

#include <deque>
#include <string>

class QSocketNotifier;
class QWidget;

namespace zorbik {

class TForm5;

class TestDriver : public QObject {
    Q_OBJECT
  public:
    // The driver when the environment asks for one, else nullptr.
    static TestDriver* FromEnvironment(TForm5& form);

    // The seed the test asked for, when it asked for one.
    static bool SeedFromEnvironment(uint64_t& seed);

    // Dialogs print "dialog <caption>|<text>" and take the next scripted
    // answer ("yes", "no", "ok", "cancel"); with none left they answer the
    // given default.
    std::string answer(const std::string& caption, const std::string& text, const std::string& fallback);

    // Prints one line on standard output at once.
    static void Say(const std::string& line);

    // Called as a question starts: puts the clicks and keys the test asked
    // for ("during click X Y", "during key K") into the window's queue, as if
    // the player gave them while the quiz program runs.
    void giveInputDuringQuestion();

  private:
    explicit TestDriver(TForm5& form);
    void readCommands();
    void run(const std::string& command);
    void dump();
    void postInput(const std::string& input);
    void press(const std::string& keyName);
    void sayFocus();
    QWidget* focusHolder() const;

    TForm5& form_;
    QSocketNotifier* notifier_ = nullptr;
    std::string pending_;
    std::deque<std::string> answers_;
    std::deque<std::string> duringQuestion_;
};

} // namespace zorbik
