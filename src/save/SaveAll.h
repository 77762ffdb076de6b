#pragma once

class DictionaryStore;
class LearningHistory;
struct DataRecord;

// The save of everything the program owns: the settings record, then the open dictionary when
// its lines changed, the pointer to it, the learnt list, the progress and, when given, the
// learning history, in this order. Throws FileError at the first step that fails; the steps
// before it stay written.
void SaveAll(DictionaryStore& store, const DataRecord& record,
             const LearningHistory* history = nullptr);
