#pragma once

#include <QString>

class StringList;

// Edits of the open dictionary by the exact line. The card on screen is normally one of the
// first few lines, so each edit costs time in proportion to the line's position, not to the
// size of the dictionary.
namespace DictionaryLines {

// The index of the first line equal to line (letter case and whitespace included), or -1.
qsizetype indexOfExactLine(const StringList& list, const QString& line);
// Moves line i to the end, keeping the order of the others; one change of the list.
void moveToEnd(StringList& list, qsizetype i);
// Removes line i; one change of the list.
void removeLine(StringList& list, qsizetype i);

} // namespace DictionaryLines
