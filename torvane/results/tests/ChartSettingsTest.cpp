// The graphs' settings: the curve catalogue, axis selections, data zones and
// their lines in the engine file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/ErrCodeException.h"
#include "common/charts/ChartSettings.h"
#include "common/tests/ScratchFile.h"
#include "torvane/results/TorvaneChartCatalogue.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {

namespace {

// The catalogue and zone presets are the engine program's.
class EngineProfile : public ::testing::Environment {
    void SetUp() override { TorvaneInstallProgramProfile(); }
};
::testing::Environment* const kEngineProfile = ::testing::AddGlobalTestEnvironment(new EngineProfile);

class ChartSettingsTest : public ::testing::Test {
protected:
    ChartSettingsTest() { TorvaneInstallProgramProfile(); }

    std::vector<std::string> WrittenLines(const ChartSettings& settings) {
        FILE* out = fopen(file_.Path(), "wt");
        settings.Write(out);
        fclose(out);
        return file_.Lines();
    }

    // Reads the file into `settings`; the error code thrown, 0 for none.
    unsigned short ReadBack(ChartSettings& settings) {
        FILE* in = fopen(file_.Path(), "rt");
        unsigned short code = 0;
        try {
            settings.Read(in);
        } catch (const ErrCodeException& e) {
            code = e.Code();
        }
        fclose(in);
        return code;
    }

    ScratchFile file_{"chart_settings_test.txt"};
};

void ExpectSameAxis(const ChartAxisSetting& a, const ChartAxisSetting& b) {
    EXPECT_EQ(a.curveIndex, b.curveIndex);
    EXPECT_EQ(a.resultCurve, b.resultCurve);
    EXPECT_STREQ(a.name, b.name);
    EXPECT_STREQ(a.unit, b.unit);
    EXPECT_EQ(a.scalePreset, b.scalePreset);
}

void ExpectSameSettings(const ChartSettings& a, const ChartSettings& b) {
    EXPECT_EQ(a.mode, b.mode);
    ExpectSameAxis(a.x, b.x);
    ExpectSameAxis(a.y, b.y);
    ExpectSameAxis(a.y2, b.y2);
    const ZoneSettings& za = a.zones;
    const ZoneSettings& zb = b.zones;
    EXPECT_EQ(za.axis, zb.axis);
    EXPECT_EQ(za.curveIndex, zb.curveIndex);
    EXPECT_EQ(za.preset, zb.preset);
    EXPECT_EQ(za.zoneCount, zb.zoneCount);
    EXPECT_EQ(za.enabled, zb.enabled);
    EXPECT_EQ(za.applies, zb.applies);
    EXPECT_EQ(za.needsConversion, zb.needsConversion);
    for (int i = 0; i < kMaxZones; ++i) {
        SCOPED_TRACE(i);
        const ZoneRange& ra = za.zones[i];
        const ZoneRange& rb = zb.zones[i];
        EXPECT_EQ(ra.GetColor(), rb.GetColor());
        EXPECT_EQ(ra.IsEnabled(), rb.IsEnabled());
        EXPECT_EQ(ra.GetMin(), rb.GetMin());
        EXPECT_EQ(ra.GetMax(), rb.GetMax());
        EXPECT_EQ(ra.IsShowMinLabel(), rb.IsShowMinLabel());
        EXPECT_EQ(ra.IsShowMaxLabel(), rb.IsShowMaxLabel());
    }
}

TEST(ResultCurveCatalogueTest, RowsNameTheirCurvesUnitsAndRanges) {
    EXPECT_STREQ("Volumetric Eff.(%)", ResultCurveName(5));
    EXPECT_STREQ("HP,lb-ft", ResultCurveUnit(6));
    // Rows are not in result-curve order: BMEP (row 14) is curve 7, IMEP (15) curve 6.
    EXPECT_EQ(7, ResultCurveResultId(14));
    EXPECT_EQ(6, ResultCurveResultId(15));
    EXPECT_EQ(16, ResultCurveResultId(17));
    EXPECT_EQ(0, ResultCurveResultId(18));
    EXPECT_FALSE(ResultCurveIsCombo(0));
    EXPECT_EQ(2, ResultCurveCount(6));
    EXPECT_EQ(4, ResultCurveCount(19));
    EXPECT_TRUE(ResultCurveIsCombo(18));
    int min = -1, max = -1;
    ResultCurvePresetRange(4, 2, min, max);
    EXPECT_EQ(0, min);
    EXPECT_EQ(15, max);
    ResultCurvePresetRange(1, 3, min, max);
    EXPECT_EQ(11000, max);
    EXPECT_STREQ("Auto-Range", ScalePresetName(0));
    EXPECT_STREQ("Hi-Range", ScalePresetName(3));
}

TEST(ZonePresetTest, PresetsGiveTheirZonesAndTheCurvesTheyFit) {
    EXPECT_STREQ("Piston Speed (fpm)", ZonePresetName(9));
    EXPECT_EQ(6, ZonePresetZoneCount(9));
    EXPECT_EQ(5000, ZonePresetZoneMin(9, 5));
    EXPECT_EQ(10000, ZonePresetZoneMax(9, 5));
    EXPECT_EQ(0, ZonePresetZoneCount(0));
    bool conversion = false;
    EXPECT_TRUE(ZonePresetFitsCurve(9, 1, conversion));
    EXPECT_TRUE(conversion);
    EXPECT_TRUE(ZonePresetFitsCurve(7, 19, conversion));
    EXPECT_FALSE(conversion);
    EXPECT_FALSE(ZonePresetFitsCurve(9, 13, conversion));
    EXPECT_FALSE(ZonePresetFitsCurve(0, 0, conversion));  // "(None)" fits nothing
}

TEST(ChartAxisSettingTest, AutoRangeKeepsThePreviousPresetRange) {
    ChartAxisSetting axis;
    axis.Select(2, 2);
    EXPECT_EQ(1000, axis.presetMax);
    axis.SetScale(0);
    EXPECT_EQ(0, axis.scalePreset);
    EXPECT_EQ(1000, axis.presetMax);
    axis.SetCurve(4);  // preset 0 still: the range stays
    EXPECT_STREQ("psi", axis.unit);
    EXPECT_EQ(1000, axis.presetMax);
    axis.SetScale(1);
    EXPECT_EQ(10, axis.presetMax);
    axis.Clear();
    EXPECT_EQ(nullptr, axis.name);
    EXPECT_EQ(0, axis.presetMax);
}

TEST(ZoneSettingsTest, AttachingNeedsAPresetThatFitsTheCurve) {
    ZoneSettings zones;
    zones.preset = kPistonSpeedZonePreset;
    EXPECT_TRUE(zones.AttachToCurve(0, 1));
    EXPECT_EQ(1, zones.curveIndex);
    EXPECT_TRUE(zones.applies);
    EXPECT_TRUE(zones.needsConversion);
    EXPECT_FALSE(zones.AttachToCurve(1, 2));
    EXPECT_EQ(0, zones.axis);
    EXPECT_EQ(0, zones.curveIndex);
    EXPECT_FALSE(zones.applies);
    EXPECT_FALSE(zones.needsConversion);
}

TEST(ZoneSettingsTest, BlendingStepsEachChannelInWholeSteps) {
    ZoneSettings zones;
    zones.zoneCount = 3;
    zones.zones[0].SetColor(0xBDF3FF);
    zones.zones[2].SetColor(0xB48C73);
    zones.BlendColors();
    EXPECT_EQ(0xBDF3FF, zones.zones[0].GetColor());
    EXPECT_EQ(0xB9C0B9, zones.zones[1].GetColor());
    EXPECT_EQ(0xB58D73, zones.zones[2].GetColor());  // short of 0xB48C73
}

TEST(ZoneSettingsTest, ZonesMustNotBeEmptyOrOverlap) {
    struct Case {
        float min1, max1, min2, max2;
        unsigned short code;  // 0: valid
    };
    const Case cases[] = {
        {0, 1000, 1000, 2000, 0},   // touching
        {0, 1000, 1500, 2000, 0},   // a gap
        {0, 1000, 900, 2000, 101},  // overlapping
        {1000, 1000, 2000, 3000, 100}, {0, 1000, 3000, 2000, 100},
    };
    for (const Case& c : cases) {
        ZoneSettings zones;
        zones.zoneCount = 2;
        zones.zones[0].SetMin(c.min1);
        zones.zones[0].SetMax(c.max1);
        zones.zones[1].SetMin(c.min2);
        zones.zones[1].SetMax(c.max2);
        unsigned short code = 0;
        EXPECT_EQ(c.code == 0, zones.Validate(code)) << c.min2;
        EXPECT_EQ(c.code, code) << c.min2;
    }
}

TEST_F(ChartSettingsTest, EachViewPlaceWritesItsDefaults) {
    const std::vector<std::string> zoneLines = {
        "0 0 0 0 0 0 1",
        "0 1 0.000000 0.000000 1 0.000000 0.000000 1",
        "0 1 0.000000 0.000000 1 0.000000 0.000000 1",
        "0 1 0.000000 0.000000 1 0.000000 0.000000 1",
        "0 1 0.000000 0.000000 1 0.000000 0.000000 1",
        "0 1 0.000000 0.000000 1 0.000000 0.000000 1",
        "0 1 0.000000 0.000000 1 0.000000 0.000000 1",
    };
    std::vector<std::string> first = {"1", "1 3", "4 0", "5 0"};
    first.insert(first.end(), zoneLines.begin(), zoneLines.end());
    std::vector<std::string> second = {"1", "1 3", "2 2", "3 2"};
    second.insert(second.end(), zoneLines.begin(), zoneLines.end());
    EXPECT_EQ(first, WrittenLines(ChartSettings(kFirstChartView)));
    EXPECT_EQ(second, WrittenLines(ChartSettings(kSecondChartView)));
}

// Every field away from its default.
ChartSettings FullySet() {
    ChartSettings settings(kSecondChartView);
    settings.mode = kChartCombine;
    settings.x.Select(13, 1);
    settings.y.Select(18, 3);
    settings.y2.Select(0, 0);
    ZoneSettings& zones = settings.zones;
    zones.preset = kPistonSpeedZonePreset;
    zones.zoneCount = 5;
    zones.enabled = true;
    zones.AttachToCurve(0, 1);
    for (int i = 0; i < kMaxZones; ++i) {
        ZoneRange& zone = zones.zones[i];
        zone.SetColor(0xD6F7FF - i * 0x10101);
        zone.SetMin(1000.5f * i);
        zone.SetMax(1000.5f * (i + 1));
        zone.SetDisplayMin(zone.GetMin() * 2);  // display values are not kept
        zone.SetEnabled(i % 2 == 0);
        zone.SetShowMinLabel(i != 1);
        zone.SetShowMaxLabel(i != 2);
    }
    return settings;
}

TEST_F(ChartSettingsTest, ARecordReadsBackAsItWasWritten) {
    const ChartSettings written = FullySet();
    WrittenLines(written);
    ChartSettings read;
    ASSERT_EQ(0, ReadBack(read));
    ExpectSameSettings(written, read);
    const ZoneRange& zone = read.zones.zones[3];
    EXPECT_EQ(zone.GetMin(), zone.GetDisplayMin());
    EXPECT_STREQ("3001.5", zone.GetMinText());
    EXPECT_STREQ("4002", zone.GetMaxText());
}

TEST_F(ChartSettingsTest, DamagedLinesAreRefusedAndTheRecordKept) {
    struct Damage {
        int line;          // 0-based line of the written record
        const char* text;  // its replacement; null cuts the record there
        unsigned short code;
    };
    const Damage damages[] = {
        {0, "2", 47},                       // mode
        {0, "x", 45},                       // not a number
        {1, "20 1", 47},                    // curve row
        {2, "4 4", 47},                     // scale preset
        {3, "3", 45},                       // one number only
        {4, "3 0 0 0 0 0 1", 47},           // zone axis
        {4, "0 1 10 0 0 0 1", 47},          // zone preset
        {4, "0 1 9 7 0 0 1", 47},           // zone count
        {5, "16777216 1 0 0 1 0 0 1", 47},  // colour beyond RGB
        {5, "-1 1 0 0 1 0 0 1", 47},
        {5, "0 1 0 0 1 0 0", 45},
        {10, nullptr, 45},  // the file ends inside the zones
        // Combinations the graph cannot show, which the program never writes.
        {1, "6 3", 47},            // a combination on x
        {1, "0 3", 47},            // no x curve
        {2, "0 2", 47},            // no y curve
        {4, "0 1 0 0 1 0 1", 47},  // zones shown without a preset
    };
    const std::vector<std::string> good = WrittenLines(ChartSettings(kFirstChartView));
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.text == nullptr ? "cut" : damage.text);
        std::vector<std::string> lines = good;
        if (damage.text == nullptr) {
            lines.resize(static_cast<size_t>(damage.line));
        } else {
            lines[static_cast<size_t>(damage.line)] = damage.text;
        }
        file_.WriteLines(lines);
        ChartSettings settings = FullySet();
        EXPECT_EQ(damage.code, ReadBack(settings));
        ExpectSameSettings(FullySet(), settings);
    }
}

TEST_F(ChartSettingsTest, CombinationsAreReadOnlyInCombineMode) {
    std::vector<std::string> lines = WrittenLines(ChartSettings(kFirstChartView));
    lines[2] = "6 0";  // "Power,Torque combo" on y
    for (int mode : {kChartCompare, kChartCombine}) {
        lines[0] = std::to_string(mode);
        file_.WriteLines(lines);
        ChartSettings settings;
        EXPECT_EQ(mode == kChartCompare ? 47 : 0, ReadBack(settings));
    }
    lines[2] = "2 0";
    lines[3] = "19 0";  // "Pressures combo" on the second y
    lines[0] = "1";
    file_.WriteLines(lines);
    ChartSettings settings;
    EXPECT_EQ(47, ReadBack(settings));
}

}  // namespace

}  // namespace torvane
