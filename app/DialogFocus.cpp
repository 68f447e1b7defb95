#include "DialogFocus.h"

#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace zorbik {

namespace {

double Scale = 1.0;

// Puts the focus on the box's default button each time the box is shown or
// becomes active: the window system's activation comes after exec() began.
class DefaultButtonFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                if (QPushButton* button = box->defaultButton())
                    QTimer::singleShot(0, button,
                                       [button] { button->setFocus(Qt::ActiveWindowFocusReason); });
        return false;
    }
};

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
    DefaultButtonFocus focus;
    box.installEventFilter(&focus);
    return box.exec();
}

} // namespace zorbik
