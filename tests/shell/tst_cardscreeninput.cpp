#include "settings/SettingsRecord.h"
#include "cardscreen/CardScreen.h"
#include "cardscreen/CardScreenInput.h"
#include "widgets/ActionList.h"

#include <QAction>
#include <QCheckBox>
#include <QGestureEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QPointingDevice>
#include <QtTest>
#include <QVBoxLayout>

namespace {

// The card screen's input on a bare window: a 300 x 300 layer over a card screen, the actions
// of the card screen writing their names to a log, the automatic-mode box, the two timers, a
// hidden help panel and a clock the test turns.
class Screen
{
public:
    Screen() : actions(&window), cbAuto(&window)
    {
        window.resize(300, 300);
        card = new CardScreen(&window);
        card->setGeometry(0, 0, 300, 300);
        layer = new QWidget(&window);
        layer->setObjectName(QStringLiteral("recGestures"));
        layer->setGeometry(0, 0, 300, 300);
        help = new QWidget(&window);
        help->setObjectName(QStringLiteral("recHelp"));
        help->hide();
        for (const char* name :
             {"Next0", "Remind0", "SideLearnt0", "Learnt0", "Edit0", "Delete0", "New0", "Nothing0"})
            actions.add(QLatin1String(name), name, [this, name] { log << QLatin1String(name); });
        actions.add(
            "FullScreen0", "Full screen", [this] { log << QStringLiteral("FullScreen0"); }, true);
        tmGesture.setInterval(100);
        tmGesture.setSingleShot(true);
        tmWaitAfterZoom.setInterval(2000);
        tmWaitAfterZoom.setSingleShot(true);
        view = defaultDataRecord().Views[0];
        card->SetView(view);
        input = new CardScreenInput({*layer, window, actions, cbAuto, tmGesture, tmWaitAfterZoom,
                                     *card, [this]() -> TView& { return view; }},
                                    &window);
        input->setClock([this] { return now; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(layer, button, {}, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(layer, button, {}, at);
    }
    // A press and release at the point, then the tap's 40 ms.
    void tap(QPoint at)
    {
        press(at);
        release(at);
        expireTap();
    }
    void expireTap()
    {
        if (input->tapPending())
            input->tmUpTimer();
    }
    void draw(const QList<QPoint>& path)
    {
        press(path.first());
        for (const QPoint& p : path.mid(1))
            QTest::mouseMove(layer, p);
        release(path.last());
    }
    // A wheel turn over the card screen, as it reaches the window when no control takes it.
    void wheel(int angle, Qt::KeyboardModifiers modifiers = {})
    {
        const QPointF at(150, 150);
        QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &event);
    }
    double questionSize() const
    {
        TView shown = view;
        card->GetView(shown);
        return shown.QSize;
    }

    QWidget window;
    ActionList actions;
    QCheckBox cbAuto;
    QTimer tmGesture;
    QTimer tmWaitAfterZoom;
    CardScreen* card;
    QWidget* layer;
    QWidget* help;
    TView view;
    CardScreenInput* input;
    qint64 now = 1000;
    QStringList log;
};

// A stroke through the corners, a point every 5 pixels.
QList<QPoint> stroke(const QList<QPoint>& corners)
{
    QList<QPoint> path{corners.first()};
    for (qsizetype i = 1; i < corners.size(); ++i) {
        const QLineF side(corners[i - 1], corners[i]);
        const int steps = std::max(1, int(side.length() / 5));
        for (int s = 1; s <= steps; ++s)
            path.append(side.pointAt(double(s) / steps).toPoint());
    }
    return path;
}

} // namespace

class TestCardScreenInput : public QObject
{
    Q_OBJECT

private slots:
    void tapActsAfterItsDelay_data();
    void tapActsAfterItsDelay();
    void releaseFarFromThePressIsNoTap_data();
    void releaseFarFromThePressIsNoTap();
    void releaseLongAfterThePressIsNoTap_data();
    void releaseLongAfterThePressIsNoTap();
    void tapIsDroppedWhileAGestureJustActed();
    void twoQuickTapsActOnce();
    void tapInAutomaticModeOnlyStopsIt();
    void rightAndMiddleButtons();
    void strokesActByShape_data();
    void strokesActByShape();
    void smallStrokeEndingAtItsStartIsNoTap();
    void pinchStepsGrowOrShrinkAgainstTheLastDistance();
    void touchScreenAndTouchpadPinches();
    void wheel_data();
    void wheel();
    void wheelTurnedInPartsOfANotch();
    void anyKeyStopsAutomaticMode();
};

void TestCardScreenInput::tapActsAfterItsDelay_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("action");
    QTest::newRow("upper left") << QPoint(20, 20) << "Next0";
    QTest::newRow("lower right") << QPoint(280, 280) << "Remind0";
    QTest::newRow("middle top") << QPoint(150, 20) << "SideLearnt0";
    QTest::newRow("middle, on the first third") << QPoint(150, 100) << "SideLearnt0";
    QTest::newRow("centre") << QPoint(150, 150) << "FullScreen0";
    QTest::newRow("middle bottom") << QPoint(150, 280) << "Learnt0";
}

void TestCardScreenInput::tapActsAfterItsDelay()
{
    QFETCH(QPoint, at);
    QFETCH(QString, action);
    Screen screen;
    screen.press(at);
    screen.release(at);
    QVERIFY(screen.log.isEmpty());
    QVERIFY(screen.input->tapPending());
    screen.input->tmUpTimer();
    QCOMPARE(screen.log, QStringList{action});
    QVERIFY(!screen.input->tapPending());
}

void TestCardScreenInput::releaseFarFromThePressIsNoTap_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("tap");
    QTest::newRow("in place") << QPoint(0, 0) << true;
    QTest::newRow("20 across") << QPoint(20, 0) << true;
    QTest::newRow("20 aslant") << QPoint(12, 16) << true;
    QTest::newRow("21 across") << QPoint(21, 0) << false;
    QTest::newRow("21 down") << QPoint(0, 21) << false;
}

void TestCardScreenInput::releaseFarFromThePressIsNoTap()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, tap);
    Screen screen;
    screen.press({40, 40});
    screen.release(QPoint(40, 40) + offset);
    screen.expireTap();
    QCOMPARE(screen.log, tap ? QStringList{"Next0"} : QStringList{});
}

void TestCardScreenInput::releaseLongAfterThePressIsNoTap_data()
{
    QTest::addColumn<qint64>("held");
    QTest::addColumn<bool>("tap");
    QTest::newRow("2 seconds") << qint64(2000) << true;
    QTest::newRow("just over 2 seconds") << qint64(2001) << false;
    QTest::newRow("3 seconds") << qint64(3000) << false;
}

void TestCardScreenInput::releaseLongAfterThePressIsNoTap()
{
    QFETCH(qint64, held);
    QFETCH(bool, tap);
    Screen screen;
    screen.press({40, 40});
    screen.now += held;
    screen.release({40, 40});
    screen.expireTap();
    QCOMPARE(screen.log, tap ? QStringList{"Next0"} : QStringList{});
}

void TestCardScreenInput::tapIsDroppedWhileAGestureJustActed()
{
    Screen screen;
    screen.tmGesture.start();
    screen.tap({40, 40});
    QVERIFY(screen.log.isEmpty());

    // A gesture acting between the release and the tap's expiry drops the tap too.
    screen.tmGesture.stop();
    screen.press({40, 40});
    screen.release({40, 40});
    screen.tmGesture.start();
    screen.expireTap();
    QVERIFY(screen.log.isEmpty());

    screen.tmGesture.stop();
    screen.tap({40, 40});
    QCOMPARE(screen.log, QStringList{"Next0"});
}

void TestCardScreenInput::twoQuickTapsActOnce()
{
    Screen screen;
    screen.press({20, 20});
    screen.release({20, 20});
    screen.now += 30;
    screen.press({150, 280});
    screen.release({150, 280});
    screen.expireTap();
    QCOMPARE(screen.log, QStringList{"Learnt0"});
}

void TestCardScreenInput::tapInAutomaticModeOnlyStopsIt()
{
    Screen screen;
    for (const QPoint at : {QPoint(20, 20), QPoint(150, 280)}) {
        screen.cbAuto.setChecked(true);
        screen.tap(at);
        QVERIFY(!screen.cbAuto.isChecked());
    }
    QVERIFY(screen.log.isEmpty());
}

void TestCardScreenInput::rightAndMiddleButtons()
{
    Screen screen;
    screen.press({20, 20}, Qt::RightButton);
    QCOMPARE(screen.log, QStringList{"Learnt0"});
    screen.release({20, 20}, Qt::RightButton);
    QVERIFY(!screen.input->tapPending());

    screen.press({20, 20}, Qt::MiddleButton);
    QVERIFY(screen.cbAuto.isChecked());
    screen.release({20, 20}, Qt::MiddleButton);
    screen.press({20, 20}, Qt::MiddleButton);
    QVERIFY(!screen.cbAuto.isChecked());
    QVERIFY(!screen.input->tapPending());
    QCOMPARE(screen.log, QStringList{"Learnt0"});
}

void TestCardScreenInput::strokesActByShape_data()
{
    QTest::addColumn<QList<QPoint>>("corners");
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("chevron up") << QList<QPoint>{{60, 200}, {150, 60}, {240, 200}}
                                << QStringList{"Edit0"};
    QTest::newRow("chevron down") << QList<QPoint>{{60, 60}, {150, 200}, {240, 60}}
                                  << QStringList{"Delete0"};
    QTest::newRow("check") << QList<QPoint>{{60, 150}, {100, 200}, {220, 40}}
                           << QStringList{"Delete0"};
    QTest::newRow("right then down")
        << QList<QPoint>{{60, 60}, {240, 60}, {240, 240}} << QStringList{"New0"};
    QTest::newRow("chevron left") << QList<QPoint>{{240, 60}, {60, 150}, {240, 240}}
                                  << QStringList{"New0"};
    QTest::newRow("chevron right")
        << QList<QPoint>{{60, 60}, {240, 150}, {60, 240}} << QStringList{"New0"};
    QTest::newRow("a line") << QList<QPoint>{{60, 150}, {240, 150}} << QStringList{"Nothing0"};
    QTest::newRow("a scribble") << QList<QPoint>{{60, 60},  {240, 200}, {80, 220},
                                                 {200, 40}, {100, 120}, {250, 100},
                                                 {70, 180}, {180, 250}, {60, 60}}
                                << QStringList{};
}

void TestCardScreenInput::strokesActByShape()
{
    QFETCH(QList<QPoint>, corners);
    QFETCH(QStringList, actions);
    Screen screen;
    screen.draw(stroke(corners));
    QCOMPARE(screen.log, actions);
    QCOMPARE(screen.tmGesture.isActive(), !actions.isEmpty());
    QVERIFY(!screen.input->tapPending());
}

// A chevron drawn small, its release within the tap distance of its press, is only a chevron.
void TestCardScreenInput::smallStrokeEndingAtItsStartIsNoTap()
{
    Screen screen;
    screen.draw(stroke({{40, 60}, {50, 30}, {58, 60}}));
    screen.expireTap();
    QCOMPARE(screen.log, QStringList{"Edit0"});
}

void TestCardScreenInput::pinchStepsGrowOrShrinkAgainstTheLastDistance()
{
    Screen screen;
    const double start = screen.view.QSize;
    // Two pinches: the fingers apart, held, together; then a new pinch, whose first step is
    // compared with the last step of the one before.
    const QList<qint32> distances{100, 140, 180, 180, 150, 120, 90, 130, 170};
    const QList<double> factors{1.03, 1.03, 1.03, 0.97, 0.97, 0.97, 0.97, 1.03, 1.03};
    double expected = start;
    for (qsizetype i = 0; i < distances.size(); ++i) {
        screen.input->recGesturesGesture(distances[i]);
        expected = float(expected * factors[i]);
        QCOMPARE(screen.view.QSize, expected);
        QCOMPARE(screen.questionSize(), expected);
        QCOMPARE(screen.input->LastIventInfo(), distances[i]);
    }
    QVERIFY(screen.tmWaitAfterZoom.isActive());
    QVERIFY(screen.tmGesture.isActive());
    QVERIFY(screen.view.ASize != defaultDataRecord().Views[0].ASize);
    QVERIFY(screen.view.PSize != defaultDataRecord().Views[0].PSize);

    // A tap pressed before a zoom step counts its two seconds from that step.
    screen.tmGesture.stop();
    screen.press({20, 20});
    screen.now += 1500;
    screen.input->recGesturesGesture(200);
    screen.tmGesture.stop();
    screen.now += 1500;
    screen.release({20, 20});
    screen.expireTap();
    QCOMPARE(screen.log, QStringList{"Next0"});
}

void TestCardScreenInput::touchScreenAndTouchpadPinches()
{
    Screen screen;
    const double start = screen.view.QSize;
    QPinchGesture pinch;
    pinch.setChangeFlags(QPinchGesture::ScaleFactorChanged);
    for (const double scale : {1.1, 1.2}) {
        pinch.setTotalScaleFactor(scale);
        QGestureEvent event({&pinch});
        QCoreApplication::sendEvent(screen.layer, &event);
    }
    QCOMPARE(screen.input->LastIventInfo(), 1200);
    QCOMPARE(screen.view.QSize, float(float(start * 1.03) * 1.03));

    // A move of the fingers that leaves their distance is no zoom step.
    pinch.setChangeFlags(QPinchGesture::CenterPointChanged);
    QGestureEvent move({&pinch});
    QCoreApplication::sendEvent(screen.layer, &move);
    QCOMPARE(screen.input->LastIventInfo(), 1200);

    const auto touchpad = [&screen](Qt::NativeGestureType type, double value) {
        QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, {}, {}, {},
                                  value, {});
        QCoreApplication::sendEvent(screen.layer, &event);
    };
    // A new pinch on a touchpad starts from its own scale: its first step is a smaller
    // distance than the last step before, and shrinks.
    touchpad(Qt::BeginNativeGesture, 0);
    touchpad(Qt::ZoomNativeGesture, 0.1);
    QCOMPARE(screen.input->LastIventInfo(), 1100);
    touchpad(Qt::ZoomNativeGesture, 0.1);
    QCOMPARE(screen.input->LastIventInfo(), 1210);
    touchpad(Qt::EndNativeGesture, 0);
    QCOMPARE(screen.view.QSize, float(float(float(float(start * 1.03) * 1.03) * 0.97) * 1.03));
}

void TestCardScreenInput::wheel_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("helpShown");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<double>("factor");
    QTest::newRow("towards the learner") << -120 << false << false << QStringList{"Next0"} << 1.0;
    QTest::newRow("away") << 120 << false << false << QStringList{"Remind0"} << 1.0;
    QTest::newRow("two notches at once")
        << -240 << false << false << QStringList{"Next0", "Next0"} << 1.0;
    QTest::newRow("ctrl, towards the learner") << -120 << true << false << QStringList{} << 1.05;
    QTest::newRow("ctrl, away") << 120 << true << false << QStringList{} << 0.95;
    QTest::newRow("sideways") << 0 << false << false << QStringList{} << 1.0;
    QTest::newRow("help shown") << -120 << false << true << QStringList{} << 1.0;
    QTest::newRow("ctrl, help shown") << -120 << true << true << QStringList{} << 1.0;
}

void TestCardScreenInput::wheel()
{
    QFETCH(int, angle);
    QFETCH(bool, ctrl);
    QFETCH(bool, helpShown);
    QFETCH(QStringList, actions);
    QFETCH(double, factor);
    Screen screen;
    screen.help->setVisible(helpShown);
    const double start = screen.questionSize();
    screen.wheel(angle, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(screen.log, actions);
    QCOMPARE(screen.questionSize(), float(start * factor));
    // The wheel's zoom reaches the stored view only when the window saves.
    QCOMPARE(screen.view.QSize, start);
}

// A fine wheel or a touchpad sends parts of a notch; the card changes once per notch.
void TestCardScreenInput::wheelTurnedInPartsOfANotch()
{
    Screen screen;
    for (int i = 0; i < 5; ++i)
        screen.wheel(-40);
    QCOMPARE(screen.log, QStringList{"Next0"});
    screen.wheel(80);
    screen.wheel(40);
    QCOMPARE(screen.log, (QStringList{"Next0", "Remind0"}));
    screen.layer->hide();
    screen.wheel(-120);
    QCOMPARE(screen.log, (QStringList{"Next0", "Remind0"}));
}

void TestCardScreenInput::anyKeyStopsAutomaticMode()
{
    Screen screen;
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Shift, Qt::Key_F5}) {
        screen.cbAuto.setChecked(true);
        QTest::keyClick(&screen.window, key);
        QVERIFY(!screen.cbAuto.isChecked());
    }
    QVERIFY(screen.log.isEmpty());
}

QTEST_MAIN(TestCardScreenInput)
#include "tst_cardscreeninput.moc"
