// Timing of a whole sweep on all cores: StepMany in batches, the first
// `timedRuns` runs timed and the sweep's time estimated from them; or, when
// asked, the whole sweep run once. Beside the wall-clock figures it prints
// the processor time the process got: on a shared machine the threads may
// get far less than a core each, and runs per processor-second tell the
// sweep's own cost apart from that.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "BenchTiming.h"
#include "common/SweepWorkerPool.h"

namespace bench {

// `step(batch, &kept)` runs up to `batch` steps, false at the end; `runsDone()`
// counts them. Prints runs per second and the estimate for `totalRuns`.
template <class Step, class RunsDone>
void TimeSweepOnAllCores(const char* name, int totalRuns, int timedRuns, bool wholeSweep,
                         Step&& step, RunsDone&& runsDone) {
    using Clock = std::chrono::steady_clock;
    const int workers = CSweepWorkerPool::MachineThreads();
    const int batch = 16 * workers;
    const Clock::time_point start = Clock::now();
    const double processorStart = ProcessorSeconds();
    bool kept = false;
    // A window's run/stop loop pumps its messages between batches: the
    // longest batch is the longest the window goes unanswered.
    double longestBatch = 0.0;
    for (;;) {
        if (!wholeSweep && runsDone() >= timedRuns) break;
        const Clock::time_point batchStart = Clock::now();
        const bool more = step(batch, &kept);
        longestBatch = std::max(longestBatch,
                                std::chrono::duration<double>(Clock::now() - batchStart).count());
        if (!more) break;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double perSecond = runsDone() / seconds;
    const double processorSeconds = ProcessorSeconds() - processorStart;
    if (wholeSweep) {
        std::printf("%s: the whole sweep, %d runs on %d threads: %.1f s (%.0f runs per second)\n",
                    name, runsDone(), workers, seconds, perSecond);
    } else {
        std::printf("%s: %d runs on %d threads in %.2f s, %.0f runs per second; %d runs: about "
                    "%.1f s (%.2f min)\n",
                    name, runsDone(), workers, seconds, perSecond, totalRuns,
                    totalRuns / perSecond, totalRuns / perSecond / 60.0);
    }
    std::printf("  batches of %d runs; the longest took %.0f ms\n", batch, longestBatch * 1000.0);
    if (processorSeconds > 0.0) {
        const double perProcessorSecond = runsDone() / processorSeconds;
        std::printf("  processor time: %.1f s, %.2f threads busy on average; %.0f runs per "
                    "processor-second: %d runs on %d fully available cores at that rate: about "
                    "%.1f s (%.2f min)\n",
                    processorSeconds, processorSeconds / seconds, perProcessorSecond, totalRuns,
                    workers, totalRuns / perProcessorSecond / workers,
                    totalRuns / perProcessorSecond / workers / 60.0);
    }
}

}  // namespace bench
