#include "PanelOptions.h"

#include "MazeSurface.h"

#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <tuple>

namespace zorbik {

namespace {

void Recolour(QWidget* w, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = w->palette();
    palette.setColor(role, color);
    palette.setColor(QPalette::Disabled, role, color);
    w->setPalette(palette);
}

} // namespace

void UseHighContrast(SidePanel& panel)
{
    // Fuchsia (2.7:1) becomes dark magenta (7.4:1), the exit's red (3.5:1)
    // a dark red (6.4:1); the other texts are black already.
    const QColor magenta(0x8b, 0x00, 0x8b);
    for (QLabel* big :
         {panel.StaticText1, panel.StaticText2, panel.StaticText3, panel.ScoreText, panel.ScoreBox})
        Recolour(big, QPalette::WindowText, magenta);
    Recolour(panel.FinishButton, QPalette::ButtonText, QColor(0xb0, 0x00, 0x00));
    for (QLabel* plain : {panel.Label1, panel.TimeText, panel.TimeBox, panel.HealthText})
        Recolour(plain, QPalette::WindowText, Qt::black);
}

void FitSidePanel(SidePanel& panel, int screenHeight, bool largerText)
{
    const double room = (screenHeight - 8) / double(SidePanelHeight);
    panel.scale = std::min(largerText ? 1.5 : 1.0, room);
    panel.bigTargets = largerText;
    if (!largerText && panel.scale >= 1.0) {
        panel.scale = 1.0;
        return;
    }
    for (Widget id : {Widget::Rules, Widget::FinishButton, Widget::Label1, Widget::StaticText1,
                      Widget::StaticText2, Widget::StaticText3, Widget::TimeText, Widget::TimeBox,
                      Widget::HealthText, Widget::ScoreText, Widget::ScoreBox}) {
        QWidget* w = panel.widget(id);
        QFont font = w->font();
        font.setPixelSize(int(font.pixelSize() * panel.scale + 0.5));
        w->setFont(font);
    }
    if (!largerText)
        return;
    const int glyph = 24;
    const std::tuple<QToolButton*, int, int> arrows[] = {{panel.ULButton, -1, -1},  {panel.UpButton, 0, -1},
                                                         {panel.URButton, 1, -1},   {panel.LeftButton, -1, 0},
                                                         {panel.RightButton, 1, 0}, {panel.DLButton, -1, 1},
                                                         {panel.DownButton, 0, 1},  {panel.DRButton, 1, 1}};
    for (auto [button, dx, dy] : arrows) {
        button->setIcon(ArrowGlyph(dx, dy, glyph));
        button->setIconSize(QSize(glyph, glyph));
    }
    panel.Rules->setIcon(QuestionGlyph(glyph));
    panel.Rules->setIconSize(QSize(glyph, glyph));
}

} // namespace zorbik
