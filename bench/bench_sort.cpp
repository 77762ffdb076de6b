// Sorting and mixing a dictionary, against sorting the collation keys of the same lines.

#include "BenchTable.h"
#include "cards/Collation.h"
#include "cards/RandomSource.h"
#include "cards/SortAndMix.h"
#include "cards/TextFile.h"

#include <QCollatorSortKey>
#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int Repetitions = 7;
const char* const Sizes[] = {"10k", "100k", "1m"};

const QStringList& dictionary(const std::string& size)
{
    static std::map<std::string, QStringList> lines;
    QStringList& list = lines[size];
    if (list.isEmpty())
        list = TextFile::readLines(
            QString::fromStdString(BenchTable::workload("big_" + size + ".txt")));
    return list;
}

// Each iteration sorts a fresh copy whose lines are not shared, as after opening the file.
QStringList unsharedCopy(const QStringList& lines)
{
    QStringList copy;
    copy.reserve(lines.size());
    for (const QString& line : lines)
        copy.append(QString(line.constData(), line.size()));
    return copy;
}

void sortLines(benchmark::State& state, const std::string& size)
{
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        QStringList lines = unsharedCopy(dictionary(size));
        watch.start();
        SortLines(lines);
        watch.stop(state);
    }
}

void mixLines(benchmark::State& state, const std::string& size)
{
    SeededRandom random(1);
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        QStringList lines = unsharedCopy(dictionary(size));
        watch.start();
        MixLines(lines, random);
        watch.stop(state);
    }
}

// Build the collation key of every line with QCollator, then sort the keys.
void sortFloor(benchmark::State& state, const std::string& size)
{
    const QCollator& collator = Collation::caseSensitive();
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        const QStringList lines = unsharedCopy(dictionary(size));
        std::vector<QCollatorSortKey> keys;
        watch.start();
        keys.reserve(lines.size());
        for (const QString& line : lines)
            keys.push_back(collator.sortKey(line));
        std::sort(keys.begin(), keys.end(),
                  [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a < b; });
        watch.stop(state);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Collation::setCollationLocale(QLocale(QLocale::English));
    std::vector<BenchTable::Row> rows;
    std::vector<BenchTable::Row> mixRows;
    for (const std::string size : Sizes) {
        const auto add = [&](const std::string& name,
                             void (*body)(benchmark::State&, const std::string&)) {
            BenchTable::addSized(name, size, body, Repetitions);
        };
        add("sort", sortLines);
        add("mix", mixLines);
        add("sort_floor", sortFloor);
        const double target = size == "1m" ? 1.5 : 0;
        rows.push_back({"SortLines, " + BenchTable::label(size) + " lines", "sort/" + size,
                        "sort_floor/" + size, target});
        mixRows.push_back({"MixLines, " + BenchTable::label(size) + " lines", "mix/" + size,
                           "sort_floor/" + size, target});
    }
    rows.insert(rows.end(), mixRows.begin(), mixRows.end());
    return BenchTable::run(argc, argv, rows);
}
