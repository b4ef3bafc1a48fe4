// The drag-race program's graphs: its run-curve catalogue (15 rows, each a
// document curve or a pair of them), its 14 data-zone presets, the defaults
// of the vehicle document's three graph places and its zone validation
// codes.
#pragma once

#include "common/charts/ChartCatalogue.h"

namespace quillet {

constexpr int kResultCurveRowCount = 15;
constexpr int kZonePresetCount = 14;
// The two combination rows.
constexpr int kSpeedsComboRow = 13;
constexpr int kRpmsComboRow = 14;
// The gear preset, whose zones come from the run's shifts.
constexpr int kGearZonePreset = 13;

const ChartCatalogue& QuilletChartCatalogue();
// Installs it; the application does this at start-up.
void QuilletInstallChartCatalogue();

}  // namespace quillet
