// Timing of a whole sweep on all cores: StepMany in batches, the first
// `timedRuns` runs timed and the sweep's time estimated from them; or, when
// asked, the whole sweep run once.
#pragma once

#include <chrono>
#include <cstdio>

#include "common/SweepWorkerPool.h"

namespace bench {

// `step(batch, &kept)` runs up to `batch` steps, false at the end; `runsDone()`
// counts them. Prints runs per second and the estimate for `totalRuns`.
template <class Step, class RunsDone>
void TimeSweepOnAllCores(const char* name, int totalRuns, int timedRuns, bool wholeSweep,
                         Step&& step, RunsDone&& runsDone) {
    using Clock = std::chrono::steady_clock;
    const int workers = CSweepWorkerPool::MachineThreads();
    const int batch = 8 * workers;
    const Clock::time_point start = Clock::now();
    bool kept = false;
    while ((wholeSweep || runsDone() < timedRuns) && step(batch, &kept)) {
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double perSecond = runsDone() / seconds;
    if (wholeSweep) {
        std::printf("%s: the whole sweep, %d runs on %d threads: %.1f s (%.0f runs per second)\n",
                    name, runsDone(), workers, seconds, perSecond);
    } else {
        std::printf("%s: %d runs on %d threads in %.2f s, %.0f runs per second; %d runs: about "
                    "%.1f s (%.2f min)\n",
                    name, runsDone(), workers, seconds, perSecond, totalRuns,
                    totalRuns / perSecond, totalRuns / perSecond / 60.0);
    }
}

}  // namespace bench
