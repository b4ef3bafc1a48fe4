// The range pages inside the drag-race Zuv Oradizov: the phases chosen on a
// page show in the dialog's status and counts, the rows follow the vehicle's
// gears, and a vehicle without gears (a jet) opens with no gear or shift
// rows to sweep.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/ItrProResources.h"
#include "quillet/res/SweepRangeResources.h"
#include "quillet/ui/QuilletChartCatalogue.h"
#include "quillet/ui/sweep/ItrProDlg.h"

using testing_harness::FindControl;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using testing_harness::TextOf;
using namespace quillet;

namespace {

bool Enabled(HWND window, int id) { return ::IsWindowEnabled(FindControl(window, id)) != FALSE; }

void Press(HWND window, int id) {
    testing_harness::Click(FindControl(window, id));
    PumpPending();
}

class RangePagesInDialogTest : public ::testing::Test {
protected:
    void SetUp() override { QuilletInstallChartCatalogue(); }

    // Opens the dialog on fresh sweeps of a vehicle chosen by `choose`;
    // `drive` runs on it, then the dialog is cancelled.
    void Open(void (*choose)(CQuilletDoc&), const std::function<void(HWND, CItrProDlg&)>& drive) {
        doc_->SetAutoRun(false);
        choose(*doc_);
        for (CIterator* sweep : {coarse_.get(), fine_.get()}) {
            sweep->AttachDocument(doc_.get());
            sweep->Reset();
        }
        CItrProDlg dialog(coarse_.get(), fine_.get(), nullptr);
        bool ran = false;
        ModalDriver::Instance().Handle("Zuv Oradizov", [&](HWND window) {
            ran = true;
            ::ShowWindow(window, SW_SHOW);
            PumpPending();
            drive(window, dialog);
            if (::IsWindowVisible(window)) ModalDriver::PressButton(window, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(ran);
    }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    std::unique_ptr<CIterator> coarse_{new CIterator};
    std::unique_ptr<CIterator> fine_{new CIterator};
};

TEST_F(RangePagesInDialogTest, PhasesChosenOnThePagesShowInTheStatus) {
    Open(ChooseStreetCarWithConverter, [&](HWND dialog, CItrProDlg& owner) {
        CItrProPropSheet& sheet = owner.GetSheet();
        sheet.SetActivePage(&sheet.GetGearsPage());
        PumpPending();
        HWND gears = sheet.GetGearsPage().m_hWnd;
        // A 2-speed: 1st, 2nd and the rear axle.
        Press(gears, IDC_GEARS_DUAL);
        EXPECT_TRUE(Enabled(gears, 2351));
        EXPECT_FALSE(Enabled(gears, 2352));
        EXPECT_TRUE(Enabled(gears, 2356));
        const int coarse = std::stoi(TextOf(gears, IDC_GEARS_COARSE_TESTS));
        const int fine = std::stoi(TextOf(gears, IDC_GEARS_FINE_TESTS));
        EXPECT_GT(coarse, 1);
        EXPECT_EQ(std::to_string(coarse + fine), TextOf(dialog, IDC_IP_TESTS_GEARS));
        EXPECT_EQ("Phase1", TextOf(dialog, IDC_IP_PHASE1_CAPTION));
        EXPECT_TRUE(owner.IsFinePhaseEnabled());

        sheet.SetActivePage(&sheet.GetConverterPage());
        PumpPending();
        HWND stall = sheet.GetConverterPage().m_hWnd;
        Press(stall, IDC_CONVSTALL_SINGLE);
        testing_harness::ChooseComboText(stall, IDC_CONVSTALL_COARSE_TOL, "500");
        testing_harness::ChooseComboText(stall, IDC_CONVSTALL_COARSE_STEP, "250");
        PumpPending();
        EXPECT_EQ("5", TextOf(stall, IDC_CONVSTALL_COARSE_TESTS));
        EXPECT_EQ("5", TextOf(dialog, IDC_IP_TESTS_CONVERTER));
        testing_harness::Pixels::FromWindow(dialog).SavePng(
            testing_harness::TestOutputPath("race-sweep-dialog-converter-page.png"));

        // The dialog's "Launch/Shift" preset shows on that page.
        Press(dialog, IDC_IP_PRESET_SHIFT_POINTS);
        HWND shift = sheet.GetShiftPointsPage().m_hWnd;
        EXPECT_EQ(&sheet.GetShiftPointsPage(), sheet.GetActivePage());
        EXPECT_TRUE(::SendMessage(FindControl(shift, IDC_SHIFTPTS_DUAL), BM_GETCHECK, 0, 0) == BST_CHECKED);
        EXPECT_TRUE(Enabled(shift, IDC_SHIFTPTS_COARSE_TOL_FIRST + 1));
        EXPECT_FALSE(Enabled(shift, IDC_SHIFTPTS_COARSE_TOL_FIRST + 2));
        // The sweep locks every page; unlocked, the pages follow their phases.
        owner.EnableControls(false);
        EXPECT_FALSE(Enabled(gears, 2341));
        EXPECT_FALSE(Enabled(shift, IDC_SHIFTPTS_EXCLUDE));
        owner.EnableControls(true);
        owner.UpdateAllPages(nullptr);
        EXPECT_TRUE(Enabled(gears, 2341));
        EXPECT_FALSE(Enabled(gears, 2352));
        EXPECT_FALSE(Enabled(stall, IDC_CONVSTALL_FINE_TOL));
        testing_harness::Pixels::FromWindow(dialog).SavePng(
            testing_harness::TestOutputPath("race-sweep-dialog-shift-page.png"));
    });
}

// A jet has no gears and no shifts: the dialog opens, its range pages offer
// no rows, and its gear preset changes nothing.
TEST_F(RangePagesInDialogTest, AJetOpensWithNoGearOrShiftRows) {
    Open(ChooseJetDragster, [&](HWND dialog, CItrProDlg& owner) {
        CItrProPropSheet& sheet = owner.GetSheet();
        Press(dialog, IDC_IP_PRESET_GEARS);
        HWND gears = sheet.GetGearsPage().m_hWnd;
        ASSERT_NE(gears, nullptr);
        for (int id : {2340, 2346, 2350, static_cast<int>(IDC_GEARS_COARSE_STEP)})
            EXPECT_FALSE(Enabled(gears, id)) << id;
        EXPECT_EQ("0", TextOf(gears, IDC_GEARS_COARSE_TESTS));
        sheet.SetActivePage(&sheet.GetShiftPointsPage());
        PumpPending();
        EXPECT_FALSE(Enabled(sheet.GetShiftPointsPage().m_hWnd, IDC_SHIFTPTS_COARSE_TOL_FIRST));
        EXPECT_FALSE(Enabled(dialog, IDC_IP_PRESET_CONVERTER));
    });
}

}  // namespace
