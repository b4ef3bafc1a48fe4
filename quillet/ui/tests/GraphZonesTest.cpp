// The drag-race graphs' data-zone presets, and the "Gear" zones worked out
// from a run's gear ends, on made-up results and on a raced vehicle.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/ui/GearZones.h"
#include "quillet/ui/QuilletChartCatalogue.h"

namespace quillet {

namespace {

// The presets are the drag-race program's.
class RaceChartCatalogue : public ::testing::Environment {
    void SetUp() override { QuilletInstallChartCatalogue(); }
};
::testing::Environment* const kRaceChartCatalogue = ::testing::AddGlobalTestEnvironment(new RaceChartCatalogue);

struct PresetCase {
    const char* name;
    const char* unit;
    std::vector<std::pair<int, int>> bounds;
    bool conversion;
    std::vector<int> fits;
};

const PresetCase kPresetCases[kZonePresetCount] = {
    {"(None)", " ", {}, true, {}},
    {"Time (secs)", "Secs", {{0, 1}}, false, {1}},
    {"Distance (ft)",
     "Feet",
     {{0, 60}, {60, 330}, {330, 660}, {660, 1000}, {1000, 1320}},
     false,
     {2}},
    {"Acceleration (g's)", "g's", {{0, 1}}, false, {3}},
    {"Speed (mph)", "MPH", {{0, 10}}, false, {4, 11, 13}},
    {"Drag (lbs)", "lbs", {{0, 50}}, false, {5}},
    {"Drive Force (lbs)", "lbs", {{0, 50}}, false, {5, 6}},
    {"Engine Torque (lbft)", "lbft", {{0, 50}}, false, {7}},
    {"Engine Power (HP)", "HP", {{0, 50}}, false, {8}},
    {"Engine Speed (RPM)", "RPM", {{0, 1000}}, false, {9, 14}},
    {"Clutch Speed (RPM)", "RPM", {{0, 1000}}, false, {9, 10, 14}},
    {"Tire Speed (mph)", "MPH", {{0, 10}}, false, {4, 11, 13}},
    {"Tire Diameter (inches)", "in", {{0, 10}}, false, {12}},
    {"Gear", "Gear#", {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}, true, {1, 2}},
};

TEST(ZonePresetsTest, EveryPresetHasItsNameUnitBoundsAndFittingCurves) {
    for (int p = 0; p < kZonePresetCount; ++p) {
        const PresetCase& expected = kPresetCases[p];
        SCOPED_TRACE(p);
        EXPECT_STREQ(ZonePresetName(p), expected.name);
        EXPECT_STREQ(ZonePresetUnit(p), expected.unit);
        ASSERT_EQ(ZonePresetZoneCount(p), int(expected.bounds.size()));
        for (int z = 0; z < ZonePresetZoneCount(p); ++z) {
            EXPECT_EQ(ZonePresetZoneMin(p, z), expected.bounds[z].first) << z;
            EXPECT_EQ(ZonePresetZoneMax(p, z), expected.bounds[z].second) << z;
        }
        for (int curve = 0; curve < kResultCurveRowCount; ++curve) {
            bool conversion = !expected.conversion;
            const bool listed =
                std::find(expected.fits.begin(), expected.fits.end(), curve) != expected.fits.end();
            EXPECT_EQ(ZonePresetFitsCurve(p, curve, conversion), listed) << "curve " << curve;
            if (listed) {
                EXPECT_EQ(conversion, expected.conversion) << "curve " << curve;
            }
        }
    }
}

// Results of a run with the given start line and gear ends.
CRaceResults Results(float startTime, float rollout, const std::vector<float>& timesInGear,
                     const std::vector<float>& gearEnds) {
    CRaceResults results;
    const float startLine[kRaceTrackRowValues] = {rollout, startTime};
    results.trackRows[0].Set(startLine);
    std::copy(timesInGear.begin(), timesInGear.end(), results.timeInGear);
    std::copy(gearEnds.begin(), gearEnds.end(), results.distanceAtGearEnd);
    return results;
}

struct GearZoneCase {
    const char* what;
    int gearCount;
    int axis;
    CRaceResults results;
    // Bounds of the zones from the first; {0, 0} for a disabled one, and
    // the zones after the last listed are disabled.
    std::vector<std::pair<float, float>> bounds;
};

TEST(GearZonesTest, ZonesRunFromGearEndToGearEndPastTheStartLine) {
    const CRaceResults fourSpeed =
        Results(0.25f, 0.5f, {1.5f, 2.5f, 3.0f, 6.0f}, {20.5f, 150.5f, 500.5f, 1320.7f});
    const CRaceResults leftOver = Results(0.25f, 0.5f, {1.5f, 2.5f, 3.0f, 6.0f, 7.0f, 8.0f},
                                          {20.5f, 150.5f, 500.5f, 1320.7f, 2000, 3000});
    const GearZoneCase cases[] = {
        {"time",
         4,
         kCurveTime,
         fourSpeed,
         {{0, 1.25f}, {1.25f, 3.75f}, {3.75f, 6.75f}, {6.75f, 12.75f}}},
        {"distance",
         4,
         kCurveDistance,
         fourSpeed,
         {{0, 20}, {20, 150}, {150, 500}, {500, 1320.2f}}},
        {"gear count not set", 0, kCurveTime, fourSpeed, {}},
        {"gears not reached",
         6,
         kCurveDistance,
         fourSpeed,
         {{0, 20}, {20, 150}, {150, 500}, {500, 1320.2f}}},
        {"results beyond the gear count", 2, kCurveTime, leftOver, {{0, 1.25f}, {1.25f, 3.75f}}},
        {"no run", 4, kCurveDistance, CRaceResults(), {}},
        {"first gear ended in the rollout, by time",
         2,
         kCurveTime,
         Results(0.25f, 0.5f, {0.2f, 3.0f}, {0.4f, 90.5f}),
         {{0, 0}, {0, 2.95f}}},
        {"first gear ended in the rollout, by distance",
         2,
         kCurveDistance,
         Results(0.25f, 0.5f, {0.2f, 3.0f}, {0.4f, 90.5f}),
         {{0, 0}, {0, 90}}},
    };
    for (const GearZoneCase& c : cases) {
        SCOPED_TRACE(c.what);
        const GearZones zones = ComputeGearZones(c.gearCount, c.axis, c.results);
        for (int i = 0; i < kMaxZones; ++i) {
            const bool expected = i < int(c.bounds.size()) && c.bounds[i].second > 0;
            ASSERT_EQ(zones.zones[i].enabled, expected) << "zone " << i;
            if (!expected) continue;
            EXPECT_FLOAT_EQ(zones.zones[i].displayMin, c.bounds[i].first) << "zone " << i;
            EXPECT_FLOAT_EQ(zones.zones[i].displayMax, c.bounds[i].second) << "zone " << i;
        }
    }
}

// Whether time `t` of the time curve lies where the run passed distance
// `distance`: between the samples on either side of it (one step's grace).
::testing::AssertionResult SameMoment(const CQuilletDoc& doc, float distance, float t) {
    const float* d = doc.GetCurve(kCurveDistance);
    const float* time = doc.GetCurve(kCurveTime);
    const int count = doc.GetNumCurvePoints();
    const int after = std::min(int(std::lower_bound(d, d + count, distance) - d), count - 1);
    const int before = std::max(after - 1, 0);
    if (t >= time[before] - 0.001f && t <= time[after] + 0.001f)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at " << distance << " ft the run is between " << time[before] << " and "
           << time[after] << " s, not at " << t;
}

TEST(GearZonesTest, AStreetCarsGearZonesFollowItsShiftsInsideTheRun) {
    TestDocHost host;
    std::unique_ptr<CQuilletDoc> doc = NewDoc();
    doc->SetAutoRun(false);
    ChooseStreetCar(*doc);
    ASSERT_TRUE(doc->RunSimulation(true, true));
    const CRaceResults& results = doc->GetResults();
    const int gears = doc->m_gearCount.GetValue();
    ASSERT_EQ(gears, 4);

    const GearZones byTime = ComputeGearZones(*doc, kCurveTime);
    const GearZones byDistance = ComputeGearZones(*doc, kCurveDistance);
    int reached = 0;
    while (reached < gears && byDistance.zones[reached].enabled) ++reached;
    ASSERT_GE(reached, 3) << "a street car shifts at least twice in a quarter mile";
    float previousTime = 0.0f, previousDistance = 0.0f;
    for (int i = 0; i < kMaxZones; ++i) {
        SCOPED_TRACE(i);
        const GearZone& t = byTime.zones[i];
        const GearZone& d = byDistance.zones[i];
        ASSERT_EQ(t.enabled, i < reached);
        ASSERT_EQ(d.enabled, i < reached);
        if (i >= reached) continue;
        EXPECT_EQ(t.displayMin, previousTime);
        EXPECT_EQ(d.displayMin, previousDistance);
        EXPECT_GT(t.displayMax, t.displayMin);
        EXPECT_GT(d.displayMax, d.displayMin);
        EXPECT_LE(t.displayMax, results.elapsedTime + 0.001f);
        EXPECT_LE(d.displayMax, doc->GetRaceLength() + 1.0f);
        // Both axes place the shift at the same moment of the run.
        EXPECT_TRUE(SameMoment(*doc, d.displayMax, t.displayMax));
        previousTime = t.displayMax;
        previousDistance = d.displayMax;
    }
    // The top gear reached ends at the finish.
    EXPECT_NEAR(previousTime, results.elapsedTime, 0.002f);
    EXPECT_NEAR(previousDistance, float(doc->GetRaceLength()), 1.0f);
}

}  // namespace

}  // namespace quillet
