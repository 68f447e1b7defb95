// Windows laid out for a normal screen that must still fit a small one at a
// large scale factor or font: the content then scrolls inside the room the
// screen leaves, and on a screen that holds it nothing changes.
#pragma once

#include <QSize>

class QWidget;

namespace zorbik {

// The room a window may take on its screen: the screen's free area less an
// allowance for the window manager's title bar and borders.
QSize ScreenRoom(const QWidget* window);

// Lays content out as the window's only child, edge to edge. Content larger
// than the screen's room is put in a frameless scroll area instead, and the
// window keeps within that room.
void HoldOnScreen(QWidget* window, QWidget* content);

// Scrolls a window that scrolls so that the widget, newly filled, is in sight.
void KeepInSight(QWidget* widget);

// Centres the window on its screen's free area, its title bar never above it.
void CentreOnScreen(QWidget* window);

} // namespace zorbik
