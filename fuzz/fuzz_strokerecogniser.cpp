// The stroke recogniser on any points, finite or not, few or many: it always answers one of
// its shapes, and the same points always give the same shape.
#include "FuzzInput.h"
#include "cardscreen/StrokeRecogniser.h"

#include <cmath>
#include <cstring>

namespace {

bool isShape(StrokeGesture gesture)
{
    return gesture >= StrokeGesture::NotAStroke && gesture <= StrokeGesture::Other;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is read: as small whole coordinates, the way a pointer
    // moves, or as raw doubles, which reach infinities, NaNs and huge values.
    const bool raw = data[0] & 1;
    ++data;
    --size;
    QList<QPointF> points;
    if (raw) {
        for (size_t at = 0; at + 16 <= size; at += 16) {
            double x = 0;
            double y = 0;
            std::memcpy(&x, data + at, 8);
            std::memcpy(&y, data + at + 8, 8);
            points.append({x, y});
        }
    } else {
        for (size_t at = 0; at + 4 <= size; at += 4) {
            const auto x = qint16(data[at] | data[at + 1] << 8);
            const auto y = qint16(data[at + 2] | data[at + 3] << 8);
            points.append({double(x), double(y)});
        }
    }
    const StrokeGesture first = recogniseStroke(points);
    FUZZ_CHECK(isShape(first));
    FUZZ_CHECK(recogniseStroke(points) == first);
    return 0;
}
