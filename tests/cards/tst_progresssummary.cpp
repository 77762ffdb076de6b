#include "cards/LearningHistory.h"
#include "cards/ProgressSummary.h"

#include <QtTest>

#include <numeric>

// What the progress view shows, taken from a history file.
class TestProgressSummary : public QObject
{
    Q_OBJECT

private slots:
    void chartOfTheLastDays_data();
    void chartOfTheLastDays();
    void daysInARow_data();
    void daysInARow();
};

namespace {

LearningHistory fixture()
{
    return readHistoryFile(QStringLiteral(VOCADRILL_FIXTURES "/history/History.txt"));
}

} // namespace

void TestProgressSummary::chartOfTheLastDays_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QDate>("today");
    // The last days of the chart, oldest first: learnt from all dictionaries, and from the
    // open one.
    QTest::addColumn<QList<qint64>>("all");
    QTest::addColumn<QList<qint64>>("fromOpen");
    QTest::newRow("English open") << "English.txt" << QDate(2026, 12, 1)
                                  << QList<qint64>{0, 8, 2, 4, 7} << QList<qint64>{0, 5, 0, 4, 7};
    QTest::newRow("German open") << "German.txt" << QDate(2026, 12, 1)
                                 << QList<qint64>{0, 8, 2, 4, 7} << QList<qint64>{0, 3, 2, 0, 0};
    QTest::newRow("none open") << "" << QDate(2026, 12, 1) << QList<qint64>{0, 8, 2, 4, 7}
                               << QList<qint64>{0, 0, 0, 0, 0};
    QTest::newRow("two days later") << "English.txt" << QDate(2026, 12, 3)
                                    << QList<qint64>{2, 4, 7, 0, 0} << QList<qint64>{0, 4, 7, 0, 0};
}

void TestProgressSummary::chartOfTheLastDays()
{
    QFETCH(QString, open);
    QFETCH(QDate, today);
    QFETCH(QList<qint64>, all);
    QFETCH(QList<qint64>, fromOpen);
    const ProgressSummary summary = summarise(fixture(), open, today);
    QCOMPARE(summary.days.size(), 30);
    QCOMPARE(summary.days.first(), today.addDays(-29));
    QCOMPARE(summary.days.last(), today);
    QCOMPARE(summary.learntAll.size(), 30);
    QCOMPARE(summary.learntOpen.size(), 30);
    QCOMPARE(summary.learntAll.mid(25), all);
    QCOMPARE(summary.learntOpen.mid(25), fromOpen);
    // November the 1st lies before the chart's 30 days.
    QCOMPARE(std::accumulate(summary.learntAll.cbegin(), summary.learntAll.cend(), qint64(0)), 21);
}

void TestProgressSummary::daysInARow_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("days");
    QTest::newRow("learnt today") << QDate(2026, 12, 1) << 4;
    QTest::newRow("not yet today") << QDate(2026, 12, 2) << 4;
    QTest::newRow("a day missed") << QDate(2026, 12, 3) << 0;
    QTest::newRow("in the middle of the run") << QDate(2026, 11, 29) << 2;
    QTest::newRow("a day before the history") << QDate(2026, 10, 31) << 0;
}

void TestProgressSummary::daysInARow()
{
    QFETCH(QDate, today);
    QFETCH(int, days);
    QCOMPARE(summarise(fixture(), "English.txt", today).daysInARow, days);
}

QTEST_GUILESS_MAIN(TestProgressSummary)
#include "tst_progresssummary.moc"
