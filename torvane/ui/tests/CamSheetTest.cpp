// The cam manager's specification and timing pages driven through their
// controls: the two working copies side by side, the rows of the inactive
// timing method, derived events and durations, lifts shared by both copies,
// events pushed out of their limits, refused entries and the help line.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/components/tests/CamTestSupport.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/CamSheetResources.h"
#include "torvane/ui/tests/CamSheetTestSupport.h"
#include "torvane/ui/tests/DialogTestSupport.h"

using testing_harness::ModalDriver;
using namespace torvane;

namespace {

const char kHelpText[] =
    "Use the 'Search' tab to locate and test any camfile or enter custom cam specs in the fields provided.";

// Seat-to-seat events 30/60/70/25 and 0.050-inch events 4/30/40/2, lifts 0.5 in.
Cam CardCam() {
    Cam cam;
    cam.Clear();
    cam.SetTiming050Inch();
    cam.Set050InchLimits();
    SetEvents(cam.primary, 4.0f, 30.0f, 40.0f, 2.0f);
    cam.alternate = cam.primary;
    cam.SetTimingSeatToSeat();
    cam.SetSeatToSeatLimits();
    SetEvents(cam.primary, 30.0f, 60.0f, 70.0f, 25.0f);
    cam.intakeLift.SetValue(0.5f);
    cam.exhaustLift.SetValue(0.5f);
    return cam;
}

bool Enabled(HWND page, int id) { return ::IsWindowEnabled(testing_harness::FindControl(page, id)) != FALSE; }
// Shown by its page (the page itself may be behind another tab).
bool Visible(HWND page, int id) {
    return (::GetWindowLongA(testing_harness::FindControl(page, id), GWL_STYLE) & WS_VISIBLE) != 0;
}
bool Checked(HWND page, int id) {
    return ::SendMessageA(testing_harness::FindControl(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
std::string Shown(const CFloatPtSpec& field) {
    CString text;
    if (field.IsSet()) field.FormatValue(text);
    return std::string(text);
}

class CamSheetTest : public TorvaneDocTest {};

TEST_F(CamSheetTest, InactiveMethodRowsFollowTheRampRateModeAndTheRadioButtonsSwitchTheCopy) {
    TestCamOwner owner(CardCam());
    owner.Show([&](HWND dialog) {
        HWND specs = owner.Page(owner.sheet.GetSpecsPage());
        HWND timing = owner.Page(owner.sheet.GetTimingPage());
        ASSERT_NE(nullptr, specs);
        ASSERT_NE(nullptr, timing);
        const int specsFifty[] = {IDC_CS_FIFTY_DURATION_IN, IDC_CS_FIFTY_DURATION_EX, IDC_CS_FIFTY_DURATION_LABEL_IN};
        const int specsSeat[] = {IDC_CS_SEAT_DURATION_IN, IDC_CS_SEAT_DURATION_EX, IDC_CS_SEAT_DURATION_LABEL_EX};
        const int timingFifty[] = {IDC_CT_FIFTY_IVO, IDC_CT_FIFTY_EVC, IDC_CT_FIFTY_EVO_LABEL};
        const int timingSeat[] = {IDC_CT_SEAT_IVO, IDC_CT_SEAT_EVC, IDC_CT_SEAT_IVC_LABEL};
        auto expectRows = [&](bool seat, bool fifty) {
            for (int id : specsSeat) EXPECT_EQ(seat, Enabled(specs, id)) << id;
            for (int id : timingSeat) EXPECT_EQ(seat, Enabled(timing, id)) << id;
            for (int id : specsFifty) EXPECT_EQ(fifty, Enabled(specs, id)) << id;
            for (int id : timingFifty) EXPECT_EQ(fifty, Enabled(timing, id)) << id;
        };

        // Manual mode, seat-to-seat active: only the seat-to-seat rows.
        EXPECT_TRUE(Checked(specs, IDC_CS_SEAT_TO_SEAT));
        EXPECT_FALSE(Checked(specs, IDC_CS_FIFTY_THOU));
        EXPECT_TRUE(Checked(timing, IDC_CT_SEAT_TO_SEAT));
        expectRows(true, false);
        EXPECT_FALSE(Visible(specs, IDC_CS_NOTE));
        EXPECT_FALSE(Visible(timing, IDC_CT_NOTE));
        EXPECT_EQ(Shown(owner.seatToSeat.primary.ivo), TextOf(timing, IDC_CT_SEAT_IVO));
        EXPECT_EQ(Shown(owner.fiftyThou.primary.ivo), TextOf(timing, IDC_CT_FIFTY_IVO));
        EXPECT_EQ(Shown(owner.seatToSeat.intakeDuration), TextOf(specs, IDC_CS_SEAT_DURATION_IN));
        EXPECT_EQ(Shown(owner.fiftyThou.intakeDuration), TextOf(specs, IDC_CS_FIFTY_DURATION_IN));
        SaveScreenshot(dialog, "cam_specs_page.png");

        // Automatic ramp rate needs both methods: both rows, and the note.
        owner.seatToSeat.SetMoreAccurateRampRate(true);
        owner.fiftyThou.SetMoreAccurateRampRate(true);
        owner.UpdateControls(nullptr);
        expectRows(true, true);
        EXPECT_TRUE(Visible(specs, IDC_CS_NOTE));
        EXPECT_TRUE(Visible(timing, IDC_CT_NOTE));

        // Back to manual; the 0.050-inch radio button makes that copy active
        // and marks both copies changed although no value changed.
        owner.seatToSeat.SetMoreAccurateRampRate(false);
        owner.fiftyThou.SetMoreAccurateRampRate(false);
        ClickRadio(specs, IDC_CS_FIFTY_THOU);
        EXPECT_EQ(kFiftyThou, owner.method);
        EXPECT_TRUE(GetLeadFlag(owner.seatToSeat));
        EXPECT_TRUE(GetLeadFlag(owner.fiftyThou));
        EXPECT_TRUE(Checked(timing, IDC_CT_FIFTY_THOU));
        EXPECT_FALSE(Checked(timing, IDC_CT_SEAT_TO_SEAT));
        expectRows(false, true);
        EXPECT_EQ(Shown(owner.fiftyThou.valveOverlap), TextOf(specs, IDC_CS_OVERLAP));

        // The same button again changes nothing.
        SetLeadFlag(owner.seatToSeat, false);
        SetLeadFlag(owner.fiftyThou, false);
        owner.sheet.SetActivePage(1);
        testing_harness::PumpPending();
        ClickRadio(timing, IDC_CT_FIFTY_THOU);
        EXPECT_FALSE(GetLeadFlag(owner.seatToSeat));
        EXPECT_FALSE(GetLeadFlag(owner.fiftyThou));
        SaveScreenshot(dialog, "cam_timing_page.png");

        // While a search runs the pages are disabled; enabled again, the rows
        // of the inactive method stay off.
        owner.EnableControls(FALSE);
        EXPECT_FALSE(Enabled(specs, IDC_CS_INTAKE_LIFT));
        EXPECT_FALSE(Enabled(timing, IDC_CT_FIFTY_THOU));
        owner.EnableControls(TRUE);
        EXPECT_TRUE(Enabled(specs, IDC_CS_INTAKE_LIFT));
        expectRows(false, true);
    });
}

TEST_F(CamSheetTest, EntriesDeriveTheirCopyAndSharedValuesReachBothCopies) {
    TestCamOwner owner(CardCam());
    owner.Show([&](HWND dialog) {
        HWND specs = owner.Page(owner.sheet.GetSpecsPage());
        HWND timing = owner.Page(owner.sheet.GetTimingPage());

        // The help line shows the focused field's prompt, then the page's text again.
        FocusOn(specs, IDC_CS_INTAKE_LIFT);
        EXPECT_NE(kHelpText, TextOf(specs, IDC_CS_HELP));
        EXPECT_NE("", TextOf(specs, IDC_CS_HELP));
        FocusOn(specs, IDC_CS_SEAT_TO_SEAT);
        EXPECT_EQ(kHelpText, TextOf(specs, IDC_CS_HELP));

        // The same value in another form changes nothing.
        TypeInto(specs, IDC_CS_SEAT_DURATION_IN, "270");
        FocusOn(specs, IDC_CS_SEAT_TO_SEAT);
        EXPECT_FALSE(GetLeadFlag(owner.seatToSeat));

        // A lift typed on one page is stored in both copies and shown on the other.
        TypeInto(specs, IDC_CS_INTAKE_LIFT, "0.55");
        FocusOn(specs, IDC_CS_SEAT_TO_SEAT);
        EXPECT_FLOAT_EQ(0.55f, owner.seatToSeat.intakeLift.GetValue());
        EXPECT_FLOAT_EQ(0.55f, owner.fiftyThou.intakeLift.GetValue());
        EXPECT_EQ(Shown(owner.seatToSeat.intakeLift), TextOf(timing, IDC_CT_INTAKE_LIFT));
        EXPECT_TRUE(GetLeadFlag(owner.seatToSeat));
        owner.sheet.SetActivePage(1);
        testing_harness::PumpPending();
        TypeInto(timing, IDC_CT_EXHAUST_LIFT, "0.6");
        FocusOn(timing, IDC_CT_SEAT_TO_SEAT);
        EXPECT_FLOAT_EQ(0.6f, owner.fiftyThou.exhaustLift.GetValue());
        EXPECT_EQ(Shown(owner.seatToSeat.exhaustLift), TextOf(specs, IDC_CS_EXHAUST_LIFT));

        // An event typed on the timing page gives that copy's durations.
        TypeInto(timing, IDC_CT_SEAT_IVO, "32");
        FocusOn(timing, IDC_CT_SEAT_TO_SEAT);
        EXPECT_FLOAT_EQ(272.0f, owner.seatToSeat.intakeDuration.GetValue());
        EXPECT_EQ(Shown(owner.seatToSeat.intakeDuration), TextOf(specs, IDC_CS_SEAT_DURATION_IN));

        // A 0.050-inch duration (its row open in automatic ramp-rate mode)
        // gives that copy's events.
        owner.seatToSeat.SetMoreAccurateRampRate(true);
        owner.fiftyThou.SetMoreAccurateRampRate(true);
        owner.sheet.SetActivePage(0);
        owner.UpdateControls(nullptr);
        testing_harness::PumpPending();
        const float centreline = owner.fiftyThou.intakeCenterline.GetValue();
        TypeInto(specs, IDC_CS_FIFTY_DURATION_IN, "220");
        FocusOn(specs, IDC_CS_SEAT_TO_SEAT);
        EXPECT_FLOAT_EQ(110.0f - centreline, owner.fiftyThou.primary.ivo.GetValue());
        EXPECT_EQ(Shown(owner.fiftyThou.primary.ivo), TextOf(timing, IDC_CT_FIFTY_IVO));

        // A centre line that pushes IVO out of its limits: error 106 once,
        // and IVO blank in both copies.
        ModalDriver::Instance().Answer("Cam Timing Error", IDOK);
        const size_t boxes = ModalDriver::Instance().Boxes().size();
        TypeInto(specs, IDC_CS_INTAKE_CENTERLINE, "140");
        FocusOn(specs, IDC_CS_SEAT_TO_SEAT);
        testing_harness::PumpPending();
        ASSERT_EQ(boxes + 1, ModalDriver::Instance().Boxes().size());
        EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes().back().text.find("IVO or IVC"));
        EXPECT_FALSE(owner.seatToSeat.primary.ivo.IsSet());
        EXPECT_FLOAT_EQ(140.0f, owner.fiftyThou.intakeCenterline.GetValue());
        EXPECT_FALSE(owner.fiftyThou.primary.ivo.IsSet());
        EXPECT_EQ("", TextOf(timing, IDC_CT_SEAT_IVO));

        // A value beyond the limits: refused, the focus comes back, nothing stored.
        TypeInto(specs, IDC_CS_LOBE_CENTER, "999");
        FocusOn(specs, IDC_CS_SEAT_TO_SEAT);
        EXPECT_EQ(testing_harness::FindControl(specs, IDC_CS_LOBE_CENTER), ::GetFocus());
        EXPECT_FALSE(owner.sheet.IsEntryAccepted());
        SaveScreenshot(dialog, "cam_specs_page_edited.png");
    });
}

}  // namespace
