#include "cards/ProgressSummary.h"

#include <QSet>

ProgressSummary summarise(const LearningHistory& history, const QString& openDictionary,
                          QDate today, int dayCount)
{
    ProgressSummary summary;
    const QDate first = today.addDays(1 - dayCount);
    for (QDate day = first; day <= today; day = day.addDays(1))
        summary.days.append(day);
    summary.learntAll.fill(0, dayCount);
    summary.learntOpen.fill(0, dayCount);

    QSet<QDate> learningDays;
    for (auto it = history.entries().cbegin(); it != history.entries().cend(); ++it) {
        const QDate day = it.key().first;
        if (it->shown > 0 || it->learnt > 0)
            learningDays.insert(day);
        if (day < first || day > today)
            continue;
        const qsizetype index = first.daysTo(day);
        summary.learntAll[index] += it->learnt;
        if (it.key().second == openDictionary)
            summary.learntOpen[index] += it->learnt;
    }

    QDate day = learningDays.contains(today) ? today : today.addDays(-1);
    while (learningDays.contains(day)) {
        ++summary.daysInARow;
        day = day.addDays(-1);
    }
    return summary;
}
