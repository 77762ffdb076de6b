#pragma once

#include <QString>
#include <QStringList>

// The file name part of a path, without its extension when that is .txt, .exe, .bmp, .jpeg or
// .jpg in any letter case: ".../Words.txt" gives "Words", "Notes.doc" stays "Notes.doc".
QString BareFileName(const QString& Path);

// The full paths of the files directly in Folder whose names match Pattern ("*" matches any
// run, letter case ignored), in name order.
QStringList ListFiles(const QString& Folder, const QString& Pattern);

// stem + " (n).txt", built in one pass, so a "%1" in the stem stays as it is.
QString NumberedTxtName(const QString& stem, int n);

// Replaces every path by its file name without the last extension, whatever that is.
QStringList& NamesWithoutExt(QStringList& List);
