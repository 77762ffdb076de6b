#pragma once

#include "settings/SettingsRecord.h"

#include <QString>

// What reading the settings file did to the record.
enum class SettingsFileStatus
{
    // The file's first record has been decoded into the record; the window applies it.
    Loaded,
    // There was no file; the record is unchanged.
    NoFile,
    // The file could not be read or was shorter than one record: it has been deleted and the
    // record is unchanged.
    Discarded,
};

// Reads the first record of the settings file at path into record. Bytes after the first
// record are ignored and the file is left as it is; the next write shortens it.
SettingsFileStatus readDataFile(const QString& path, DataRecord& record);

// Replaces the settings file at path with record, atomically: a crash leaves the old file or
// the new one. Throws FileError when the file cannot be written.
void writeDataFile(const QString& path, const DataRecord& record);
