// The cylinder-head airflow dialog opened by the document's custom-airflow
// command and driven through its controls: the grid and its rows, the
// point spin, Calc Others, Reset All, Open and Save As, OK and Cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/TorvaneCommandIds.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/AirflowResources.h"
#include "torvane/services/TorvaneShellServices.h"
#include "torvane/ui/AirFlowDlg.h"
#include "torvane/ui/tests/DialogTestSupport.h"

using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using namespace torvane;

namespace {

const char kCaption[] = "Cylinder Head Airflow Data";

class AirFlowDlgTest : public TorvaneDocTest {
protected:
    void SetUp() override {
        ComponentDialogs dialogs;
        dialogs.editAirflow = EditAirflowData;
        InstallComponentDialogs(dialogs);
        folder_ = UseTestProgramFolder("TorvaneAirflowDlgTest", "FlowFiles (.FLW)");
    }
    void TearDown() override { InstallComponentDialogs(ComponentDialogs()); }

    // Opens the dialog through the document's command; `drive` works it.
    void OpenDialog(const ModalDriver::Action& drive) {
        bool ran = false;
        ModalDriver::Instance().Handle(kCaption, [&](HWND dialog) {
            ran = true;
            drive(dialog);
        });
        SendCommand(doc_, kCmdCustomHead);
        EXPECT_TRUE(ran);
    }

    std::string FlowPath(const char* name) const { return folder_ + "\\FlowFiles (.FLW)\\" + name; }

    CTorvaneDoc doc_;
    std::string folder_;
};

int LiftId(bool intake, int row) {
    return (intake ? IDC_AF_INTAKE_LIFT_FIRST : IDC_AF_EXHAUST_LIFT_FIRST) + row;
}
int FlowId(bool intake, int row) {
    return (intake ? IDC_AF_INTAKE_FLOW_FIRST : IDC_AF_EXHAUST_FLOW_FIRST) + row;
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(testing_harness::FindControl(dialog, id)) != FALSE; }

// The spin's up or down arrow, clicked with mouse messages.
void ClickSpin(HWND dialog, bool up) {
    testing_harness::ClickSpinArrow(testing_harness::FindControl(dialog, IDC_AF_SPIN), up);
}

int SpinPosition(HWND dialog) {
    return static_cast<int>(::SendMessage(testing_harness::FindControl(dialog, IDC_AF_SPIN), UDM_GETPOS32, 0, 0));
}

// Types a lift and presses Calc Others as a user does: the button takes the focus.
void CalcOthersFrom(HWND dialog, int liftId, const char* lift) {
    TypeInto(dialog, liftId, lift);
    FocusOn(dialog, IDC_AF_CALC_OTHERS);
    ModalDriver::PressButton(dialog, IDC_AF_CALC_OTHERS);
    PumpPending();
}

TEST_F(AirFlowDlgTest, NewEngineGridSpinAndCalcOthers) {
    OpenDialog([&](HWND dialog) {
        // Four points of the default table; the other rows are disabled.
        for (bool intake : {true, false})
            for (int row = 0; row < 10; ++row) {
                SCOPED_TRACE(row);
                EXPECT_EQ(row < 4, Enabled(dialog, LiftId(intake, row)));
                EXPECT_EQ(row < 4, Enabled(dialog, FlowId(intake, row)));
            }
        EXPECT_EQ("0.050", TextOf(dialog, LiftId(true, 0)));
        EXPECT_EQ("0.200", TextOf(dialog, LiftId(true, 3)));
        EXPECT_EQ("100.0", TextOf(dialog, FlowId(false, 3)));
        EXPECT_EQ("", TextOf(dialog, LiftId(true, 4)));
        EXPECT_EQ("4", TextOf(dialog, IDC_AF_POINTS));
        EXPECT_FALSE(Enabled(dialog, IDC_AF_CALC_OTHERS));

        // One more point continues the lift step and carries the flow.
        TypeInto(dialog, FlowId(true, 3), "140");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        ClickSpin(dialog, true);
        EXPECT_EQ(5, SpinPosition(dialog));
        EXPECT_EQ("5", TextOf(dialog, IDC_AF_POINTS));
        EXPECT_TRUE(Enabled(dialog, LiftId(true, 4)));
        EXPECT_FALSE(Enabled(dialog, LiftId(true, 5)));
        EXPECT_EQ("0.250", TextOf(dialog, LiftId(true, 4)));
        EXPECT_EQ("0.250", TextOf(dialog, LiftId(false, 4)));
        EXPECT_EQ("140.0", TextOf(dialog, FlowId(true, 4)));
        EXPECT_EQ("100.0", TextOf(dialog, FlowId(false, 4)));
        ClickSpin(dialog, false);
        EXPECT_EQ("", TextOf(dialog, LiftId(true, 4)));
        EXPECT_FALSE(Enabled(dialog, LiftId(true, 4)));

        // Focus on a lift enables Calc Others, with the lift's prompt.
        FocusOn(dialog, LiftId(true, 1));
        EXPECT_TRUE(Enabled(dialog, IDC_AF_CALC_OTHERS));
        EXPECT_NE(std::string::npos, TextOf(dialog, IDC_AF_HELP).find("Lift")) << TextOf(dialog, IDC_AF_HELP);
        FocusOn(dialog, FlowId(true, 1));
        EXPECT_FALSE(Enabled(dialog, IDC_AF_CALC_OTHERS));
        // Calc Others continues the step from the lift's row, and the focus returns to it.
        CalcOthersFrom(dialog, LiftId(true, 1), "0.120");
        EXPECT_EQ("0.190", TextOf(dialog, LiftId(true, 2)));
        EXPECT_EQ("0.260", TextOf(dialog, LiftId(true, 3)));
        EXPECT_EQ(testing_harness::FindControl(dialog, LiftId(true, 1)), ::GetFocus());
        // A lift not above the one before: 51 or 52, nothing filled.
        ModalDriver::Instance().Answer("Incomplete Airflow Data", IDOK);
        CalcOthersFrom(dialog, LiftId(true, 2), "0.120");
        EXPECT_EQ("0.260", TextOf(dialog, LiftId(true, 3)));
        ModalDriver::Instance().Answer("Incomplete Airflow Data", IDOK);
        CalcOthersFrom(dialog, LiftId(false, 3), "0.100");
        EXPECT_EQ("0.100", TextOf(dialog, LiftId(false, 3)));
        const auto& boxes = ModalDriver::Instance().Boxes();
        ASSERT_EQ(3u, boxes.size());
        EXPECT_NE(std::string::npos, boxes[1].text.find("Intake Valve Lift"));
        EXPECT_NE(std::string::npos, boxes[2].text.find("Exhaust Valve Lift"));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    // Cancel writes nothing back.
    EXPECT_EQ(4, doc_.headFlow.GetNumPoints());
    EXPECT_FLOAT_EQ(0.15f, doc_.headFlow.intake.lift[2].GetValue());
    EXPECT_FALSE(doc_.cylinderHeadType.IsValid());
}

TEST_F(AirFlowDlgTest, SpinKeepsTypedPointsAndChecksTheLiftsFirst) {
    OpenDialog([&](HWND dialog) {
        // Up to ten points; at ten the arrow still notifies, and the tenth
        // lift and flow the user typed stay.
        for (int points = 5; points <= 10; ++points) ClickSpin(dialog, true);
        EXPECT_EQ("10", TextOf(dialog, IDC_AF_POINTS));
        TypeInto(dialog, LiftId(true, 9), "0.600");
        TypeInto(dialog, FlowId(true, 9), "250");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        ClickSpin(dialog, true);
        EXPECT_EQ(10, SpinPosition(dialog));
        EXPECT_EQ("0.600", TextOf(dialog, LiftId(true, 9)));
        EXPECT_EQ("250.0", TextOf(dialog, FlowId(true, 9)));

        // Down to four, then a last lift that is not a rise: the new point
        // is refused with the lift's message.
        for (int points = 9; points >= 4; --points) ClickSpin(dialog, false);
        EXPECT_EQ("4", TextOf(dialog, IDC_AF_POINTS));
        TypeInto(dialog, LiftId(false, 3), "0.150");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        ModalDriver::Instance().Answer("Incomplete Airflow Data", IDOK);
        ClickSpin(dialog, true);
        EXPECT_EQ("4", TextOf(dialog, IDC_AF_POINTS));
        EXPECT_FALSE(Enabled(dialog, LiftId(false, 4)));
        ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("Exhaust Valve Lift"));

        // While an entry is refused the spin does not move.
        TypeInto(dialog, LiftId(false, 3), "0.250");
        TypeInto(dialog, FlowId(false, 2), "abc");
        FocusOn(dialog, IDC_AF_DESCRIPTION);  // refused: the focus comes back
        EXPECT_EQ(testing_harness::FindControl(dialog, FlowId(false, 2)), ::GetFocus());
        ClickSpin(dialog, true);
        EXPECT_EQ("4", TextOf(dialog, IDC_AF_POINTS));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
}

TEST_F(AirFlowDlgTest, OkValidatesAndWritesBackAndResetAllAsksFirst) {
    OpenDialog([&](HWND dialog) {
        // Without a description the data are incomplete (61).
        ModalDriver::Instance().Answer("Incomplete Airflow Data", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        ASSERT_TRUE(::IsWindow(dialog));
        ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("Description"));

        // Reset All asks first: Cancel keeps the typed data.
        TypeInto(dialog, LiftId(true, 3), "0.300");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        ModalDriver::Instance().Answer("Warning!", IDCANCEL);
        ModalDriver::PressButton(dialog, IDC_AF_RESET_ALL);
        PumpPending();
        EXPECT_EQ("0.300", TextOf(dialog, LiftId(true, 3)));
        ModalDriver::Instance().Answer("Warning!", IDOK);
        ModalDriver::PressButton(dialog, IDC_AF_RESET_ALL);
        PumpPending();
        EXPECT_EQ("0.200", TextOf(dialog, LiftId(true, 3)));
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[2].text.find("reset to default"));

        TypeInto(dialog, IDC_AF_DESCRIPTION, "  Ported Heads ");
        TypeInto(dialog, IDC_AF_INTAKE_DIAMETER, "2.02");
        ::SendMessage(testing_harness::FindControl(dialog, IDC_AF_EXHAUST_VALVES), CB_SETCURSEL, 1, 0);
        ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDC_AF_EXHAUST_VALVES, CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(testing_harness::FindControl(dialog, IDC_AF_EXHAUST_VALVES)));
        TypeInto(dialog, IDC_AF_NOTES, "bench at 28");
        FocusOn(dialog, LiftId(true, 0));
        SaveScreenshot(dialog, "airflow_dialog.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    EXPECT_EQ("Ported Heads", std::string(doc_.headFlow.GetDescription()));
    EXPECT_EQ("bench at 28", std::string(doc_.headFlow.GetNotes()));
    EXPECT_FLOAT_EQ(2.02f, doc_.headFlow.intake.testDiameter.GetValue());
    EXPECT_EQ(2, doc_.headFlow.GetExhaustValvesPerPort());
    EXPECT_EQ(2, doc_.exhaustValvesPerCylinder.GetValue());
    EXPECT_FALSE(GetLeadFlag(doc_.headFlow));
    EXPECT_FALSE(doc_.airflowFile.IsSet());
    EXPECT_EQ("Ported Heads", std::string(doc_.cylinderHeadType.GetTypeName()));
}

TEST_F(AirFlowDlgTest, OpenSaveAsAndTheFileAssociation) {
    // A six-point file written by the model, and the same file cut short.
    CylHeadFlow six;
    six.LoadPreset(3);
    six.SetDescription("Six Points");
    six.SetNumPoints(6);
    six.FillIntakeLifts(4);
    six.FillExhaustLifts(4);
    six.FillNextPoint();
    const std::string sixPath = FlowPath("six.flw");
    ASSERT_TRUE(six.SaveToFile(sixPath.c_str()));
    const std::string cutPath = FlowPath("cut.flw");
    WriteCutCopy(sixPath, cutPath);
    const std::string savedPath = FlowPath("saved.flw");
    ::DeleteFileA(savedPath.c_str());

    OpenDialog([&](HWND dialog) {
        TypeInto(dialog, IDC_AF_DESCRIPTION, "Typed");
        TypeInto(dialog, LiftId(true, 1), "0.110");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        // A file that fails to read leaves the shown data as they were.
        AnswerFileDialog("Open", cutPath);
        ModalDriver::Instance().Answer("", IDOK);  // the read error
        ModalDriver::PressButton(dialog, IDC_AF_OPEN);
        PumpPending();
        ASSERT_EQ(3u, ModalDriver::Instance().Boxes().size());
        EXPECT_EQ("Typed", TextOf(dialog, IDC_AF_DESCRIPTION));
        EXPECT_EQ("0.110", TextOf(dialog, LiftId(true, 1)));
        EXPECT_EQ("4", TextOf(dialog, IDC_AF_POINTS));
        EXPECT_EQ("", TextOf(dialog, IDC_AF_FILE_NAME));

        // Opening the six-point file enables six rows and moves the spin.
        AnswerFileDialog("Open", sixPath);
        ModalDriver::PressButton(dialog, IDC_AF_OPEN);
        PumpPending();
        EXPECT_EQ("Six Points", TextOf(dialog, IDC_AF_DESCRIPTION));
        EXPECT_EQ(6, SpinPosition(dialog));
        EXPECT_TRUE(Enabled(dialog, LiftId(false, 5)));
        EXPECT_FALSE(Enabled(dialog, LiftId(false, 6)));
        EXPECT_NE(std::string::npos, TextOf(dialog, IDC_AF_FILE_NAME).find("six.flw"));
        ModalDriver::PressButton(dialog, IDOK);
    });
    // Unchanged data keep their file.
    EXPECT_EQ(6, doc_.headFlow.GetNumPoints());
    ASSERT_TRUE(doc_.airflowFile.IsSet());
    EXPECT_NE(std::string::npos, std::string(doc_.airflowFile.GetText()).find("six.flw"));

    // Edited after the open: warning 108; OK there drops the file association.
    OpenDialog([&](HWND dialog) {
        EXPECT_NE(std::string::npos, TextOf(dialog, IDC_AF_FILE_NAME).find("six.flw"));
        TypeInto(dialog, FlowId(true, 0), "123");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        PressOkRefusedThenConfirmed(dialog);
    });
    EXPECT_FALSE(doc_.airflowFile.IsSet());
    EXPECT_FLOAT_EQ(123.0f, doc_.headFlow.intake.airflow[0].GetValue());

    // Save As writes what is shown and makes it the data's file.
    OpenDialog([&](HWND dialog) {
        TypeInto(dialog, FlowId(true, 1), "150");
        FocusOn(dialog, IDC_AF_DESCRIPTION);
        AnswerFileDialog("Save", savedPath);
        ModalDriver::PressButton(dialog, IDC_AF_SAVE_AS);
        PumpPending();
        EXPECT_NE(std::string::npos, TextOf(dialog, IDC_AF_FILE_NAME).find("saved.flw"));
        ModalDriver::PressButton(dialog, IDOK);
    });
    ASSERT_TRUE(doc_.airflowFile.IsSet());
    EXPECT_NE(std::string::npos, std::string(doc_.airflowFile.GetText()).find("saved.flw"));
    CylHeadFlow saved;
    ASSERT_TRUE(saved.LoadFromFile(savedPath.c_str()));
    EXPECT_FLOAT_EQ(150.0f, saved.intake.airflow[1].GetValue());
    EXPECT_EQ(6, saved.GetNumPoints());
    for (const std::string& path : {sixPath, cutPath, savedPath}) ::DeleteFileA(path.c_str());
}

}  // namespace
