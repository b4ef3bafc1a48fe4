#include "common/SweepWorkerPool.h"

CSweepWorkerPool::CSweepWorkerPool(int workers) {
    for (int worker = 1; worker < workers; ++worker)
        threads_.emplace_back([this, worker] { WorkerLoop(worker); });
}

CSweepWorkerPool::~CSweepWorkerPool() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

int CSweepWorkerPool::MachineThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

void CSweepWorkerPool::Run(int count, const std::function<void(int, int)>& job) {
    if (count <= 0) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        job_ = &job;
        count_ = count;
        next_.store(0);
        busy_ = static_cast<int>(threads_.size());
        ++generation_;
    }
    wake_.notify_all();
    TakeJobs(0);
    std::unique_lock<std::mutex> lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    job_ = nullptr;
}

void CSweepWorkerPool::TakeJobs(int worker) {
    for (int index; (index = next_.fetch_add(1)) < count_;) (*job_)(worker, index);
}

void CSweepWorkerPool::WorkerLoop(int worker) {
    unsigned seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this, seen] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
        }
        TakeJobs(worker);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (--busy_ == 0) finished_.notify_one();
        }
    }
}
