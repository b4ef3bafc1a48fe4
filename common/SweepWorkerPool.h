// Worker threads for a sweep's runs: Run hands out jobs 0..count-1 to the
// calling thread and the pool's threads and returns when all are done. Each
// thread has a fixed worker index (0 is the calling thread), so a job can
// use per-worker state (its own simulation block) without locking. Jobs must
// not throw, and must call no window or message box function.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CSweepWorkerPool {
public:
    // `workers` threads in all, the calling one included; at least 1.
    explicit CSweepWorkerPool(int workers);
    ~CSweepWorkerPool();
    CSweepWorkerPool(const CSweepWorkerPool&) = delete;
    CSweepWorkerPool& operator=(const CSweepWorkerPool&) = delete;

    int GetWorkerCount() const { return static_cast<int>(threads_.size()) + 1; }
    // job(worker, index) for every index in 0..count-1.
    void Run(int count, const std::function<void(int worker, int index)>& job);

    // The machine's hardware threads (at least 1).
    static int MachineThreads();

private:
    void WorkerLoop(int worker);
    void TakeJobs(int worker);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    const std::function<void(int, int)>* job_ = nullptr;
    int count_ = 0;
    std::atomic<int> next_{0};
    int busy_ = 0;          // pool threads still working on this generation
    unsigned generation_ = 0;
    bool stopping_ = false;
};
