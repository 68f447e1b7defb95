#include "SummaryWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zorbik {

void ShowSummary(QWidget* parent, const std::string& text)
{
    if (text.empty())
        return;
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Launcher", "How the game went"));
    QFont font = dialog.font();
    font.setPixelSize(17);
    dialog.setFont(font);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(QString::fromStdString(text));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFont(font);
    label->setStyleSheet("color: #202020; font-size: 17px;");
    label->setContentsMargins(8, 8, 8, 8);
    // A long game's list of missed questions scrolls; the window still
    // fits a screen of 1024 x 768.
    auto* scroll = new QScrollArea;
    scroll->setWidget(label);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(dialog.windowTitle());
    scroll->setMinimumSize(720, 480);
    scroll->setMaximumHeight(600);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setMinimumHeight(40);
    // A screen reader enters on the button that closes the summary.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace zorbik
