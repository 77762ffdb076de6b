#include "save/SaveAll.h"

#include "cards/DictionaryStore.h"
#include "cards/LearningHistory.h"
#include "settings/SettingsFile.h"

void SaveAll(DictionaryStore& store, const DataRecord& record, const LearningHistory* history)
{
    writeDataFile(store.paths().DataFilePath, record);
    store.SaveOwnFiles();
    if (history)
        writeHistoryFile(store.paths().HistoryPath, *history);
}
