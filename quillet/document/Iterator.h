// The drag-race sweep engine: varies up to 14 drivetrain and driving values
// of a baseline vehicle over a grid, runs every combination, scores each
// run by a criterion and keeps the ten best vehicles. The iterator dialogs
// set the variables up and call Step in their run loops.
#pragma once

#include <memory>

#include "common/SweepBest.h"
#include "common/SweepOdometer.h"
#include "common/SweepRange.h"
#include "quillet/document/QuilletDoc.h"

namespace quillet {

// The vehicle value a variable sets.
enum IterKind : int {
    kIterUnused = 0,
    kIterConverterStall = 1,
    kIterFirstGearRatio = 2,  // 2..7: gear ratios 1..6
    kIterRearAxleRatio = 8,
    kIterLaunchRpm = 9,
    kIterFirstShiftRpm = 10,  // 10..14: shifts 1-2 .. 5-6
    kIterLastKind = 14,
};

// How a run is scored; elapsed time is better when smaller, the rest when
// larger. The areas are taken over the distance window.
enum IterCriterion : int {
    kCriterionElapsedTime = 0,
    kCriterionTrapSpeed = 1,
    kCriterionAccelerationArea = 2,
    kCriterionSpeedArea = 3,
    kCriterionTorqueArea = 4,
    kCriterionPowerArea = 5,
};

constexpr int kIterVariableCount = 14;
constexpr int kIterResultCount = 10;
constexpr int kIterHistoryCount = 100;
constexpr int kIterMaxCombinations = 300000000;

// One swept value: a range from min to max by step.
class CIterVariable : public CSweepRange {
public:
    // Kind, centre value, tolerance and step. False, with the variable left
    // unused, when one of the three is not valid (a vehicle without the
    // value has nothing to sweep).
    bool InitRange(int kind, const CFloatPtSpec& centre, const CFloatPtSpec& tolerance,
                   const CFloatPtSpec& step);
    // Back to unused.
    void Clear();

    int GetKind() const { return kind_; }
    bool IsEnabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool IsActive() const { return kind_ != kIterUnused && enabled_ && GetStepCount() > 1; }

    // A new centre with this tolerance, the same tolerance, or a new step;
    // each recounts the steps and rewinds. A tolerance or step outside its
    // field's limits is not taken.
    void SetCentre(float centre, float tolerance);
    void Recentre(float centre);
    void SetStep(float step);

private:
    int kind_ = kIterUnused;
    bool enabled_ = true;
};

// One kept vehicle with its run.
struct CIterResult {
    CIterResult() = default;
    CIterResult& operator=(const CIterResult& other);
    void Clear();

    CQuilletDoc doc;
    bool marked = false;
    int runNumber = 0;
    float score = 0.0f;
};

class CIterator {
public:
    CIterator();
    ~CIterator();
    CIterator(const CIterator&) = delete;
    CIterator& operator=(const CIterator& other);

    // Back to the state after construction.
    void Clear();
    // Takes `doc` as the baseline (its validation failure is shown and
    // nothing changes) and works on a copy of it.
    void AttachDocument(CQuilletDoc* doc);
    CQuilletDoc* GetSourceDocument() const { return source_; }
    int GetSourceSerial() const { return sourceSerial_; }
    // The baseline's coupling type and gear count when it was attached.
    int GetSourceCoupling() const { return sourceCoupling_; }
    int GetSourceGearCount() const { return sourceGearCount_; }
    // A new sweep over the same variables; the baseline is scored again.
    void Reset();
    // 86 no baseline, 87 fewer than 2 combinations, 92 too many.
    bool Validate(short* code) const;
    // Runs the next combination; false at the end or when the run failed
    // (then IsFinished tells which). `kept`: the run became a result.
    bool Step(bool* kept);
    // Up to `maxRuns` steps at once, their runs on worker threads (each
    // with its own vehicle copy and race record), taken in odometer order:
    // counts, scores, kept results, the history and the working vehicle's
    // curves are those of as many Step calls; a failed run counts as run,
    // as with Step. False when the sweep is finished; `kept`: any of them
    // became a result.
    bool StepMany(int maxRuns, bool* kept);
    // Worker threads of StepMany: the machine's by default; 1 runs on the
    // calling thread alone.
    void SetWorkerCount(int workers);
    bool IsFinished() const { return finished_; }
    int GetTotal() const { return total_; }
    int GetRunsDone() const { return runsDone_; }
    int GetProgressPercent() const;

    // Variables: 0 stall, 1..6 gear ratios, 7 rear axle, 8 launch,
    // 9..13 shift points.
    CIterVariable& GetVariable(int i);
    void PresetConverterStall(float tolerance, float step);
    void PresetGearRatios(float tolerance, float step);
    void PresetShiftPoints(float tolerance, float step);
    void EnableConverterStall(bool enable);
    void EnableGearRatios(bool enable);
    void EnableShiftPoints(bool enable);

    int GetCriterion() const { return criterion_; }
    void SetCriterion(int criterion);
    void GetDistanceRange(float* from, float* to) const;
    void SetDistanceRange(float from, float to);
    int GetRaceLength() const { return working_.GetRaceLength(); }

    // Results, best by the criterion.
    int GetResultCount() const { return results_.GetCount(); }
    CQuilletDoc* GetResultDoc(int i);
    float GetResultScore(int i) const;
    bool IsResultMarked(int i) const;
    void SetResultMarked(int i, bool marked);
    void MarkBestResult();
    CQuilletDoc* GetBestResultDoc();
    // The step table that fits the criterion, of result i or of the
    // working document.
    const float* GetResultStepTable(int i) const;
    const float* GetWorkingStepTable(int curve) const;
    float GetLastScore() const { return lastScore_; }
    float GetBestScore() const { return results_.GetBestScore(); }
    float GetWorstScore() const { return results_.GetWorstScore(); }
    float GetBaselineScore() const { return baselineScore_; }
    // Set by the dialogs while results are kept for the user.
    void SetHasResults(bool has) { hasResults_ = has; }
    bool HasResults() const { return hasResults_; }

    // The last 100 runs: run numbers and scores (0 for a failed run).
    const float* GetHistoryRunNumbers() const { return historyRuns_; }
    const float* GetHistoryScores() const { return historyScores_; }
    int GetHistoryPosition() const { return historyPosition_; }

private:
    struct Job;
    struct Workers;

    // The active variables' current values, in their order.
    void CurrentValues(float* values) const;
    // Writes them into `doc`, touching nothing else.
    void ApplyValues(CQuilletDoc& doc, const float* values) const;
    // The history entry of the run just counted.
    void RecordHistory(bool finished);
    bool KeepResultOf(const CQuilletDoc& doc);
    float Score(const CQuilletDoc& doc) const;
    bool IsBetter(float score, float than) const;
    bool KeepResult();
    CFloatPtSpec& FieldOfKind(CQuilletDoc& doc, int kind) const;
    void ClearResults();
    void ClearHistory();

    bool finished_ = false;
    int total_ = 0;
    int runsDone_ = 0;
    CQuilletDoc* source_ = nullptr;
    int sourceSerial_ = 0;
    CQuilletDoc working_;
    int sourceCoupling_ = 0;
    int sourceGearCount_ = 0;
    CIterVariable variables_[kIterVariableCount];
    CSweepOdometer<CIterVariable, kIterVariableCount> active_;
    // Of equal scores the earliest stays the best, the latest becomes the worst.
    CSweepBest<CIterResult, kIterResultCount, SweepTie::kLaterIsWorst> results_;
    int criterion_ = kCriterionElapsedTime;
    float windowFrom_ = 0.0f;
    float windowTo_ = 330.0f;
    float lastScore_ = 0.0f;
    float baselineScore_ = 0.0f;
    bool hasResults_ = false;
    float historyRuns_[kIterHistoryCount] = {};
    float historyScores_[kIterHistoryCount] = {};
    int historyPosition_ = -1;
    bool endPending_ = false;  // StepMany met the end: the next call reports it
    int workerCount_ = 0;      // 0: the machine's threads
    int baseGeneration_ = 0;   // new working vehicle: the jobs copy it again
    std::unique_ptr<Workers> workers_;
};

}  // namespace quillet
