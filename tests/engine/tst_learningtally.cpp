#include "engine/LearningTally.h"
#include "EngineHarness.h"

#include <QtTest>

// The tally counts the learning into the history: cards drawn, cards learnt and the time
// between cards, against the open dictionary and the day of its clock.
class TestLearningTally : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void countsTheRun_data();
    void countsTheRun();
    void severalDictionaries();
};

namespace {

using Counts = LearningHistory::Counts;

// A clock the test moves by hand.
struct HandClock
{
    QDateTime now{QDate(2026, 12, 1), QTime(12, 0)};
    LearningTally::Clock clock()
    {
        return [this] { return now; };
    }
};

const QStringList abc{"a = 1", "b = 2", "c = 3", "d = 4"};

} // namespace

void TestLearningTally::countsTheRun_data()
{
    // Actions as EngineHarness codes, and "+N" moving the clock N seconds on.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Counts>("firstDay");
    QTest::addColumn<Counts>("nextDay");
    QTest::newRow("cards drawn and the time between them")
        << QStringList{"F", "+10", "N", "+20", "N"} << Counts{3, 0, 30} << Counts{};
    QTest::newRow("a pause counts up to the idle limit")
        << QStringList{"F", "+10", "N", "+3600", "N"} << Counts{3, 0, 130} << Counts{};
    QTest::newRow("a clock set back counts no time")
        << QStringList{"F", "+-50", "N"} << Counts{2, 0, 0} << Counts{};
    QTest::newRow("learnt and taken back")
        << QStringList{"F", "L", "+5", "L", "U"} << Counts{3, 1, 5} << Counts{};
    QTest::newRow("midnight while running")
        << QStringList{"+43080", "F", "+60", "N", "L", "+70", "N", "L", "+10", "N"}
        << Counts{3, 1, 60} << Counts{3, 1, 80};
}

void TestLearningTally::countsTheRun()
{
    QFETCH(QStringList, steps);
    QFETCH(Counts, firstDay);
    QFETCH(Counts, nextDay);
    EngineHarness h;
    h.open(abc, "Test");
    HandClock time;
    LearningHistory history;
    LearningTally tally(h.engine, h.store, history, time.clock());
    for (const QString& step : steps) {
        if (step.startsWith(u'+'))
            time.now = time.now.addSecs(step.mid(1).toLongLong());
        else
            h.act(step);
    }
    QCOMPARE(history.counts(QDate(2026, 12, 1), "Test.txt"), firstDay);
    QCOMPARE(history.counts(QDate(2026, 12, 2), "Test.txt"), nextDay);
}

void TestLearningTally::severalDictionaries()
{
    EngineHarness h;
    HandClock time;
    LearningHistory history = LearningHistory::fromLines({"2026-12-01\tOther.txt\t5\t1\t3"});
    LearningTally tally(h.engine, h.store, history, time.clock());
    h.open(abc, "Other");
    h.actAll({"F", "L"});
    time.now = time.now.addSecs(30);
    h.open(abc, "Test");
    h.actAll({"F", "N"});
    QCOMPARE(history.lines(),
             (QStringList{"2026-12-01\tOther.txt\t7\t2\t3", "2026-12-01\tTest.txt\t2\t0\t1"}));
}

QTEST_GUILESS_MAIN(TestLearningTally)
#include "tst_learningtally.moc"
