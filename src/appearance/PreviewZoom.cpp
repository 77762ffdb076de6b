#include "appearance/PreviewZoom.h"

#include <QGestureEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QWidget>

PreviewZoom::PreviewZoom(QObject* parent) : QObject(parent) {}

void PreviewZoom::watch(QWidget* widget)
{
    widget->grabGesture(Qt::PinchGesture);
    widget->installEventFilter(this);
}

bool PreviewZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
            gestures->accept(pinch);
            // The scale factor compares this step's finger distance with the step before.
            if (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged &&
                pinch->scaleFactor() != 1.0)
                emit step(pinch->scaleFactor() > 1.0);
            return true;
        }
    } else if (event->type() == QEvent::NativeGesture) {
        const auto* native = static_cast<QNativeGestureEvent*>(event);
        if (native->gestureType() == Qt::ZoomNativeGesture) {
            if (native->value() != 0)
                emit step(native->value() > 0);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
