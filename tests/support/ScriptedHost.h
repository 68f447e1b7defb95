// A stand-in for the main window in all its roles: it records what the game
// asks of it and answers dialogs and questions from scripts set up by each
// test. It keeps no rule of its own; it passes wherever the roles are taken.
#pragma once

#include "world/GameState.h"
#include "world/Host.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zorbik::testing {

class ScriptedHost : public Panel,
                     public Dialogs,
                     public Sound,
                     public Quiz,
                     public GameOverWindow,
                     public LifeCycle {
  public:
    explicit ScriptedHost(GameState& state);
    ScriptedHost(const ScriptedHost&) = delete;
    ScriptedHost& operator=(const ScriptedHost&) = delete;
    operator const Host&() const { return roles_; }

    // Everything the game asked for, in order, one line per call
    // ("sound Door.wav", "sleep 33", "paint", "box Question|Do you want...").
    std::vector<std::string> calls;
    std::map<Widget, std::string> captions;
    std::map<Widget, bool> visible;
    std::map<Widget, bool> enabled;
    std::vector<std::string> memo;
    int memoHeight = 0;
    // What the game told a screen reader, in order (kept apart from `calls`).
    std::vector<std::string> announcements;

    // Scripted answers; an empty script answers OK / No / false.
    std::deque<bool> confirmAnswers;
    std::deque<int> messageBoxAnswers;
    std::deque<bool> quizVerdicts;
    // The program and words of the last question.
    std::string quizProgram, quizParams;

    // Called on every direct paint, and on every question before the
    // verdict is taken from the script.
    std::function<void()> onPaintMaze;
    std::function<void()> onQuestion;

    int count(const std::string& prefix) const;
    std::vector<std::string> sounds() const;
    std::vector<int> sleeps() const;

    std::string caption(Widget w) const override;
    void setCaption(Widget w, const std::string& text) override;
    void setVisible(Widget w, bool v) override;
    void setEnabled(Widget w, bool e) override;
    void paintMaze() override;
    void invalidateMaze() override;
    void repaintHealthBar() override;
    void placeMazeSurface() override;
    void sleepMs(int ms) override;
    void playSound(const std::string& fileName) override;
    void informationDialog(const std::string& text) override;
    bool confirmDialog(const std::string& text) override;
    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    void minimiseApp() override;
    void restoreApp() override;
    bool runQuiz(const std::string& program, const std::string& params) override;
    void enterGameOverWindow() override;
    void showGameOverTitle() override;
    void showCloseButton() override;
    void showMemo(int left, int top, int width, int height) override;
    void clearMemo() override;
    void addMemoLine(const std::string& line) override;
    void setMemoHeight(int height) override;
    void announce(const std::string& text) override;
    void showRulesDialog() override;
    void closeAndExit() override;

  private:
    GameState& state_;
    const Host roles_{*this, *this, *this, *this, *this, *this};
};

} // namespace zorbik::testing
