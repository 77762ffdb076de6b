// Starts the program's window over the given folders, shows the first card and ends. Prints
// the processor time the process has taken from its start until the first card is painted,
// in seconds, and its peak resident memory in bytes, for the start-up benchmark.

#include "cards/DictionaryStore.h"
#include "shell/FormVocadrill.h"
#include "shell/SystemLocale.h"
#include "widgets/HeapSettings.h"

#include <QApplication>
#include <QFile>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

double processorSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
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
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EXE_FOLDER DOCUMENTS_FOLDER\n", argv[0]);
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
    std::printf("%.6f %lld\n", processorSeconds(), static_cast<long long>(peakResidentBytes()));
    return 0;
}
