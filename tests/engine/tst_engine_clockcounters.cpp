#include "EngineHarness.h"

#include "cards/ProgressStore.h"
#include "engine/SessionClock.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

// The status line's clock and the reset of the learnt count by a double click.
class TestClockAndCounters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void clockText_data();
    void clockText();
    void clockReadsItsTimeSource();
    void doubleClickResetsTheLearntCount();
    void slowClicksKeepTheCount();
    void clicksOnTwoControlsAreNoDoubleClick();
};

void TestClockAndCounters::clockText_data()
{
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("text");

    const qint64 s = 1000;
    const qint64 h = 3600 * s;
    QTest::newRow("start") << qint64(0) << u"0:00:00"_s;
    QTest::newRow("12 minutes 5 seconds") << 725 * s << u"0:12:05"_s;
    QTest::newRow("59:59") << 3599 * s + 999 << u"0:59:59"_s;
    QTest::newRow("one hour") << h << u"01:00:00"_s;
    QTest::newRow("1 hour 2 minutes") << h + 120 * s << u"01:02:00"_s;
    QTest::newRow("10 hours 5 minutes") << 10 * h + 300 * s << u"10:05:00"_s;
    QTest::newRow("past midnight, a day and an hour") << 25 * h << u"25:00:00"_s;
}

void TestClockAndCounters::clockText()
{
    QFETCH(qint64, elapsedMs);
    QTEST(SessionClock::clockText(elapsedMs), "text");
}

void TestClockAndCounters::clockReadsItsTimeSource()
{
    qint64 now = 0;
    SessionClock clock([&now] { return now; });
    QSignalSpy changes(&clock, &SessionClock::textTimeChanged);

    now = 725'000;
    clock.tmTimeTimer();
    QCOMPARE(clock.TextTime(), u"0:12:05"_s);
    now = 725'400;
    clock.tmTimeTimer();
    QCOMPARE(changes.count(), 1);
}

void TestClockAndCounters::doubleClickResetsTheLearntCount()
{
    EngineHarness h;
    h.configure(u"cards=1 maxq=0 maxa=0"_s);
    h.open({u"a = 1"_s, u"b = 2"_s});
    h.engine.Next0();
    h.engine.Next0();
    QCOMPARE(h.store.LearntNumber, 1);
    h.store.LearntNumber = 5;
    h.store.IniWrite();
    const QStringList dict = h.store.MyDictSL.lines();
    QSignalSpy learntNumber(&h.store, &DictionaryStore::learntNumberChanged);

    h.engine.btLearntNumberClick();
    QCOMPARE(h.store.LearntNumber, 5);
    h.engine.btLearntNumberClick();

    QCOMPARE(h.store.LearntNumber, 0);
    QCOMPARE(learntNumber.count(), 1);
    QCOMPARE(learntNumber.first().first().toInt(), 0);
    h.store.LearntNumber = 7;
    h.store.IniRead();
    QCOMPARE(h.store.LearntNumber, 0);
    QCOMPARE(h.store.LearntSL.lines(), QStringList{u"a = 1"_s});
    QCOMPARE(h.store.MyDictSL.lines(), dict);
}

void TestClockAndCounters::slowClicksKeepTheCount()
{
    EngineHarness h;
    h.open({u"a = 1"_s});
    h.store.LearntNumber = 5;

    h.engine.btLearntNumberClick();
    h.engine.learntNumberDoubleClick().tmDblClickTimer();
    h.engine.btLearntNumberClick();

    QCOMPARE(h.store.LearntNumber, 5);
}

void TestClockAndCounters::clicksOnTwoControlsAreNoDoubleClick()
{
    EngineHarness h;
    h.open({u"a = 1"_s});
    h.store.LearntNumber = 5;

    h.engine.btIndicatorColorClick();
    h.engine.btLearntNumberClick();
    QCOMPARE(h.store.LearntNumber, 5);

    h.engine.learntNumberDoubleClick().tmDblClickTimer();
    h.engine.indicatorColorDoubleClick().tmDblClickTimer();
    h.engine.btLearntNumberClick();
    h.engine.btIndicatorColorClick();
    QVERIFY(!currentView(h.record).WhiteIndicator);
}

QTEST_GUILESS_MAIN(TestClockAndCounters)
#include "tst_engine_clockcounters.moc"
