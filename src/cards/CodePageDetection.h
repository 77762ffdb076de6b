#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The single-byte code page that reads bytes best: each page's reading is judged by how many of
// its words beyond ASCII are words of a language written in that page (letters of its alphabet,
// in lower case, capitalised or all capitals). Readings that are equally good are told apart by
// ICU's charset detector when it is clearly sure, else by localePage. Bytes that are all ASCII,
// bytes that no page reads as words, and a localePage that is not a single-byte page give
// localePage.
QByteArray detectCodePage(QByteArrayView bytes, const QByteArray& localePage);
