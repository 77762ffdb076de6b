#pragma once

#include <QList>
#include <QPointF>

// The shapes a stroke drawn on the card screen is recognised as.
enum class StrokeGesture
{
    NotAStroke,   // too small to be drawn on purpose: the wobble of a tap
    Scribble,     // drawn on purpose, but no shape: it turns this way and that
    ChevronUp,    // ^
    ChevronDown,  // v
    ChevronLeft,  // <
    ChevronRight, // >
    Check,        // a short stroke down to the right, then a longer one up to the right
    RightDown,    // right, then down
    Other,        // any other shape: a line, an angle, a zigzag, a polygon, a loop
};

// A stroke whose bounding box has a smaller diagonal than this is no stroke.
inline constexpr double MinimumStrokeSize = 24;

// Recognises the shape drawn through the points, in window coordinates (y grows downwards).
// The size of the shape does not matter; it may be turned by about 20 degrees either way and
// drawn with a shaky hand.
StrokeGesture recogniseStroke(const QList<QPointF>& points);
