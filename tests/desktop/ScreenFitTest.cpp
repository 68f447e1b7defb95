#include "desktop/ScreenFit.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>

namespace zorbik {
namespace {

// A window on the screen it gets: content that fits fills it edge to edge
// with no scroll area; content taller than the screen scrolls inside a window
// that keeps to the screen, even one that asked for more width, and only
// upwards and downwards.
TEST(ScreenFit, ContentFillsTheWindowOrScrollsWithinTheScreen)
{
    QWidget fitting;
    auto* small = new QWidget;
    small->setMinimumSize(200, 100);
    HoldOnScreen(&fitting, small);
    fitting.show();
    EXPECT_EQ(fitting.findChild<QScrollArea*>(), nullptr);
    EXPECT_EQ(small->geometry(), fitting.rect());

    QWidget tallWindow;
    const QSize room = ScreenRoom(&tallWindow);
    tallWindow.setMinimumWidth(room.width() + 50);
    auto* tall = new QWidget;
    tall->setMinimumSize(300, room.height() * 2);
    HoldOnScreen(&tallWindow, tall);
    tallWindow.adjustSize();
    tallWindow.show();
    auto* scroll = tallWindow.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(tallWindow.width(), room.width());
    EXPECT_LE(tallWindow.height(), room.height());
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace zorbik
