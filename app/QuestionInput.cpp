#include "QuestionInput.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>

namespace zorbik {

namespace {

class InputSink : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

void DropInputGivenMeanwhile()
{
    InputSink sink;
    QCoreApplication::instance()->installEventFilter(&sink);
    // A round trip to the window system, so that what it still held for the
    // game arrives and is delivered now, into the sink.
    QGuiApplication::sync();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&sink);
}

} // namespace zorbik
