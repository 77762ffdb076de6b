#pragma once

#include "widgets/TiledPanel.h"

// One of the view editor's six preset tiles: filled with its preset picture, tiled; a mouse
// press on it offers that picture as the background.
class PresetTile : public TiledPanel
{
    Q_OBJECT

public:
    // Tile 1..6, named rec01 .. rec06.
    PresetTile(int tile, QWidget* parent);

signals:
    void pressed(const QPixmap& picture);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
