// Starts the program's window over the given folders, shows the first card and ends. Prints
// the processor time the process has taken from its start until the first card is painted,
// in seconds, and its peak resident memory in bytes, for the start-up benchmark.
//
// Given a second pair of folders and a dictionary in them, it then opens that dictionary in a
// store of its own, as the program opens one at start, and reads their phonetic table (and,
// with "index", indexes it, as the first lookup does), and prints the processor time of that
// too: the open of a start that began empty, in the same fresh process.

#include "cards/DictionaryStore.h"
#include "cards/PhoneticTable.h"
#include "shell/FormVocadrill.h"
#include "shell/SystemLocale.h"
#include "widgets/HeapSettings.h"

#include <QApplication>
#include <QFile>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

// Processor time of the process or of this thread, by the clock given.
double processorSeconds(clockid_t clock)
{
    timespec time{};
    clock_gettime(clock, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

// Opens the dictionary and reads (and indexes) the phonetic table of the folders; returns the
// thread's processor time for it.
double openSeconds(const QString& exeDir, const QString& documentsDir, const QString& dictionary,
                   bool index)
{
    const DataPaths paths = PrepareDataFolders(exeDir, documentsDir);
    DictionaryStore store(paths);
    PhoneticTable phonetic;
    const double start = processorSeconds(CLOCK_THREAD_CPUTIME_ID);
    store.LoadMyDict(dictionary, true);
    phonetic.load(paths.PhoneticPath);
    if (index && phonetic.lookup(u"the").isNull())
        std::fprintf(stderr, "no transcription of \"the\" in the phonetic table\n");
    return processorSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
}

qint64 peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    // The heap as the program sets it.
    mergeFreedBlocksAtOnce();
    QApplication app(argc, argv);
    const bool index = argc == 7 && qstrcmp(argv[6], "index") == 0;
    if (argc != 3 && argc != 6 && !index) {
        std::fprintf(stderr,
                     "usage: %s EXE_FOLDER DOCUMENTS_FOLDER "
                     "[OPEN_EXE_FOLDER OPEN_DOCUMENTS_FOLDER DICTIONARY [index]]\n",
                     argv[0]);
        return 2;
    }
    applySystemLocale();
    TFormVocadrill form({QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])});
    form.show();
    if (!form.store().MyDictPath.isEmpty())
        form.execute(QStringLiteral("Next0"));
    while (!form.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    form.repaint();
    const double started = processorSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const qint64 peak = peakResidentBytes();
    if (argc == 3) {
        std::printf("%.6f %lld\n", started, static_cast<long long>(peak));
        return 0;
    }
    const double opened = openSeconds(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
                                      QString::fromLocal8Bit(argv[5]), index);
    std::printf("%.6f %lld %.6f\n", started, static_cast<long long>(peak), opened);
    return 0;
}
