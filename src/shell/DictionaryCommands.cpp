#include "shell/DictionaryCommands.h"

#include "cards/DictionaryOperations.h"
#include "cards/FileError.h"
#include "cards/FileNames.h"
#include "cards/RandomSource.h"
#include "cards/SortAndMix.h"
#include "cards/StoreFiles.h"
#include "dictionaries/DictionariesTab.h"
#include "dictionaries/FormOpenTxtDialog.h"
#include "dictionaries/ListViewer.h"
#include "shell/StatusLine.h"
#include "shell/WindowParts.h"
#include "widgets/ClickableText.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/LongWork.h"
#include "widgets/MessageBoxes.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>

#include <exception>
#include <limits>
#include <memory>

DictionaryCommands::DictionaryCommands(WindowParts& parts) : m_parts(parts) {}

void DictionaryCommands::TextListBoxItemClick(const QString& fileName)
{
    openFromList(fileName);
    if (m_listDoubleClick.click())
        m_parts.tabs->setCurrentWidget(m_parts.tbPlay);
}

void DictionaryCommands::openFromList(const QString& fileName)
{
    if (m_parts.refusedWhileBusy()) {
        m_parts.dictionaries->setOpen(m_parts.store->openFileName());
        return;
    }
    m_parts.engine->ClearAll();
    openDictionaryResult(fileName, true);
}

// Whether or not the dictionary opened, the list then highlights the one that is open.
void DictionaryCommands::openDictionaryResult(const QString& fileName, bool warn)
{
    afterLongDictionaryWritten(
        [this, fileName, warn] {
            DictionaryStore& store = *m_parts.store;
            QString path;
            runGuarded(&m_parts.window, [&] { path = store.beginLoad(fileName); });
            if (path.isEmpty()) {
                opened({});
                return;
            }
            readDictionary(path, [this, warn](DictionaryStore::ReadLines read) {
                opened(m_parts.store->endLoad(std::move(read), warn));
            });
        },
        [this] { opened({}); });
}

void DictionaryCommands::afterLongDictionaryWritten(const std::function<void()>& next,
                                                    const std::function<void()>& failed)
{
    DictionaryStore& store = *m_parts.store;
    store.waitForRunningSave();
    auto files = std::make_shared<StoreFiles>(store.ownFiles());
    if (!files->writeDictionary || files->dictLines.size() < LongWork::longLines) {
        next();
        return;
    }
    m_parts.longWork->run<QString>(
        [files] {
            try {
                writeStoreDictionary(*files);
            } catch (const FileError& error) {
                return error.message();
            }
            return QString();
        },
        [this, files, next, failed](const QString& error) {
            m_parts.store->ownFilesWritten(*files, error.isEmpty());
            if (error.isEmpty()) {
                next();
                return;
            }
            showError(&m_parts.window, error);
            if (failed)
                failed();
        });
}

// A long file is read on a worker thread. An empty path reads nothing.
void DictionaryCommands::readDictionary(const QString& path,
                                        const std::function<void(DictionaryStore::ReadLines)>& use)
{
    if (path.isEmpty() || !LongWork::isLongFile(path)) {
        use(path.isEmpty() ? DictionaryStore::ReadLines()
                           : DictionaryStore::readDictionary(path, programLegacyEncoding()));
        return;
    }
    m_parts.longWork->run<DictionaryStore::ReadLines>(
        [path, encoding = programLegacyEncoding()] {
            return DictionaryStore::readDictionary(path, encoding);
        },
        [this, use](DictionaryStore::ReadLines read) {
            replaceLines([&] { use(std::move(read)); });
        });
}

void DictionaryCommands::replaceLines(const std::function<void()>& replace)
{
    ChunkedLines replaced = m_parts.store->MyDictSL.chunked();
    replace();
    m_parts.longWork->release(std::move(replaced));
}

// The list of WindowParts::listDictionaries, with a long open dictionary read again on a worker
// thread; then comes next.
void DictionaryCommands::listDictionaries(const std::function<void()>& next)
{
    afterLongDictionaryWritten([this, next] {
        DictionaryStore::Listing listing = m_parts.store->beginList();
        const QString path = listing.path;
        readDictionary(path, [this, listing, next](DictionaryStore::ReadLines read) {
            m_parts.showDictionaries(m_parts.store->endList(listing, std::move(read)));
            next();
        });
    });
}

void DictionaryCommands::opened(const DictionaryStore::LoadResult& result)
{
    m_parts.dictionaries->setOpen(m_parts.store->openFileName());
    tellNoProperLines(result.noProperLines);
}

void DictionaryCommands::tellNoProperLines(bool noProperLines)
{
    if (noProperLines)
        MessageBoxes::showMessage(&m_parts.window,
                                  m_parts.messageText("msThereAreNoProperLinesInThisFile"));
}

void DictionaryCommands::Enables0Execute()
{
    const bool selected = !m_parts.dictionaries->selectedFileName().isEmpty();
    for (const char* name : {"Mix00", "Sort00", "Look00", "Delete00", "Copy00", "Swap0"})
        m_parts.action(QLatin1String(name))->setEnabled(selected);
}

void DictionaryCommands::tellDone(const QString& done)
{
    m_parts.MyMessage(done + u'\r' + m_parts.status->TextMyDictSL->text());
}

// A long dictionary is changed on a worker thread, from a copy of its lines that the result
// then replaces; the learner cannot change the dictionary meanwhile.
void DictionaryCommands::changeAllLines(const std::function<void(QStringList&)>& change,
                                        const QString& done)
{
    StringList& dictionary = m_parts.store->MyDictSL;
    if (dictionary.count() < LongWork::longLines) {
        dictionary.edit(change);
        tellDone(done);
        return;
    }
    m_parts.longWork->run<ChunkedLines>(
        [lines = dictionary.chunked(), change] {
            QStringList changed = lines.toList();
            change(changed);
            return ChunkedLines(std::move(changed));
        },
        [this, done](ChunkedLines changed) {
            replaceLines([&] { m_parts.store->MyDictSL.setLines(std::move(changed)); });
            tellDone(done);
        });
}

void DictionaryCommands::Mix00Execute()
{
    const QString done = m_parts.messageText("msMixed");
    if (m_parts.store->MyDictSL.count() < LongWork::longLines) {
        changeAllLines([](QStringList& lines) { MixLines(lines); }, done);
        return;
    }
    // The worker draws from a source of its own, seeded from the program's.
    const quint32 seed = quint32(programRandom().below(std::numeric_limits<int>::max()));
    changeAllLines(
        [seed](QStringList& lines) {
            SeededRandom random(seed);
            MixLines(lines, random);
        },
        done);
}

void DictionaryCommands::Sort00Execute()
{
    changeAllLines([](QStringList& lines) { SortLines(lines); }, m_parts.messageText("msSorted"));
}

void DictionaryCommands::Swap0Execute()
{
    changeAllLines([](QStringList& lines) { SwapLines(lines); },
                   QCoreApplication::translate("DictionaryCommands", "Sides swapped"));
}

void DictionaryCommands::Copy00Execute()
{
    if (m_parts.dictionaries->selectedFileName().isEmpty())
        return;
    // The copy holds what the learner sees: the open dictionary is written first.
    afterLongDictionaryWritten([this] {
        m_parts.store->SaveDictionaryIfModified();
        const QString path = m_parts.store->MyDictPath;
        const QString dictDir = m_parts.paths.DictDir;
        if (m_parts.store->MyDictSL.count() < LongWork::longLines) {
            tellCopied(CopyDictionaryFile(path, dictDir));
            return;
        }
        m_parts.longWork->run<QString>(
            [path, dictDir] { return CopyDictionaryFile(path, dictDir); },
            [this](const QString& copy) { tellCopied(copy); });
    });
}

void DictionaryCommands::tellCopied(const QString& copy)
{
    listDictionaries([this, copy] {
        m_parts.MyMessage(QCoreApplication::translate("DictionaryCommands", "Copied to %1")
                              .arg(BareFileName(copy)));
    });
}

void DictionaryCommands::Delete00Execute()
{
    DictionaryStore& store = *m_parts.store;
    // The question names the dictionary it deletes, on a line of its own.
    if (!MessageBoxes::askYesNo(&m_parts.window, m_parts.messageText("msAreYouSure") + u'\n' +
                                                     store.counters().dictName))
        return;
    store.waitForRunningSave();
    QFile file(store.MyDictPath);
    if (!file.remove())
        throw FileError(QStringLiteral("%1: %2").arg(store.MyDictPath, file.errorString()));
    // The file is gone: the window forgets it even when its progress entry cannot be removed,
    // so that no later save writes the deleted dictionary again.
    std::exception_ptr progressError;
    try {
        store.IniDelete();
    } catch (const FileError&) {
        progressError = std::current_exception();
    }
    store.MyDictPath.clear();
    m_parts.listDictionaries();
    store.MyDictSL.BeginUpdate();
    store.MyDictSL.clear();
    m_parts.status->TextLearnt->setText(QStringLiteral("0"));
    store.MyDictSL.EndUpdate();
    m_parts.engine->ClearAll();
    m_parts.engine->setCurrentLine(QString());
    m_parts.execute("Enables0");
    m_parts.engine->shownCards().clear();
    if (progressError)
        std::rethrow_exception(progressError);
}

void DictionaryCommands::showList(const QString& title, const QStringList& lines,
                                  const QString& count)
{
    m_parts.viewer->showLines(title, lines, count);
    m_parts.showPanel(m_parts.viewer);
}

void DictionaryCommands::Look00Execute()
{
    const QString count = m_parts.status->TextMyDictSL->text();
    showList(QCoreApplication::translate("DictionaryCommands", "%1: %2 cards")
                 .arg(m_parts.store->counters().dictName, count),
             m_parts.store->MyDictSL.lines(), count);
}

void DictionaryCommands::Learnt00Execute()
{
    const QStringList merged = m_parts.store->MergedLearntList();
    const QString count = QString::number(merged.size());
    showList(QCoreApplication::translate("DictionaryCommands", "All learnt cards: %1").arg(count),
             merged, count);
}

void DictionaryCommands::LearntToday0Execute()
{
    const StringList& learnt = m_parts.store->LearntSL;
    const QString count = QString::number(learnt.count());
    showList(
        QCoreApplication::translate("DictionaryCommands", "Learnt since the start: %1").arg(count),
        learnt.lines(), count);
}

void DictionaryCommands::FromFile0Execute()
{
    m_parts.openTxtDialog->MyShow(
        &m_parts.window, [this](const QString& path) { openImportedDictionary(path); },
        [this] {
            return MessageBoxes::askYesNo(&m_parts.window, m_parts.messageText("msMakeCards"));
        });
}

// The imported file is listed and opened as a click on its item would open it.
void DictionaryCommands::openImportedDictionary(const QString& path)
{
    listDictionaries([this, path] {
        m_parts.engine->ClearAll();
        openDictionaryResult(path, true);
    });
}
