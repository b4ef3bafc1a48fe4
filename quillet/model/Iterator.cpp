#include "Iterator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ErrCode.h"
#include "QuilletDocFields.h"
#include "QuilletProfile.h"

static const char kAssertModule[] = "Iterator.cpp";

namespace {

// The range fields of an unused variable.
CFloatPtSpec UnitlessSpec(const char* name) {
    return CFloatPtSpec(name, kUnitNone, 0.0f, 10.0f, kUnitNone, 1.0f);
}

// A tolerance or step field holding `value` (left unset when the value is
// outside its limits, which makes the variable that uses it unused).
CFloatPtSpec SettingSpec(const char* name, int unit, float min, float max, float value) {
    CFloatPtSpec spec(name, unit, min, max, unit, 1.0f);
    StoreIfInRange(spec, value);
    return spec;
}

// Variable slots.
const int kStallVariable = 0;
const int kFirstRatioVariable = 1;
const int kRearAxleVariable = 7;
const int kLaunchVariable = 8;
const int kFirstShiftVariable = 9;

}  // namespace

// ------------------------------------------------------------ CIterVariable

CIterVariable::CIterVariable()
    : min_(UnitlessSpec("Min Value")),
      max_(UnitlessSpec("Max Value")),
      step_(UnitlessSpec("Step Value")),
      tolerance_(UnitlessSpec("Tolerance")) {}

void CIterVariable::Clear() {
    kind_ = kIterUnused;
    min_ = UnitlessSpec("Min Value");
    max_ = UnitlessSpec("Max Value");
    step_ = UnitlessSpec("Step Value");
    tolerance_ = UnitlessSpec("Tolerance");
    current_ = 0.0f;
    stepIndex_ = 0;
    atEnd_ = false;
    stepCount_ = 0;
    enabled_ = true;
}

bool CIterVariable::InitRange(int kind, const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                              const CFloatPtSpec& step) {
    APP_ASSERT(kind > kIterUnused && kind <= kIterLastKind);
    Clear();
    if (!centre.IsValid() || !tolerance.IsValid() || !step.IsValid()) return false;
    kind_ = kind;
    min_ = centre;
    max_ = centre;
    step_ = step;
    tolerance_ = tolerance;
    min_.AddClamped(-tolerance.GetValue());
    max_.AddClamped(tolerance.GetValue());
    ComputeStepCount();
    Rewind();
    return true;
}

void CIterVariable::SetCentre(float centre, float tolerance) {
    APP_ASSERT(kind_ != kIterUnused && tolerance >= 0.0f);
    StoreIfInRange(tolerance_, tolerance);
    Recentre(centre);
}

void CIterVariable::Recentre(float centre) {
    APP_ASSERT(kind_ != kIterUnused && min_.IsInRange(centre));
    min_.SetValue(centre);
    max_.SetValue(centre);
    min_.AddClamped(-tolerance_.GetValue());
    max_.AddClamped(tolerance_.GetValue());
    ComputeStepCount();
    Rewind();
}

void CIterVariable::SetStep(float step) {
    APP_ASSERT(kind_ != kIterUnused);
    StoreIfInRange(step_, step);
    ComputeStepCount();
    Rewind();
}

void CIterVariable::ComputeStepCount() {
    const float range = max_.GetValue() - min_.GetValue();
    const float step = step_.GetValue();
    stepCount_ = 0;
    if (range > 0.0f && step > 0.0f && range >= step) {
        const float steps = range / step;
        const float whole = std::floor(steps);
        stepCount_ = static_cast<int>(whole) + (steps - whole > 0.01f ? 1 : 0) + 1;
    }
}

void CIterVariable::Rewind() {
    stepIndex_ = 0;
    atEnd_ = false;
    current_ = min_.GetValue();
}

void CIterVariable::RestartAfterCarry() {
    stepIndex_ = 0;
    atEnd_ = false;
}

void CIterVariable::ProduceNext() {
    if (stepIndex_ == 0) {
        current_ = min_.GetValue();
    } else if (stepCount_ == stepIndex_ + 1) {
        current_ = max_.GetValue();
        atEnd_ = true;
    } else {
        current_ += step_.GetValue();
    }
    ++stepIndex_;
}

// -------------------------------------------------------------- CIterResult

CIterResult& CIterResult::operator=(const CIterResult& other) {
    if (this != &other) {
        other.doc.CopyVehicleTo(&doc);
        marked = other.marked;
        runNumber = other.runNumber;
        score = other.score;
    }
    return *this;
}

void CIterResult::Clear() {
    doc.ClearVehicle();
    marked = false;
    runNumber = 0;
    score = 0.0f;
}

// ----------------------------------------------------------------- CIterator

CIterator::CIterator() { Clear(); }

void CIterator::Clear() {
    finished_ = false;
    total_ = runsDone_ = 0;
    source_ = nullptr;
    sourceSerial_ = 0;
    working_.ClearVehicle();
    sourceCoupling_ = sourceGearCount_ = 0;
    for (CIterVariable& variable : variables_) variable.Clear();
    activeCount_ = 0;
    ClearResults();
    criterion_ = kCriterionElapsedTime;
    windowFrom_ = 0.0f;
    windowTo_ = 330.0f;
    lastScore_ = baselineScore_ = 0.0f;
    ClearHistory();
    hasResults_ = false;
}

void CIterator::ClearResults() {
    for (CIterResult& result : results_) result.Clear();
    keptCount_ = 0;
    ringPosition_ = -1;
    worstScore_ = bestScore_ = 0.0f;
    worstIndex_ = bestIndex_ = -1;
}

void CIterator::ClearHistory() {
    std::fill(std::begin(historyRuns_), std::end(historyRuns_), 0.0f);
    std::fill(std::begin(historyScores_), std::end(historyScores_), 0.0f);
    historyPosition_ = -1;
}

CIterator& CIterator::operator=(const CIterator& other) {
    if (this == &other) return *this;
    finished_ = other.finished_;
    total_ = other.total_;
    runsDone_ = other.runsDone_;
    source_ = other.source_;
    sourceSerial_ = other.sourceSerial_;
    other.working_.CopyVehicleTo(&working_);
    sourceCoupling_ = other.sourceCoupling_;
    sourceGearCount_ = other.sourceGearCount_;
    std::copy(std::begin(other.variables_), std::end(other.variables_), std::begin(variables_));
    CollectActiveVariables();
    std::copy(std::begin(other.results_), std::end(other.results_), std::begin(results_));
    keptCount_ = other.keptCount_;
    ringPosition_ = other.ringPosition_;
    criterion_ = other.criterion_;
    windowFrom_ = other.windowFrom_;
    windowTo_ = other.windowTo_;
    worstScore_ = other.worstScore_;
    worstIndex_ = other.worstIndex_;
    bestScore_ = other.bestScore_;
    bestIndex_ = other.bestIndex_;
    lastScore_ = other.lastScore_;
    baselineScore_ = other.baselineScore_;
    hasResults_ = other.hasResults_;
    std::copy(std::begin(other.historyRuns_), std::end(other.historyRuns_), historyRuns_);
    std::copy(std::begin(other.historyScores_), std::end(other.historyScores_), historyScores_);
    historyPosition_ = other.historyPosition_;
    return *this;
}

void CIterator::AttachDocument(CQuilletDoc* doc) {
    APP_ASSERT(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    if (!doc->ValidateOrShowCode()) return;
    source_ = doc;
    sourceSerial_ = doc->GetSerial();
    sourceCoupling_ = doc->m_couplingType.GetValue();
    sourceGearCount_ = doc->m_gearCount.GetValue();
    doc->CopyVehicleTo(&working_);
    short code = 0;
    APP_ASSERT(working_.Validate(&code));
}

void CIterator::CollectActiveVariables() {
    activeCount_ = 0;
    for (CIterVariable& variable : variables_) {
        if (variable.IsActive()) active_[activeCount_++] = &variable;
    }
    std::fill(active_ + activeCount_, std::end(active_), nullptr);
}

void CIterator::Reset() {
    finished_ = false;
    total_ = runsDone_ = 0;
    ClearResults();
    lastScore_ = 0.0f;
    for (CIterVariable& variable : variables_) variable.ComputeStepCount();
    CollectActiveVariables();
    int64_t total = activeCount_ > 0 ? 1 : 0;
    for (int i = 0; i < activeCount_; ++i) {
        total = std::min<int64_t>(total * active_[i]->GetStepCount(), kIterMaxCombinations);
        active_[i]->Rewind();
    }
    total_ = static_cast<int>(total);
    ClearHistory();
    baselineScore_ = source_ != nullptr ? Score(*source_) : 0.0f;
}

bool CIterator::Validate(short* code) const {
    APP_ASSERT(code != nullptr);
    if (source_ == nullptr) {
        *code = kErrIteratorNoBaseline;
    } else if (total_ < 2 || activeCount_ == 0) {
        *code = kErrIteratorTooFewTests;
    } else if (total_ >= kIterMaxCombinations) {
        *code = kErrIteratorTooManyTests;
    } else {
        return true;
    }
    return false;
}

int CIterator::GetProgressPercent() const {
    return total_ > 0 ? static_cast<int>(static_cast<int64_t>(runsDone_) * 100 / total_) : 0;
}

// The odometer: the last active variable varies fastest. A variable at its
// end carries into the one before it and starts again.
void CIterator::Advance(int i) {
    CIterVariable& variable = *active_[i];
    if (variable.IsAtEnd()) {
        if (i == 0) {
            finished_ = true;
            return;
        }
        Advance(i - 1);
        variable.RestartAfterCarry();
    } else if (i != activeCount_ - 1 && variable.GetStepIndex() == 0 &&
               active_[i + 1]->IsAtEnd()) {
        // Its first value was used before the first carry reached it.
        variable.StartAfterCarry();
    }
    variable.ProduceNext();
}

CFloatPtSpec& CIterator::FieldOfKind(CQuilletDoc& doc, int kind) const {
    if (kind == kIterConverterStall) return doc.m_converterStall;
    if (kind >= kIterFirstGearRatio && kind < kIterRearAxleRatio)
        return doc.m_gearRatio[kind - kIterFirstGearRatio];
    if (kind == kIterRearAxleRatio) return doc.m_rearAxleRatio;
    if (kind == kIterLaunchRpm) return doc.m_launchRpm;
    APP_ASSERT(kind >= kIterFirstShiftRpm && kind <= kIterLastKind);
    return doc.m_shiftRpm[kind - kIterFirstShiftRpm];
}

void CIterator::ApplyValues() {
    for (int i = 0; i < activeCount_; ++i)
        FieldOfKind(working_, active_[i]->GetKind()).SetValue(active_[i]->GetCurrentValue());
}

bool CIterator::Step(bool* kept) {
    APP_ASSERT(kept != nullptr);
    APP_ASSERT(total_ > 1 && activeCount_ > 0);
    if (runsDone_ == 0) {
        for (int i = 0; i < activeCount_; ++i) APP_ASSERT(active_[i]->GetStepIndex() == 0);
    }
    *kept = false;
    if (finished_) return false;
    Advance(activeCount_ - 1);
    if (finished_) return false;

    historyPosition_ = (historyPosition_ + 1) % kIterHistoryCount;
    ++runsDone_;
    ApplyValues();
    const bool finished = working_.RunSimulation(false, false);
    if (finished) *kept = KeepResult();
    historyRuns_[historyPosition_] = static_cast<float>(runsDone_);
    historyScores_[historyPosition_] = finished ? lastScore_ : 0.0f;
    return finished;
}

float CIterator::Score(const CQuilletDoc& doc) const {
    const CRaceResults& results = doc.GetResults();
    switch (criterion_) {
        case kCriterionElapsedTime: return results.elapsedTime;
        case kCriterionTrapSpeed: return results.trapSpeed;
        default: break;
    }
    static const int kAreaCurves[] = {kCurveAcceleration, kCurveSpeed, kCurveTorque, kCurvePower};
    // An empty window has no area (the dialogs refuse one with code 128).
    if (!(windowFrom_ < windowTo_)) return 0.0f;
    return doc.CurveAreaBetween(kAreaCurves[criterion_ - kCriterionAccelerationArea], windowFrom_,
                                windowTo_);
}

bool CIterator::IsBetter(float score, float than) const {
    return criterion_ == kCriterionElapsedTime ? score < than : score > than;
}

bool CIterator::KeepResult() {
    const float score = Score(working_);
    lastScore_ = score;
    int slot;
    if (keptCount_ < kIterResultCount) {
        ringPosition_ = (ringPosition_ + 1) % kIterResultCount;
        slot = ringPosition_;
        ++keptCount_;
    } else {
        if (!IsBetter(score, worstScore_)) return false;
        slot = worstIndex_;
    }
    CIterResult& result = results_[slot];
    working_.CopyVehicleTo(&result.doc);
    result.runNumber = runsDone_;
    result.score = score;

    worstIndex_ = bestIndex_ = 0;
    worstScore_ = bestScore_ = results_[0].score;
    for (int i = 1; i < keptCount_; ++i) {
        // Ties move the worst to the later result; the best stays the earlier.
        if (!IsBetter(results_[i].score, worstScore_)) {
            worstScore_ = results_[i].score;
            worstIndex_ = i;
        }
        if (IsBetter(results_[i].score, bestScore_)) {
            bestScore_ = results_[i].score;
            bestIndex_ = i;
        }
    }
    return true;
}

// ---------------------------------------------------------------- Variables

CIterVariable& CIterator::GetVariable(int i) {
    APP_ASSERT(i >= 0 && i < kIterVariableCount);
    return variables_[i];
}

void CIterator::PresetConverterStall(float tolerance, float step) {
    APP_ASSERT(tolerance >= 0.0f && step > 0.0f && source_ != nullptr);
    variables_[kStallVariable].InitRange(
        kIterConverterStall, source_->m_converterStall,
        SettingSpec("Stall Rpm Tolerance", kUnitRpm, 100.0f, 3000.01f, tolerance),
        SettingSpec("Stall Rpm Step", kUnitRpm, 100.0f, 2000.01f, step));
}

void CIterator::PresetGearRatios(float tolerance, float step) {
    APP_ASSERT(tolerance >= 0.0f && step > 0.0f && source_ != nullptr);
    const int gears = source_->m_gearCount.GetValue();
    APP_ASSERT(gears > 0);
    const CFloatPtSpec toleranceSpec =
        SettingSpec("Gear Ratio Tolerance", kUnitRatio, 0.0f, 2.0f, tolerance);
    const CFloatPtSpec stepSpec = SettingSpec("Gear Ratio Step", kUnitRatio, 0.01f, 2.0f, step);
    for (int k = 0; k < kGearFieldCount; ++k) {
        CIterVariable& variable = variables_[kFirstRatioVariable + k];
        variable.Clear();
        if (k < gears)
            variable.InitRange(kIterFirstGearRatio + k, source_->m_gearRatio[k], toleranceSpec,
                               stepSpec);
    }
    variables_[kRearAxleVariable].InitRange(kIterRearAxleRatio, source_->m_rearAxleRatio,
                                            toleranceSpec, stepSpec);
}

void CIterator::PresetShiftPoints(float tolerance, float step) {
    APP_ASSERT(tolerance >= 0.0f && step > 0.0f && source_ != nullptr);
    const CFloatPtSpec stepSpec = SettingSpec("Shift Rpm Step", kUnitRpm, 250.0f, 2000.01f, step);
    variables_[kLaunchVariable].InitRange(
        kIterLaunchRpm, source_->m_launchRpm,
        SettingSpec("Launch Rpm Tolerance", kUnitRpm, 0.0f, 3000.01f, tolerance), stepSpec);
    const CFloatPtSpec toleranceSpec =
        SettingSpec("Shift Rpm Tolerance", kUnitRpm, 0.0f, 3000.01f, tolerance);
    const int gears = source_->m_gearCount.GetValue();
    for (int k = 0; k < kShiftFieldCount; ++k) {
        CIterVariable& variable = variables_[kFirstShiftVariable + k];
        variable.Clear();
        if (gears > k + 1)
            variable.InitRange(kIterFirstShiftRpm + k, source_->m_shiftRpm[k], toleranceSpec,
                               stepSpec);
    }
}

void CIterator::EnableConverterStall(bool enable) { variables_[kStallVariable].SetEnabled(enable); }

void CIterator::EnableGearRatios(bool enable) {
    for (int i = kFirstRatioVariable; i <= kRearAxleVariable; ++i) variables_[i].SetEnabled(enable);
}

void CIterator::EnableShiftPoints(bool enable) {
    for (int i = kLaunchVariable; i < kIterVariableCount; ++i) variables_[i].SetEnabled(enable);
}

void CIterator::SetCriterion(int criterion) {
    APP_ASSERT(criterion >= kCriterionElapsedTime && criterion <= kCriterionPowerArea);
    criterion_ = criterion;
}

void CIterator::GetDistanceRange(float* from, float* to) const {
    APP_ASSERT(from != nullptr && to != nullptr);
    *from = windowFrom_;
    *to = windowTo_;
}

void CIterator::SetDistanceRange(float from, float to) {
    APP_ASSERT(0.0f <= from && from <= to && to <= 1320.0f);
    windowFrom_ = from;
    windowTo_ = to;
}

// ------------------------------------------------------------------ Results

CQuilletDoc* CIterator::GetResultDoc(int i) {
    APP_ASSERT(i >= 0 && i < keptCount_);
    return &results_[i].doc;
}

float CIterator::GetResultScore(int i) const {
    APP_ASSERT(i >= 0 && i < keptCount_);
    return results_[i].score;
}

bool CIterator::IsResultMarked(int i) const {
    APP_ASSERT(i >= 0 && i < kIterResultCount);
    return results_[i].marked;
}

void CIterator::SetResultMarked(int i, bool marked) {
    APP_ASSERT(i >= 0 && i < keptCount_);
    results_[i].marked = marked;
}

void CIterator::MarkBestResult() {
    if (bestIndex_ >= 0) results_[bestIndex_].marked = true;
}

CQuilletDoc* CIterator::GetBestResultDoc() {
    APP_ASSERT(bestIndex_ >= 0);
    return &results_[bestIndex_].doc;
}

const float* CIterator::GetResultStepTable(int i) const {
    APP_ASSERT(i >= 0 && i < keptCount_);
    static const int kCriterionCurves[] = {kCurveTime,         kCurveSpeed,  kCurveAcceleration,
                                           kCurveSpeed,        kCurveTorque, kCurvePower};
    return results_[i].doc.GetStepTable(kCriterionCurves[criterion_]);
}

const float* CIterator::GetWorkingStepTable(int curve) const {
    return working_.GetStepTable(curve);
}
