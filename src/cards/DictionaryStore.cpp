#include "cards/DictionaryStore.h"

#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/FileError.h"
#include "cards/FileNames.h"
#include "cards/LearntMerge.h"
#include "cards/ProgressStore.h"
#include "cards/TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

} // namespace

DictionaryStore::DictionaryStore(DataPaths paths, QObject* parent)
    : QObject(parent), m_paths(std::move(paths)),
      m_backups(m_paths.DataDir + QLatin1String("/Backups"))
{
    connect(&MyDictSL, &StringList::Changed, this, [this] {
        m_dictModified = true;
        ++m_dictGeneration;
        emit countersChanged();
    });
    connect(&LearntSL, &StringList::Changed, this, &DictionaryStore::countersChanged);
}

DictionaryStore::DictList DictionaryStore::LoadDictionaries()
{
    Listing listing = beginList();
    ReadLines read;
    if (!listing.path.isEmpty())
        read = readDictionary(listing.path, programLegacyEncoding());
    return endList(std::move(listing), std::move(read));
}

DictionaryStore::Listing DictionaryStore::beginList()
{
    Listing list;
    QStringList files = ListFiles(m_paths.DictDir, QStringLiteral("*.txt"));
    QStringList names = files;
    NamesWithoutExt(names);
    for (qsizetype i = 0; i < files.size(); ++i)
        if (!names[i].trimmed().isEmpty())
            list.items.append({names[i], fileNameOf(files[i])});
    // By the name shown, so that "Words" comes before "Words (1)" and "Lesson 2" before
    // "Lesson 10".
    std::stable_sort(list.items.begin(), list.items.end(),
                     [](const DictItem& a, const DictItem& b) {
                         return Collation::names().compare(a.name, b.name) < 0;
                     });
    list.path = beginLoad(MyDictPath);
    return list;
}

DictionaryStore::DictList DictionaryStore::endList(Listing listing, ReadLines read)
{
    DictList list;
    list.items = std::move(listing.items);
    if (!listing.path.isEmpty())
        list.load = endLoad(std::move(read), false);
    emit learntNumberChanged(LearntNumber);
    return list;
}

DictionaryStore::LoadResult DictionaryStore::LoadMyDict(const QString& FileName,
                                                        bool ShowWarningAndZero)
{
    const QString path = beginLoad(FileName);
    if (path.isEmpty())
        return {};
    return endLoad(readDictionary(path, programLegacyEncoding()), ShowWarningAndZero);
}

QString DictionaryStore::beginLoad(const QString& FileName)
{
    waitForRunningSave();
    SaveDictionaryIfModified();
    if (!FirstDictLoad && QFileInfo::exists(MyDictPath))
        IniWrite();
    FirstDictLoad = false;

    // The file the name stands for: a listed file keeps its own name, a bare name gets ".txt".
    QString fileName = fileNameOf(FileName);
    if (!fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        fileName += QLatin1String(".txt");
    MyDictPath = m_paths.DictDir + u'/' + fileName;
    if (fileName == QLatin1String(".txt") || !QFileInfo(MyDictPath).isFile()) {
        MyDictPath.clear();
        return {};
    }

    IniRead();
    return MyDictPath;
}

DictionaryStore::ReadLines DictionaryStore::readDictionary(const QString& path,
                                                           const LegacyEncoding& encoding)
{
    ReadLines read;
    try {
        // Only card lines become strings: the others are dropped while the text is read.
        read.cards = TextFile::readChunkedLines(path, encoding, IsVocabula, &read.form);
    } catch (const FileError&) {
        // An unreadable dictionary opens empty; the learner is told below.
    }
    return read;
}

DictionaryStore::LoadResult DictionaryStore::endLoad(ReadLines read, bool ShowWarningAndZero)
{
    MyDictSL.BeginUpdate();
    MyDictSL.setLines(std::move(read.cards));
    MyDictSL.EndUpdate();
    m_dictModified = false;
    m_formChange = {!read.form.utf8, read.form.refusedLines};

    return {MyDictSL.isEmpty() && ShowWarningAndZero};
}

QString DictionaryStore::openFileName() const
{
    return MyDictPath.isEmpty() ? QString() : fileNameOf(MyDictPath);
}

QStringList DictionaryStore::MergedLearntList() const
{
    waitForRunningSave();
    return mergeLearnt(m_paths.LearntPath, LearntSL.chunked(), m_takenBack).lines;
}

void DictionaryStore::takeBackLearnt(const QString& line)
{
    // A running save may be writing the line to the file: what the file held before comes
    // with its outcome.
    waitForRunningSave();
    const qsizetype entry = LearntSL.chunked().lastIndexOf(line);
    if (entry < 0)
        return;
    LearntSL.removeAt(entry);
    if (!m_learntFileHadBefore.value(line, true))
        m_takenBack.append(line);
}

void DictionaryStore::SaveOwnFiles()
{
    writeNow(writeStoreFiles);
}

// Writes what ownFiles takes now, with its outcome noted as for a save on another thread.
void DictionaryStore::writeNow(void (*write)(StoreFiles&))
{
    waitForRunningSave();
    StoreFiles files = ownFiles();
    try {
        write(files);
    } catch (const FileError&) {
        ownFilesWritten(files, false);
        throw;
    }
    ownFilesWritten(files, true);
}

StoreFiles DictionaryStore::ownFiles()
{
    StoreFiles files;
    files.writeDictionary = m_dictModified && !MyDictPath.isEmpty() && isInDictDir(MyDictPath);
    files.dictPath = MyDictPath;
    if (files.writeDictionary)
        files.dictLines = MyDictSL.chunked();
    files.dictGeneration = m_dictGeneration;
    files.pointerPath = m_paths.LastDictFilePath;
    files.learntPath = m_paths.LearntPath;
    files.learnt = LearntSL.chunked();
    files.learntTakenBack = m_takenBack;
    files.progressPath = m_paths.LearntNumbersPath;
    files.learntNumber = LearntNumber;
    files.backups = m_backups;
    return files;
}

// The first rewrite of a dictionary in this run tells once when the file changed form.
void DictionaryStore::ownFilesWritten(const StoreFiles& files, bool succeeded)
{
    m_backups = files.backups;
    // The first merge after a line was learnt tells whether the file held it before this run.
    for (auto had = files.learntFileHad.cbegin(); had != files.learntFileHad.cend(); ++had)
        if (!m_learntFileHadBefore.contains(had.key()))
            m_learntFileHadBefore.insert(had.key(), had.value());
    if (!succeeded || !files.writeDictionary || files.dictPath != MyDictPath)
        return;
    if (files.dictGeneration == m_dictGeneration)
        m_dictModified = false;
    const FormChange change = std::exchange(m_formChange, {});
    if (!change.isEmpty())
        emit formChanged(change);
}

void DictionaryStore::waitForRunningSave() const
{
    if (m_waitForRunningSave)
        m_waitForRunningSave();
}

// The first rewrite of a dictionary file in a run keeps its previous version as a backup, and
// tells once when the file changes form.
void DictionaryStore::SaveDictionaryIfModified()
{
    writeNow(writeStoreDictionary);
}

void DictionaryStore::IniRead()
{
    try {
        LearntNumber = ::IniRead(m_paths.LearntNumbersPath, MyDictPath);
    } catch (const FileError&) {
        // An unreadable store counts as no progress; it is never overwritten (see IniWrite).
        LearntNumber = 0;
    }
    emit learntNumberChanged(LearntNumber);
}

void DictionaryStore::IniWrite()
{
    waitForRunningSave();
    ::IniWrite(m_paths.LearntNumbersPath, MyDictPath, LearntNumber);
}

void DictionaryStore::IniDelete()
{
    waitForRunningSave();
    ::IniDelete(m_paths.LearntNumbersPath, MyDictPath);
}

DictionaryStore::Counters DictionaryStore::counters() const
{
    return {BareFileName(MyDictPath), MyDictSL.count(), LearntSL.count()};
}

bool DictionaryStore::isInDictDir(const QString& path) const
{
    return folderOf(path) == m_paths.DictDir;
}
