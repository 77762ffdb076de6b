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
// The raw keys of the same two comparisons.
const CollationKeys& caseSensitiveKeys();
const CollationKeys& caseBlindKeys();

} // namespace Collation
