#pragma once

#include "cards/ChunkedLines.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The learnt list file merged with the lines learnt in this run: sorted, each line once. A
// line taken back in this run leaves it unless it was learnt again. Sorting a long learnt list
// takes long, so a save merges it on its worker thread.
struct LearntMerge
{
    QStringList lines;
    // For each line learnt in this run: whether the file held it before this merge.
    QHash<QString, bool> fileHad;
};

// Reads the file at path (a missing file holds no lines) and merges. Throws FileError when it
// cannot be read.
LearntMerge mergeLearnt(const QString& path, const ChunkedLines& learnt,
                        const QStringList& takenBack);
