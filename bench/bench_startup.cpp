// The whole program process from start to the first card on screen, against the same program
// starting with an empty data folder and then opening the same dictionary; and its peak memory
// with a large dictionary open, against an empty start.

#include "BenchTable.h"
#include "cards/DictionaryStore.h"
#include "cards/PhoneticTable.h"
#include "cards/TextFile.h"
#include "DataFolder.h"

#include <QCoreApplication>
#include <QProcess>

#include <ctime>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

constexpr int Repetitions = 9;

// A data folder as the program's earlier starts left it.
std::unique_ptr<DataFolder> makeFolder(const QString& dictionary, const QString& phonetic)
{
    auto folder = std::make_unique<DataFolder>();
    if (!phonetic.isEmpty())
        folder->setPhonetic(phonetic);
    if (!dictionary.isEmpty())
        folder->setLastDictionary(folder->addDictionary(dictionary));
    return folder;
}

// The folders: empty; the 100k dictionary with the 100k phonetic table; the same with cards
// that carry no transcription of their own ("plain/" holds such a dictionary), so the first
// card needs the phonetic table's index; the 1M dictionary.
const DataFolder& folder(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<DataFolder>> folders;
    std::unique_ptr<DataFolder>& folder = folders[name];
    if (!folder) {
        const QString phonetic = QStringLiteral("phonetic_100k.txt");
        if (name == "empty")
            folder = makeFolder({}, {});
        else if (name == "100k")
            folder = makeFolder(QStringLiteral("big_100k.txt"), phonetic);
        else if (name == "100k_plain")
            folder = makeFolder(QStringLiteral("plain/big_100k.txt"), phonetic);
        else
            folder = makeFolder(QStringLiteral("big_1m.txt"), {});
    }
    return *folder;
}

struct Run
{
    // Processor time of the process from its start until the first card was painted: other
    // work on the machine disturbs it less than the wall clock.
    double seconds = 0;
    qint64 peakBytes = 0;
};

// Runs the harness over the folder offscreen.
Run startProgram(const DataFolder& data)
{
    QProcess harness;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    harness.setProcessEnvironment(environment);
    harness.start(QCoreApplication::applicationDirPath() + QStringLiteral("/startup_harness"),
                  {data.exeDir(), data.documentsDir()});
    if (!harness.waitForFinished(120000) || harness.exitCode() != 0)
        throw std::runtime_error("the start-up harness failed: " +
                                 harness.readAllStandardError().toStdString());
    const QList<QByteArray> printed = harness.readAllStandardOutput().simplified().split(' ');
    if (printed.size() != 2)
        throw std::runtime_error("the start-up harness printed no figures");
    return {printed[0].toDouble(), printed[1].toLongLong()};
}

void startup(benchmark::State& state, const std::string& name)
{
    const DataFolder& data = folder(name);
    for (auto _ : state)
        state.SetIterationTime(startProgram(data).seconds);
}

double threadSeconds()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

// Processor time of this thread opening the dictionary as the program opens it at start, in a
// store of its own, and reading the phonetic table; with index, also indexing the table, as
// the first lookup does.
double openSeconds(const QString& dictionary, bool index)
{
    static const std::unique_ptr<DataFolder> data = [] {
        auto made = std::make_unique<DataFolder>();
        made->setPhonetic(QStringLiteral("phonetic_100k.txt"));
        return made;
    }();
    const QString path = data->addDictionary(dictionary);
    DictionaryStore store(data->paths());
    PhoneticTable phonetic;
    const double start = threadSeconds();
    store.LoadMyDict(path, true);
    phonetic.load(data->paths().PhoneticPath);
    if (index)
        benchmark::DoNotOptimize(phonetic.lookup(u"the"));
    return threadSeconds() - start;
}

// The floor of a start with a dictionary: an empty start, then the dictionary opened.
void emptyThenOpen(benchmark::State& state, const std::string& name)
{
    const DataFolder& empty = folder("empty");
    const bool plain = name == "100k_plain";
    const QString dictionary =
        plain ? QStringLiteral("plain/big_100k.txt") : QStringLiteral("big_100k.txt");
    for (auto _ : state)
        state.SetIterationTime(startProgram(empty).seconds + openSeconds(dictionary, plain));
}

// Peak memory with the million-line dictionary open above an empty start, and the text of
// that dictionary as UTF-16.
void memory(benchmark::State& state)
{
    const DataFolder& huge = folder("1m");
    const DataFolder& empty = folder("empty");
    const qsizetype textBytes =
        TextFile::decode(TextFile::readBytes(huge.paths().DictDir + QStringLiteral("/big_1m.txt")),
                         programLegacyEncoding())
            .size() *
        2;
    for (auto _ : state) {
        const qint64 above = startProgram(huge).peakBytes - startProgram(empty).peakBytes;
        state.counters["above_empty"] = double(above);
        state.counters["utf16_text"] = double(textBytes);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    for (const std::string name : {"100k", "100k_plain"}) {
        BenchTable::add(
            "startup/" + name, [name](benchmark::State& state) { startup(state, name); },
            Repetitions)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    for (const std::string name : {"100k", "100k_plain"}) {
        BenchTable::add(
            "empty_then_open/" + name,
            [name](benchmark::State& state) { emptyThenOpen(state, name); }, Repetitions)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    BenchTable::add("memory/1m", memory, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
    const std::vector<BenchTable::Row> rows = {
        {"start-up to the first card, 100k dictionary and 100k phonetic table, against an "
         "empty start and then opening that dictionary and reading that table",
         "startup/100k", "empty_then_open/100k", 1.2},
        {"start-up to the first card as above, the first card without a transcription of its "
         "own, so the phonetic table is indexed for it, against the same floor with the index "
         "built",
         "startup/100k_plain", "empty_then_open/100k_plain", 1.2},
        {"peak memory above an empty start with the 1M-line dictionary open, against its text "
         "as UTF-16",
         "memory/1m#above_empty", "memory/1m#utf16_text", 3.0},
    };
    return BenchTable::run(argc, argv, rows);
}
