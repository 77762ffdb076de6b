#pragma once

class DictionaryStore;
struct DataRecord;

// The save of everything the program owns: the settings record, then the open dictionary when
// its lines changed, the pointer to it, the learnt list and the progress, in this order. Throws
// FileError at the first step that fails; the steps before it stay written.
void SaveAll(DictionaryStore& store, const DataRecord& record);
