// The settings record from any bytes: a short input is refused and leaves the record alone;
// a long one decodes to a record that encodes back to the same bytes it reads as.
#include "FuzzInput.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsRecordCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes = fuzzBytes(data, size);
    const QByteArray defaults = encodeDataRecord(defaultDataRecord());
    DataRecord record = defaultDataRecord();
    const bool decoded = decodeDataRecord(bytes, record);
    FUZZ_CHECK(decoded == (size >= size_t(DataRecordSize)));
    const QByteArray encoded = encodeDataRecord(record);
    FUZZ_CHECK(encoded.size() == DataRecordSize);
    if (!decoded) {
        FUZZ_CHECK(encoded == defaults);
        return 0;
    }
    FUZZ_CHECK(record.LearningMode >= 0 && record.LearningMode < ModeCount);
    DataRecord again = defaultDataRecord();
    FUZZ_CHECK(decodeDataRecord(encoded, again));
    FUZZ_CHECK(encodeDataRecord(again) == encoded);
    return 0;
}
