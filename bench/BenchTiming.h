// Timing helpers of the benchmark programs: how often a piece of work runs
// per second, and the median of repeated figures.
//
// Figures are taken by the wall clock; with BENCH_CLOCK=thread in the
// environment, by the processor time the timing thread got instead. On a
// shared, loaded machine a thread may get a fraction of a core, and its
// processor time tells the code's own cost apart from that (work done for
// the thread in other processes, such as an X server's, is not counted).
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace bench {

inline bool TimesByThreadProcessorTime() {
    const char* clock = std::getenv("BENCH_CLOCK");
    return clock != nullptr && std::strcmp(clock, "thread") == 0;
}

// What the figures are timed by, for the programs' headings.
inline const char* ClockNote() {
    return TimesByThreadProcessorTime() ? "thread processor time" : "wall clock";
}

inline double Seconds(const FILETIME& t) {
    const unsigned long long ticks =
        (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<double>(ticks) * 1e-7;  // 100-ns units
}

// User and kernel time this thread got so far, in seconds.
inline double ThreadProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0.0;
    return Seconds(kernel) + Seconds(user);
}

// User and kernel time of all the process's threads so far, in seconds.
inline double ProcessorSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0.0;
    return Seconds(kernel) + Seconds(user);
}

// Seconds on the chosen clock since some fixed point.
inline double Now() {
    if (TimesByThreadProcessorTime()) return ThreadProcessorSeconds();
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Runs `work` again and again for at least `duration`; returns runs per second.
template <class Work>
double RunsPerSecond(Work&& work, std::chrono::milliseconds duration) {
    const double limit = std::chrono::duration<double>(duration).count();
    int runs = 0;
    const double start = Now();
    double elapsed;
    do {
        work();
        ++runs;
        elapsed = Now() - start;
    } while (elapsed < limit);
    return runs / elapsed;
}

// Median of `repeats` figures of `measure`.
template <class Measure>
double MedianOf(int repeats, Measure&& measure) {
    std::vector<double> values;
    for (int i = 0; i < repeats; ++i) values.push_back(measure());
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace bench
