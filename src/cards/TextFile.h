#pragma once

#include "cards/LegacyEncoding.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class ChunkedLines;

// Reading and writing the program's text files.
//
// Reading: a byte-order mark (UTF-8, UTF-16 LE, UTF-16 BE) decides the encoding; text without
// one is UTF-16 when its bytes say so (see UnmarkedUtf16.h), else read by the legacy encoding,
// whose 8-bit page is the one that fits the bytes best (see CodePageDetection.h). CR LF, a lone
// CR and a lone LF end lines; a NUL ends the text; a final line break starts no extra line.
// Writing: every write goes through QSaveFile, so a crash leaves the old file or the new one.
namespace TextFile {

// Decodes file bytes by their mark; `failed` tells whether the bytes broke the encoding.
QString decode(QByteArrayView bytes, const LegacyEncoding& encoding, bool* failed = nullptr);
// The forced second reading: the whole file, mark bytes included, in the 8-bit page that fits
// its bytes best.
QString decodeForced(QByteArrayView bytes, const LegacyEncoding& encoding);
QStringList splitLines(QStringView text);
// The same lines as views of text, which must outlive them.
QList<QStringView> lineViews(QStringView text);
// The text of a file's bytes as readLines reads it: by its mark, and bytes that break their
// encoding read again in the 8-bit page.
QString textOf(QByteArrayView bytes, const LegacyEncoding& encoding = programLegacyEncoding());

// What reading a file's lines found beside them.
struct ReadForm
{
    // The file was UTF-8 text (marked or not) or all ASCII, so UTF-8 writes the same text.
    bool utf8 = true;
    // How many lines the reader's keep refused.
    qsizetype refusedLines = 0;
};

// Reads a whole file; throws FileError with the system's message when it cannot be read.
QByteArray readBytes(const QString& path);
// Reads a file's lines; bytes that break their encoding are read again in the 8-bit page.
// With keep, only the lines it accepts are made into strings. With form, tells what was read.
// Throws FileError only when the file cannot be read at all.
QStringList readLines(const QString& path, const LegacyEncoding& encoding = programLegacyEncoding(),
                      bool (*keep)(QStringView line) = nullptr, ReadForm* form = nullptr);
// The same, the lines kept in chunks as they are read.
ChunkedLines readChunkedLines(const QString& path,
                              const LegacyEncoding& encoding = programLegacyEncoding(),
                              bool (*keep)(QStringView line) = nullptr, ReadForm* form = nullptr);
// Reads a file holding one path: its whole text, trimmed of whitespace and control characters.
// Text without a mark that is valid UTF-8 reads as UTF-8 on every locale, since that is how
// the program writes it.
QString readOnePath(const QString& path, const LegacyEncoding& encoding = programLegacyEncoding());

// Writes lines as UTF-8 with a byte-order mark, every line ended by CR LF. Throws FileError.
void writeLines(const QString& path, const QStringList& lines);
void writeLines(const QString& path, const ChunkedLines& lines);
// Writes one path as UTF-8 without a mark, ended by CR LF; an empty path gives an empty file.
void writeOnePath(const QString& path, const QString& text);
// Writes raw bytes atomically. Throws FileError.
void writeBytes(const QString& path, QByteArrayView bytes);
// Copies a file atomically: the copy appears under its name only when complete, replacing a
// file of that name. Throws FileError.
void copyFile(const QString& from, const QString& to);

} // namespace TextFile
