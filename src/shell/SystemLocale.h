#pragma once

// Gives the core the user's locale: the legacy code page for text files without a mark, and
// the collation of sorted lists. Called once at start-up.
void applySystemLocale();
