#include "TDefBox.h"

#include "common/Protocol.h"
#include "outside/RulesText.h"
#include "view/DisplayOptions.h"
#include "view/StandInFonts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace zorbik {

TDefBox::TDefBox(QWidget* parent)
    : QDialog(parent), scale_(DisplayOptionsFromEnvironment().largerText ? 1.5 : 1.0)
{
    setObjectName("DefBox");
    setWindowTitle(QCoreApplication::translate("Game", "The Rules"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(fullSize());

    setFont(WindowFont());

    QString text;
    for (size_t i = 0; i < RulesParagraphs.size(); ++i) {
        if (i > 0)
            text += '\n';
        const QString paragraph = QCoreApplication::translate("Rules", RulesParagraphs[i]);
        text += paragraph.contains(QLatin1String("%1")) ? paragraph.arg(PenaltyHealth).arg(PenaltyPoints)
                                                        : paragraph;
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(0, 0, scaled(541), scaled(553));
    QFont memoFont("Times New Roman");
    memoFont.setPixelSize(scaled(15));
    memoFont.setBold(true);
    memoFont.setItalic(true);
    Memo1->setFont(memoFont);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus); // reachable by mouse, never by Tab
    Memo1->setPlainText(text);
    Memo1->setAccessibleName(QCoreApplication::translate("Access", "The rules of the game"));

    OKBtn = new QPushButton(QCoreApplication::translate("Game", "Close this window"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(scaled(7), scaled(564), scaled(138), scaled(25));
    if (scale_ != 1.0) {
        QFont font = OKBtn->font();
        font.setPixelSize(scaled(font.pixelSize()));
        OKBtn->setFont(font);
    }
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TDefBox::showEvent(QShowEvent* event)
{
    // Centred on the screen at every opening. On a screen lower or narrower
    // than the dialog (a high scale factor) the text box gives up the room
    // and scrolls, so that the close button stays in sight.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - (frameGeometry().size() - size());
        const QSize fitted = fullSize().boundedTo(room);
        if (fitted != size()) {
            setFixedSize(fitted);
            Memo1->setGeometry(0, 0, fitted.width(), fitted.height() - scaled(45));
            OKBtn->move(scaled(7), fitted.height() - scaled(34));
        }
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
    // The close button holds the focus at every opening and shows it, so
    // that Enter and Space close the dialog as the mouse would.
    OKBtn->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);
    activateWindow();
}

} // namespace zorbik
