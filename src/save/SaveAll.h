#pragma once

#include "cards/LearningHistory.h"
#include "cards/StoreFiles.h"
#include "settings/SettingsRecord.h"

#include <QString>

#include <optional>

class DictionaryStore;

// Everything one save writes, taken as values on the thread that owns the store, so that the
// writing can run on another thread.
struct SaveSnapshot
{
    QString dataFilePath;
    DataRecord record;
    StoreFiles files;
    // The learning history, when the save writes one.
    QString historyPath;
    std::optional<LearningHistory> history;
};

// Takes what the save writes now.
SaveSnapshot takeSnapshot(DictionaryStore& store, const DataRecord& record,
                          const LearningHistory* history = nullptr);
// Writes a snapshot: the settings record, then the store's files, then the history. Touches no
// object but the snapshot, so it may run on any thread. Throws FileError at the first step that
// fails; the steps before it stay written.
void writeSnapshot(SaveSnapshot& snapshot);

// The save of everything the program owns: the settings record, then the open dictionary when
// its lines changed, the pointer to it, the learnt list, the progress and, when given, the
// learning history, in this order. Throws FileError at the first step that fails; the steps
// before it stay written.
void SaveAll(DictionaryStore& store, const DataRecord& record,
             const LearningHistory* history = nullptr);
