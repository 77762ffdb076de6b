#include "appearance/PresetTile.h"

#include "settings/Backgrounds.h"

#include <QMouseEvent>

PresetTile::PresetTile(int tile, QWidget* parent) : TiledPanel(parent)
{
    setObjectName(QStringLiteral("rec%1").arg(tile, 2, 10, QLatin1Char('0')));
    setCursor(Qt::PointingHandCursor);
    setPicture(QPixmap::fromImage(decodePicture(presetPicturePath(tile)).image));
    setFill(Fill::Picture);
}

void PresetTile::mousePressEvent(QMouseEvent* event)
{
    emit pressed(picture());
    event->accept();
}
