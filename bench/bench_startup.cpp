// The whole program process from start to the first card on screen, against the same program
// starting with an empty data folder and then opening the same dictionary; and its peak memory
// with a large dictionary open, against an empty start.

#include "BenchTable.h"
#include "cards/DictionaryStore.h"
#include "cards/TextFile.h"
#include "DataFolder.h"

#include <QCoreApplication>
#include <QProcess>

#include <map>
#include <memory>
#include <stdexcept>

namespace {

// Starts of a fresh process vary with the machine's memory, so each row takes the median of many.
constexpr int Repetitions = 15;

// A data folder as the program's earlier starts left it; with reopen, the dictionary is the one
// the program opens at start.
std::unique_ptr<DataFolder> makeFolder(const QString& dictionary, const QString& phonetic,
                                       bool reopen)
{
    auto folder = std::make_unique<DataFolder>();
    if (!phonetic.isEmpty())
        folder->setPhonetic(phonetic);
    if (!dictionary.isEmpty()) {
        const QString path = folder->addDictionary(dictionary);
        if (reopen)
            folder->setLastDictionary(path);
    }
    return folder;
}

// The folders: empty; the 100k dictionary with the 100k phonetic table; the same with cards
// that carry no transcription of their own ("plain/" holds such a dictionary), so the first
// card needs the phonetic table's index; the 1M dictionary. A name ending in "_closed" is the
// same folder with no dictionary to reopen, for the floor's open.
const DataFolder& folder(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<DataFolder>> folders;
    std::unique_ptr<DataFolder>& folder = folders[name];
    if (!folder) {
        const QString phonetic = QStringLiteral("phonetic_100k.txt");
        const bool reopen = !name.ends_with("_closed");
        if (name == "empty")
            folder = makeFolder({}, {}, false);
        else if (name.starts_with("100k_plain"))
            folder = makeFolder(QStringLiteral("plain/big_100k.txt"), phonetic, reopen);
        else if (name.starts_with("100k"))
            folder = makeFolder(QStringLiteral("big_100k.txt"), phonetic, reopen);
        else
            folder = makeFolder(QStringLiteral("big_1m.txt"), {}, reopen);
    }
    return *folder;
}

struct Run
{
    // Processor time of the process from its start until the first card was painted: other
    // work on the machine disturbs it less than the wall clock.
    double seconds = 0;
    qint64 peakBytes = 0;
    // Processor time of the open that followed, when one was asked for.
    double openSeconds = 0;
};

// Runs the harness over the folder offscreen, with the harness's further arguments.
Run startProgram(const DataFolder& data, const QStringList& then = {})
{
    QProcess harness;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    harness.setProcessEnvironment(environment);
    harness.start(QCoreApplication::applicationDirPath() + QStringLiteral("/startup_harness"),
                  QStringList{data.exeDir(), data.documentsDir()} + then);
    if (!harness.waitForFinished(120000) || harness.exitCode() != 0)
        throw std::runtime_error("the start-up harness failed: " +
                                 harness.readAllStandardError().toStdString());
    const QList<QByteArray> printed = harness.readAllStandardOutput().simplified().split(' ');
    if (printed.size() != (then.isEmpty() ? 2 : 3))
        throw std::runtime_error("the start-up harness printed no figures");
    return {printed[0].toDouble(), printed[1].toLongLong(),
            then.isEmpty() ? 0.0 : printed[2].toDouble()};
}

// A start with the dictionary beside its floor: an empty start, then, in the same fresh
// process, the dictionary opened as the program opens it at start, in a store of its own, and
// the same phonetic table read; when the first card needs it, the table indexed too. Each
// repetition runs both, one right after the other and in turns first, so that a slow spell of
// the shared machine falls on both alike.
void startup(benchmark::State& state, const std::string& name)
{
    const DataFolder& data = folder(name);
    const DataFolder& closed = folder(name + "_closed");
    QStringList open{closed.exeDir(), closed.documentsDir(),
                     closed.paths().DictDir + QStringLiteral("/big_100k.txt")};
    if (name == "100k_plain")
        open << QStringLiteral("index");
    static int turn = 0;
    for (auto _ : state) {
        Run start;
        Run floor;
        if (++turn % 2 == 0) {
            start = startProgram(data);
            floor = startProgram(folder("empty"), open);
        } else {
            floor = startProgram(folder("empty"), open);
            start = startProgram(data);
        }
        state.SetIterationTime(start.seconds);
        state.counters["start_ns"] = start.seconds * 1e9;
        state.counters["floor_ns"] = (floor.seconds + floor.openSeconds) * 1e9;
    }
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
    BenchTable::add("memory/1m", memory, 5)->Iterations(1)->Unit(benchmark::kMillisecond);
    const std::vector<BenchTable::Row> rows = {
        {"start-up to the first card, 100k dictionary and 100k phonetic table, against an "
         "empty start and then opening that dictionary and reading that table",
         "startup/100k#start_ns", "startup/100k#floor_ns", 1.2},
        {"start-up to the first card as above, the first card without a transcription of its "
         "own, so the phonetic table is indexed for it, against the same floor with the index "
         "built",
         "startup/100k_plain#start_ns", "startup/100k_plain#floor_ns", 1.2},
        {"peak memory above an empty start with the 1M-line dictionary open, against its text "
         "as UTF-16",
         "memory/1m#above_empty", "memory/1m#utf16_text", 3.0},
    };
    return BenchTable::run(argc, argv, rows);
}
