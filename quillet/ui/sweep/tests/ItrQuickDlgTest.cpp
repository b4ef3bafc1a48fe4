// The drag-race Quick Iterator on a real vehicle: each preset starts a
// two-phase sweep at once; the history chart follows the last runs, with a
// gap for a run that failed and a y range kept round the best score;
// "Run/Stop" stops and resumes; "Save" hands back exactly one marked result
// and "Close" nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "ControlTextLog.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/QuickIteratorResources.h"
#include "quillet/ui/sweep/ItrQuickDlg.h"
#include "zelplot2d/Chart.h"

using testing_harness::ControlTextLog;
using testing_harness::ModalDriver;
using testing_harness::Pixels;
using namespace quillet;

namespace {

std::string Text(HWND dialog, int id) { return testing_harness::ControlText(::GetDlgItem(dialog, id)); }
bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
// A click as the user makes it; a preset runs its whole sweep inside it.
void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
int MarkedCount(const CIterator& sweep) {
    int marked = 0;
    for (int i = 0; i < sweep.GetResultCount(); ++i) marked += sweep.IsResultMarked(i);
    return marked;
}
std::string Formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
void SaveScreenshot(HWND window, const std::string& name) {
    ::ShowWindow(window, SW_SHOW);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_harness::PumpPending();
    EXPECT_TRUE(Pixels::FromWindow(window).SavePng(testing_harness::TestOutputPath(name)));
}

TEST(QuickHistoryYRangeTest, TheRangeFollowsTheBestScoreOutsideItsMiddleHalf) {
    const struct {
        double best, minimum, maximum;
        bool changed;
        double newMinimum, newMaximum;
    } cases[] = {
        {10.48, 0.0, 10.0, true, 8.0, 12.0},     // above the range
        {10.48, 8.0, 12.0, false, 8.0, 12.0},    // in its middle half
        {11.2, 8.0, 12.0, true, 9.0, 13.0},      // in its top quarter
        {8.9, 8.0, 12.0, true, 6.0, 10.0},       // in its bottom quarter
        {103.6, 0.0, 10.0, true, 78.0, 128.0},   // a speed
        {2.5, 5.0, 10.0, true, 1.0, 3.0},        // at least 1 either side
        {0.0, 0.0, 10.0, false, 0.0, 10.0},      // no best yet
    };
    for (const auto& c : cases) {
        double minimum = c.minimum, maximum = c.maximum;
        EXPECT_EQ(c.changed, QuickHistoryYRange(c.best, &minimum, &maximum)) << c.best;
        EXPECT_EQ(c.newMinimum, minimum) << c.best;
        EXPECT_EQ(c.newMaximum, maximum) << c.best;
    }
}

class QuickIteratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_->SetAutoRun(false);
        ChooseStreetCarWithConverter(*doc_);
        ASSERT_TRUE(doc_->RunSimulation(true, true));
        // As the document's command hands its sweeps over.
        for (CIterator* sweep : {coarse_.get(), fine_.get()}) {
            sweep->AttachDocument(doc_.get());
            sweep->Reset();
        }
    }

    // Opens the dialog on the document's sweeps; `steps` drive it and must
    // close it. Returns how it was closed.
    INT_PTR Open(const std::function<void(CItrQuickDlg&, HWND)>& steps) {
        CItrQuickDlg dialog(coarse_.get(), fine_.get(), nullptr);
        ModalDriver::Instance().Handle("Quick Iterator", [&](HWND box) { steps(dialog, box); });
        return dialog.DoModal();
    }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    std::unique_ptr<CIterator> coarse_{new CIterator};
    std::unique_ptr<CIterator> fine_{new CIterator};
};

TEST_F(QuickIteratorTest, ShiftPresetRunsBothPhasesAndSaveMarksTheBest) {
    bool checked = false;
    const INT_PTR result = Open([&](CItrQuickDlg& dialog, HWND box) {
        EXPECT_FALSE(Enabled(box, IDC_QI_RUN));
        EXPECT_EQ("Resume", Text(box, IDC_QI_RUN));
        EXPECT_FALSE(Enabled(box, IDOK));
        EXPECT_EQ("0", Text(box, IDC_QI_INCREASE));
        // The baseline has no swatch of its own here.
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(box, IDC_QI_LEGEND_BASELINE_LABEL)));

        ControlTextLog completed(::GetDlgItem(box, IDC_QI_COMPLETED));
        Click(box, IDC_QI_SHIFTS_BEST_ET);

        CIterator& coarse = dialog.GetWorkingCoarse();
        CIterator& fine = dialog.GetWorkingFine();
        EXPECT_EQ(CItrQuickDlg::kFinished, dialog.GetRunState());
        EXPECT_EQ(&fine, &dialog.GetCurrentIterator());
        const int total = coarse.GetTotal() + fine.GetTotal();
        EXPECT_EQ(std::to_string(total), Text(box, IDC_QI_TOTAL));
        EXPECT_EQ(std::to_string(total), Text(box, IDC_QI_COMPLETED));
        EXPECT_EQ("100%", Text(box, IDC_QI_PERCENT));
        const std::vector<int> counts = completed.Numbers();
        for (size_t i = 1; i < counts.size(); ++i) EXPECT_LE(counts[i - 1], counts[i]);
        // Only the launch and shift rpms are swept.
        EXPECT_EQ(kIterUnused, fine.GetVariable(1).GetKind() == kIterUnused || !fine.GetVariable(1).IsEnabled()
                                   ? kIterUnused
                                   : fine.GetVariable(1).GetKind());
        EXPECT_TRUE(fine.GetVariable(8).IsEnabled());
        EXPECT_FALSE(fine.GetVariable(0).IsEnabled());

        // A shorter time counts as the increase.
        ASSERT_GT(fine.GetResultCount(), 0);
        const float best = fine.GetBestScore();
        EXPECT_EQ(Formatted("%.3f", coarse.GetBaselineScore() - best), Text(box, IDC_QI_INCREASE));
        EXPECT_EQ("secs", Text(box, IDC_QI_INCREASE_UNIT));
        EXPECT_TRUE(Enabled(box, IDOK));

        // The history: the fine phase's runs from its first, a gap for each
        // failed run, the best line and its label, the best in the middle
        // half of the y range.
        ZELCHART chart = dialog.GetHistoryChart();
        EXPECT_STREQ("ET (secs.)", zel2d::GetValue(chart, zel2d::Y_TITLE));
        EXPECT_STREQ("Iteration Number", zel2d::GetValue(chart, zel2d::X_TITLE));
        const float* runs = fine.GetHistoryRunNumbers();
        const float* scores = fine.GetHistoryScores();
        const int newest = fine.GetHistoryPosition();
        EXPECT_EQ(runs[0], zel2d::GetValue(chart, zel2d::X_MIN));
        EXPECT_EQ(runs[0] + 100.0, zel2d::GetValue(chart, zel2d::X_MAX));
        ZELDATA data = dialog.GetHistoryData();
        EXPECT_EQ(0, ZelDataGetFirstPoint(data, 0));
        EXPECT_EQ(newest, ZelDataGetLastPoint(data, 0));
        int failed = 0;
        for (int i = 0; i <= newest; ++i) {
            EXPECT_EQ(runs[i], data->X(0, i));
            if (scores[i] > 0.0f) {
                EXPECT_EQ(scores[i], data->Y(0, i)) << i;
            } else {
                ++failed;
                EXPECT_EQ(ZEL2D_HOLE, data->Y(0, i)) << i;
            }
        }
        EXPECT_GT(failed, 0);  // shift rpms above the power curve
        EXPECT_EQ(best, zel2d::GetValue(chart, zel2d::REFERENCE_VALUE));
        EXPECT_EQ(1, zel2d::GetValue(chart, zel2d::REFERENCE_LINE_SHOW));
        EXPECT_EQ(Formatted("%.3f", best), dialog.GetHistoryBestText());
        const double low = zel2d::GetValue(chart, zel2d::Y_MIN), high = zel2d::GetValue(chart, zel2d::Y_MAX);
        EXPECT_GE((best - low) / (high - low), 0.25);
        EXPECT_LE((best - low) / (high - low), 0.75);

        // The bars: both within the range whichever way the criterion counts.
        ZELCHART bars = dialog.GetBestChart().Chart().m_chart;
        EXPECT_EQ(0, zel2d::GetValue(bars, zel2d::Y_GRID));
        for (double score : {double(coarse.GetBaselineScore()), double(best)}) {
            EXPECT_LE(zel2d::GetValue(bars, zel2d::Y_MIN), score);
            EXPECT_GE(zel2d::GetValue(bars, zel2d::Y_MAX), score);
        }
        SaveScreenshot(box, "quick-iterator-drag-race.png");
        checked = true;
        Click(box, IDOK);
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(IDOK, result);
    ASSERT_GT(fine_->GetResultCount(), 0);
    EXPECT_EQ(1, MarkedCount(*fine_));
    EXPECT_EQ(0, MarkedCount(*coarse_));
    for (int i = 0; i < fine_->GetResultCount(); ++i) {
        if (fine_->IsResultMarked(i)) EXPECT_EQ(fine_->GetBestScore(), fine_->GetResultScore(i)) << i;
    }
}

TEST_F(QuickIteratorTest, StopResumeAndAnotherPresetThenCloseHandsNothingBack) {
    const INT_PTR result = Open([&](CItrQuickDlg& dialog, HWND box) {
        HWND run = ::GetDlgItem(box, IDC_QI_RUN);
        ControlTextLog completed(::GetDlgItem(box, IDC_QI_COMPLETED));
        completed.ClickWhenAtLeast(1, run);
        Click(box, IDC_QI_GEARS_BEST_MPH);

        CIterator& coarse = dialog.GetWorkingCoarse();
        EXPECT_EQ(CItrQuickDlg::kStopped, dialog.GetRunState());
        EXPECT_EQ(&coarse, &dialog.GetCurrentIterator());
        const int stoppedAt = std::atoi(Text(box, IDC_QI_COMPLETED).c_str());
        EXPECT_GT(stoppedAt, 0);
        EXPECT_LT(stoppedAt, coarse.GetTotal());
        EXPECT_EQ("Resume", Text(box, IDC_QI_RUN));
        EXPECT_EQ("MPH", Text(box, IDC_QI_INCREASE_UNIT));
        EXPECT_STREQ("Speed (mph)", zel2d::GetValue(dialog.GetHistoryChart(), zel2d::Y_TITLE));
        EXPECT_EQ(coarse.GetResultCount() > 0, Enabled(box, IDOK));
        EXPECT_TRUE(coarse.GetVariable(1).IsEnabled());
        EXPECT_FALSE(coarse.GetVariable(8).IsEnabled());

        // "Resume" goes on from where the sweep stopped.
        completed.Clear();
        completed.ClickWhenAtLeast(stoppedAt + 1, run);
        Click(box, IDC_QI_RUN);
        ASSERT_FALSE(completed.Numbers().empty());
        EXPECT_GT(completed.Numbers().front(), stoppedAt);
        EXPECT_GT(coarse.GetRunsDone(), stoppedAt);

        // Another preset drops the stopped sweep and runs its own.
        Click(box, IDC_QI_SHIFTS_BEST_MPH);
        EXPECT_EQ(CItrQuickDlg::kFinished, dialog.GetRunState());
        EXPECT_EQ(coarse.GetTotal(), coarse.GetRunsDone());
        EXPECT_EQ(kCriterionTrapSpeed, dialog.GetWorkingFine().GetCriterion());
        Click(box, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(0, coarse_->GetResultCount());
    EXPECT_EQ(0, fine_->GetResultCount());
    EXPECT_EQ(0, coarse_->GetRunsDone());
}

TEST_F(QuickIteratorTest, AStopRightAfterThePhaseSwitchShowsTheEmptyFinePhase) {
    // The coarse phase's run count, as the preset sets it up.
    std::unique_ptr<CIterator> probe(new CIterator);
    probe->AttachDocument(doc_.get());
    probe->PresetShiftPoints(2000.0f, 1000.0f);
    probe->EnableGearRatios(false);
    probe->EnableConverterStall(false);
    probe->Reset();
    const int coarseRuns = probe->GetTotal();

    const INT_PTR result = Open([&](CItrQuickDlg& dialog, HWND box) {
        HWND run = ::GetDlgItem(box, IDC_QI_RUN);
        ControlTextLog completed(::GetDlgItem(box, IDC_QI_COMPLETED));
        // Stopped once the coarse runs are done, then again as soon as the
        // resumed sweep has switched to the fine phase.
        completed.ClickWhenAtLeast(coarseRuns, run);
        Click(box, IDC_QI_SHIFTS_BEST_ET);
        EXPECT_EQ(&dialog.GetWorkingCoarse(), &dialog.GetCurrentIterator());
        completed.ClickWhenAtLeast(coarseRuns, run);
        Click(box, IDC_QI_RUN);

        CIterator& fine = dialog.GetWorkingFine();
        ASSERT_EQ(&fine, &dialog.GetCurrentIterator());
        EXPECT_EQ(-1, fine.GetHistoryPosition());
        EXPECT_EQ(CItrQuickDlg::kStopped, dialog.GetRunState());
        EXPECT_EQ(std::to_string(coarseRuns), Text(box, IDC_QI_COMPLETED));
        // The fine phase has no history yet: the chart shows none, and there
        // is nothing to save.
        ZELCHART chart = dialog.GetHistoryChart();
        EXPECT_EQ(ZEL2D_DISPLAY_HIDE, ZelDataGetDisplay(dialog.GetHistoryData(), 0));
        EXPECT_EQ(0, zel2d::GetValue(chart, zel2d::REFERENCE_LINE_SHOW));
        EXPECT_EQ(1.0, zel2d::GetValue(chart, zel2d::X_MIN));
        EXPECT_FALSE(Enabled(box, IDOK));
        CIterator& coarse = dialog.GetWorkingCoarse();
        EXPECT_EQ(Formatted("%.3f", coarse.GetBaselineScore() - coarse.GetBestScore()), Text(box, IDC_QI_INCREASE));

        Click(box, IDC_QI_RUN);
        EXPECT_EQ(CItrQuickDlg::kFinished, dialog.GetRunState());
        EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(dialog.GetHistoryData(), 0));
        EXPECT_TRUE(Enabled(box, IDOK));
        Click(box, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST(QuickIteratorJetTest, AJetHasNothingToSweepAndSaysSo) {
    TestDocHost host;
    std::unique_ptr<CQuilletDoc> jet = NewDoc();
    jet->SetAutoRun(false);
    ChooseJetDragster(*jet);
    std::unique_ptr<CIterator> coarse(new CIterator), fine(new CIterator);
    for (CIterator* sweep : {coarse.get(), fine.get()}) {
        sweep->AttachDocument(jet.get());
        sweep->Reset();
    }
    CItrQuickDlg dialog(coarse.get(), fine.get(), nullptr);
    ModalDriver::Instance().Handle("Quick Iterator", [&](HWND box) {
        // Each preset finds no gear or shift to sweep: the message, and no run.
        for (int preset : {IDC_QI_GEARS_BEST_ET, IDC_QI_SHIFTS_BEST_MPH}) {
            ModalDriver::Instance().Answer("Iterator Testing Error", IDOK);
            Click(box, preset);
            EXPECT_EQ(CItrQuickDlg::kStopped, dialog.GetRunState());
            EXPECT_EQ(0, dialog.GetWorkingCoarse().GetRunsDone());
            EXPECT_FALSE(Enabled(box, IDOK));
            EXPECT_TRUE(Enabled(box, preset));
        }
        Click(box, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    int errors = 0;
    for (const auto& box : ModalDriver::Instance().Boxes()) {
        if (box.caption == "Iterator Testing Error") {
            ++errors;
            EXPECT_NE(std::string::npos, box.text.find("greater")) << box.text;
        }
    }
    EXPECT_EQ(2, errors);
}

}  // namespace
