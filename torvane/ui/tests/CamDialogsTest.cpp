// The camshaft dialogs opened by the document's commands and driven through
// their controls: the custom cam description, the cam event calculator (its
// formulas as a table of cases) and the cam manager with its texts, lifter,
// ramp rate, Clear, Open, Save, OK, Apply and Cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/TorvaneCommandIds.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/CamResources.h"
#include "torvane/res/CamSheetResources.h"
#include "torvane/services/TorvaneShellServices.h"
#include "torvane/ui/CamDlg.h"
#include "torvane/ui/CamMathDlg.h"
#include "torvane/ui/CamTypeDlg.h"
#include "torvane/ui/tests/DialogTestSupport.h"

using testing_harness::FindControl;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;
using namespace torvane;

namespace {

const char kManagerCaption[] = "Torvane Cam Manager";
const char kMathCaption[] = "Cam Math Calculator";
const char kTypeCaption[] = "Enter a Custom Cam Description";

class CamDialogsTest : public TorvaneDocTest {
protected:
    void SetUp() override {
        ComponentDialogs dialogs;
        dialogs.chooseCamTypeName = ChooseCamTypeName;
        dialogs.manageCam = ManageCam;
        dialogs.calculateCamEvents = CalculateCamEvents;
        InstallComponentDialogs(dialogs);
        folder_ = UseTestProgramFolder("TorvaneCamDialogsTest", "CamFiles (.CAM)");
    }
    void TearDown() override { InstallComponentDialogs(ComponentDialogs()); }

    // Sends `command` to the document; the dialog captioned `caption` is
    // handed to `drive`.
    void Drive(UINT command, const char* caption, const ModalDriver::Action& drive) {
        bool ran = false;
        ModalDriver::Instance().Handle(caption, [&](HWND dialog) {
            ran = true;
            drive(dialog);
        });
        SendCommand(doc_, command);
        EXPECT_TRUE(ran) << caption;
    }
    void DriveManager(const ModalDriver::Action& drive) { Drive(kCmdCamManager, kManagerCaption, drive); }

    std::string CamPath(const char* name) const { return folder_ + "\\CamFiles (.CAM)\\" + name; }

    // The last box's caption and text.
    static const testing_harness::BoxRecord& LastBox() { return ModalDriver::Instance().Boxes().back(); }
    static size_t BoxCount() { return ModalDriver::Instance().Boxes().size(); }

    CTorvaneDoc doc_;
    std::string folder_;
};

CCamDlg* ManagerOf(HWND dialog) { return static_cast<CCamDlg*>(CWnd::FromHandlePermanent(dialog)); }
HWND SpecsPage(HWND dialog) { return ManagerOf(dialog)->GetSheet().GetSpecsPage().m_hWnd; }

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(FindControl(dialog, id)) != FALSE; }
bool Visible(HWND dialog, int id) { return (::GetWindowLongA(FindControl(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0; }
bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

int BarPosition(HWND dialog) {
    return static_cast<int>(::SendMessage(FindControl(dialog, IDC_CAM_RAMP_BAR), TBM_GETPOS, 0, 0));
}

// A key pressed on the focused track bar, which tells the dialog by WM_VSCROLL.
void PressOnBar(HWND dialog, UINT key) {
    HWND bar = FindControl(dialog, IDC_CAM_RAMP_BAR);
    ::SetFocus(bar);
    ::SendMessage(bar, WM_KEYDOWN, key, 0);
    ::SendMessage(bar, WM_KEYUP, key, 0);
    PumpPending();
}

// Picks a list entry of a combo box and leaves it, as the keyboard does.
void PickEntry(HWND dialog, int id, int index) {
    FocusOn(dialog, id);
    ::SendMessage(FindControl(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    FocusOn(dialog, IDC_CAM_NAME);
}

// A seat-to-seat cam with a 0.050-inch second set, both lifts and a lifter.
void SetBothTimings(Cam& cam, float fiftyIvo, float fiftyIvc, float fiftyEvo, float fiftyEvc) {
    cam.SetTimingSeatToSeat();
    cam.SetSeatToSeatLimits();
    cam.primary.ivo.SetValue(20);
    cam.primary.ivc.SetValue(52);
    cam.primary.evo.SetValue(56);
    cam.primary.evc.SetValue(16);
    cam.alternate.method.SetType(kFiftyThou, "0.050-inch");
    cam.alternate.ivo.SetLimits(-25, 50);
    cam.alternate.ivc.SetLimits(-10, 95);
    cam.alternate.evo.SetLimits(-10, 105);
    cam.alternate.evc.SetLimits(-25, 50);
    cam.alternate.ivo.SetValue(fiftyIvo);
    cam.alternate.ivc.SetValue(fiftyIvc);
    cam.alternate.evo.SetValue(fiftyEvo);
    cam.alternate.evc.SetValue(fiftyEvc);
    cam.ComputeFromEvents();
}

// ---- Custom cam description

TEST_F(CamDialogsTest, CustomCamDescriptionIsTrimmedAndRequired) {
    BuildChevy350(doc_);
    doc_.camDataFile.ParseAndSet("C:\\cams\\old.cam", false);
    const std::string before(doc_.cam.camshaftType.GetTypeName());
    Drive(kCmdCustomCamType, kTypeCaption, [&](HWND dialog) {
        // Pre-filled with the current camshaft's name.
        EXPECT_EQ(before, TextOf(dialog, IDC_CT_DESCRIPTION));
        TypeInto(dialog, IDC_CT_DESCRIPTION, "   ");
        ModalDriver::Instance().Answer("Incomplete Engine", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        ASSERT_EQ(2u, BoxCount());
        EXPECT_NE(std::string::npos, LastBox().text.find("Cam Description")) << LastBox().text;
        TypeInto(dialog, IDC_CT_DESCRIPTION, "  My Cam  ");
        SaveScreenshot(dialog, "cam_type.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    EXPECT_EQ(7, doc_.cam.camshaftType.GetValue());
    EXPECT_EQ("My Cam", std::string(doc_.cam.camshaftType.GetTypeName()));
    EXPECT_FALSE(doc_.camDataFile.IsSet());

    // Cancel changes nothing.
    Drive(kCmdCustomCamType, kTypeCaption, [&](HWND dialog) {
        EXPECT_EQ("My Cam", TextOf(dialog, IDC_CT_DESCRIPTION));
        TypeInto(dialog, IDC_CT_DESCRIPTION, "Other");
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ("My Cam", std::string(doc_.cam.camshaftType.GetTypeName()));
}

// ---- Cam event calculator

TEST_F(CamDialogsTest, CamEventFormulasTable) {
    struct EventCase {
        const char* what;
        int method;
        float lobeCenter, intakeCenter, intakeDuration, exhaustDuration;
        // Expected events; kUnset where the result leaves its limits.
        float ivo, ivc, evo, evc, exhaustCenter;
        unsigned short code;  // of the Apply check with both lifts set
    };
    const float kUnset = -999.0f;
    const EventCase cases[] = {
        {"a street cam card", kSeatToSeat, 110, 106, 270, 270, 29, 61, 69, 21, 114, 0},
        {"split durations", kSeatToSeat, 112, 108, 280, 290, 32, 68, 81, 29, 116, 0},
        {"0.050-inch card with negative events", kFiftyThou, 106, 102, 200, 210, -2, 22, 35, -5, 110, 0},
        {"IVO below its limits", kSeatToSeat, 110, 140, 200, 270, kUnset, 60, 35, 55, 80, 34},
        {"IVC beyond its limits", kSeatToSeat, 120, 130, 360, 270, 50, kUnset, 65, 25, 110, 35},
        {"EVO beyond its limits", kSeatToSeat, 140, 110, 250, 400, 15, 55, kUnset, 30, 170, 36},
        {"EVC below its limits (0.050-inch)", kFiftyThou, 120, 100, 220, 200, 10, 30, 60, kUnset, 140, 37},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.what);
        Cam cam;
        if (c.method == kSeatToSeat) {
            cam.SetTimingSeatToSeat();
            cam.SetSeatToSeatLimits();
        } else {
            cam.SetTiming050Inch();
            cam.Set050InchLimits();
        }
        cam.intakeLift.SetValue(0.5f);
        cam.exhaustLift.SetValue(0.5f);
        CCamEventCalculation calc(cam);
        Cam& work = calc.GetCam();
        work.lobeCenterAngle.SetValue(c.lobeCenter);
        work.intakeCenterline.SetValue(c.intakeCenter);
        work.intakeDuration.SetValue(c.intakeDuration);
        work.exhaustDuration.SetValue(c.exhaustDuration);
        calc.Compute();
        const struct {
            const CFloatPtSpec& field;
            float expected;
        } results[] = {{work.primary.ivo, c.ivo},
                       {work.primary.ivc, c.ivc},
                       {work.primary.evo, c.evo},
                       {work.primary.evc, c.evc},
                       {work.exhaustCenterline, c.exhaustCenter}};
        for (const auto& result : results) {
            if (result.expected == kUnset) {
                EXPECT_FALSE(result.field.IsSet()) << result.field.GetName();
            } else {
                ASSERT_TRUE(result.field.IsSet()) << result.field.GetName();
                EXPECT_FLOAT_EQ(result.expected, result.field.GetValue()) << result.field.GetName();
            }
        }
        if (c.ivo != kUnset && c.evc != kUnset)
            EXPECT_FLOAT_EQ(c.ivo + c.evc, work.valveOverlap.GetValue());
        unsigned short code = 0;
        EXPECT_EQ(c.code == 0, calc.Validate(code));
        if (c.code != 0) EXPECT_EQ(c.code, code);
    }
}

TEST_F(CamDialogsTest, CamEventChecksInOrder) {
    // Each row leaves out one more input, from the end of the check order.
    Cam cam;
    cam.SetTimingSeatToSeat();
    CCamEventCalculation calc(cam);
    Cam& work = calc.GetCam();
    CFloatPtSpec* inputs[] = {&work.exhaustLift,      &work.intakeLift,       &work.exhaustDuration,
                              &work.intakeDuration, &work.intakeCenterline, &work.lobeCenterAngle};
    const unsigned short codes[] = {33, 32, 41, 40, 38, 39};
    work.lobeCenterAngle.SetValue(110);
    work.intakeCenterline.SetValue(106);
    work.intakeDuration.SetValue(270);
    work.exhaustDuration.SetValue(270);
    work.intakeLift.SetValue(0.5f);
    work.exhaustLift.SetValue(0.5f);
    calc.Compute();
    unsigned short code = 0;
    EXPECT_TRUE(calc.Validate(code));
    for (size_t i = 0; i < std::size(inputs); ++i) {
        inputs[i]->Clear();
        calc.Compute();
        EXPECT_FALSE(calc.Validate(code));
        EXPECT_EQ(codes[i], code) << inputs[i]->GetName();
    }
    // Without the angles no event is left.
    EXPECT_FALSE(work.primary.ivo.IsSet());
    EXPECT_FALSE(work.primary.evc.IsSet());
}

TEST_F(CamDialogsTest, CamMathDialogComputesRefusesAndApplies) {
    SendCommand(doc_, kCmdTimingSeatToSeat);
    doc_.camDataFile.ParseAndSet("C:\\cams\\old.cam", false);
    Drive(kCmdCamMath, kMathCaption, [&](HWND dialog) {
        EXPECT_EQ("Enter Cam Timing Specs @ Seat-To-Seat", TextOf(dialog, IDC_CM_INPUT_GROUP));
        EXPECT_EQ("Calculated Valve Timing Points @ Seat-To-Seat", TextOf(dialog, IDC_CM_RESULT_GROUP));
        EXPECT_EQ("in", TextOf(dialog, IDC_CM_UNIT_INTAKE_LIFT));
        EXPECT_TRUE(Enabled(dialog, IDC_CM_INTAKE_LIFT));
        EXPECT_EQ("", TextOf(dialog, IDC_CM_IVO));

        // Nothing typed: Apply asks for the lobe-centre angle first.
        ModalDriver::Instance().Answer("", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        ASSERT_EQ(2u, BoxCount());
        EXPECT_NE(std::string::npos, LastBox().text.find("Lobe Center")) << LastBox().text;

        TypeInto(dialog, IDC_CM_LOBE_CENTER, "110");
        TypeInto(dialog, IDC_CM_INTAKE_CENTERLINE, "106");
        TypeInto(dialog, IDC_CM_INTAKE_DURATION, "270");
        TypeInto(dialog, IDC_CM_EXHAUST_DURATION, "270");
        FocusOn(dialog, IDC_CM_INTAKE_LIFT);
        EXPECT_EQ("29.0", TextOf(dialog, IDC_CM_IVO));
        EXPECT_EQ("61.0", TextOf(dialog, IDC_CM_IVC));
        EXPECT_EQ("69.0", TextOf(dialog, IDC_CM_EVO));
        EXPECT_EQ("21.0", TextOf(dialog, IDC_CM_EVC));
        EXPECT_EQ("110", TextOf(dialog, IDC_CM_LOBE_CENTER));  // kept as typed
        EXPECT_NE("", TextOf(dialog, IDC_CM_HELP));            // the lift's prompt

        // The lifts are still missing: error 32.
        ModalDriver::Instance().Answer("", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        ASSERT_EQ(3u, BoxCount());
        EXPECT_NE(std::string::npos, LastBox().text.find("Lift")) << LastBox().text;

        // A lift out of its range: beep and the focus back, no box.
        TypeInto(dialog, IDC_CM_INTAKE_LIFT, "9");
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(FindControl(dialog, IDC_CM_INTAKE_LIFT), ::GetFocus());
        EXPECT_EQ(3u, BoxCount());

        TypeInto(dialog, IDC_CM_INTAKE_LIFT, "0.5");
        TypeInto(dialog, IDC_CM_EXHAUST_LIFT, "0.48");
        FocusOn(dialog, IDC_CM_LOBE_CENTER);
        SaveScreenshot(dialog, "cam_math.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    EXPECT_FLOAT_EQ(29.0f, doc_.cam.primary.ivo.GetValue());
    EXPECT_FLOAT_EQ(61.0f, doc_.cam.primary.ivc.GetValue());
    EXPECT_FLOAT_EQ(69.0f, doc_.cam.primary.evo.GetValue());
    EXPECT_FLOAT_EQ(21.0f, doc_.cam.primary.evc.GetValue());
    EXPECT_FLOAT_EQ(0.48f, doc_.cam.exhaustLift.GetValue());
    EXPECT_STREQ("Nominal Intake Valve Opening", doc_.cam.primary.ivo.GetName());
    // The changed cam no longer matches its file, and the engine is modified.
    EXPECT_FALSE(doc_.camDataFile.IsSet());
    EXPECT_TRUE(doc_.IsModified());

    // Cancel leaves the cam alone.
    Drive(kCmdCamMath, kMathCaption, [&](HWND dialog) {
        EXPECT_EQ("29.0", TextOf(dialog, IDC_CM_IVO));
        TypeInto(dialog, IDC_CM_INTAKE_CENTERLINE, "100");
        FocusOn(dialog, IDC_CM_LOBE_CENTER);
        EXPECT_EQ("35.0", TextOf(dialog, IDC_CM_IVO));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_FLOAT_EQ(29.0f, doc_.cam.primary.ivo.GetValue());
}

TEST_F(CamDialogsTest, CamMathGoesThroughTheChangeConfirmation) {
    BuildChevy350(doc_);
    const float ivoBefore = doc_.cam.primary.ivo.GetValue();
    doc_.CreateIterators();
    doc_.GetCoarseIterator()->SetHasResults(true);
    doc_.SetSweepResultsInvalidated(false);
    doc_.cam.SetAutoValveLift(true);
    Drive(kCmdCamMath, kMathCaption, [&](HWND dialog) {
        // Automatic lifts are not typed here.
        EXPECT_FALSE(Enabled(dialog, IDC_CM_INTAKE_LIFT));
        EXPECT_FALSE(Enabled(dialog, IDC_CM_EXHAUST_LIFT));
        TypeInto(dialog, IDC_CM_LOBE_CENTER, "110");
        TypeInto(dialog, IDC_CM_INTAKE_CENTERLINE, "106");
        TypeInto(dialog, IDC_CM_INTAKE_DURATION, "260");
        TypeInto(dialog, IDC_CM_EXHAUST_DURATION, "270");
        FocusOn(dialog, IDC_CM_LOBE_CENTER);
        // Refused: the sweep results are kept and the dialog stays.
        ModalDriver::Instance().Answer("Warning!", IDCANCEL);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_FLOAT_EQ(ivoBefore, doc_.cam.primary.ivo.GetValue());
    EXPECT_FALSE(doc_.AreSweepResultsInvalidated());
    ASSERT_EQ(2u, BoxCount());
    EXPECT_EQ("Warning!", ModalDriver::Instance().Boxes()[1].caption);
}

// ---- Cam manager

TEST_F(CamDialogsTest, RampBarConversions) {
    const struct {
        int position;
        float rate;
    } cases[] = {{10, 6.0f}, {20, 5.0f}, {27, 4.3f}, {40, 3.0f}, {59, 1.1f}, {60, 1.0f}};
    for (const auto& c : cases) {
        EXPECT_NEAR(c.rate, CCamDlg::RampRateAt(c.position), 1e-5f) << c.position;
        EXPECT_EQ(c.position, CCamDlg::PositionOf(CCamDlg::RampRateAt(c.position))) << c.position;
    }
    // The bar never yields less than 1 or more than 6.
    EXPECT_FLOAT_EQ(6.0f, CCamDlg::RampRateAt(0));
    EXPECT_FLOAT_EQ(1.0f, CCamDlg::RampRateAt(70));
    EXPECT_EQ(31, CCamDlg::PositionOf(3.9f));
}

TEST_F(CamDialogsTest, ManagerOnANewEngineRefusesAnIncompleteCamAndCancelChangesNothing) {
    DriveManager([&](HWND dialog) {
        EXPECT_EQ("3.00", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        EXPECT_EQ(40, BarPosition(dialog));
        EXPECT_EQ("Custom", TextOf(dialog, IDC_CAM_NAME));
        EXPECT_EQ("", TextOf(dialog, IDC_CAM_FILE_NAME));
        EXPECT_TRUE(Checked(dialog, IDC_CAM_RAMP_MANUAL));
        EXPECT_TRUE(Enabled(dialog, IDC_CAM_RAMP_BAR));
        EXPECT_EQ("Camshaft Timing Diagram (Seat-To-Seat Timing Specs)", TextOf(dialog, IDC_CAM_CHART_GROUP));
        EXPECT_EQ(CB_ERR, ::SendMessage(FindControl(dialog, IDC_CAM_LIFTER), CB_GETCURSEL, 0, 0));
        EXPECT_EQ(23, ::SendMessage(FindControl(dialog, IDC_CAM_ENGINE), CB_GETCOUNT, 0, 0));
        EXPECT_EQ(21, ::SendMessage(FindControl(dialog, IDC_CAM_USAGE), CB_GETCOUNT, 0, 0));

        // One step down the bar is 0.1 less; a page up is 1.0 more.
        PressOnBar(dialog, VK_DOWN);
        EXPECT_EQ("2.90", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        PressOnBar(dialog, VK_PRIOR);
        EXPECT_EQ("3.90", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        EXPECT_EQ(31, BarPosition(dialog));

        // A refused entry on a page: OK beeps and puts the focus back there.
        HWND specs = SpecsPage(dialog);
        EXPECT_NE(nullptr, specs);
        TypeInto(specs, IDC_CS_SEAT_DURATION_IN, "999");
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(FindControl(specs, IDC_CS_SEAT_DURATION_IN), ::GetFocus());
        EXPECT_EQ(1u, BoxCount());
        TypeInto(specs, IDC_CS_SEAT_DURATION_IN, "260");

        TypeInto(dialog, IDC_CAM_MANUFACTURER, "  Lobe Works  ");
        PickEntry(dialog, IDC_CAM_LIFTER, 2);  // "Solid"
        // The events are missing: the numbered message, and the dialog stays.
        ModalDriver::Instance().Answer("Incomplete Engine", IDOK);
        ModalDriver::PressButton(dialog, IDOK);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        ASSERT_EQ(2u, BoxCount());
        EXPECT_NE(std::string::npos, LastBox().text.find("Lift")) << LastBox().text;
        // Stored trimmed.
        EXPECT_EQ("Lobe Works", std::string(ManagerOf(dialog)->GetActiveCam()->GetText(kCamTextManufacturer)));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ("", std::string(doc_.cam.GetText(kCamTextManufacturer)));
    EXPECT_FALSE(doc_.cam.lifterType.IsSet());
    EXPECT_FLOAT_EQ(3.0f, doc_.cam.rampRate.GetValue());
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(CamDialogsTest, ManagerOkAppliesTextsLifterAndRateAndKeepsTextsAcrossMethods) {
    BuildChevy350(doc_);
    doc_.SetModifiedFlag(FALSE);
    const std::string camName(doc_.cam.camshaftType.GetTypeName());
    DriveManager([&](HWND dialog) {
        CCamDlg* manager = ManagerOf(dialog);
        ASSERT_NE(nullptr, manager);
        EXPECT_EQ(camName, TextOf(dialog, IDC_CAM_NAME));
        TypeInto(dialog, IDC_CAM_NAME, "Lumpy Grind");
        TypeInto(dialog, IDC_CAM_MANUFACTURER, "Lobe Works");
        TypeInto(dialog, IDC_CAM_APPLICATION, "Street and strip");
        PickEntry(dialog, IDC_CAM_ENGINE, 4);  // "Chevy"
        PickEntry(dialog, IDC_CAM_LIFTER, 3);  // "Roller Solid"
        PressOnBar(dialog, VK_UP);
        const std::string rate = TextOf(dialog, IDC_CAM_RAMP_VALUE);

        // The other timing method, chosen on the specification page, shows
        // the same texts and name.
        ClickRadio(SpecsPage(dialog), IDC_CS_FIFTY_THOU);
        EXPECT_EQ(kFiftyThou, manager->GetTimingMethod());
        EXPECT_EQ("Camshaft Timing Diagram (0.050-inch Timing Specs)", TextOf(dialog, IDC_CAM_CHART_GROUP));
        EXPECT_EQ("Lumpy Grind", TextOf(dialog, IDC_CAM_NAME));
        EXPECT_EQ("Lobe Works", TextOf(dialog, IDC_CAM_MANUFACTURER));
        EXPECT_EQ("Street and strip", TextOf(dialog, IDC_CAM_APPLICATION));
        EXPECT_EQ("Chevy", TextOf(dialog, IDC_CAM_ENGINE));
        EXPECT_EQ(rate, TextOf(dialog, IDC_CAM_RAMP_VALUE));
        TypeInto(dialog, IDC_CAM_WEB, "lobe.example");
        FocusOn(dialog, IDC_CAM_NAME);
        ClickRadio(SpecsPage(dialog), IDC_CS_SEAT_TO_SEAT);
        EXPECT_EQ("lobe.example", TextOf(dialog, IDC_CAM_WEB));
        EXPECT_EQ("Lobe Works", TextOf(dialog, IDC_CAM_MANUFACTURER));
        SaveScreenshot(dialog, "cam_manager.png");
        ModalDriver::PressButton(dialog, IDOK);
    });
    EXPECT_EQ("Lumpy Grind", std::string(doc_.cam.camshaftType.GetTypeName()));
    EXPECT_EQ("Lobe Works", std::string(doc_.cam.GetText(kCamTextManufacturer)));
    EXPECT_EQ("lobe.example", std::string(doc_.cam.GetText(kCamTextWeb)));
    EXPECT_EQ("Chevy", std::string(doc_.cam.GetText(kCamTextEngine)));
    EXPECT_EQ("Street and strip", std::string(doc_.cam.GetText(kCamTextApplication)));
    EXPECT_EQ(3, doc_.cam.lifterType.GetValue());
    EXPECT_EQ(kSeatToSeat, doc_.cam.primary.method.GetValue());
    EXPECT_EQ(kFiftyThou, doc_.cam.alternate.method.GetValue());
    EXPECT_FALSE(GetLeadFlag(doc_.cam));
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(CamDialogsTest, ManualRateComesBackAfterAnUndefinedAutoRate) {
    BuildChevy350(doc_);
    const float rateBefore = doc_.cam.rampRate.GetValue();
    DriveManager([&](HWND dialog) {
        const std::string shown = TextOf(dialog, IDC_CAM_RAMP_VALUE);
        // No 0.050-inch timing: warning 107; Cancel goes back to Manual.
        ModalDriver::Instance().Answer("Important!", IDCANCEL);
        ClickRadio(dialog, IDC_CAM_RAMP_AUTO);
        PumpPending();
        ASSERT_EQ(2u, BoxCount());
        EXPECT_NE(std::string::npos, LastBox().text.find("amp")) << LastBox().text;
        EXPECT_TRUE(Checked(dialog, IDC_CAM_RAMP_MANUAL));
        EXPECT_FALSE(Checked(dialog, IDC_CAM_RAMP_AUTO));
        EXPECT_EQ(FindControl(dialog, IDC_CAM_RAMP_MANUAL), ::GetFocus());
        EXPECT_EQ(shown, TextOf(dialog, IDC_CAM_RAMP_VALUE));

        // OK keeps Auto with the rate undefined.
        ModalDriver::Instance().Answer("Important!", IDOK);
        ClickRadio(dialog, IDC_CAM_RAMP_AUTO);
        PumpPending();
        EXPECT_TRUE(Checked(dialog, IDC_CAM_RAMP_AUTO));
        EXPECT_EQ("***", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        EXPECT_EQ("Undefined", TextOf(dialog, IDC_CAM_RAMP_LABEL_1));
        EXPECT_FALSE(Visible(dialog, IDC_CAM_RAMP_LABEL_6));
        EXPECT_FALSE(Enabled(dialog, IDC_CAM_RAMP_BAR));
        EXPECT_EQ(60, BarPosition(dialog));

        // Manual brings back the rate from before Auto.
        ClickRadio(dialog, IDC_CAM_RAMP_MANUAL);
        EXPECT_EQ(shown, TextOf(dialog, IDC_CAM_RAMP_VALUE));
        EXPECT_EQ("1  -  Low", TextOf(dialog, IDC_CAM_RAMP_LABEL_1));
        EXPECT_TRUE(Visible(dialog, IDC_CAM_RAMP_LABEL_6));
        EXPECT_TRUE(GetLeadFlag(*ManagerOf(dialog)->GetSeatToSeatCam()));
        ModalDriver::PressButton(dialog, IDOK);
    });
    // The value came back; the field is still the cam's own.
    EXPECT_FLOAT_EQ(rateBefore, doc_.cam.rampRate.GetValue());
    EXPECT_STREQ("Lifter Ramp Rate", doc_.cam.rampRate.GetName());
    EXPECT_TRUE(doc_.cam.rampRate.IsInRange(5.5f));
    EXPECT_FALSE(doc_.cam.GetMoreAccurateRampRate());
}

TEST_F(CamDialogsTest, AutoRateFromBothTimingsAndWideFiftyThouEventsGiveNoRate) {
    BuildChevy350(doc_);
    // 0.050-inch events inside the seat-to-seat ones: a rate.
    SetBothTimings(doc_.cam, 2, 30, 35, -2);
    DriveManager([&](HWND dialog) {
        ClickRadio(dialog, IDC_CAM_RAMP_AUTO);
        PumpPending();
        EXPECT_EQ(1u, BoxCount());
        const std::string rate = TextOf(dialog, IDC_CAM_RAMP_VALUE);
        EXPECT_NE("***", rate);
        EXPECT_FALSE(Enabled(dialog, IDC_CAM_RAMP_BAR));
        ModalDriver::PressButton(dialog, IDOK);
    });
    EXPECT_TRUE(doc_.cam.GetMoreAccurateRampRate());
    ASSERT_TRUE(doc_.cam.rampRate.IsSet());

    // As wide as the seat-to-seat events: the rate cannot be computed, and
    // the program goes on.
    SetBothTimings(doc_.cam, 25, 60, 60, 20);
    DriveManager([&](HWND dialog) {
        // Opened in Auto: the rate is recomputed without a message.
        EXPECT_TRUE(Checked(dialog, IDC_CAM_RAMP_AUTO));
        EXPECT_EQ("***", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        EXPECT_EQ(2u, BoxCount());  // the two dialogs
        ModalDriver::Instance().Answer("Important!", IDOK);
        ClickRadio(dialog, IDC_CAM_RAMP_AUTO);
        PumpPending();
        ASSERT_EQ(3u, BoxCount());
        EXPECT_EQ("Important!", LastBox().caption);
        EXPECT_EQ("***", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
}

TEST_F(CamDialogsTest, AccurateRampCommandOpensTheManagerWhenTheRateIsUndefined) {
    // A new engine's cam has no timing: warning 107, then the cam manager.
    ModalDriver::Instance().Answer("Important!", IDOK);
    Drive(kCmdAutoCamAccurate, kManagerCaption,
          [&](HWND dialog) { ModalDriver::PressButton(dialog, IDCANCEL); });
    EXPECT_TRUE(doc_.IsAutoCamAccurate());
    ASSERT_EQ(2u, BoxCount());
    EXPECT_EQ("Important!", ModalDriver::Instance().Boxes()[0].caption);
}

TEST_F(CamDialogsTest, OpenSaveAndTheFileAssociation) {
    CTorvaneDoc source;
    BuildChevy350(source);
    source.cam.SetText(kCamTextManufacturer, "From File");
    const std::string goodPath = CamPath("good.cam");
    ASSERT_TRUE(source.cam.SaveToFile(goodPath.c_str()));
    const std::string cutPath = CamPath("cut.cam");
    WriteCutCopy(goodPath, cutPath);

    DriveManager([&](HWND dialog) {
        TypeInto(dialog, IDC_CAM_MANUFACTURER, "Typed");
        FocusOn(dialog, IDC_CAM_NAME);
        // A file that fails to read leaves the dialog's data as they were.
        AnswerFileDialog("Open", cutPath);
        ModalDriver::Instance().Answer("", IDOK);  // the read error
        ModalDriver::PressButton(dialog, IDC_CAM_OPEN);
        PumpPending();
        ASSERT_EQ(3u, BoxCount());
        EXPECT_EQ("Typed", TextOf(dialog, IDC_CAM_MANUFACTURER));
        EXPECT_EQ("Custom", TextOf(dialog, IDC_CAM_NAME));
        EXPECT_EQ("", TextOf(dialog, IDC_CAM_FILE_NAME));
        EXPECT_EQ("Typed", std::string(ManagerOf(dialog)->GetActiveCam()->GetText(kCamTextManufacturer)));

        AnswerFileDialog("Open", goodPath);
        ModalDriver::PressButton(dialog, IDC_CAM_OPEN);
        PumpPending();
        EXPECT_EQ("good.cam", TextOf(dialog, IDC_CAM_FILE_NAME));
        EXPECT_EQ("From File", TextOf(dialog, IDC_CAM_MANUFACTURER));
        EXPECT_EQ(std::string(source.cam.camshaftType.GetTypeName()), TextOf(dialog, IDC_CAM_NAME));
        ModalDriver::PressButton(dialog, IDOK);
    });
    // Unchanged data keep their file.
    ASSERT_TRUE(doc_.camDataFile.IsSet());
    EXPECT_EQ(goodPath, std::string(doc_.camDataFile.GetText()));
    EXPECT_FLOAT_EQ(source.cam.primary.ivo.GetValue(), doc_.cam.primary.ivo.GetValue());

    // Edited after opening: warning 109; OK there drops the association.
    DriveManager([&](HWND dialog) {
        EXPECT_EQ("good.cam", TextOf(dialog, IDC_CAM_FILE_NAME));
        TypeInto(dialog, IDC_CAM_MANUFACTURER, "Changed");
        PressOkRefusedThenConfirmed(dialog);
    });
    EXPECT_FALSE(doc_.camDataFile.IsSet());
    EXPECT_EQ("Changed", std::string(doc_.cam.GetText(kCamTextManufacturer)));

    // Clear empties the dialog and forgets the file.
    DriveManager([&](HWND dialog) {
        ModalDriver::PressButton(dialog, IDC_CAM_CLEAR);
        PumpPending();
        EXPECT_EQ("Custom", TextOf(dialog, IDC_CAM_NAME));
        EXPECT_EQ("", TextOf(dialog, IDC_CAM_MANUFACTURER));
        EXPECT_EQ("3.00", TextOf(dialog, IDC_CAM_RAMP_VALUE));
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    for (const std::string& path : {goodPath, cutPath}) ::DeleteFileA(path.c_str());
}

TEST_F(CamDialogsTest, SaveWritesBothTimingsAsShown) {
    BuildChevy350(doc_);
    SetBothTimings(doc_.cam, 2, 30, 35, -2);
    // The 0.050-inch timing is the active one.
    ModalDriver::Instance().Answer("Important!", IDOK);  // the method change's warning
    SendCommand(doc_, kCmdTiming050Inch);
    ModalDriver::Instance().Reset();
    ASSERT_EQ(kFiftyThou, doc_.cam.primary.method.GetValue());
    const std::string savedPath = CamPath("saved.cam");
    ::DeleteFileA(savedPath.c_str());
    DriveManager([&](HWND dialog) {
        EXPECT_EQ("Camshaft Timing Diagram (0.050-inch Timing Specs)", TextOf(dialog, IDC_CAM_CHART_GROUP));
        TypeInto(dialog, IDC_CAM_MANUFACTURER, "Saved Here");
        // Saved by the keyboard: the typed text is part of the file.
        AnswerFileDialog("Save", savedPath);
        ModalDriver::PressButton(dialog, IDC_CAM_SAVE);
        PumpPending();
        EXPECT_EQ("saved.cam", TextOf(dialog, IDC_CAM_FILE_NAME));
        ModalDriver::PressButton(dialog, IDOK);
    });
    Cam saved;
    ASSERT_TRUE(saved.LoadFromFile(savedPath.c_str()));
    EXPECT_EQ("Saved Here", std::string(saved.GetText(kCamTextManufacturer)));
    EXPECT_EQ(kFiftyThou, saved.primary.method.GetValue());
    EXPECT_FLOAT_EQ(2.0f, saved.primary.ivo.GetValue());
    ASSERT_TRUE(saved.alternate.method.IsSet());
    EXPECT_EQ(kSeatToSeat, saved.alternate.method.GetValue());
    EXPECT_FLOAT_EQ(20.0f, saved.alternate.ivo.GetValue());
    EXPECT_FLOAT_EQ(16.0f, saved.alternate.evc.GetValue());
    // Nothing changed since the save: the engine keeps the file.
    ASSERT_TRUE(doc_.camDataFile.IsSet());
    EXPECT_EQ(savedPath, std::string(doc_.camDataFile.GetText()));
    ::DeleteFileA(savedPath.c_str());
}

TEST_F(CamDialogsTest, ApplyChangesTheEngineAfterItsConfirmationAndStaysOpen) {
    BuildChevy350(doc_);
    doc_.CreateIterators();
    doc_.GetCoarseIterator()->SetHasResults(true);
    doc_.SetSweepResultsInvalidated(false);
    DriveManager([&](HWND dialog) {
        TypeInto(dialog, IDC_CAM_MANUFACTURER, "Applied");
        ModalDriver::Instance().Answer("Warning!", IDCANCEL);
        ModalDriver::PressButton(dialog, IDC_CAM_APPLY);
        PumpPending();
        EXPECT_EQ("", std::string(doc_.cam.GetText(kCamTextManufacturer)));
        EXPECT_FALSE(doc_.AreSweepResultsInvalidated());
        ModalDriver::Instance().Answer("Warning!", IDOK);
        ModalDriver::PressButton(dialog, IDC_CAM_APPLY);
        PumpPending();
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ("Applied", std::string(doc_.cam.GetText(kCamTextManufacturer)));
        EXPECT_TRUE(doc_.AreSweepResultsInvalidated());
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ("Applied", std::string(doc_.cam.GetText(kCamTextManufacturer)));
}

}  // namespace
