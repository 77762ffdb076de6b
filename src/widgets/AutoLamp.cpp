#include "widgets/AutoLamp.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

AutoLamp::AutoLamp(const QString& outerName, const QString& innerName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(outerName);
    setProperty("innerName", innerName);
    setFixedSize(24, 24);
    retranslate();
}

QString AutoLamp::tip()
{
    return tr("Automatic mode: the cards change by themselves. Click to switch it on or off");
}

void AutoLamp::retranslate()
{
    setToolTip(tip());
}

void AutoLamp::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AutoLamp::setInnerColor(const QColor& color)
{
    if (m_inner == color)
        return;
    m_inner = color;
    update();
}

void AutoLamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0xFF404040), 1.5));
    painter.setBrush(QColor(0xFFF0F0F0));
    painter.drawEllipse(ring);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_inner);
    painter.drawEllipse(ring.adjusted(4, 4, -4, -4));
}

void AutoLamp::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    event->accept();
}
