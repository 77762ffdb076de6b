#include "cardscreen/TextFit.h"

#include <QFontMetrics>
#include <QRect>

#include <climits>

QSize wrappedTextSize(QFont font, int pixels, const QString& text, Qt::Alignment alignment,
                      int width)
{
    if (text.isEmpty())
        return {0, 0};
    font.setPixelSize(pixels);
    // The vertical alignment moves the lines but never changes how many there are.
    const int flags = Qt::TextWordWrap | int(alignment & Qt::AlignHorizontal_Mask);
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, INT_MAX), flags, text).size();
}

int fittingPixelSize(const QFont& font, const QString& text, Qt::Alignment alignment, QSize room,
                     int largest, int smallest)
{
    const auto fits = [&](int pixels) {
        const QSize size = wrappedTextSize(font, pixels, text, alignment, room.width());
        return size.width() <= room.width() && size.height() <= room.height();
    };
    smallest = qMin(smallest, largest);
    if (fits(largest))
        return largest;
    // `low` fits, or is the smallest size; `high` does not fit.
    int low = smallest;
    int high = largest;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        (fits(middle) ? low : high) = middle;
    }
    return low;
}
