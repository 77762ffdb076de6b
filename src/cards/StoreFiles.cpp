#include "cards/StoreFiles.h"

#include "cards/FileError.h"
#include "cards/ProgressStore.h"
#include "cards/TextFile.h"

#include <QDir>

void writeStoreFiles(StoreFiles& files)
{
    if (files.writeDictionary) {
        files.backups.beforeRewrite(files.dictPath);
        TextFile::writeLines(files.dictPath, files.dictLines);
    }
    const qsizetype slash = files.pointerPath.lastIndexOf(u'/');
    if (slash > 0)
        QDir().mkpath(files.pointerPath.left(slash));
    TextFile::writeOnePath(files.pointerPath, files.dictPath);
    if (!files.learntError.isEmpty())
        throw FileError(files.learntError);
    TextFile::writeLines(files.learntPath, files.learnt);
    if (!files.dictPath.isEmpty())
        IniWrite(files.progressPath, files.dictPath, files.learntNumber);
}
