// The Quick Iterator on a real engine: each preset starts a two-phase sweep
// at once; the display follows it across the phase switch; "Run/Stop"
// stops and resumes it; "Save" hands back exactly one marked result and
// "Close" hands back nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "ControlTextLog.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/QuickIteratorResources.h"
#include "torvane/results/sweep/ItrQuickDlg.h"

using testing_harness::ControlTextLog;
using testing_harness::ModalDriver;
using testing_harness::Pixels;
using namespace torvane;

namespace {

constexpr COLORREF kLitGreen = 0x00FF00;

std::string Text(HWND dialog, int id) { return testing_harness::ControlText(::GetDlgItem(dialog, id)); }
bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
// A click as the user makes it; a preset runs its whole sweep inside it.
void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
HANDLE LampImage(HWND dialog, int id) {
    return reinterpret_cast<HANDLE>(::SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
}
COLORREF LampCentre(HWND dialog, int id) {
    // A modal dialog is driven before its loop has shown it.
    ::ShowWindow(dialog, SW_SHOW);
    ::UpdateWindow(dialog);
    return Pixels::FromWindow(::GetDlgItem(dialog, id)).At(6, 8);
}
int MarkedCount(const CIterator& sweep) {
    int marked = 0;
    for (int i = 0; i < sweep.GetResultCount(); ++i) marked += sweep.IsResultMarked(i);
    return marked;
}
void SaveScreenshot(HWND window, const std::string& name) {
    ::ShowWindow(window, SW_SHOW);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_harness::PumpPending();
    EXPECT_TRUE(Pixels::FromWindow(window).SavePng(testing_harness::TestOutputPath(name)));
}

TEST(QuickRpmWindowTest, FiveHundredEitherSideOfThePeakWithinTheSpeedRange) {
    const struct {
        float peak, from, to;
    } cases[] = {{2200.0f, 2000.0f, 2700.0f}, {10800.0f, 10300.0f, 11000.0f}, {6000.0f, 5500.0f, 6500.0f},
                 {2000.0f, 2000.0f, 2500.0f}, {11000.0f, 10500.0f, 11000.0f}};
    for (const auto& c : cases) {
        float from = 0.0f, to = 0.0f;
        QuickRpmWindow(c.peak, &from, &to);
        EXPECT_EQ(c.from, from) << c.peak;
        EXPECT_EQ(c.to, to) << c.peak;
    }
}

class QuickIteratorTest : public TorvaneDocTest {
protected:
    void SetUp() override {
        BuildChevy350(doc_);
        ASSERT_TRUE(doc_.RunSimulation(true, true));
        // As the document's command hands its sweeps over.
        for (CIterator* sweep : {&coarse_, &fine_}) {
            sweep->AttachDocument(&doc_);
            sweep->Reset();
        }
    }

    // Opens the dialog on the document's sweeps; `steps` drive it and must
    // close it. Returns how it was closed.
    INT_PTR Open(const std::function<void(CItrQuickDlg&, HWND)>& steps) {
        CItrQuickDlg dialog(&coarse_, &fine_, nullptr);
        ModalDriver::Instance().Handle("Quick Iterator", [&](HWND box) { steps(dialog, box); });
        return dialog.DoModal();
    }

    CTorvaneDoc doc_;
    CIterator coarse_;
    CIterator fine_;
};

TEST_F(QuickIteratorTest, BoreStrokePresetRunsBothPhasesAndSaveMarksTheBest) {
    bool checked = false;
    const INT_PTR result = Open([&](CItrQuickDlg& dialog, HWND box) {
        // Nothing to run or save before a preset.
        EXPECT_FALSE(Enabled(box, IDC_QI_RUN));
        EXPECT_EQ("Resume", Text(box, IDC_QI_RUN));
        EXPECT_FALSE(Enabled(box, IDOK));
        EXPECT_EQ("0", Text(box, IDC_QI_INCREASE));

        ControlTextLog completed(::GetDlgItem(box, IDC_QI_COMPLETED));
        ControlTextLog percent(::GetDlgItem(box, IDC_QI_PERCENT));
        Click(box, IDC_QI_BORE_BEST_POWER);

        CIterator& coarse = dialog.GetWorkingCoarse();
        CIterator& fine = dialog.GetWorkingFine();
        EXPECT_EQ(CItrQuickDlg::kFinished, dialog.GetRunState());
        EXPECT_EQ(&fine, &dialog.GetCurrentIterator());
        // The stroke follows the bore: 11 bores in each phase.
        EXPECT_EQ("22", Text(box, IDC_QI_TOTAL));
        EXPECT_EQ("22", Text(box, IDC_QI_COMPLETED));
        EXPECT_EQ("100%", Text(box, IDC_QI_PERCENT));
        EXPECT_EQ(100, ::SendDlgItemMessageA(box, IDC_QI_PROGRESS, PBM_GETPOS, 0, 0));
        EXPECT_EQ(kCriterionPeakPower, fine.GetCriterion());
        float from = 0.0f, to = 0.0f, expectedFrom = 0.0f, expectedTo = 0.0f;
        fine.GetRpmRange(&from, &to);
        QuickRpmWindow(doc_.GetPeakRpm(kCurvePower), &expectedFrom, &expectedTo);
        EXPECT_EQ(expectedFrom, from);
        EXPECT_EQ(expectedTo, to);

        // The coarse count stays while the fine phase adds to it, and the
        // progress starts again from the bottom for the fine phase.
        const std::vector<int> counts = completed.Numbers();
        ASSERT_FALSE(counts.empty());
        for (size_t i = 1; i < counts.size(); ++i) EXPECT_LE(counts[i - 1], counts[i]);
        EXPECT_EQ(22, counts.back());
        const std::vector<int> percents = percent.Numbers();
        const auto coarseEnd = std::find(percents.begin(), percents.end(), 100);
        ASSERT_NE(percents.end(), coarseEnd);
        EXPECT_NE(coarseEnd, std::find_if(coarseEnd, percents.end(), [](int p) { return p < 100; }));
        EXPECT_EQ(100, percents.back());

        // Stopped lamp lit, Phase2 lit.
        EXPECT_EQ("Resume", Text(box, IDC_QI_RUN));
        EXPECT_TRUE(Enabled(box, IDC_QI_RUN));
        EXPECT_EQ(LampImage(box, IDC_QI_RUNNING_LAMP), LampImage(box, IDC_QI_PHASE1_LAMP));
        EXPECT_NE(LampImage(box, IDC_QI_PHASE1_LAMP), LampImage(box, IDC_QI_PHASE2_LAMP));
        EXPECT_EQ(kLitGreen, LampCentre(box, IDC_QI_PHASE2_LAMP));
        EXPECT_NE(kLitGreen, LampCentre(box, IDC_QI_RUNNING_LAMP));

        // The increase is the fine best over the coarse baseline.
        ASSERT_GT(fine.GetResultCount(), 0);
        CString increase;
        increase.Format("%.1f", fine.GetBestScore() - coarse.GetBaselineScore());
        EXPECT_EQ(std::string(increase), Text(box, IDC_QI_INCREASE));
        EXPECT_EQ("hp", Text(box, IDC_QI_INCREASE_UNIT));
        for (int id : {IDOK, IDCANCEL, IDC_QI_CAM_BEST_POWER, IDC_QI_BORE_BEST_TORQUE})
            EXPECT_TRUE(Enabled(box, id)) << id;

        // Charts: the three curves, and both bars within the y range.
        ZELCHART current = dialog.GetCurrentTestChart();
        EXPECT_STREQ("Power (HP)", zel2d::GetValue(current, zel2d::Y_TITLE));
        EXPECT_STREQ("Engine Speed (RPM)", zel2d::GetValue(current, zel2d::X_TITLE));
        for (int set = 0; set < 3; ++set)
            EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(dialog.GetCurrentTestData(), set)) << set;
        ZELCHART bars = dialog.GetBestChart().Chart().m_chart;
        const double low = zel2d::GetValue(bars, zel2d::Y_MIN), high = zel2d::GetValue(bars, zel2d::Y_MAX);
        for (double score : {double(coarse.GetBaselineScore()), double(fine.GetBestScore())}) {
            EXPECT_LE(low, score);
            EXPECT_GE(high, score);
        }
        EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(dialog.GetBestChart().Data(), 1));
        SaveScreenshot(box, "quick-iterator-engine.png");
        checked = true;
        Click(box, IDOK);
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(IDOK, result);
    // Written back with the fine phase's best, and only that, marked.
    ASSERT_GT(fine_.GetResultCount(), 0);
    EXPECT_EQ(1, MarkedCount(fine_));
    EXPECT_EQ(0, MarkedCount(coarse_));
    for (int i = 0; i < fine_.GetResultCount(); ++i) {
        if (fine_.IsResultMarked(i)) EXPECT_EQ(fine_.GetBestScore(), fine_.GetResultScore(i)) << i;
    }
}

TEST_F(QuickIteratorTest, StopResumeAndAnotherPresetThenCloseHandsNothingBack) {
    const int totalBefore = coarse_.GetTotal();
    const INT_PTR result = Open([&](CItrQuickDlg& dialog, HWND box) {
        HWND run = ::GetDlgItem(box, IDC_QI_RUN);
        ControlTextLog completed(::GetDlgItem(box, IDC_QI_COMPLETED));
        completed.ClickWhenAtLeast(1, run);
        Click(box, IDC_QI_CAM_BEST_TORQUE);

        // Stopped in the coarse phase of 625 + 625 runs.
        CIterator& coarse = dialog.GetWorkingCoarse();
        EXPECT_EQ(CItrQuickDlg::kStopped, dialog.GetRunState());
        EXPECT_EQ(&coarse, &dialog.GetCurrentIterator());
        EXPECT_EQ("1250", Text(box, IDC_QI_TOTAL));
        const int stoppedAt = std::atoi(Text(box, IDC_QI_COMPLETED).c_str());
        EXPECT_GT(stoppedAt, 0);
        EXPECT_LT(stoppedAt, 625);
        EXPECT_EQ(stoppedAt, coarse.GetRunsDone());
        EXPECT_EQ("Resume", Text(box, IDC_QI_RUN));
        EXPECT_EQ(coarse.GetResultCount() > 0, Enabled(box, IDOK));
        EXPECT_EQ("lb-ft", Text(box, IDC_QI_INCREASE_UNIT));
        EXPECT_STREQ("Torque (lb-ft)", zel2d::GetValue(dialog.GetCurrentTestChart(), zel2d::Y_TITLE));
        EXPECT_EQ(kCriterionPeakTorque, coarse.GetCriterion());
        EXPECT_EQ(kLitGreen, LampCentre(box, IDC_QI_PHASE1_LAMP));
        EXPECT_NE(kLitGreen, LampCentre(box, IDC_QI_RUNNING_LAMP));

        // "Resume" goes on from where the sweep stopped.
        completed.Clear();
        completed.ClickWhenAtLeast(stoppedAt + 1, run);
        Click(box, IDC_QI_RUN);
        ASSERT_FALSE(completed.Numbers().empty());
        EXPECT_GT(completed.Numbers().front(), stoppedAt);
        EXPECT_EQ(CItrQuickDlg::kStopped, dialog.GetRunState());
        EXPECT_GT(coarse.GetRunsDone(), stoppedAt);

        // Another preset drops the stopped sweep and runs its own.
        Click(box, IDC_QI_BORE_BEST_TORQUE);
        EXPECT_EQ(CItrQuickDlg::kFinished, dialog.GetRunState());
        EXPECT_EQ("22", Text(box, IDC_QI_TOTAL));
        EXPECT_EQ(11, coarse.GetRunsDone());
        EXPECT_EQ(kCriterionPeakTorque, dialog.GetWorkingFine().GetCriterion());
        Click(box, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(0, coarse_.GetResultCount());
    EXPECT_EQ(0, fine_.GetResultCount());
    EXPECT_EQ(totalBefore, coarse_.GetTotal());
    EXPECT_EQ(0, coarse_.GetRunsDone());
}

TEST_F(QuickIteratorTest, AStopRightAfterThePhaseSwitchShowsTheEmptyFinePhase) {
    const INT_PTR result = Open([&](CItrQuickDlg& dialog, HWND box) {
        HWND run = ::GetDlgItem(box, IDC_QI_RUN);
        ControlTextLog completed(::GetDlgItem(box, IDC_QI_COMPLETED));
        // 11 coarse runs: stopped once they are done, then again as soon as
        // the resumed sweep has switched to the fine phase.
        completed.ClickWhenAtLeast(11, run);
        Click(box, IDC_QI_BORE_BEST_POWER);
        EXPECT_EQ(&dialog.GetWorkingCoarse(), &dialog.GetCurrentIterator());
        completed.ClickWhenAtLeast(11, run);
        Click(box, IDC_QI_RUN);

        CIterator& fine = dialog.GetWorkingFine();
        ASSERT_EQ(&fine, &dialog.GetCurrentIterator());
        EXPECT_EQ(0, fine.GetRunsDone());
        EXPECT_EQ(CItrQuickDlg::kStopped, dialog.GetRunState());
        EXPECT_EQ("11", Text(box, IDC_QI_COMPLETED));
        EXPECT_EQ("0%", Text(box, IDC_QI_PERCENT));
        EXPECT_EQ(kLitGreen, LampCentre(box, IDC_QI_PHASE2_LAMP));
        // Nothing kept in the fine phase: nothing to save, no best curve
        // and no best bar; the increase is still the coarse phase's.
        EXPECT_FALSE(Enabled(box, IDOK));
        EXPECT_EQ(ZEL2D_DISPLAY_HIDE, ZelDataGetDisplay(dialog.GetCurrentTestData(), 0));
        EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(dialog.GetCurrentTestData(), 1));
        EXPECT_EQ(ZEL2D_DISPLAY_HIDE, ZelDataGetDisplay(dialog.GetBestChart().Data(), 1));
        CIterator& coarse = dialog.GetWorkingCoarse();
        CString increase;
        increase.Format("%.1f", coarse.GetBestScore() - coarse.GetBaselineScore());
        EXPECT_EQ(std::string(increase), Text(box, IDC_QI_INCREASE));

        Click(box, IDC_QI_RUN);
        EXPECT_EQ(CItrQuickDlg::kFinished, dialog.GetRunState());
        EXPECT_EQ("22", Text(box, IDC_QI_COMPLETED));
        EXPECT_TRUE(Enabled(box, IDOK));
        Click(box, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

}  // namespace
