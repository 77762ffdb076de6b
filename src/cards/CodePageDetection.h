#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The single-byte code page that reads bytes best (windows-1250 to 1257, KOI8-R, KOI8-U, IBM866
// and the ISO-8859 pages): each page's reading is judged by how many of its words beyond ASCII
// are words of a language written in that page (letters of its alphabet, in lower case,
// capitalised or all capitals). Of Latin readings equally good, the one whose letters a smaller
// alphabet explains wins; readings still equal are told apart by ICU's charset detector when it
// is clearly sure, else by localePage. Bytes that are all ASCII, bytes that no page reads as
// words, and a localePage that is not one of those pages give localePage. Only the first 64 KB
// are looked at.
QByteArray detectCodePage(QByteArrayView bytes, const QByteArray& localePage);
