#pragma once

#include "settings/SettingsRecord.h"

#include <QByteArray>
#include <QByteArrayView>

// The settings file's byte image of a DataRecord: DataRecordSize bytes, little-endian, each
// field at its fixed offset. Booleans are written as 0 or 1; reserved fields and padding are
// written as the record holds them.
QByteArray encodeDataRecord(const DataRecord& record);

// Decodes the first DataRecordSize bytes of bytes into record. Returns false, leaving record
// untouched, when bytes is shorter. Any non-zero Boolean byte reads as true.
// ShowPhoneticCheckBox and PhoneticTicked are saved but never restored: they keep the values
// record holds. A LearningMode outside 0..2 reads as 0.
[[nodiscard]] bool decodeDataRecord(QByteArrayView bytes, DataRecord& record);
