#include "cards/DictionaryOperations.h"

#include "cards/CardLine.h"
#include "cards/FileError.h"
#include "cards/FileNames.h"

#include <QFile>
#include <QFileInfo>

void SwapLines(QStringList& lines)
{
    for (QString& line : lines)
        line = ValueOf(line) + QLatin1String(" = ") + KeyOf(line);
}

void SwapLines(StringList& lines)
{
    lines.edit([](QStringList& all) { SwapLines(all); });
}

QString FreeCopyPath(const QString& dictPath, const QString& dictDir)
{
    const QString base = dictDir + u'/' + BareFileName(dictPath);
    for (int n = 1;; ++n) {
        const QString candidate = NumberedTxtName(base, n);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

QString CopyDictionaryFile(const QString& dictPath, const QString& dictDir)
{
    const QString copy = FreeCopyPath(dictPath, dictDir);
    QFile source(dictPath);
    if (!source.copy(copy))
        throw FileError(QStringLiteral("%1: %2").arg(dictPath, source.errorString()));
    return copy;
}
