#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A rectangle filled with a plain colour or with a picture repeated at its own size from the
// panel's top-left corner, never stretched. It holds the panel's colour and picture both; the
// fill kind says which one shows. Child widgets are drawn over the fill.
class TiledPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Fill
    {
        Colour,
        Picture,
    };

    explicit TiledPanel(QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    // A picture fill without a picture shows the colour.
    Fill fill() const { return m_fill; }
    void setFill(Fill fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool showsPicture() const;
    void fillChanged();

    QColor m_colour = Qt::white;
    QPixmap m_picture;
    Fill m_fill = Fill::Colour;
};
