#include "engine/LearningTally.h"

#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"

#include <algorithm>

LearningTally::LearningTally(LearningEngine& engine, const DictionaryStore& store,
                             LearningHistory& history, Clock clock, QObject* parent)
    : QObject(parent), m_store(store), m_history(history), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
    connect(&engine, &LearningEngine::cardDrawn, this, &LearningTally::cardDrawn);
    connect(&engine, &LearningEngine::learntCounted, this, &LearningTally::learntCounted);
}

QDate LearningTally::today() const
{
    return m_clock().date();
}

void LearningTally::cardDrawn()
{
    const QDateTime now = m_clock();
    LearningHistory::Counts change{.shown = 1};
    // A clock set back counts nothing.
    if (m_lastDraw.isValid())
        change.seconds = std::clamp<qint64>(m_lastDraw.secsTo(now), 0, IdleLimitSeconds);
    m_lastDraw = now;
    m_history.add(now.date(), m_store.openFileName(), change);
}

void LearningTally::learntCounted(int change)
{
    m_history.add(today(), m_store.openFileName(), {.learnt = change});
}
