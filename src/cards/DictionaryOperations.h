#pragma once

#include "cards/StringList.h"

#include <QString>
#include <QStringList>

// Exchanges the sides of every line: "question = answer" becomes "answer = question", comments
// and bracket groups moving with the text that holds them. One change for the whole list.
void SwapLines(QStringList& lines);
void SwapLines(StringList& lines);

// The first free name "<name> (n).txt" beside a dictionary, n = 1, 2, 3 ...
QString FreeCopyPath(const QString& dictPath, const QString& dictDir);

// Copies a dictionary file under the first free copy name, never replacing a file. Returns the
// copy's path; throws FileError when the copy fails.
QString CopyDictionaryFile(const QString& dictPath, const QString& dictDir);
