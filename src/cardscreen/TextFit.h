#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// The extent of a text wrapped at words to a width, in a font at a pixel size; an empty text
// takes no room.
QSize wrappedTextSize(QFont font, int pixels, const QString& text, Qt::Alignment alignment,
                      int width);

// The largest whole pixel size from `largest` down to `smallest` at which the text, wrapped to
// the room's width, fits in the room; `smallest` when it fits at none of them.
int fittingPixelSize(const QFont& font, const QString& text, Qt::Alignment alignment, QSize room,
                     int largest, int smallest);
