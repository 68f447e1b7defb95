#include "PanelNames.h"

#include "AccessibleWidgets.h"
#include "MazeSurface.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace zorbik {

namespace {

QString Text(const char* english)
{
    return QCoreApplication::translate("Access", english);
}

// The template that names a widget after its text, or null.
const char* NameTemplate(Widget w)
{
    switch (w) {
    case Widget::StaticText1:
        return QT_TRANSLATE_NOOP("Access", "Treasures: %1");
    case Widget::StaticText2:
        return QT_TRANSLATE_NOOP("Access", "Enemies beaten: %1");
    case Widget::StaticText3:
        return QT_TRANSLATE_NOOP("Access", "Doors opened: %1");
    case Widget::ScoreBox:
        return QT_TRANSLATE_NOOP("Access", "Score: %1");
    case Widget::TimeBox:
        return QT_TRANSLATE_NOOP("Access", "Time on this level: %1");
    default:
        return nullptr;
    }
}

} // namespace

void NamePanel(SidePanel& panel)
{
    const std::pair<QWidget*, const char*> names[] = {
        {panel.ULButton, QT_TRANSLATE_NOOP("Access", "Move up-left")},
        {panel.UpButton, QT_TRANSLATE_NOOP("Access", "Move up")},
        {panel.URButton, QT_TRANSLATE_NOOP("Access", "Move up-right")},
        {panel.LeftButton, QT_TRANSLATE_NOOP("Access", "Move left")},
        {panel.RightButton, QT_TRANSLATE_NOOP("Access", "Move right")},
        {panel.DLButton, QT_TRANSLATE_NOOP("Access", "Move down-left")},
        {panel.DownButton, QT_TRANSLATE_NOOP("Access", "Move down")},
        {panel.DRButton, QT_TRANSLATE_NOOP("Access", "Move down-right")},
        {panel.Rules, QT_TRANSLATE_NOOP("Access", "Rules")},
        {panel.FinishButton, QT_TRANSLATE_NOOP("Access", "Exit")},
        {panel.Image1, QT_TRANSLATE_NOOP("Access", "Zorbik")},
        {panel.Image2, QT_TRANSLATE_NOOP("Access", "Treasures")},
        {panel.Image3, QT_TRANSLATE_NOOP("Access", "Enemies beaten")},
        {panel.Image4, QT_TRANSLATE_NOOP("Access", "Doors opened")},
        {panel.PaintBox4, QT_TRANSLATE_NOOP("Access", "Health")},
        {panel.Edit1, QT_TRANSLATE_NOOP("Access", "Zorbik's keys")},
    };
    for (auto [w, name] : names)
        w->setAccessibleName(Text(name));
    panel.Rules->setAccessibleDescription(Text(QT_TRANSLATE_NOOP("Access", "Shows the rules of the game.")));
    panel.FinishButton->setAccessibleDescription(Text(QT_TRANSLATE_NOOP("Access", "Finishes this game.")));
    panel.Edit1->setAccessibleDescription(Text(QT_TRANSLATE_NOOP(
        "Access", "The arrow keys move Zorbik, Ctrl shows the map, Space says where he is.")));
    for (Widget w :
         {Widget::StaticText1, Widget::StaticText2, Widget::StaticText3, Widget::ScoreBox, Widget::TimeBox})
        RenameAfterText(panel, w);
}

void RenameAfterText(SidePanel& panel, Widget w)
{
    if (const char* name = NameTemplate(w))
        panel.widget(w)->setAccessibleName(
            Text(name).arg(QString::fromStdString(WidgetText(panel.widget(w)))));
}

} // namespace zorbik
