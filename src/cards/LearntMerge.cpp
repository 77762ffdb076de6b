#include "cards/LearntMerge.h"

#include "cards/SortAndMix.h"
#include "cards/TextFile.h"

#include <QFileInfo>
#include <QSet>

LearntMerge mergeLearnt(const QString& path, const ChunkedLines& learnt,
                        const QStringList& takenBack)
{
    LearntMerge merge;
    if (QFileInfo::exists(path))
        merge.lines = TextFile::readLines(path);
    const QSet<QString> inFile(merge.lines.cbegin(), merge.lines.cend());
    for (const QString& line : learnt)
        merge.fileHad.insert(line, inFile.contains(line));
    for (const QString& line : takenBack)
        if (!learnt.contains(line))
            merge.lines.removeAll(line);
    merge.lines.reserve(merge.lines.size() + learnt.size());
    for (const QString& line : learnt)
        merge.lines.append(line);
    SortUnique(merge.lines);
    return merge;
}
