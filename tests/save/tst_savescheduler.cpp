#include "save/SaveScheduler.h"

#include <QtTest>

#include <limits>

namespace {

constexpr qint64 never = std::numeric_limits<qint64>::max();

// Drives a scheduler over a made-up clock: the changes happen at their moments, the timer's
// handler runs at the moment the scheduler is due, and every save that it asks for succeeds.
// Returns the moments of the saves.
QList<qint64> saveMoments(const QList<qint64>& changes)
{
    qint64 now = 0;
    SaveScheduler scheduler({3000, 15000}, [&now] { return now; });
    QList<qint64> saves;
    QObject::connect(&scheduler, &SaveScheduler::saveDue, [&] {
        saves.append(now);
        scheduler.saved();
    });
    qsizetype next = 0;
    for (;;) {
        const qint64 change = next < changes.size() ? changes.at(next) : never;
        const qint64 due = scheduler.isScheduled() ? scheduler.dueAt() : never;
        if (change == never && due == never)
            return saves;
        if (change <= due) {
            now = change;
            scheduler.changed();
            ++next;
        } else {
            now = due;
            scheduler.timerFired();
        }
    }
}

QList<qint64> every(qint64 step, qint64 last)
{
    QList<qint64> moments;
    for (qint64 t = 0; t <= last; t += step)
        moments.append(t);
    return moments;
}

} // namespace

class TestSaveScheduler : public QObject
{
    Q_OBJECT

private slots:
    void savesAfterQuietOrLimit_data();
    void savesAfterQuietOrLimit();
    void timerWaitsForTheDueMoment();
    void earlyTimerDoesNotSave();
    void failedSaveRetriesAfterTheNextChange();
    void nothingPendingAfterSave();
};

void TestSaveScheduler::savesAfterQuietOrLimit_data()
{
    QTest::addColumn<QList<qint64>>("changes");
    QTest::addColumn<QList<qint64>>("saves");
    QTest::newRow("no change") << QList<qint64>{} << QList<qint64>{};
    QTest::newRow("one change") << QList<qint64>{0} << QList<qint64>{3000};
    QTest::newRow("a burst") << QList<qint64>{0, 2000, 4000} << QList<qint64>{7000};
    QTest::newRow("two bursts") << QList<qint64>{0, 1000, 9000} << QList<qint64>{4000, 12000};
    QTest::newRow("a steady stream is cut at the limit")
        << every(2500, 40000) << QList<qint64>{15000, 32500, 43000};
    QTest::newRow("automatic mode pace") << every(50, 31000) << QList<qint64>{15000, 30050, 34000};
}

void TestSaveScheduler::savesAfterQuietOrLimit()
{
    QFETCH(QList<qint64>, changes);
    QFETCH(QList<qint64>, saves);
    QCOMPARE(saveMoments(changes), saves);
}

void TestSaveScheduler::timerWaitsForTheDueMoment()
{
    qint64 now = 1000;
    SaveScheduler scheduler({3000, 15000}, [&now] { return now; });
    QVERIFY(!scheduler.isPending());
    scheduler.changed();
    QVERIFY(scheduler.isPending());
    QVERIFY(scheduler.isScheduled());
    QCOMPARE(scheduler.dueAt(), 4000);
    now = 14000;
    scheduler.changed();
    QCOMPARE(scheduler.dueAt(), 16000);
}

void TestSaveScheduler::earlyTimerDoesNotSave()
{
    qint64 now = 0;
    SaveScheduler scheduler({3000, 15000}, [&now] { return now; });
    QSignalSpy due(&scheduler, &SaveScheduler::saveDue);
    scheduler.changed();
    now = 2999;
    scheduler.timerFired();
    QCOMPARE(due.count(), 0);
    QVERIFY(scheduler.isScheduled());
    now = 3000;
    scheduler.timerFired();
    QCOMPARE(due.count(), 1);
}

void TestSaveScheduler::failedSaveRetriesAfterTheNextChange()
{
    qint64 now = 0;
    SaveScheduler scheduler({3000, 15000}, [&now] { return now; });
    QSignalSpy due(&scheduler, &SaveScheduler::saveDue);
    scheduler.changed();
    now = 3000;
    scheduler.timerFired();
    scheduler.failed();
    QVERIFY(scheduler.isPending());
    QVERIFY(!scheduler.isScheduled());
    now = 60000;
    scheduler.changed();
    QCOMPARE(scheduler.dueAt(), 63000);
    now = 63000;
    scheduler.timerFired();
    QCOMPARE(due.count(), 2);
}

void TestSaveScheduler::nothingPendingAfterSave()
{
    qint64 now = 0;
    SaveScheduler scheduler({3000, 15000}, [&now] { return now; });
    QSignalSpy due(&scheduler, &SaveScheduler::saveDue);
    scheduler.changed();
    scheduler.saved();
    QVERIFY(!scheduler.isPending());
    QVERIFY(!scheduler.isScheduled());
    now = 5000;
    scheduler.timerFired();
    QCOMPARE(due.count(), 0);
}

QTEST_GUILESS_MAIN(TestSaveScheduler)
#include "tst_savescheduler.moc"
