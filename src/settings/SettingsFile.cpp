#include "settings/SettingsFile.h"

#include "cards/TextFile.h"
#include "settings/SettingsRecordCodec.h"

#include <QFile>

SettingsFileStatus readDataFile(const QString& path, DataRecord& record)
{
    if (!QFile::exists(path))
        return SettingsFileStatus::NoFile;

    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(DataRecordSize);
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();

    // A damaged file is dropped whole: taking the part of it that exists would leave the
    // record holding settings the screen does not show, and the next save would keep them.
    if (readFailed || !decodeDataRecord(bytes, record)) {
        QFile::remove(path);
        return SettingsFileStatus::Discarded;
    }
    return SettingsFileStatus::Loaded;
}

void writeDataFile(const QString& path, const DataRecord& record)
{
    TextFile::writeBytes(path, encodeDataRecord(record));
}
