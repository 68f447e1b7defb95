#include "DialogFocus.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace zorbik {

int ExecOnDefaultButton(QMessageBox& box)
{
    if (!box.defaultButton() && !box.buttons().isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(box.buttons().first()));
    QTimer::singleShot(0, &box, [&box] {
        if (QPushButton* button = box.defaultButton())
            button->setFocus(Qt::OtherFocusReason);
    });
    return box.exec();
}

} // namespace zorbik
