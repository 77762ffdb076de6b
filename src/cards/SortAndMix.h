#pragma once

#include "cards/RandomSource.h"
#include "cards/StringList.h"

#include <QStringList>

// Sorts a dictionary's lines: "=" becomes "  = ", lines are sorted by the locale-aware,
// case-sensitive comparison keeping one of equal lines, then normalised; empty lines go.
void SortLines(QStringList& Lines);
void SortLines(StringList& Lines);

// Sorts, then exchanges two random lines as many times as there are lines.
void MixLines(QStringList& Lines, RandomSource& random = programRandom());
void MixLines(StringList& Lines, RandomSource& random = programRandom());

// Sorts lines by the case-sensitive locale-aware comparison and drops every line that compares
// equal to one before it. Sort keys keep this fast on lists of a million lines.
void SortUnique(QStringList& Lines);
