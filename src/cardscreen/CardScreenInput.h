#pragma once

#include "cardscreen/TapZones.h"

#include <QList>
#include <QObject>
#include <QPointF>
#include <QTimer>

#include <functional>

class ActionList;
class CardScreen;
class QCheckBox;
class QGestureEvent;
class QKeyEvent;
class QNativeGestureEvent;
class QWheelEvent;
class QWidget;
struct TView;

// The input of the card screen, which has no buttons of its own. On the gesture layer over it:
// a tap acts by the zone it lands in, a stroke drawn with the left button or a finger acts by
// its shape, the right button throws the card out as learnt, the middle one switches automatic
// mode, and a pinch zooms the card texts. For the whole window: the wheel shows the next card
// or reminds, with Ctrl it zooms, and any key stops automatic mode.
//
// A tap waits 40 ms in tmUp before it acts. Whatever acts meanwhile and restarts tmGesture (a
// stroke, a card action, a zoom step) drops it, so one release never does two things.
class CardScreenInput : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget& layer;  // recGestures, over the card screen
        QWidget& window; // takes the wheel and the keys; holds the panels that cover the screen
        ActionList& actions;
        QCheckBox& cbAuto; // automatic mode on or off
        QTimer& tmGesture;
        QTimer& tmWaitAfterZoom;
        CardScreen& card;
        std::function<TView&()> currentView; // the view of the current learning mode
    };

    // A press and release at most this far apart and this long apart make a tap.
    static constexpr double TapDistance = 20;
    static constexpr qint64 TapMilliseconds = 2000;
    // The card texts per pinch step and per wheel notch with Ctrl, larger and smaller.
    static constexpr double PinchGrow = 1.03;
    static constexpr double PinchShrink = 0.97;
    static constexpr double WheelGrow = 1.05;
    static constexpr double WheelShrink = 0.95;
    // A pinch's finger distance is counted in these units per the distance at its start.
    static constexpr double PinchUnits = 1000;

    CardScreenInput(const Parts& parts, QObject* parent);

    // The expiry of tmUp: the pending tap acts, unless tmGesture was restarted meanwhile.
    void tmUpTimer();
    bool tapPending() const { return m_tmUp.isActive(); }

    // One step of a pinch whose fingers are `distance` apart: the card texts grow by 3 % when
    // the distance grew since the step before (of this pinch or the one before it), else they
    // shrink by 3 %. The sizes are stored in the view of the current mode.
    void recGesturesGesture(qint32 distance);
    qint32 LastIventInfo() const { return m_lastIventInfo; }

    // The timers it shares with the window's card actions, for tests to end them early.
    QTimer& tmGesture() { return m_tmGesture; }
    QTimer& tmWaitAfterZoom() { return m_tmWaitAfterZoom; }

    // The clock of the tap's time limit, in milliseconds; tests set their own.
    void setClock(std::function<qint64()> milliseconds) { m_clock = std::move(milliseconds); }

signals:
    // A pinch or Ctrl + wheel changed the card texts' sizes.
    void textsZoomed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool learningKey(const QKeyEvent& key);
    void recGesturesMouseDown(Qt::MouseButton button, QPointF position);
    void recGesturesMouseUp(QPointF position);
    void strokeEnded();
    void pinch(QGestureEvent* event);
    void touchpadZoom(const QNativeGestureEvent* event);
    bool FormMouseWheel(const QWheelEvent* event);
    bool cardScreenCovered() const;
    void stopAutomatic();

    QWidget& m_layer;
    QWidget& m_window;
    ActionList& m_actions;
    QCheckBox& m_cbAuto;
    QTimer& m_tmGesture;
    QTimer& m_tmWaitAfterZoom;
    CardScreen& m_card;
    std::function<TView&()> m_currentView;
    std::function<qint64()> m_clock;

    QTimer m_tmUp;
    TapCode m_pendingTap = TapCode::AutomaticOff;
    // The left press: where and when (MyX, MyY, MyTime), and the stroke drawn from it.
    QPointF m_pressPosition;
    qint64 m_MyTime = 0;
    QList<QPointF> m_stroke;
    bool m_drawing = false;

    qint32 m_lastIventInfo = 0;
    double m_touchpadScale = 1;
    int m_wheelAngle = 0;
};
