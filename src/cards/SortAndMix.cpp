#include "cards/SortAndMix.h"

#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/CollationKeyList.h"

namespace {

// Writes into buffer the text a line sorts by: the line with its first "=" widened to "  = ".
// The buffer keeps its memory from line to line.
void widen(QStringView line, QString& buffer)
{
    buffer.resize(0);
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        buffer.append(line);
        return;
    }
    buffer.append(line.first(eq));
    buffer.append(QLatin1String("  = "));
    buffer.append(line.sliced(eq + 1));
}

} // namespace

void SortUnique(QStringList& Lines)
{
    CollationKeyList keys(Collation::caseSensitiveKeys());
    keys.reserve(Lines.size());
    for (const QString& line : std::as_const(Lines))
        keys.append(line);
    QStringList sorted;
    const std::vector<quint32> order = keys.sortedUniqueOrder();
    sorted.reserve(qsizetype(order.size()));
    for (const quint32 i : order)
        sorted.append(std::move(Lines[i]));
    Lines = std::move(sorted);
}

void SortLines(QStringList& Lines)
{
    CollationKeyList keys(Collation::caseSensitiveKeys());
    keys.reserve(Lines.size());
    QString buffer;
    for (const QString& line : std::as_const(Lines)) {
        widen(line, buffer);
        keys.append(buffer);
    }
    QStringList sorted;
    const std::vector<quint32> order = keys.sortedUniqueOrder();
    sorted.reserve(qsizetype(order.size()));
    for (const quint32 i : order) {
        // Most lines read the same once normalised; those keep their text and cost nothing.
        QString& line = Lines[i];
        widen(line, buffer);
        NormalizeSpacesInPlace(buffer);
        if (buffer.isEmpty())
            continue;
        if (buffer == line)
            sorted.append(std::move(line));
        else
            sorted.append(QStringView(buffer).toString());
    }
    Lines = std::move(sorted);
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
