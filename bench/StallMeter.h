#pragma once

#include "MachineLateness.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

// Measures how long the thread's event loop is kept from running: a precise timer of 5 ms is
// armed again at every tick, and each tick notes how much later than due it came. Meanwhile a
// MachineLateness notes how long the machine itself held each processor, so that each tick's
// lateness can also be told less the holds of its processor within it: the stall that the
// program's own work caused.
class StallMeter : public QObject
{
public:
    static constexpr int IntervalMs = 5;

    StallMeter();
    ~StallMeter() override;

    // Starts a new measurement, forgetting the last one.
    void start();
    // Ends it, and works out what the machine held within each tick's lateness.
    void stop();

    // The greatest lateness of a tick, and the lateness that a share of the ticks (0.99) did
    // not exceed, in nanoseconds; 0 before the first tick.
    double worstNs() const;
    double percentileNs(double share) const;
    // After stop: the greatest lateness of a tick less the machine's holds within it (the whole
    // lateness when the machine could not be watched), and the machine's longest hold.
    double ownWorstNs() const { return m_ownWorstNs; }
    double machineWorstNs() const { return m_machineWorstNs; }
    bool machineWatched() const { return m_machineWatched; }
    qsizetype ticks() const { return qsizetype(m_ticks.size()); }

private:
    // A tick's due time and the time it came, in nanoseconds of the steady clock, and the
    // processor whose timer woke the thread for it.
    struct Tick
    {
        std::int64_t due = 0;
        std::int64_t came = 0;
        int processor = -1;

        double lateNs() const { return double(std::max<std::int64_t>(0, came - due)); }
    };

    void tick();

    QTimer m_timer;
    std::int64_t m_dueNs = 0;
    std::vector<Tick> m_ticks;
    std::unique_ptr<MachineLateness> m_machine;
    double m_ownWorstNs = 0;
    double m_machineWorstNs = 0;
    bool m_machineWatched = false;
};
