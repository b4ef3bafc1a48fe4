#include "torvane/results/TorvaneChartCatalogue.h"

namespace torvane {

namespace {

const ResultCurveRow kRows[kResultCurveRowCount] = {
    {0, 1, 0, "(None)", " ", {{0, 0}, {0, 0}, {0, 0}}},
    {1, 1, 1, "Engine Speed (RPM)", "RPM", {{0, 5000}, {0, 8000}, {0, 11000}}},
    {2, 1, 2, "Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {3, 1, 3, "Torque (lb-ft)", "lb-ft", {{0, 500}, {0, 1000}, {0, 2000}}},
    {4, 1, 4, "Manifold Pressure (psi)", "psi", {{0, 10}, {0, 15}, {0, 20}}},
    {5, 1, 5, "Volumetric Eff.(%)", "%", {{0, 50}, {0, 75}, {0, 100}}},
    {6, 2, 0, "Power,Torque combo", "HP,lb-ft", {{0, 500}, {0, 1000}, {0, 2000}}},
    {7, 1, 9, "Indicated Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {8, 1, 10, "Frictional Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {9, 1, 11, "Pumping Power (HP)", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {10, 1, 12, "Mechanical Eff.(%)", "%", {{0, 50}, {0, 75}, {0, 100}}},
    {11, 1, 13, "Induction Airflow (CFM)", "CFM", {{0, 1000}, {0, 2000}, {0, 4000}}},
    {12, 1, 14, "Piston Gas Force (lbs)", "lbs", {{0, 1000}, {0, 2000}, {0, 4000}}},
    {13, 1, 15, "Piston Speed (fpm)", "fpm", {{0, 1000}, {0, 2000}, {0, 4000}}},
    {14, 1, 7, "BMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {15, 1, 6, "IMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {16, 1, 8, "FMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {17, 1, 16, "PMEP (psi)", "psi", {{0, 50}, {0, 100}, {0, 500}}},
    {18, 4, 0, "Power combo", "HP", {{0, 500}, {0, 1000}, {0, 2000}}},
    {19, 4, 0, "Pressures combo", "psi", {{0, 50}, {0, 100}, {0, 500}}},
};

const ZonePresetRow kZonePresets[kZonePresetCount] = {
    {0, "(None)", " ", 0, {}, true, {}},
    {1, "Engine Speed (RPM)", "RPM", 1, {{0, 1000}}, false, {1}},
    {2, "Power (HP)", "HP", 1, {{0, 100}}, false, {2, 6}},
    {3, "Torque (lb-ft)", "lb-ft", 1, {{0, 100}}, false, {3, 6}},
    {4, "Manifold Pressure (psi)", "psi", 1, {{0, 10}}, false, {4, 15, 14, 16, 19}},
    {5, "Volumetric Eff.(%)", "%", 1, {{0, 50}}, false, {5}},
    {6, "IMEP (psi)", "psi", 1, {{0, 50}}, false, {4, 15, 14, 16, 19}},
    {7, "BMEP (psi)", "psi", 1, {{0, 50}}, false, {4, 15, 14, 16, 19}},
    {8, "FMEP (psi)", "psi", 1, {{0, 50}}, false, {4, 15, 14, 16, 19}},
    {kPistonSpeedZonePreset,
     "Piston Speed (fpm)",
     "fpm",
     6,
     {{0, 1000}, {1000, 2000}, {2000, 3000}, {3000, 4000}, {4000, 5000}, {5000, 10000}},
     true,
     {1}},
};

// Both views compare documents over engine speed at the high range: the
// first manifold pressure and volumetric efficiency, the second power and
// torque. A view without a place starts with power and torque at the
// middle range.
const ChartPlaceDefaults kPlaces[2] = {
    {kChartCompare, {1, 3}, {4, 0}, {5, 0}},
    {kChartCompare, {1, 3}, {2, 2}, {3, 2}},
};

const ChartCatalogue kCatalogue = {
    kRows,     kResultCurveRowCount, kZonePresets, kZonePresetCount, kPlaces, 2,
    {kChartCompare, {1, 3}, {2, 2}, {3, 2}},
    100,  // a zone's min not below its max
    101,  // zones overlapping
};

}  // namespace

const ChartCatalogue& TorvaneChartCatalogue() { return kCatalogue; }

void TorvaneInstallChartCatalogue() { InstallChartCatalogue(kCatalogue); }

}  // namespace torvane
