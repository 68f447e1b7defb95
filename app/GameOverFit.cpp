#include "GameOverFit.h"

#include "view/SidePanel.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>

namespace zorbik {

namespace {

QFont Scaled(QFont font, double scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(int(font.pixelSize() * scale + 0.5));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

} // namespace

double GameOverFit::widthLeft() const
{
    const int width = outerSize().width();
    return double(width - lost.width()) / width;
}

void ScaleGameOverWidgets(SidePanel& panel, double scale)
{
    if (scale == 1.0)
        return;
    // The tab stop that lines the numbers up grows with the letters.
    QPlainTextEdit* memo = panel.Memo1;
    const double before = QFontMetricsF(memo->font()).horizontalAdvance(' ');
    memo->setFont(Scaled(memo->font(), scale));
    const double ratio = QFontMetricsF(memo->font()).horizontalAdvance(' ') / before;
    QTextOption lines = memo->document()->defaultTextOption();
    QList<QTextOption::Tab> tabs = lines.tabs();
    for (QTextOption::Tab& tab : tabs)
        tab.position *= ratio;
    lines.setTabs(tabs);
    memo->document()->setDefaultTextOption(lines);
    QPushButton* close = panel.CloseButton;
    close->setFont(Scaled(close->font(), scale));
    close->resize(int(close->width() * scale + 0.5), int(close->height() * scale + 0.5));
}

QSize FittedGameOverSize(const QWidget* window, GameOverFit& fit)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    QSize outer = fit.outerSize();
    if (QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        outer = outer.boundedTo(screen->availableGeometry().size());
    fit.lost = fit.outerSize() - outer;
    return outer - frame;
}

void PlaceGameOverWidgets(SidePanel& panel, const GameOverFit& fit)
{
    panel.CloseButton->move(fit.scaled(10), fit.scaled(410) - fit.lost.height());
    // The game's own buttons stay where the full-screen window had them, off
    // the small window, unless the window is wide enough to reach them.
    for (QWidget* left : {static_cast<QWidget*>(panel.Rules), static_cast<QWidget*>(panel.FinishButton)})
        if (left->x() < left->parentWidget()->width())
            left->hide();
    if (fit.memo.isNull())
        return;
    panel.Memo1->setGeometry(fit.scaled(fit.memo.left()), fit.scaled(fit.memo.top()),
                             fit.scaled(fit.memo.width()) - fit.lost.width(),
                             fit.scaled(fit.memo.height()) - fit.lost.height());
    // A box cut short scrolls, so it takes the mouse wheel and its bars;
    // Tab still goes only to the close button.
    if (!fit.lost.isNull()) {
        panel.Memo1->setEnabled(true);
        panel.Memo1->setFocusPolicy(Qt::ClickFocus);
    }
}

} // namespace zorbik
