#pragma once

#include <QImage>
#include <QString>

// The picture file of one half of the play screen in one mode, as the view editor's OK leaves
// it: written as JPEG when the half shows a picture, gone when it shows a plain colour.
namespace BackgroundPictureFile {

// JPEG quality of the written pictures.
inline constexpr int JpegQuality = 90;

// The picture as a JPEG file will hold it: transparent parts laid over white, since JPEG has
// no transparency. A picture that shows this from the start looks the same after a restart.
QImage opaque(const QImage& picture);

// Writes the picture as a JPEG file, replacing the file there; a failed write leaves the old
// file. Throws FileError with the system's message.
void write(const QString& path, const QImage& picture);

// Deletes the file when there is one. Throws FileError when it stays.
void remove(const QString& path);

} // namespace BackgroundPictureFile
