// The traction calculator driven through its controls: its first display,
// the efficiency choice, a search that finds its coefficient, one stopped
// by the Stop button or a quit, one whose wheelspin-free run fails, Apply
// and Cancel; and the vehicle's command through the program's dialog host.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/ui/tests/DriveModal.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/TractionResources.h"
#include "quillet/ui/ProgramDocHost.h"
#include "quillet/ui/TractionDlg.h"

using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using testing_harness::TextOf;

namespace quillet {

namespace {

const char kCaption[] = "Traction Quick Calculator";

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

std::string Formatted(const char* format, float value) {
    char text[64];
    snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

std::string Shown(const CFloatPtSpec& field) {
    CString text;
    field.FormatValue(text);
    return text.GetString();
}

std::string SelectedEfficiency(HWND dialog) {
    HWND combo = ::GetDlgItem(dialog, IDC_TC_EFFICIENCY);
    const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return "";
    char text[64] = "";
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
    return text;
}

// The elapsed time of a copy of `doc` raced at traction `coefficient`; 0
// when the run fails.
float ElapsedTimeAt(const CQuilletDoc& doc, float coefficient) {
    std::unique_ptr<CQuilletDoc> copy = NewDoc();
    doc.CopyVehicleTo(copy.get());
    copy->m_tractionCoefficient.SetValue(coefficient);
    return copy->RunSimulation(false, false) ? copy->GetResults().elapsedTime : 0.0f;
}

// The coefficient the search tries at its n-th trial (from 1), summed as
// the search sums it.
float CoefficientOfTrial(int n) {
    float t = 0.50f;
    for (int i = 1; i < n; ++i) t += 0.01f;
    return t;
}

class TractionDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ChooseStreetCar(*doc_);
        doc_->SetAutoRun(false);
        ASSERT_TRUE(doc_->RunSimulation(false, false));
        coefficient_ = doc_->m_tractionCoefficient.GetValue();
        elapsedTime_ = doc_->GetResults().elapsedTime;
    }

    int Run(const std::function<void(HWND, CTractionDlg&)>& drive) {
        CTractionDlg dialog(doc_.get(), nullptr);
        return DriveModal(dialog, kCaption, drive);
    }

    void ExpectDocumentUntouched() {
        EXPECT_FLOAT_EQ(coefficient_, doc_->m_tractionCoefficient.GetValue());
        EXPECT_FLOAT_EQ(elapsedTime_, doc_->GetResults().elapsedTime);
    }

    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    float coefficient_ = 0.0f;
    float elapsedTime_ = 0.0f;
};

TEST_F(TractionDlgTest, ShowsTheDocumentOnBothSidesAtOptimumWheelspin) {
    EXPECT_EQ(IDCANCEL, Run([&](HWND dialog, CTractionDlg& dlg) {
        EXPECT_EQ("98.0% - Optimum Wheelspin", SelectedEfficiency(dialog));
        EXPECT_FLOAT_EQ(0.98f, dlg.GetTargetEfficiency());
        const float slippage = CTractionDlg::TotalTyreSlippage(*doc_);
        EXPECT_GT(slippage, 0.0f);  // the street car spins its tyres
        const struct {
            int coefficient, slippage, elapsedTime, trapSpeed;
        } sides[] = {{IDC_TC_CURRENT_COEFFICIENT, IDC_TC_CURRENT_SLIPPAGE, IDC_TC_CURRENT_ET, IDC_TC_CURRENT_MPH},
                     {IDC_TC_NEW_COEFFICIENT, IDC_TC_NEW_SLIPPAGE, IDC_TC_NEW_ET, IDC_TC_NEW_MPH}};
        for (const auto& side : sides) {
            EXPECT_EQ(Shown(doc_->m_tractionCoefficient), TextOf(dialog, side.coefficient));
            EXPECT_EQ(Formatted("%.0f", slippage), TextOf(dialog, side.slippage));
            EXPECT_EQ(Formatted("%.3f", elapsedTime_), TextOf(dialog, side.elapsedTime));
            EXPECT_EQ(Formatted("%.1f", doc_->GetResults().trapSpeed), TextOf(dialog, side.trapSpeed));
        }
        const int samples = doc_->GetNumCurvePoints();
        for (ZELDATA data : {dlg.GetCurrentChartData(), dlg.GetNewChartData()}) {
            for (int set = 0; set < 2; ++set) {
                EXPECT_EQ(0, ZelDataGetFirstPoint(data, set));
                EXPECT_EQ(samples - 1, ZelDataGetLastPoint(data, set));
            }
        }
        for (ZELCHART chart : {dlg.GetCurrentChart(), dlg.GetNewChart()}) {
            EXPECT_DOUBLE_EQ(0.0, zel2d::GetValue(chart, zel2d::X_MIN));
            EXPECT_DOUBLE_EQ(1320.0, zel2d::GetValue(chart, zel2d::X_MAX));
            EXPECT_DOUBLE_EQ(0.0, zel2d::GetValue(chart, zel2d::Y_MIN));
        }
        EXPECT_EQ("Calc Traction", TextOf(dialog, IDC_TC_CALC));
        for (int id : {IDC_TC_EFFICIENCY, IDOK, IDCANCEL}) EXPECT_TRUE(Enabled(dialog, id)) << id;
        // The legends' colour boxes are painted where their statics stood.
        ::ShowWindow(dialog, SW_SHOW);
        ::UpdateWindow(dialog);
        const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(dialog);
        EXPECT_GE(pixels.Count(0x00FF00), 2 * 16);
        EXPECT_GE(pixels.Count(0xFF0000), 2 * 16);
        ModalDriver::PressButton(dialog, IDCANCEL);
    }));
    ExpectDocumentUntouched();
}

TEST_F(TractionDlgTest, SearchFindsTheLowestCoefficientWithinTheChosenEfficiency) {
    const float noSpinTime = ElapsedTimeAt(*doc_, 6.0f);
    ASSERT_GT(noSpinTime, 0.0f);
    struct Case {
        const char* choice;
        float threshold;
        bool apply;
    } const cases[] = {
        {"99.5% - No Wheelspin", noSpinTime * 1.005f, false},
        {"98.0% - Optimum Wheelspin", noSpinTime * 1.02f, false},
        {"90.0% - Excessive Wheelspin", noSpinTime * 1.10f, true},
    };
    float applied = 0.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        const int result = Run([&](HWND dialog, CTractionDlg& dlg) {
            testing_harness::ChooseComboText(dialog, IDC_TC_EFFICIENCY, c.choice);
            testing_harness::PressButton(dialog, IDC_TC_CALC);
            EXPECT_NEAR(c.threshold, dlg.GetThreshold(), 1e-4f);
            const CQuilletDoc& found = dlg.GetWorkingCopy();
            const float coefficient = found.m_tractionCoefficient.GetValue();
            // The runs: the one without wheelspin, then one per trial.
            const int trials = dlg.GetRunCount() - 1;
            EXPECT_FLOAT_EQ(CoefficientOfTrial(trials), coefficient);
            EXPECT_LE(found.GetResults().elapsedTime, dlg.GetThreshold());
            ASSERT_GT(trials, 1);
            const float before = ElapsedTimeAt(*doc_, CoefficientOfTrial(trials - 1));
            EXPECT_TRUE(before == 0.0f || before > dlg.GetThreshold()) << before;
            EXPECT_EQ(Shown(found.m_tractionCoefficient), TextOf(dialog, IDC_TC_NEW_COEFFICIENT));
            EXPECT_EQ(Formatted("%.3f", found.GetResults().elapsedTime), TextOf(dialog, IDC_TC_NEW_ET));
            EXPECT_EQ(Formatted("%.3f", elapsedTime_), TextOf(dialog, IDC_TC_CURRENT_ET));
            EXPECT_EQ(c.choice, SelectedEfficiency(dialog));
            EXPECT_EQ("Calc Traction", TextOf(dialog, IDC_TC_CALC));
            for (int id : {IDC_TC_EFFICIENCY, IDOK, IDCANCEL}) EXPECT_TRUE(Enabled(dialog, id)) << id;
            if (c.apply) {
                applied = coefficient;
                ::InvalidateRect(dialog, nullptr, TRUE);
                ::UpdateWindow(dialog);
                PumpPending();
                EXPECT_TRUE(testing_harness::Pixels::FromWindow(dialog).SavePng(
                    testing_harness::TestOutputPath("TractionDlg.png")));
                ModalDriver::PressButton(dialog, IDOK);
                return;
            }
            // Another efficiency drops the search: both sides show the
            // document again.
            testing_harness::ChooseComboText(dialog, IDC_TC_EFFICIENCY, "94.0% - Large Wheelspin");
            EXPECT_FLOAT_EQ(0.94f, dlg.GetTargetEfficiency());
            EXPECT_EQ(Shown(doc_->m_tractionCoefficient), TextOf(dialog, IDC_TC_NEW_COEFFICIENT));
            EXPECT_EQ(Formatted("%.3f", elapsedTime_), TextOf(dialog, IDC_TC_NEW_ET));
            ModalDriver::PressButton(dialog, IDCANCEL);
        });
        if (c.apply) {
            EXPECT_EQ(IDOK, result);
            EXPECT_FLOAT_EQ(applied, doc_->m_tractionCoefficient.GetValue());
        } else {
            ExpectDocumentUntouched();
        }
    }
}

// Ends the search in progress after a few runs, from the search's own
// message pump.
struct StopAfterRuns {
    static StopAfterRuns* active;
    CTractionDlg* dialog;
    HWND window;
    int runs;
    bool quit;
    bool stopped = false;
    bool buttonsWhileSearching = true;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
        StopAfterRuns& self = *active;
        if (self.stopped || self.dialog->GetRunCount() < self.runs) return;
        ::KillTimer(nullptr, id);
        self.stopped = true;
        self.buttonsWhileSearching = TextOf(self.window, IDC_TC_CALC) == "Stop" &&
                                     !Enabled(self.window, IDC_TC_EFFICIENCY) && !Enabled(self.window, IDOK) &&
                                     !Enabled(self.window, IDCANCEL) && self.dialog->IsSearching();
        if (self.quit)
            ::PostQuitMessage(0);
        else
            testing_harness::PressButton(self.window, IDC_TC_CALC);
    }
};
StopAfterRuns* StopAfterRuns::active = nullptr;

TEST_F(TractionDlgTest, StopOrQuitKeepsTheLastCoefficientTriedAndCancelKeepsTheDocument) {
    for (bool quit : {false, true}) {
        SCOPED_TRACE(quit ? "quit" : "Stop");
        EXPECT_EQ(IDCANCEL, Run([&](HWND dialog, CTractionDlg& dlg) {
            StopAfterRuns stop{&dlg, dialog, 6, quit};
            StopAfterRuns::active = &stop;
            const UINT_PTR timer = ::SetTimer(nullptr, 0, 1, &StopAfterRuns::OnTimer);
            // Pressed without pumping afterwards, so that a quit stays queued.
            testing_harness::NotifyFromControl(dialog, IDC_TC_CALC, BN_CLICKED);
            ::KillTimer(nullptr, timer);
            ASSERT_TRUE(stop.stopped);
            EXPECT_TRUE(stop.buttonsWhileSearching);
            // Stopped between runs: the run in progress was the last one.
            const int trials = dlg.GetRunCount() - 1;
            EXPECT_LT(trials, 40);  // far from the coefficient it would find
            EXPECT_FLOAT_EQ(CoefficientOfTrial(trials), dlg.GetWorkingCopy().m_tractionCoefficient.GetValue());
            EXPECT_EQ(Shown(dlg.GetWorkingCopy().m_tractionCoefficient), TextOf(dialog, IDC_TC_NEW_COEFFICIENT));
            EXPECT_FALSE(dlg.IsSearching());
            EXPECT_EQ("Calc Traction", TextOf(dialog, IDC_TC_CALC));
            if (quit) {
                // The quit is posted again for the program's own loop.
                MSG message;
                EXPECT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
            }
            ModalDriver::PressButton(dialog, IDCANCEL);
        }));
        ExpectDocumentUntouched();
    }
}

TEST_F(TractionDlgTest, AFailedRunWithoutWheelspinIsReportedAndFindsNothing) {
    // A 1-hp engine cannot move the car: every run fails, 6.0 included.
    CPowerCurve& curve = doc_->m_powerCurve;
    curve.SetEntryMode(kEntryPower);
    curve.SetNumPoints(2);
    for (int row = 0; row < 2; ++row) {
        curve.RpmAt(row).SetValue(3000.0f + 500.0f * row);
        curve.PowerAt(row).SetValue(1.0f);
        curve.ComputeTorqueFromPower(row);
    }
    curve.UpdatePeaksFromTable();
    doc_->ApplyDrivingStyle(doc_->m_drivingStyle.GetValue());
    short code = 0;
    ASSERT_TRUE(doc_->Validate(&code)) << code;
    ASSERT_FALSE(doc_->RunSimulation(false, false));
    coefficient_ = doc_->m_tractionCoefficient.GetValue();
    elapsedTime_ = 0.0f;

    EXPECT_EQ(IDOK, Run([&](HWND dialog, CTractionDlg& dlg) {
        ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
        testing_harness::PressButton(dialog, IDC_TC_CALC);
        EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
        EXPECT_EQ(1, dlg.GetRunCount());
        EXPECT_FLOAT_EQ(coefficient_, dlg.GetWorkingCopy().m_tractionCoefficient.GetValue());
        EXPECT_EQ(Shown(doc_->m_tractionCoefficient), TextOf(dialog, IDC_TC_NEW_COEFFICIENT));
        EXPECT_EQ("Calc Traction", TextOf(dialog, IDC_TC_CALC));
        ModalDriver::PressButton(dialog, IDOK);
    }));
    ExpectDocumentUntouched();
}

TEST_F(TractionDlgTest, TractionCommandAppliesTheCoefficientFoundAndMarksTheVehicleModified) {
    QuilletSetDocHost(&ProgramDocHost());
    doc_->SetModifiedFlag(FALSE);
    float found = 0.0f;
    ModalDriver::Instance().Handle(kCaption, [&](HWND dialog) {
        testing_harness::ChooseComboText(dialog, IDC_TC_EFFICIENCY, "90.0% - Excessive Wheelspin");
        testing_harness::PressButton(dialog, IDC_TC_CALC);
        found = std::stof(TextOf(dialog, IDC_TC_NEW_COEFFICIENT));
        ModalDriver::PressButton(dialog, IDOK);
    });
    Command(*doc_, kCmdTractionCalculator);
    QuilletSetDocHost(nullptr);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    EXPECT_NEAR(found, doc_->m_tractionCoefficient.GetValue(), 0.005f);
    EXPECT_NE(coefficient_, doc_->m_tractionCoefficient.GetValue());
    EXPECT_TRUE(doc_->IsModified());
}

}  // namespace

}  // namespace quillet
