#pragma once

#include "cards/DataPaths.h"
#include "cards/DictionaryBackups.h"
#include "cards/StoreFiles.h"
#include "cards/StringList.h"
#include "cards/TextFile.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// The open dictionary and the learnt lines in memory, and the files behind them: listing the
// dictionaries, opening one, and writing the files of the dictionary and the learning.
class DictionaryStore : public QObject
{
    Q_OBJECT

public:
    // One entry of the dictionary list: the name shown and the file it opens.
    struct DictItem
    {
        QString name;
        QString fileName;
        bool operator==(const DictItem&) const = default;
    };

    // What opening a dictionary asks of the window.
    struct LoadResult
    {
        // The file holds no card line, and the caller asked to be told.
        bool noProperLines = false;
    };

    struct DictList
    {
        QList<DictItem> items;
        LoadResult load;
    };

    // The counters strip after a change of the dictionary or the learnt lines.
    struct Counters
    {
        QString dictName;
        qsizetype lines = 0;
        qsizetype learntToday = 0;
    };

    // How the first rewrite of the open dictionary in this run changes its file.
    struct FormChange
    {
        // The file was not UTF-8, and is written as UTF-8.
        bool encoding = false;
        // Lines that were not cards, which the rewrite leaves out.
        qsizetype droppedLines = 0;

        bool isEmpty() const { return !encoding && droppedLines == 0; }
        bool operator==(const FormChange&) const = default;
    };

    explicit DictionaryStore(DataPaths paths, QObject* parent = nullptr);

    const DataPaths& paths() const { return m_paths; }
    const DictionaryBackups& backups() const { return m_backups; }

    // Lists the dictionaries of the dictionaries folder and reopens the open one.
    DictList LoadDictionaries();
    // Opens the dictionary FileName (a bare name or a path; its folder is ignored). The open
    // dictionary's unsaved changes and progress are written first. Throws FileError when the
    // open dictionary cannot be written; then nothing has changed.
    LoadResult LoadMyDict(const QString& FileName, bool ShowWarningAndZero);

    // LoadMyDict in three steps, so that a long file can be read on a worker thread: the first
    // step writes the open dictionary as LoadMyDict does and returns the path to read, or an
    // empty path when FileName names no dictionary; the second reads the file in the 8-bit
    // page given; the last opens the lines read.
    struct ReadLines
    {
        ChunkedLines cards;
        TextFile::ReadForm form;
    };
    QString beginLoad(const QString& FileName);
    static ReadLines readDictionary(const QString& path, const LegacyEncoding& encoding);
    LoadResult endLoad(ReadLines read, bool ShowWarningAndZero);

    // LoadDictionaries in the same steps: beginList lists the dictionaries and begins to reopen
    // the open one, with the path to read (see beginLoad); endList opens the lines read.
    struct Listing
    {
        QList<DictItem> items;
        QString path;
    };
    Listing beginList();
    DictList endList(Listing listing, ReadLines read);

    // The learnt list file merged with the lines learnt in this run: sorted, each line once.
    // A line taken back in this run leaves it, unless the file held it before the run.
    QStringList MergedLearntList() const;
    // Takes the latest learning of line back out of the learnt lines.
    void takeBackLearnt(const QString& line);
    // Writes the open dictionary when its lines changed, the pointer to it, the learnt list and
    // the progress, in this order. Throws FileError at the first step that fails.
    void SaveOwnFiles();
    // The same save in two halves, for writing on another thread: what to write, taken now,
    // and once writeStoreFiles has run, its outcome: the backups it made, and when it
    // succeeded, the note that the dictionary is on disk unless its lines changed meanwhile.
    StoreFiles ownFiles();
    void ownFilesWritten(const StoreFiles& files, bool succeeded);
    // A save running on another thread: every file operation of the store first waits for it
    // through this call, so that no two writers meet on a file.
    void setWaitForRunningSave(std::function<void()> wait)
    {
        m_waitForRunningSave = std::move(wait);
    }
    void waitForRunningSave() const;
    // Writes the open dictionary when its lines changed since it was read or written: opening,
    // browsing and saving settings or counters leave the file's bytes as they are.
    void SaveDictionaryIfModified();

    void IniRead();
    void IniWrite();
    void IniDelete();

    Counters counters() const;
    // The file name of the open dictionary, or empty when none is open.
    QString openFileName() const;

    StringList MyDictSL;
    StringList LearntSL;
    QString MyDictPath;
    qint32 LearntNumber = 0;
    bool FirstDictLoad = true;

signals:
    // Every change of MyDictSL or LearntSL, once per batch.
    void countersChanged();
    void learntNumberChanged(qint32 number);
    // The first rewrite of a dictionary in this run changed its form; the file as it was is in
    // the backups folder.
    void formChanged(const DictionaryStore::FormChange& change);

private:
    bool isInDictDir(const QString& path) const;
    void writeNow(void (*write)(StoreFiles&));

    DataPaths m_paths;
    DictionaryBackups m_backups;
    // For each line learnt in this run and written to the learnt list file: whether the file
    // held it before.
    QHash<QString, bool> m_learntFileHadBefore;
    // Lines of this run's learning taken back after they were written to the learnt list file.
    QStringList m_takenBack;
    bool m_dictModified = false;
    // Counts the changes of the dictionary's lines.
    quint64 m_dictGeneration = 0;
    FormChange m_formChange;
    std::function<void()> m_waitForRunningSave;
};
