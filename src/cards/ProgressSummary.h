#pragma once

#include "cards/LearningHistory.h"

#include <QDate>
#include <QList>
#include <QString>

// What the progress view shows, taken from the learning history on a given day.
struct ProgressSummary
{
    // The days of the chart, oldest first, ending with today.
    QList<QDate> days;
    // Cards learnt on each of those days, from all dictionaries and from the open one.
    QList<qint64> learntAll;
    QList<qint64> learntOpen;
    // Days in a row, ending today, on which cards were shown. A day not yet learnt today does
    // not break the run, which then ends yesterday.
    int daysInARow = 0;
};

ProgressSummary summarise(const LearningHistory& history, const QString& openDictionary,
                          QDate today, int dayCount = 30);
