// What the game's routines need from the main window, role by role: the
// panel, the dialogs, the sound, the quiz process, the game-over window and
// the application's life cycle. The roles only show, ask and report; every
// change of the game's state is the routines' own. The Qt window plays every
// role; tests use a scripted stand-in, so every rule of play runs and is
// tested without a display.
#pragma once

#include <string>

namespace zorbik {

enum class Widget {
    PaintBox1,
    PaintBox4,
    Label1,
    Label6,
    ScoreText,
    ScoreBox,
    TimeText,
    TimeBox,
    HealthText,
    StaticText1,
    StaticText2,
    StaticText3,
    UpButton,
    DownButton,
    LeftButton,
    RightButton,
    ULButton,
    URButton,
    DLButton,
    DRButton,
    Image1,
    Image2,
    Image3,
    Image4,
    Rules,
    FinishButton,
    CloseButton,
    Memo1,
    Edit1,
};
constexpr int WidgetCount = static_cast<int>(Widget::Edit1) + 1;

// Message box flags and answers, as the game's dialogs use them.
constexpr int MbOk = 0x00;
constexpr int MbYesNo = 0x04;
constexpr int MbIconQuestion = 0x20;
constexpr int MbIconInformation = 0x40;
constexpr int IdOk = 1;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

// The side panel and the maze surface: widget texts ("captions") and
// visibility, and repaints.
class Panel {
  public:
    virtual ~Panel() = default;
    virtual std::string caption(Widget w) const = 0;
    virtual void setCaption(Widget w, const std::string& text) = 0;
    virtual void setVisible(Widget w, bool visible) = 0;
    virtual void setEnabled(Widget w, bool enabled) = 0;
    // Draws the maze surface at once as the state stands; the routines have
    // moved the viewport before they ask.
    virtual void paintMaze() = 0;
    // Asks the maze surface to repaint itself later (the Ctrl toggle).
    virtual void invalidateMaze() = 0;
    virtual void repaintHealthBar() = 0;
    // Moves and sizes the maze surface to state's PaintBoxLeft/Top/Width/Height
    // (after FitMazeView).
    virtual void placeMazeSurface() = 0;
};

// The modal dialogs of play.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Of the information type with the single button "OK".
    virtual void informationDialog(const std::string& text) = 0;
    // Of the confirmation type with "OK" and "Cancel"; true for OK.
    virtual bool confirmDialog(const std::string& text) = 0;
    // The platform message box; answers IdYes, IdNo or IdOk.
    virtual int messageBox(const std::string& text, const std::string& caption, int flags) = 0;
    // The rules dialog; returns when it is closed.
    virtual void showRulesDialog() = 0;
};

// What the player hears.
class Sound {
  public:
    virtual ~Sound() = default;
    // Plays a named file of the sound folder without waiting.
    virtual void playSound(const std::string& fileName) = 0;
    // Tells a screen reader what just happened in the maze; nothing is drawn.
    virtual void announce(const std::string& text) = 0;
};

// The quiz program, as a process the game waits for.
class Quiz {
  public:
    virtual ~Quiz() = default;
    // Runs `program` with the words of `params` and waits for it to end;
    // true only when it ran and left the right verdict.
    virtual bool runQuiz(const std::string& program, const std::string& params) = 0;
};

// The game-over window: a bordered 390 x 490 window titled
// "Zorbik on the maze", the "GAME OVER" title, the close button and the
// high-score text box.
class GameOverWindow {
  public:
    virtual ~GameOverWindow() = default;
    virtual void enterGameOverWindow() = 0;
    virtual void showGameOverTitle() = 0;
    virtual void showCloseButton() = 0;
    virtual void showMemo(int left, int top, int width, int height) = 0;
    virtual void clearMemo() = 0;
    virtual void addMemoLine(const std::string& line) = 0;
    virtual void setMemoHeight(int height) = 0;
};

// The application around play.
class LifeCycle {
  public:
    virtual ~LifeCycle() = default;
    // Minimise and restore the whole application around a question.
    virtual void minimiseApp() = 0;
    virtual void restoreApp() = 0;
    // The calling thread sleeps; nothing else runs meanwhile.
    virtual void sleepMs(int ms) = 0;
    // Frees the pictures and ends the process.
    virtual void closeAndExit() = 0;
};

// The window's roles as the game's routines take them.
struct Host {
    Panel& panel;
    Dialogs& dialogs;
    Sound& sound;
    Quiz& quiz;
    GameOverWindow& gameOver;
    LifeCycle& life;
};

// The side counters live only as the decimal texts of their widgets: read
// the text, add one, write it back.
void IncrementCounter(Panel& panel, Widget counter);

// The whole number shown by a counter widget (0 when the text is not a number).
int CounterValue(const Panel& panel, Widget counter);

} // namespace zorbik
