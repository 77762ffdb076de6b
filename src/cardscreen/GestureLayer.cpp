#include "cardscreen/GestureLayer.h"

#include "widgets/AutoLamp.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QRegion>

GestureLayer::GestureLayer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recGestures"));
    cbRightToLeft = new QCheckBox(QStringLiteral("RTL"), this);
    cbRightToLeft->setObjectName(QStringLiteral("cbRightToLeft"));
    cbRightToLeft->setChecked(true);
    cbPhonetic = new QCheckBox(QStringLiteral("[ ]"), this);
    cbPhonetic->setObjectName(QStringLiteral("cbPhonetic"));
    lamp = new AutoLamp(QStringLiteral("CircleAuto11"), QStringLiteral("CircleAuto22"), this);
    lamp->hide();
    btIndicatorColor = new QPushButton(this);
    btIndicatorColor->setObjectName(QStringLiteral("btIndicatorColor"));
    btIndicatorColor->setFlat(true);
    btIndicatorColor->setFocusPolicy(Qt::NoFocus);
    // The layer takes the learning keys; a click on the card screen gives it the keys back.
    setFocusPolicy(Qt::StrongFocus);
    btIndicatorColor->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    btIndicatorColor->hide();
}

void GestureLayer::followIndicator(QWidget* indicator)
{
    m_indicator = indicator;
    watchPlaceOf(indicator);
    followCardScreen();
}

void GestureLayer::uncover(const QList<QWidget*>& scrollBars)
{
    m_scrollBars = scrollBars;
    for (QWidget* bar : scrollBars)
        watchPlaceOf(bar);
    followCardScreen();
}

// A widget of the card screen moves with its parents up to the card screen, which full-screen
// mode lays into another parent: every one of them is watched.
void GestureLayer::watchPlaceOf(QWidget* widget)
{
    for (; widget && !widget->isWindow(); widget = widget->parentWidget())
        widget->installEventFilter(this);
}

QRect GestureLayer::placeOf(const QWidget* widget) const
{
    return {mapFromGlobal(widget->mapToGlobal(QPoint(0, 0))), widget->size()};
}

void GestureLayer::resizeEvent(QResizeEvent*)
{
    cbRightToLeft->adjustSize();
    cbPhonetic->adjustSize();
    cbRightToLeft->move(4, 4);
    cbPhonetic->move(4, 8 + cbRightToLeft->height());
    lamp->move(width() - lamp->width() - 6, 6);
    followCardScreen();
}

void GestureLayer::moveEvent(QMoveEvent*)
{
    followCardScreen();
}

bool GestureLayer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        followCardScreen();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void GestureLayer::followCardScreen()
{
    placeIndicatorButton();
    uncoverScrollBars();
}

void GestureLayer::placeIndicatorButton()
{
    if (!m_indicator)
        return;
    btIndicatorColor->setGeometry(placeOf(m_indicator));
    btIndicatorColor->setVisible(m_indicator->isVisibleTo(m_indicator->window()));
}

// The shown scroll bars are cut out of the layer; its own controls stay whole over them.
void GestureLayer::uncoverScrollBars()
{
    QRegion covered(rect());
    for (const QWidget* bar : std::as_const(m_scrollBars))
        if (bar->isVisibleTo(bar->window()))
            covered -= placeOf(bar);
    if (covered == QRegion(rect())) {
        clearMask();
        return;
    }
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isHidden())
            covered += control->geometry();
    setMask(covered);
}
