#pragma once

#include "cards/LearningHistory.h"

#include <QDateTime>
#include <QObject>

#include <functional>

class DictionaryStore;
class LearningEngine;

// Counts the learning into the history, against the open dictionary and the day of the local
// clock at each count, so that what follows midnight goes to the new day. The time spent
// learning is the time between cards drawn, each gap counted up to IdleLimitSeconds, so that a
// pause away from the program adds no more than that.
class LearningTally : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    static constexpr qint64 IdleLimitSeconds = 120;

    // Without a clock the tally reads the local time.
    LearningTally(LearningEngine& engine, const DictionaryStore& store, LearningHistory& history,
                  Clock clock = {}, QObject* parent = nullptr);

    // The local day of the tally's clock.
    QDate today() const;

private:
    void cardDrawn();
    void learntCounted(int change);

    const DictionaryStore& m_store;
    LearningHistory& m_history;
    Clock m_clock;
    QDateTime m_lastDraw;
};
