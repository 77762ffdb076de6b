#include "cards/TextImport.h"

#include "cards/FileError.h"
#include "cards/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TextImport {

QString baseName(const QString& pickedPath)
{
    const QString name = QFileInfo(pickedPath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    QString base = dot < 0 ? name : name.left(dot);
    // A name starting with a dot would be a hidden file, which the dictionary list never shows.
    while (base.startsWith(u'.'))
        base.remove(0, 1);
    if (base.trimmed().isEmpty())
        return QStringLiteral("Imported");
    return base;
}

QString freeTarget(const QString& pickedPath, const QString& dictDir)
{
    const QString stem = QDir(dictDir).filePath(baseName(pickedPath));
    QString candidate = stem + QLatin1String(".txt");
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = NumberedTxtName(stem, n);
    return candidate;
}

QString copyIntoDictionaries(const QString& pickedPath, const QString& dictDir)
{
    const QString target = freeTarget(pickedPath, dictDir);
    QFile source(pickedPath);
    if (!source.copy(target))
        throw FileError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(pickedPath),
                                                     source.errorString()));
    return target;
}

} // namespace TextImport
