// The shared field classes with the engine program's units: parsing,
// formatting, prompts, limits and unit switching in both unit systems.
#include <gtest/gtest.h>

#include <string>

#include "common/SimSpec.h"
#include "common/tests/FieldTestSupport.h"
#include "testing/ModalDriver.h"
#include "torvane/components/EngineMath.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

namespace {

class TorvaneFieldsTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    // Fields as the engine document builds them.
    CFloatPtSpec bore_{"Bore", kUnitInch, 2.0f, 7.0f, kUnitMm, 25.4f};
    CFloatPtSpec advance_{"Camshaft Advance/Retard", kUnitDegree, -15.0f, 15.0f, kUnitDegree, 1.0f};
    CFloatPtSpec volume_{"Total Block Volume", kUnitCubicInch, 1.0f, 5000.0f, kUnitCc, 16.38706f};
    CFloatPtSpec ratio_{"Compression Ratio", kUnitRatio, 6.0f, 18.0f, kUnitRatio, 1.0f};
    CFloatPtSpec pressureDrop_{
        "Intake Test Pressure Drop", kUnitInH2O, 1.0f, 75.0f, kUnitCmH2O, 2.54f};
    CIntegerSpec cylinders_{"Number of Cylinders", 1, 12};
    CPartTypeSpec block_{"Short Block Type", 1, 205};
};

std::string Text(const CString& text) {
    return std::string(text);
}

std::string Prompt(const CSimSpec& field) {
    CString out;
    field.GetPrompt(out);
    return Text(out);
}

TEST_F(TorvaneFieldsTest, FormatsWithTheCurrentUnitsFormat) {
    bore_.SetValue(4.0f);
    advance_.SetValue(-4.0f);
    // Total Block Volume of the notes' 350: 8 cylinders of 4.0 x 3.48 in.
    volume_.SetValue(8 * EngineMathSweptVolume(4.0f, 3.48f) / 16.38706f);
    ratio_.SetValue(10.0f);
    pressureDrop_.SetValue(28.0f);
    cylinders_.SetValue(8);
    block_.SetType(36, "Chevy 350");
    const struct {
        const CSimSpec* field;
        const char* english;
    } cases[] = {{&bore_, "4.000 in"},  {&advance_, "-4.0 Deg"},        {&volume_, "349.8 ci"},
                 {&ratio_, "10.00  "},  {&pressureDrop_, "28.0 inH2O"}, {&cylinders_, "8"},
                 {&block_, "Chevy 350"}};
    for (const auto& c : cases) EXPECT_EQ(Shown(*c.field), c.english) << c.field->GetName();

    CFloatPtSpec* metric[] = {&bore_, &advance_, &volume_, &ratio_, &pressureDrop_};
    for (CFloatPtSpec* field : metric) field->ToAltUnit();
    EXPECT_EQ(Shown(bore_), "101.60 mm");
    EXPECT_EQ(Shown(advance_), "-4.0 Deg");
    EXPECT_EQ(Shown(volume_), "5732.98 cc");
    EXPECT_EQ(Shown(pressureDrop_), "71.12 cmH2O");
}

TEST_F(TorvaneFieldsTest, UnsetFieldsShowStars) {
    CString out;
    bore_.FormatValue(out);
    EXPECT_STREQ(out, "***");
    cylinders_.FormatValue(out);
    EXPECT_STREQ(out, "***");
    block_.FormatValue(out);
    EXPECT_STREQ(out, "***");
}

TEST_F(TorvaneFieldsTest, PromptsNameTheRangeInTheCurrentUnit) {
    CFileSpec camFile("Cam Data File");
    CNotesSpec notes("Notes");
    EXPECT_EQ(Prompt(bore_), "Enter Bore Value Within Range: 2.000 to 7.000 in");
    EXPECT_EQ(Prompt(cylinders_), "Enter Number of Cylinders Value Within Range: 1 to 12");
    EXPECT_EQ(Prompt(block_), "Select or Enter Short Block Type");
    EXPECT_EQ(Prompt(camFile), "Open or Save Cam Data File");
    EXPECT_EQ(Prompt(notes), "Enter or Modify Notes Text");
    bore_.ToAltUnit();
    EXPECT_EQ(Prompt(bore_), "Enter Bore Value Within Range: 50.80 to 177.80 mm");
    volume_.ToAltUnit();
    EXPECT_EQ(Prompt(volume_), "Enter Total Block Volume Value Within Range: 16.39 to 81935.30 cc");
}

struct ParseCase {
    const char* text;
    bool accepted;
    float value;
};

TEST_F(TorvaneFieldsTest, ParsesNumbersByTheFieldRules) {
    const std::string zeros100(100, '0');
    const std::string zeros101(101, '0');
    const ParseCase cases[] = {
        {"0.000", true, 0.0f},       {"abc", false, 0.0f},         {"12abc", true, 12.0f},
        {zeros100.c_str(), true, 0}, {zeros101.c_str(), false, 0}, {"", false, 0.0f},
        {"-3.5", true, -3.5f},       {"16", false, 0.0f},          {"1e1", true, 10.0f},
        {"-0", true, 0.0f},          {" 0", false, 0.0f},          {"1e9", false, 0.0f},
        {"nan", false, 0.0f},
    };
    for (const ParseCase& c : cases) {
        CFloatPtSpec field(advance_);
        EXPECT_EQ(field.ParseAndSet(c.text, true), c.accepted) << '"' << c.text << '"';
        EXPECT_FALSE(field.IsSet()) << "validate-only leaves the field alone";
        EXPECT_EQ(field.ParseAndSet(c.text, false), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(field.IsSet(), c.accepted);
        if (c.accepted) {
            EXPECT_FLOAT_EQ(field.GetValue(), c.value) << '"' << c.text << '"';
        }
    }
}

TEST_F(TorvaneFieldsTest, RangeTestAllowsASlackOfOneHundredThousandth) {
    EXPECT_TRUE(bore_.IsInRange(2.0f - 0.000005f));
    EXPECT_FALSE(bore_.IsInRange(2.0f - 0.00002f));
    EXPECT_TRUE(bore_.IsInRange(7.0f + 0.000005f));
    EXPECT_FALSE(bore_.IsInRange(7.0f + 0.00002f));
    bore_.ToAltUnit();
    EXPECT_TRUE(bore_.IsInRange(50.8f));
    EXPECT_FALSE(bore_.IsInRange(50.79f));
}

TEST_F(TorvaneFieldsTest, RoundedEntryTestsTheRoundedValue) {
    EXPECT_TRUE(ratio_.ParseAndSetRounded("10.456", 2));
    EXPECT_FLOAT_EQ(ratio_.GetValue(), 10.46f);
    EXPECT_TRUE(ratio_.ParseAndSetRounded("18.004", 2));  // rounds into range
    EXPECT_FLOAT_EQ(ratio_.GetValue(), 18.0f);
    // Too large to round: refused like any value out of range.
    EXPECT_FALSE(ratio_.ParseAndSetRounded("1e9", 2));
    EXPECT_FALSE(ratio_.ParseAndSetRounded("x", 2));
    EXPECT_FLOAT_EQ(ratio_.GetValue(), 18.0f);
}

TEST_F(TorvaneFieldsTest, IntegerTextThatIsNoNumberReadsAsZero) {
    EXPECT_FALSE(cylinders_.ParseAndSet("abc", false));
    CIntegerSpec zeroAllowed("Count", 0, 5);
    EXPECT_TRUE(zeroAllowed.ParseAndSet("abc", false));
    EXPECT_EQ(zeroAllowed.GetValue(), 0);
    EXPECT_TRUE(cylinders_.ParseAndSet("8", false));
    EXPECT_FALSE(cylinders_.ParseAndSet("99999999999999", false));
    EXPECT_EQ(cylinders_.GetValue(), 8);
}

TEST_F(TorvaneFieldsTest, TypedPartNameSelectsTheCustomType) {
    EXPECT_TRUE(block_.ParseAndSet("My Stroker", false));
    EXPECT_EQ(block_.GetValue(), 205);
    EXPECT_STREQ(block_.GetTypeName(), "My Stroker");
    EXPECT_FALSE(block_.SetType(0, "Nothing"));
    EXPECT_FALSE(block_.SetType(3, ""));
    EXPECT_EQ(block_.GetValue(), 205);
}

TEST_F(TorvaneFieldsTest, SwitchingUnitsConvertsAndClampsBackIntoTheLimits) {
    bore_.SetValue(4.0f);
    bore_.SetUnitSystem(false);
    EXPECT_TRUE(bore_.IsAltUnit());
    EXPECT_FLOAT_EQ(bore_.GetValue(), 101.6f);
    EXPECT_STREQ(bore_.GetUnitText(), "mm");
    bore_.SetUnitSystem(true);
    EXPECT_FLOAT_EQ(bore_.GetValue(), 4.0f);
    EXPECT_TRUE(bore_.IsSet());

    // A limit stays a limit through both conversions, even for large factors.
    volume_.SetValue(5000.0f);
    volume_.ToAltUnit();
    volume_.AssertValid();
    volume_.ToBaseUnit();
    EXPECT_EQ(volume_.GetValue(), 5000.0f);

    // The largest metric value converts back no higher than the maximum.
    bore_.SetValueInUnit(177.80001f, false);
    bore_.ToBaseUnit();
    EXPECT_LE(bore_.GetValue(), 7.0f);
}

TEST_F(TorvaneFieldsTest, LimitsChangeAndValuesStepWithinThem) {
    CFloatPtSpec distance("Piston Distance", kUnitInch, 0.1f, 2.0f, kUnitMm, 25.4f);
    distance.SetValue(0.5f);
    distance.SetLimits(-0.5f, 2.0f);
    EXPECT_TRUE(distance.IsValid());
    distance.SetLimits(1.0f, 2.0f);
    EXPECT_FALSE(distance.IsSet());
    EXPECT_FLOAT_EQ(distance.GetValue(), 1.0f);

    bore_.SetValue(6.5f);
    bore_.AddClamped(1.0f);
    EXPECT_FLOAT_EQ(bore_.GetValue(), 7.0f);
    bore_.AddClamped(-0.25f);
    EXPECT_FLOAT_EQ(bore_.GetValue(), 6.75f);
    bore_.AddClamped(-10.0f);
    EXPECT_FLOAT_EQ(bore_.GetValue(), 2.0f);

    bore_.ResetToMin();
    EXPECT_FALSE(bore_.IsSet());
    bore_.Redefine("Bore", kUnitInch, 2.5f, 7.0f, kUnitMm, 25.4f);
    EXPECT_FLOAT_EQ(bore_.GetValue(), 2.5f);
}

TEST_F(TorvaneFieldsTest, SetValueRoundedStoresTheRoundedValue) {
    CFloatPtSpec cylinderVolume("Cylinder Volume", kUnitCc, 1.0f, 5000.0f, kUnitCc, 1.0f);
    cylinderVolume.SetValueRounded(716.6234f, 2);
    EXPECT_FLOAT_EQ(cylinderVolume.GetValue(), 716.62f);
}

TEST_F(TorvaneFieldsTest, OutOfRangeValuesByCodeAreAssertions) {
    EXPECT_EXIT(
        {
            testing_harness::ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            bore_.SetValue(7.5f);
        },
        ::testing::ExitedWithCode(9999), "");
}

}  // namespace

}  // namespace torvane
