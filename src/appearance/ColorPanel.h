#pragma once

#include <QColor>
#include <QPushButton>

// A colour choice without transparency: a button filled with its colour; a click opens the
// colour dialog, and the colour the learner takes there becomes the panel's colour.
class ColorPanel : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorPanel(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Takes the colour, made opaque, and reports it, also when it equals the one before: the
    // learner chose it.
    void setColor(const QColor& color);
    // Takes the colour without reporting it.
    void showColor(const QColor& color);

signals:
    void colorChanged(const QColor& color);

private:
    void chooseColor();

    QColor m_color = Qt::white;
};
