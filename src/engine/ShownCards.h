#pragma once

#include "cards/CardLine.h"

#include <QHash>
#include <QString>

// The cards shown since start-up with their counters, one entry per distinct card line, found
// by the exact line (letter case and whitespace included). Two equal lines share one entry.
class ShownCards
{
public:
    // The entry of line, or nullptr. The pointer is valid until the next add or remove.
    TVocabula* find(const QString& line);
    const TVocabula* find(const QString& line) const;
    // The entry of line, made from the line with zero counters when there was none.
    TVocabula& findOrAdd(const QString& line);
    // A copy of the entry of line; without one, the record of the empty line.
    TVocabula MyVocabula(const QString& line) const;
    void remove(const QString& line);
    void clear() { m_entries.clear(); }
    qsizetype size() const { return m_entries.size(); }

    // Every entry, in no particular order.
    QList<TVocabula> entries() const { return m_entries.values(); }

private:
    QHash<QString, TVocabula> m_entries;
};
