#include "view/SidePanel.h"
#include "play/CellEvents.h"
#include "tests/support/Languages.h"
#include "view/MazeSurface.h"
#include "view/StandInFonts.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace zorbik {
namespace {

const Widget PanelWidgets[] = {
    Widget::Rules,      Widget::FinishButton, Widget::Label1,      Widget::Image1,      Widget::Image2,
    Widget::Image3,     Widget::Image4,       Widget::StaticText1, Widget::StaticText2, Widget::StaticText3,
    Widget::ULButton,   Widget::UpButton,     Widget::URButton,    Widget::LeftButton,  Widget::RightButton,
    Widget::DLButton,   Widget::DownButton,   Widget::DRButton,    Widget::TimeText,    Widget::TimeBox,
    Widget::HealthText, Widget::PaintBox4,    Widget::ScoreText,   Widget::ScoreBox};

TEST(SidePanelLayout, AtAWindowWidthOf1024)
{
    QWidget window;
    GameState state;
    SidePanel panel = BuildSidePanel(&window, state);
    PlaceSidePanel(panel, 1024);
    for (Widget w : PanelWidgets) {
        QWidget* widget = panel.widget(w);
        ASSERT_NE(widget, nullptr);
        EXPECT_GE(widget->x(), 890);
        EXPECT_LE(widget->x() + widget->width(), 1024);
        // Laid out hidden, all but the rules button and the health bar.
        EXPECT_EQ(widget->isHidden(), w != Widget::Rules && w != Widget::PaintBox4);
    }
    EXPECT_EQ(panel.ULButton->geometry(), QRect(906, 288, 25, 25));
    EXPECT_EQ(panel.DownButton->geometry(), QRect(938, 352, 25, 25));
    EXPECT_EQ(panel.RightButton->geometry(), QRect(970, 320, 25, 25));
    EXPECT_EQ(panel.Image1->geometry(), QRect(933, 315, 35, 35));
    EXPECT_EQ(panel.StaticText2->geometry(), QRect(954, 168, 57, 33));
    EXPECT_EQ(panel.ScoreBox->geometry(), QRect(890, 496, 121, 29));
    EXPECT_EQ(panel.widget(Widget::PaintBox4)->geometry(), QRect(938, 440, 77, 17));
    EXPECT_EQ(panel.FinishButton->geometry(), QRect(970, 4, 52, 30));
    EXPECT_EQ(panel.Edit1->geometry(), QRect(102, panel.Edit1->y(), 180, 24));
    EXPECT_EQ(panel.CloseButton->size(), QSize(145, 33));
    for (QWidget* later : {static_cast<QWidget*>(panel.Label6), static_cast<QWidget*>(panel.CloseButton),
                           static_cast<QWidget*>(panel.Memo1), static_cast<QWidget*>(panel.Edit1)})
        EXPECT_TRUE(later->isHidden());
    EXPECT_EQ(panel.widget(Widget::PaintBox1), nullptr);
}

TEST(SidePanelLayout, TextsFontsAndColours)
{
    QWidget window;
    GameState state;
    SidePanel panel = BuildSidePanel(&window, state);
    EXPECT_EQ(WidgetText(panel.FinishButton), "EXIT");
    EXPECT_EQ(panel.FinishButton->font().family(), "Arial");
    EXPECT_EQ(panel.FinishButton->font().pixelSize(), 13);
    EXPECT_TRUE(panel.FinishButton->font().bold());
    EXPECT_EQ(panel.FinishButton->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_EQ(panel.FinishButton->toolTip(), "Finish this game");
    EXPECT_EQ(panel.Rules->toolTip(), "Rules");
    for (QLabel* big :
         {panel.StaticText1, panel.StaticText2, panel.StaticText3, panel.ScoreText, panel.ScoreBox}) {
        EXPECT_EQ(big->font().pixelSize(), 24);
        EXPECT_TRUE(big->font().bold());
        EXPECT_EQ(big->palette().color(QPalette::WindowText), QColor(255, 0, 255));
        EXPECT_TRUE(big->alignment() & Qt::AlignHCenter);
    }
    EXPECT_EQ(WidgetText(panel.StaticText1), "0");
    EXPECT_EQ(WidgetText(panel.ScoreText), "Score");
    EXPECT_EQ(WidgetText(panel.HealthText), "Health");
    EXPECT_EQ(WidgetText(panel.TimeText), "Time on 1 level");
    EXPECT_EQ(WidgetText(panel.TimeBox), "0 m 00 s");
    EXPECT_TRUE(panel.Label1->wordWrap());
    EXPECT_FALSE(panel.Label1->autoFillBackground());
    EXPECT_TRUE(panel.Image2->hasScaledContents());
    EXPECT_EQ(panel.Edit1->maxLength(), 20);
    EXPECT_TRUE(panel.Memo1->isReadOnly());
    EXPECT_FALSE(panel.Memo1->isEnabled());
    EXPECT_EQ(panel.Memo1->font().family(), "Courier New");
    EXPECT_TRUE(panel.Label6->font().italic());
    EXPECT_EQ(WidgetText(panel.CloseButton), "Close this window");

    // Texts written through the window's names read back the same.
    SetWidgetText(panel.widget(Widget::StaticText3), "41");
    EXPECT_EQ(WidgetText(panel.StaticText3), "41");
    SetWidgetText(panel.Memo1, "a line");
    EXPECT_EQ(WidgetText(panel.Memo1), "a line");
}

// Every panel text, at its longest and in every language, shows whole in its
// widget in the faces that stand in for the layout's, and the panel stays on
// screen at every width.
TEST(SidePanelLayout, EveryTextFitsItsWidgetAtEveryWidthInEveryLanguage)
{
    InstallStandInFonts();
    for (const std::string& language : testing::AllLanguages) {
        const testing::ScopedLanguage chosen(language);
        ASSERT_EQ(chosen.installed(), !language.empty()) << language;
        QWidget window;
        window.setFont(WindowFont());
        GameState state;
        SidePanel panel = BuildSidePanel(&window, state);
        const auto game = [](const char* text) { return QCoreApplication::translate("Game", text); };
        const std::pair<QWidget*, QString> longest[] = {
            {panel.HealthText, game("Health")},
            {panel.TimeText, game("Time on 1 level")},
            {panel.TimeText, game("Time on %1 level:").arg(9)},
            {panel.TimeBox, game("%1 m %2 s").arg(255).arg(59)},
            {panel.ScoreText, game("Score")},
            {panel.ScoreBox, "99999999"},
            {panel.StaticText1, "999"},
            {panel.StaticText3, "999"},
            {panel.Label1, game(CtrlToMapHint)},
            {panel.Label1, game(CtrlToPlayHint)},
            {panel.FinishButton, game("EXIT")},
            {panel.CloseButton, game("Close this window")},
            {panel.Label6, game("GAME OVER")},
        };
        for (const auto& [widget, text] : longest) {
            QFont font = widget->font();
            QSize room = widget->size();
            if (widget == panel.Label6) { // the title at game over: 48 points in the 390-pixel window
                font.setPointSize(48);
                room = QSize(390, 200);
            }
            const auto* label = qobject_cast<QLabel*>(widget);
            const int wrap = label && label->wordWrap() ? Qt::TextWordWrap : 0;
            const QRectF needed =
                QFontMetricsF(font).boundingRect(QRectF(0, 0, room.width(), 1000), wrap, text);
            const int frame = label ? 0 : 8; // a button's own margins
            EXPECT_LE(needed.width() + frame, room.width()) << language << ": " << text.toStdString();
            EXPECT_LE(needed.height(), room.height()) << language << ": " << text.toStdString();
        }
        for (int W : {640, 800, 1024, 1366, 1920, 3840}) {
            PlaceSidePanel(panel, W);
            for (Widget w : PanelWidgets) {
                const QRect at = panel.widget(w)->geometry();
                EXPECT_TRUE(at.left() >= W - SidePanelWidth && at.right() < W) << W << " " << int(w);
            }
        }
    }
}

// The darkest quarter of a glyph tells where its arrow points.
QPoint HeavySide(const QIcon& icon)
{
    const QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    int sx = 0, sy = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int a = qAlpha(image.pixel(x, y));
            sx += a * (x < 8 ? -1 : 1);
            sy += a * (y < 8 ? -1 : 1);
        }
    const auto sign = [](int v) { return v > 200 ? 1 : v < -200 ? -1 : 0; };
    return QPoint(sign(sx), sign(sy));
}

TEST(SidePanelGlyphs, ArrowsPointTheirWayAndHaveAGreyedCopy)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if (!dx && !dy)
                continue;
            const QIcon glyph = ArrowGlyph(dx, dy);
            EXPECT_EQ(HeavySide(glyph), QPoint(dx, dy)) << dx << "," << dy;
            const QImage normal = glyph.pixmap(16, 16, QIcon::Normal).toImage();
            const QImage greyed = glyph.pixmap(16, 16, QIcon::Disabled).toImage();
            EXPECT_NE(normal, greyed);
        }
    const QIcon question = QuestionGlyph();
    EXPECT_FALSE(question.isNull());
    EXPECT_NE(question.pixmap(16, 16, QIcon::Normal).toImage(),
              question.pixmap(16, 16, QIcon::Disabled).toImage());
}

} // namespace
} // namespace zorbik
