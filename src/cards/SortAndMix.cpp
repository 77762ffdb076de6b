#include "cards/SortAndMix.h"

#include "cards/CardLine.h"
#include "cards/Collation.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <vector>

void SortUnique(QStringList& Lines)
{
    const QCollator& collator = Collation::caseSensitive();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(Lines.size());
    for (const QString& line : std::as_const(Lines))
        keys.push_back(collator.sortKey(line));
    std::vector<qsizetype> order(Lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    QStringList sorted;
    sorted.reserve(Lines.size());
    const QCollatorSortKey* previous = nullptr;
    for (const qsizetype i : order) {
        if (previous && previous->compare(keys[i]) == 0)
            continue;
        sorted.append(std::move(Lines[i]));
        previous = &keys[i];
    }
    Lines = std::move(sorted);
}

void SortLines(QStringList& Lines)
{
    for (QString& line : Lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0)
            line.replace(eq, 1, QLatin1String("  = "));
    }
    SortUnique(Lines);
    QStringList normalized;
    normalized.reserve(Lines.size());
    for (const QString& line : std::as_const(Lines)) {
        QString n = NormalizeSpaces(line);
        if (!n.isEmpty())
            normalized.append(std::move(n));
    }
    Lines = std::move(normalized);
}

void SortLines(StringList& Lines)
{
    Lines.edit([](QStringList& lines) { SortLines(lines); });
}

void MixLines(QStringList& Lines, RandomSource& random)
{
    SortLines(Lines);
    const int n = int(Lines.size());
    for (int k = 0; k < n; ++k) {
        const int a = random.below(n);
        const int b = random.below(n);
        Lines.swapItemsAt(a, b);
    }
}

void MixLines(StringList& Lines, RandomSource& random)
{
    Lines.edit([&random](QStringList& lines) { MixLines(lines, random); });
}
