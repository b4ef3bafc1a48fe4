// The sweep engine: searches for the best combination of up to seven engine
// values. It works on a copy of one engine document; each step moves an
// odometer over the swept values, writes them into the copy, runs it, scores
// the result by one of four criteria and keeps it when it is among the ten
// best. The iterator dialogs set the sweep up and call Step in their loops.
//
// Swept values are held in the base (English) units of their fields, and the
// working copy runs in English units, whatever units the document shows.
#pragma once

#include <memory>
#include <vector>

#include "common/SimSpec.h"
#include "common/SweepBest.h"
#include "common/SweepOdometer.h"
#include "common/SweepRange.h"
#include "torvane/document/TorvaneDoc.h"

namespace torvane {

// The engine value a variable writes.
enum IterKind : int {
    kIterUnused = 0,
    kIterBore = 1,
    kIterStroke = 2,
    kIterManifold = 3,  // a list of manifold types
    kIterIntakeOpening = 4,
    kIterIntakeClosing = 5,
    kIterExhaustOpening = 6,
    kIterExhaustClosing = 7,
};

enum IterMode : int { kIterRange = 0, kIterList = 1 };

// How a run is scored over the speed range.
enum IterCriterion : int {
    kCriterionPeakTorque = 0,
    kCriterionTorqueArea = 1,
    kCriterionPeakPower = 2,
    kCriterionPowerArea = 3,
};

// The variables' fixed slots.
enum IterSlot : int {
    kSlotManifoldList = 0,
    kSlotIntakeOpening = 1,
    kSlotIntakeClosing = 2,
    kSlotExhaustOpening = 3,
    kSlotExhaustClosing = 4,
    kSlotBore = 5,
    kSlotStroke = 6,
};

constexpr int kIterVariableCount = 7;
constexpr int kIterResultCount = 10;
constexpr int kIterMaxCombinations = 300000000;

// One swept value: a range from min to max by step, or a list of part types
// walked with the range's step counter.
class CIterVariable : protected CSweepRange {
public:
    CIterVariable();
    CIterVariable(const CIterVariable& other) : CIterVariable() { *this = other; }
    // Copies everything, the list item by item.
    CIterVariable& operator=(const CIterVariable& other) = default;

    // A range of `kind` (1..7) from centre - tolerance to centre + tolerance
    // within the field's limits, by step. The three must be valid.
    void InitRange(int kind, const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                   const CFloatPtSpec& step);
    // An empty list of `kind` with room for `capacity` (> 0) items.
    void InitList(int kind, int capacity);
    // Appends a valid item; the list must have room.
    void AddListItem(const CPartTypeSpec& item);
    // Removes the item of the same type index, which must be in the list.
    void RemoveListItem(const CPartTypeSpec& item);
    bool HasListType(int type) const;
    // The item of the list's current step (list mode, not empty).
    const CPartTypeSpec& GetCurrentListItem() const;
    int GetListCount() const { return listCount_; }
    int GetListCapacity() const { return static_cast<int>(list_.size()); }
    const CPartTypeSpec& GetListItem(int i) const;

    // Range mode: a new centre with this tolerance (base units), the same
    // tolerance, or a new step; each recounts the steps and rewinds.
    void SetCentre(const CFloatPtSpec& centre, float tolerance);
    void Recentre(const CFloatPtSpec& centre);
    void SetStep(float step);

    // Back to unused: kind 0, nothing set, enabled, range mode, no list.
    void FreeList();
    void Rewind();
    void ComputeStepCount();

    int GetKind() const { return kind_; }
    int GetMode() const { return mode_; }
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Used, enabled and with more than one value.
    bool IsActive() const { return kind_ != kIterUnused && enabled_ && GetStepCount() > 1; }
    using CSweepRange::GetCurrentValue;
    using CSweepRange::GetMax;
    using CSweepRange::GetMin;
    using CSweepRange::GetStep;
    using CSweepRange::GetStepCount;
    using CSweepRange::GetStepIndex;
    using CSweepRange::GetTolerance;
    using CSweepRange::IsAtEnd;

    // The odometer's moves (CSweepOdometer): the next value (min,
    // min + step, ..., max; or the list's items in order), the start that
    // skips the first value, and the restart after a carry.
    void ProduceNext();
    using CSweepRange::RestartAfterCarry;
    using CSweepRange::StartAfterCarry;

private:
    void Recount();

    int kind_ = kIterUnused;
    bool enabled_ = true;
    int mode_ = kIterRange;
    std::vector<CPartTypeSpec> list_;  // its size is the capacity
    int currentItem_ = 0;
    int listCount_ = 0;
};

// One kept result: the engine at that step with its results.
struct CIterResult {
    CIterResult() { Clear(); }
    CIterResult& operator=(const CIterResult& other);
    void Clear();

    CTorvaneDoc doc;
    bool marked = false;
    int runNumber = 0;
    float score = 0.0f;
};

class CIterator {
public:
    CIterator();
    // A sweep waiting to open its marked results stops waiting.
    ~CIterator();
    CIterator(const CIterator&) = delete;
    CIterator& operator=(const CIterator& other);

    // The state after construction.
    void Clear();
    // Takes `doc` (an engine document) as the engine to sweep when it
    // validates, and works on a copy of it; otherwise shows its error and
    // changes nothing.
    void AttachDocument(CTorvaneDoc* doc);
    CTorvaneDoc* GetAttachedDocument() const { return attached_; }
    int GetAttachedSerial() const { return attachedSerial_; }
    // A new sweep over the variables: results cleared, the active variables
    // collected and rewound, the attached engine's results scored.
    void Reset();
    // First failure wins: 62 nothing attached, the working copy's own code,
    // 63 fewer than 2 combinations, 86 300,000,000 or more, 109 displacement
    // held with neither bore nor stroke swept, 110 a manifold list of at
    // most one entry.
    bool Validate(unsigned short& code) const;
    // Runs the next combination. False at the end or when the run failed
    // (its error shown; IsRunFailed then tells). A combination whose held
    // displacement needs a bore or stroke outside its limits is skipped: it
    // counts as run, without a result. `kept`: the run became a result.
    bool Step(bool* kept);
    // Up to `maxRuns` steps at once, their runs on worker threads (each
    // with its own engine copy and simulation block), taken in odometer
    // order: counts, scores, kept results, the last run's curves and a
    // failure (shown here, on the calling thread) are those of as many Step
    // calls. Returns as Step does; `kept`: any of them became a result.
    bool StepMany(int maxRuns, bool* kept);
    // Worker threads of StepMany: the machine's by default; 1 runs on the
    // calling thread alone. Takes effect at the next StepMany.
    void SetWorkerCount(int workers);
    bool IsRunFailed() const { return runFailed_; }
    int GetTotal() const { return total_; }
    int GetRunsDone() const { return runsDone_; }
    int GetProgressPercent() const;

    // The done flag.
    friend bool GetLeadFlag(const CIterator& sweep) { return sweep.done_; }
    friend void SetLeadFlag(CIterator& sweep, bool done) { sweep.done_ = done; }

    // Results, 0..count-1.
    int GetResultCount() const { return results_.GetCount(); }
    CTorvaneDoc* GetResultDoc(int i);
    float GetResultScore(int i) const;
    const float* GetResultPowerCurve(int i) const;
    const float* GetResultTorqueCurve(int i) const;
    void SetResultMarked(int i, bool marked);
    bool IsResultMarked(int i) const;  // i in 0..9
    // Marks the best result (nothing when none is kept).
    void MarkBestResult();
    CTorvaneDoc* GetBestResultDoc();  // a best result must exist
    float GetLastScore() const { return lastScore_; }
    float GetBestScore() const { return results_.GetBestScore(); }
    float GetWorstScore() const { return results_.GetWorstScore(); }
    float GetBaselineScore() const { return baselineScore_; }

    // The working copy's curves of its last run.
    const float* GetRpmCurve() const { return working_.GetCurve(kCurveRpm); }
    const float* GetPowerCurve() const { return working_.GetCurve(kCurvePower); }
    const float* GetTorqueCurve() const { return working_.GetCurve(kCurveTorque); }

    int GetCriterion() const { return criterion_; }
    void SetCriterion(int criterion);
    void GetRpmRange(float* min, float* max) const;
    // 2000 <= min < max <= 11000, on the result speeds.
    void SetRpmRange(float min, float max);

    CIterVariable& GetVariable(int slot);
    // Presets centred on the attached engine (one must be attached).
    void PresetValveEvents(float tolerance, float step);
    void PresetBoreStroke(float tolerance, float step);
    void PresetPartTypeList(int capacity);
    void EnableValveEvents(bool enable);
    void EnableBoreStroke(bool enable);
    void EnablePartTypeList(bool enable);

    // Keeps the attached engine's displacement: exactly one of bore and
    // stroke follows the other, and its own variable stands still.
    void SetHoldDisplacement(bool boreFollows, bool strokeFollows);
    void ClearHoldDisplacement();
    bool IsHoldDisplacement() const { return holdDisplacement_; }
    bool IsBoreFollowing() const { return boreFollows_; }
    bool IsStrokeFollowing() const { return strokeFollows_; }
    // Individual-runner manifolds get an induction flow scaled to the engine.
    void SetScaleRunnerFlow() { scaleRunnerFlow_ = true; }
    void ClearScaleRunnerFlow() { scaleRunnerFlow_ = false; }
    bool IsScaleRunnerFlow() const { return scaleRunnerFlow_; }
    // Set by the dialogs while results are kept for the user.
    void SetHasResults(bool hasResults) { hasResults_ = hasResults; }
    bool HasResults() const { return hasResults_; }

private:
    struct Combination;
    struct Lane;
    struct Job;
    struct Workers;

    // The product of the active variables' steps, capped at the maximum.
    int CountCombinations() const;
    // The odometer's current values.
    Combination CurrentCombination() const;
    // Writes a combination into `doc`; false when it cannot be built (held
    // displacement). Touches nothing but `doc`.
    bool ApplyCombination(CTorvaneDoc& doc, const Combination& combination) const;
    bool ApplyValue(CTorvaneDoc& doc, int kind, float value, const CPartTypeSpec* item) const;
    // The odometer back at run `runs` (after a failure inside StepMany).
    void ReplayOdometer(int runs);
    float Score(const CTorvaneDoc& doc) const;
    bool KeepResult();
    bool KeepResultOf(const CTorvaneDoc& doc);
    void ClearResults();
    void CheckAttached() const;

    bool done_ = false;
    int total_ = 0;
    int runsDone_ = 0;
    CTorvaneDoc* attached_ = nullptr;
    int attachedSerial_ = 0;
    CTorvaneDoc working_;
    // Of the attached engine when attached, in English units.
    float heldDisplacement_ = 0.0f;  // cubic inches
    float attachedInductionFlow_ = 0.0f;
    int attachedUnitsMode_ = 0;
    CIterVariable variables_[kIterVariableCount];
    CSweepOdometer<CIterVariable, kIterVariableCount> active_;
    // Of equal scores the earliest stays the best and the worst.
    CSweepBest<CIterResult, kIterResultCount, SweepTie::kEarlierIsWorst> results_;
    int criterion_ = kCriterionPeakPower;
    float rpmMin_ = 2000.0f;
    float rpmMax_ = 11000.0f;
    float lastScore_ = 0.0f;
    float baselineScore_ = 0.0f;
    bool holdDisplacement_ = false;
    bool boreFollows_ = false;
    bool strokeFollows_ = false;
    bool scaleRunnerFlow_ = false;
    bool hasResults_ = false;
    bool runFailed_ = false;
    bool endPending_ = false;  // StepMany met the end: the next call reports it
    int workerCount_ = 0;      // 0: the machine's threads
    int baseGeneration_ = 0;   // new working copy: the jobs copy it again
    std::unique_ptr<Workers> workers_;
};

}  // namespace torvane
