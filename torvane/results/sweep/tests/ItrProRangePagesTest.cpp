// The sweep dialog's cam timing, induction and bore/stroke pages driven
// through their controls: the phase choice, tolerances and steps written
// into both working sweeps, test counts, event windows, limits with and
// without the displacement held, and the manifold list.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/components/EngineMath.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/results/sweep/tests/SweepPagesTestOwner.h"

using testing_harness::TextOf;
using namespace torvane;

namespace {

enum PageIndex { kCamPage = 0, kInductionPage = 1, kBoreStrokePage = 2 };

std::string Fixed3(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// The page's picture control shows its bitmap.
bool HoldsBitmap(HWND page, int id) {
    return SendDlgItemMessageW(page, id, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

class SweepRangePagesTest : public TorvaneDocTest {
protected:
    SweepRangePagesTest() {
        BuildChevy350(engine_);
        engine_.SetAutoRun(false);
        EXPECT_TRUE(engine_.RunSimulation(true, true));
    }
    CTorvaneDoc engine_;
};

const int kCoarseEvents[] = {IDC_ITC_COARSE_TOL_IVO, IDC_ITC_COARSE_TOL_IVC, IDC_ITC_COARSE_TOL_EVO,
                             IDC_ITC_COARSE_TOL_EVC};
const int kWindows[] = {IDC_ITC_WINDOW_IVO, IDC_ITC_WINDOW_IVC, IDC_ITC_WINDOW_EVO, IDC_ITC_WINDOW_EVC};

TEST_F(SweepRangePagesTest, CamPhasesSetBothSweepsAndShowCountsAndWindows) {
    TestSweepOwner owner(engine_);
    owner.Show(kCamPage, [&](HWND dialog, HWND page) {
        // First opening: excluded, with the defaults' counts (5 and 9 values
        // an event) and no windows.
        EXPECT_TRUE(IsChecked(page, IDC_ITC_EXCLUDE));
        EXPECT_EQ(TextOf(page, IDC_ITC_COARSE_TESTS), "625");
        EXPECT_EQ(TextOf(page, IDC_ITC_FINE_TESTS), "6561");
        EXPECT_EQ(SelectedItem(page, IDC_ITC_COARSE_TOL_IVO), "16");
        EXPECT_EQ(SelectedItem(page, IDC_ITC_FINE_STEP), "1");
        EXPECT_EQ(TextOf(page, IDC_ITC_COARSE_IVO), TextOf(page, IDC_ITC_FINE_IVO));
        EXPECT_FALSE(IsEnabled(page, IDC_ITC_COARSE_TOL_IVO));
        EXPECT_FALSE(IsEnabled(page, IDC_ITC_FINE_STEP));
        for (int id : kWindows) EXPECT_EQ(TextOf(page, id), "0.0");
        EXPECT_TRUE(HoldsBitmap(page, IDC_ITC_PICTURE));

        struct PhaseCase {
            int radio;
            bool coarse, fine;
            const char* window;
        };
        const PhaseCase cases[] = {{IDC_ITC_SINGLE, true, false, "32.0"},
                                   {IDC_ITC_DUAL, true, true, "40.0"},
                                   {IDC_ITC_EXCLUDE, false, false, "0.0"},
                                   {IDC_ITC_DUAL, true, true, "40.0"}};
        for (const PhaseCase& c : cases) {
            SCOPED_TRACE(c.radio);
            const int resets = owner.resets;
            ClickOn(page, c.radio);
            EXPECT_EQ(owner.resets, resets + 1);
            EXPECT_EQ(owner.lastAsker, &owner.cam);
            for (int slot = kSlotIntakeOpening; slot <= kSlotExhaustClosing; ++slot) {
                EXPECT_EQ(owner.coarse.GetVariable(slot).IsEnabled(), c.coarse);
                EXPECT_EQ(owner.fine.GetVariable(slot).IsEnabled(), c.fine);
            }
            EXPECT_EQ(IsEnabled(page, IDC_ITC_COARSE_TOL_EVC), c.coarse);
            EXPECT_EQ(IsEnabled(page, IDC_ITC_FINE_TOL_EVC), c.fine);
            EXPECT_EQ(owner.IsFinePhaseEnabled(), c.fine);
            for (int id : kWindows) EXPECT_EQ(TextOf(page, id), c.window);
        }
        SavePageScreenshot(dialog, "sweep-cam-page.png");

        // One event's tolerance moves its window alone; a step recounts.
        ChooseItem(page, IDC_ITC_COARSE_TOL_IVC, "24");
        EXPECT_FLOAT_EQ(owner.coarse.GetVariable(kSlotIntakeClosing).GetTolerance().GetValue(), 24.0f);
        EXPECT_EQ(TextOf(page, IDC_ITC_WINDOW_IVC), "56.0");
        EXPECT_EQ(TextOf(page, IDC_ITC_WINDOW_IVO), "40.0");
        EXPECT_EQ(TextOf(page, IDC_ITC_COARSE_TESTS), "875");  // 5 x 7 x 5 x 5
        ChooseItem(page, IDC_ITC_COARSE_STEP, "4");
        EXPECT_EQ(TextOf(page, IDC_ITC_COARSE_TESTS), "9477");  // 9 x 13 x 9 x 9
        EXPECT_EQ(TextOf(page, IDC_ITC_FINE_TESTS), "6561");

        // No tolerance anywhere: no tests, and the sweep refuses to run.
        for (int id : kCoarseEvents) ChooseItem(page, id, "0");
        EXPECT_EQ(TextOf(page, IDC_ITC_COARSE_TESTS), "0");
        unsigned short code = 0;
        EXPECT_FALSE(owner.coarse.Validate(code));
        EXPECT_EQ(code, 63);
    });
}

TEST_F(SweepRangePagesTest, BoreStrokeLimitsFollowTheTolerancesAndTheHeldDisplacement) {
    TestSweepOwner owner(engine_);
    const float bore = engine_.bore.GetValue();
    const float stroke = engine_.stroke.GetValue();
    const int cylinders = engine_.cylinders.GetValue();
    owner.Show(kBoreStrokePage, [&](HWND dialog, HWND page) {
        EXPECT_TRUE(IsChecked(page, IDC_ITB_EXCLUDE));
        EXPECT_TRUE(HoldsBitmap(page, IDC_ITB_PICTURE));
        EXPECT_EQ(TextOf(page, IDC_ITB_BORE_MIN), "0.000");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_COARSE_TOL_BORE), "0.500");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_COARSE_STEP), "0.125");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_FINE_TOL_STROKE), "0.080");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_FINE_STEP), "0.020");
        EXPECT_EQ(TextOf(page, IDC_ITB_COARSE_TESTS), "81");   // 9 x 9
        EXPECT_EQ(TextOf(page, IDC_ITB_FINE_TESTS), "81");

        ClickOn(page, IDC_ITB_SINGLE);
        EXPECT_TRUE(owner.coarse.GetVariable(kSlotBore).IsEnabled());
        EXPECT_FALSE(owner.fine.GetVariable(kSlotStroke).IsEnabled());
        EXPECT_EQ(TextOf(page, IDC_ITB_BORE_MIN), Fixed3(bore - 0.5f));
        EXPECT_EQ(TextOf(page, IDC_ITB_STROKE_MAX), Fixed3(stroke + 0.5f));
        EXPECT_EQ(TextOf(page, IDC_ITB_DISPLACEMENT_MAX),
                  Fixed3(EngineMathSweptVolume(bore + 0.5f, stroke + 0.5f) / 16.38706f * cylinders));
        ClickOn(page, IDC_ITB_DUAL);
        EXPECT_EQ(TextOf(page, IDC_ITB_BORE_MAX), Fixed3(bore + 0.58f));

        // Held displacement: the stroke follows the bore, and its limits
        // come from the displacement at the bore's limits.
        const int resets = owner.resets;
        ClickOn(page, IDC_ITB_HOLD_DISPLACEMENT);
        EXPECT_GT(owner.resets, resets);
        EXPECT_TRUE(owner.coarse.IsHoldDisplacement() && owner.fine.IsHoldDisplacement());
        EXPECT_TRUE(owner.coarse.IsStrokeFollowing());
        EXPECT_EQ(TextOf(page, IDC_ITB_COARSE_STROKE), "(Auto)");
        EXPECT_EQ(TextOf(page, IDC_ITB_FINE_STROKE), "(Auto)");
        EXPECT_NE(TextOf(page, IDC_ITB_COARSE_BORE), "(Auto)");
        const float displacement = engine_.totalBlockVolume.GetValue();
        EXPECT_EQ(TextOf(page, IDC_ITB_DISPLACEMENT_MIN), Fixed3(displacement));
        EXPECT_EQ(TextOf(page, IDC_ITB_DISPLACEMENT_MAX), Fixed3(displacement));
        EXPECT_EQ(TextOf(page, IDC_ITB_STROKE_MIN),
                  Fixed3(EngineMathStrokeFromDisplacement(displacement, cylinders, bore + 0.58f)));

        // A stroke tolerance makes the stroke the swept one.
        ChooseItem(page, IDC_ITB_COARSE_TOL_STROKE, "0.250");
        EXPECT_TRUE(owner.coarse.IsBoreFollowing() && owner.fine.IsBoreFollowing());
        EXPECT_EQ(TextOf(page, IDC_ITB_COARSE_BORE), "(Auto)");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_COARSE_TOL_BORE), "0");
        // The fine stroke stood still while it followed.
        const float strokeMax = stroke + 0.25f;
        EXPECT_EQ(TextOf(page, IDC_ITB_BORE_MIN),
                  Fixed3(EngineMathBoreFromDisplacement(displacement, cylinders, strokeMax)));
        SavePageScreenshot(dialog, "sweep-bore-stroke-page.png");

        // Letting go of the displacement starts both ranges afresh; the
        // phase choice stays.
        ChooseItem(page, IDC_ITB_FINE_STEP, "0.005");
        ClickOn(page, IDC_ITB_HOLD_DISPLACEMENT);
        EXPECT_FALSE(owner.coarse.IsHoldDisplacement() || owner.fine.IsHoldDisplacement());
        EXPECT_TRUE(IsChecked(page, IDC_ITB_DUAL));
        EXPECT_TRUE(owner.fine.GetVariable(kSlotBore).IsEnabled());
        EXPECT_EQ(SelectedItem(page, IDC_ITB_COARSE_TOL_BORE), "0.500");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_COARSE_TOL_STROKE), "0.500");
        EXPECT_EQ(SelectedItem(page, IDC_ITB_FINE_STEP), "0.020");
        EXPECT_EQ(TextOf(page, IDC_ITB_COARSE_BORE), TextOf(page, IDC_ITB_FINE_BORE));
        EXPECT_NE(TextOf(page, IDC_ITB_COARSE_STROKE), "(Auto)");
    });
}

TEST_F(SweepRangePagesTest, ManifoldBoxesKeepEachTypeOnceInTheList) {
    TestSweepOwner owner(engine_);
    CIterVariable& list = owner.coarse.GetVariable(kSlotManifoldList);
    owner.Show(kInductionPage, [&](HWND dialog, HWND page) {
        // The engine's own dual plane is listed; the list is excluded.
        EXPECT_TRUE(IsChecked(page, IDC_ITI_EXCLUDE));
        EXPECT_TRUE(IsChecked(page, IDC_ITI_DUAL_PLANE_STD));
        EXPECT_FALSE(IsEnabled(page, IDC_ITI_DUAL_PLANE_STD));
        EXPECT_EQ(TextOf(page, IDC_ITI_TESTS), "1");

        ClickOn(page, IDC_ITI_INCLUDE);
        EXPECT_TRUE(list.IsEnabled());
        EXPECT_TRUE(IsEnabled(page, IDC_ITI_SINGLE_PLANE_STD));
        EXPECT_FALSE(IsEnabled(page, IDC_ITI_FLOW_INCREASE));

        ClickOn(page, IDC_ITI_SINGLE_PLANE_STD);
        ClickOn(page, IDC_ITI_INDIVIDUAL_RUNNER);
        EXPECT_EQ(TextOf(page, IDC_ITI_TESTS), "3");
        EXPECT_TRUE(list.HasListType(1) && list.HasListType(kManifoldIndividualRunner));
        EXPECT_STREQ(list.GetListItem(1).GetTypeName().GetString(), TorvaneDocGetComponentName(33506));
        EXPECT_TRUE(IsEnabled(page, IDC_ITI_FLOW_INCREASE));
        ClickOn(page, IDC_ITI_FLOW_INCREASE);
        EXPECT_TRUE(owner.coarse.IsScaleRunnerFlow());
        SavePageScreenshot(dialog, "sweep-induction-page.png");

        // Unticking the engine's own manifold takes it out.
        ClickOn(page, IDC_ITI_DUAL_PLANE_STD);
        EXPECT_FALSE(list.HasListType(2));
        EXPECT_EQ(TextOf(page, IDC_ITI_TESTS), "2");
        ClickOn(page, IDC_ITI_INDIVIDUAL_RUNNER);
        EXPECT_FALSE(IsEnabled(page, IDC_ITI_FLOW_INCREASE));

        // Every box ticked: each type once.
        for (const SweepManifold& manifold : kSweepManifolds)
            if (!IsChecked(page, manifold.boxId)) ClickOn(page, manifold.boxId);
        EXPECT_EQ(list.GetListCount(), kSweepManifoldCount);
        EXPECT_EQ(TextOf(page, IDC_ITI_TESTS), "10");
        for (const SweepManifold& manifold : kSweepManifolds) EXPECT_TRUE(IsChecked(page, manifold.boxId));
    });
}

TEST_F(SweepRangePagesTest, ForcedInductionEngineCannotOverfillTheManifoldList) {
    CTorvaneDoc blown;
    BuildPaxtonChevy350(blown);
    blown.SetAutoRun(false);
    ASSERT_TRUE(blown.RunSimulation(true, true));
    TestSweepOwner owner(blown);
    CIterVariable& list = owner.coarse.GetVariable(kSlotManifoldList);
    ASSERT_TRUE(list.HasListType(kManifoldForcedInduction));
    owner.Show(kInductionPage, [&](HWND, HWND page) {
        ClickOn(page, IDC_ITI_INCLUDE);
        for (const SweepManifold& manifold : kSweepManifolds) ClickOn(page, manifold.boxId);
        // The engine's own blower keeps its place; the last box finds no room.
        EXPECT_EQ(list.GetListCount(), list.GetListCapacity());
        EXPECT_TRUE(list.HasListType(kManifoldForcedInduction));
        EXPECT_FALSE(IsChecked(page, kSweepManifolds[kSweepManifoldCount - 1].boxId));
        EXPECT_EQ(TextOf(page, IDC_ITI_TESTS), "10");
    });
}

TEST_F(SweepRangePagesTest, ControlsGoOffForASweepAndTheNextRefreshRestoresThePhases) {
    TestSweepOwner owner(engine_);
    owner.Show(kCamPage, [&](HWND, HWND page) {
        ClickOn(page, IDC_ITC_SINGLE);
        owner.EnableControls(false);
        for (int id : {IDC_ITC_EXCLUDE, IDC_ITC_DUAL, IDC_ITC_COARSE_TOL_IVO, IDC_ITC_COARSE_STEP})
            EXPECT_FALSE(IsEnabled(page, id)) << id;
        HWND bore = owner.boreStroke.GetSafeHwnd();
        EXPECT_FALSE(IsEnabled(bore, IDC_ITB_HOLD_DISPLACEMENT));
        HWND induction = owner.induction.GetSafeHwnd();
        EXPECT_FALSE(IsEnabled(induction, IDC_ITI_INCLUDE));
        owner.EnableControls(true);
        owner.UpdateAllPages(nullptr);
        EXPECT_TRUE(IsEnabled(page, IDC_ITC_COARSE_TOL_IVO));
        EXPECT_FALSE(IsEnabled(page, IDC_ITC_FINE_TOL_IVO));
        EXPECT_TRUE(IsEnabled(page, IDC_ITC_DUAL));
        EXPECT_FALSE(IsEnabled(induction, IDC_ITI_SINGLE_PLANE_STD));
    });
}

}  // namespace
