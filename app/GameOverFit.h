// The game-over window's room: 390 x 490 as the game lays it out, half as
// large again with larger text. On a screen too small for it (a high scale
// factor) the window keeps to the screen: the high-score box gives up the
// room and scrolls, and the close button stays in sight.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zorbik {

struct SidePanel;

struct GameOverFit {
    double scale = 1.0; // 1.5 with larger text
    QSize lost;         // what the screen takes off the window's outer size
    QRect memo;         // the high-score box as the game places it, unscaled

    int scaled(int pixels) const { return int(pixels * scale + 0.5); }
    QSize outerSize() const { return {scaled(390), scaled(490)}; }
    // The share of the width left, for the title's letters.
    double widthLeft() const;
};

// The fonts and the close button half as large again, for larger text.
void ScaleGameOverWidgets(SidePanel& panel, double scale);

// The window's client size on its screen, the frame the window manager told
// taken off; notes in fit what the screen took.
QSize FittedGameOverSize(const QWidget* window, GameOverFit& fit);

// The close button and the high-score box where the fit puts them.
void PlaceGameOverWidgets(SidePanel& panel, const GameOverFit& fit);

} // namespace zorbik
