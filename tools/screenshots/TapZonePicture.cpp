#include "TapZonePicture.h"

#include <QPainter>

namespace {

struct Zone
{
    QRectF area; // in thirds and halves of the layer, 0..1
    const char* label;
    QColor color;
};

void drawZone(QPainter& painter, const QRect& layer, const Zone& zone)
{
    const QRectF r(layer.x() + zone.area.x() * layer.width(),
                   layer.y() + zone.area.y() * layer.height(), zone.area.width() * layer.width(),
                   zone.area.height() * layer.height());
    QColor fill = zone.color;
    fill.setAlpha(120);
    painter.fillRect(r, fill);
    painter.setPen(QPen(zone.color.darker(160), 2));
    painter.drawRect(r.adjusted(1, 1, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(zone.label));
}

} // namespace

QImage drawTapZones(const QImage& screen, const QRect& layer)
{
    const QColor next(0x4C, 0xAF, 0x50);
    const QColor remind(0xFF, 0xB3, 0x00);
    const QColor sideLearnt(0x42, 0x85, 0xF4);
    const QColor fullScreen(0x9E, 0x9E, 0x9E);
    const QColor learnt(0xE5, 0x39, 0x35);
    const double third = 1.0 / 3;
    const Zone zones[] = {
        {{0, 0, third, 0.5}, "Next", next},
        {{2 * third, 0, third, 0.5}, "Next", next},
        {{0, 0.5, third, 0.5}, "Remind", remind},
        {{2 * third, 0.5, third, 0.5}, "Remind", remind},
        {{third, 0, third, third}, "Side learnt", sideLearnt},
        {{third, third, third, third}, "Full screen", fullScreen},
        {{third, 2 * third, third, third}, "Learnt", learnt},
    };

    QImage picture = screen.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(14, layer.height() / 16));
    painter.setFont(font);
    for (const Zone& zone : zones)
        drawZone(painter, layer, zone);
    return picture;
}
