// The drag-race Zuv Oradizov on a real vehicle, driven through its
// controls: the first opening's defaults, the presets and "Reset All", the
// elapsed-time readouts, and a small real two-phase sweep of the launch and
// shift rpms on the run page whose marked result is written back on OK.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/Util.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/ItrProResources.h"
#include "quillet/res/SweepCriteriaResources.h"
#include "quillet/ui/QuilletChartCatalogue.h"
#include "quillet/ui/sweep/ItrProDlg.h"

using testing_harness::FindControl;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using testing_harness::TextOf;
using namespace quillet;

namespace {

enum PageIndex { kShiftPage = 0, kGearsPage = 1, kConverterPage = 2, kCriteriaPage = 3, kRunPage = 4 };

bool Enabled(HWND window, int id) { return ::IsWindowEnabled(FindControl(window, id)) != FALSE; }

void Press(HWND window, int id) {
    testing_harness::Click(FindControl(window, id));
    PumpPending();
}

std::string Formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void SaveScreenshot(HWND window, const char* name) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(window).SavePng(testing_harness::TestOutputPath(name)));
}

class RaceSweepDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        QuilletInstallChartCatalogue();
        doc_->SetAutoRun(false);
        ChooseStreetCarWithConverter(*doc_);
        ASSERT_TRUE(doc_->RunSimulation(true, true));
        // As the document's command hands its sweeps over.
        for (CIterator* sweep : {coarse_.get(), fine_.get()}) {
            sweep->AttachDocument(doc_.get());
            sweep->Reset();
        }
    }

    // Opens the dialog on the document's sweeps; `drive` runs on it and a
    // dialog left open is cancelled. Returns how it was closed.
    INT_PTR Open(const std::function<void(HWND dialog, CItrProDlg& owner)>& drive) {
        CItrProDlg dialog(coarse_.get(), fine_.get(), nullptr);
        ModalDriver::Instance().Handle("Zuv Oradizov", [&](HWND window) {
            ::ShowWindow(window, SW_SHOW);
            PumpPending();
            drive(window, dialog);
            if (::IsWindowVisible(window)) ModalDriver::PressButton(window, IDCANCEL);
        });
        return dialog.DoModal();
    }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    std::unique_ptr<CIterator> coarse_{new CIterator};
    std::unique_ptr<CIterator> fine_{new CIterator};
};

TEST_F(RaceSweepDialogTest, FirstOpeningPresetsAndResetAll) {
    const INT_PTR result = Open([&](HWND dialog, CItrProDlg& owner) {
        for (int id : {IDC_IP_TESTS_SHIFT_POINTS, IDC_IP_TESTS_GEARS, IDC_IP_TESTS_CONVERTER})
            EXPECT_EQ("Not Used", TextOf(dialog, id)) << id;
        EXPECT_EQ("0", TextOf(dialog, IDC_IP_TOTAL));
        EXPECT_EQ("Single Phase", TextOf(dialog, IDC_IP_PHASE1_CAPTION));
        EXPECT_EQ("OK", TextOf(dialog, IDOK));
        // The vehicle has a converter: its preset is on.
        EXPECT_TRUE(Enabled(dialog, IDC_IP_PRESET_CONVERTER));

        Press(dialog, IDC_IP_PRESET_SHIFT_POINTS);
        EXPECT_NE("Not Used", TextOf(dialog, IDC_IP_TESTS_SHIFT_POINTS));
        EXPECT_EQ("Phase1", TextOf(dialog, IDC_IP_PHASE1_CAPTION));
        EXPECT_EQ(&owner.GetSheet().GetShiftPointsPage(), owner.GetSheet().GetActivePage());
        EXPECT_EQ(std::to_string(owner.GetCoarseIterator()->GetTotal() + owner.GetFineIterator()->GetTotal()),
                  TextOf(dialog, IDC_IP_TOTAL));

        Press(dialog, IDC_IP_PRESET_MPH);
        EXPECT_EQ("MPH", TextOf(dialog, IDC_IP_UNITS));
        EXPECT_EQ(&owner.GetSheet().GetCriteriaPage(), owner.GetSheet().GetActivePage());
        SaveScreenshot(dialog, "race-sweep-dialog-presets.png");

        // Reset All: the defaults and the best elapsed time.
        Press(dialog, IDC_IP_RESET_ALL);
        EXPECT_EQ("Not Used", TextOf(dialog, IDC_IP_TESTS_SHIFT_POINTS));
        EXPECT_EQ("secs.", TextOf(dialog, IDC_IP_UNITS));
        EXPECT_EQ(kCriterionElapsedTime, owner.GetFineIterator()->GetCriterion());
        const float baseline = owner.GetCoarseIterator()->GetBaselineScore();
        EXPECT_EQ(Formatted("%.3f", UtilRoundToDecimals(baseline, 3)), TextOf(dialog, IDC_IP_BASELINE));
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_FALSE(coarse_->HasResults());
}

TEST_F(RaceSweepDialogTest, ASmallTwoPhaseSweepRunsAndItsMarkIsWrittenBack) {
    // Kept from an earlier opening: launch and shift rpms swept in both
    // phases, three values each, by elapsed time.
    for (CIterator* sweep : {coarse_.get(), fine_.get()}) {
        sweep->PresetShiftPoints(250.0f, 250.0f);
        sweep->EnableGearRatios(false);
        sweep->EnableConverterStall(false);
        sweep->SetCriterion(kCriterionElapsedTime);
        sweep->Reset();
        sweep->SetHasResults(true);
    }
    const int coarseRuns = coarse_->GetTotal(), fineRuns = fine_->GetTotal();
    ASSERT_GT(coarseRuns, 1);
    const INT_PTR result = Open([&](HWND dialog, CItrProDlg& owner) {
        HWND page = testing_harness::ShowSheetPage(owner.GetSheet().GetSafeHwnd(), kRunPage);
        CItrProRunPropPage& run = owner.GetSheet().GetRunPage();
        CIterator& coarse = *owner.GetCoarseIterator();
        CIterator& fine = *owner.GetFineIterator();
        const CSweepSurface& surface = run.GetSurface();
        EXPECT_EQ(23, surface.GetRowCount());  // a quarter-mile race
        EXPECT_EQ(surface.EmptyGrid(), zel3d::GetValue(surface.Chart(), zel3d::SURFACE_DATA));
        EXPECT_EQ(-55.0, zel3d::GetValue(surface.Chart(), zel3d::ZROTATION));

        Press(page, IDC_IR_RUN);
        EXPECT_EQ(coarseRuns, coarse.GetRunsDone());
        EXPECT_EQ(fineRuns, fine.GetRunsDone());
        EXPECT_EQ(&fine, run.GetCurrentIterator());
        EXPECT_EQ(CItrProRunPropPage::kStateFinished, run.GetRunState());
        EXPECT_EQ(std::to_string(coarseRuns + fineRuns), TextOf(dialog, IDC_IP_COMPLETED));
        // A lower time is the gain.
        const float baseline = UtilRoundToDecimals(coarse.GetBaselineScore(), 3);
        const float best = UtilRoundToDecimals(fine.GetBestScore(), 3);
        EXPECT_LE(fine.GetBestScore(), coarse.GetBaselineScore());
        EXPECT_EQ(Formatted("%.3f", UtilRoundToDecimals(baseline - best, 3)), TextOf(dialog, IDC_IP_INCREASE));
        // The bars hold the baseline and every kept time.
        ZELCHART bars = run.GetBarChart();
        for (double score : {double(coarse.GetBaselineScore()), double(fine.GetBestScore()),
                             double(fine.GetWorstScore())}) {
            EXPECT_LE(zel2d::GetValue(bars, zel2d::Y_MIN), score);
            EXPECT_GE(zel2d::GetValue(bars, zel2d::Y_MAX), score);
        }
        EXPECT_EQ(surface.ResultGrid(), zel3d::GetValue(surface.Chart(), zel3d::SURFACE_DATA));
        EXPECT_EQ("Time(Z))", std::string(zel3d::GetValue(surface.Chart(), zel3d::ZAXIS_TITLE)));
        Press(page, IDC_IR_Z_PLUS);
        Press(page, IDC_IR_Z_PLUS);
        EXPECT_EQ(-65.0, zel3d::GetValue(surface.Chart(), zel3d::ZROTATION));
        Press(page, IDC_IR_HOME);
        EXPECT_EQ(-55.0, zel3d::GetValue(surface.Chart(), zel3d::ZROTATION));

        ASSERT_GT(fine.GetResultCount(), 0);
        Press(page, IDC_IR_SAVE_FIRST);
        EXPECT_EQ("Save", TextOf(dialog, IDOK));
        SaveScreenshot(dialog, "race-sweep-dialog-run.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(fine_->IsResultMarked(0));
    EXPECT_TRUE(fine_->HasResults());
}

TEST_F(RaceSweepDialogTest, AClutchCarOverAnEighthMileHasNoConverterPresetAndHalfTheSurface) {
    auto clutchCar = NewDoc();
    clutchCar->SetAutoRun(false);
    ChooseStreetCar(*clutchCar);
    clutchCar->SetRaceLength(660);
    ASSERT_TRUE(clutchCar->RunSimulation(true, true));
    ASSERT_FALSE(clutchCar->m_converterStall.IsSet());
    for (CIterator* sweep : {coarse_.get(), fine_.get()}) {
        sweep->AttachDocument(clutchCar.get());
        sweep->Reset();
    }
    Open([&](HWND dialog, CItrProDlg& owner) {
        EXPECT_FALSE(Enabled(dialog, IDC_IP_PRESET_CONVERTER));
        // Still off after a refresh and after the controls come back on.
        Press(dialog, IDC_IP_PRESET_GEARS);
        EXPECT_FALSE(Enabled(dialog, IDC_IP_PRESET_CONVERTER));
        owner.EnableControls(false);
        owner.EnableControls(true);
        EXPECT_FALSE(Enabled(dialog, IDC_IP_PRESET_CONVERTER));
        EXPECT_TRUE(Enabled(dialog, IDC_IP_PRESET_GEARS));
        // The defaults gave the converter stall no range.
        EXPECT_EQ(kIterUnused, owner.GetCoarseIterator()->GetVariable(0).GetKind());
        EXPECT_EQ(12, owner.GetSheet().GetRunPage().GetSurface().GetRowCount());
    });
}

// The "Optimize For" page in the dialog: its choices reach both working
// sweeps, the criterion presets show on it, and a refused window changes
// nothing.
TEST_F(RaceSweepDialogTest, CriteriaPageInTheDialog) {
    Open([&](HWND dialog, CItrProDlg& owner) {
        Press(dialog, IDC_IP_PRESET_MPH);
        HWND page = testing_harness::ShowSheetPage(owner.GetSheet().GetSafeHwnd(), kCriteriaPage);
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(page, IDC_ITO_TOP_SPEED));
        EXPECT_FALSE(Enabled(page, IDC_ITO_CURVE));

        Press(page, IDC_ITO_AREA);
        testing_harness::ChooseComboText(page, IDC_ITO_CURVE, "Horsepower");
        PumpPending();
        EXPECT_EQ(kCriterionPowerArea, owner.GetCoarseIterator()->GetCriterion());
        EXPECT_EQ(kCriterionPowerArea, owner.GetFineIterator()->GetCriterion());

        ModalDriver::Instance().Answer("Iterator Testing Error", IDOK);
        testing_harness::ChooseComboText(page, IDC_ITO_FROM, "660");
        PumpPending();
        EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
        float from = -1, to = -1;
        owner.GetFineIterator()->GetDistanceRange(&from, &to);
        EXPECT_EQ(0.0f, from);
        EXPECT_EQ(330.0f, to);
        SaveScreenshot(dialog, "race-sweep-dialog-criteria-page.png");
    });
}

}  // namespace
