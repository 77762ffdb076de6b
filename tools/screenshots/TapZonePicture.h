#pragma once

#include <QImage>
#include <QRect>

// The card screen with its tap zones drawn over it: `screen` is a picture of the window and
// `layer` the rectangle of the card screen's touch layer in it.
QImage drawTapZones(const QImage& screen, const QRect& layer);
