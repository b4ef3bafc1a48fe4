// The power-curve editor driven through its controls: the data-point spin
// and the rows it adds, refused entries, the entry modes with their
// confirmation, Reset All, the live chart, OK and Cancel; and the vehicle's
// custom-engine command through the program's dialog host.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/ui/tests/DriveModal.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/PowerCurveResources.h"
#include "quillet/ui/PowerCurveDlg.h"
#include "quillet/ui/ProgramDocHost.h"

using testing_harness::ClickRadio;
using testing_harness::FocusOn;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using testing_harness::TextOf;
using testing_harness::TypeInto;

namespace quillet {

namespace {

const char kCaption[] = "Power Curve Data";

int PowerId(int row) { return IDC_PC_POWER_FIRST + row; }
int TorqueId(int row) { return IDC_PC_TORQUE_FIRST + row; }
int RpmId(int row) { return IDC_PC_RPM_FIRST + row; }

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void ClickSpin(HWND dialog, bool up) { testing_harness::ClickSpinArrow(::GetDlgItem(dialog, IDC_PC_SPIN), up); }

int SpinPosition(HWND dialog) {
    return LOWORD(::SendMessageA(::GetDlgItem(dialog, IDC_PC_SPIN), UDM_GETPOS, 0, 0));
}

// The text a field shows for a value.
std::string Shown(const CFloatPtSpec& field) {
    CString text;
    field.FormatValue(text);
    return text.GetString();
}

void SaveScreenshot(HWND dialog, const char* name) {
    ::ShowWindow(dialog, SW_SHOW);
    ::UpdateWindow(dialog);
    PumpPending();
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(dialog).SavePng(testing_harness::TestOutputPath(name)));
}

class PowerCurveDlgTest : public ::testing::Test {
protected:
    void SetUp() override { curve_.LoadPresetEngine(1); }  // 12 rows, 2000..7500 rpm, power typed

    // Opens the editor on curve_; `drive` works the open dialog and must
    // end it. Returns DoModal's result.
    int Run(const std::function<void(HWND, CPowerCurveDlg&)>& drive, const char* description = "Custom") {
        CPowerCurveDlg dialog(&curve_, description, nullptr);
        const int result = DriveModal(dialog, kCaption, drive);
        dialog.GetDescription(description_);
        return result;
    }

    CPowerCurve curve_;
    CString description_;
};

TEST_F(PowerCurveDlgTest, OpensOnTheCurveInItsModeWithTheRowsOfThatModeEnabled) {
    const CPowerCurve before = curve_;
    EXPECT_EQ(IDCANCEL, Run([&](HWND dialog, CPowerCurveDlg&) {
        EXPECT_TRUE(Checked(dialog, IDC_PC_MODE_POWER));
        EXPECT_FALSE(Checked(dialog, IDC_PC_MODE_PEAKS) || Checked(dialog, IDC_PC_MODE_TORQUE));
        EXPECT_EQ(::GetDlgItem(dialog, IDC_PC_MODE_POWER), ::GetFocus());
        EXPECT_EQ("Custom", TextOf(dialog, IDC_PC_DESCRIPTION));
        EXPECT_EQ("12", TextOf(dialog, IDC_PC_POINTS));
        EXPECT_EQ(12, SpinPosition(dialog));
        EXPECT_EQ("2000", TextOf(dialog, IDC_PC_START_RPM));
        EXPECT_EQ("500", TextOf(dialog, IDC_PC_STEP_RPM));
        EXPECT_EQ("", TextOf(dialog, IDC_PC_HELP));
        EXPECT_EQ(Shown(curve_.PeakPower()), TextOf(dialog, IDC_PC_PEAK_POWER));
        EXPECT_EQ("4500", TextOf(dialog, IDC_PC_PEAK_POWER_RPM));
        for (int id = IDC_PC_PEAK_POWER; id <= IDC_PC_PEAK_TORQUE_RPM; ++id) EXPECT_FALSE(Enabled(dialog, id));
        for (int id : {IDC_PC_SPIN, IDC_PC_POINTS, IDC_PC_START_RPM, IDC_PC_STEP_RPM})
            EXPECT_TRUE(Enabled(dialog, id)) << id;
        for (int row = 0; row < kPowerCurveMaxRows; ++row) {
            EXPECT_EQ(row < 12, Enabled(dialog, PowerId(row))) << row;
            EXPECT_FALSE(Enabled(dialog, TorqueId(row))) << row;
        }
        EXPECT_EQ("7500", TextOf(dialog, RpmId(11)));
        EXPECT_EQ("", TextOf(dialog, RpmId(12)));
        EXPECT_EQ(Shown(curve_.TorqueAt(0)), TextOf(dialog, TorqueId(0)));
        // The field prompts follow the focus.
        FocusOn(dialog, PowerId(0));
        EXPECT_NE(std::string::npos, TextOf(dialog, IDC_PC_HELP).find("Engine Horsepower")) << TextOf(dialog, IDC_PC_HELP);
        FocusOn(dialog, IDC_PC_POINTS);
        EXPECT_EQ("Select the Number of Power Curve Data Points", TextOf(dialog, IDC_PC_HELP));
        FocusOn(dialog, IDC_PC_DESCRIPTION);
        EXPECT_EQ("Enter a Description for this Engine Power Curve Data", TextOf(dialog, IDC_PC_HELP));
        SaveScreenshot(dialog, "PowerCurveDlg.png");
        // Cancel keeps the curve even after an edit.
        TypeInto(dialog, PowerId(0), "70");
        FocusOn(dialog, PowerId(1));
        ModalDriver::PressButton(dialog, IDCANCEL);
    }));
    EXPECT_FLOAT_EQ(before.GetPower(0), curve_.GetPower(0));
}

TEST_F(PowerCurveDlgTest, SpinAddsOrRemovesOneRowPerClickWithin2To26) {
    const CPowerCurve before = curve_;
    Run([&](HWND dialog, CPowerCurveDlg& dlg) {
        const std::string lastPower = TextOf(dialog, PowerId(11));
        for (int count = 13; count <= 27; ++count) {
            ClickSpin(dialog, true);
            const int expected = std::min(count, kPowerCurveMaxRows);
            ASSERT_EQ(expected, dlg.GetWorkingCurve().GetNumPoints());
            EXPECT_EQ(std::to_string(expected), TextOf(dialog, IDC_PC_POINTS));
            EXPECT_EQ(expected, SpinPosition(dialog));
        }
        // Each added row goes one step up and repeats the power before it.
        EXPECT_EQ("8000", TextOf(dialog, RpmId(12)));
        EXPECT_EQ("14500", TextOf(dialog, RpmId(25)));
        EXPECT_EQ(lastPower, TextOf(dialog, PowerId(12)));
        EXPECT_EQ(lastPower, TextOf(dialog, PowerId(25)));
        EXPECT_EQ(Shown(dlg.GetWorkingCurve().TorqueAt(25)), TextOf(dialog, TorqueId(25)));
        EXPECT_NEAR(before.GetPower(11) * 5252.0f / 14500.0f, dlg.GetWorkingCurve().GetTorque(25), 0.01f);
        EXPECT_TRUE(Enabled(dialog, PowerId(25)));

        for (int count = 25; count >= 1; --count) ClickSpin(dialog, false);
        EXPECT_EQ(2, dlg.GetWorkingCurve().GetNumPoints());
        EXPECT_EQ("2", TextOf(dialog, IDC_PC_POINTS));
        EXPECT_EQ("", TextOf(dialog, RpmId(2)));
        EXPECT_FALSE(Enabled(dialog, PowerId(2)));

        // A row whose step would pass the rpm limit repeats the rpm before.
        TypeInto(dialog, IDC_PC_STEP_RPM, "2500");
        TypeInto(dialog, IDC_PC_START_RPM, "9750");
        FocusOn(dialog, PowerId(0));
        EXPECT_EQ("9750", TextOf(dialog, RpmId(0)));
        EXPECT_EQ("12250", TextOf(dialog, RpmId(1)));
        ClickSpin(dialog, true);
        EXPECT_EQ("12250", TextOf(dialog, RpmId(2)));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(12, curve_.GetNumPoints());
}

TEST_F(PowerCurveDlgTest, RefusedEntryFreezesTheSpinAndKeepsOkOpenUntilCorrected) {
    EXPECT_EQ(IDOK, Run([&](HWND dialog, CPowerCurveDlg& dlg) {
        // Above 7000 hp; then a click into the point count.
        TypeInto(dialog, PowerId(0), "9999");
        FocusOn(dialog, IDC_PC_POINTS);
        EXPECT_EQ(::GetDlgItem(dialog, PowerId(0)), ::GetFocus());
        ClickSpin(dialog, true);
        EXPECT_EQ(12, dlg.GetWorkingCurve().GetNumPoints());
        EXPECT_EQ(12, SpinPosition(dialog));
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(dlg.ContinueModal());
        EXPECT_EQ(::GetDlgItem(dialog, PowerId(0)), ::GetFocus());

        // An accepted entry computes the row's torque and frees the spin.
        TypeInto(dialog, PowerId(0), "60");
        FocusOn(dialog, PowerId(1));
        EXPECT_EQ(Shown(dlg.GetWorkingCurve().TorqueAt(0)), TextOf(dialog, TorqueId(0)));
        EXPECT_NEAR(60.0f * 5252.0f / 2000.0f, dlg.GetWorkingCurve().GetTorque(0), 0.01f);
        ClickSpin(dialog, true);
        EXPECT_EQ(13, dlg.GetWorkingCurve().GetNumPoints());
        // An empty entry keeps the value.
        TypeInto(dialog, PowerId(1), "   ");
        FocusOn(dialog, PowerId(2));
        EXPECT_FLOAT_EQ(dlg.GetWorkingCurve().GetPower(1), curve_.GetPower(1));
        ModalDriver::PressButton(dialog, IDOK);
    }));
    EXPECT_FLOAT_EQ(60.0f, curve_.GetPower(0));
    EXPECT_EQ(13, curve_.GetNumPoints());
    EXPECT_EQ("Custom", std::string(description_));
}

TEST_F(PowerCurveDlgTest, ComputedValuesOutOfRangeAreClearedWithANotice) {
    Run([&](HWND dialog, CPowerCurveDlg& dlg) {
        // 7000 hp at 2000 rpm is 18382 lb-ft, above the 5000 lb-ft limit.
        ModalDriver::Instance().Answer("", IDOK);
        TypeInto(dialog, PowerId(0), "7000");
        FocusOn(dialog, PowerId(1));
        PumpPending();
        ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("5000 lb-ft.")) << ModalDriver::Instance().Boxes()[1].text;
        EXPECT_FALSE(dlg.GetWorkingCurve().IsPointComplete(0));
        EXPECT_EQ("", TextOf(dialog, TorqueId(0)));
        // OK refuses the incomplete row with its code and stays open.
        ModalDriver::Instance().Answer("", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(dlg.ContinueModal());
        ASSERT_EQ(3u, ModalDriver::Instance().Boxes().size());
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
}

TEST_F(PowerCurveDlgTest, PeakModeAsksFirstAndCancelRestoresTheRowMode) {
    Run([&](HWND dialog, CPowerCurveDlg& dlg) {
        const CPowerCurve before = dlg.GetWorkingCurve();
        for (int rowMode : {IDC_PC_MODE_POWER, IDC_PC_MODE_TORQUE}) {
            ClickRadio(dialog, rowMode);
            ModalDriver::Instance().Answer("Warning!", IDCANCEL);
            ClickRadio(dialog, IDC_PC_MODE_PEAKS);
            EXPECT_TRUE(Checked(dialog, rowMode)) << rowMode;
            EXPECT_FALSE(Checked(dialog, IDC_PC_MODE_PEAKS));
            EXPECT_EQ(::GetDlgItem(dialog, rowMode), ::GetFocus());
            EXPECT_EQ(12, dlg.GetWorkingCurve().GetNumPoints());
            EXPECT_FLOAT_EQ(before.GetPower(5), dlg.GetWorkingCurve().GetPower(5));
        }
        EXPECT_TRUE(Enabled(dialog, TorqueId(0)));
        EXPECT_FALSE(Enabled(dialog, PowerId(0)));

        // Engine speeds from 1000 rpm put the torque peak below 2000 rpm;
        // the peak mode then drops that peak and, short of one, the rows.
        ClickRadio(dialog, IDC_PC_MODE_POWER);
        TypeInto(dialog, IDC_PC_START_RPM, "1000");
        FocusOn(dialog, PowerId(0));
        EXPECT_EQ("1000", TextOf(dialog, IDC_PC_PEAK_TORQUE_RPM));
        ModalDriver::Instance().Answer("Warning!", IDOK);
        ClickRadio(dialog, IDC_PC_MODE_PEAKS);
        EXPECT_EQ("", TextOf(dialog, IDC_PC_PEAK_TORQUE));
        EXPECT_EQ("", TextOf(dialog, IDC_PC_PEAK_TORQUE_RPM));
        EXPECT_EQ("3500", TextOf(dialog, IDC_PC_PEAK_POWER_RPM));
        EXPECT_EQ("2000", TextOf(dialog, IDC_PC_START_RPM));
        EXPECT_EQ("500", TextOf(dialog, IDC_PC_STEP_RPM));
        EXPECT_EQ("", TextOf(dialog, RpmId(0)));
        EXPECT_TRUE(Enabled(dialog, IDC_PC_PEAK_TORQUE));
        EXPECT_FALSE(Enabled(dialog, IDC_PC_SPIN) || Enabled(dialog, PowerId(0)) || Enabled(dialog, TorqueId(0)));

        // A row mode on rows that lost their rpm starts them at the engine
        // speeds, so a typed torque has an rpm to give power at.
        ClickRadio(dialog, IDC_PC_MODE_TORQUE);
        EXPECT_EQ("2000", TextOf(dialog, RpmId(0)));
        EXPECT_EQ("7500", TextOf(dialog, RpmId(11)));
        TypeInto(dialog, TorqueId(0), "300");
        FocusOn(dialog, TorqueId(1));
        EXPECT_NEAR(300.0f * 2000.0f / 5252.0f, dlg.GetWorkingCurve().GetPower(0), 0.05f);
        EXPECT_EQ(Shown(dlg.GetWorkingCurve().PowerAt(0)), TextOf(dialog, PowerId(0)));

        // The four peaks make the rows.
        ModalDriver::Instance().Answer("Warning!", IDOK);
        ClickRadio(dialog, IDC_PC_MODE_PEAKS);
        TypeInto(dialog, IDC_PC_PEAK_TORQUE, "400");
        TypeInto(dialog, IDC_PC_PEAK_TORQUE_RPM, "4500");
        TypeInto(dialog, IDC_PC_PEAK_POWER, "400");
        TypeInto(dialog, IDC_PC_PEAK_POWER_RPM, "6000");
        FocusOn(dialog, IDC_PC_PEAK_TORQUE);
        EXPECT_EQ(17, dlg.GetWorkingCurve().GetNumPoints());
        EXPECT_EQ("17", TextOf(dialog, IDC_PC_POINTS));
        EXPECT_EQ("10000", TextOf(dialog, RpmId(16)));
        EXPECT_NEAR(251.28f, dlg.GetWorkingCurve().GetTorque(0), 0.01f);
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
}

TEST_F(PowerCurveDlgTest, ResetAllKeepsTheRpmColumnAndTheChartFollowsTheRows) {
    Run([&](HWND dialog, CPowerCurveDlg& dlg) {
        const ZELDATA data = dlg.GetChartData();
        const ZELCHART chart = dlg.GetChart().m_chart;
        for (int set = 0; set < 2; ++set) {
            EXPECT_EQ(ZEL2D_DISPLAY_SHOW, ZelDataGetDisplay(data, set));
            EXPECT_EQ(0, ZelDataGetFirstPoint(data, set));
            EXPECT_EQ(11, ZelDataGetLastPoint(data, set));
        }
        // The axes take in the curve: x in thousands of rpm, y to the peak.
        EXPECT_GE(zel2d::GetValue(chart, zel2d::X_MAX), 7.5);
        EXPECT_GE(zel2d::GetValue(chart, zel2d::Y_MAX), 131.3);
        EXPECT_DOUBLE_EQ(0.0, zel2d::GetValue(chart, zel2d::X_MIN));
        ::UpdateWindow(dialog);
        const auto redPixels = [&] {
            return testing_harness::Pixels::FromWindow(dlg.GetChart().m_hWnd).Count(0xFF0000);
        };
        EXPECT_GT(redPixels(), 20);

        // A cleared row leaves the chart.
        ModalDriver::Instance().Answer("", IDOK);  // the torque notice
        TypeInto(dialog, PowerId(0), "7000");
        FocusOn(dialog, PowerId(1));
        PumpPending();
        EXPECT_EQ(10, ZelDataGetLastPoint(data, 0));

        ModalDriver::Instance().Answer("Warning!", IDCANCEL);
        testing_harness::PressButton(dialog, IDC_PC_RESET_ALL);
        EXPECT_EQ("7000", TextOf(dialog, PowerId(0)));
        ModalDriver::Instance().Answer("Warning!", IDOK);
        testing_harness::PressButton(dialog, IDC_PC_RESET_ALL);
        for (int row = 0; row < 12; ++row) {
            EXPECT_EQ("", TextOf(dialog, PowerId(row)));
            EXPECT_EQ("", TextOf(dialog, TorqueId(row)));
            EXPECT_EQ(std::to_string(2000 + 500 * row), TextOf(dialog, RpmId(row)));
        }
        EXPECT_EQ("", TextOf(dialog, IDC_PC_PEAK_POWER));
        EXPECT_EQ(ZEL2D_DISPLAY_HIDE, ZelDataGetDisplay(data, 0));
        ::InvalidateRect(dlg.GetChart().m_hWnd, nullptr, TRUE);
        ::UpdateWindow(dlg.GetChart().m_hWnd);
        EXPECT_EQ(0, redPixels());
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
}

TEST_F(PowerCurveDlgTest, CustomEngineCommandNamesTheEngineFromTheDescription) {
    QuilletSetDocHost(&ProgramDocHost());
    std::unique_ptr<CQuilletDoc> doc = NewDoc();
    ChooseStreetCar(*doc);
    doc->SetModifiedFlag(FALSE);
    struct Case {
        const char* typed;
        const char* engineName;
    } const cases[] = {{"  My 383 stroker ", "My 383 stroker"}, {"", "Custom"}};
    for (const Case& c : cases) {
        ModalDriver::Instance().Handle(kCaption, [&](HWND dialog) {
            ::SetDlgItemTextA(dialog, IDC_PC_DESCRIPTION, c.typed);
            FocusOn(dialog, IDC_PC_DESCRIPTION);
            TypeInto(dialog, PowerId(0), "150");
            ModalDriver::PressButton(dialog, IDOK);
        });
        Command(*doc, kCmdCustomEngine);
        EXPECT_EQ(c.engineName, std::string(doc->m_engineType.GetTypeName()));
        EXPECT_FLOAT_EQ(150.0f, doc->m_powerCurve.GetPower(0));
        EXPECT_TRUE(doc->IsModified());
    }
    QuilletSetDocHost(nullptr);
}

}  // namespace

}  // namespace quillet
