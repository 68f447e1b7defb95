// The side panel along the right edge of the main window (score, level
// clock, health bar, the three counters with their pictures, the Ctrl hint,
// the direction pad, the rules and exit buttons) and the other widgets of the
// main window that the game shows later: the "GAME OVER" title, the close
// button, the high-score box and the hidden keyboard sink.
#pragma once

#include "MazeArt.h"
#include "world/GameState.h"
#include "world/Host.h"
#include "world/StartUp.h"

#include <QIcon>

#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace zorbik {

class HealthBar;

struct SidePanel {
    QToolButton* Rules = nullptr;
    QToolButton* FinishButton = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QToolButton* ULButton = nullptr;
    QToolButton* UpButton = nullptr;
    QToolButton* URButton = nullptr;
    QToolButton* LeftButton = nullptr;
    QToolButton* RightButton = nullptr;
    QToolButton* DLButton = nullptr;
    QToolButton* DownButton = nullptr;
    QToolButton* DRButton = nullptr;
    QLabel* TimeText = nullptr;
    QLabel* TimeBox = nullptr;
    QLabel* HealthText = nullptr;
    HealthBar* PaintBox4 = nullptr;
    QLabel* ScoreText = nullptr;
    QLabel* ScoreBox = nullptr;

    // Not part of the panel, but laid out with it.
    QLabel* Label6 = nullptr;
    QPushButton* CloseButton = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* Edit1 = nullptr;

    // The panel's size against its laid-out one (larger text and buttons);
    // 1 keeps the laid-out pixels.
    double scale = 1.0;
    bool bigTargets = false; // direction buttons of at least 44 pixels

    // The widget of the window that the game calls `w`; null for the maze
    // surface, which the window keeps itself.
    QWidget* widget(Widget w) const;
};

// Creates the widgets as children of `window` with their sizes, tops, fonts,
// colours, hints, glyphs and laid-out texts. All are hidden except `Rules`
// and `PaintBox4`.
SidePanel BuildSidePanel(QWidget* window, const GameState& state);

// Moves every panel widget to its left edge, measured from the window width W
// (at a scale other than 1, every slot is scaled, and with big targets the
// direction buttons are at least 44 pixels).
void PlaceSidePanel(SidePanel& panel, int W);

// The panel's width at its scale.
int SidePanelWidthOf(const SidePanel& panel);

// The laid-out height of the panel, from its top to the score's bottom.
constexpr int SidePanelHeight = 525;

// Puts the four side pictures into Image1..Image4 (an empty picture leaves its box empty).
void SetSidePictures(SidePanel& panel, const SidePictures& pictures);

// 16 x 16 glyphs with a greyed copy for the disabled state: an arrow
// pointing along (dx, dy) (each -1, 0 or 1; y grows downwards) and a
// question mark.
// `size` draws them larger (larger text), the same shapes scaled.
QIcon ArrowGlyph(int dx, int dy, int size = 16);
QIcon QuestionGlyph(int size = 16);

// The text a label, button or edit box shows, and setting it.
std::string WidgetText(const QWidget* w);
void SetWidgetText(QWidget* w, const std::string& text);

} // namespace zorbik
