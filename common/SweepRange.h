// The range part of a swept value, as both programs' sweeps use it: from
// centre - tolerance to centre + tolerance (each clamped to the field's
// limits) by step, and the walk over those values that the sweep's odometer
// drives (SweepOdometer.h). A range of min 10, max 20 and step 3 gives 10,
// 13, 16, 19 and 20: the last value is always max.
//
// The programs' variables build on it, adding their kind, the enabled flag
// and anything of their own (the engine program's list of part types walks
// with the same step counter).
#pragma once

#include "common/SimSpec.h"

class CSweepRange {
public:
    CSweepRange();

    // min, min + step, ...: how many values, max included. A last step
    // shorter than 1 % of a step is no step of its own; no values when the
    // range is empty or narrower than a step.
    void ComputeStepCount();
    // Step index 0, not at the end, current value = min.
    void Rewind();

    int GetStepCount() const { return stepCount_; }
    int GetStepIndex() const { return stepIndex_; }
    bool IsAtEnd() const { return atEnd_; }
    float GetCurrentValue() const { return current_; }
    const CFloatPtSpec& GetMin() const { return min_; }
    const CFloatPtSpec& GetMax() const { return max_; }
    const CFloatPtSpec& GetStep() const { return step_; }
    const CFloatPtSpec& GetTolerance() const { return tolerance_; }

    // The odometer's moves: a start that skips the first value (already
    // used before the first carry reached this variable); the restart after
    // a carry; and the next value (min, min + step, ..., max).
    void StartAfterCarry() { stepIndex_ = 1; }
    void RestartAfterCarry() { RewindWalk(); }
    void ProduceNext();

protected:
    // Unit-less fields, nothing set; no steps, current value 0, rewound.
    void ClearRange();
    // min and max take the centre field (its unit, limits and value), the
    // tolerance and step fields are copied; then ClampRangeAround the centre.
    void AssignRange(const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                     const CFloatPtSpec& step);
    // min and max take the unit and limits of `field` (and its value).
    void AdoptRangeField(const CFloatPtSpec& field);
    // min = centre - tolerance, max = centre + tolerance, each clamped to the
    // field's limits; then the steps are counted again and the range rewound.
    void ClampRangeAround(float centre);
    void RecountAndRewind();
    CFloatPtSpec& ToleranceField() { return tolerance_; }
    CFloatPtSpec& StepField() { return step_; }

    // The step counter, for values other than a range's: where the next
    // value lies. kLast puts the walk at its end.
    enum class WalkStep { kFirst, kNext, kLast };
    WalkStep TakeStep();
    void SetStepCount(int count) { stepCount_ = count; }
    void RewindWalk();

private:
    CFloatPtSpec min_;
    CFloatPtSpec max_;
    CFloatPtSpec step_;
    CFloatPtSpec tolerance_;
    float current_ = 0.0f;
    int stepIndex_ = 0;  // values produced so far in the current sweep
    bool atEnd_ = false;
    int stepCount_ = 0;
};
