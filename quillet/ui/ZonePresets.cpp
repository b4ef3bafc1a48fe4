#include "quillet/ui/ZonePresets.h"

#include "common/Assertion.h"
#include "quillet/ui/ResultCurveCatalogue.h"

namespace quillet {

static const char kAssertModule[] = "ZonePresets.cpp";

namespace {

const int kMaxFittingCurves = 4;

struct ZonePresetRow {
    int index;
    const char* name;
    const char* unit;
    int zoneCount;
    int bounds[kMaxZones][2];
    bool conversion;
    int fitsCurves[kMaxFittingCurves];  // catalogue rows; 0 ends the list
};

const ZonePresetRow kPresets[kZonePresetCount] = {
    {0, "(None)", " ", 0, {}, true, {}},
    {1, "Time (secs)", "Secs", 1, {{0, 1}}, false, {1}},
    {2,
     "Distance (ft)",
     "Feet",
     5,
     {{0, 60}, {60, 330}, {330, 660}, {660, 1000}, {1000, 1320}},
     false,
     {2}},
    {3, "Acceleration (g's)", "g's", 1, {{0, 1}}, false, {3}},
    {4, "Speed (mph)", "MPH", 1, {{0, 10}}, false, {4, 11, 13}},
    {5, "Drag (lbs)", "lbs", 1, {{0, 50}}, false, {5}},
    {6, "Drive Force (lbs)", "lbs", 1, {{0, 50}}, false, {6, 5}},
    {7, "Engine Torque (lbft)", "lbft", 1, {{0, 50}}, false, {7}},
    {8, "Engine Power (HP)", "HP", 1, {{0, 50}}, false, {8}},
    {9, "Engine Speed (RPM)", "RPM", 1, {{0, 1000}}, false, {9, 14}},
    {10, "Clutch Speed (RPM)", "RPM", 1, {{0, 1000}}, false, {10, 9, 14}},
    {11, "Tire Speed (mph)", "MPH", 1, {{0, 10}}, false, {11, 4, 13}},
    {12, "Tire Diameter (inches)", "in", 1, {{0, 10}}, false, {12}},
    {13, "Gear", "Gear#", 6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}, true, {2, 1}},
};

const ZonePresetRow& Preset(int preset) {
    APP_ASSERT(preset >= 0 && preset < kZonePresetCount);
    APP_ASSERT(kPresets[preset].index == preset);
    return kPresets[preset];
}

const int* PresetBounds(int preset, int zone) {
    const ZonePresetRow& row = Preset(preset);
    APP_ASSERT(zone >= 0 && zone < row.zoneCount);
    return row.bounds[zone];
}

}  // namespace

const char* ZonePresetName(int preset) {
    return Preset(preset).name;
}

const char* ZonePresetUnit(int preset) {
    return Preset(preset).unit;
}

int ZonePresetZoneCount(int preset) {
    return Preset(preset).zoneCount;
}

int ZonePresetZoneMin(int preset, int zone) {
    return PresetBounds(preset, zone)[0];
}

int ZonePresetZoneMax(int preset, int zone) {
    return PresetBounds(preset, zone)[1];
}

bool ZonePresetFitsCurve(int preset, int curve, bool& conversion) {
    const ZonePresetRow& row = Preset(preset);
    APP_ASSERT(curve >= 0 && curve < kResultCurveRowCount);
    for (int fitting : row.fitsCurves) {
        if (fitting == 0) break;
        if (fitting == curve) {
            conversion = row.conversion;
            return true;
        }
    }
    return false;
}

}  // namespace quillet
