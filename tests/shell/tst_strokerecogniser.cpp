#include "cardscreen/StrokeRecogniser.h"

#include <QLineF>
#include <QRandomGenerator>
#include <QtMath>
#include <QTransform>
#include <QtTest>

Q_DECLARE_METATYPE(StrokeGesture)

namespace {

// A stroke drawn through the corners of a shape given in a unit square (y down): the pointer
// passes every 2 % of the way, the shape is scaled to `size`, turned by `degrees` about its
// centre, and each point is shaken by up to `shake` in both directions.
QList<QPointF> drawn(const QList<QPointF>& corners, double size, double degrees = 0,
                     double shake = 0, quint32 seed = 1)
{
    double length = 0;
    for (qsizetype i = 1; i < corners.size(); ++i)
        length += QLineF(corners[i - 1], corners[i]).length();
    const double step = length / 50;
    QList<QPointF> path{corners.first()};
    for (qsizetype i = 1; i < corners.size(); ++i) {
        const QLineF side(corners[i - 1], corners[i]);
        const int steps = std::max(1, qRound(side.length() / step));
        for (int s = 1; s <= steps; ++s)
            path.append(side.pointAt(double(s) / steps));
    }
    const QTransform place =
        QTransform().translate(400, 300).rotate(degrees).scale(size, size).translate(-0.5, -0.5);
    QRandomGenerator random(seed);
    QList<QPointF> points;
    for (const QPointF& p : path)
        points.append(place.map(p) + QPointF((random.generateDouble() * 2 - 1) * shake,
                                             (random.generateDouble() * 2 - 1) * shake));
    return points;
}

// A closed curve through n points of an ellipse, `turns` times round.
QList<QPointF> loop(double turns, double from = 0)
{
    QList<QPointF> corners;
    const int n = qRound(72 * turns);
    for (int i = 0; i <= n; ++i) {
        const double a = qDegreesToRadians(from + 360.0 * turns * i / n);
        corners.append(QPointF(0.5 + 0.5 * std::cos(a), 0.5 + 0.5 * std::sin(a)));
    }
    return corners;
}

// A pointer moved at random, changing its direction at every step.
QList<QPointF> tangle(int steps, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<QPointF> corners{{0.5, 0.5}};
    for (int i = 0; i < steps; ++i)
        corners.append(QPointF(random.generateDouble(), random.generateDouble()));
    return corners;
}

// Back and forth across the same line, `strokes` times, slowly moving down.
QList<QPointF> scratch(int strokes)
{
    QList<QPointF> corners;
    for (int i = 0; i <= strokes; ++i)
        corners.append(QPointF(i % 2 ? 1.0 : 0.0, 0.3 + 0.4 * i / strokes));
    return corners;
}

const QList<QPointF> chevronUp{{0, 1}, {0.5, 0}, {1, 1}};
const QList<QPointF> chevronUpLeftwards{{1, 1}, {0.5, 0}, {0, 1}};
const QList<QPointF> chevronDown{{0, 0}, {0.5, 1}, {1, 0}};
const QList<QPointF> chevronLeft{{1, 0}, {0, 0.5}, {1, 1}};
const QList<QPointF> chevronLeftUpwards{{1, 1}, {0, 0.5}, {1, 0}};
const QList<QPointF> chevronRight{{0, 0}, {1, 0.5}, {0, 1}};
const QList<QPointF> wideChevronUp{{0, 0.7}, {0.5, 0.3}, {1, 0.7}};
const QList<QPointF> check{{0, 0.6}, {0.3, 1}, {1, 0}};
const QList<QPointF> rightDown{{0, 0}, {1, 0}, {1, 1}};

} // namespace

class TestStrokeRecogniser : public QObject
{
    Q_OBJECT

private slots:
    void namedShapes_data();
    void namedShapes();
    void otherShapes_data();
    void otherShapes();
    void scribblesAreRejected_data();
    void scribblesAreRejected();
    void tapWobbleIsNoStroke_data();
    void tapWobbleIsNoStroke();
    void roundedTipAndPenHooks();
};

void TestStrokeRecogniser::namedShapes_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<StrokeGesture>("expected");
    struct Shape
    {
        const char* name;
        QList<QPointF> corners;
        StrokeGesture gesture;
    };
    const Shape shapes[] = {
        {"chevron up", chevronUp, StrokeGesture::ChevronUp},
        {"chevron up drawn leftwards", chevronUpLeftwards, StrokeGesture::ChevronUp},
        {"wide chevron up", wideChevronUp, StrokeGesture::ChevronUp},
        {"chevron down", chevronDown, StrokeGesture::ChevronDown},
        {"chevron left", chevronLeft, StrokeGesture::ChevronLeft},
        {"chevron left drawn upwards", chevronLeftUpwards, StrokeGesture::ChevronLeft},
        {"chevron right", chevronRight, StrokeGesture::ChevronRight},
        {"check", check, StrokeGesture::Check},
        {"right then down", rightDown, StrokeGesture::RightDown},
    };
    quint32 seed = 1;
    for (const Shape& shape : shapes) {
        for (const double size : {60.0, 320.0}) {
            for (const double degrees : {-15.0, 0.0, 15.0}) {
                QTest::addRow("%s, %g px, turned %g", shape.name, size, degrees)
                    << drawn(shape.corners, size, degrees) << shape.gesture;
                QTest::addRow("%s, %g px, turned %g, shaky", shape.name, size, degrees)
                    << drawn(shape.corners, size, degrees, size * 0.03, ++seed) << shape.gesture;
            }
        }
    }
}

void TestStrokeRecogniser::namedShapes()
{
    QFETCH(QList<QPointF>, points);
    QFETCH(StrokeGesture, expected);
    QCOMPARE(recogniseStroke(points), expected);
}

void TestStrokeRecogniser::otherShapes_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    const QList<QPair<const char*, QList<QPointF>>> shapes{
        {"line right", {{0, 0.5}, {1, 0.5}}},
        {"line up", {{0.5, 1}, {0.5, 0}}},
        {"diagonal", {{0, 0}, {1, 1}}},
        {"down then right", {{0, 0}, {0, 1}, {1, 1}}},
        {"right then up", {{0, 1}, {1, 1}, {1, 0}}},
        {"up and back down", {{0.5, 1}, {0.52, 0}, {0.54, 1}}},
        {"lopsided chevron", {{0, 1}, {0.1, 0.8}, {1, 0}}},
        {"check drawn leftwards", {{1, 0.6}, {0.7, 1}, {0, 0}}},
        {"zigzag", {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {"triangle", {{0.5, 0}, {1, 1}, {0, 1}, {0.5, 0}}},
        {"square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}},
        {"circle", loop(1)},
        {"circle twice", loop(2, 90)},
        {"half circle", loop(0.5)},
    };
    for (const auto& [name, corners] : shapes) {
        QTest::addRow("%s", name) << drawn(corners, 200);
        QTest::addRow("%s, small and shaky", name) << drawn(corners, 70, 10, 2);
    }
}

void TestStrokeRecogniser::otherShapes()
{
    QFETCH(QList<QPointF>, points);
    QCOMPARE(recogniseStroke(points), StrokeGesture::Other);
}

void TestStrokeRecogniser::scribblesAreRejected_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("tangle %u", seed) << drawn(tangle(12, seed), 250, 0, 3, seed);
    QTest::addRow("scratched out") << drawn(scratch(12), 150, 5, 2);
    QTest::addRow("figure of eight") << drawn(QList<QPointF>{{0.5, 0.5},
                                                             {1, 0},
                                                             {1, 0.5},
                                                             {0.5, 0.5},
                                                             {0, 1},
                                                             {0, 0.5},
                                                             {0.5, 0.5},
                                                             {1, 0},
                                                             {1, 0.5},
                                                             {0.5, 0.5},
                                                             {0, 1},
                                                             {0, 0.5}},
                                              200);
}

void TestStrokeRecogniser::scribblesAreRejected()
{
    QFETCH(QList<QPointF>, points);
    QCOMPARE(recogniseStroke(points), StrokeGesture::Scribble);
}

void TestStrokeRecogniser::tapWobbleIsNoStroke_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addRow("no points") << QList<QPointF>{};
    QTest::addRow("one point") << QList<QPointF>{{10, 10}};
    QTest::addRow("press and release in place") << QList<QPointF>{{10, 10}, {10, 10}};
    QTest::addRow("a finger's wobble") << drawn(tangle(10, 3), 12, 0, 2);
    QTest::addRow("a tiny chevron") << drawn(chevronUp, 15);
}

void TestStrokeRecogniser::tapWobbleIsNoStroke()
{
    QFETCH(QList<QPointF>, points);
    QCOMPARE(recogniseStroke(points), StrokeGesture::NotAStroke);
}

// A hand rounds the tip of a chevron and flicks the pen at its ends.
void TestStrokeRecogniser::roundedTipAndPenHooks()
{
    const QList<QPointF> rounded{{0, 1},       {0.42, 0.12}, {0.47, 0.03},
                                 {0.53, 0.03}, {0.58, 0.12}, {1, 1}};
    QCOMPARE(recogniseStroke(drawn(rounded, 150)), StrokeGesture::ChevronUp);
    const QList<QPointF> hooked{{0.08, 0.92}, {0, 1}, {0.5, 0}, {1, 1}, {1.06, 0.9}};
    QCOMPARE(recogniseStroke(drawn(hooked, 150)), StrokeGesture::ChevronUp);
}

QTEST_APPLESS_MAIN(TestStrokeRecogniser)
#include "tst_strokerecogniser.moc"
