#pragma once

#include "cards/CollationKeys.h"

#include <QCollator>
#include <QLocale>

// The program's locale-aware comparison of lines, for the user's locale (the C/POSIX locale
// collates as English). Tests fix the locale with setCollationLocale.
namespace Collation {

void setCollationLocale(const QLocale& locale);
const QCollator& caseSensitive();
const QCollator& caseBlind();
// Names as a person orders them: case-blind, with the numbers inside them compared as numbers
// ("Lesson 2" before "Lesson 10").
const QCollator& names();
// The raw keys of the same two comparisons.
const CollationKeys& caseSensitiveKeys();
const CollationKeys& caseBlindKeys();

} // namespace Collation
