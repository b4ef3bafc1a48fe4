// The power table: defaults, presets, synthesis from the peaks, the rpm
// fill, validation and the table's lines in the vehicle file.
#include "quillet/document/PowerCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/ErrCodeException.h"
#include "common/tests/ScratchFile.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/tests/QuilletTestProfile.h"

namespace quillet {

namespace {

class PowerCurveTest : public WithQuilletProfile, public ::testing::Test {
protected:
    // A complete table of `count` rows from 2000 rpm, `step` apart.
    void FillTable(int count, float step) {
        curve_.SetNumPoints(count);
        for (int i = 0; i < count; ++i) {
            curve_.RpmAt(i).SetValue(2000.0f + step * i);
            curve_.PowerAt(i).SetValue(100.0f + i);
            curve_.ComputeTorqueFromPower(i);
        }
        curve_.UpdatePeaksFromTable();
    }
    unsigned short ValidationCode() const {
        unsigned short code = 0;
        return curve_.Validate(&code) ? 0 : code;
    }

    CPowerCurve curve_;
};

TEST_F(PowerCurveTest, DefaultsAreTenRpmRowsWithoutValues) {
    EXPECT_EQ(curve_.GetEntryMode(), kEntryPeaks);
    ASSERT_EQ(curve_.GetNumPoints(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(curve_.GetRpm(i), 2000.0f + 500.0f * i);
        EXPECT_EQ(curve_.GetPower(i), 0.0f);
        EXPECT_EQ(curve_.GetTorque(i), 0.0f);
    }
    EXPECT_EQ(curve_.GetRpm(10), 0.0f);
    EXPECT_FALSE(curve_.PeakPower().IsSet());
    EXPECT_EQ(ValidationCode(), kErrPeakPower);
}

TEST_F(PowerCurveTest, PresetEnginesAsTheTableGivesThem) {
    const struct {
        int type;
        int rows;
        float peakPower, peakPowerRpm;
    } cases[] = {{1, 12, 93, 4500}, {3, 12, 271, 4000}, {9, 17, 347, 7500}, {21, 17, 1178, 8000}};
    for (const auto& preset : cases) {
        curve_.LoadPresetEngine(preset.type);
        SCOPED_TRACE(testing::Message() << "engine " << preset.type);
        EXPECT_EQ(curve_.GetNumPoints(), preset.rows);
        EXPECT_EQ(curve_.GetRpm(preset.rows - 1), 2000.0f + 500.0f * (preset.rows - 1));
        EXPECT_EQ(curve_.GetPeakPower(), preset.peakPower);
        EXPECT_EQ(curve_.PeakPowerRpm().GetValue(), preset.peakPowerRpm);
        EXPECT_EQ(curve_.GetEntryMode(), kEntryPower);
    }
    curve_.LoadPresetEngine(1);
    EXPECT_NEAR(curve_.GetTorque(0), 126.048f, 1e-3f);
    EXPECT_NEAR(curve_.GetTorque(2), 131.30f, 1e-2f);
    curve_.LoadPresetEngine(3);
    EXPECT_NEAR(curve_.PeakTorque().GetValue(), 397.40f, 1e-2f);
    EXPECT_EQ(curve_.PeakTorqueRpm().GetValue(), 3000.0f);
}

TEST_F(PowerCurveTest, EveryPresetEngineValidates) {
    for (int type = 1; type <= 21; ++type) {
        curve_.LoadPresetEngine(type);
        EXPECT_EQ(ValidationCode(), 0) << "engine " << type;
        EXPECT_GE(curve_.GetNumPoints(), 10) << "engine " << type;
    }
}

TEST_F(PowerCurveTest, ValidationNamesTheFirstMissingValue) {
    FillTable(5, 500.0f);
    ASSERT_EQ(ValidationCode(), 0);
    const struct {
        void (*spoil)(CPowerCurve&);
        unsigned short code;
    } cases[] = {
        {[](CPowerCurve& c) { c.PeakPower().Clear(); }, kErrPeakPower},
        {[](CPowerCurve& c) { c.PeakPowerRpm().Clear(); }, kErrPeakPowerRpm},
        {[](CPowerCurve& c) { c.PeakTorque().Clear(); }, kErrPeakTorque},
        {[](CPowerCurve& c) { c.PeakTorqueRpm().Clear(); }, kErrPeakTorqueRpm},
        {[](CPowerCurve& c) { c.RpmAt(3).Clear(); }, kErrCurveRpm},
        {[](CPowerCurve& c) { c.PowerAt(3).Clear(); }, kErrCurvePower},
        {[](CPowerCurve& c) { c.TorqueAt(3).Clear(); }, kErrCurveTorque},
        {[](CPowerCurve& c) { c.RpmAt(4).SetValue(c.GetRpm(3) + 50.0f); }, kErrCurveRpmSpacing},
    };
    for (const auto& bad : cases) {
        CPowerCurve saved = curve_;
        bad.spoil(curve_);
        EXPECT_EQ(ValidationCode(), bad.code);
        curve_ = saved;
    }
}

TEST_F(PowerCurveTest, RowsMustBeAtLeast100RpmApart) {
    FillTable(2, 50.0f);
    curve_.RpmAt(0).SetValue(3000.0f);
    curve_.RpmAt(1).SetValue(3050.0f);
    EXPECT_EQ(ValidationCode(), kErrCurveRpmSpacing);
    curve_.RpmAt(1).SetValue(3100.0f);
    EXPECT_EQ(ValidationCode(), 0);
    EXPECT_EQ(curve_.GetMaxRpm(), 3100.0f);
}

TEST_F(PowerCurveTest, RpmFillCopiesTheRowBeforeBeyondTheLimit) {
    curve_.SetEntryMode(kEntryPower);
    curve_.SetNumPoints(14);
    for (int i = 0; i < 14; ++i) curve_.PowerAt(i).SetValue(200.0f);
    curve_.FillRpmSteps(2000.0f, 1000.0f);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(curve_.GetRpm(i), 2000.0f + 1000.0f * i);
    EXPECT_EQ(curve_.GetRpm(13), 14000.0f);
    EXPECT_EQ(curve_.GetTorque(13), curve_.GetTorque(12));
    EXPECT_NEAR(curve_.GetTorque(0), 200.0f * 5252.0f / 2000.0f, 1e-3f);
}

TEST_F(PowerCurveTest, ComputedValuesOutsideTheirLimitsAreCleared) {
    curve_.SetNumPoints(2);
    curve_.RpmAt(0).SetValue(100.0f);
    curve_.PowerAt(0).SetValue(7000.0f);
    EXPECT_FALSE(curve_.ComputeTorqueFromPower(0));  // 367640 lb-ft
    EXPECT_FALSE(curve_.TorqueAt(0).IsSet());
    curve_.TorqueAt(0).SetValue(500.0f);
    EXPECT_TRUE(curve_.ComputePowerFromTorque(0));
    EXPECT_NEAR(curve_.GetPower(0), 500.0f * 100.0f * 0.00019040366f, 1e-4f);
}

TEST_F(PowerCurveTest, PeaksTakeTheFirstOfEqualMaxima) {
    FillTable(4, 500.0f);
    curve_.PowerAt(1).SetValue(150.0f);
    curve_.PowerAt(3).SetValue(150.0f);
    float rpm = 0, power = 0;
    ASSERT_TRUE(curve_.FindPeakPower(rpm, power));
    EXPECT_EQ(rpm, 2500.0f);
    EXPECT_EQ(power, 150.0f);
}

TEST_F(PowerCurveTest, AppendedRowsStopAt26AndSkipValuesOutOfRange) {
    curve_.Reset();
    for (int i = 0; i < 30; ++i) curve_.AppendPoint(2000.0f + 100.0f * i, 100.0f, 200.0f);
    EXPECT_EQ(curve_.GetNumPoints(), 26);
    curve_.Reset();
    curve_.AppendPoint(2000.0f, 8000.0f, 100.0f);
    EXPECT_EQ(curve_.GetNumPoints(), 0);
}

TEST_F(PowerCurveTest, SynthesisFromThePeaks) {
    curve_.PeakPower().SetValue(400.0f);
    curve_.PeakPowerRpm().SetValue(6000.0f);
    curve_.PeakTorque().SetValue(400.0f);
    curve_.PeakTorqueRpm().SetValue(4500.0f);
    curve_.SynthesizeFromPeaks();
    ASSERT_EQ(curve_.GetNumPoints(), 17);
    EXPECT_EQ(curve_.GetRpm(16), 10000.0f);
    EXPECT_NEAR(curve_.GetTorque(0), 251.28f, 0.01f);
    EXPECT_NEAR(curve_.GetTorque(5), 400.0f, 1e-3f);  // 4500 rpm
    EXPECT_NEAR(curve_.GetTorque(8), 350.14f, 0.01f);  // 6000 rpm
    EXPECT_NEAR(curve_.GetPower(8), 400.0f, 0.01f);
    EXPECT_NEAR(curve_.GetTorque(16), 47.55f, 0.01f);
    EXPECT_NEAR(curve_.GetPower(16), 90.53f, 0.01f);
}

TEST_F(PowerCurveTest, SynthesisWithBothPeaksAtOneRpmStaysFinite) {
    curve_.PeakPower().SetValue(300.0f);
    curve_.PeakPowerRpm().SetValue(5000.0f);
    curve_.PeakTorque().SetValue(330.0f);
    curve_.PeakTorqueRpm().SetValue(5000.0f);
    curve_.SynthesizeFromPeaks();
    ASSERT_GE(curve_.GetNumPoints(), 10);
    for (int i = 0; i < curve_.GetNumPoints(); ++i) {
        EXPECT_TRUE(std::isfinite(curve_.GetTorque(i)));
        EXPECT_GE(curve_.GetTorque(i), 1.0f);
    }
    EXPECT_NEAR(curve_.GetTorque(6), 330.0f, 1e-3f);  // 5000 rpm
}

// --- The table's lines in the vehicle file ----------------------------------

class PowerCurveFileTest : public PowerCurveTest {
protected:
    void Write() {
        FILE* out = fopen(file_.Path(), "wt");
        curve_.WriteToFile(out);
        fclose(out);
    }
    // The code the read throws, 0 when it succeeds.
    unsigned short Read(CPowerCurve& into) {
        FILE* in = fopen(file_.Path(), "rt");
        unsigned short code = 0;
        try {
            into.ReadFromFile(in);
        } catch (const ErrCodeException& error) {
            code = error.Code();
        }
        fclose(in);
        return code;
    }

    ScratchFile file_{"quillet_power_curve.txt"};
};

TEST_F(PowerCurveFileTest, WrittenAndReadBackEqual) {
    curve_.LoadPresetEngine(3);
    Write();
    const std::vector<std::string> lines = file_.Lines();
    ASSERT_EQ(lines.size(), 1u + 4u + 1u + 12u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1], "1 271.000000");
    EXPECT_EQ(lines[5], "12");
    EXPECT_EQ(lines[6], "2000 149.000000 391.273987");

    CPowerCurve read;
    ASSERT_EQ(Read(read), 0);
    EXPECT_EQ(read.GetEntryMode(), kEntryPower);
    ASSERT_EQ(read.GetNumPoints(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(read.GetRpm(i), curve_.GetRpm(i));
        EXPECT_EQ(read.GetPower(i), curve_.GetPower(i));
        EXPECT_NEAR(read.GetTorque(i), curve_.GetTorque(i), 1e-4f);
    }
    EXPECT_EQ(read.GetPeakPower(), 271.0f);
}

TEST_F(PowerCurveFileTest, RowsWithoutValuesReadBackWithoutValues) {
    Write();  // the default table: rpm only
    CPowerCurve read;
    read.LoadPresetEngine(21);
    ASSERT_EQ(Read(read), 0);
    ASSERT_EQ(read.GetNumPoints(), 10);
    EXPECT_EQ(read.GetRpm(9), 6500.0f);
    EXPECT_FALSE(read.PowerAt(0).IsSet());
    EXPECT_FALSE(read.TorqueAt(9).IsSet());
    EXPECT_FALSE(read.PeakPower().IsSet());
}

TEST_F(PowerCurveFileTest, DamagedTablesAreRefusedWithTheirCode) {
    curve_.LoadPresetEngine(1);
    Write();
    const std::vector<std::string> good = file_.Lines();
    const struct {
        size_t line;
        const char* text;
        unsigned short code;
    } cases[] = {
        {5, "1", kErrFileValue},  {5, "27", kErrFileValue},         {5, "x", kErrFileRead},
        {6, "2000 48", kErrFileRead}, {6, "2000 9000 100", kErrFileValue},
        {6, "-5 48 126", kErrFileValue}, {1, "1", kErrFileRead},
    };
    for (const auto& bad : cases) {
        std::vector<std::string> lines = good;
        lines[bad.line] = bad.text;
        file_.WriteLines(lines);
        CPowerCurve read;
        EXPECT_EQ(Read(read), bad.code) << bad.text;
    }
    std::vector<std::string> truncated(good.begin(), good.end() - 1);
    file_.WriteLines(truncated);
    CPowerCurve read;
    EXPECT_EQ(Read(read), kErrFileRead);
}

}  // namespace

}  // namespace quillet
