#include "cards/RememberedFolder.h"

#include "cards/FileError.h"
#include "cards/TextFile.h"

#include <QFileInfo>

RememberedFolder::RememberedFolder(QString filePath) : m_filePath(std::move(filePath)) {}

void RememberedFolder::load()
{
    if (!QFileInfo::exists(m_filePath))
        return;
    try {
        DirName = TextFile::readOnePath(m_filePath);
    } catch (const FileError&) {
        // An unreadable file only costs the starting folder; the pick goes on.
    }
}

QString RememberedFolder::startFolder() const
{
    return !DirName.isEmpty() && QFileInfo(DirName).isDir() ? DirName : QString();
}

void RememberedFolder::pick(const QString& pickedPath)
{
    DirName = QFileInfo(pickedPath).absolutePath();
}

void RememberedFolder::save() const
{
    TextFile::writeOnePath(m_filePath, DirName);
}
