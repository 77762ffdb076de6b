#include "cardscreen/StrokeRecogniser.h"

#include <QLineF>
#include <QtMath>

#include <cmath>
#include <utility>

// The stroke is reduced to its few straight segments: shake below a tenth of its size is
// smoothed away (Ramer-Douglas-Peucker), pen hooks at the ends are cut off, short segments at
// rounded corners are folded into their neighbours and segments that go on in nearly the same
// direction are joined. Two segments make an angle, and their directions and lengths tell the
// named shapes apart; one segment, three or four, or more that keep turning one way (a loop)
// are another shape; more that turn this way and that, or turn sharply, are a scribble.

namespace {

// Deviations from a straight line smaller than this share of the diagonal are shake.
constexpr double ShakeShare = 0.1;
// A first or last segment shorter than this share of the stroke's length is a pen hook.
constexpr double HookShare = 0.1;
// An inner segment shorter than this share of the diagonal is a rounded corner.
constexpr double CornerShare = 0.15;
// Segments that turn by less than this go on as one line.
constexpr double StraightTurn = 25;
// A segment within this angle of a direction runs in that direction.
constexpr double AlongAxis = 30;
// A chevron's arms lie between these angles off the line through its tip.
constexpr double ArmMinimum = 5;
constexpr double ArmMaximum = 75;
// A chevron's longer arm is at most this many times its shorter one.
constexpr double ChevronArms = 2;
// A check's second arm is this many times as long as its first, up to the maximum.
constexpr double CheckArms = 1.6;
constexpr double CheckArmsMaximum = 6;
// The arms of "right, then down" are at most this many times one another.
constexpr double CornerArms = 4;
// A loop's turns go one way: their sum is at least this share of their sizes' sum, and none
// is sharper than the limit.
constexpr double LoopTurning = 0.8;
constexpr double LoopSharpestTurn = 120;

using Segment = QLineF;

// The angle from a to b, in degrees in (-180, 180].
double turn(double a, double b)
{
    double d = std::fmod(b - a, 360.0);
    if (d > 180)
        d -= 360;
    else if (d <= -180)
        d += 360;
    return d;
}

// The direction of a segment in degrees, clockwise on the screen from "right".
double direction(const Segment& s)
{
    return qRadiansToDegrees(std::atan2(s.dy(), s.dx()));
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double squared = QPointF::dotProduct(ab, ab);
    double t = squared > 0 ? QPointF::dotProduct(p - a, ab) / squared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(p, a + t * ab).length();
}

QList<QPointF> simplify(const QList<QPointF>& points, double tolerance)
{
    QList<bool> keep(points.size(), false);
    keep.first() = keep.last() = true;
    QList<std::pair<qsizetype, qsizetype>> ranges{{0, points.size() - 1}};
    while (!ranges.isEmpty()) {
        const auto [first, last] = ranges.takeLast();
        double farthest = tolerance;
        qsizetype split = -1;
        for (qsizetype i = first + 1; i < last; ++i) {
            const double d = distanceToSegment(points[i], points[first], points[last]);
            if (d > farthest) {
                farthest = d;
                split = i;
            }
        }
        if (split >= 0) {
            keep[split] = true;
            ranges.append({first, split});
            ranges.append({split, last});
        }
    }
    QList<QPointF> kept;
    for (qsizetype i = 0; i < points.size(); ++i)
        if (keep[i])
            kept.append(points[i]);
    return kept;
}

QList<Segment> segmentsThrough(const QList<QPointF>& vertices)
{
    QList<Segment> segments;
    for (qsizetype i = 1; i < vertices.size(); ++i)
        if (vertices[i] != vertices[i - 1])
            segments.append(Segment(vertices[i - 1], vertices[i]));
    return segments;
}

// Folds the shortest inner segment under the limit into its neighbours, which then meet at its
// middle. False when there is none.
bool foldCorner(QList<Segment>& segments, double limit)
{
    qsizetype shortest = -1;
    for (qsizetype i = 1; i + 1 < segments.size(); ++i)
        if (segments[i].length() < limit &&
            (shortest < 0 || segments[i].length() < segments[shortest].length()))
            shortest = i;
    if (shortest < 0)
        return false;
    const QPointF middle = segments[shortest].center();
    segments[shortest - 1].setP2(middle);
    segments[shortest + 1].setP1(middle);
    segments.removeAt(shortest);
    return true;
}

// Joins the first two neighbours that go on in nearly the same direction. False when there
// are none.
bool joinStraight(QList<Segment>& segments)
{
    for (qsizetype i = 0; i + 1 < segments.size(); ++i) {
        if (std::abs(turn(direction(segments[i]), direction(segments[i + 1]))) < StraightTurn) {
            segments[i].setP2(segments[i + 1].p2());
            segments.removeAt(i + 1);
            return true;
        }
    }
    return false;
}

QList<Segment> straightSegments(const QList<QPointF>& points, double diagonal)
{
    QList<Segment> segments = segmentsThrough(simplify(points, ShakeShare * diagonal));
    double length = 0;
    for (const Segment& s : segments)
        length += s.length();
    if (segments.size() > 1 && segments.first().length() < HookShare * length)
        segments.removeFirst();
    if (segments.size() > 1 && segments.last().length() < HookShare * length)
        segments.removeLast();
    while (foldCorner(segments, CornerShare * diagonal) || joinStraight(segments)) {
    }
    return segments;
}

bool between(double value, double low, double high)
{
    return value >= low && value <= high;
}

// The shape of two segments, a and b, that meet at an angle.
StrokeGesture angleShape(const Segment& a, const Segment& b)
{
    const double ratio = b.length() / a.length();
    const double first = direction(a);
    const double second = direction(b);
    if (std::abs(turn(0, first)) <= AlongAxis && std::abs(turn(90, second)) <= AlongAxis &&
        between(ratio, 1 / CornerArms, CornerArms))
        return StrokeGesture::RightDown;

    // A chevron points where its tip is: its first arm runs towards the tip and its second back,
    // both leaning to the same side of the line through the tip.
    struct Tip
    {
        double direction;
        StrokeGesture gesture;
    };
    constexpr Tip tips[] = {{-90, StrokeGesture::ChevronUp},
                            {90, StrokeGesture::ChevronDown},
                            {180, StrokeGesture::ChevronLeft},
                            {0, StrokeGesture::ChevronRight}};
    for (const Tip& tip : tips) {
        const double towards = turn(tip.direction, first);
        const double back = turn(tip.direction + 180, second);
        if (!between(std::abs(towards), ArmMinimum, ArmMaximum) ||
            !between(std::abs(back), ArmMinimum, ArmMaximum) || towards * back >= 0)
            continue;
        if (tip.gesture == StrokeGesture::ChevronDown && a.dx() > 0 &&
            between(ratio, CheckArms, CheckArmsMaximum))
            return StrokeGesture::Check;
        if (between(ratio, 1 / ChevronArms, ChevronArms))
            return tip.gesture;
        return StrokeGesture::Other;
    }
    return StrokeGesture::Other;
}

// Many segments: a loop when they keep turning one way without a sharp turn, else a scribble.
StrokeGesture manySegmentsShape(const QList<Segment>& segments)
{
    double turning = 0;
    double turningSizes = 0;
    for (qsizetype i = 1; i < segments.size(); ++i) {
        const double t = turn(direction(segments[i - 1]), direction(segments[i]));
        if (std::abs(t) > LoopSharpestTurn)
            return StrokeGesture::Scribble;
        turning += t;
        turningSizes += std::abs(t);
    }
    return std::abs(turning) >= LoopTurning * turningSizes ? StrokeGesture::Other
                                                           : StrokeGesture::Scribble;
}

} // namespace

StrokeGesture recogniseStroke(const QList<QPointF>& points)
{
    if (points.size() < 2)
        return StrokeGesture::NotAStroke;
    double left = points.first().x(), right = left;
    double top = points.first().y(), bottom = top;
    for (const QPointF& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const double diagonal = std::hypot(right - left, bottom - top);
    if (diagonal < MinimumStrokeSize)
        return StrokeGesture::NotAStroke;

    const QList<Segment> segments = straightSegments(points, diagonal);
    switch (segments.size()) {
    case 2:
        return angleShape(segments[0], segments[1]);
    case 1:
    case 3:
    case 4:
        return StrokeGesture::Other;
    default:
        return manySegmentsShape(segments);
    }
}
