// The sweep engine: step counts, the odometer, scores and the ten best,
// ties, the run history, presets, validation, and the document's iterator
// commands.
#include "quillet/document/Iterator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "common/tests/FieldTestSupport.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/services/QuilletProfile.h"
#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::ModalDriver;

namespace {

TEST(IterVariable, StepCountsOfARange) {
    const struct {
        float step;
        int count;
    } cases[] = {{3.0f, 5}, {5.0f, 3}, {3.3333f, 4}, {10.0f, 2}, {11.0f, 0}};
    for (const auto& range : cases) {
        CIterVariable variable;
        ASSERT_TRUE(variable.InitRange(kIterLaunchRpm, UnitlessSpec(15.0f), UnitlessSpec(5.0f),
                                       UnitlessSpec(range.step)));
        EXPECT_EQ(variable.GetStepCount(), range.count) << range.step;
        EXPECT_EQ(variable.IsActive(), range.count > 1);
    }
    CIterVariable variable;
    variable.InitRange(kIterLaunchRpm, UnitlessSpec(15.0f), UnitlessSpec(5.0f), UnitlessSpec(3.0f));
    std::vector<float> values;
    while (!variable.IsAtEnd()) {
        variable.ProduceNext();
        values.push_back(variable.GetCurrentValue());
    }
    EXPECT_EQ(values, (std::vector<float>{10, 13, 16, 19, 20}));
    // A value the vehicle does not have leaves the variable unused.
    CFloatPtSpec unset = UnitlessSpec(15.0f);
    unset.Clear();
    EXPECT_FALSE(variable.InitRange(kIterLaunchRpm, unset, UnitlessSpec(5.0f), UnitlessSpec(3.0f)));
    EXPECT_EQ(variable.GetKind(), kIterUnused);
}

class IteratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_->SetAutoRun(false);
        ChooseStreetCar(*doc_);
        ASSERT_TRUE(doc_->RunSimulation(true, true));
        iterator_->AttachDocument(doc_.get());
        ASSERT_EQ(iterator_->GetSourceDocument(), doc_.get());
    }
    // Runs every combination; returns the score of each successful run.
    std::vector<float> RunAll(int* runs) {
        std::vector<float> scores;
        bool kept = false;
        while (!iterator_->IsFinished()) {
            if (iterator_->Step(&kept)) scores.push_back(iterator_->GetLastScore());
        }
        *runs = iterator_->GetRunsDone();
        return scores;
    }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    std::unique_ptr<CIterator> iterator_{new CIterator};
};

TEST_F(IteratorTest, TheOdometerRunsEveryCombinationInOrder) {
    iterator_->PresetGearRatios(0.2f, 0.2f);
    iterator_->EnableGearRatios(false);
    iterator_->GetVariable(1).SetEnabled(true);  // first gear: 2.32 .. 2.72, 3 values
    iterator_->GetVariable(7).SetEnabled(true);
    iterator_->GetVariable(7).SetCentre(3.54f, 0.3f);  // rear axle: 3.24 .. 3.84, 4 values
    iterator_->Reset();
    ASSERT_EQ(iterator_->GetTotal(), 12);
    short code = 0;
    EXPECT_TRUE(iterator_->Validate(&code)) << code;

    std::vector<std::pair<float, float>> order;
    bool kept = false;
    CIterator& it = *iterator_;
    for (int run = 0; run < 12; ++run) {
        ASSERT_TRUE(it.Step(&kept)) << run;
        order.emplace_back(it.GetVariable(1).GetCurrentValue(), it.GetVariable(7).GetCurrentValue());
    }
    EXPECT_FALSE(it.Step(&kept));
    EXPECT_TRUE(it.IsFinished());
    EXPECT_EQ(it.GetRunsDone(), 12);
    EXPECT_EQ(it.GetProgressPercent(), 100);
    const float first[] = {2.32f, 2.52f, 2.72f};
    const float axle[] = {3.24f, 3.44f, 3.64f, 3.84f};
    for (int run = 0; run < 12; ++run) {
        EXPECT_NEAR(order[run].first, first[run / 4], 1e-4f) << run;
        EXPECT_NEAR(order[run].second, axle[run % 4], 1e-4f) << run;
    }
    // The best ten by elapsed time, the lowest the best.
    ASSERT_EQ(it.GetResultCount(), 10);
    float lowest = it.GetResultScore(0), highest = lowest;
    for (int i = 0; i < 10; ++i) {
        lowest = std::min(lowest, it.GetResultScore(i));
        highest = std::max(highest, it.GetResultScore(i));
    }
    EXPECT_EQ(it.GetBestScore(), lowest);
    EXPECT_EQ(it.GetWorstScore(), highest);
    EXPECT_GT(it.GetBaselineScore(), 0.0f);
    EXPECT_EQ(it.GetBestResultDoc()->GetResults().elapsedTime, lowest);
    // A result is the vehicle of its run, with the run's results.
    const CQuilletDoc* best = it.GetBestResultDoc();
    EXPECT_GT(best->GetNumCurvePoints(), 0);
    EXPECT_EQ(it.GetResultStepTable(0), it.GetResultDoc(0)->GetStepTable(kCurveTime));
}

TEST_F(IteratorTest, TiesKeepTheEarlierBestAndMoveTheWorstLater) {
    // The 5-6 shift of a four-speed does not change the run: every score ties.
    doc_->m_shiftRpm[4].SetValue(4000.0f);
    iterator_->AttachDocument(doc_.get());
    iterator_->PresetShiftPoints(1500.0f, 250.0f);
    iterator_->EnableShiftPoints(false);
    CIterVariable& tied = iterator_->GetVariable(13);
    ASSERT_EQ(tied.GetKind(), 0);  // a four-speed has no 5-6 shift to preset
    ASSERT_TRUE(tied.InitRange(kIterFirstShiftRpm + 4, doc_->m_shiftRpm[4],
                               doc_->m_shiftRpm[4], doc_->m_shiftRpm[4]));
    tied.SetCentre(4000.0f, 1500.0f);
    tied.SetStep(250.0f);
    iterator_->Reset();
    ASSERT_EQ(iterator_->GetTotal(), 13);
    int runs = 0;
    const std::vector<float> scores = RunAll(&runs);
    ASSERT_EQ(scores.size(), 13u);
    EXPECT_TRUE(std::all_of(scores.begin(), scores.end(), [&](float s) { return s == scores[0]; }));
    ASSERT_EQ(iterator_->GetResultCount(), 10);
    EXPECT_EQ(iterator_->GetBestScore(), scores[0]);
    EXPECT_EQ(iterator_->GetWorstScore(), scores[0]);
    iterator_->MarkBestResult();
    EXPECT_TRUE(iterator_->IsResultMarked(0));
    EXPECT_FALSE(iterator_->IsResultMarked(9));
}

TEST_F(IteratorTest, TheHistoryKeepsTheLastHundredRuns) {
    // Neither the stall of a clutch car nor its 5-6 shift changes the run.
    doc_->m_converterStall.SetValue(3000.0f);
    doc_->m_shiftRpm[4].SetValue(4000.0f);
    iterator_->AttachDocument(doc_.get());
    iterator_->PresetConverterStall(1000.0f, 100.0f);  // 21 values
    CIterVariable& shift = iterator_->GetVariable(13);
    ASSERT_TRUE(shift.InitRange(kIterFirstShiftRpm + 4, doc_->m_shiftRpm[4], doc_->m_shiftRpm[4],
                                doc_->m_shiftRpm[4]));
    shift.SetCentre(4000.0f, 500.0f);
    shift.SetStep(250.0f);  // 5 values
    iterator_->Reset();
    ASSERT_EQ(iterator_->GetTotal(), 105);
    int runs = 0;
    RunAll(&runs);
    EXPECT_EQ(runs, 105);
    EXPECT_EQ(iterator_->GetHistoryPosition(), 4);
    EXPECT_EQ(iterator_->GetHistoryRunNumbers()[0], 101.0f);
    EXPECT_EQ(iterator_->GetHistoryRunNumbers()[4], 105.0f);
    EXPECT_EQ(iterator_->GetHistoryRunNumbers()[5], 6.0f);
    EXPECT_GT(iterator_->GetHistoryScores()[4], 0.0f);
}

// Area x 0.001 under a curve against distance, between the samples nearest
// the two distances.
float AreaAgainstDistance(const CQuilletDoc& doc, int curve, float fromFt, float toFt) {
    const float* distance = doc.GetCurve(kCurveDistance);
    const float* y = doc.GetCurve(curve);
    const int count = doc.GetNumCurvePoints();
    const auto nearest = [&](float feet) {
        int best = 0;
        for (int i = 1; i < count; ++i)
            if (std::fabs(distance[i] - feet) <= std::fabs(distance[best] - feet)) best = i;
        return best;
    };
    double area = 0;
    for (int i = nearest(fromFt); i < nearest(toFt); ++i)
        area += (y[i] + y[i + 1]) / 2.0 * (distance[i + 1] - distance[i]);
    return static_cast<float>(0.001 * area);
}

TEST_F(IteratorTest, CriteriaScoreTheRunOverTheWindow) {
    float from = -1, to = -1;
    iterator_->GetDistanceRange(&from, &to);
    EXPECT_EQ(from, 0.0f);
    EXPECT_EQ(to, 330.0f);
    EXPECT_EQ(iterator_->GetCriterion(), kCriterionElapsedTime);
    const struct {
        int criterion;
        float expected;
    } cases[] = {
        {kCriterionElapsedTime, doc_->GetResults().elapsedTime},
        {kCriterionTrapSpeed, doc_->GetResults().trapSpeed},
        {kCriterionSpeedArea, AreaAgainstDistance(*doc_, kCurveSpeed, 0.0f, 330.0f)},
        {kCriterionPowerArea, AreaAgainstDistance(*doc_, kCurvePower, 0.0f, 330.0f)},
    };
    for (const auto& criterion : cases) {
        iterator_->SetCriterion(criterion.criterion);
        iterator_->Reset();
        EXPECT_GT(criterion.expected, 0.0f);
        EXPECT_NEAR(iterator_->GetBaselineScore(), criterion.expected, 1e-4f * criterion.expected)
            << criterion.criterion;
    }
    iterator_->SetDistanceRange(660.0f, 660.0f);  // an empty window scores 0
    iterator_->Reset();
    EXPECT_EQ(iterator_->GetBaselineScore(), 0.0f);
}

TEST_F(IteratorTest, PresetsFollowTheGearCount) {
    Command(*doc_, 33617);  // a three-speed: 2.54 1.50 1.00
    ASSERT_EQ(doc_->m_gearCount.GetValue(), 3);
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    iterator_->AttachDocument(doc_.get());
    iterator_->PresetGearRatios(0.2f, 0.1f);
    iterator_->PresetShiftPoints(2000.0f, 1000.0f);
    const int kinds[] = {0, 2, 3, 4, 0, 0, 0, 8, 9, 10, 11, 0, 0, 0};
    for (int i = 0; i < kIterVariableCount; ++i)
        EXPECT_EQ(iterator_->GetVariable(i).GetKind(), kinds[i]) << "variable " << i;
    const CIterVariable& launch = iterator_->GetVariable(8);
    EXPECT_EQ(launch.GetMin().GetValue(), 800.0f);
    EXPECT_EQ(launch.GetMax().GetValue(), 4800.0f);
    EXPECT_EQ(launch.GetStepCount(), 5);
}

TEST_F(IteratorTest, ValidationCodes) {
    short code = 0;
    std::unique_ptr<CIterator> unattached(new CIterator);
    unattached->Reset();
    EXPECT_FALSE(unattached->Validate(&code));
    EXPECT_EQ(code, 86);
    iterator_->Reset();
    EXPECT_FALSE(iterator_->Validate(&code));
    EXPECT_EQ(code, 87);
    Command(*doc_, 33613);  // six speeds
    iterator_->AttachDocument(doc_.get());
    iterator_->PresetGearRatios(2.0f, 0.01f);
    iterator_->Reset();
    EXPECT_EQ(iterator_->GetTotal(), kIterMaxCombinations);
    EXPECT_FALSE(iterator_->Validate(&code));
    EXPECT_EQ(code, 92);
}

TEST_F(IteratorTest, AVehicleThatDoesNotValidateIsNotAttached) {
    std::unique_ptr<CQuilletDoc> empty = NewDoc();
    ModalDriver::Instance().Answer("Incomplete Vehicle Data", IDOK);
    iterator_->AttachDocument(empty.get());
    EXPECT_EQ(iterator_->GetSourceDocument(), doc_.get());
}

TEST_F(IteratorTest, AJetHasNothingToSweep) {
    std::unique_ptr<CQuilletDoc> jet = NewDoc();
    ChooseJetDragster(*jet);
    std::unique_ptr<CIterator> iterator(new CIterator);
    iterator->AttachDocument(jet.get());
    ASSERT_EQ(iterator->GetSourceDocument(), jet.get());
    iterator->PresetConverterStall(500.0f, 100.0f);
    iterator->PresetGearRatios(0.2f, 0.1f);
    iterator->PresetShiftPoints(500.0f, 250.0f);
    iterator->Reset();
    short code = 0;
    EXPECT_FALSE(iterator->Validate(&code));
    EXPECT_EQ(code, 87);
}

// --- The document's iterator commands ---------------------------------------------

TEST_F(IteratorTest, TheQuickIteratorHandsTheMarkedResultOver) {
    host_.quickDialog = [](CIterator& coarse, CIterator&) {
        coarse.PresetShiftPoints(200.0f, 250.0f);
        coarse.EnableShiftPoints(true);
        coarse.Reset();
        bool kept = false;
        while (!coarse.IsFinished()) coarse.Step(&kept);
        coarse.MarkBestResult();
        return true;
    };
    Command(*doc_, kCmdQuickIterator);
    CIterator* coarse = doc_->GetCoarseIterator();
    ASSERT_NE(coarse, nullptr);
    EXPECT_EQ(host_.bestResults, coarse);
    EXPECT_GT(coarse->GetResultCount(), 1);
    EXPECT_FALSE(doc_->GetBaselineFlag());
    // Clearing the vehicle deletes the iterators; the hand-over is dropped.
    Command(*doc_, kCmdClearComponents);
    EXPECT_EQ(doc_->GetCoarseIterator(), nullptr);
    EXPECT_EQ(host_.bestResults, nullptr);
}

TEST_F(IteratorTest, EditingTheBaselineOfKeptResultsAsksFirst) {
    host_.proDialog = [](CIterator& coarse, CIterator&) {
        coarse.SetHasResults(true);
        return false;
    };
    Command(*doc_, kCmdProIterator);
    ASSERT_TRUE(doc_->GetCoarseIterator()->HasResults());
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);  // 219
    EXPECT_EQ(doc_->CommitEditedText(doc_->m_weight, "3600"), 2);
    EXPECT_FLOAT_EQ(doc_->m_weight.GetValue(), 3727.0f);
    ModalDriver::Instance().Answer("Warning!", IDOK);
    EXPECT_EQ(doc_->CommitEditedText(doc_->m_weight, "3600"), 0);
    EXPECT_TRUE(doc_->GetBaselineFlag());
    // The flag is set: no second question.
    EXPECT_EQ(doc_->CommitEditedText(doc_->m_weight, "3650"), 0);
    // The Quick iterator would clear those results: it asks 220.
    ModalDriver::Instance().Answer("Warning!", IDCANCEL);
    Command(*doc_, kCmdQuickIterator);
    EXPECT_TRUE(doc_->GetCoarseIterator()->HasResults());
}

// What the user sees of a sweep after a step: the count, the last, best and
// worst scores, how many are kept and the run history.
struct SweepFigures {
    int runsDone = 0;
    float lastScore = 0, bestScore = 0, worstScore = 0;
    int resultCount = 0;
    std::vector<float> historyRuns, historyScores;
    int historyPosition = 0;
    bool operator==(const SweepFigures& o) const {
        return runsDone == o.runsDone && lastScore == o.lastScore && bestScore == o.bestScore &&
               worstScore == o.worstScore && resultCount == o.resultCount &&
               historyRuns == o.historyRuns && historyScores == o.historyScores &&
               historyPosition == o.historyPosition;
    }
};

SweepFigures FiguresOf(const CIterator& it) {
    SweepFigures f;
    f.runsDone = it.GetRunsDone();
    f.lastScore = it.GetLastScore();
    f.bestScore = it.GetBestScore();
    f.worstScore = it.GetWorstScore();
    f.resultCount = it.GetResultCount();
    f.historyRuns.assign(it.GetHistoryRunNumbers(), it.GetHistoryRunNumbers() + kIterHistoryCount);
    f.historyScores.assign(it.GetHistoryScores(), it.GetHistoryScores() + kIterHistoryCount);
    f.historyPosition = it.GetHistoryPosition();
    return f;
}

std::vector<float> StepTable(const float* table) {
    return std::vector<float>(table, table + kRaceStepCount);
}

// Five gear ratios over three values each (some orders fail to validate and
// count as failed runs), by trap speed: every figure after each batch of
// many threads is the one-thread figure after as many steps, and so are the
// kept vehicles with their step tables at the end.
TEST_F(IteratorTest, AllThreadsSweepLikeOneThread) {
    CIterator many;
    many.AttachDocument(doc_.get());
    for (CIterator* it : {iterator_.get(), &many}) {
        it->PresetGearRatios(0.3f, 0.3f);
        it->SetCriterion(kCriterionTrapSpeed);
        it->Reset();
    }
    CIterator& one = *iterator_;
    std::map<int, SweepFigures> seen;
    bool kept = false;
    int failed = 0;
    while (!one.IsFinished()) {
        if (!one.Step(&kept) && !one.IsFinished()) ++failed;
        seen[one.GetRunsDone()] = FiguresOf(one);
    }
    ASSERT_GT(failed, 0);
    ASSERT_GT(one.GetResultCount(), 0);
    int calls = 0;
    while (many.StepMany(3 + calls++ % 7, &kept))
        EXPECT_TRUE(seen[many.GetRunsDone()] == FiguresOf(many)) << many.GetRunsDone();
    EXPECT_TRUE(many.IsFinished());
    EXPECT_GT(calls, 2);
    EXPECT_TRUE(FiguresOf(one) == FiguresOf(many));
    EXPECT_EQ(StepTable(one.GetWorkingStepTable(kCurveSpeed)),
              StepTable(many.GetWorkingStepTable(kCurveSpeed)));
    ASSERT_EQ(one.GetResultCount(), many.GetResultCount());
    for (int i = 0; i < one.GetResultCount(); ++i) {
        EXPECT_EQ(one.GetResultScore(i), many.GetResultScore(i)) << i;
        EXPECT_EQ(StepTable(one.GetResultStepTable(i)), StepTable(many.GetResultStepTable(i))) << i;
        for (int gear = 0; gear < 5; ++gear)
            EXPECT_EQ(one.GetResultDoc(i)->m_gearRatio[gear].GetValue(),
                      many.GetResultDoc(i)->m_gearRatio[gear].GetValue())
                << i;
    }
}

}  // namespace

}  // namespace quillet
