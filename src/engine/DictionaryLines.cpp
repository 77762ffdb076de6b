#include "engine/DictionaryLines.h"

#include "cards/StringList.h"

namespace DictionaryLines {

qsizetype indexOfExactLine(const StringList& list, const QString& line)
{
    return list.chunked().indexOf(line);
}

void moveToEnd(StringList& list, qsizetype i)
{
    list.move(i, list.count() - 1);
}

void removeLine(StringList& list, qsizetype i)
{
    list.removeAt(i);
}

} // namespace DictionaryLines
