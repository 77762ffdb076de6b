#include "cardscreen/CardScreenInput.h"

#include "cardscreen/CardScreen.h"
#include "cardscreen/LearningKeys.h"
#include "cardscreen/StrokeRecogniser.h"
#include "settings/SettingsRecord.h"
#include "widgets/ActionList.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>
#include <memory>

namespace {

// The angle of one notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

// The action of each shape drawn on the card screen; a scribble and a tap's wobble have none.
QString strokeAction(StrokeGesture gesture)
{
    switch (gesture) {
    case StrokeGesture::ChevronUp:
        return QStringLiteral("Edit0");
    case StrokeGesture::Check:
    case StrokeGesture::ChevronDown:
        return QStringLiteral("Delete0");
    case StrokeGesture::RightDown:
    case StrokeGesture::ChevronLeft:
    case StrokeGesture::ChevronRight:
        return QStringLiteral("New0");
    case StrokeGesture::Other:
        return QStringLiteral("Nothing0");
    case StrokeGesture::NotAStroke:
    case StrokeGesture::Scribble:
        break;
    }
    return {};
}

// The panels that, when shown, take the wheel from the card screen.
constexpr const char* coveringPanels[] = {"recHelp", "recAdvertisement", "recMemo",
                                          "recWord", "recActions",       "recViewMain"};

} // namespace

CardScreenInput::CardScreenInput(const Parts& parts, QObject* parent)
    : QObject(parent), m_layer(parts.layer), m_window(parts.window), m_actions(parts.actions),
      m_cbAuto(parts.cbAuto), m_tmGesture(parts.tmGesture),
      m_tmWaitAfterZoom(parts.tmWaitAfterZoom), m_card(parts.card), m_currentView(parts.currentView)
{
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    m_clock = [started] { return started->elapsed(); };

    m_tmUp.setInterval(40);
    m_tmUp.setSingleShot(true);
    connect(&m_tmUp, &QTimer::timeout, this, &CardScreenInput::tmUpTimer);

    m_layer.grabGesture(Qt::PinchGesture);
    m_layer.installEventFilter(this);
    m_window.installEventFilter(this);
}

void CardScreenInput::tmUpTimer()
{
    m_tmUp.stop();
    if (m_tmGesture.isActive())
        return;
    if (m_pendingTap == TapCode::AutomaticOff)
        stopAutomatic();
    else
        m_actions.execute(tapAction(m_pendingTap));
}

void CardScreenInput::recGesturesGesture(qint32 distance)
{
    m_tmWaitAfterZoom.start();
    m_tmGesture.start();
    m_MyTime = m_clock();
    m_card.scaleFonts(distance > m_lastIventInfo ? PinchGrow : PinchShrink);
    m_lastIventInfo = distance;
    TView zoomed = m_currentView();
    m_card.GetView(zoomed);
    TView& stored = m_currentView();
    stored.QSize = zoomed.QSize;
    stored.ASize = zoomed.ASize;
    stored.PSize = zoomed.PSize;
    emit textsZoomed();
}

bool CardScreenInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_layer) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            recGesturesMouseDown(mouse->button(), mouse->position());
            return true;
        }
        case QEvent::MouseMove:
            if (m_drawing)
                m_stroke.append(static_cast<QMouseEvent*>(event)->position());
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && m_drawing)
                recGesturesMouseUp(mouse->position());
            return true;
        }
        case QEvent::Gesture:
            pinch(static_cast<QGestureEvent*>(event));
            return true;
        case QEvent::NativeGesture:
            touchpadZoom(static_cast<QNativeGestureEvent*>(event));
            return true;
        // In automatic mode the layer claims every key but the back step, so that the key that
        // stops the mode reaches it and does nothing else.
        case QEvent::ShortcutOverride: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (m_cbAuto.isChecked() && key != Qt::Key_Escape && key != Qt::Key_Back)
                event->accept();
            break;
        }
        case QEvent::KeyPress:
            return learningKey(*static_cast<QKeyEvent*>(event));
        default:
            break;
        }
    }
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Wheel:
            return FormMouseWheel(static_cast<QWheelEvent*>(event));
        // The window's shortcuts take Escape and the back key before any key press is
        // delivered; the shortcut override that comes first is seen for every key.
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            stopAutomatic();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CardScreenInput::recGesturesMouseDown(Qt::MouseButton button, QPointF position)
{
    switch (button) {
    case Qt::MiddleButton:
        if (m_cbAuto.isEnabled())
            m_cbAuto.toggle();
        break;
    case Qt::RightButton:
        m_actions.execute(QStringLiteral("Learnt0"));
        break;
    case Qt::LeftButton:
        m_pressPosition = position;
        m_MyTime = m_clock();
        m_stroke = {position};
        m_drawing = true;
        break;
    default:
        break;
    }
}

// A release ends a stroke; a stroke with a shape acts, and its release is no tap. A release
// near the press and soon after it is a tap, unless something has just acted.
void CardScreenInput::recGesturesMouseUp(QPointF position)
{
    m_drawing = false;
    m_stroke.append(position);
    const StrokeGesture gesture = recogniseStroke(m_stroke);
    m_stroke.clear();
    // A scribble that ends where it began is still no tap.
    if (gesture == StrokeGesture::Scribble)
        return;
    const QString action = strokeAction(gesture);
    if (!action.isEmpty()) {
        m_actions.execute(action);
        m_tmGesture.start();
    }
    if (QLineF(m_pressPosition, position).length() > TapDistance ||
        m_clock() - m_MyTime > TapMilliseconds || m_tmGesture.isActive())
        return;
    m_pendingTap = tapCode(m_layer.width(), m_layer.height(), position.x(), position.y(),
                           m_cbAuto.isChecked());
    m_tmUp.start();
}

void CardScreenInput::pinch(QGestureEvent* event)
{
    auto* gesture = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    if (!gesture)
        return;
    event->accept(gesture);
    if (gesture->changeFlags() & QPinchGesture::ScaleFactorChanged)
        recGesturesGesture(qRound(PinchUnits * gesture->totalScaleFactor()));
}

// A touchpad reports a pinch as changes of its scale; the scale since the pinch began stands
// for the fingers' distance.
void CardScreenInput::touchpadZoom(const QNativeGestureEvent* event)
{
    if (event->gestureType() == Qt::BeginNativeGesture) {
        m_touchpadScale = 1;
    } else if (event->gestureType() == Qt::ZoomNativeGesture && event->value() != 0) {
        m_touchpadScale *= 1 + event->value();
        recGesturesGesture(qRound(PinchUnits * m_touchpadScale));
    }
}

// A notch towards the learner shows the next card, one away reminds; with Ctrl they zoom the
// card texts instead. Wheels and touchpads that turn in parts of a notch act once per notch.
bool CardScreenInput::FormMouseWheel(const QWheelEvent* event)
{
    const int angle = event->angleDelta().y();
    if (angle == 0 || !m_layer.isVisible() || cardScreenCovered())
        return false;
    if ((angle > 0) != (m_wheelAngle > 0))
        m_wheelAngle = 0;
    m_wheelAngle += angle;
    const bool zoom = event->modifiers() & Qt::ControlModifier;
    while (std::abs(m_wheelAngle) >= WheelNotch) {
        const bool towardsLearner = m_wheelAngle < 0;
        m_wheelAngle += towardsLearner ? WheelNotch : -WheelNotch;
        if (zoom) {
            m_card.scaleFonts(towardsLearner ? WheelGrow : WheelShrink);
            emit textsZoomed();
        } else {
            m_actions.execute(towardsLearner ? QStringLiteral("Next0") : QStringLiteral("Remind0"));
        }
    }
    return true;
}

bool CardScreenInput::cardScreenCovered() const
{
    for (const char* name : coveringPanels) {
        const auto* panel = m_window.findChild<QWidget*>(QLatin1String(name));
        if (panel && panel->isVisible())
            return true;
    }
    return false;
}

// A key on the card screen stops automatic mode and does nothing else; with automatic mode off
// a learning key runs its action.
bool CardScreenInput::learningKey(const QKeyEvent& key)
{
    if (m_cbAuto.isChecked()) {
        stopAutomatic();
        return true;
    }
    const QString action = learningKeyAction(key);
    if (action.isEmpty())
        return false;
    m_actions.execute(action);
    return true;
}

void CardScreenInput::stopAutomatic()
{
    m_cbAuto.setChecked(false);
}
