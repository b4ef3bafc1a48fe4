// The parts of a sweep's many-at-once step that both programs share: a
// worker pool with a lane of per-worker state each (a simulation record),
// jobs for a batch of combinations (each with the document copy it runs
// in), and taking a batch from the odometer. The sweep merges the jobs'
// outcomes in odometer order itself.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "common/SweepWorkerPool.h"

template <typename Lane, typename Job>
class CSweepWorkers {
public:
    // Jobs a batch can hold per worker: with 16 runs each, a worker seldom
    // waits long for the batch's slowest run before the next batch starts.
    static constexpr int kJobsPerWorker = 16;

    // Pool, lanes and jobs for `workers` threads (0: the machine's), made
    // anew only when the count changes. On the calling thread: documents
    // take serial numbers when made.
    void Prepare(int workers) {
        const int count = workers > 0 ? workers : CSweepWorkerPool::MachineThreads();
        if (pool_ && pool_->GetWorkerCount() == count) return;
        pool_ = std::make_unique<CSweepWorkerPool>(count);
        lanes_.clear();
        jobs_.clear();
        for (int i = 0; i < count; ++i) lanes_.push_back(std::make_unique<Lane>());
        for (int i = 0; i < kJobsPerWorker * count; ++i) jobs_.push_back(std::make_unique<Job>());
    }

    // The start of a batch. An end met by the last batch ends the sweep now
    // (a one-thread sweep learns of it one step after its last run);
    // otherwise the workers are readied and jobs collected. Returns how many
    // jobs, 0 when the sweep is done (`done` then set).
    template <typename Advance, typename Take>
    int StartBatch(int workers, int maxRuns, bool& endPending, bool& done, Advance advance,
                   Take take) {
        if (endPending) {
            endPending = false;
            done = true;
        }
        if (done) return 0;
        Prepare(workers);
        const int count = Collect(maxRuns, endPending, advance, take);
        if (count == 0) {
            endPending = false;
            done = true;
        }
        return count;
    }

    // Fills jobs from the odometer: `advance()` moves it on (false at the
    // end of the sweep, which sets `endMet`), `take(job)` records its
    // values. Returns how many jobs, at most `maxRuns`.
    template <typename Advance, typename Take>
    int Collect(int maxRuns, bool& endMet, Advance advance, Take take) {
        const int capacity = std::min(maxRuns, static_cast<int>(jobs_.size()));
        int count = 0;
        while (count < capacity) {
            if (!advance()) {
                endMet = true;
                break;
            }
            take(*jobs_[count++]);
        }
        return count;
    }

    // work(lane, job) for jobs 0..count-1, spread over the workers.
    template <typename Work>
    void Run(int count, Work work) {
        pool_->Run(count, [this, &work](int worker, int index) { work(*lanes_[worker], *jobs_[index]); });
    }

    Job& GetJob(int i) { return *jobs_[i]; }

private:
    std::unique_ptr<CSweepWorkerPool> pool_;
    std::vector<std::unique_ptr<Lane>> lanes_;
    std::vector<std::unique_ptr<Job>> jobs_;
};
