// How long the interface thread of the real window, shown offscreen over the million-line
// dictionary, is kept from its events: the lateness of a 5 ms timer during a steady learning
// run with the saves soon after each change, and during Sort, Mix and an import of a million
// lines, each started by its action. Also those operations' own time through the window, from
// the action to their result on screen, against the same work done directly.

#include "BenchTable.h"
#include "cards/DictionaryStore.h"
#include "cards/ExportedFields.h"
#include "cards/SortAndMix.h"
#include "cards/TextFile.h"
#include "cards/TextImport.h"
#include "dictionaries/FormOpenTxtDialog.h"
#include "OffscreenWindow.h"
#include "save/SaveScheduler.h"
#include "shell/FormVocadrill.h"
#include "shell/MessagePanel.h"
#include "StallMeter.h"
#include "widgets/FilePicker.h"
#include "widgets/HeapSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>

namespace {

constexpr int OperationRepetitions = 7;
// A minute's worst stall turns on a single late wake-up, which this shared machine sometimes
// gives an idle thread by itself: the stall rows take the median of a few minutes.
constexpr int StallRepetitions = 3;
// What the window needs after showing its first card before it is left alone or driven.
constexpr int SettleMs = 1000;
constexpr int OperationTimeoutMs = 300000;
const char* const Dictionary = "big_1m.txt";

// The learning run, and the window left alone beside it, last a minute each; BENCH_STALL_SECONDS
// shortens them for a trial.
int stallRunMs()
{
    const int seconds = qEnvironmentVariableIntValue("BENCH_STALL_SECONDS");
    return (seconds > 0 ? seconds : 60) * 1000;
}

QString workloadPath(const char* fileName)
{
    return QString::fromStdString(BenchTable::workload(fileName));
}

void report(benchmark::State& state, const StallMeter& meter, const OffscreenWindow& session)
{
    state.counters["worst_ns"] = meter.worstNs();
    state.counters["p99_ns"] = meter.percentileNs(0.99);
    state.counters["own_worst_ns"] = meter.ownWorstNs();
    state.counters["machine_worst_ns"] = meter.machineWorstNs();
    state.counters["machine_watched"] = meter.machineWatched() ? 1 : 0;
    state.counters["ticks"] = double(meter.ticks());
    if (!session.boxes().isEmpty()) {
        const std::string box = "a message box opened: " + session.boxes().first().toStdString();
        state.SkipWithError(box.c_str());
    }
}

// The window left alone with its first card: how late the timer comes of itself.
void leftAlone(benchmark::State& state)
{
    for (auto _ : state) {
        OffscreenWindow session(QString::fromLatin1(Dictionary));
        OffscreenWindow::idle(SettleMs);
        StallMeter meter;
        meter.start();
        OffscreenWindow::idle(stallRunMs());
        meter.stop();
        report(state, meter, session);
    }
}

// A Next every 100 ms, every tenth of them a Learnt instead; each Learnt changes what the save
// writes, so the saves soon after a change run as they do for a learner. With learnt, the
// learnt list of earlier runs is that workload file, which each save merges with this run's.
void learning(benchmark::State& state, const QString& learnt = {})
{
    for (auto _ : state) {
        OffscreenWindow session(QString::fromLatin1(Dictionary), learnt);
        TFormVocadrill& window = session.window();
        OffscreenWindow::idle(SettleMs);
        int saves = 0;
        QObject::connect(&window.saveScheduler(), &SaveScheduler::saveDue, [&saves] { ++saves; });
        int steps = 0;
        QTimer learner;
        learner.setTimerType(Qt::PreciseTimer);
        QObject::connect(&learner, &QTimer::timeout, [&] {
            ++steps;
            window.execute(steps % 10 == 0 ? QStringLiteral("Learnt0") : QStringLiteral("Next0"));
        });
        StallMeter meter;
        meter.start();
        learner.start(100);
        OffscreenWindow::idle(stallRunMs());
        learner.stop();
        meter.stop();
        report(state, meter, session);
        state.counters["saves"] = saves;
        state.counters["learnt"] = double(window.store().LearntSL.count());
    }
}

// The import's open-file dialog, answering with the workload file.
class WorkloadPicker : public FilePicker
{
public:
    QString pickFile(QWidget*, const QString&, const QString&) override
    {
        return workloadPath(Dictionary);
    }
};

enum class Operation
{
    Sort,
    Mix,
    Import,
};

// The operation started by its action on the Dictionaries tab, timed by the wall clock until
// its result is applied: the dictionary's lines have changed and the message telling so is
// shown (Sort, Mix), or the imported copy is open with all its lines. The timer's lateness
// counts until its first tick after that.
void throughWindow(benchmark::State& state, Operation operation)
{
    for (auto _ : state) {
        OffscreenWindow session(QString::fromLatin1(Dictionary));
        TFormVocadrill& window = session.window();
        window.findChild<QTabWidget*>(QStringLiteral("TabControl1"))->setCurrentIndex(2);
        OffscreenWindow::idle(SettleMs);
        DictionaryStore& store = window.store();
        const qsizetype lines = store.MyDictSL.count();
        const QString opened = store.MyDictPath;
        bool changed = false;
        // The dictionary that was open when the lines changed last: the copy's lines come only
        // after its path is set, and its count is the same as the open one's.
        QString changedIn;
        const QObject listening;
        QObject::connect(&store.MyDictSL, &StringList::Changed, &listening, [&] {
            changed = true;
            changedIn = store.MyDictPath;
        });
        QString action = QStringLiteral("Sort00");
        QString done = window.messageText(QStringLiteral("msSorted"));
        if (operation == Operation::Mix) {
            action = QStringLiteral("Mix00");
            done = window.messageText(QStringLiteral("msMixed"));
        }
        const auto* message = window.findChild<MessagePanel*>();
        std::function<bool()> applied = [&] {
            return changed && message->isVisible() && message->text().contains(done);
        };
        if (operation == Operation::Import) {
            action = QStringLiteral("FromFile0");
            window.FormOpenTxtDialog().setFilePicker(std::make_unique<WorkloadPicker>());
            applied = [&] {
                return changedIn != opened && changedIn == store.MyDictPath &&
                       store.MyDictSL.count() == lines;
            };
        }

        StallMeter meter;
        meter.start();
        QElapsedTimer clock;
        clock.start();
        if (!window.execute(action)) {
            state.SkipWithError("the action is disabled");
            break;
        }
        if (!OffscreenWindow::waitUntil(applied, OperationTimeoutMs)) {
            state.SkipWithError("the result never came");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
        const qsizetype ticks = meter.ticks();
        OffscreenWindow::waitUntil([&] { return meter.ticks() > ticks; }, 1000);
        meter.stop();
        report(state, meter, session);
    }
}

const QStringList& dictionaryLines()
{
    static const QStringList lines = TextFile::readLines(workloadPath(Dictionary));
    return lines;
}

// Sort and Mix of the same lines directly, as the window's actions call them.
void directly(benchmark::State& state, Operation operation)
{
    BenchTable::Stopwatch watch(BenchTable::Stopwatch::Clock::Wall);
    for (auto _ : state) {
        StringList list;
        QStringList lines;
        for (const QString& line : dictionaryLines())
            lines.append(QString(line.constData(), line.size()));
        list.setLines(std::move(lines));
        watch.start();
        if (operation == Operation::Sort)
            SortLines(list);
        else
            MixLines(list);
        watch.stop(state);
    }
}

// The import's steps directly, as the window takes them with the dictionary open: the copy into
// the dictionaries folder, the look for another program's fields, the list of the
// dictionaries, which opens the open one again, and the open of the copy.
void importDirectly(benchmark::State& state)
{
    BenchTable::Stopwatch watch(BenchTable::Stopwatch::Clock::Wall);
    for (auto _ : state) {
        DataFolder data;
        DictionaryStore store(data.paths());
        store.LoadMyDict(data.addDictionary(QString::fromLatin1(Dictionary)), false);
        store.FirstDictLoad = false;
        watch.start();
        const QString copy =
            TextImport::copyIntoDictionaries(workloadPath(Dictionary), data.paths().DictDir);
        benchmark::DoNotOptimize(ExportedFields::cardsOf(TextFile::readLines(copy)));
        store.LoadDictionaries();
        store.LoadMyDict(copy, true);
        watch.stop(state);
    }
}

void addTimed(const std::string& name, std::function<void(benchmark::State&)> body)
{
    BenchTable::add(name, std::move(body), OperationRepetitions)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    // The heap as the program sets it.
    mergeFreedBlocksAtOnce();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::pair<const char*, std::function<void(benchmark::State&)>> stallRuns[] = {
        {"stall/idle", leftAlone},
        {"stall/learning", [](benchmark::State& state) { learning(state); }},
        {"stall/learning_learnt",
         [](benchmark::State& state) { learning(state, QStringLiteral("big_100k.txt")); }},
    };
    for (const auto& [name, body] : stallRuns)
        BenchTable::add(name, body, StallRepetitions)->Iterations(1)->Unit(benchmark::kMillisecond);
    const std::pair<const char*, Operation> operations[] = {
        {"sort", Operation::Sort}, {"mix", Operation::Mix}, {"import", Operation::Import}};
    for (const auto& [name, operation] : operations) {
        addTimed(std::string("window/") + name,
                 [operation](benchmark::State& state) { throughWindow(state, operation); });
    }
    addTimed("direct/sort", [](benchmark::State& state) { directly(state, Operation::Sort); });
    addTimed("direct/mix", [](benchmark::State& state) { directly(state, Operation::Mix); });
    addTimed("direct/import", importDirectly);

    const double frame = 16e6;
    const double longOperation = 100e6;
    const std::vector<BenchTable::Row> rows = {
        {"worst stall of the window, learning a Next every 100 ms with saves, 1M lines, against "
         "the window left alone",
         "stall/learning#worst_ns", "stall/idle#worst_ns"},
        {"the same, each stall less the time within it that the machine held its processor "
         "(a real-time thread there woke late), against the window left alone, less the same",
         "stall/learning#own_worst_ns", "stall/idle#own_worst_ns", 0, 0, frame},
        {"99th percentile of the stalls, learning as above, against the window left alone",
         "stall/learning#p99_ns", "stall/idle#p99_ns"},
        {"worst stall of the window, learning as above with 100,000 cards learnt in earlier "
         "runs, against the window left alone",
         "stall/learning_learnt#worst_ns", "stall/idle#worst_ns"},
        {"the same, each stall less the time within it that the machine held its processor "
         "(a real-time thread there woke late), against the window left alone, less the same",
         "stall/learning_learnt#own_worst_ns", "stall/idle#own_worst_ns", 0, 0, frame},
        {"worst stall of the window during Sort of 1M lines, against the window left alone",
         "window/sort#worst_ns", "stall/idle#worst_ns", 0, 0, longOperation},
        {"worst stall of the window during Mix of 1M lines, against the window left alone",
         "window/mix#worst_ns", "stall/idle#worst_ns", 0, 0, longOperation},
        {"worst stall of the window during an import of 1M lines, against the window left alone",
         "window/import#worst_ns", "stall/idle#worst_ns", 0, 0, longOperation},
        {"Sort of 1M lines through the window, from the action to the sorted lines, against "
         "SortLines called directly",
         "window/sort", "direct/sort", 1.1},
        {"Mix of 1M lines through the window, from the action to the mixed lines, against "
         "MixLines called directly",
         "window/mix", "direct/mix", 1.1},
        {"import of 1M lines through the window, from the action to the open copy, against its "
         "steps called directly",
         "window/import", "direct/import", 1.1},
    };
    return BenchTable::run(argc, argv, rows);
}
