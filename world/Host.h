// What the game's routines need from the main window: widget texts and
// visibility, direct repaints, dialogs, sounds, the quiz call, minimising and
// sleeping. The Qt window implements it; tests use a scripted stand-in, so
// every rule of play runs and is tested without a display.
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

// Message box flags and answers, as the game's dialogs use them.
constexpr int MbOk = 0x00;
constexpr int MbYesNo = 0x04;
constexpr int MbIconQuestion = 0x20;
constexpr int MbIconInformation = 0x40;
constexpr int IdOk = 1;
constexpr int IdYes = 6;
constexpr int IdNo = 7;

class Host {
  public:
    virtual ~Host() = default;

    // Widget texts ("captions") and visibility.
    virtual std::string caption(Widget w) const = 0;
    virtual void setCaption(Widget w, const std::string& text) = 0;
    virtual void setVisible(Widget w, bool visible) = 0;
    virtual void setEnabled(Widget w, bool enabled) = 0;

    // A direct call of the maze view's paint handler: the current state is
    // drawn at once (the viewport follows the player first).
    virtual void paintMaze() = 0;
    // Ask the maze surface to repaint itself later (the Ctrl toggle).
    virtual void invalidateMaze() = 0;
    // Ask the health bar to repaint itself.
    virtual void repaintHealthBar() = 0;
    // Move and size the maze surface to state's PaintBoxLeft/Top/Width/Height
    // (after FitMazeView).
    virtual void placeMazeSurface() = 0;

    // The calling thread sleeps; nothing else runs meanwhile.
    virtual void sleepMs(int ms) = 0;

    // Plays a named file of the sound folder without waiting.
    virtual void playSound(const std::string& fileName) = 0;

    // Modal dialog of the information type with the single button "OK".
    virtual void informationDialog(const std::string& text) = 0;
    // Modal dialog of the confirmation type with "OK" and "Cancel"; true for OK.
    virtual bool confirmDialog(const std::string& text) = 0;
    // Platform message box; answers IdYes, IdNo or IdOk.
    virtual int messageBox(const std::string& text, const std::string& caption, int flags) = 0;

    // Minimise and restore the whole application around a question.
    virtual void minimiseApp() = 0;
    virtual void restoreApp() = 0;

    // One question through the quiz program; true for a right answer, with
    // the points already added to the score.
    virtual bool askQuestion() = 0;

    // The game-over window: a bordered 390 x 490 window titled
    // "Zorbik on the maze", the "GAME OVER" title, the close button and the
    // high-score text box.
    virtual void enterGameOverWindow() = 0;
    virtual void showGameOverTitle() = 0;
    virtual void showCloseButton() = 0;
    virtual void showMemo(int left, int top, int width, int height) = 0;
    virtual void clearMemo() = 0;
    virtual void addMemoLine(const std::string& line) = 0;
    virtual void setMemoHeight(int height) = 0;

    // Tells a screen reader what just happened in the maze; nothing is drawn.
    virtual void announce(const std::string& text) = 0;

    // Shows the rules dialog modally.
    virtual void showRulesDialog() = 0;
    // Frees the pictures and ends the process.
    virtual void closeAndExit() = 0;
};

// The side counters live only as the decimal texts of their widgets: read
// the text, add one, write it back.
void IncrementCounter(Host& host, Widget counter);

// The whole number shown by a counter widget (0 when the text is not a number).
int CounterValue(const Host& host, Widget counter);

} // namespace zorbik
