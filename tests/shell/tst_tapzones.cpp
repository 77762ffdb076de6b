#include "cardscreen/TapZones.h"

#include <QtTest>

Q_DECLARE_METATYPE(TapCode)

class TestTapZones : public QObject
{
    Q_OBJECT

private slots:
    void zones_data();
    void zones();
};

void TestTapZones::zones_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<TapCode>("expected");

    // 300 x 300: the columns meet at x 100 and 200, the rows at y 100, 150 and 200.
    const auto row = [](const char* name, double x, double y, TapCode code) {
        QTest::newRow(name) << 300.0 << 300.0 << x << y << false << code;
    };
    row("left, top", 0, 0, TapCode::Next);
    row("left, just above the half", 99.9, 149.9, TapCode::Next);
    row("left, on the half", 10, 150, TapCode::Remind);
    row("left, bottom", 0, 300, TapCode::Remind);
    row("right, just past the column", 200.1, 10, TapCode::Next);
    row("right, bottom", 300, 300, TapCode::Remind);
    row("middle, left border", 100, 10, TapCode::SideLearnt);
    row("middle, right border", 200, 10, TapCode::SideLearnt);
    row("middle, top", 150, 0, TapCode::SideLearnt);
    row("middle, on the first third", 150, 100, TapCode::SideLearnt);
    row("middle, just below the first third", 150, 100.1, TapCode::FullScreen);
    row("middle, centre", 150, 150, TapCode::FullScreen);
    row("middle, on the second third", 150, 200, TapCode::FullScreen);
    row("middle, just below the second third", 150, 200.1, TapCode::Learnt);
    row("middle, bottom", 150, 300, TapCode::Learnt);
    row("outside, above the left column", -5, -5, TapCode::Next);
    row("outside, below the middle", 150, 310, TapCode::Learnt);

    // Borders that fall between whole pixels: 911 / 3 = 303.67, 531 / 3 = 177.
    QTest::newRow("odd size, last outer pixel")
        << 911.0 << 531.0 << 303.0 << 10.0 << false << TapCode::Next;
    QTest::newRow("odd size, first middle pixel")
        << 911.0 << 531.0 << 304.0 << 177.0 << false << TapCode::SideLearnt;
    QTest::newRow("odd size, last middle pixel")
        << 911.0 << 531.0 << 607.0 << 178.0 << false << TapCode::FullScreen;

    QTest::newRow("zero size, at the origin")
        << 0.0 << 0.0 << 0.0 << 0.0 << false << TapCode::SideLearnt;
    QTest::newRow("zero size, beside it") << 0.0 << 0.0 << 5.0 << 5.0 << false << TapCode::Remind;

    QTest::newRow("automatic, Next zone")
        << 300.0 << 300.0 << 10.0 << 10.0 << true << TapCode::AutomaticOff;
    QTest::newRow("automatic, Learnt zone")
        << 300.0 << 300.0 << 150.0 << 290.0 << true << TapCode::AutomaticOff;
    QTest::newRow("automatic, zero size")
        << 0.0 << 0.0 << 0.0 << 0.0 << true << TapCode::AutomaticOff;
}

void TestTapZones::zones()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, automatic);
    QFETCH(TapCode, expected);
    QCOMPARE(tapCode(width, height, x, y, automatic), expected);
}

QTEST_APPLESS_MAIN(TestTapZones)
#include "tst_tapzones.moc"
