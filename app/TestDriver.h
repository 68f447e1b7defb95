// A test-only way to drive the real game: when the environment variable
// ZORBIK_TEST_DRIVER is set, the game reads commands from its standard input
// (clicks, keys, buttons, clock ticks, answers for the next dialogs, input
// through the window's queue now or during the next question, keys pressed
// on whatever holds the focus), prints every dialog instead of showing it,
// and prints its state and the focus on request. The normal command line
// never reaches it. The clock then ticks only on command and
// ZORBIK_TEST_SEED fixes the random generator. Only the build folder's game
// has it (the CMake option ZORBIK_TEST_DRIVER); the installed game, which a
// pupil could otherwise use to see the hidden maze, never has it.
#pragma once

#include "world/Host.h"

#include <QObject>

#include <deque>
#include <string>

class QSocketNotifier;
class QWidget;

namespace zorbik {

class TForm5;

// Answers the game's dialogs in the window's stead: they are printed and
// answered from the script, and the rules dialog opens without blocking so
// that the next commands reach it. Input for the next question is queued as
// it starts. Every other role stays the window's own.
class TestDriver : public QObject, public Dialogs {
    Q_OBJECT
  public:
    // When the environment asks for the driver: puts one between the window
    // and the game's routines, and stops the clock, which then ticks on
    // command.
    static void AttachIfAsked(TForm5& form);
    // Under the driver, ZORBIK_TEST_SEED fixes the random generator; called
    // once the window has seeded it from the clock.
    static void SeedIfAsked();

    // Dialogs
    void informationDialog(const std::string& text) override;
    bool confirmDialog(const std::string& text) override;
    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    void showRulesDialog() override;

  private:
    explicit TestDriver(TForm5& form);
    // Dialogs print "dialog <caption>|<text>" and take the next scripted
    // answer ("yes", "no", "ok", "cancel"); with none left they answer the
    // given default.
    std::string answer(const std::string& caption, const std::string& text, const std::string& fallback);
    // Prints one line on standard output at once.
    static void Say(const std::string& line);
    void readCommands();
    void run(const std::string& command);
    void dump();
    void postInput(const std::string& input);
    // The input given for the question that starts now.
    void postInputDuringQuestion();
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
