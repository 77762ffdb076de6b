#include "save/SaveAll.h"

#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "settings/SettingsFile.h"

SaveSnapshot takeSnapshot(DictionaryStore& store, const DataRecord& record,
                          const LearningHistory* history)
{
    SaveSnapshot snapshot{store.paths().DataFilePath, record, store.ownFiles(), {}, {}};
    if (history) {
        snapshot.historyPath = store.paths().HistoryPath;
        snapshot.history = *history;
    }
    return snapshot;
}

void writeSnapshot(SaveSnapshot& snapshot)
{
    writeDataFile(snapshot.dataFilePath, snapshot.record);
    writeStoreFiles(snapshot.files);
    if (snapshot.history)
        writeHistoryFile(snapshot.historyPath, *snapshot.history);
}

void SaveAll(DictionaryStore& store, const DataRecord& record, const LearningHistory* history)
{
    store.waitForRunningSave();
    SaveSnapshot snapshot = takeSnapshot(store, record, history);
    try {
        writeSnapshot(snapshot);
    } catch (const FileError&) {
        store.ownFilesWritten(snapshot.files, false);
        throw;
    }
    store.ownFilesWritten(snapshot.files, true);
}
