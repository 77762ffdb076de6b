#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <vector>

// Measures how long the thread's event loop is kept from running: a precise timer of 5 ms is
// armed again at every tick, and each tick notes how much later than due it came.
class StallMeter : public QObject
{
public:
    static constexpr int IntervalMs = 5;

    StallMeter();

    // Starts a new measurement, forgetting the last one.
    void start();
    void stop();

    // The greatest lateness of a tick, and the lateness that a share of the ticks (0.99) did
    // not exceed, in nanoseconds; 0 before the first tick.
    double worstNs() const;
    double percentileNs(double share) const;
    qsizetype ticks() const { return qsizetype(m_latenessNs.size()); }

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_dueNs = 0;
    std::vector<double> m_latenessNs;
};
