#include "cardscreen/GestureLayer.h"

#include "widgets/AutoLamp.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>

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

// The indicator moves with its halves and with the card screen, which full-screen mode lays
// into another parent: every one of them is watched.
void GestureLayer::followIndicator(QWidget* indicator)
{
    m_indicator = indicator;
    for (QWidget* widget = indicator; widget && !widget->isWindow();
         widget = widget->parentWidget())
        widget->installEventFilter(this);
    placeIndicatorButton();
}

void GestureLayer::resizeEvent(QResizeEvent*)
{
    cbRightToLeft->adjustSize();
    cbPhonetic->adjustSize();
    cbRightToLeft->move(4, 4);
    cbPhonetic->move(4, 8 + cbRightToLeft->height());
    lamp->move(width() - lamp->width() - 6, 6);
    placeIndicatorButton();
}

void GestureLayer::moveEvent(QMoveEvent*)
{
    placeIndicatorButton();
}

bool GestureLayer::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ParentChange:
        placeIndicatorButton();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void GestureLayer::placeIndicatorButton()
{
    if (!m_indicator)
        return;
    btIndicatorColor->setGeometry(
        QRect(mapFromGlobal(m_indicator->mapToGlobal(QPoint(0, 0))), m_indicator->size()));
    btIndicatorColor->setVisible(m_indicator->isVisibleTo(m_indicator->window()));
}
