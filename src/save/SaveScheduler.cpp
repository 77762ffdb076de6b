#include "save/SaveScheduler.h"

#include <QDeadlineTimer>

#include <algorithm>

namespace {

qint64 monotonicMs()
{
    return QDeadlineTimer::current().deadline();
}

} // namespace

SaveScheduler::SaveScheduler(QObject* parent) : SaveScheduler(Delays{}, monotonicMs, parent) {}

SaveScheduler::SaveScheduler(Delays delays, Clock clock, QObject* parent)
    : QObject(parent), m_delays(delays), m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SaveScheduler::timerFired);
}

void SaveScheduler::changed()
{
    ++m_changes;
    const qint64 now = m_clock();
    // A change while no save is waiting starts a new round: the limit counts from it.
    if (!m_timer.isActive())
        m_firstChange = now;
    m_pending = true;
    m_dueAt = std::min(now + m_delays.quietMs, m_firstChange + m_delays.limitMs);
    schedule();
}

void SaveScheduler::saved()
{
    savedUpTo(m_changes);
}

void SaveScheduler::savedUpTo(quint64 changes)
{
    if (changes < m_changes)
        return;
    m_pending = false;
    m_timer.stop();
}

void SaveScheduler::failed()
{
    m_timer.stop();
}

void SaveScheduler::timerFired()
{
    if (!m_pending)
        return;
    if (m_clock() < m_dueAt) {
        schedule();
        return;
    }
    m_timer.stop();
    emit saveDue();
}

void SaveScheduler::schedule()
{
    m_timer.start(int(std::clamp<qint64>(m_dueAt - m_clock(), 0, m_delays.limitMs)));
}
