#include "DialogFocus.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace zorbik {

namespace {

double Scale = 1.0;

} // namespace

void SetMessageBoxScale(double scale)
{
    Scale = scale;
}

int ExecOnDefaultButton(QMessageBox& box)
{
    if (Scale != 1.0) {
        QFont font = box.font();
        if (font.pixelSize() > 0)
            font.setPixelSize(int(font.pixelSize() * Scale + 0.5));
        else
            font.setPointSizeF(font.pointSizeF() * Scale);
        box.setFont(font);
    }
    if (!box.defaultButton() && !box.buttons().isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(box.buttons().first()));
    QTimer::singleShot(0, &box, [&box] {
        if (QPushButton* button = box.defaultButton())
            button->setFocus(Qt::OtherFocusReason);
    });
    return box.exec();
}

} // namespace zorbik
