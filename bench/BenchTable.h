#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

// The table each benchmark program prints after its run. A row sets a figure beside its floor;
// both are medians of repetitions that ran randomly interleaved in the same process, so a busy
// machine slows both alike.
namespace BenchTable {

struct Row
{
    // What the row measures, as the table shows it.
    std::string work;
    // The benchmark giving the figure; "name#counter" takes that counter's median instead of
    // the time: a time in nanoseconds when the counter's name ends in "_ns", else a byte count.
    std::string figure;
    // The benchmark giving the floor, in the same form; empty when the row has none.
    std::string floor;
    // Target on figure / floor; 0 when the row has none.
    double maxRatio = 0;
    // Target on the figure's median time in nanoseconds; 0 when the row has none.
    double maxFigureNs = 0;
    // Target on the figure: at most this many nanoseconds; 0 when the row has none.
    double atMostNs = 0;
};

// The folder of the workloads, named by the program's first argument.
std::string workload(const std::string& fileName);
// A workload size as the tables show it: "1m" is "1M".
std::string label(std::string size);

// Times one iteration by hand, leaving out its setup and teardown. By default it counts the
// time the thread spent on a processor, which other work on the machine disturbs least; work
// that waits for the disk is timed by the wall clock.
class Stopwatch
{
public:
    enum class Clock
    {
        Processor,
        Wall,
    };

    explicit Stopwatch(Clock clock = Clock::Processor) : m_clock(clock) {}
    void start() { m_start = now(); }
    void stop(benchmark::State& state) const { state.SetIterationTime(now() - m_start); }

private:
    double now() const;

    Clock m_clock;
    double m_start = 0;
};

// Registers a benchmark that reports medians of interleaved repetitions, timed by hand. A
// benchmark of one repetition reports its one run.
benchmark::internal::Benchmark* add(const std::string& name,
                                    std::function<void(benchmark::State&)> body, int repetitions);

// Registers name/size: one hand-timed run of body on the workload of that size per repetition,
// reported in milliseconds.
void addSized(const std::string& name, const std::string& size,
              void (*body)(benchmark::State&, const std::string&), int repetitions);

// Runs the registered benchmarks and prints the table; returns 1 when a target is missed.
int run(int argc, char** argv, const std::vector<Row>& rows);

} // namespace BenchTable
