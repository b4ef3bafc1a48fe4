// The best N results of a sweep. A Result has Clear() and the fields
// `marked`, `runNumber` and `score`; which of two scores is better is the
// caller's (a predicate isBetter(a, b): a strictly better than b).
//
// While fewer than N are kept, a run goes into the next slot of a ring; then
// it replaces the worst result when strictly better and is refused
// otherwise. After each kept run the worst and best are found again from
// slot 0 upward: a later result becomes the best only when strictly better;
// whether it becomes the worst on a tie is the Tie parameter.
#pragma once

#include "common/Assertion.h"

enum class SweepTie {
    kEarlierIsWorst,  // the worst moves only to a strictly worse result
    kLaterIsWorst,    // of equal scores the later one is the worst
};

template <typename Result, int N, SweepTie Tie>
class CSweepBest {
public:
    // Every result cleared; none kept; worst and best 0 with no index.
    void Clear() {
        for (Result& result : results_) result.Clear();
        count_ = 0;
        ringPosition_ = -1;
        worstScore_ = bestScore_ = 0.0f;
        worstIndex_ = bestIndex_ = -1;
    }

    // Keeps a run of `score` when it is among the best: `store(result)`
    // copies the run into its slot's result, whose run number and score are
    // set here (its marked flag is left as it was). True when kept.
    template <typename IsBetter, typename Store>
    bool Keep(float score, int runNumber, IsBetter isBetter, Store store) {
        int slot = 0;
        if (count_ < N) {
            ringPosition_ = (ringPosition_ + 1) % N;
            slot = ringPosition_;
            ++count_;
        } else if (isBetter(score, worstScore_)) {
            slot = worstIndex_;
        } else {
            return false;
        }
        Result& result = results_[slot];
        store(result);
        result.runNumber = runNumber;
        result.score = score;
        Rank(isBetter);
        return true;
    }

    int GetCount() const { return count_; }
    // A kept result, i below the count.
    Result& Get(int i) {
        APP_ASSERT(i >= 0 && i < count_);
        return results_[i];
    }
    const Result& Get(int i) const {
        APP_ASSERT(i >= 0 && i < count_);
        return results_[i];
    }
    // Any of the N slots, kept or not.
    const Result& GetSlot(int i) const {
        APP_ASSERT(i >= 0 && i < N);
        return results_[i];
    }
    // The best result; one must be kept.
    Result& GetBest() {
        APP_ASSERT(bestIndex_ >= 0);
        return results_[bestIndex_];
    }
    // Marks the best result, when there is one.
    void MarkBest() {
        if (bestIndex_ >= 0) results_[bestIndex_].marked = true;
    }
    float GetBestScore() const { return bestScore_; }
    float GetWorstScore() const { return worstScore_; }

private:
    static constexpr char kAssertModule[] = "SweepBest.h";

    template <typename IsBetter>
    void Rank(IsBetter isBetter) {
        worstIndex_ = bestIndex_ = 0;
        worstScore_ = bestScore_ = results_[0].score;
        for (int i = 1; i < count_; ++i) {
            const float score = results_[i].score;
            const bool worst = Tie == SweepTie::kLaterIsWorst ? !isBetter(score, worstScore_)
                                                              : isBetter(worstScore_, score);
            if (worst) {
                worstScore_ = score;
                worstIndex_ = i;
            }
            if (isBetter(score, bestScore_)) {
                bestScore_ = score;
                bestIndex_ = i;
            }
        }
    }

    Result results_[N];
    int count_ = 0;
    int ringPosition_ = -1;  // the slot filled last while fewer than N are kept
    float worstScore_ = 0.0f;
    int worstIndex_ = -1;
    float bestScore_ = 0.0f;
    int bestIndex_ = -1;
};
