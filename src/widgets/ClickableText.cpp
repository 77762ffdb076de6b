#include "widgets/ClickableText.h"

#include <QMouseEvent>

void ClickableText::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
    event->accept();
}

void ClickableText::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!rect().contains(event->position().toPoint()))
        return;
    emit released();
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void ClickableText::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked();
    event->accept();
}
