#pragma once

#include "cards/ChunkedLines.h"
#include "cards/DictionaryBackups.h"

#include <QHash>
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
    // The lines learnt in this run and those taken back, merged into the learnt list file by
    // the write (see LearntMerge.h).
    ChunkedLines learnt;
    QStringList learntTakenBack;
    // What the merge found: for each line learnt in this run, whether the file held it before.
    QHash<QString, bool> learntFileHad;
    QString progressPath;
    qint32 learntNumber = 0;

    // The store's backups as they were; the write makes the first-rewrite copy through them
    // and hands them back changed.
    DictionaryBackups backups{QString()};
};

// Writes the dictionary when asked, after its first-rewrite backup: the first step of
// writeStoreFiles, also taken alone before the window leaves a dictionary. Throws FileError.
void writeStoreDictionary(StoreFiles& files);

// Writes the dictionary when asked (after its first-rewrite backup), the pointer to it, the
// learnt list merged and the progress, in this order, each file atomically. Throws FileError at
// the first step that fails. Touches nothing but files, files.backups and files.learntFileHad.
void writeStoreFiles(StoreFiles& files);
