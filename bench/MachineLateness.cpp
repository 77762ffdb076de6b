#include "MachineLateness.h"

#include <algorithm>
#include <chrono>

#include <pthread.h>
#include <sched.h>
#include <time.h>

namespace {

constexpr std::int64_t PeriodNs = 1000000;
// Lateness below this is the ordinary cost of a wake-up, not a hold.
constexpr std::int64_t NoticedNs = 200000;

} // namespace

MachineLateness::MachineLateness()
{
    const int processors = int(std::max(1u, std::thread::hardware_concurrency()));
    for (int processor = 0; processor < processors; ++processor) {
        m_watches.push_back(std::make_unique<Watch>());
        Watch& watch = *m_watches.back();
        watch.thread = std::thread([this, &watch, processor] { this->watch(watch, processor); });
    }
}

MachineLateness::~MachineLateness()
{
    m_stop = true;
    for (const auto& watch : m_watches)
        watch->thread.join();
}

std::int64_t MachineLateness::nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int MachineLateness::processor()
{
    return sched_getcpu();
}

void MachineLateness::watch(Watch& watch, int processor)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(processor, &set);
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO);
    watch.ready = pthread_setaffinity_np(pthread_self(), sizeof set, &set) == 0 &&
                  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
    std::int64_t due = nowNs() + PeriodNs;
    while (!m_stop) {
        const timespec at{time_t(due / 1000000000), long(due % 1000000000)};
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr);
        const std::int64_t woke = nowNs();
        if (woke - due > NoticedNs) {
            const std::lock_guard lock(watch.mutex);
            watch.spans.push_back({due, woke});
        }
        due = woke + PeriodNs;
    }
}

bool MachineLateness::watched() const
{
    return std::all_of(m_watches.begin(), m_watches.end(),
                       [](const auto& watch) { return watch->ready.load(); });
}

std::int64_t MachineLateness::longestNs() const
{
    std::int64_t longest = 0;
    for (const auto& watch : m_watches) {
        const std::lock_guard lock(watch->mutex);
        for (const Span& span : watch->spans)
            longest = std::max(longest, span.to - span.from);
    }
    return longest;
}

std::int64_t MachineLateness::heldWithin(int processor, std::int64_t from, std::int64_t to) const
{
    if (processor < 0 || processor >= int(m_watches.size()))
        return 0;
    const Watch& watch = *m_watches[size_t(processor)];
    const std::lock_guard lock(watch.mutex);
    const auto first =
        std::lower_bound(watch.spans.begin(), watch.spans.end(), from,
                         [](const Span& span, std::int64_t at) { return span.to <= at; });
    std::int64_t held = 0;
    for (auto span = first; span != watch.spans.end() && span->from < to; ++span)
        held += std::min(span->to, to) - std::max(span->from, from);
    return held;
}
