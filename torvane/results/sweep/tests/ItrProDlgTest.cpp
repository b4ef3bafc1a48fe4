// The Zuv Oradizov opened by the engine document's command and driven
// through its controls: first-opening defaults, the presets and "Reset All",
// lamps and readouts, OK's validation, and a small real sweep on the run
// page (Run, Stop, Run again into the fine phase, the charts, the "Save:"
// boxes, the view buttons) whose marked result is handed on after OK; what
// the range and criteria pages choose, shown in the status.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/ItrProResources.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/results/sweep/ItrProDlg.h"
#include "torvane/services/TorvaneShellServices.h"

using testing_harness::FindControl;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using testing_harness::TextOf;
using namespace torvane;

namespace {

const char kCaption[] = "Zuv Oradizov";
enum PageIndex { kCamPage = 0, kInductionPage = 1, kBoreStrokePage = 2, kCriteriaPage = 3, kRunPage = 4 };

CItrProDlg* DialogOf(HWND dialog) { return static_cast<CItrProDlg*>(CWnd::FromHandlePermanent(dialog)); }
bool Enabled(HWND window, int id) { return ::IsWindowEnabled(FindControl(window, id)) != FALSE; }
bool Visible(HWND window, int id) { return ::IsWindowVisible(FindControl(window, id)) != FALSE; }

void Press(HWND window, int id) {
    testing_harness::Click(FindControl(window, id));
    PumpPending();
}

void SaveScreenshot(HWND window, const char* name) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(window).SavePng(testing_harness::TestOutputPath(name)));
}

// Presses Stop once the sweep has runs done, checking what a user sees
// while it runs.
struct StopRequest {
    CIterator* sweep;
    HWND runPage;
    HWND dialog;
    bool pressed;
};
StopRequest g_stop = {};

void CALLBACK StopAfterFirstRuns(HWND, UINT, UINT_PTR, DWORD) {
    if (g_stop.pressed || g_stop.sweep->GetRunsDone() == 0) return;
    g_stop.pressed = true;
    EXPECT_EQ("Stop", TextOf(g_stop.runPage, IDC_IR_RUN));
    EXPECT_FALSE(Enabled(g_stop.dialog, IDOK));
    EXPECT_FALSE(Enabled(g_stop.dialog, IDC_IP_PRESET_CAM));
    EXPECT_FALSE(Enabled(g_stop.runPage, IDC_IR_RESTART));
    EXPECT_TRUE(Enabled(g_stop.runPage, IDC_IR_HOME));
    ::PostMessageA(FindControl(g_stop.runPage, IDC_IR_RUN), BM_CLICK, 0, 0);
}

class ItrProDlgTest : public TorvaneDocTest {
protected:
    ItrProDlgTest() {
        BuildChevy350(engine_);
        engine_.SetAutoRun(false);
        EXPECT_TRUE(engine_.RunSimulation(true, true));
        ComponentDialogs dialogs;
        dialogs.runSweepDialog = [](CIterator& coarse, CIterator& fine) {
            CItrProDlg dialog(&coarse, &fine);
            return dialog.DoModal() == IDOK;
        };
        dialogs.openMarkedResults = [this](CIterator& sweep) { opened_.push_back(&sweep); };
        InstallComponentDialogs(dialogs);
    }
    ~ItrProDlgTest() override { InstallComponentDialogs(ComponentDialogs()); }

    // Opens the dialog through the command and hands it to `drive`, which
    // closes it.
    void Open(const std::function<void(HWND dialog, CItrProDlg& owner)>& drive) {
        bool ran = false;
        ModalDriver::Instance().Handle(kCaption, [&](HWND dialog) {
            ran = true;
            ::ShowWindow(dialog, SW_SHOW);
            PumpPending();
            drive(dialog, *DialogOf(dialog));
            // A failed expectation must not leave the dialog waiting.
            if (::IsWindowVisible(dialog)) ModalDriver::PressButton(dialog, IDCANCEL);
        });
        SendCommand(engine_, 33450);
        EXPECT_TRUE(ran);
    }

    // The document's sweeps kept from an earlier opening: the four valve
    // events swept 1 degree either side in both phases (81 runs each).
    void KeepSmallDualSweep() {
        engine_.CreateIterators();
        for (CIterator* sweep : {engine_.GetCoarseIterator(), engine_.GetFineIterator()}) {
            sweep->AttachDocument(&engine_);
            sweep->PresetValveEvents(1.0f, 1.0f);
            sweep->EnablePartTypeList(false);
            sweep->EnableBoreStroke(false);
            sweep->SetRpmRange(2500.0f, 7000.0f);
            sweep->SetHasResults(true);
        }
    }

    static HWND Page(CItrProDlg& owner, int index) {
        return testing_harness::ShowSheetPage(owner.GetSheet().GetSafeHwnd(), index);
    }

    CTorvaneDoc engine_;
    std::vector<CIterator*> opened_;
};

TEST_F(ItrProDlgTest, FirstOpeningPresetsAndResetAll) {
    Open([&](HWND dialog, CItrProDlg& owner) {
        // Defaults: nothing swept, one phase, the rpm window 2500 to 7000.
        for (int id : {IDC_IP_TESTS_CAM, IDC_IP_TESTS_INDUCTION, IDC_IP_TESTS_BORE_STROKE})
            EXPECT_EQ("Not Used", TextOf(dialog, id)) << id;
        EXPECT_EQ("0", TextOf(dialog, IDC_IP_TOTAL));
        EXPECT_EQ("Single Phase", TextOf(dialog, IDC_IP_PHASE1_CAPTION));
        EXPECT_FALSE(Visible(dialog, IDC_IP_PHASE2_CAPTION));
        EXPECT_EQ("hp", TextOf(dialog, IDC_IP_UNITS));
        EXPECT_EQ(" ", TextOf(dialog, IDC_IP_CURRENT));
        EXPECT_EQ("OK", TextOf(dialog, IDOK));
        float from = 0, to = 0;
        owner.GetCoarseIterator()->GetRpmRange(&from, &to);
        EXPECT_EQ(2500.0f, from);
        EXPECT_EQ(7000.0f, to);
        // Lamps: stopped, phase 1, single phase.
        auto image = [&](int id) {
            return reinterpret_cast<HBITMAP>(::SendDlgItemMessageA(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
        };
        const HBITMAP greenLit = image(IDC_IP_LAMP_PHASE1);
        ASSERT_NE(nullptr, greenLit);
        EXPECT_EQ(greenLit, image(IDC_IP_LAMP_SINGLE));
        EXPECT_NE(greenLit, image(IDC_IP_LAMP_DUAL));
        EXPECT_NE(greenLit, image(IDC_IP_LAMP_RUNNING));
        EXPECT_NE(nullptr, image(IDC_IP_LAMP_STOPPED));
        SaveScreenshot(dialog, "sweep-dialog-first.png");

        // The cam preset sweeps both phases: 7^4 + 9^4 runs, its page shown.
        Press(dialog, IDC_IP_PRESET_CAM);
        EXPECT_EQ("8962", TextOf(dialog, IDC_IP_TESTS_CAM));
        EXPECT_EQ("8962", TextOf(dialog, IDC_IP_TOTAL));
        EXPECT_EQ("Phase1", TextOf(dialog, IDC_IP_PHASE1_CAPTION));
        EXPECT_TRUE(Visible(dialog, IDC_IP_PHASE2_CAPTION));
        EXPECT_EQ(greenLit, image(IDC_IP_LAMP_DUAL));
        EXPECT_EQ(greenLit, image(IDC_IP_LAMP_CAM));
        EXPECT_EQ(&owner.GetSheet().GetCamPage(), owner.GetSheet().GetActivePage());

        // Induction on a dual-plane engine: its own first, then 1, 3..6, 8..11.
        Press(dialog, IDC_IP_PRESET_INDUCTION);
        EXPECT_EQ("10", TextOf(dialog, IDC_IP_TESTS_INDUCTION));
        CIterVariable& list = owner.GetCoarseIterator()->GetVariable(kSlotManifoldList);
        std::vector<int> types;
        for (int i = 0; i < list.GetListCount(); ++i) types.push_back(list.GetListItem(i).GetValue());
        EXPECT_EQ((std::vector<int>{2, 1, 3, 4, 5, 6, 8, 9, 10, 11}), types);
        EXPECT_EQ(&owner.GetSheet().GetInductionPage(), owner.GetSheet().GetActivePage());

        Press(dialog, IDC_IP_PRESET_TORQUE);
        EXPECT_EQ("lb-ft", TextOf(dialog, IDC_IP_UNITS));
        EXPECT_EQ(kCriterionPeakTorque, owner.GetFineIterator()->GetCriterion());
        EXPECT_EQ(&owner.GetSheet().GetCriteriaPage(), owner.GetSheet().GetActivePage());
        SaveScreenshot(dialog, "sweep-dialog-presets.png");

        // Reset All: the defaults again, and peak horsepower.
        Press(dialog, IDC_IP_RESET_ALL);
        for (int id : {IDC_IP_TESTS_CAM, IDC_IP_TESTS_INDUCTION, IDC_IP_TESTS_BORE_STROKE})
            EXPECT_EQ("Not Used", TextOf(dialog, id)) << id;
        EXPECT_EQ("hp", TextOf(dialog, IDC_IP_UNITS));
        EXPECT_EQ(kCriterionPeakPower, owner.GetCoarseIterator()->GetCriterion());
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    // Cancel wrote nothing back.
    EXPECT_FALSE(engine_.GetCoarseIterator()->HasResults());
    EXPECT_TRUE(opened_.empty());
}

TEST_F(ItrProDlgTest, OkValidatesTheFinePhaseToo) {
    KeepSmallDualSweep();
    engine_.GetFineIterator()->PresetValveEvents(0.0f, 1.0f);  // one value each: too few tests
    Open([&](HWND dialog, CItrProDlg&) {
        ModalDriver::Instance().Answer("", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        // The dialog, then the error.
        ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("test"))
            << ModalDriver::Instance().Boxes()[1].text;
        EXPECT_TRUE(::IsWindowVisible(dialog));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
}

TEST_F(ItrProDlgTest, ASmallSweepRunsStopsGoesOnIntoTheFinePhaseAndItsMarkIsOpened) {
    KeepSmallDualSweep();
    Open([&](HWND dialog, CItrProDlg& owner) {
        HWND page = Page(owner, kRunPage);
        CItrProRunPropPage& run = owner.GetSheet().GetRunPage();
        CIterator& coarse = *owner.GetCoarseIterator();
        CIterator& fine = *owner.GetFineIterator();
        EXPECT_EQ("Run", TextOf(page, IDC_IR_RUN));
        EXPECT_EQ("162", TextOf(dialog, IDC_IP_TOTAL));
        // Before any run the surface is the one-value grid.
        const CSweepSurface& surface = run.GetSurface();
        EXPECT_EQ(surface.EmptyGrid(), zel3d::GetValue(surface.Chart(), zel3d::SURFACE_DATA));
        for (int id = IDC_IR_SAVE_FIRST; id <= IDC_IR_SAVE_LAST; ++id) EXPECT_FALSE(Enabled(page, id));

        // Stop as soon as the first runs are in, from inside the sweep's pump.
        g_stop = {&coarse, page, dialog, false};
        coarse.SetWorkerCount(1);
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, StopAfterFirstRuns);
        Press(page, IDC_IR_RUN);
        ::KillTimer(nullptr, timer);
        ASSERT_TRUE(g_stop.pressed);
        const int stoppedAt = coarse.GetRunsDone();
        EXPECT_GT(stoppedAt, 0);
        EXPECT_LT(stoppedAt, 81);
        EXPECT_EQ(CItrProRunPropPage::kStateReady, run.GetRunState());
        EXPECT_EQ("Run", TextOf(page, IDC_IR_RUN));
        EXPECT_TRUE(Enabled(dialog, IDOK));
        EXPECT_EQ(std::to_string(stoppedAt), TextOf(dialog, IDC_IP_COMPLETED));

        // Run again: the series goes on, then the fine phase around the
        // best coarse result, in the same press.
        coarse.SetWorkerCount(0);
        Press(page, IDC_IR_RUN);
        EXPECT_EQ(81, coarse.GetRunsDone());
        EXPECT_EQ(81, fine.GetRunsDone());
        EXPECT_EQ(&fine, run.GetCurrentIterator());
        EXPECT_EQ(CItrProRunPropPage::kStateFinished, run.GetRunState());
        EXPECT_EQ("162", TextOf(dialog, IDC_IP_COMPLETED));
        EXPECT_EQ("100%", TextOf(dialog, IDC_IP_PERCENT));
        EXPECT_EQ(100, ::SendDlgItemMessageA(dialog, IDC_IP_PROGRESS, PBM_GETPOS, 0, 0));
        EXPECT_NE(" ", TextOf(dialog, IDC_IP_MAXIMUM));
        EXPECT_FALSE(Visible(dialog, IDC_IP_LEGEND_CURRENT));  // painted by the dialog

        // The bars hold the baseline and every kept score.
        ZELCHART bars = run.GetBarChart();
        const double low = zel2d::GetValue(bars, zel2d::Y_MIN), high = zel2d::GetValue(bars, zel2d::Y_MAX);
        for (double score : {double(coarse.GetBaselineScore()), double(fine.GetBestScore()),
                             double(fine.GetWorstScore())}) {
            EXPECT_LE(low, score);
            EXPECT_GE(high, score);
        }
        EXPECT_EQ(surface.ResultGrid(), zel3d::GetValue(surface.Chart(), zel3d::SURFACE_DATA));
        EXPECT_EQ("HP(Z)", std::string(zel3d::GetValue(surface.Chart(), zel3d::ZAXIS_TITLE)));

        // Ten results kept: every box is live; a mark makes OK "Save".
        ASSERT_EQ(10, fine.GetResultCount());
        for (int id = IDC_IR_SAVE_FIRST; id <= IDC_IR_SAVE_LAST; ++id) EXPECT_TRUE(Enabled(page, id));
        Press(page, IDC_IR_SAVE_FIRST + 1);
        EXPECT_TRUE(fine.IsResultMarked(1));
        EXPECT_EQ("Save", TextOf(dialog, IDOK));
        Press(page, IDC_IR_SAVE_FIRST + 1);
        EXPECT_EQ("OK", TextOf(dialog, IDOK));
        Press(page, IDC_IR_SAVE_FIRST + 1);
        EXPECT_EQ("Save", TextOf(dialog, IDOK));

        // The view turns by 5 degrees a press; Home puts it back.
        Press(page, IDC_IR_Z_PLUS);
        Press(page, IDC_IR_Z_PLUS);
        Press(page, IDC_IR_X_MINUS);
        EXPECT_EQ(210.0, zel3d::GetValue(surface.Chart(), zel3d::ZROTATION));
        EXPECT_EQ(20.0, zel3d::GetValue(surface.Chart(), zel3d::XROTATION));
        Press(page, IDC_IR_HOME);
        EXPECT_EQ(220.0, zel3d::GetValue(surface.Chart(), zel3d::ZROTATION));
        EXPECT_EQ(25.0, zel3d::GetValue(surface.Chart(), zel3d::XROTATION));
        SaveScreenshot(dialog, "sweep-dialog-run.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    // The fine phase kept results: its mark is handed on.
    ASSERT_EQ(std::vector<CIterator*>{engine_.GetFineIterator()}, opened_);
    EXPECT_TRUE(engine_.GetFineIterator()->IsResultMarked(1));
    EXPECT_EQ(81, engine_.GetFineIterator()->GetRunsDone());
}

TEST_F(ItrProDlgTest, RestartAndAChangedSettingStartTheSweepAfresh) {
    KeepSmallDualSweep();
    Open([&](HWND dialog, CItrProDlg& owner) {
        HWND page = Page(owner, kRunPage);
        CItrProRunPropPage& run = owner.GetSheet().GetRunPage();
        CIterator& coarse = *owner.GetCoarseIterator();
        CIterator& fine = *owner.GetFineIterator();
        const CSweepSurface& surface = run.GetSurface();
        // Each way back to the start: the coarse phase shown, nothing kept,
        // no box live, the one-value surface, "OK".
        auto expectFresh = [&](const char* how) {
            EXPECT_EQ(0, coarse.GetRunsDone()) << how;
            EXPECT_EQ(0, fine.GetResultCount()) << how;
            EXPECT_EQ(&coarse, run.GetCurrentIterator()) << how;
            EXPECT_EQ("0", TextOf(dialog, IDC_IP_COMPLETED)) << how;
            EXPECT_EQ(" ", TextOf(dialog, IDC_IP_MAXIMUM)) << how;
            EXPECT_EQ("OK", TextOf(dialog, IDOK)) << how;
            EXPECT_FALSE(Enabled(page, IDC_IR_SAVE_FIRST)) << how;
            EXPECT_EQ(surface.EmptyGrid(), zel3d::GetValue(surface.Chart(), zel3d::SURFACE_DATA)) << how;
        };
        Press(page, IDC_IR_RUN);
        ASSERT_EQ(&fine, run.GetCurrentIterator());
        Press(page, IDC_IR_SAVE_FIRST);
        Press(page, IDC_IR_RESTART);
        expectFresh("Restart");
        EXPECT_EQ(CItrProRunPropPage::kStateReady, run.GetRunState());

        Press(page, IDC_IR_RUN);
        ASSERT_EQ(81, fine.GetRunsDone());
        Press(dialog, IDC_IP_PRESET_TORQUE);
        expectFresh("a new criterion");
        EXPECT_EQ("Torque(Z)", std::string(zel3d::GetValue(surface.Chart(), zel3d::ZAXIS_TITLE)));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_TRUE(opened_.empty());
}

// What the range pages choose shows in the dialog's status at once.
TEST_F(ItrProDlgTest, PageChoicesShowInTheStatus) {
    Open([&](HWND dialog, CItrProDlg& owner) {
        HWND cam = Page(owner, kCamPage);
        Press(cam, IDC_ITC_SINGLE);
        EXPECT_EQ("625", TextOf(dialog, IDC_IP_TESTS_CAM));
        EXPECT_EQ("625", TextOf(dialog, IDC_IP_TOTAL));
        // Dual on the cam page alone makes the sweep dual-phase: 5^4 + 9^4.
        Press(cam, IDC_ITC_DUAL);
        EXPECT_EQ("7186", TextOf(dialog, IDC_IP_TESTS_CAM));
        EXPECT_EQ("Phase1", TextOf(dialog, IDC_IP_PHASE1_CAPTION));
        EXPECT_TRUE(owner.IsFinePhaseEnabled());
        SaveScreenshot(dialog, "sweep-dialog-cam-page.png");

        HWND bore = Page(owner, kBoreStrokePage);
        Press(bore, IDC_ITB_SINGLE);
        EXPECT_EQ("81", TextOf(dialog, IDC_IP_TESTS_BORE_STROKE));
        Press(bore, IDC_ITB_HOLD_DISPLACEMENT);
        EXPECT_EQ("(Auto)", TextOf(bore, IDC_ITB_COARSE_STROKE));
        EXPECT_EQ("9", TextOf(dialog, IDC_IP_TESTS_BORE_STROKE));
        SaveScreenshot(dialog, "sweep-dialog-bore-stroke-page.png");
        Press(bore, IDC_ITB_EXCLUDE);
        EXPECT_EQ("Not Used", TextOf(dialog, IDC_IP_TESTS_BORE_STROKE));

        HWND induction = Page(owner, kInductionPage);
        Press(induction, IDC_ITI_INCLUDE);
        Press(induction, IDC_ITI_TUNNEL_RAM_STD);
        EXPECT_EQ("2", TextOf(dialog, IDC_IP_TESTS_INDUCTION));
        EXPECT_EQ("7811", TextOf(dialog, IDC_IP_TOTAL));  // 625 x 2 + 6561
        SaveScreenshot(dialog, "sweep-dialog-induction-page.png");
    });
}

// The presets show on their pages; a refused rpm window changes nothing.
TEST_F(ItrProDlgTest, PresetsShowOnThePages) {
    Open([&](HWND dialog, CItrProDlg& owner) {
        Press(dialog, IDC_IP_PRESET_INDUCTION);
        HWND induction = Page(owner, kInductionPage);
        for (const SweepManifold& manifold : kSweepManifolds)
            EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(induction, manifold.boxId)) << manifold.boxId;
        EXPECT_EQ("10", TextOf(induction, IDC_ITI_TESTS));

        Press(dialog, IDC_IP_PRESET_TORQUE);
        HWND criteria = Page(owner, kCriteriaPage);
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(criteria, IDC_ITO_PEAK_TORQUE));
        EXPECT_EQ("RPM Range for Peak Torque:", TextOf(criteria, IDC_ITO_RANGE_LABEL));

        ModalDriver::Instance().Answer("Iterator Testing Error", IDOK);
        testing_harness::ChooseComboText(criteria, IDC_ITO_FROM, "7000");
        PumpPending();
        EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
        float from = 0, to = 0;
        owner.GetFineIterator()->GetRpmRange(&from, &to);
        EXPECT_EQ(2500.0f, from);
        Press(criteria, IDC_ITO_POWER_AREA);
        EXPECT_EQ("hp-rpm x 1000", TextOf(dialog, IDC_IP_UNITS));
        SaveScreenshot(dialog, "sweep-dialog-criteria-page.png");
    });
}

}  // namespace
