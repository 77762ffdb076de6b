#include "appearance/ColorPanel.h"

#include <QColorDialog>

ColorPanel::ColorPanel(QWidget* parent) : QPushButton(parent)
{
    setMinimumSize(40, 28);
    showColor(m_color);
    connect(this, &QPushButton::clicked, this, &ColorPanel::chooseColor);
}

void ColorPanel::setColor(const QColor& color)
{
    showColor(color);
    emit colorChanged(m_color);
}

void ColorPanel::showColor(const QColor& color)
{
    m_color = color;
    m_color.setAlpha(255);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid gray; }")
                      .arg(m_color.name()));
}

void ColorPanel::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(m_color, this);
    if (chosen.isValid())
        setColor(chosen);
}
