#include "torvane/document/Iterator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/SweepBatch.h"
#include "torvane/components/EngineMath.h"
#include "torvane/document/SimInterface.h"
#include "torvane/kernel/SimulationBlock.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

static const char kAssertModule[] = "Iterator.cpp";

namespace {

const unsigned short kErrNoBaseline = 62;
const unsigned short kErrTooFewTests = 63;
const unsigned short kErrTooManyTests = 86;
const unsigned short kErrHeldDisplacementNotSwept = 109;
const unsigned short kErrTooFewManifolds = 110;

const float kLowestRpm = 2000.0f;
const float kHighestRpm = 11000.0f;
const float kQuarterPi = 0.7853982f;
// Induction flow of an individual-runner manifold: half the engine's flow
// per cylinder, within the field's limits.
const float kRunnerFlowFactor = 0.5f;
const float kMinInductionFlow = 100.0f;
const float kMaxInductionFlow = 4000.0f;
const float kInchToMm = 25.4f;

CPartTypeSpec EmptyListItem() {
    return CPartTypeSpec("Default", 1, 2);
}

CFloatPtSpec InBaseUnit(const CFloatPtSpec& field) {
    CFloatPtSpec copy(field);
    copy.ToBaseUnit();
    return copy;
}

// A field built to hand a value to a variable.
CFloatPtSpec SettingSpec(const char* name, int unit, float min, float max, int altUnit,
                         float factor, float value) {
    CFloatPtSpec spec(name, unit, min, max, altUnit, factor);
    spec.SetValue(value);
    return spec;
}

// The working document's field written by a range kind.
CFloatPtSpec& RangeField(CTorvaneDoc& doc, int kind) {
    switch (kind) {
        case kIterBore:
            return doc.bore;
        case kIterStroke:
            return doc.stroke;
        case kIterIntakeOpening:
            return doc.cam.primary.ivo;
        case kIterIntakeClosing:
            return doc.cam.primary.ivc;
        case kIterExhaustOpening:
            return doc.cam.primary.evo;
        case kIterExhaustClosing:
            return doc.cam.primary.evc;
    }
    APP_ASSERT(false);
    return doc.bore;
}

// Stores a base-unit value when the field's limits allow it.
bool StoreInBaseUnit(CFloatPtSpec& field, float value) {
    field.SetUnitSystem(true);
    if (!std::isfinite(value) || !field.IsInRange(value)) return false;
    field.SetValue(value);
    return true;
}

}  // namespace

// ------------------------------------------------------------ CIterVariable

CIterVariable::CIterVariable() {
    FreeList();
}

void CIterVariable::FreeList() {
    ClearRange();
    kind_ = kIterUnused;
    enabled_ = true;
    mode_ = kIterRange;
    list_.clear();
    currentItem_ = 0;
    listCount_ = 0;
}

void CIterVariable::InitRange(int kind, const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                              const CFloatPtSpec& step) {
    APP_ASSERT(kind > kIterUnused && kind <= kIterExhaustClosing && kind != kIterManifold);
    APP_ASSERT(centre.IsValid() && tolerance.IsValid() && step.IsValid());
    FreeList();
    kind_ = kind;
    mode_ = kIterRange;
    AssignRange(InBaseUnit(centre), InBaseUnit(tolerance), InBaseUnit(step));
}

void CIterVariable::Recount() {
    ComputeStepCount();
    Rewind();
}

void CIterVariable::SetCentre(const CFloatPtSpec& centre, float tolerance) {
    APP_ASSERT(mode_ == kIterRange && centre.IsValid() && tolerance >= 0.0f);
    const CFloatPtSpec base = InBaseUnit(centre);
    // An unused range takes the field's unit and limits.
    if (kind_ == kIterUnused) AdoptRangeField(base);
    ToleranceField().SetValue(tolerance);
    ClampRangeAround(base.GetValue());
}

void CIterVariable::Recentre(const CFloatPtSpec& centre) {
    SetCentre(centre, GetTolerance().GetValue());
}

void CIterVariable::SetStep(float step) {
    APP_ASSERT(mode_ == kIterRange);
    StepField().SetValue(step);
    Recount();
}

void CIterVariable::InitList(int kind, int capacity) {
    APP_ASSERT(kind > kIterUnused && kind <= kIterExhaustClosing && capacity > 0);
    FreeList();
    kind_ = kind;
    mode_ = kIterList;
    list_.assign(static_cast<size_t>(capacity), EmptyListItem());
    Recount();
}

void CIterVariable::AddListItem(const CPartTypeSpec& item) {
    APP_ASSERT(mode_ == kIterList && item.IsValid());
    APP_ASSERT(listCount_ < GetListCapacity() && !list_[listCount_].IsSet());
    list_[listCount_++] = item;
    Recount();
}

void CIterVariable::RemoveListItem(const CPartTypeSpec& item) {
    APP_ASSERT(mode_ == kIterList);
    int found = 0;
    while (found < listCount_ && list_[found].GetValue() != item.GetValue()) ++found;
    APP_ASSERT(found < listCount_);
    for (int i = found; i + 1 < listCount_; ++i) list_[i] = list_[i + 1];
    list_[--listCount_] = EmptyListItem();
    Recount();
}

bool CIterVariable::HasListType(int type) const {
    APP_ASSERT(type >= 1);
    for (int i = 0; i < listCount_; ++i)
        if (list_[i].GetValue() == type) return true;
    return false;
}

const CPartTypeSpec& CIterVariable::GetCurrentListItem() const {
    APP_ASSERT(mode_ == kIterList && listCount_ > 0);
    return list_[currentItem_];
}

const CPartTypeSpec& CIterVariable::GetListItem(int i) const {
    APP_ASSERT(mode_ == kIterList && i >= 0 && i < listCount_);
    return list_[i];
}

void CIterVariable::Rewind() {
    if (mode_ == kIterRange) {
        CSweepRange::Rewind();
        return;
    }
    RewindWalk();
    currentItem_ = 0;
}

void CIterVariable::ComputeStepCount() {
    if (mode_ == kIterRange) {
        CSweepRange::ComputeStepCount();
        return;
    }
    int valid = 0;
    for (const CPartTypeSpec& item : list_)
        if (item.IsValid()) ++valid;
    APP_ASSERT(valid == listCount_);
    SetStepCount(valid);
}

void CIterVariable::ProduceNext() {
    if (mode_ == kIterRange) {
        CSweepRange::ProduceNext();
        return;
    }
    switch (TakeStep()) {
        case WalkStep::kFirst:
            currentItem_ = 0;
            break;
        case WalkStep::kNext:
            ++currentItem_;
            break;
        case WalkStep::kLast:
            currentItem_ = listCount_ - 1;
            break;
    }
}

// -------------------------------------------------------------- CIterResult

CIterResult& CIterResult::operator=(const CIterResult& other) {
    if (this == &other) return *this;
    other.doc.CopyEngineTo(doc);
    marked = other.marked;
    runNumber = other.runNumber;
    score = other.score;
    return *this;
}

void CIterResult::Clear() {
    doc.ClearEngine();
    marked = false;
    runNumber = 0;
    score = 0.0f;
}

// ----------------------------------------------------------------- CIterator

// The values of one combination, in the active variables' order.
struct CIterator::Combination {
    int count = 0;
    int kinds[kIterVariableCount] = {};
    float values[kIterVariableCount] = {};
    const CPartTypeSpec* items[kIterVariableCount] = {};  // list variables
};

// StepMany's lanes (a simulation block and interface per worker) and jobs
// (a combination, the engine copy it runs in and what came of it).
struct CIterator::Lane {
    SimulationBlock block;
    SimInterface sim{block};
};

struct CIterator::Job {
    enum Outcome { kSkipped, kRan, kFailed };
    Combination combination;
    CTorvaneDoc doc;  // the working copy since `baseGeneration`, with its last run
    int baseGeneration = -1;
    Outcome outcome = kSkipped;
    unsigned short failure = 0;
};

struct CIterator::Workers : CSweepWorkers<Lane, Job> {};

CIterator::CIterator() {
    Clear();
}

CIterator::~CIterator() {
    if (GetBestResultsIterator() == this) ClearBestResultsIterator();
}

void CIterator::Clear() {
    ++baseGeneration_;
    done_ = false;
    endPending_ = false;
    total_ = runsDone_ = 0;
    attached_ = nullptr;
    attachedSerial_ = 0;
    working_.ClearEngine();
    heldDisplacement_ = attachedInductionFlow_ = 0.0f;
    attachedUnitsMode_ = 0;
    for (CIterVariable& variable : variables_) variable.FreeList();
    active_.Clear();
    ClearResults();
    criterion_ = kCriterionPeakPower;
    rpmMin_ = kLowestRpm;
    rpmMax_ = kHighestRpm;
    lastScore_ = baselineScore_ = 0.0f;
    holdDisplacement_ = boreFollows_ = strokeFollows_ = false;
    scaleRunnerFlow_ = hasResults_ = runFailed_ = false;
}

void CIterator::ClearResults() {
    results_.Clear();
}

CIterator& CIterator::operator=(const CIterator& other) {
    if (this == &other) return *this;
    ++baseGeneration_;
    done_ = other.done_;
    endPending_ = other.endPending_;
    total_ = other.total_;
    runsDone_ = other.runsDone_;
    attached_ = other.attached_;
    attachedSerial_ = other.attachedSerial_;
    other.working_.CopyEngineTo(working_);
    heldDisplacement_ = other.heldDisplacement_;
    attachedInductionFlow_ = other.attachedInductionFlow_;
    attachedUnitsMode_ = other.attachedUnitsMode_;
    for (int i = 0; i < kIterVariableCount; ++i) variables_[i] = other.variables_[i];
    active_.Collect(variables_);
    results_ = other.results_;
    criterion_ = other.criterion_;
    rpmMin_ = other.rpmMin_;
    rpmMax_ = other.rpmMax_;
    lastScore_ = other.lastScore_;
    baselineScore_ = other.baselineScore_;
    holdDisplacement_ = other.holdDisplacement_;
    boreFollows_ = other.boreFollows_;
    strokeFollows_ = other.strokeFollows_;
    scaleRunnerFlow_ = other.scaleRunnerFlow_;
    hasResults_ = other.hasResults_;
    runFailed_ = other.runFailed_;
    return *this;
}

void CIterator::AttachDocument(CTorvaneDoc* doc) {
    APP_ASSERT(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    unsigned short code = 0;
    if (!doc->Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    ++baseGeneration_;
    attached_ = doc;
    attachedSerial_ = doc->GetSerial();
    attachedUnitsMode_ = doc->GetUnitsMode();
    doc->CopyEngineTo(working_);
    working_.SetUnitsMode(0);
    APP_ASSERT(working_.Validate(code));
    const float bore = working_.bore.GetValue();
    const float stroke = working_.stroke.GetValue();
    heldDisplacement_ =
        kQuarterPi * bore * bore * stroke * static_cast<float>(working_.cylinders.GetValue());
    attachedInductionFlow_ = working_.inductionFlow.GetValue();
}

void CIterator::CheckAttached() const {
    APP_ASSERT(attached_ != nullptr);
}

int CIterator::CountCombinations() const {
    return CountSweepCombinations(variables_, kIterMaxCombinations);
}

void CIterator::Reset() {
    ++baseGeneration_;
    done_ = false;
    endPending_ = false;
    total_ = runsDone_ = 0;
    runFailed_ = false;
    ClearResults();
    lastScore_ = 0.0f;
    active_.Collect(variables_);
    total_ = CountCombinations();
    active_.Rewind();
    baselineScore_ = attached_ != nullptr ? Score(*attached_) : 0.0f;
}

bool CIterator::Validate(unsigned short& code) const {
    if (attached_ == nullptr) {
        code = kErrNoBaseline;
        return false;
    }
    if (!working_.Validate(code)) return false;
    const int total = CountCombinations();
    if (total < 2) {
        code = kErrTooFewTests;
        return false;
    }
    if (total >= kIterMaxCombinations) {
        code = kErrTooManyTests;
        return false;
    }
    const CIterVariable& bore = variables_[kSlotBore];
    const CIterVariable& stroke = variables_[kSlotStroke];
    if (holdDisplacement_ && !(bore.GetTolerance().GetValue() > 0.0f) &&
        !(stroke.GetTolerance().GetValue() > 0.0f)) {
        code = kErrHeldDisplacementNotSwept;
        return false;
    }
    const CIterVariable& manifolds = variables_[kSlotManifoldList];
    if (manifolds.GetKind() == kIterManifold && manifolds.IsEnabled() &&
        manifolds.GetListCount() <= 1) {
        code = kErrTooFewManifolds;
        return false;
    }
    return true;
}

bool CIterator::Step(bool* kept) {
    APP_ASSERT(kept != nullptr);
    *kept = false;
    APP_ASSERT(total_ > 1 && active_.GetCount() > 0);
    if (runsDone_ == 0) {
        for (int i = 0; i < active_.GetCount(); ++i) {
            const CIterVariable& variable = active_.Get(i);
            APP_ASSERT(variable.IsActive() && variable.GetStepIndex() == 0 && !variable.IsAtEnd());
        }
    }
    if (done_) return false;
    if (!active_.Advance()) {
        done_ = true;
        return false;
    }
    ++runsDone_;
    if (!ApplyCombination(working_, CurrentCombination())) return true;
    if (!working_.RunSimulation(true, true)) {
        runFailed_ = true;
        return false;
    }
    *kept = KeepResult();
    return true;
}

void CIterator::SetWorkerCount(int workers) {
    APP_ASSERT(workers >= 0);
    workerCount_ = workers;
}

bool CIterator::StepMany(int maxRuns, bool* kept) {
    APP_ASSERT(kept != nullptr && maxRuns > 0);
    *kept = false;
    APP_ASSERT(total_ > 1 && active_.GetCount() > 0);
    if (!workers_) workers_ = std::make_unique<Workers>();
    const int count = workers_->StartBatch(
        workerCount_, maxRuns, endPending_, done_, [this] { return active_.Advance(); },
        [this](Job& job) { job.combination = CurrentCombination(); });
    if (count == 0) return false;

    // Each job: the working copy (once per sweep: a combination writes every
    // swept value, so the copy's earlier runs leave nothing behind), the
    // combination, the run.
    const CTorvaneDoc& base = working_;
    const int generation = baseGeneration_;
    workers_->Run(count, [this, &base, generation](Lane& lane, Job& job) {
        if (job.baseGeneration != generation) {
            base.CopyEngineTo(job.doc);
            job.baseGeneration = generation;
        }
        job.failure = 0;
        if (!ApplyCombination(job.doc, job.combination))
            job.outcome = Job::kSkipped;
        else
            job.outcome = job.doc.RunSimulationWith(&lane.sim, job.failure) ? Job::kRan : Job::kFailed;
    });

    // In odometer order, as Step would have taken them.
    const CTorvaneDoc* lastRun = nullptr;
    for (int index = 0; index < count; ++index) {
        Job& job = workers_->GetJob(index);
        ++runsDone_;
        if (job.outcome == Job::kSkipped) continue;
        lastRun = &job.doc;
        if (job.outcome == Job::kFailed) {
            job.doc.CopyEngineTo(working_);
            runFailed_ = true;
            endPending_ = false;
            ReplayOdometer(runsDone_);
            ErrCodeShowError(job.failure);
            return false;
        }
        if (KeepResultOf(job.doc)) *kept = true;
    }
    if (lastRun != nullptr) lastRun->CopyEngineTo(working_);
    return true;
}

void CIterator::ReplayOdometer(int runs) {
    active_.Rewind();
    for (int i = 0; i < runs; ++i) active_.Advance();
}

CIterator::Combination CIterator::CurrentCombination() const {
    Combination c;
    c.count = active_.GetCount();
    for (int i = 0; i < c.count; ++i) {
        const CIterVariable& variable = active_.Get(i);
        c.kinds[i] = variable.GetKind();
        if (c.kinds[i] == kIterManifold)
            c.items[i] = &variable.GetCurrentListItem();
        else
            c.values[i] = variable.GetCurrentValue();
    }
    return c;
}

bool CIterator::ApplyCombination(CTorvaneDoc& doc, const Combination& combination) const {
    for (int i = 0; i < combination.count; ++i)
        if (!ApplyValue(doc, combination.kinds[i], combination.values[i], combination.items[i]))
            return false;
    return true;
}

bool CIterator::ApplyValue(CTorvaneDoc& doc, int kind, float value,
                           const CPartTypeSpec* item) const {
    if (kind == kIterManifold) {
        const CPartTypeSpec& manifold = *item;
        doc.manifoldType = manifold;
        if (scaleRunnerFlow_) {
            // Every other manifold runs on the engine's own flow.
            float flow = attachedInductionFlow_;
            if (manifold.GetValue() == kManifoldIndividualRunner) {
                flow *= static_cast<float>(doc.cylinders.GetValue()) * kRunnerFlowFactor;
                flow = std::min(std::max(flow, kMinInductionFlow), kMaxInductionFlow);
            }
            doc.inductionFlow.SetValueInUnit(flow, true);
        }
        return true;
    }
    if (!StoreInBaseUnit(RangeField(doc, kind), value)) return false;
    if (kind != kIterBore && kind != kIterStroke) return true;
    if (doc.IsCompressionCalculatorUsed()) doc.ClearCompressionCalculator();
    if (!holdDisplacement_) return true;
    const int cylinders = doc.cylinders.GetValue();
    if (kind == kIterBore) {
        APP_ASSERT(strokeFollows_);
        return StoreInBaseUnit(
            doc.stroke, EngineMathStrokeFromDisplacement(heldDisplacement_, cylinders, value));
    }
    APP_ASSERT(boreFollows_);
    return StoreInBaseUnit(doc.bore,
                           EngineMathBoreFromDisplacement(heldDisplacement_, cylinders, value));
}

float CIterator::Score(const CTorvaneDoc& doc) const {
    switch (criterion_) {
        case kCriterionPeakTorque:
            return doc.GetPeakValue(kCurveTorque, rpmMin_, rpmMax_);
        case kCriterionTorqueArea:
            return doc.GetCurveArea(kCurveTorque, rpmMin_, rpmMax_);
        case kCriterionPeakPower:
            return doc.GetPeakValue(kCurvePower, rpmMin_, rpmMax_);
        case kCriterionPowerArea:
            return doc.GetCurveArea(kCurvePower, rpmMin_, rpmMax_);
    }
    APP_ASSERT(false);
    return 0.0f;
}

bool CIterator::KeepResult() {
    return KeepResultOf(working_);
}

bool CIterator::KeepResultOf(const CTorvaneDoc& doc) {
    const float score = Score(doc);
    lastScore_ = score;
    const auto isBetter = [](float a, float b) { return a > b; };
    return results_.Keep(score, runsDone_, isBetter, [this, &doc](CIterResult& result) {
        doc.CopyEngineTo(result.doc);
        result.doc.SetUnitsMode(attachedUnitsMode_);
    });
}

int CIterator::GetProgressPercent() const {
    if (total_ <= 0) return 0;
    return static_cast<int>(static_cast<int64_t>(runsDone_) * 100 / total_);
}

// ------------------------------------------------------------------ results

CTorvaneDoc* CIterator::GetResultDoc(int i) {
    return &results_.Get(i).doc;
}

float CIterator::GetResultScore(int i) const {
    return results_.Get(i).score;
}

const float* CIterator::GetResultPowerCurve(int i) const {
    return results_.Get(i).doc.GetCurve(kCurvePower);
}

const float* CIterator::GetResultTorqueCurve(int i) const {
    return results_.Get(i).doc.GetCurve(kCurveTorque);
}

void CIterator::SetResultMarked(int i, bool marked) {
    results_.Get(i).marked = marked;
}

bool CIterator::IsResultMarked(int i) const {
    return results_.GetSlot(i).marked;
}

void CIterator::MarkBestResult() {
    results_.MarkBest();
}

CTorvaneDoc* CIterator::GetBestResultDoc() {
    return &results_.GetBest().doc;
}

// ------------------------------------------------------------------- set-up

void CIterator::SetCriterion(int criterion) {
    APP_ASSERT(criterion >= kCriterionPeakTorque && criterion <= kCriterionPowerArea);
    criterion_ = criterion;
}

void CIterator::GetRpmRange(float* min, float* max) const {
    APP_ASSERT(min != nullptr && max != nullptr);
    *min = rpmMin_;
    *max = rpmMax_;
}

void CIterator::SetRpmRange(float min, float max) {
    APP_ASSERT(kLowestRpm <= min && min < max && max <= kHighestRpm);
    rpmMin_ = min;
    rpmMax_ = max;
}

CIterVariable& CIterator::GetVariable(int slot) {
    APP_ASSERT(slot >= 0 && slot < kIterVariableCount);
    return variables_[slot];
}

void CIterator::PresetValveEvents(float tolerance, float step) {
    CheckAttached();
    APP_ASSERT(tolerance >= 0.0f && step > 0.0f);
    const CFloatPtSpec eventTolerance = SettingSpec("Valve Event Tolerance", kUnitDegree, 0.0f,
                                                    32.0f, kUnitDegree, 1.0f, tolerance);
    const CFloatPtSpec eventStep =
        SettingSpec("Valve Event Step", kUnitDegree, 1.0f, 30.0f, kUnitDegree, 1.0f, step);
    const CamTimingSet& events = attached_->cam.primary;
    const CFloatPtSpec* centres[] = {&events.ivo, &events.ivc, &events.evo, &events.evc};
    for (int i = 0; i < 4; ++i) {
        variables_[kSlotIntakeOpening + i].InitRange(kIterIntakeOpening + i, *centres[i],
                                                     eventTolerance, eventStep);
    }
}

void CIterator::PresetBoreStroke(float tolerance, float step) {
    CheckAttached();
    APP_ASSERT(tolerance >= 0.0f && step > 0.0f);
    const CFloatPtSpec boreTolerance =
        SettingSpec("Bore Tolerance", kUnitInch, 0.0f, 2.0f, kUnitMm, kInchToMm, tolerance);
    const CFloatPtSpec strokeTolerance =
        SettingSpec("Stroke Tolerance", kUnitInch, 0.0f, 2.0f, kUnitMm, kInchToMm, tolerance);
    const CFloatPtSpec lengthStep =
        SettingSpec("Bore Stroke Step", kUnitInch, 0.001f, 0.5f, kUnitMm, kInchToMm, step);
    if (!boreFollows_)
        variables_[kSlotBore].InitRange(kIterBore, attached_->bore, boreTolerance, lengthStep);
    if (!strokeFollows_) {
        variables_[kSlotStroke].InitRange(kIterStroke, attached_->stroke, strokeTolerance,
                                          lengthStep);
    }
}

void CIterator::PresetPartTypeList(int capacity) {
    CheckAttached();
    CIterVariable& list = variables_[kSlotManifoldList];
    list.InitList(kIterManifold, capacity);
    list.AddListItem(attached_->manifoldType);
}

void CIterator::EnableValveEvents(bool enable) {
    for (int i = 0; i < 4; ++i) variables_[kSlotIntakeOpening + i].SetEnabled(enable);
}

void CIterator::EnableBoreStroke(bool enable) {
    variables_[kSlotBore].SetEnabled(enable);
    variables_[kSlotStroke].SetEnabled(enable);
}

void CIterator::EnablePartTypeList(bool enable) {
    variables_[kSlotManifoldList].SetEnabled(enable);
}

void CIterator::SetHoldDisplacement(bool boreFollows, bool strokeFollows) {
    CheckAttached();
    APP_ASSERT(boreFollows != strokeFollows);
    holdDisplacement_ = true;
    boreFollows_ = boreFollows;
    strokeFollows_ = strokeFollows;
    // The following value stands still: a range of no width has no steps.
    if (boreFollows) {
        variables_[kSlotBore].SetCentre(attached_->bore, 0.0f);
    } else {
        variables_[kSlotStroke].SetCentre(attached_->stroke, 0.0f);
    }
}

void CIterator::ClearHoldDisplacement() {
    holdDisplacement_ = boreFollows_ = strokeFollows_ = false;
}

}  // namespace torvane
