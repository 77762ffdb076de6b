#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"
#include "settings/SettingsRecord.h"
#include "WindowFixture.h"

#include <QtTest>

using WindowTest::animals;
using WindowTest::child;
using WindowTest::clickAt;
using WindowTest::doubleClickAt;
using WindowTest::state;
using WindowTest::textCentreOf;

namespace {

// The 400 ms of both double-click controls are over.
void doubleClickTimesOut(TFormVocadrill& window)
{
    window.engine().learntNumberDoubleClick().tmDblClickTimer();
    window.engine().indicatorColorDoubleClick().tmDblClickTimer();
}

bool whiteIndicator(TFormVocadrill& window)
{
    return window.dataRecord().Views[window.LearningMode()].WhiteIndicator;
}

// Starts on the three animals at the size, with one card learnt and the next one on screen.
TFormVocadrill& startLearning(WindowFixture& fixture, QSize size)
{
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.resize(size);
    QCoreApplication::processEvents();
    WindowTest::tapAt(window, {0.1, 0.2});
    window.execute("Learnt0");
    WindowTest::guardsExpire(window);
    return window;
}

// A single click and then a double click at the centre of the indicator the card screen draws:
// the single click changes nothing, the double click switches the colour and nothing else.
void indicatorTakesItsDoubleClick(TFormVocadrill& window)
{
    auto* indicator = child<QLabel>(window, "TextIndicator");
    QVERIFY(indicator->isVisible());
    const QString before = state(window);
    const bool white = whiteIndicator(window);
    clickAt(window, textCentreOf(window, *indicator));
    WindowTest::tapsSettle(window);
    QCOMPARE(state(window), before);
    QCOMPARE(whiteIndicator(window), white);
    doubleClickTimesOut(window);
    doubleClickAt(window, textCentreOf(window, *indicator));
    WindowTest::tapsSettle(window);
    QCOMPARE(whiteIndicator(window), !white);
    QCOMPARE(state(window), before);
}

} // namespace

// The status line and the indicator take their own clicks, in the normal and the full-screen
// layout, at any window size.
class TestStatusLineClicks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void sizes_data();
    void statusLineIsNoTapArea_data() { sizes_data(); }
    void statusLineIsNoTapArea();
    void indicatorInFullScreen_data() { sizes_data(); }
    void indicatorInFullScreen();
};

void TestStatusLineClicks::sizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("first-start size") << QSize(911, 613);
    QTest::newRow("large") << QSize(1280, 900);
}

void TestStatusLineClicks::statusLineIsNoTapArea()
{
    QFETCH(QSize, size);
    WindowFixture fixture;
    TFormVocadrill& window = startLearning(fixture, size);
    QCOMPARE(window.store().LearntNumber, 1);
    const QString before = state(window);

    for (const char* name : {"TextDict", "TextTime", "TextMyDictSL", "TextLearntToday", "TextLearnt"}) {
        clickAt(window, textCentreOf(window, *child<QLabel>(window, name)));
        WindowTest::tapsSettle(window);
        QVERIFY2(state(window) == before, name);
        QCOMPARE(window.store().LearntNumber, 1);
        doubleClickTimesOut(window);
    }

    doubleClickAt(window, textCentreOf(window, *child<QLabel>(window, "TextLearnt")));
    WindowTest::tapsSettle(window);
    QCOMPARE(window.store().LearntNumber, 0);
    QCOMPARE(child<QLabel>(window, "TextLearnt")->text(), QString("0"));
    QCOMPARE(state(window), before);

    doubleClickTimesOut(window);
    indicatorTakesItsDoubleClick(window);
}

void TestStatusLineClicks::indicatorInFullScreen()
{
    QFETCH(QSize, size);
    WindowFixture fixture;
    TFormVocadrill& window = startLearning(fixture, size);
    WindowTest::tapAt(window, {0.5, 0.5});
    QVERIFY(window.isFullScreen0());
    WindowTest::guardsExpire(window);
    QCoreApplication::processEvents();
    indicatorTakesItsDoubleClick(window);
}

QTEST_MAIN(TestStatusLineClicks)
#include "tst_statuslineclicks.moc"
