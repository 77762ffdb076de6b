#include "engine/DictionaryLines.h"

#include "cards/StringList.h"

#include <algorithm>

namespace {

// Brings line i to the front, shifting the lines before it down by one, and takes it out:
// taking the first element out of a QList costs nothing, unlike taking one out of the middle.
QString takeLine(QStringList& lines, qsizetype i)
{
    std::rotate(lines.begin(), lines.begin() + i, lines.begin() + i + 1);
    return lines.takeFirst();
}

} // namespace

namespace DictionaryLines {

qsizetype indexOfExactLine(const StringList& list, const QString& line)
{
    return list.lines().indexOf(line);
}

void moveToEnd(StringList& list, qsizetype i)
{
    list.edit([i](QStringList& lines) { lines.append(takeLine(lines, i)); });
}

void removeLine(StringList& list, qsizetype i)
{
    list.edit([i](QStringList& lines) { takeLine(lines, i); });
}

} // namespace DictionaryLines
