// The size of a sweep loop's batches: runs go to the worker threads a batch
// at a time and the dialog is pumped between batches, so a batch must end
// soon enough for Stop and the display to answer (about 50 ms). The batch
// starts at one run, doubles while batches take under 20 ms and halves when
// one takes over 50 ms.
#pragma once

class CSweepPace {
public:
    static constexpr int kMaxRuns = 1024;

    int Next() const { return runs_; }
    // The last batch took `milliseconds`.
    void Took(unsigned long milliseconds);

private:
    int runs_ = 1;
};
