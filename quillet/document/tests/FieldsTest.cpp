// The drag-race program's units, its file codes on the shared field lines,
// the temperature field and its own two helpers.
#include <gtest/gtest.h>

#include <string>

#include "common/ErrCodeException.h"
#include "common/SimSpec.h"
#include "common/tests/FieldTestSupport.h"
#include "common/tests/ScratchFile.h"
#include "quillet/document/QuilletUtil.h"
#include "quillet/document/TemperatureSpec.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/tests/QuilletTestProfile.h"

namespace quillet {

namespace {

class QuilletFieldsTest : public WithQuilletProfile, public ::testing::Test {
protected:
    CTemperatureSpec temperature_{"Temperature", -50.0f, 180.0f};
    CFloatPtSpec wheelbase_{"Vehicle Wheelbase", kUnitInch, 40.0f, 500.0f, kUnitMm, 25.4f};
};

TEST_F(QuilletFieldsTest, UnitsOfTheProgramsOwnTable) {
    const struct {
        int base, alt;
        float factor, value;
        const char* english;
        const char* metric;
    } cases[] = {
        {kUnitInch, kUnitMm, 25.4f, 117.8f, "117.800 in", "2992.12 mm"},
        {kUnitFoot, kUnitMetre, 0.3048f, 800.0f, "800.0 ft", "243.84 m"},
        {kUnitCubicInch, kUnitCc, 16.38706f, 349.8f, "349.8 ci", "5732.19 cc"},
        {kUnitSquareFoot, kUnitSquareMetre, 0.092903f, 22.0f, "22.0 sqft", "2.044 sqm"},
        {kUnitPound, kUnitPound, 1.0f, 3727.0f, "3727 lbs", "3727 lbs"},
        {kUnitSecond, kUnitSecond, 1.0f, 0.25f, "0.250 secs", "0.250 secs"},
        {kUnitMph, kUnitMph, 1.0f, 12.5f, "12.5 mph", "12.5 mph"},
        {kUnitInHg, kUnitInHg, 1.0f, 29.05f, "29.05 inHg", "29.05 inHg"},
        {kUnitRpm, kUnitRpm, 1.0f, 6500.0f, "6500 rpm", "6500 rpm"},
        {kUnitHorsepower, kUnitHorsepower, 1.0f, 271.0f, "271 hp", "271 hp"},
        {kUnitLbFt, kUnitLbFt, 1.0f, 397.4f, "397 lb-ft", "397 lb-ft"},
        {kUnitPercent, kUnitPercent, 1.0f, 45.0f, "45.0 %", "45.0 %"},
        {kUnitRatio, kUnitRatio, 1.0f, 3.54f, "3.54  ", "3.54  "},
    };
    for (const auto& unit : cases) {
        CFloatPtSpec field("Value", unit.base, 0.0f, 99999.0f, unit.alt, unit.factor);
        field.SetValue(unit.value);
        EXPECT_EQ(Shown(field), unit.english);
        field.ToAltUnit();
        EXPECT_EQ(Shown(field), unit.metric);
    }
}

TEST_F(QuilletFieldsTest, TemperatureSwitchesBetweenFahrenheitAndCelsius) {
    temperature_.SetValue(68.0f);
    EXPECT_EQ(Shown(temperature_), "68.0 f");
    temperature_.SetEnglishUnits(false);
    EXPECT_EQ(Shown(temperature_), "20.0 c");
    EXPECT_NEAR(temperature_.GetValue(), 20.0f, 1e-4f);
    // Already Celsius: nothing changes.
    temperature_.SetEnglishUnits(false);
    EXPECT_NEAR(temperature_.GetValue(), 20.0f, 1e-4f);
    temperature_.SetEnglishUnits(true);
    EXPECT_NEAR(temperature_.GetValue(), 68.0f, 1e-4f);
    EXPECT_TRUE(temperature_.IsBaseUnit());
    EXPECT_TRUE(temperature_.IsSet());
}

TEST_F(QuilletFieldsTest, TemperatureLimitsFollowTheScale) {
    temperature_.SetEnglishUnits(false);
    CString prompt;
    temperature_.GetPrompt(prompt);
    EXPECT_EQ(std::string(prompt), "Enter Temperature Value Within Range: -45.6 to 82.2 c");
    EXPECT_TRUE(temperature_.ParseAndSet("82.2", false));
    EXPECT_FALSE(temperature_.ParseAndSet("83", false));
    // 82.2222 C is 180 F; a value whose conversion passes the maximum comes
    // back as the maximum.
    EXPECT_TRUE(temperature_.ParseAndSet("82.22224", false));
    temperature_.ToFahrenheit();
    EXPECT_EQ(temperature_.GetValue(), 180.0f);
    EXPECT_FLOAT_EQ(TemperatureFtoC(-40.0f), -40.0f);
    EXPECT_FLOAT_EQ(TemperatureCtoF(100.0f), 212.0f);
}

TEST_F(QuilletFieldsTest, FieldLinesThrowTheProgramsCodes) {
    ScratchFile file("quillet_field_lines.txt");
    const struct {
        const char* line;
        unsigned short code;
    } cases[] = {{"1", kErrFileRead}, {"1 x", kErrFileRead}, {"1 501", kErrFileValue}};
    for (const auto& bad : cases) {
        file.WriteLines({bad.line});
        FILE* in = fopen(file.Path(), "rt");
        try {
            wheelbase_.ReadFromFile(in);
            ADD_FAILURE() << bad.line;
        } catch (const ErrCodeException& error) {
            EXPECT_EQ(error.Code(), bad.code) << bad.line;
        }
        fclose(in);
    }
    // A float line with the flag 0 stores the value and leaves it not set.
    file.WriteLines({"0 55.000000"});
    FILE* in = fopen(file.Path(), "rt");
    wheelbase_.ReadFromFile(in);
    fclose(in);
    EXPECT_FLOAT_EQ(wheelbase_.GetValue(), 55.0f);
    EXPECT_FALSE(wheelbase_.IsSet());
}

TEST(QuilletUtil, CurveAreaByIndexAddsTrapezoidsFromPositiveValues) {
    const float x[] = {0.0f, 2.0f, 3.0f, 5.0f};
    const float y[] = {-1.0f, 1.0f, 1.0f, 3.0f};
    EXPECT_FLOAT_EQ(UtilCurveAreaByIndex(x, y, 4, 0, 1), 2.0f);  // slope part only
    EXPECT_FLOAT_EQ(UtilCurveAreaByIndex(x, y, 4, 1, 2), 1.0f);
    EXPECT_FLOAT_EQ(UtilCurveAreaByIndex(x, y, 4, 1, 3), 1.0f + 2.0f + 2.0f);
    const float flat[] = {1.0f, 1.0f};
    EXPECT_FLOAT_EQ(UtilCurveAreaByIndex(x, flat, 2, 0, 1), 2.0f);
}

class SpecTextWindowTest : public WithQuilletProfile, public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        CreateWindowExA(0, "EDIT", "old", WS_CHILD, 0, 0, 80, 20, parent_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }
    std::string Text() const {
        char text[64] = "";
        GetDlgItemTextA(parent_, kEditId, text, sizeof text);
        return text;
    }

    static const int kEditId = 1202;
    HWND parent_ = nullptr;
    CFloatPtSpec shiftTime_{"Shift Time", kUnitSecond, 0.0f, 9.999f, kUnitSecond, 1.0f};
};

TEST_F(SpecTextWindowTest, ShowsTheValueOrTheDefaultOrNothing) {
    UtilSetItemSpecTextOrDefault(parent_, kEditId, shiftTime_, "0.000 secs");
    EXPECT_EQ(Text(), "0.000 secs");
    UtilSetItemSpecTextOrDefault(parent_, kEditId, shiftTime_, nullptr);
    EXPECT_EQ(Text(), "");
    shiftTime_.SetValue(0.25f);
    UtilSetItemSpecTextOrDefault(parent_, kEditId, shiftTime_, "0.000 secs");
    EXPECT_EQ(Text(), "0.250");
}

}  // namespace

}  // namespace quillet
