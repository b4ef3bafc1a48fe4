// Timing helpers of the benchmark programs: how often a piece of work runs
// per second, and the median of repeated figures.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

// Runs `work` again and again for at least `duration`; returns runs per second.
template <class Work>
double RunsPerSecond(Work&& work, std::chrono::milliseconds duration) {
    using Clock = std::chrono::steady_clock;
    int runs = 0;
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed;
    do {
        work();
        ++runs;
        elapsed = Clock::now() - start;
    } while (elapsed < duration);
    return runs / std::chrono::duration<double>(elapsed).count();
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
