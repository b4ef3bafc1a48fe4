#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/ErrCodeException.h"
#include "common/tests/ScratchFile.h"
#include "testing/ModalDriver.h"
#include "torvane/components/Cam.h"
#include "torvane/components/tests/CamTestSupport.h"
#include "torvane/document/tests/RefusedLoad.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

class CamTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    CamTest() {
        // The notes' seat-to-seat cam: 30/70/76/28, advanced 4 degrees.
        cam_.Clear();
        cam_.camshaftType.SetType(2, "High Performance Street");
        cam_.lifterType.SetType(1, "Hydraulic");
        cam_.SetTimingSeatToSeat();
        cam_.SetSeatToSeatLimits();
        SetEvents(cam_.primary, 30, 70, 76, 28);
        cam_.advance.SetValue(4);
        cam_.intakeLift.SetValue(0.5f);
        cam_.exhaustLift.SetValue(0.5f);
    }

    // Adds the 0.050-inch set 0/40/46/-2 as the alternate set.
    void AddFiftyThouSet() {
        cam_.alternate.method.SetType(kFiftyThou, "0.050-inch");
        cam_.alternate.ivo.SetLimits(-25, 50);
        cam_.alternate.ivc.SetLimits(-10, 95);
        cam_.alternate.evo.SetLimits(-10, 105);
        cam_.alternate.evc.SetLimits(-25, 50);
        SetEvents(cam_.alternate, 0, 40, 46, -2);
    }

    std::vector<std::string> SavedLines(Cam& cam) {
        EXPECT_TRUE(cam.SaveToFile(file_.Path()));
        return file_.Lines();
    }

    Cam cam_;
    ScratchFile file_{"cam_test.cam"};
};

TEST_F(CamTest, EventsGiveDurationsCentrelinesAndActualEvents) {
    ASSERT_TRUE(cam_.ComputeFromEvents());
    const struct {
        const CFloatPtSpec* field;
        float expected;
    } derived[] = {
        {&cam_.intakeDuration, 280},
        {&cam_.exhaustDuration, 284},
        {&cam_.intakeCenterline, 110},
        {&cam_.exhaustCenterline, 114},
        {&cam_.lobeCenterAngle, 112},
        {&cam_.valveOverlap, 58},
        {&cam_.actualIvo, 34},
        {&cam_.actualIvc, 66},
        {&cam_.actualEvo, 80},
        {&cam_.actualEvc, 24},
        {&cam_.actualIntakeCenterline, 106},
        {&cam_.actualExhaustCenterline, 118},
    };
    for (const auto& d : derived) {
        EXPECT_TRUE(d.field->IsValid()) << d.field->GetName();
        EXPECT_FLOAT_EQ(d.field->GetValue(), d.expected) << d.field->GetName();
    }

    cam_.primary.evc.Clear();
    EXPECT_FALSE(cam_.ComputeFromEvents());
    EXPECT_FALSE(cam_.lobeCenterAngle.IsSet());
    EXPECT_FALSE(cam_.actualIntakeCenterline.IsSet());
}

TEST_F(CamTest, CentresGiveTheEventsBack) {
    ASSERT_TRUE(cam_.ComputeFromEvents());
    Cam fromCentres(cam_);
    for (CFloatPtSpec* event :
         {&fromCentres.primary.ivo, &fromCentres.primary.ivc, &fromCentres.primary.evo,
          &fromCentres.primary.evc, &fromCentres.exhaustCenterline, &fromCentres.valveOverlap}) {
        event->Clear();
    }
    fromCentres.ComputeEventsFromCenters();
    EXPECT_FLOAT_EQ(fromCentres.primary.ivo.GetValue(), 30);
    EXPECT_FLOAT_EQ(fromCentres.primary.ivc.GetValue(), 70);
    EXPECT_FLOAT_EQ(fromCentres.primary.evo.GetValue(), 76);
    EXPECT_FLOAT_EQ(fromCentres.primary.evc.GetValue(), 28);
    EXPECT_FLOAT_EQ(fromCentres.exhaustCenterline.GetValue(), 114);
    EXPECT_FLOAT_EQ(fromCentres.valveOverlap.GetValue(), 58);

    // A lobe centre that puts the exhaust closing before top centre: EVC out of
    // its seat-to-seat limits, so EVC and EVO are cleared and no overlap is made.
    fromCentres.lobeCenterAngle.SetValue(150);
    fromCentres.valveOverlap.Clear();
    fromCentres.ComputeEventsFromCenters();
    EXPECT_FALSE(fromCentres.primary.evc.IsSet());
    EXPECT_FALSE(fromCentres.primary.evo.IsSet());
    EXPECT_TRUE(fromCentres.primary.ivo.IsValid());
    EXPECT_FALSE(fromCentres.valveOverlap.IsSet());
}

TEST_F(CamTest, RampRateFromTheTwoEventSets) {
    AddFiftyThouSet();
    // Widening 30 degrees, lobe factor 0.005 x (284 + 280) / 2.5.
    ASSERT_TRUE(cam_.ComputeLifterRampRate());
    EXPECT_NEAR(cam_.rampRate.GetValue(), 35.0f / (30.0f * 1.128f) + 1.5f, 1e-4f);

    // However short or long the ramps, the rate stays within 1..6.
    SetEvents(cam_.alternate, 29.9f, 69.9f, 75.9f, 27.9f);
    ASSERT_TRUE(cam_.ComputeLifterRampRate());
    EXPECT_FLOAT_EQ(cam_.rampRate.GetValue(), 6.0f);
    SetEvents(cam_.alternate, -25, -10, -10, -25);
    cam_.SetUnits(1);  // the lifts count in inches whatever they show
    ASSERT_TRUE(cam_.ComputeLifterRampRate());
    EXPECT_NEAR(cam_.rampRate.GetValue(), 35.0f / (68.5f * 1.128f) + 1.5f, 1e-4f);
    SetEvents(cam_.primary, 80, 120, 125, 80);
    cam_.intakeLift.SetValueInUnit(0.2f, true);
    cam_.exhaustLift.SetValueInUnit(0.2f, true);
    ASSERT_TRUE(cam_.ComputeLifterRampRate());
    EXPECT_NEAR(cam_.rampRate.GetValue(), 35.0f / (118.75f * 9.5625f) + 1.5f, 1e-4f);
}

TEST_F(CamTest, RampRateIsRefusedWhenTheFiftyThouSetIsNotInside) {
    AddFiftyThouSet();
    // Typed 0.050-inch events wider than the seat-to-seat ones: no ramp, and
    // no end of the program.
    SetEvents(cam_.alternate, 40, 80, 80, 30);
    EXPECT_FALSE(cam_.ComputeLifterRampRate());
    EXPECT_FALSE(cam_.rampRate.IsSet());
}

TEST_F(CamTest, ValidationNamesTheFirstMissingValueInOrder) {
    Cam cam;
    cam.Clear();
    cam.rampRate.Clear();
    cam.advance.Clear();
    const struct {
        unsigned short code;
        std::function<void()> supply;
    } steps[] = {
        {27, [&] { cam.camshaftType.SetType(7, "Custom Cam Type"); }},
        {29, [&] { cam.lifterType.SetType(2, "Solid"); }},
        {105, [&] { cam.rampRate.SetValue(3.5f); }},
        {30, [&] { cam.SetTimingSeatToSeat(); }},
        {32, [&] { cam.intakeLift.SetValue(0.6f); }},
        {33, [&] { cam.exhaustLift.SetValue(0.6f); }},
        {34, [&] { cam.primary.ivo.SetValue(30); }},
        {35, [&] { cam.primary.ivc.SetValue(70); }},
        {36, [&] { cam.primary.evo.SetValue(76); }},
        {37, [&] { cam.primary.evc.SetValue(28); }},
        {31, [&] { cam.advance.SetValue(0); }},
    };
    for (const auto& step : steps) {
        unsigned short code = 0;
        EXPECT_FALSE(cam.Validate(code));
        EXPECT_EQ(code, step.code);
        step.supply();
    }
    unsigned short code = 0;
    EXPECT_TRUE(cam.Validate(code));

    EXPECT_FALSE(cam.ValidateCenters(code));
    EXPECT_EQ(code, 39);
    cam.ComputeFromEvents();
    EXPECT_TRUE(cam.ValidateCenters(code));
    cam.intakeDuration.Clear();
    EXPECT_FALSE(cam.ValidateCenters(code));
    EXPECT_EQ(code, 40);
}

TEST_F(CamTest, CopyInTheOtherMethodTakesTheMatchingSet) {
    AddFiftyThouSet();
    Cam fifty;
    cam_.CopyWithTimingMethod(&fifty, kFiftyThou);
    EXPECT_EQ(fifty.primary.method.GetValue(), kFiftyThou);
    EXPECT_FLOAT_EQ(fifty.primary.evc.GetValue(), -2);
    EXPECT_FLOAT_EQ(fifty.intakeDuration.GetValue(), 220);
    EXPECT_FALSE(fifty.alternate.method.IsSet());
    EXPECT_FALSE(fifty.alternate.ivo.IsSet());
    EXPECT_STREQ(fifty.camshaftType.GetTypeName(), "High Performance Street");

    // Without a set of that method the copy has no events.
    cam_.alternate.method.Clear();
    cam_.CopyWithTimingMethod(&fifty, kFiftyThou);
    EXPECT_FALSE(fifty.primary.ivo.IsSet());
    EXPECT_FALSE(fifty.lobeCenterAngle.IsSet());
    // Negative 0.050-inch limits apply to its empty events.
    EXPECT_TRUE(fifty.primary.evc.IsInRange(-25));
}

TEST_F(CamTest, SwapExchangesTheSetsAndDerivesAgain) {
    AddFiftyThouSet();
    cam_.SwapTimingSets();
    EXPECT_EQ(cam_.primary.method.GetValue(), kFiftyThou);
    EXPECT_EQ(cam_.alternate.method.GetValue(), kSeatToSeat);
    EXPECT_FLOAT_EQ(cam_.exhaustDuration.GetValue(), 224);
    EXPECT_FLOAT_EQ(cam_.alternate.evo.GetValue(), 76);
}

TEST_F(CamTest, FileHoldsThirtyTwoLinesAndReadsBackEqual) {
    AddFiftyThouSet();
    cam_.rampRate.SetValue(4.5f);
    cam_.SetAutoValveLift(true);
    cam_.SetMoreAccurateRampRate(true);
    cam_.SetText(0, "Chevy");
    cam_.SetText(4, "Mild street\r\nwith a stock converter");
    cam_.SetText(5, std::string(1000, 'a').c_str());
    // Text 7 stays empty: it must come back empty.
    const std::vector<std::string> lines = SavedLines(cam_);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0], "4.05");
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[2], "High Performance Street");
    EXPECT_EQ(lines[6], "Seat-To-Seat");
    EXPECT_EQ(lines[8], "1 4.000000");   // advance
    EXPECT_EQ(lines[11], "1");           // automatic valve lift
    EXPECT_EQ(lines[16], "0.050-inch");  // alternate method
    EXPECT_EQ(lines[31], "***");

    Cam read;
    read.Clear();
    ASSERT_TRUE(read.LoadFromFile(file_.Path()));
    EXPECT_EQ(SavedLines(read), lines);
    EXPECT_STREQ(read.GetText(4), "Mild street\r\nwith a stock converter");
    EXPECT_STREQ(read.GetText(7), "");
    EXPECT_TRUE(read.GetAutoValveLift());
    EXPECT_TRUE(read.GetMoreAccurateRampRate());
    EXPECT_FLOAT_EQ(read.alternate.evc.GetValue(), -2);
    EXPECT_FLOAT_EQ(read.rampRate.GetValue(), 4.5f);
}

TEST_F(CamTest, MetricCamIsSavedInInches) {
    cam_.SetUnits(1);
    const std::vector<std::string> lines = SavedLines(cam_);
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[9], "1 0.500000");
    EXPECT_EQ(cam_.GetUnits(), 1);
    EXPECT_FLOAT_EQ(cam_.intakeLift.GetValue(), 12.7f);
}

TEST_F(CamTest, OlderVersionsReadTheirFirstSixteenLines) {
    std::vector<std::string> older = SavedLines(cam_);
    older.resize(16);
    for (const char* version : {"3.10", " 3.08 ", "3.07", "3.06", "3.05"}) {
        older[0] = version;
        file_.WriteLines(older);
        Cam read;
        read.Clear();
        read.rampRate.SetValue(5.5f);
        read.SetText(2, "kept");
        ASSERT_TRUE(read.LoadFromFile(file_.Path())) << version;
        EXPECT_FLOAT_EQ(read.primary.evo.GetValue(), 76) << version;
        EXPECT_FLOAT_EQ(read.intakeLift.GetValue(), 0.5f) << version;
        EXPECT_FALSE(read.alternate.method.IsSet()) << version;
        EXPECT_FLOAT_EQ(read.rampRate.GetValue(), 5.5f) << version;
        EXPECT_STREQ(read.GetText(2), "kept") << version;
    }

    // The current version with blanks around it.
    std::vector<std::string> current = SavedLines(cam_);
    current[0] = " 4.05 ";
    file_.WriteLines(current);
    EXPECT_TRUE(Cam().LoadFromFile(file_.Path()));
}

TEST_F(CamTest, DamagedFilesAreRefusedWithTheirCode) {
    const std::vector<std::string> good = SavedLines(cam_);
    const Damage damages[] = {
        {0, "4.5", 0, "Invalid File Version"},
        {1, "2", 0, "File Error"},
        {8, "1 20.000000", 0, "File Error"},
        {14, "1 130.000000", 0, "File Error"},
        {8, "one", 0, "File Error"},
        {-1, "", 20, "File Error"},
        {3, "9", 0, "File Error"},
        {20, "1 -30.000000", 0, "File Error"},
    };
    const char* const textStarts[] = {"The Cam Data File", "The Torvane File", "The Torvane File",
                                      "The Torvane File",  "Unable to Read",   "Unable to Read",
                                      "The Torvane File",  "The Torvane File"};
    for (size_t i = 0; i < sizeof damages / sizeof damages[0]; ++i) {
        const std::string text =
            RefusedLoadText(file_, Damaged(good, damages[i]), damages[i].caption,
                            [](const char* path) { return Cam().LoadFromFile(path); });
        EXPECT_EQ(text.rfind(textStarts[i], 0), 0u) << "damage " << i << ": " << text;
    }
}

// A file that fails part-way, or holds nothing, leaves the cam as it was,
// its units included.
TEST_F(CamTest, ARefusedFileLeavesTheCamAsItWas) {
    AddFiftyThouSet();
    cam_.SetUnits(1);
    const std::vector<std::string> before = SavedLines(cam_);
    for (const char* name : {"cam-missing-last-line.cam", "empty.cam"}) {
        const std::string damaged = TestDataPath(name);
        ModalDriver::Instance().Answer("File Error", IDOK);
        EXPECT_FALSE(cam_.LoadFromFile(damaged.c_str())) << damaged;
        ASSERT_FALSE(ModalDriver::Instance().Boxes().empty());
        EXPECT_EQ(ModalDriver::Instance().Boxes().back().text, "Unable to Read from the Selected File");
        EXPECT_EQ(cam_.GetUnits(), 1) << damaged;
        EXPECT_EQ(SavedLines(cam_), before) << damaged;
    }
}

TEST_F(CamTest, AFileThatCannotBeOpenedIsError43) {
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(cam_.LoadFromFile("no such folder\\none.cam"));
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Unable to Open the Selected File");
}

}  // namespace

}  // namespace torvane
