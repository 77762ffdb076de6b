#pragma once

#include <QString>

// Bringing a text file from anywhere into the dictionaries folder as a new dictionary.
namespace TextImport {

// The name an imported file goes by: its file name without the folder and without its last
// extension, whatever that is. A name that would be empty, blank or hidden (".txt", " .txt")
// becomes "Imported"; leading dots are dropped (".notes.txt" is imported as "notes").
QString baseName(const QString& pickedPath);

// The first free target in dictDir: "<base>.txt", then "<base> (1).txt", "<base> (2).txt" ...
QString freeTarget(const QString& pickedPath, const QString& dictDir);

// Copies the picked file byte for byte to its free target, never replacing a file (a file that
// appeared under that name in the meantime fails the copy). Returns the target's path. Throws
// FileError with the system's message when the copy fails; then no file was made.
QString copyIntoDictionaries(const QString& pickedPath, const QString& dictDir);

} // namespace TextImport
