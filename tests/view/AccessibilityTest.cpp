// What the options and a screen reader get from the side panel: larger text
// (and a screen too low for the panel) keeps every widget inside the screen, on the right of the maze and
// apart from its neighbours, with direction buttons of 44 pixels; high contrast gives every panel text 4.5:1
// on the window's face; every control is named, and the counters say their number.
#include "view/PanelNames.h"
#include "view/PanelOptions.h"
#include "view/SidePanel.h"

#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace zorbik {
namespace {

double Luminance(const QColor& c)
{
    const auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(PanelOptions, LargerTextFitsTheScreenWithBigButtons)
{
    const Widget buttons[] = {Widget::ULButton,    Widget::UpButton, Widget::URButton,   Widget::LeftButton,
                              Widget::RightButton, Widget::DLButton, Widget::DownButton, Widget::DRButton};
    // Larger text on the three screens; a screen scaled to 512 x 384 without it.
    for (auto [width, height, larger] :
         {std::tuple{1024, 768, true}, {1280, 720, true}, {1920, 1080, true}, {512, 384, false}}) {
        QWidget window;
        GameState state;
        SidePanel panel = BuildSidePanel(&window, state);
        FitSidePanel(panel, height, larger);
        PlaceSidePanel(panel, width);
        EXPECT_GT(panel.scale, larger ? 1.3 : 0.7) << height;
        EXPECT_LE(panel.scale, 1.5);
        std::vector<QRect> taken;
        for (Widget w : {Widget::Rules,      Widget::FinishButton, Widget::Label1,      Widget::Image1,
                         Widget::Image2,     Widget::StaticText1,  Widget::Image3,      Widget::StaticText2,
                         Widget::Image4,     Widget::StaticText3,  Widget::ULButton,    Widget::UpButton,
                         Widget::URButton,   Widget::LeftButton,   Widget::RightButton, Widget::DLButton,
                         Widget::DownButton, Widget::DRButton,     Widget::TimeText,    Widget::TimeBox,
                         Widget::HealthText, Widget::PaintBox4,    Widget::ScoreText,   Widget::ScoreBox}) {
            const QRect r = panel.widget(w)->geometry();
            EXPECT_GE(r.left(), width - SidePanelWidthOf(panel)) << int(w);
            EXPECT_LE(r.right(), width - 1) << int(w);
            EXPECT_LE(r.bottom(), height - 1) << int(w) << " at " << height;
            for (const QRect& other : taken)
                EXPECT_FALSE(r.intersects(other)) << int(w) << " at " << height;
            taken.push_back(r);
        }
        for (Widget w : buttons)
            EXPECT_GE(panel.widget(w)->width(), larger ? 44 : 18);
        EXPECT_EQ(panel.ScoreBox->font().pixelSize() > 24, larger);
    }
    // Without the option, a panel that fits keeps its laid-out pixels.
    QWidget window;
    GameState state;
    SidePanel panel = BuildSidePanel(&window, state);
    FitSidePanel(panel, 768, false);
    PlaceSidePanel(panel, 1024);
    EXPECT_EQ(panel.scale, 1.0);
    EXPECT_EQ(panel.ULButton->geometry(), QRect(906, 288, 25, 25));
    EXPECT_EQ(panel.ScoreBox->font().pixelSize(), 24);
}

TEST(PanelOptions, HighContrastTextsAndNamesForAScreenReader)
{
    QWidget window;
    GameState state;
    SidePanel panel = BuildSidePanel(&window, state);
    const QColor face = window.palette().color(QPalette::Window);
    EXPECT_LT(Contrast(panel.ScoreBox->palette().color(QPalette::WindowText), face),
              4.5); // the game's own fuchsia
    UseHighContrast(panel);
    for (QLabel* text : {panel.StaticText1, panel.StaticText2, panel.StaticText3, panel.ScoreText,
                         panel.ScoreBox, panel.Label1, panel.TimeText, panel.TimeBox, panel.HealthText})
        EXPECT_GE(Contrast(text->palette().color(QPalette::WindowText), face), 4.5)
            << text->text().toStdString();
    EXPECT_GE(Contrast(panel.FinishButton->palette().color(QPalette::ButtonText), face), 4.5);

    NamePanel(panel);
    for (QToolButton* b :
         {panel.Rules, panel.FinishButton, panel.ULButton, panel.UpButton, panel.URButton, panel.LeftButton,
          panel.RightButton, panel.DLButton, panel.DownButton, panel.DRButton})
        EXPECT_FALSE(b->accessibleName().isEmpty());
    EXPECT_EQ(panel.ULButton->accessibleName(), "Move up-left");
    panel.StaticText1->setText("3");
    RenameAfterText(panel, Widget::StaticText1);
    EXPECT_EQ(panel.StaticText1->accessibleName(), "Treasures: 3");
    // The visible texts stay the game's.
    EXPECT_EQ(panel.StaticText1->text(), "3");
    EXPECT_EQ(panel.FinishButton->text(), "EXIT");
}

} // namespace
} // namespace zorbik
