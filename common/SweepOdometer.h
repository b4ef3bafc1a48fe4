// The odometer of a sweep over up to N variables: it runs through every
// combination of the active variables' values. The first active variable
// varies slowest, the last one fastest; a variable at its end carries into
// the one before it and starts again, and the end of the first one ends the
// sweep.
//
// A Variable has IsActive, GetStepCount, GetStepIndex, IsAtEnd, Rewind,
// StartAfterCarry, RestartAfterCarry and ProduceNext (see SweepRange.h).
#pragma once

#include <cstdint>

#include "common/Assertion.h"

// The product of the active variables' step counts, capped at `cap`; 0 when
// none is active.
template <typename Variable, int N>
int CountSweepCombinations(const Variable (&variables)[N], int cap) {
    int64_t total = 0;
    for (const Variable& variable : variables) {
        if (!variable.IsActive()) continue;
        total = (total == 0 ? 1 : total) * variable.GetStepCount();
        if (total >= cap) return cap;
    }
    return static_cast<int>(total);
}

template <typename Variable, int N>
class CSweepOdometer {
public:
    // The active variables of `variables`, in their order. They stay owned
    // by the caller, which collects again after copying them.
    void Collect(Variable (&variables)[N]) {
        count_ = 0;
        for (Variable& variable : variables)
            if (variable.IsActive()) active_[count_++] = &variable;
        for (int i = count_; i < N; ++i) active_[i] = nullptr;
    }
    void Clear() {
        count_ = 0;
        for (Variable*& variable : active_) variable = nullptr;
    }
    int GetCount() const { return count_; }
    Variable& Get(int i) const {
        APP_ASSERT(i >= 0 && i < count_);
        return *active_[i];
    }
    void Rewind() {
        for (int i = 0; i < count_; ++i) active_[i]->Rewind();
    }

    // Moves to the next combination. False when the sweep is done; the
    // final carry then moves nothing.
    bool Advance() {
        APP_ASSERT(count_ > 0);
        return AdvanceFrom(count_ - 1);
    }

private:
    static constexpr char kAssertModule[] = "SweepOdometer.h";

    // Advances variable i, carrying into the ones before it.
    bool AdvanceFrom(int i) {
        Variable& variable = *active_[i];
        if (variable.IsAtEnd()) {
            if (i == 0 || !AdvanceFrom(i - 1)) return false;
            variable.RestartAfterCarry();
        } else if (i != count_ - 1 && variable.GetStepIndex() == 0 && active_[i + 1]->IsAtEnd()) {
            // Its first value was used before the first carry reached it.
            variable.StartAfterCarry();
        }
        variable.ProduceNext();
        return true;
    }

    Variable* active_[N] = {};
    int count_ = 0;
};
