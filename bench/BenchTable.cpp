#include "BenchTable.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <map>

namespace BenchTable {

namespace {

std::string& workloadFolder()
{
    static std::string folder;
    return folder;
}

// The medians of the run, by benchmark name: the time in nanoseconds and every counter.
struct Median
{
    double ns = 0;
    std::map<std::string, double> counters;
};

double nanoseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kSecond:
        return value * 1e9;
    case benchmark::kMillisecond:
        return value * 1e6;
    case benchmark::kMicrosecond:
        return value * 1e3;
    case benchmark::kNanosecond:
        break;
    }
    return value;
}

// Shows the usual console report on stderr and keeps the medians for the table.
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    MedianReporter()
    {
        SetOutputStream(&std::cerr);
        SetErrorStream(&std::cerr);
    }

    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& run : reports) {
            const bool aggregate =
                run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions == 1;
            if (!(aggregate || single) || run.error_occurred)
                continue;
            // Hand-timed benchmarks report their own time; the others the time the thread
            // was on a processor, which other work on the machine disturbs least.
            const bool timedByHand = !run.run_name.time_type.empty();
            Median& median = medians[run.run_name.function_name];
            median.ns = nanoseconds(
                timedByHand ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(), run.time_unit);
            for (const auto& [name, counter] : run.counters)
                median.counters[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(reports);
    }

    std::map<std::string, Median> medians;
};

// A median of the run: a time or a byte count; not found when the benchmark did not run.
struct Value
{
    bool found = false;
    double amount = 0;
    bool bytes = false;
};

Value valueOf(const std::map<std::string, Median>& medians, const std::string& reference)
{
    if (reference.empty())
        return {};
    const size_t hash = reference.find('#');
    const auto found = medians.find(reference.substr(0, hash));
    if (found == medians.end())
        return {};
    if (hash == std::string::npos)
        return {true, found->second.ns, false};
    const auto counter = found->second.counters.find(reference.substr(hash + 1));
    if (counter == found->second.counters.end())
        return {};
    const bool time = counter->first.ends_with("_ns");
    return {true, counter->second, !time};
}

std::string format(const char* pattern, double value, const char* unit)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value, unit);
    return text;
}

std::string timeText(double ns)
{
    if (ns >= 1e9)
        return format("%.2f %s", ns / 1e9, "s");
    if (ns >= 1e6)
        return format(ns >= 1e8 ? "%.0f %s" : "%.1f %s", ns / 1e6, "ms");
    if (ns >= 1e3)
        return format(ns >= 1e5 ? "%.0f %s" : "%.2f %s", ns / 1e3, "µs");
    return format("%.0f %s", ns, "ns");
}

std::string text(const Value& value)
{
    return value.bytes ? format("%.1f %s", value.amount / (1024 * 1024), "MiB")
                       : timeText(value.amount);
}

std::string targetText(const Row& row)
{
    std::string target;
    if (row.maxRatio > 0)
        target = format("ratio <= %.1f%s", row.maxRatio, "");
    if (row.maxFigureNs > 0)
        target += (target.empty() ? "median < " : ", median < ") + timeText(row.maxFigureNs);
    if (row.atMostNs > 0)
        target += (target.empty() ? "at most " : ", at most ") + timeText(row.atMostNs);
    return target;
}

// Prints the row; false when it misses a target.
bool printRow(const Row& row, const std::map<std::string, Median>& medians)
{
    const Value figure = valueOf(medians, row.figure);
    if (!figure.found)
        return true;
    const Value floor = valueOf(medians, row.floor);
    const double ratio = floor.found && floor.amount > 0 ? figure.amount / floor.amount : 0;

    // A ratio target is judged only when its floor ran too.
    const bool judgesRatio = row.maxRatio > 0 && floor.found;
    bool met = true;
    if (judgesRatio)
        met = ratio > 0 && ratio <= row.maxRatio;
    if (row.maxFigureNs > 0)
        met = met && figure.amount < row.maxFigureNs;
    if (row.atMostNs > 0)
        met = met && figure.amount <= row.atMostNs;
    const bool hasTarget = judgesRatio || row.maxFigureNs > 0 || row.atMostNs > 0;

    std::cout << "| " << row.work << " | " << text(figure) << " | "
              << (floor.found ? text(floor) : "—") << " | "
              << (ratio > 0 ? format("%.2f%s", ratio, "") : "—") << " | " << targetText(row)
              << " | " << (hasTarget ? (met ? "met" : "MISSED") : "") << " |\n";
    return met;
}

} // namespace

double Stopwatch::now() const
{
    if (m_clock == Clock::Wall)
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
}

std::string workload(const std::string& fileName)
{
    return workloadFolder() + '/' + fileName;
}

std::string label(std::string size)
{
    if (!size.empty() && size.back() == 'm')
        size.back() = 'M';
    return size;
}

benchmark::internal::Benchmark* add(const std::string& name,
                                    std::function<void(benchmark::State&)> body, int repetitions)
{
    return benchmark::RegisterBenchmark(name.c_str(), std::move(body))
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true);
}

void addSized(const std::string& name, const std::string& size,
              void (*body)(benchmark::State&, const std::string&), int repetitions)
{
    add(
        name + "/" + size, [body, size](benchmark::State& state) { body(state, size); },
        repetitions)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

int run(int argc, char** argv, const std::vector<Row>& rows)
{
    // Repetitions of all benchmarks run in random order, so floors and figures share the
    // machine's moments; flags given on the command line come later and win.
    std::vector<char*> args{argv[0]};
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave.data());
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (count != 2) {
        std::cerr << "usage: " << argv[0] << " [benchmark flags] WORKLOAD_FOLDER\n";
        return 2;
    }
    workloadFolder() = args[1];

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "| Work | Figure | Floor | Ratio | Target | |\n"
              << "|---|---|---|---|---|---|\n";
    bool allMet = true;
    for (const Row& row : rows)
        allMet = printRow(row, reporter.medians) && allMet;
    std::cout.flush();
    return allMet ? 0 : 1;
}

} // namespace BenchTable
