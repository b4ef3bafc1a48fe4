#include "quillet/document/Iterator.h"

#include <algorithm>
#include <cstdint>

#include "common/SweepBatch.h"
#include "quillet/document/QuilletDocFields.h"
#include "quillet/kernel/RaceSimBlock.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"

namespace quillet {

static const char kAssertModule[] = "Iterator.cpp";

namespace {

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

void CIterVariable::Clear() {
    ClearRange();
    kind_ = kIterUnused;
    enabled_ = true;
}

bool CIterVariable::InitRange(int kind, const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                              const CFloatPtSpec& step) {
    APP_ASSERT(kind > kIterUnused && kind <= kIterLastKind);
    Clear();
    if (!centre.IsValid() || !tolerance.IsValid() || !step.IsValid()) return false;
    kind_ = kind;
    AssignRange(centre, tolerance, step);
    return true;
}

void CIterVariable::SetCentre(float centre, float tolerance) {
    APP_ASSERT(kind_ != kIterUnused && tolerance >= 0.0f);
    StoreIfInRange(ToleranceField(), tolerance);
    Recentre(centre);
}

void CIterVariable::Recentre(float centre) {
    APP_ASSERT(kind_ != kIterUnused && GetMin().IsInRange(centre));
    ClampRangeAround(centre);
}

void CIterVariable::SetStep(float step) {
    APP_ASSERT(kind_ != kIterUnused);
    StoreIfInRange(StepField(), step);
    RecountAndRewind();
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

// StepMany's jobs: the values, the vehicle copy they run in, and whether
// it finished; each worker's lane is a race record of its own.
struct CIterator::Job {
    float values[kIterVariableCount] = {};
    CQuilletDoc doc;  // the working vehicle since `baseGeneration`, with its last run
    int baseGeneration = -1;
    bool finished = false;
};

struct CIterator::Workers : CSweepWorkers<RaceSimBlock, Job> {};

CIterator::CIterator() { Clear(); }

CIterator::~CIterator() = default;

void CIterator::Clear() {
    ++baseGeneration_;
    finished_ = false;
    endPending_ = false;
    total_ = runsDone_ = 0;
    source_ = nullptr;
    sourceSerial_ = 0;
    working_.ClearVehicle();
    sourceCoupling_ = sourceGearCount_ = 0;
    for (CIterVariable& variable : variables_) variable.Clear();
    active_.Clear();
    ClearResults();
    criterion_ = kCriterionElapsedTime;
    windowFrom_ = 0.0f;
    windowTo_ = 330.0f;
    lastScore_ = baselineScore_ = 0.0f;
    ClearHistory();
    hasResults_ = false;
}

void CIterator::ClearResults() {
    results_.Clear();
}

void CIterator::ClearHistory() {
    std::fill(std::begin(historyRuns_), std::end(historyRuns_), 0.0f);
    std::fill(std::begin(historyScores_), std::end(historyScores_), 0.0f);
    historyPosition_ = -1;
}

CIterator& CIterator::operator=(const CIterator& other) {
    if (this == &other) return *this;
    ++baseGeneration_;
    finished_ = other.finished_;
    endPending_ = other.endPending_;
    total_ = other.total_;
    runsDone_ = other.runsDone_;
    source_ = other.source_;
    sourceSerial_ = other.sourceSerial_;
    other.working_.CopyVehicleTo(&working_);
    sourceCoupling_ = other.sourceCoupling_;
    sourceGearCount_ = other.sourceGearCount_;
    std::copy(std::begin(other.variables_), std::end(other.variables_), std::begin(variables_));
    active_.Collect(variables_);
    results_ = other.results_;
    criterion_ = other.criterion_;
    windowFrom_ = other.windowFrom_;
    windowTo_ = other.windowTo_;
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
    ++baseGeneration_;
    source_ = doc;
    sourceSerial_ = doc->GetSerial();
    sourceCoupling_ = doc->m_couplingType.GetValue();
    sourceGearCount_ = doc->m_gearCount.GetValue();
    doc->CopyVehicleTo(&working_);
    short code = 0;
    APP_ASSERT(working_.Validate(&code));
}

void CIterator::Reset() {
    ++baseGeneration_;
    finished_ = false;
    endPending_ = false;
    total_ = runsDone_ = 0;
    ClearResults();
    lastScore_ = 0.0f;
    for (CIterVariable& variable : variables_) variable.ComputeStepCount();
    active_.Collect(variables_);
    total_ = CountSweepCombinations(variables_, kIterMaxCombinations);
    active_.Rewind();
    ClearHistory();
    baselineScore_ = source_ != nullptr ? Score(*source_) : 0.0f;
}

bool CIterator::Validate(short* code) const {
    APP_ASSERT(code != nullptr);
    if (source_ == nullptr) {
        *code = kErrIteratorNoBaseline;
    } else if (total_ < 2 || active_.GetCount() == 0) {
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

CFloatPtSpec& CIterator::FieldOfKind(CQuilletDoc& doc, int kind) const {
    if (kind == kIterConverterStall) return doc.m_converterStall;
    if (kind >= kIterFirstGearRatio && kind < kIterRearAxleRatio)
        return doc.m_gearRatio[kind - kIterFirstGearRatio];
    if (kind == kIterRearAxleRatio) return doc.m_rearAxleRatio;
    if (kind == kIterLaunchRpm) return doc.m_launchRpm;
    APP_ASSERT(kind >= kIterFirstShiftRpm && kind <= kIterLastKind);
    return doc.m_shiftRpm[kind - kIterFirstShiftRpm];
}

void CIterator::CurrentValues(float* values) const {
    for (int i = 0; i < active_.GetCount(); ++i) values[i] = active_.Get(i).GetCurrentValue();
}

void CIterator::ApplyValues(CQuilletDoc& doc, const float* values) const {
    for (int i = 0; i < active_.GetCount(); ++i)
        FieldOfKind(doc, active_.Get(i).GetKind()).SetValue(values[i]);
}

void CIterator::RecordHistory(bool finished) {
    historyRuns_[historyPosition_] = static_cast<float>(runsDone_);
    historyScores_[historyPosition_] = finished ? lastScore_ : 0.0f;
}

bool CIterator::Step(bool* kept) {
    APP_ASSERT(kept != nullptr);
    APP_ASSERT(total_ > 1 && active_.GetCount() > 0);
    if (runsDone_ == 0) {
        for (int i = 0; i < active_.GetCount(); ++i) APP_ASSERT(active_.Get(i).GetStepIndex() == 0);
    }
    *kept = false;
    if (finished_) return false;
    if (!active_.Advance()) {
        finished_ = true;
        return false;
    }

    historyPosition_ = (historyPosition_ + 1) % kIterHistoryCount;
    ++runsDone_;
    float values[kIterVariableCount];
    CurrentValues(values);
    ApplyValues(working_, values);
    const bool finished = working_.RunSimulation(false, false);
    if (finished) *kept = KeepResult();
    RecordHistory(finished);
    return finished;
}

void CIterator::SetWorkerCount(int workers) {
    APP_ASSERT(workers >= 0);
    workerCount_ = workers;
}

bool CIterator::StepMany(int maxRuns, bool* kept) {
    APP_ASSERT(kept != nullptr && maxRuns > 0);
    APP_ASSERT(total_ > 1 && active_.GetCount() > 0);
    *kept = false;
    if (!workers_) workers_ = std::make_unique<Workers>();
    const int count = workers_->StartBatch(
        workerCount_, maxRuns, endPending_, finished_, [this] { return active_.Advance(); },
        [this](Job& job) { CurrentValues(job.values); });
    if (count == 0) return false;

    // Each job: the working vehicle (once per sweep: the values overwrite
    // every swept field), the values, the run.
    const CQuilletDoc& base = working_;
    const int generation = baseGeneration_;
    workers_->Run(count, [this, &base, generation](RaceSimBlock& block, Job& job) {
        if (job.baseGeneration != generation) {
            base.CopyVehicleTo(&job.doc);
            job.baseGeneration = generation;
        }
        ApplyValues(job.doc, job.values);
        job.finished = job.doc.RunSimulationOn(block);
    });

    // In odometer order, as Step would have taken them.
    for (int index = 0; index < count; ++index) {
        const Job& job = workers_->GetJob(index);
        historyPosition_ = (historyPosition_ + 1) % kIterHistoryCount;
        ++runsDone_;
        if (job.finished && KeepResultOf(job.doc)) *kept = true;
        RecordHistory(job.finished);
    }
    workers_->GetJob(count - 1).doc.CopyVehicleTo(&working_);
    return true;
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
    return KeepResultOf(working_);
}

bool CIterator::KeepResultOf(const CQuilletDoc& doc) {
    const float score = Score(doc);
    lastScore_ = score;
    const auto isBetter = [this](float a, float than) { return IsBetter(a, than); };
    return results_.Keep(score, runsDone_, isBetter,
                         [&doc](CIterResult& result) { doc.CopyVehicleTo(&result.doc); });
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
    return &results_.Get(i).doc;
}

float CIterator::GetResultScore(int i) const {
    return results_.Get(i).score;
}

bool CIterator::IsResultMarked(int i) const {
    return results_.GetSlot(i).marked;
}

void CIterator::SetResultMarked(int i, bool marked) {
    results_.Get(i).marked = marked;
}

void CIterator::MarkBestResult() {
    results_.MarkBest();
}

CQuilletDoc* CIterator::GetBestResultDoc() {
    return &results_.GetBest().doc;
}

const float* CIterator::GetResultStepTable(int i) const {
    static const int kCriterionCurves[] = {kCurveTime,         kCurveSpeed,  kCurveAcceleration,
                                           kCurveSpeed,        kCurveTorque, kCurvePower};
    return results_.Get(i).doc.GetStepTable(kCriterionCurves[criterion_]);
}

const float* CIterator::GetWorkingStepTable(int curve) const {
    return working_.GetStepTable(curve);
}

}  // namespace quillet
