#include "StallMeter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t IntervalNs = std::int64_t(StallMeter::IntervalMs) * 1000000;

double worstOf(const std::vector<double>& values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

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
    m_lateNs.clear();
    m_ownNs.clear();
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
    for (size_t i = 0; i < m_ticks.size(); ++i) {
        const Tick& tick = m_ticks[i];
        const double held = m_machineWatched
                                ? double(m_machine->heldWithin(tick.processor, tick.due, tick.came))
                                : 0;
        m_ownNs.push_back(std::max(0.0, m_lateNs[i] - held));
    }
    m_machine.reset();
}

void StallMeter::tick()
{
    const std::int64_t now = MachineLateness::nowNs();
    m_ticks.push_back({m_dueNs, now, MachineLateness::processor()});
    m_lateNs.push_back(double(std::max<std::int64_t>(0, now - m_dueNs)));
    m_dueNs = now + IntervalNs;
    m_timer.start();
}

double StallMeter::worstNs() const
{
    return worstOf(m_lateNs);
}

double StallMeter::ownWorstNs() const
{
    return worstOf(m_ownNs);
}

double StallMeter::percentileNs(double share) const
{
    if (m_lateNs.empty())
        return 0;
    std::vector<double> sorted = m_lateNs;
    const auto rank = qsizetype(std::ceil(share * double(sorted.size()))) - 1;
    const auto at = sorted.begin() + std::clamp<qsizetype>(rank, 0, qsizetype(sorted.size()) - 1);
    std::nth_element(sorted.begin(), at, sorted.end());
    return *at;
}
