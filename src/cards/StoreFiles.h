#pragma once

#include "cards/ChunkedLines.h"
#include "cards/DictionaryBackups.h"

#include <QString>
#include <QStringList>

// What the dictionary store writes, taken as plain values so that it can be written on another
// thread while the lists in memory change: the lists are implicitly shared, so taking them
// copies nothing until one side changes.
struct StoreFiles
{
    // The open dictionary's lines, written only when writeDictionary is set.
    bool writeDictionary = false;
    QString dictPath;
    ChunkedLines dictLines;
    // Which change of the dictionary's lines dictLines holds.
    quint64 dictGeneration = 0;

    QString pointerPath;
    QString learntPath;
    QStringList learnt;
    // Why the learnt list file could not be read for the merge; the write stops there.
    QString learntError;
    QString progressPath;
    qint32 learntNumber = 0;

    // The store's backups as they were; the write makes the first-rewrite copy through them
    // and hands them back changed.
    DictionaryBackups backups{QString()};
};

// Writes the dictionary when asked (after its first-rewrite backup), the pointer to it, the
// learnt list and the progress, in this order, each file atomically. Throws FileError at the
// first step that fails. Touches nothing but files and files.backups.
void writeStoreFiles(StoreFiles& files);
