// The main window: a borderless window over the whole screen with the maze
// surface on the left and the side panel on the right. Its handlers keep
// the game's names and hand the work to the free routines of world/, play/,
// view/ and outside/, which see the window only through its roles (Host).
#pragma once

#include "GameOverFit.h"
#include "MazeVoice.h"
#include "view/DisplayOptions.h"
#include "view/MazeArt.h"
#include "view/SidePanel.h"
#include "view/SoundPlayer.h"
#include "world/GameState.h"
#include "world/Host.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QDialog;
class QTimer;

namespace zorbik {

class MazeSurface;

class TForm5 : public QWidget,
               public Panel,
               public Dialogs,
               public Sound,
               public Quiz,
               public GameOverWindow,
               public LifeCycle {
    Q_OBJECT
  public:
    // Builds the window's widgets; create() then does what window creation
    // does (the random generator, the command line, the pictures).
    TForm5();
    ~TForm5() override;
    void create(int argc, char** argv);

    // The roles the game's routines see: all the window's own, but for the
    // dialogs when something else answers them (the test driver).
    Host host() { return {*this, *dialogs_, *this, *this, *this, *this}; }
    void answerDialogsWith(Dialogs& dialogs) { dialogs_ = &dialogs; }
    // Runs as each question starts, before the quiz program (the test
    // driver's input given during a question).
    void whenQuestionStarts(std::function<void()> hook) { questionStarts_ = std::move(hook); }
    QDialog* rulesDialog() const { return rulesDialog_; }
    // The one-second clock, which the test driver stops to tick on command.
    QTimer* clock() const { return Timer1; }

    void setRulesDialog(QDialog* dialog) { rulesDialog_ = dialog; }
    GameState& state() { return state_; }

    // The widgets, for binding the play handlers: the maze surface reports
    // mouse presses and releases, the panel holds the buttons and Edit1.
    MazeSurface* mazeSurface() const { return PaintBox1; }
    const SidePanel& sidePanel() const { return panel_; }

    // The window system's request to close the window, as the test driver
    // sends it.
    void requestClose() { close(); }

    // Clicks a button of the window by name ("Up", "UL", ..., "Finish",
    // "Close", "Rules"), as the test driver does.
    void clickButton(const std::string& name);

    // Panel
    std::string caption(Widget w) const override;
    void setCaption(Widget w, const std::string& text) override;
    void setVisible(Widget w, bool visible) override;
    void setEnabled(Widget w, bool enabled) override;
    void paintMaze() override;
    void invalidateMaze() override;
    void repaintHealthBar() override;
    void placeMazeSurface() override;
    // Dialogs
    void informationDialog(const std::string& text) override;
    bool confirmDialog(const std::string& text) override;
    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    void showRulesDialog() override;
    // Sound
    void playSound(const std::string& fileName) override;
    void announce(const std::string& text) override;
    // Quiz
    bool runQuiz(const std::string& program, const std::string& params) override;
    // GameOverWindow
    void enterGameOverWindow() override;
    void showGameOverTitle() override;
    void showCloseButton() override;
    void showMemo(int left, int top, int width, int height) override;
    void clearMemo() override;
    void addMemoLine(const std::string& line) override;
    void setMemoHeight(int height) override;
    // LifeCycle
    void minimiseApp() override;
    void restoreApp() override;
    void sleepMs(int ms) override;
    void closeAndExit() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    QWidget* widgetOf(Widget w) const { return widgets_[static_cast<size_t>(w)]; }
    void bindHandlers();

    // The window's handlers; each hands the work to the game's routines.
    void PaintBox1MouseDown(int X, int Y);
    void PaintBox1MouseUp(int X, int Y);
    void Edit1KeyDown(int key);
    void Timer1Timer();
    void FinishButtonClick();
    void CloseButtonClick();
    void RulesClick();

    GameState state_;
    MazeArt art_; // cell bitmaps and map colours
    MazeSurface* PaintBox1 = nullptr;
    SidePanel panel_;
    std::array<QWidget*, WidgetCount> widgets_{}; // by Widget
    SoundPlayer MediaPlayer1{this};
    QDialog* rulesDialog_ = nullptr;
    QTimer* Timer1 = nullptr;
    DisplayOptions looks_;             // the pupil's options; all off by default
    GameOverFit gameOver_;             // the game-over window's size on this screen
    std::unique_ptr<MazeVoice> voice_; // what a screen reader hears of the maze
    Dialogs* dialogs_ = this;
    std::function<void()> questionStarts_;
    // A question is under way: from minimising the window for the quiz until
    // the input given meanwhile has been dropped.
    bool asking_ = false;
};

} // namespace zorbik
