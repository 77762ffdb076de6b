#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Decides when the soon-after-a-change save runs: a quiet time after the last change, but never
// later than a limit after the first change that is not yet on disk, so that a steady stream of
// changes is still saved. The clock and both delays can be given, so that tests drive it
// without waiting.
class SaveScheduler : public QObject
{
    Q_OBJECT

public:
    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;

    struct Delays
    {
        int quietMs = 3000;
        int limitMs = 15000;
    };

    explicit SaveScheduler(QObject* parent = nullptr);
    SaveScheduler(Delays delays, Clock clock, QObject* parent = nullptr);

    // Something that the save writes has changed.
    void changed();
    // A save has written everything: nothing is pending any more.
    void saved();
    // A save has written what had changed up to the given count of changes; a later change
    // stays pending, with its save still scheduled.
    void savedUpTo(quint64 changes);
    // How many changes there have been, for savedUpTo.
    quint64 changeCount() const { return m_changes; }
    // A save failed: what changed is still pending, and the next change schedules a new try
    // with full delays, so that a failing disk is not retried at every change.
    void failed();

    bool isPending() const { return m_pending; }
    // When the save is due, on the clock; meaningful only while pending and scheduled.
    qint64 dueAt() const { return m_dueAt; }
    bool isScheduled() const { return m_timer.isActive(); }

    // The timer's handler: emits saveDue when the due time has come, else waits on.
    void timerFired();

signals:
    void saveDue();

private:
    void schedule();

    Delays m_delays;
    Clock m_clock;
    QTimer m_timer;
    bool m_pending = false;
    quint64 m_changes = 0;
    qint64 m_firstChange = 0;
    qint64 m_dueAt = 0;
};
