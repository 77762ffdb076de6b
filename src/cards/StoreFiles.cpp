#include "cards/StoreFiles.h"

#include "cards/LearntMerge.h"
#include "cards/ProgressStore.h"
#include "cards/TextFile.h"

#include <QDir>

void writeStoreDictionary(StoreFiles& files)
{
    if (!files.writeDictionary)
        return;
    files.backups.beforeRewrite(files.dictPath);
    TextFile::writeLines(files.dictPath, files.dictLines);
}

void writeStoreFiles(StoreFiles& files)
{
    writeStoreDictionary(files);
    const qsizetype slash = files.pointerPath.lastIndexOf(u'/');
    if (slash > 0)
        QDir().mkpath(files.pointerPath.left(slash));
    TextFile::writeOnePath(files.pointerPath, files.dictPath);
    LearntMerge merge = mergeLearnt(files.learntPath, files.learnt, files.learntTakenBack);
    files.learntFileHad = std::move(merge.fileHad);
    TextFile::writeLines(files.learntPath, merge.lines);
    if (!files.dictPath.isEmpty())
        IniWrite(files.progressPath, files.dictPath, files.learntNumber);
}
