#include "quillet/ui/QuilletChartCatalogue.h"

namespace quillet {

namespace {

const ResultCurveRow kRows[kResultCurveRowCount] = {
    {0, 1, 0, "(None)", " ", {{0, 0}, {0, 0}, {0, 0}}},
    {1, 1, 1, "Time (secs)", "Secs", {{0, 5}, {0, 10}, {0, 20}}},
    {2, 1, 2, "Distance (ft)", "Feet", {{0, 60}, {0, 660}, {0, 1320}}},
    {3, 1, 3, "Acceleration (g's)", "g's", {{0, 1}, {0, 3}, {0, 5}}},
    {4, 1, 4, "Speed (mph)", "MPH", {{0, 200}, {0, 300}, {0, 400}}},
    {5, 1, 5, "Drag (lbs)", "lbs", {{0, 1000}, {0, 3000}, {0, 5000}}},
    {6, 1, 6, "Drive Force (lbs)", "lbs", {{0, 1000}, {0, 3000}, {0, 5000}}},
    {7, 1, 7, "Engine Torque (lbft)", "lbft", {{0, 500}, {0, 1000}, {0, 5000}}},
    {8, 1, 8, "Engine Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 5000}}},
    {9, 1, 9, "Engine Speed (RPM)", "RPM", {{0, 5000}, {0, 8000}, {0, 11000}}},
    {10, 1, 10, "Clutch Speed (RPM)", "RPM", {{0, 5000}, {0, 8000}, {0, 11000}}},
    {11, 1, 11, "Tire Speed (mph)", "MPH", {{0, 200}, {0, 300}, {0, 400}}},
    {12, 1, 12, "Tire Diameter (inches)", "in", {{0, 30}, {0, 50}, {0, 100}}},
    {kSpeedsComboRow, 2, 0, "Vehicle/Tire MPH", "MPH", {{0, 200}, {0, 300}, {0, 400}}},
    {kRpmsComboRow, 2, 0, "Engine/Clutch RPM", "RPM", {{0, 5000}, {0, 8000}, {0, 11000}}},
};

const ZonePresetRow kZonePresets[kZonePresetCount] = {
    {0, "(None)", " ", 0, {}, true, {}},
    {1, "Time (secs)", "Secs", 1, {{0, 1}}, false, {1}},
    {2, "Distance (ft)", "Feet", 5, {{0, 60}, {60, 330}, {330, 660}, {660, 1000}, {1000, 1320}}, false, {2}},
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
    {kGearZonePreset, "Gear", "Gear#", 6, {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}}, true, {2, 1}},
};

// The first place compares vehicles' speed and tyre speed over the first
// 60 feet; the other two show one vehicle over the whole track, the second
// with acceleration and the speed pair, the third with drag and the rpm
// pair. A view without a place starts with acceleration and speed.
const ChartPlaceDefaults kPlaces[3] = {
    {kChartCompare, {2, 1}, {4, 1}, {11, 1}},
    {kChartCombine, {2, 3}, {3, 0}, {kSpeedsComboRow, 0}},
    {kChartCombine, {2, 3}, {5, 0}, {kRpmsComboRow, 0}},
};

const ChartCatalogue kCatalogue = {
    kRows,   kResultCurveRowCount, kZonePresets, kZonePresetCount, kPlaces, 3,
    {kChartCompare, {2, 3}, {3, 2}, {4, 2}},
    114,  // a zone's min not below its max
    115,  // zones overlapping
};

}  // namespace

const ChartCatalogue& QuilletChartCatalogue() { return kCatalogue; }

void QuilletInstallChartCatalogue() { InstallChartCatalogue(kCatalogue); }

}  // namespace quillet
