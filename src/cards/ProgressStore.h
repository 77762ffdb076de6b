#pragma once

#include <QString>

// The learnt-progress store: the number of cards learnt from each dictionary, kept in the
// section "Learnt" of an INI file under the dictionary's full path.
//
// Every call reads the whole store; a missing file counts as empty. A store that exists but
// cannot be read throws FileError, so it is never replaced by an empty one. Writes are atomic,
// UTF-8 with a byte-order mark and CR LF, so every path is found again; they throw FileError.

// The count stored for dictPath; 0 when there is none or its value is not an integer.
int IniRead(const QString& storePath, const QString& dictPath);
// Stores count for dictPath. Up to three earlier entries of the path are removed first.
void IniWrite(const QString& storePath, const QString& dictPath, int count);
// Removes up to three entries of dictPath.
void IniDelete(const QString& storePath, const QString& dictPath);
