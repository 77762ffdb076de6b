#include "StallMeter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t IntervalNs = std::int64_t(StallMeter::IntervalMs) * 1000000;

} // namespace

StallMeter::StallMeter()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StallMeter::tick);
}

StallMeter::~StallMeter() = default;

void StallMeter::start()
{
    m_ticks.clear();
    m_ownWorstNs = 0;
    m_machine = std::make_unique<MachineLateness>();
    m_dueNs = MachineLateness::nowNs() + IntervalNs;
    m_timer.start();
}

void StallMeter::stop()
{
    m_timer.stop();
    if (!m_machine)
        return;
    m_machineWatched = m_machine->watched();
    m_machineWorstNs = double(m_machine->longestNs());
    for (const Tick& tick : m_ticks) {
        const double held = m_machineWatched
                                ? double(m_machine->heldWithin(tick.processor, tick.due, tick.came))
                                : 0;
        m_ownWorstNs = std::max(m_ownWorstNs, tick.lateNs() - held);
    }
    m_machine.reset();
}

void StallMeter::tick()
{
    const std::int64_t now = MachineLateness::nowNs();
    m_ticks.push_back({m_dueNs, now, MachineLateness::processor()});
    m_dueNs = now + IntervalNs;
    m_timer.start();
}

double StallMeter::worstNs() const
{
    double worst = 0;
    for (const Tick& tick : m_ticks)
        worst = std::max(worst, tick.lateNs());
    return worst;
}

double StallMeter::percentileNs(double share) const
{
    if (m_ticks.empty())
        return 0;
    std::vector<double> sorted;
    sorted.reserve(m_ticks.size());
    for (const Tick& tick : m_ticks)
        sorted.push_back(tick.lateNs());
    const auto rank = qsizetype(std::ceil(share * double(sorted.size()))) - 1;
    const auto at = sorted.begin() + std::clamp<qsizetype>(rank, 0, qsizetype(sorted.size()) - 1);
    std::nth_element(sorted.begin(), at, sorted.end());
    return *at;
}
