#include "SidePanel.h"

#include "HighScoreBox.h"
#include "MazeSurface.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace zorbik {

namespace {

// Where each panel widget sits: its left edge as W minus `fromRight`, its
// top and its size.
struct Slot {
    Widget id;
    int fromRight;
    int top;
    int width;
    int height;
};

constexpr Slot PanelSlots[] = {
    {Widget::Rules, SidePanelWidth, 4, 30, 30},
    {Widget::FinishButton, 54, 4, 52, 30},
    {Widget::Label1, SidePanelWidth, 40, 129, 49},
    {Widget::Image2, SidePanelWidth, 90, 57, 57},
    {Widget::StaticText1, 70, 104, 57, 33},
    {Widget::Image3, SidePanelWidth, 154, 57, 57},
    {Widget::StaticText2, 70, 168, 57, 33},
    {Widget::Image4, SidePanelWidth, 218, 57, 57},
    {Widget::StaticText3, 70, 232, 57, 33},
    {Widget::ULButton, 118, 288, 25, 25},
    {Widget::UpButton, 86, 288, 25, 25},
    {Widget::URButton, 54, 288, 25, 25},
    {Widget::LeftButton, 118, 320, 25, 25},
    {Widget::RightButton, 54, 320, 25, 25},
    {Widget::Image1, 91, 315, 35, 35},
    {Widget::DLButton, 118, 352, 25, 25},
    {Widget::DownButton, 86, 352, 25, 25},
    {Widget::DRButton, 54, 352, 25, 25},
    {Widget::TimeText, SidePanelWidth, 392, 121, 16},
    {Widget::TimeBox, SidePanelWidth, 408, 121, 16},
    {Widget::HealthText, SidePanelWidth, 440, 46, 16},
    {Widget::PaintBox4, 86, 440, 77, 17},
    {Widget::ScoreText, SidePanelWidth, 464, 121, 29},
    {Widget::ScoreBox, SidePanelWidth, 496, 121, 29},
};

// The window width the panel was laid out for before the first show.
constexpr int LayoutWidth = 632;

// The name column of the high-score table, in characters.
constexpr int TableNameColumns = 20;

const QColor Fuchsia(255, 0, 255);

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void SetTextColor(QWidget* w, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = w->palette();
    palette.setColor(role, color);
    palette.setColor(QPalette::Disabled, role, color);
    w->setPalette(palette);
}

QLabel* MakeLabel(QWidget* window, const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new QLabel(text, window);
    label->setAlignment(align);
    return label;
}

// A centred number or title in fuchsia bold 24 pixels.
QLabel* MakeBigLabel(QWidget* window, const QString& text)
{
    QLabel* label = MakeLabel(window, text, Qt::AlignHCenter | Qt::AlignTop);
    QFont font = window->font();
    font.setPixelSize(24);
    font.setBold(true);
    label->setFont(font);
    SetTextColor(label, QPalette::WindowText, Fuchsia);
    return label;
}

QLabel* MakeImageBox(QWidget* window)
{
    auto* box = new QLabel(window);
    box->setScaledContents(true);
    return box;
}

QToolButton* MakeFlatButton(QWidget* window, const QIcon& glyph, const QString& hint = {})
{
    auto* button = new QToolButton(window);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(glyph);
    button->setIconSize(QSize(16, 16));
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

// Draws one glyph in `color` onto a transparent pixmap of `size` pixels,
// the drawing made for 16 scaled to it.
template <typename Draw> QPixmap GlyphPixmap(const QColor& color, Draw draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (size != 16)
        p.scale(size / 16.0, size / 16.0);
    draw(p, color);
    return pixmap;
}

// The enabled glyph in black, the disabled one greyed with a white shadow.
template <typename Draw> QIcon TwoStateGlyph(Draw draw, int size = 16)
{
    QIcon icon;
    icon.addPixmap(GlyphPixmap(Qt::black, draw, size), QIcon::Normal);
    QPixmap grey(size, size);
    grey.fill(Qt::transparent);
    {
        QPainter p(&grey);
        const int shadow = std::max(1, size / 16);
        p.drawPixmap(shadow, shadow, GlyphPixmap(Qt::white, draw, size));
        p.drawPixmap(0, 0, GlyphPixmap(QColor(128, 128, 128), draw, size));
    }
    icon.addPixmap(grey, QIcon::Disabled);
    return icon;
}

} // namespace

QWidget* SidePanel::widget(Widget w) const
{
    switch (w) {
    case Widget::PaintBox1:
        return nullptr;
    case Widget::PaintBox4:
        return PaintBox4;
    case Widget::Label1:
        return Label1;
    case Widget::Label6:
        return Label6;
    case Widget::ScoreText:
        return ScoreText;
    case Widget::ScoreBox:
        return ScoreBox;
    case Widget::TimeText:
        return TimeText;
    case Widget::TimeBox:
        return TimeBox;
    case Widget::HealthText:
        return HealthText;
    case Widget::StaticText1:
        return StaticText1;
    case Widget::StaticText2:
        return StaticText2;
    case Widget::StaticText3:
        return StaticText3;
    case Widget::UpButton:
        return UpButton;
    case Widget::DownButton:
        return DownButton;
    case Widget::LeftButton:
        return LeftButton;
    case Widget::RightButton:
        return RightButton;
    case Widget::ULButton:
        return ULButton;
    case Widget::URButton:
        return URButton;
    case Widget::DLButton:
        return DLButton;
    case Widget::DRButton:
        return DRButton;
    case Widget::Image1:
        return Image1;
    case Widget::Image2:
        return Image2;
    case Widget::Image3:
        return Image3;
    case Widget::Image4:
        return Image4;
    case Widget::Rules:
        return Rules;
    case Widget::FinishButton:
        return FinishButton;
    case Widget::CloseButton:
        return CloseButton;
    case Widget::Memo1:
        return Memo1;
    case Widget::Edit1:
        return Edit1;
    }
    return nullptr;
}

QIcon ArrowGlyph(int dx, int dy, int size)
{
    const double angle = std::atan2(double(dy), double(dx)) * 180.0 / M_PI;
    return TwoStateGlyph(
        [angle](QPainter& p, const QColor& color) {
            p.translate(8, 8);
            p.rotate(angle);
            // Pointing right before the turn: a shaft and a head.
            p.fillRect(QRectF(-6, -1.5, 8, 3), color);
            QPainterPath head;
            head.moveTo(7, 0);
            head.lineTo(1, -5.5);
            head.lineTo(1, 5.5);
            head.closeSubpath();
            p.fillPath(head, color);
        },
        size);
}

QIcon QuestionGlyph(int size)
{
    return TwoStateGlyph(
        [](QPainter& p, const QColor& color) {
            p.setPen(color);
            p.setFont(PixelFont("Arial", 15, true));
            p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "?");
        },
        size);
}

SidePanel BuildSidePanel(QWidget* window, const GameState& state)
{
    SidePanel panel;
    panel.Rules = MakeFlatButton(window, QuestionGlyph(), QCoreApplication::translate("Game", "Rules"));

    panel.FinishButton =
        MakeFlatButton(window, QIcon(), QCoreApplication::translate("Game", "Finish this game"));
    panel.FinishButton->setText(QCoreApplication::translate("Game", "EXIT"));
    panel.FinishButton->setFont(PixelFont("Arial", 13, true));
    SetTextColor(panel.FinishButton, QPalette::ButtonText, Qt::red);

    panel.Label1 = MakeLabel(window, "", Qt::AlignHCenter | Qt::AlignTop);
    panel.Label1->setWordWrap(true);

    panel.Image1 = MakeImageBox(window);
    panel.Image2 = MakeImageBox(window);
    panel.Image3 = MakeImageBox(window);
    panel.Image4 = MakeImageBox(window);
    panel.StaticText1 = MakeBigLabel(window, "0");
    panel.StaticText2 = MakeBigLabel(window, "0");
    panel.StaticText3 = MakeBigLabel(window, "0");

    panel.ULButton = MakeFlatButton(window, ArrowGlyph(-1, -1));
    panel.UpButton = MakeFlatButton(window, ArrowGlyph(0, -1));
    panel.URButton = MakeFlatButton(window, ArrowGlyph(1, -1));
    panel.LeftButton = MakeFlatButton(window, ArrowGlyph(-1, 0));
    panel.RightButton = MakeFlatButton(window, ArrowGlyph(1, 0));
    panel.DLButton = MakeFlatButton(window, ArrowGlyph(-1, 1));
    panel.DownButton = MakeFlatButton(window, ArrowGlyph(0, 1));
    panel.DRButton = MakeFlatButton(window, ArrowGlyph(1, 1));

    panel.TimeText = MakeLabel(window, QCoreApplication::translate("Game", "Time on 1 level"),
                               Qt::AlignHCenter | Qt::AlignTop);
    panel.TimeBox =
        MakeLabel(window,
                  QCoreApplication::translate("Game", "%1 m %2 s", "minutes and seconds on the level clock")
                      .arg(0)
                      .arg("00"),
                  Qt::AlignHCenter | Qt::AlignTop);
    panel.HealthText = MakeLabel(window, QCoreApplication::translate("Game", "Health"));
    panel.PaintBox4 = new HealthBar(state, window);
    panel.ScoreText = MakeBigLabel(window, QCoreApplication::translate("Game", "Score"));
    panel.ScoreBox = MakeBigLabel(window, "0");

    for (const Slot& slot : PanelSlots) {
        QWidget* w = panel.widget(slot.id);
        w->setGeometry(LayoutWidth - slot.fromRight, slot.top, slot.width, slot.height);
        w->setVisible(slot.id == Widget::Rules || slot.id == Widget::PaintBox4);
    }

    panel.Label6 = new QLabel(window);
    panel.Label6->setFont(PixelFont("Times New Roman", 13, true, true));
    panel.Label6->hide();

    panel.CloseButton = new QPushButton(QCoreApplication::translate("Game", "Close this window"), window);
    panel.CloseButton->setObjectName("CloseButton");
    panel.CloseButton->setGeometry(10, 410, 145, 33);
    panel.CloseButton->hide();

    panel.Memo1 = new HighScoreBox(window);
    panel.Memo1->setReadOnly(true);
    panel.Memo1->setEnabled(false);
    panel.Memo1->setFont(PixelFont("Courier New", 13, true));
    panel.Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Lines read left to right whatever names they hold. A name that is not
    // plain ASCII ends in a tab: its stop is where the number columns begin
    // (a hair after, so that a name filling the whole column still stops
    // there), so the numbers line up whatever width the name's letters take.
    QTextOption lines = panel.Memo1->document()->defaultTextOption();
    lines.setTextDirection(Qt::LeftToRight);
    const qreal numbersAt = QFontMetricsF(panel.Memo1->font()).horizontalAdvance(' ') * TableNameColumns;
    lines.setTabs({QTextOption::Tab(numbersAt + 1.0 / 64, QTextOption::LeftTab)});
    panel.Memo1->document()->setDefaultTextOption(lines);
    SetTextColor(panel.Memo1, QPalette::Text, Qt::black);
    panel.Memo1->hide();

    panel.Edit1 = new QLineEdit(window);
    panel.Edit1->setMaxLength(20);
    panel.Edit1->setGeometry(102, 8, 180, 24);
    panel.Edit1->hide();
    return panel;
}

namespace {

bool IsDirectionButton(Widget w)
{
    return w == Widget::ULButton || w == Widget::UpButton || w == Widget::URButton ||
           w == Widget::LeftButton || w == Widget::RightButton || w == Widget::DLButton ||
           w == Widget::DownButton || w == Widget::DRButton;
}

// A slot scaled with the panel, its edges rounded so that neighbours stay
// apart. With big targets the direction pad keeps buttons of at least 44
// pixels, 46 apart around the face's centre, and the face what room is left between them.
QRect ScaledSlot(const Slot& slot, int W, double scale, bool bigTargets)
{
    double cx = W - (slot.fromRight - slot.width / 2.0) * scale;
    double cy = (slot.top + slot.height / 2.0) * scale;
    double w = slot.width * scale;
    double h = slot.height * scale;
    const double button = bigTargets ? std::max(44.0, 25 * scale) : 25 * scale;
    const double pitch = std::max(32 * scale, button + 2);
    const double padX = W - (91 - 35 / 2.0) * scale; // the face's centre
    const double padY = (315 + 35 / 2.0) * scale;
    if (IsDirectionButton(slot.id)) {
        // The laid-out pad is 32 pixels a step around its centre.
        cx = padX + std::round((W - slot.fromRight + 12.5 - (W - 73.5)) / 32.0) * pitch;
        cy = padY + std::round((slot.top + 12.5 - 332.5) / 32.0) * pitch;
        w = h = button;
    } else if (slot.id == Widget::Image1) {
        cx = padX;
        cy = padY;
        w = h = std::min(w, 2 * (pitch - button / 2) - 4);
    }
    const auto at = [](double v) { return int(std::lround(v)); };
    return QRect(QPoint(at(cx - w / 2), at(cy - h / 2)), QPoint(at(cx + w / 2) - 1, at(cy + h / 2) - 1));
}

} // namespace

void PlaceSidePanel(SidePanel& panel, int W)
{
    for (const Slot& slot : PanelSlots) {
        if (panel.scale == 1.0)
            panel.widget(slot.id)->move(W - slot.fromRight, slot.top);
        else
            panel.widget(slot.id)->setGeometry(ScaledSlot(slot, W, panel.scale, panel.bigTargets));
    }
}

int SidePanelWidthOf(const SidePanel& panel)
{
    return int(std::lround(SidePanelWidth * panel.scale));
}

void SetSidePictures(SidePanel& panel, const SidePictures& pictures)
{
    const auto put = [](QLabel* box, const QImage& picture) {
        if (!picture.isNull())
            box->setPixmap(QPixmap::fromImage(picture));
    };
    put(panel.Image1, pictures.face);
    put(panel.Image2, pictures.money);
    put(panel.Image3, pictures.bear);
    put(panel.Image4, pictures.door);
}

std::string WidgetText(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text().toStdString();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text().toStdString();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(w))
        return memo->toPlainText().toStdString();
    return {};
}

void SetWidgetText(QWidget* w, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(t);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(t);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(t);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        memo->setPlainText(t);
}

} // namespace zorbik
