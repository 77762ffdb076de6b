#include "save/SaveAll.h"

#include "cards/DictionaryStore.h"
#include "settings/SettingsFile.h"

void SaveAll(DictionaryStore& store, const DataRecord& record)
{
    writeDataFile(store.paths().DataFilePath, record);
    store.SaveOwnFiles();
}
