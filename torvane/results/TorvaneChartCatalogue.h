// The engine program's graphs: its result-curve catalogue (20 rows, each a
// document result curve or a combination of them), its ten data-zone
// presets, the defaults of the document's two graph views and its zone
// validation codes.
#pragma once

#include "common/charts/ChartCatalogue.h"

namespace torvane {

constexpr int kResultCurveRowCount = 20;
constexpr int kZonePresetCount = 10;
// The piston-speed preset, whose bounds need converting to engine speed.
constexpr int kPistonSpeedZonePreset = 9;

// The document's graph views.
enum ChartViewPlace { kFirstChartView, kSecondChartView };

const ChartCatalogue& TorvaneChartCatalogue();
// Installs it (the program profile's installer does this too).
void TorvaneInstallChartCatalogue();

}  // namespace torvane
