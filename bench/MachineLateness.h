#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// How late the machine itself wakes a thread that has nothing else to do, on each processor: a
// thread of real-time priority, bound to the processor, sleeps a millisecond at a time and notes
// every span from a due wake-up to a late one. On a shared virtual machine the host may hold a
// processor for many milliseconds; the program's work does not cause those spans, as the thread
// preempts it (inside the kernel, at its next point of preemption).
class MachineLateness
{
public:
    // A span of the steady clock, in nanoseconds since its epoch.
    struct Span
    {
        std::int64_t from = 0;
        std::int64_t to = 0;
    };

    MachineLateness();
    ~MachineLateness();
    MachineLateness(const MachineLateness&) = delete;
    MachineLateness& operator=(const MachineLateness&) = delete;

    static std::int64_t nowNs();
    // The processor the calling thread runs on.
    static int processor();

    // Whether every watching thread got its processor and its real-time priority; without them,
    // the spans include waits behind other work and are not the machine's alone.
    bool watched() const;
    // The longest span noted on any processor.
    std::int64_t longestNs() const;
    // How many nanoseconds of [from, to] the spans of that processor cover.
    std::int64_t heldWithin(int processor, std::int64_t from, std::int64_t to) const;

private:
    struct Watch
    {
        std::atomic<bool> ready{false};
        mutable std::mutex mutex;
        std::vector<Span> spans;
        std::thread thread;
    };

    void watch(Watch& watch, int processor);

    std::atomic<bool> m_stop{false};
    std::vector<std::unique_ptr<Watch>> m_watches;
};
