// Opening and saving a dictionary, against reading or writing the same text with plain Qt.

#include "BenchTable.h"
#include "cards/DictionaryStore.h"
#include "cards/TextFile.h"
#include "DataFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <map>
#include <memory>

namespace {

constexpr int Repetitions = 9;
const char* const Sizes[] = {"10k", "100k", "1m"};

// One data folder holding every size, made when a benchmark first needs it.
DataFolder& folder()
{
    static DataFolder data;
    return data;
}

QString dictionaryPath(const std::string& size)
{
    static std::map<std::string, QString> paths;
    QString& path = paths[size];
    if (path.isEmpty())
        path = folder().addDictionary(QString::fromStdString("big_" + size + ".txt"));
    return path;
}

// The open dictionary: a store that has read the file, kept for the save benchmarks.
const ChunkedLines& openLines(const std::string& size)
{
    static std::map<std::string, std::unique_ptr<DictionaryStore>> stores;
    std::unique_ptr<DictionaryStore>& store = stores[size];
    if (!store) {
        store = std::make_unique<DictionaryStore>(folder().paths());
        store->LoadMyDict(dictionaryPath(size), false);
    }
    return store->MyDictSL.chunked();
}

void open(benchmark::State& state, const std::string& size)
{
    const QString path = dictionaryPath(size);
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        // A store of its own, as at start-up: no progress of an earlier dictionary to write.
        DictionaryStore store(folder().paths());
        watch.start();
        store.LoadMyDict(path, false);
        watch.stop(state);
        benchmark::DoNotOptimize(store.MyDictSL.count());
    }
}

// Read the bytes, decode UTF-8, split into lines at the file's CR LF.
void openFloor(benchmark::State& state, const std::string& size)
{
    const QString path = dictionaryPath(size);
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        QStringList lines;
        watch.start();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        watch.stop(state);
        benchmark::DoNotOptimize(lines.size());
    }
}

void save(benchmark::State& state, const std::string& size)
{
    const ChunkedLines& lines = openLines(size);
    const QString path = dictionaryPath(size);
    BenchTable::Stopwatch watch(BenchTable::Stopwatch::Clock::Wall);
    for (auto _ : state) {
        watch.start();
        TextFile::writeLines(path, lines);
        watch.stop(state);
    }
}

// Encode the same lines and write them, through QSaveFile as every save of the program must.
void saveFloor(benchmark::State& state, const std::string& size)
{
    const QStringList lines = openLines(size).toList();
    const QString path = dictionaryPath(size) + QStringLiteral(".floor");
    BenchTable::Stopwatch watch(BenchTable::Stopwatch::Clock::Wall);
    for (auto _ : state) {
        watch.start();
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("\xEF\xBB\xBF");
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        file.commit();
        watch.stop(state);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<BenchTable::Row> rows;
    std::vector<BenchTable::Row> saveRows;
    for (const std::string size : Sizes) {
        const bool target = size == "1m";
        const auto add = [&](const std::string& name,
                             void (*body)(benchmark::State&, const std::string&)) {
            BenchTable::addSized(name, size, body, Repetitions);
        };
        add("open", open);
        add("open_floor", openFloor);
        add("save", save);
        add("save_floor", saveFloor);
        rows.push_back({"open a dictionary (LoadMyDict), " + BenchTable::label(size) + " lines",
                        "open/" + size, "open_floor/" + size, target ? 2.0 : 0});
        saveRows.push_back({"save a dictionary, " + BenchTable::label(size) + " lines",
                            "save/" + size, "save_floor/" + size, target ? 1.5 : 0});
    }
    rows.insert(rows.end(), saveRows.begin(), saveRows.end());
    return BenchTable::run(argc, argv, rows);
}
