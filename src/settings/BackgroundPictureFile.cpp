#include "settings/BackgroundPictureFile.h"

#include "cards/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace BackgroundPictureFile {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

QImage opaque(const QImage& picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

void write(const QString& path, const QImage& picture)
{
    if (picture.isNull())
        fail(path, QCoreApplication::translate("BackgroundPictureFile", "there is no picture"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    QImageWriter writer(&file, "jpg");
    writer.setQuality(JpegQuality);
    if (!writer.write(opaque(picture)))
        fail(path, writer.errorString());
    if (!file.commit())
        fail(path, file.errorString());
}

void remove(const QString& path)
{
    QFile file(path);
    if (file.exists() && !file.remove())
        fail(path, file.errorString());
}

} // namespace BackgroundPictureFile
