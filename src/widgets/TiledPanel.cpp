#include "widgets/TiledPanel.h"

#include <QPainter>
#include <QPaintEvent>

TiledPanel::TiledPanel(QWidget* parent) : QWidget(parent)
{
    fillChanged();
}

void TiledPanel::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    if (!showsPicture())
        fillChanged();
}

void TiledPanel::setPicture(const QPixmap& picture)
{
    const bool visibleBefore = showsPicture();
    m_picture = picture;
    if (visibleBefore || showsPicture())
        fillChanged();
}

void TiledPanel::setFill(Fill fill)
{
    if (fill == m_fill)
        return;
    const bool pictureBefore = showsPicture();
    m_fill = fill;
    if (pictureBefore != showsPicture())
        fillChanged();
}

bool TiledPanel::showsPicture() const
{
    return m_fill == Fill::Picture && !m_picture.isNull();
}

// An opaque fill covers every pixel, so Qt need not draw what lies behind the panel first.
void TiledPanel::fillChanged()
{
    setAttribute(Qt::WA_OpaquePaintEvent,
                 showsPicture() ? !m_picture.hasAlphaChannel() : m_colour.alpha() == 255);
    update();
}

void TiledPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    if (showsPicture())
        // The offset into the picture keeps the tiles anchored at the panel's corner when only
        // a part of the panel is repainted.
        painter.drawTiledPixmap(area, m_picture, area.topLeft());
    else
        painter.fillRect(area, m_colour);
}
