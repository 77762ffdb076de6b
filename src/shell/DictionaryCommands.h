#pragma once

#include "cards/DictionaryStore.h"
#include "engine/DoubleClick.h"

#include <QString>
#include <QStringList>

#include <functional>

struct WindowParts;

// The Dictionaries tab's operations: opening from the list, Mix, Sort, Swap, Copy, Delete, the
// list viewer's three lists and the text import.
class DictionaryCommands
{
public:
    explicit DictionaryCommands(WindowParts& parts);

    // A click on an item opens it; a double click also goes to the card screen.
    void TextListBoxItemClick(const QString& fileName);
    void openFromList(const QString& fileName);
    // Enables the operations that need a dictionary when one is open.
    void Enables0Execute();

    void Mix00Execute();
    void Sort00Execute();
    void Swap0Execute();
    void Copy00Execute();
    void Delete00Execute();
    void Look00Execute();
    void Learnt00Execute();
    void LearntToday0Execute();
    void FromFile0Execute();

private:
    void openDictionaryResult(const QString& fileName, bool warn);
    // Runs next once a long open dictionary's unsaved lines are written on a worker thread, or at
    // once (the store writes a short dictionary's itself when it leaves it); when they cannot be
    // written, shows why and runs failed instead.
    void afterLongDictionaryWritten(const std::function<void()>& next,
                                    const std::function<void()>& failed = {});
    // Reads the dictionary at path and hands its lines to use.
    void readDictionary(const QString& path,
                        const std::function<void(DictionaryStore::ReadLines)>& use);
    // Lists the dictionaries again, then runs next.
    void listDictionaries(const std::function<void()>& next);
    void opened(const DictionaryStore::LoadResult& result);
    void openImportedDictionary(const QString& path);
    void tellNoProperLines(bool noProperLines);
    void showList(const QString& title, const QStringList& lines, const QString& count);
    // The message after an operation on the whole dictionary, with its number of cards.
    void tellDone(const QString& done);
    void tellCopied(const QString& copy);
    // Runs replace, which gives the open dictionary new lines after long work, and frees the lines
    // it replaced bit by bit afterwards.
    void replaceLines(const std::function<void()>& replace);
    // Changes every line of the open dictionary, then tells what was done.
    void changeAllLines(const std::function<void(QStringList&)>& change, const QString& done);

    WindowParts& m_parts;
    DoubleClick m_listDoubleClick;
};
