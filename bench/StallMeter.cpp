#include "StallMeter.h"

#include <algorithm>
#include <cmath>

StallMeter::StallMeter()
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StallMeter::tick);
}

void StallMeter::start()
{
    m_latenessNs.clear();
    m_clock.start();
    m_dueNs = qint64(IntervalMs) * 1000000;
    m_timer.start();
}

void StallMeter::stop()
{
    m_timer.stop();
}

void StallMeter::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_latenessNs.push_back(double(std::max<qint64>(0, now - m_dueNs)));
    m_dueNs = now + qint64(IntervalMs) * 1000000;
    m_timer.start();
}

double StallMeter::worstNs() const
{
    return m_latenessNs.empty() ? 0 : *std::max_element(m_latenessNs.begin(), m_latenessNs.end());
}

double StallMeter::percentileNs(double share) const
{
    if (m_latenessNs.empty())
        return 0;
    std::vector<double> sorted = m_latenessNs;
    const auto rank = qsizetype(std::ceil(share * double(sorted.size()))) - 1;
    const auto at = sorted.begin() + std::clamp<qsizetype>(rank, 0, qsizetype(sorted.size()) - 1);
    std::nth_element(sorted.begin(), at, sorted.end());
    return *at;
}
