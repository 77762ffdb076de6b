#pragma once

#include <QObject>

class QWidget;

// The pinch zoom of the view editor's preview texts: a touch-screen pinch (QPinchGesture) or a
// touchpad zoom (QNativeGestureEvent) on a watched widget becomes a series of steps, each
// telling whether the fingers moved apart or together. A step that moved neither way is none.
class PreviewZoom : public QObject
{
    Q_OBJECT

public:
    // The factor of a step's text sizes: 5 % larger when the fingers moved apart, 5 % smaller
    // when they moved together.
    static double factor(bool grew) { return grew ? 1.05 : 0.95; }

    explicit PreviewZoom(QObject* parent);

    // Takes the pinch input of the widget.
    void watch(QWidget* widget);

signals:
    void step(bool grew);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
