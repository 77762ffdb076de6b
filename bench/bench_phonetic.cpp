// Loading the phonetic table and looking words up in it.

#include "BenchTable.h"
#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/PhoneticTable.h"
#include "cards/TextFile.h"

#include <QCollatorSortKey>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Repetitions = 9;
const char* const Sizes[] = {"1k", "10k", "100k"};

QString tablePath(const std::string& size)
{
    return QString::fromStdString(BenchTable::workload("phonetic_" + size + ".txt"));
}

void load(benchmark::State& state, const std::string& size)
{
    const QString path = tablePath(size);
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        PhoneticTable table;
        watch.start();
        // The index is made at the first lookup; its size makes it too.
        table.load(path);
        benchmark::DoNotOptimize(table.size());
        watch.stop(state);
    }
}

// Read the file, split it into lines, and sort the case-blind collation keys of their words.
void loadFloor(benchmark::State& state, const std::string& size)
{
    const QString path = tablePath(size);
    const QCollator& collator = Collation::caseBlind();
    BenchTable::Stopwatch watch;
    for (auto _ : state) {
        std::vector<QCollatorSortKey> keys;
        watch.start();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        keys.reserve(lines.size());
        for (const QString& line : lines)
            keys.push_back(
                collator.sortKey(QStringView(line).left(line.indexOf(u'=')).trimmed().toString()));
        std::sort(keys.begin(), keys.end(),
                  [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a < b; });
        watch.stop(state);
    }
}

// A loaded table with its index made, so that no lookup of the benchmark makes it.
const PhoneticTable& table(const std::string& size)
{
    static std::map<std::string, std::unique_ptr<PhoneticTable>> tables;
    std::unique_ptr<PhoneticTable>& table = tables[size];
    if (!table) {
        table = std::make_unique<PhoneticTable>();
        table->load(tablePath(size));
        benchmark::DoNotOptimize(table->size());
    }
    return *table;
}

// Words in a fixed shuffled order, as written or in capitals, one after another in one buffer:
// a card's question is fresh in the cache when it is looked up, so the benchmark reads its
// words in a stream, and only the table's memory is reached at random.
struct Words
{
    QString text;
    std::vector<std::pair<qsizetype, qsizetype>> spans;
};

// The words of the table of the given size; every table holds those of the smallest.
const Words& words(const std::string& size, bool capitals)
{
    static std::map<std::pair<std::string, bool>, Words> lists;
    Words& words = lists[{size, capitals}];
    if (words.spans.empty()) {
        QStringList list;
        for (const QString& line : TextFile::readLines(tablePath(size)))
            list.append(capitals ? KeyOf(line).toUpper() : KeyOf(line));
        std::shuffle(list.begin(), list.end(), std::mt19937(7));
        for (const QString& word : list) {
            words.spans.emplace_back(words.text.size(), word.size());
            words.text.append(word);
        }
    }
    return words;
}

// Looks up the words of the table of size wordsOf in the table of size tableSize.
void lookup(benchmark::State& state, const std::string& tableSize, const std::string& wordsOf,
            bool capitals)
{
    const PhoneticTable& phonetic = table(tableSize);
    const Words& list = words(wordsOf, capitals);
    size_t next = 0;
    for (auto _ : state) {
        const auto [begin, length] = list.spans[next];
        benchmark::DoNotOptimize(
            phonetic.lookup(QStringView(list.text.constData() + begin, length)));
        if (++next == list.spans.size())
            next = 0;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Collation::setCollationLocale(QLocale(QLocale::English));
    std::vector<BenchTable::Row> rows;
    std::vector<BenchTable::Row> lookupRows;
    std::vector<BenchTable::Row> randomRows;
    for (const std::string size : Sizes) {
        using Body = void (*)(benchmark::State&, const std::string&);
        for (const auto& [name, body] :
             {std::pair<std::string, Body>{"load_phonetic", load},
              std::pair<std::string, Body>{"load_phonetic_floor", loadFloor}}) {
            BenchTable::addSized(name, size, body, Repetitions);
        }
        for (const bool capitals : {false, true}) {
            const std::string kind = capitals ? "lookup_capitals" : "lookup";
            // The same thousand words in every table, and every word of the table.
            std::vector<std::string> wordSets{Sizes[0]};
            if (size != Sizes[0])
                wordSets.push_back(size);
            for (const std::string& wordsOf : wordSets) {
                BenchTable::add(
                    kind + "/" + size + "/words:" + wordsOf,
                    [size, wordsOf, capitals](benchmark::State& state) {
                        lookup(state, size, wordsOf, capitals);
                    },
                    Repetitions)
                    ->MinTime(0.05)
                    ->Unit(benchmark::kNanosecond);
            }
        }
        const bool target = size == "100k";
        rows.push_back({"load and index the phonetic table, " + size + " entries",
                        "load_phonetic/" + size, "load_phonetic_floor/" + size, target ? 2.0 : 0});
        const std::string baseline = std::string("/") + Sizes[0] + "/words:" + Sizes[0];
        for (const bool capitals : {false, true}) {
            const std::string kind = capitals ? "lookup_capitals" : "lookup";
            const std::string how = capitals ? ", in capitals" : "";
            lookupRows.push_back(
                {"phonetic lookup of the same 1k words" + how + ", table of " + size,
                 kind + "/" + size + "/words:" + Sizes[0], target ? kind + baseline : "",
                 target ? 1.5 : 0, 2000});
            if (size != Sizes[0])
                randomRows.push_back({"phonetic lookup of every word of the table in random "
                                      "order" +
                                          how + ", table of " + size,
                                      kind + "/" + size + "/words:" + size, kind + baseline});
        }
    }
    lookupRows.insert(lookupRows.end(), randomRows.begin(), randomRows.end());
    rows.insert(rows.end(), lookupRows.begin(), lookupRows.end());
    return BenchTable::run(argc, argv, rows);
}
