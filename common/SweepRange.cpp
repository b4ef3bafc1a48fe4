#include "common/SweepRange.h"

#include <cmath>

namespace {

// Unit 0 is the unit-less one in every program's unit table.
const int kUnitless = 0;

// The range fields of an unused variable.
CFloatPtSpec UnitlessSpec(const char* name) {
    return CFloatPtSpec(name, kUnitless, 0.0f, 10.0f, kUnitless, 1.0f);
}

}  // namespace

CSweepRange::CSweepRange()
    : min_(UnitlessSpec("Min Value")),
      max_(UnitlessSpec("Max Value")),
      step_(UnitlessSpec("Step Value")),
      tolerance_(UnitlessSpec("Tolerance")) {}

void CSweepRange::ClearRange() {
    min_ = UnitlessSpec("Min Value");
    max_ = UnitlessSpec("Max Value");
    step_ = UnitlessSpec("Step Value");
    tolerance_ = UnitlessSpec("Tolerance");
    current_ = 0.0f;
    stepIndex_ = 0;
    atEnd_ = false;
    stepCount_ = 0;
}

void CSweepRange::AssignRange(const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                              const CFloatPtSpec& step) {
    AdoptRangeField(centre);
    step_ = step;
    tolerance_ = tolerance;
    ClampRangeAround(centre.GetValue());
}

void CSweepRange::AdoptRangeField(const CFloatPtSpec& field) {
    min_ = field;
    max_ = field;
}

void CSweepRange::ClampRangeAround(float centre) {
    min_.SetValue(centre);
    max_.SetValue(centre);
    min_.AddClamped(-tolerance_.GetValue());
    max_.AddClamped(tolerance_.GetValue());
    RecountAndRewind();
}

void CSweepRange::RecountAndRewind() {
    ComputeStepCount();
    Rewind();
}

void CSweepRange::ComputeStepCount() {
    const float range = max_.GetValue() - min_.GetValue();
    const float step = step_.GetValue();
    stepCount_ = 0;
    if (range > 0.0f && step > 0.0f && range >= step) {
        const float steps = range / step;
        const float whole = std::floor(steps);
        stepCount_ = static_cast<int>(whole) + (steps - whole > 0.01f ? 1 : 0) + 1;
    }
}

void CSweepRange::Rewind() {
    RewindWalk();
    current_ = min_.GetValue();
}

void CSweepRange::RewindWalk() {
    stepIndex_ = 0;
    atEnd_ = false;
}

CSweepRange::WalkStep CSweepRange::TakeStep() {
    const int index = stepIndex_++;
    if (index == 0) return WalkStep::kFirst;
    if (stepCount_ == index + 1) {
        atEnd_ = true;
        return WalkStep::kLast;
    }
    return WalkStep::kNext;
}

void CSweepRange::ProduceNext() {
    switch (TakeStep()) {
        case WalkStep::kFirst:
            current_ = min_.GetValue();
            break;
        case WalkStep::kNext:
            current_ += step_.GetValue();
            break;
        case WalkStep::kLast:
            current_ = max_.GetValue();
            break;
    }
}
