// The sweep engine: step counts, the odometer, applying values to the
// working copy, scoring, the ten best results and the validation codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/tests/FieldTestSupport.h"
#include "testing/ModalDriver.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

// The values a variable produces over one sweep of its own.
std::vector<float> Values(CIterVariable& variable) {
    std::vector<float> values;
    variable.Rewind();
    for (int i = 0; i < variable.GetStepCount(); ++i) {
        variable.ProduceNext();
        values.push_back(variable.GetCurrentValue());
    }
    EXPECT_TRUE(variable.GetStepCount() == 0 || variable.IsAtEnd());
    return values;
}

// The manifold type of a component command.
CPartTypeSpec Manifold(UINT command) {
    CPartTypeSpec manifold("Manifold Type", 1, 11);
    const int row = TorvaneDocFindComponentRow(command);
    manifold.SetType(GetComponentRow(row).typeIndex, TorvaneDocGetComponentName(command));
    return manifold;
}

const UINT kDualPlane = 33508;         // type 2, the test engine's own
const UINT kSinglePlane = 33506;       // type 1
const UINT kIndividualRunner = 33513;  // type 4

class TorvaneSweepTest : public TorvaneDocTest {
protected:
    TorvaneSweepTest() {
        BuildChevy350(engine_);
        engine_.SetAutoRun(false);
        EXPECT_TRUE(engine_.RunSimulation(true, true));
    }

    // Steps to the end; the values of `slots` at each run.
    std::vector<std::vector<float>> RunAll(CIterator& sweep, const std::vector<int>& slots) {
        std::vector<std::vector<float>> runs;
        bool kept = false;
        while (sweep.Step(&kept)) {
            std::vector<float> values;
            for (int slot : slots) {
                CIterVariable& variable = sweep.GetVariable(slot);
                values.push_back(variable.GetMode() == kIterList
                                     ? static_cast<float>(variable.GetCurrentListItem().GetValue())
                                     : variable.GetCurrentValue());
            }
            runs.push_back(values);
        }
        return runs;
    }

    // Two manifolds (the engine's own, then the single plane) and three
    // intake openings.
    void SweepManifoldsAndOpening(CIterator& sweep) {
        sweep.AttachDocument(&engine_);
        sweep.PresetPartTypeList(2);
        sweep.GetVariable(kSlotManifoldList).AddListItem(Manifold(kSinglePlane));
        sweep.GetVariable(kSlotIntakeOpening)
            .InitRange(kIterIntakeOpening, engine_.cam.primary.ivo, UnitlessSpec(1.0f),
                       UnitlessSpec(1.0f));
    }

    void Ready(CIterator& sweep) {
        unsigned short code = 0;
        ASSERT_TRUE(sweep.Validate(code)) << code;
        sweep.Reset();
    }

    CTorvaneDoc engine_;
};

TEST(IterVariableTest, RangesStepFromMinToMaxAndEndAtMax) {
    const struct {
        float step;
        std::vector<float> values;
    } cases[] = {
        {3.0f, {10, 13, 16, 19, 20}},
        {5.0f, {10, 15, 20}},
        {3.3333f, {10, 13.3333f, 16.6666f, 20}},  // the remainder is within 1 % of a step
        {10.0f, {10, 20}},
        {11.0f, {}},  // a step larger than the range: no steps
    };
    WithTorvaneProfile profile;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        CIterVariable variable;
        variable.InitRange(kIterBore, UnitlessSpec(15.0f), UnitlessSpec(5.0f),
                           UnitlessSpec(c.step));
        EXPECT_EQ(static_cast<int>(c.values.size()), variable.GetStepCount());
        EXPECT_EQ(c.values.size() > 1, variable.IsActive());
        const std::vector<float> values = Values(variable);
        ASSERT_EQ(c.values.size(), values.size());
        for (size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(c.values[i], values[i], 1e-4f);
    }
}

TEST(IterVariableTest, RangesStayWithinTheFieldsLimits) {
    WithTorvaneProfile profile;
    CIterVariable variable;
    variable.InitRange(kIterBore, UnitlessSpec(98.0f), UnitlessSpec(5.0f), UnitlessSpec(1.0f));
    EXPECT_EQ(93.0f, variable.GetMin().GetValue());
    EXPECT_EQ(100.0f, variable.GetMax().GetValue());
    EXPECT_EQ(8, variable.GetStepCount());
    variable.SetCentre(UnitlessSpec(50.0f), 0.0f);  // no width: no steps
    EXPECT_FALSE(variable.IsActive());
    variable.SetCentre(UnitlessSpec(50.0f), 2.0f);
    variable.SetStep(0.5f);
    EXPECT_EQ(9, variable.GetStepCount());
    variable.Recentre(UnitlessSpec(1.0f));
    EXPECT_EQ(0.0f, variable.GetMin().GetValue());
    EXPECT_EQ(3.0f, variable.GetMax().GetValue());
}

TEST_F(TorvaneSweepTest, ListsHoldDistinctTypesAndCopyWhole) {
    CIterVariable list;
    list.InitList(kIterManifold, 3);
    EXPECT_EQ(0, list.GetStepCount());
    list.AddListItem(Manifold(kDualPlane));
    list.AddListItem(Manifold(kSinglePlane));
    list.AddListItem(Manifold(kIndividualRunner));
    EXPECT_EQ(3, list.GetStepCount());
    EXPECT_TRUE(list.HasListType(4));
    list.RemoveListItem(Manifold(kSinglePlane));
    EXPECT_EQ(2, list.GetListCount());
    EXPECT_FALSE(list.HasListType(1));
    EXPECT_EQ(4, list.GetListItem(1).GetValue());
    list.AddListItem(Manifold(kSinglePlane));  // the freed slot takes it
    CIterVariable copy(list);
    EXPECT_EQ(3, copy.GetStepCount());
    EXPECT_EQ(1, copy.GetListItem(2).GetValue());
    EXPECT_EQ(2, copy.GetCurrentListItem().GetValue());
    list.FreeList();
    EXPECT_EQ(kIterUnused, list.GetKind());
    EXPECT_EQ(3, copy.GetListCount());
}

TEST_F(TorvaneSweepTest, AThreeByFourSweepRunsTwelveCombinations) {
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    CIterVariable& ivo = sweep.GetVariable(kSlotIntakeOpening);
    ivo.InitRange(kIterIntakeOpening, engine_.cam.primary.ivo, UnitlessSpec(2.0f),
                  UnitlessSpec(2.0f));
    CIterVariable& bore = sweep.GetVariable(kSlotBore);
    bore.InitRange(kIterBore, engine_.bore, UnitlessSpec(0.03f), UnitlessSpec(0.02f));
    ASSERT_EQ(3, ivo.GetStepCount());
    ASSERT_EQ(4, bore.GetStepCount());
    Ready(sweep);
    EXPECT_EQ(12, sweep.GetTotal());
    const std::vector<std::vector<float>> runs = RunAll(sweep, {kSlotIntakeOpening, kSlotBore});
    ASSERT_EQ(12u, runs.size());
    EXPECT_TRUE(GetLeadFlag(sweep));
    EXPECT_FALSE(sweep.IsRunFailed());
    EXPECT_EQ(12, sweep.GetRunsDone());
    EXPECT_EQ(100, sweep.GetProgressPercent());
    // The first slot varies slowest, the last active one fastest.
    const float ivo0 = engine_.cam.primary.ivo.GetValue() - 2.0f;
    for (size_t run = 0; run < runs.size(); ++run) {
        EXPECT_NEAR(ivo0 + 2.0f * (run / 4), runs[run][0], 1e-4f) << run;
        EXPECT_NEAR(3.97f + std::min(0.02f * (run % 4), 0.06f), runs[run][1], 1e-4f) << run;
    }
    bool kept = true;
    EXPECT_FALSE(sweep.Step(&kept));  // the 13th
    EXPECT_FALSE(kept);
}

TEST_F(TorvaneSweepTest, ThreeVariablesCarryLikeAnOdometer) {
    CIterator sweep;
    SweepManifoldsAndOpening(sweep);
    sweep.GetVariable(kSlotBore).InitRange(kIterBore, engine_.bore, UnitlessSpec(0.01f),
                                           UnitlessSpec(0.02f));
    Ready(sweep);
    ASSERT_EQ(12, sweep.GetTotal());
    const std::vector<std::vector<float>> runs =
        RunAll(sweep, {kSlotManifoldList, kSlotIntakeOpening, kSlotBore});
    ASSERT_EQ(12u, runs.size());
    const float ivo = engine_.cam.primary.ivo.GetValue();
    std::vector<std::vector<float>> expected;
    for (float manifold : {2.0f, 1.0f})
        for (float opening : {ivo - 1, ivo, ivo + 1})
            for (float boreValue : {3.99f, 4.01f})
                expected.push_back({manifold, opening, boreValue});
    for (size_t run = 0; run < runs.size(); ++run)
        for (size_t v = 0; v < 3; ++v) EXPECT_NEAR(expected[run][v], runs[run][v], 1e-4f) << run;
}

TEST_F(TorvaneSweepTest, TheTenBestResultsAreKept) {
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    sweep.GetVariable(kSlotIntakeClosing)
        .InitRange(kIterIntakeClosing, engine_.cam.primary.ivc, UnitlessSpec(6.0f),
                   UnitlessSpec(1.0f));
    sweep.SetCriterion(kCriterionPeakTorque);
    Ready(sweep);
    std::vector<float> scores;
    bool kept = false;
    for (int run = 1; sweep.Step(&kept); ++run) {
        scores.push_back(sweep.GetLastScore());
        // The table fills slots 0, 1, 2, ... in order.
        if (run <= kIterResultCount) {
            EXPECT_TRUE(kept) << run;
        }
    }
    ASSERT_EQ(13u, scores.size());
    ASSERT_EQ(kIterResultCount, sweep.GetResultCount());
    // The kept scores are the ten largest; of equal scores the earlier run.
    std::vector<float> sorted = scores;
    std::sort(sorted.begin(), sorted.end(), std::greater<float>());
    std::vector<float> keptScores;
    float best = 0.0f;
    int bestIndex = -1;
    for (int i = 0; i < sweep.GetResultCount(); ++i) {
        const float score = sweep.GetResultScore(i);
        keptScores.push_back(score);
        if (score > best) {
            best = score;
            bestIndex = i;
        }
    }
    std::sort(keptScores.begin(), keptScores.end(), std::greater<float>());
    EXPECT_EQ(std::vector<float>(sorted.begin(), sorted.begin() + 10), keptScores);
    EXPECT_EQ(sorted[0], sweep.GetBestScore());
    EXPECT_EQ(sorted[9], sweep.GetWorstScore());
    EXPECT_EQ(sweep.GetResultDoc(bestIndex), sweep.GetBestResultDoc());
    // A result's document is the engine of its run.
    for (int i = 0; i < sweep.GetResultCount(); ++i) {
        CTorvaneDoc* result = sweep.GetResultDoc(i);
        EXPECT_EQ(sweep.GetResultScore(i), result->GetPeakValue(kCurveTorque, 2000, 11000));
    }
    sweep.MarkBestResult();
    EXPECT_TRUE(sweep.IsResultMarked(bestIndex));
}

TEST_F(TorvaneSweepTest, EqualScoresKeepTheFirstTenRuns) {
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    // Twelve runs of the same engine: every score is the same.
    CIterVariable& list = sweep.GetVariable(kSlotManifoldList);
    list.InitList(kIterManifold, 12);
    for (int i = 0; i < 12; ++i) list.AddListItem(engine_.manifoldType);
    Ready(sweep);
    std::vector<bool> keptRuns;
    bool kept = false;
    while (sweep.Step(&kept)) keptRuns.push_back(kept);
    EXPECT_EQ(std::vector<bool>(
                  {true, true, true, true, true, true, true, true, true, true, false, false}),
              keptRuns);
    EXPECT_EQ(sweep.GetBaselineScore(), sweep.GetBestScore());
    EXPECT_EQ(sweep.GetResultDoc(0), sweep.GetBestResultDoc());  // the lowest index wins ties
}

// Area x 0.001 under points first..last of a curve 500 rpm apart.
float TrapezoidArea(const float* curve, int first, int last) {
    double area = 0;
    for (int i = first; i < last; ++i) area += 500.0 * (curve[i] + curve[i + 1]) / 2;
    return static_cast<float>(0.001 * area);
}

TEST_F(TorvaneSweepTest, ScoresReadTheChosenSpeedRange) {
    const float* power = engine_.GetCurve(kCurvePower);
    const float* torque = engine_.GetCurve(kCurveTorque);
    for (int i = 0; i < kResultPointCount; ++i) ASSERT_GE(torque[i], 0.0f);
    const struct {
        int criterion;
        float from, to;
        float expected;
    } cases[] = {
        // 5000, 5500 and 6000 rpm are points 6, 7 and 8.
        {kCriterionPeakPower, 5000, 6000, std::max({power[6], power[7], power[8]})},
        {kCriterionPeakTorque, 2000, 2500, std::max(torque[0], torque[1])},
        {kCriterionPowerArea, 2000, 3000,
         0.001f * (500 * (power[0] + power[1]) / 2 + 500 * (power[1] + power[2]) / 2)},
        {kCriterionTorqueArea, 2000, 11000, TrapezoidArea(torque, 0, kResultPointCount - 1)},
    };
    for (const auto& c : cases) {
        CIterator sweep;
        sweep.AttachDocument(&engine_);
        sweep.SetCriterion(c.criterion);
        sweep.SetRpmRange(c.from, c.to);
        sweep.Reset();
        EXPECT_NEAR(c.expected, sweep.GetBaselineScore(), 1e-3f * c.expected) << c.criterion;
    }
}

TEST_F(TorvaneSweepTest, ValidationCodesInTheirOrder) {
    CIterator sweep;
    unsigned short code = 0;
    EXPECT_FALSE(sweep.Validate(code));
    EXPECT_EQ(62, code);

    sweep.AttachDocument(&engine_);
    EXPECT_FALSE(sweep.Validate(code));
    EXPECT_EQ(63, code);  // nothing to sweep

    sweep.PresetValveEvents(32.0f, 1.0f);  // 65 values each
    sweep.PresetBoreStroke(2.0f, 0.001f);
    EXPECT_FALSE(sweep.Validate(code));
    EXPECT_EQ(86, code);

    sweep.EnableBoreStroke(false);
    EXPECT_TRUE(sweep.Validate(code));
    sweep.SetHoldDisplacement(true, false);  // the bore follows the stroke...
    sweep.GetVariable(kSlotStroke).SetCentre(engine_.stroke, 0.0f);  // ...which stands still
    EXPECT_FALSE(sweep.Validate(code));
    EXPECT_EQ(109, code);
    sweep.ClearHoldDisplacement();

    sweep.PresetPartTypeList(10);  // only the engine's own manifold
    EXPECT_FALSE(sweep.Validate(code));
    EXPECT_EQ(110, code);
    sweep.EnablePartTypeList(false);
    EXPECT_TRUE(sweep.Validate(code));

    // An engine that does not validate is not attached.
    CTorvaneDoc incomplete;
    CIterator other;
    ModalDriver::Instance().Answer("Incomplete Engine", IDOK);
    other.AttachDocument(&incomplete);
    EXPECT_EQ(nullptr, other.GetAttachedDocument());
}

TEST_F(TorvaneSweepTest, HeldDisplacementDerivesTheStrokeAndSkipsImpossibleEngines) {
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    sweep.PresetBoreStroke(1.0f, 0.5f);
    sweep.SetHoldDisplacement(false, true);  // the stroke follows the bore
    EXPECT_FALSE(sweep.GetVariable(kSlotStroke).IsActive());
    CIterVariable& bore = sweep.GetVariable(kSlotBore);
    // From 2.5 in the stroke would have to exceed its 7 in limit.
    bore.InitRange(kIterBore, engine_.bore, UnitlessSpec(1.5f), UnitlessSpec(0.5f));
    Ready(sweep);
    ASSERT_EQ(7, sweep.GetTotal());
    std::vector<bool> keptRuns;
    bool kept = false;
    while (sweep.Step(&kept)) keptRuns.push_back(kept);
    EXPECT_FALSE(sweep.IsRunFailed());
    EXPECT_EQ(std::vector<bool>({false, true, true, true, true, true, true}), keptRuns);
    for (int i = 0; i < sweep.GetResultCount(); ++i) {
        const CTorvaneDoc& result = *sweep.GetResultDoc(i);
        const float b = result.bore.GetValue();
        EXPECT_NEAR(349.85f, 0.7853982f * b * b * result.stroke.GetValue() * 8, 0.01f) << b;
    }
}

TEST_F(TorvaneSweepTest, AMetricEngineIsSweptInInchesAndKeptInMillimetres) {
    engine_.SetUnitsMode(1);
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    sweep.PresetBoreStroke(0.02f, 0.01f);
    sweep.EnableBoreStroke(true);
    sweep.GetVariable(kSlotStroke).SetEnabled(false);
    EXPECT_NEAR(3.98f, sweep.GetVariable(kSlotBore).GetMin().GetValue(), 1e-5f);
    EXPECT_EQ(5, sweep.GetVariable(kSlotBore).GetStepCount());
    Ready(sweep);
    const std::vector<std::vector<float>> runs = RunAll(sweep, {kSlotBore});
    ASSERT_EQ(5u, runs.size());
    const CTorvaneDoc& result = *sweep.GetResultDoc(4);
    EXPECT_EQ(1, result.GetUnitsMode());
    CString shown;
    result.bore.FormatWithUnits(shown);
    EXPECT_STREQ("102.11 mm", shown);  // 4.02 in
}

TEST_F(TorvaneSweepTest, RunnerFlowFollowsTheManifoldOfEachRun) {
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    sweep.SetScaleRunnerFlow();
    CIterVariable& list = sweep.GetVariable(kSlotManifoldList);
    list.InitList(kIterManifold, 2);
    list.AddListItem(Manifold(kIndividualRunner));
    list.AddListItem(engine_.manifoldType);
    Ready(sweep);
    bool kept = false;
    ASSERT_TRUE(sweep.Step(&kept));
    ASSERT_TRUE(sweep.Step(&kept));
    ASSERT_EQ(2, sweep.GetResultCount());
    EXPECT_EQ(4, sweep.GetResultDoc(0)->manifoldType.GetValue());
    EXPECT_EQ(2400.0f, sweep.GetResultDoc(0)->inductionFlow.GetValue());  // 600 x 8 x 0.5
    // The next manifold runs on the engine's own flow again.
    EXPECT_EQ(600.0f, sweep.GetResultDoc(1)->inductionFlow.GetValue());
}

TEST_F(TorvaneSweepTest, AFailedRunEndsTheSweepAndSaysSo) {
    engine_.cam.intakeLift.SetValue(1.5f);  // too much lift for the lobe
    CIterator sweep;
    sweep.AttachDocument(&engine_);
    sweep.PresetValveEvents(2.0f, 1.0f);
    Ready(sweep);
    ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
    bool kept = true;
    EXPECT_FALSE(sweep.Step(&kept));
    EXPECT_FALSE(kept);
    EXPECT_TRUE(sweep.IsRunFailed());
    EXPECT_FALSE(GetLeadFlag(sweep));  // not done: stopped
    EXPECT_EQ(1u, ModalDriver::Instance().Boxes().size());
}

TEST_F(TorvaneSweepTest, ACopyGoesOnWhereTheOriginalStands) {
    CIterator sweep;
    SweepManifoldsAndOpening(sweep);
    Ready(sweep);
    bool kept = false;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(sweep.Step(&kept));
    CIterator copy;
    copy = sweep;
    EXPECT_EQ(4, copy.GetRunsDone());
    EXPECT_EQ(4, copy.GetResultCount());
    EXPECT_EQ(sweep.GetResultScore(3), copy.GetResultScore(3));
    EXPECT_EQ(RunAll(sweep, {kSlotManifoldList, kSlotIntakeOpening}),
              RunAll(copy, {kSlotManifoldList, kSlotIntakeOpening}));
}

TEST_F(TorvaneSweepTest, APendingHandOffEndsWithItsSweep) {
    auto sweep = std::make_unique<CIterator>();
    SetBestResultsIterator(sweep.get());
    sweep.reset();
    EXPECT_EQ(nullptr, GetBestResultsIterator());

    auto doc = std::make_unique<CTorvaneDoc>();
    doc->CreateIterators();
    SetBestResultsIterator(doc->GetFineIterator());
    doc.reset();
    EXPECT_EQ(nullptr, GetBestResultsIterator());
}

// What the user sees of a sweep after a step: the count, the last, best and
// worst scores and how many are kept.
struct SweepFigures {
    int runsDone;
    float lastScore, bestScore, worstScore;
    int resultCount;
    bool operator==(const SweepFigures& o) const {
        return runsDone == o.runsDone && lastScore == o.lastScore && bestScore == o.bestScore &&
               worstScore == o.worstScore && resultCount == o.resultCount;
    }
};

SweepFigures FiguresOf(const CIterator& sweep) {
    return {sweep.GetRunsDone(), sweep.GetLastScore(), sweep.GetBestScore(),
            sweep.GetWorstScore(), sweep.GetResultCount()};
}

bool SameCurve(const float* a, const float* b) {
    return std::equal(a, a + kResultPointCount, b);
}

// Every figure of two sweeps at their end: counts, flags, the working
// copy's curves and each kept engine with its curves.
void ExpectSameSweep(CIterator& one, CIterator& many) {
    EXPECT_TRUE(FiguresOf(one) == FiguresOf(many));
    EXPECT_EQ(one.IsRunFailed(), many.IsRunFailed());
    EXPECT_EQ(GetLeadFlag(one), GetLeadFlag(many));
    EXPECT_TRUE(SameCurve(one.GetPowerCurve(), many.GetPowerCurve()));
    EXPECT_TRUE(SameCurve(one.GetTorqueCurve(), many.GetTorqueCurve()));
    ASSERT_EQ(one.GetResultCount(), many.GetResultCount());
    for (int i = 0; i < one.GetResultCount(); ++i) {
        EXPECT_EQ(one.GetResultScore(i), many.GetResultScore(i)) << i;
        EXPECT_EQ(one.IsResultMarked(i), many.IsResultMarked(i)) << i;
        EXPECT_TRUE(SameCurve(one.GetResultPowerCurve(i), many.GetResultPowerCurve(i))) << i;
        EXPECT_TRUE(SameCurve(one.GetResultTorqueCurve(i), many.GetResultTorqueCurve(i))) << i;
        const CTorvaneDoc& a = *one.GetResultDoc(i);
        const CTorvaneDoc& b = *many.GetResultDoc(i);
        EXPECT_EQ(a.bore.GetValue(), b.bore.GetValue()) << i;
        EXPECT_EQ(a.stroke.GetValue(), b.stroke.GetValue()) << i;
        EXPECT_EQ(a.cam.primary.ivo.GetValue(), b.cam.primary.ivo.GetValue()) << i;
        EXPECT_EQ(a.cam.primary.ivc.GetValue(), b.cam.primary.ivc.GetValue()) << i;
        EXPECT_EQ(a.cam.primary.evo.GetValue(), b.cam.primary.evo.GetValue()) << i;
        EXPECT_EQ(a.cam.primary.evc.GetValue(), b.cam.primary.evc.GetValue()) << i;
        EXPECT_EQ(a.manifoldType.GetValue(), b.manifoldType.GetValue()) << i;
        EXPECT_EQ(a.inductionFlow.GetValue(), b.inductionFlow.GetValue()) << i;
    }
}

// Sweeps set up alike, one stepped on this thread and one many runs at a
// time on all threads: the four valve events over three values each by peak
// torque; and a manifold list with scaled runner flow beside a bore range
// with held displacement, whose impossible engines are skipped. Every figure
// after each batch is the one-thread figure after as many steps.
TEST_F(TorvaneSweepTest, AllThreadsSweepLikeOneThread) {
    const std::function<void(CIterator&)> setUps[] = {
        [this](CIterator& sweep) {
            sweep.AttachDocument(&engine_);
            sweep.PresetValveEvents(2.0f, 2.0f);
            sweep.SetCriterion(kCriterionPeakTorque);
        },
        [this](CIterator& sweep) {
            sweep.AttachDocument(&engine_);
            sweep.SetScaleRunnerFlow();
            CIterVariable& list = sweep.GetVariable(kSlotManifoldList);
            list.InitList(kIterManifold, 3);
            list.AddListItem(Manifold(kIndividualRunner));
            list.AddListItem(engine_.manifoldType);
            list.AddListItem(Manifold(kSinglePlane));
            sweep.PresetBoreStroke(1.0f, 0.5f);
            sweep.SetHoldDisplacement(false, true);
            sweep.GetVariable(kSlotBore).InitRange(kIterBore, engine_.bore, UnitlessSpec(1.5f),
                                                  UnitlessSpec(0.5f));
            sweep.SetCriterion(kCriterionPowerArea);
        },
    };
    for (const auto& setUp : setUps) {
        CIterator one, many;
        setUp(one);
        setUp(many);
        Ready(one);
        Ready(many);
        std::map<int, SweepFigures> seen;
        bool kept = false;
        while (one.Step(&kept)) seen[one.GetRunsDone()] = FiguresOf(one);
        int calls = 0;
        while (many.StepMany(3 + calls++ % 5, &kept)) {
            ASSERT_EQ(1u, seen.count(many.GetRunsDone()));
            EXPECT_TRUE(seen[many.GetRunsDone()] == FiguresOf(many)) << many.GetRunsDone();
        }
        EXPECT_GT(calls, 2);
        one.MarkBestResult();
        many.MarkBestResult();
        ExpectSameSweep(one, many);
        EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
    }
}

// A failed run inside a batch: the batch stops there, the one box is shown
// on this thread, and the count and odometer stand where one thread's do.
TEST_F(TorvaneSweepTest, AFailedRunAmongManyStopsWhereOneThreadStops) {
    engine_.cam.intakeLift.SetValue(1.5f);  // too much lift for the lobe
    CIterator one, many;
    for (CIterator* sweep : {&one, &many}) {
        sweep->AttachDocument(&engine_);
        sweep->PresetValveEvents(2.0f, 1.0f);
        Ready(*sweep);
    }
    ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
    ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
    bool kept = true;
    EXPECT_FALSE(one.Step(&kept));
    EXPECT_FALSE(many.StepMany(8, &kept));
    EXPECT_FALSE(kept);
    EXPECT_EQ(2u, ModalDriver::Instance().Boxes().size());
    ExpectSameSweep(one, many);
    for (int slot = kSlotIntakeOpening; slot <= kSlotExhaustClosing; ++slot) {
        EXPECT_EQ(one.GetVariable(slot).GetCurrentValue(), many.GetVariable(slot).GetCurrentValue())
            << slot;
        EXPECT_EQ(one.GetVariable(slot).GetStepIndex(), many.GetVariable(slot).GetStepIndex());
    }
}


// The document's two sweep commands with recording stand-ins for the shell's
// dialogs and its opening of marked results.
class SweepCommandTest : public TorvaneSweepTest {
protected:
    ~SweepCommandTest() override { InstallComponentDialogs(ComponentDialogs()); }

    // A dialog that runs two cam combinations on the coarse sweep, marks
    // the second result when asked, and answers `ok`.
    std::function<bool(CIterator&, CIterator&)> RunTwo(bool mark, bool ok) {
        return [this, mark, ok](CIterator& coarse, CIterator& fine) {
            ++dialogRuns_;
            EXPECT_EQ(&engine_, coarse.GetAttachedDocument());
            EXPECT_EQ(&engine_, fine.GetAttachedDocument());
            coarse.PresetValveEvents(2.0f, 2.0f);
            coarse.Reset();
            bool kept = false;
            for (int i = 0; i < 2; ++i) EXPECT_TRUE(coarse.Step(&kept));
            if (mark) coarse.SetResultMarked(1, true);
            coarse.SetHasResults(true);
            fine.SetHasResults(true);
            return ok;
        };
    }

    void Install(std::function<bool(CIterator&, CIterator&)> sweepDialog,
                 std::function<bool(CIterator&, CIterator&)> quickDialog = nullptr) {
        ComponentDialogs dialogs;
        dialogs.runSweepDialog = std::move(sweepDialog);
        dialogs.runQuickIterator = std::move(quickDialog);
        dialogs.openMarkedResults = [this](CIterator& sweep) { opened_.push_back(&sweep); };
        InstallComponentDialogs(dialogs);
    }

    int dialogRuns_ = 0;
    std::vector<CIterator*> opened_;
};

TEST_F(SweepCommandTest, TheSweepDialogGetsFreshSweepsAndAMarkedResultIsOpened) {
    Install(RunTwo(true, true));
    SendCommand(engine_, 33450);
    ASSERT_EQ(1, dialogRuns_);
    ASSERT_NE(nullptr, engine_.GetCoarseIterator());
    EXPECT_FALSE(engine_.AreSweepResultsInvalidated());
    // The fine sweep kept nothing: the coarse one's marks are opened.
    EXPECT_EQ(std::vector<CIterator*>{engine_.GetCoarseIterator()}, opened_);

    // Kept results stay for the next opening, whether or not it ends in OK.
    Install([this](CIterator& coarse, CIterator&) {
        ++dialogRuns_;
        EXPECT_EQ(2, coarse.GetResultCount());
        return false;
    });
    opened_.clear();
    SendCommand(engine_, 33450);
    EXPECT_EQ(2, dialogRuns_);
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(2, engine_.GetCoarseIterator()->GetResultCount());
}

TEST_F(SweepCommandTest, NothingIsOpenedWithoutAMarkOrAnOk) {
    for (bool mark : {false, true}) {
        Install(RunTwo(mark, !mark));
        SendCommand(engine_, 33450);
        EXPECT_TRUE(opened_.empty()) << mark;
    }
    EXPECT_EQ(2, dialogRuns_);
}

TEST_F(SweepCommandTest, AnInvalidEngineOpensNeitherDialog) {
    Install(RunTwo(false, true), RunTwo(false, true));
    engine_.bore.Clear();
    for (UINT command : {33450u, 33451u}) {
        ModalDriver::Instance().Answer("", IDOK);
        SendCommand(engine_, command);
    }
    EXPECT_EQ(0, dialogRuns_);
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(nullptr, engine_.GetCoarseIterator());
}

TEST_F(SweepCommandTest, TheQuickIteratorAsksBeforeItClearsKeptResults) {
    Install(RunTwo(true, true), [this](CIterator& coarse, CIterator& fine) {
        ++dialogRuns_;
        EXPECT_EQ(0, coarse.GetResultCount());
        EXPECT_FALSE(coarse.HasResults());
        EXPECT_EQ(&engine_, fine.GetAttachedDocument());
        bool kept = false;
        coarse.PresetValveEvents(2.0f, 2.0f);
        coarse.Reset();
        EXPECT_TRUE(coarse.Step(&kept));
        coarse.MarkBestResult();
        return true;
    });
    SendCommand(engine_, 33450);
    opened_.clear();

    ModalDriver::Instance().Answer("", IDCANCEL);
    SendCommand(engine_, 33451);
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(1, dialogRuns_);
    EXPECT_EQ(2, engine_.GetCoarseIterator()->GetResultCount());

    ModalDriver::Instance().Answer("", IDOK);
    SendCommand(engine_, 33451);
    EXPECT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(2, dialogRuns_);
    EXPECT_EQ(std::vector<CIterator*>{engine_.GetCoarseIterator()}, opened_);
    EXPECT_FALSE(engine_.AreSweepResultsInvalidated());

    // Nothing kept for the user any more: no question the next time.
    engine_.GetCoarseIterator()->SetHasResults(false);
    SendCommand(engine_, 33451);
    EXPECT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(3, dialogRuns_);
}

}  // namespace

}  // namespace torvane
