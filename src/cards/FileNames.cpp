#include "cards/FileNames.h"

#include <QDir>

namespace {

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

QString BareFileName(const QString& Path)
{
    const QString name = fileNameOf(Path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return name;
    static const QStringList cut{".TXT", ".EXE", ".BMP", ".JPEG", ".JPG"};
    const QString extension = name.mid(dot).toUpper();
    return cut.contains(extension) ? name.left(dot) : name;
}

QStringList ListFiles(const QString& Folder, const QString& Pattern)
{
    QStringList paths;
    const QFileInfoList files =
        QDir(Folder).entryInfoList({Pattern}, QDir::Files | QDir::NoDotAndDotDot,
                                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& file : files)
        paths.append(file.absoluteFilePath());
    return paths;
}

QStringList& NamesWithoutExt(QStringList& List)
{
    for (QString& path : List) {
        QString name = fileNameOf(path);
        const qsizetype dot = name.lastIndexOf(u'.');
        path = dot < 0 ? name : name.left(dot);
    }
    return List;
}

QString NumberedTxtName(const QString& stem, int n)
{
    return stem + QLatin1String(" (") + QString::number(n) + QLatin1String(").txt");
}
