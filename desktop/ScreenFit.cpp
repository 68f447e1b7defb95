#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace zorbik {

namespace {

// Before it is shown a window does not know its frame: room for a title bar
// and thin borders.
constexpr int FrameWidth = 16;
constexpr int FrameHeight = 48;

QScreen* ScreenOf(const QWidget* window)
{
    QScreen* screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

QSize ScreenRoom(const QWidget* window)
{
    QScreen* screen = ScreenOf(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize free = screen->availableGeometry().size();
    return QSize(std::max(1, free.width() - FrameWidth), std::max(1, free.height() - FrameHeight));
}

void HoldOnScreen(QWidget* window, QWidget* content)
{
    content->setParent(window); // measured in the window's font
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    const QSize room = ScreenRoom(window);
    const QSize wanted =
        content->sizeHint().expandedTo(content->minimumSizeHint()).expandedTo(content->minimumSize());
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) {
        outer->addWidget(content);
        return;
    }
    auto* scroll = new QScrollArea;
    scroll->setObjectName("screenFit");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(content);
    // The vertical bar takes its width beside the content, not out of it.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    scroll->setMinimumSize(QSize(wanted.width() + bar, wanted.height()).boundedTo(room));
    outer->addWidget(scroll);
    // A minimum the window set itself would otherwise win over the scroll area's.
    window->setMinimumSize(window->minimumSize().expandedTo(scroll->minimumSize()).boundedTo(room));
    window->setMaximumSize(room);
}

void KeepInSight(QWidget* widget)
{
    for (QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(up)) {
            scroll->ensureWidgetVisible(widget);
            return;
        }
}

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = ScreenOf(window);
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(free.center());
    window->move(frame.left(), std::max(frame.top(), free.top()));
}

} // namespace zorbik
