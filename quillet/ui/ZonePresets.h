// The drag-race graphs' data-zone presets: fixed value bands of one result
// curve, by name and unit, and the catalogue rows each preset fits. The
// "Gear" preset's bands are worked out from the run (GearZones.h).
#pragma once

#include "quillet/ui/ChartSettings.h"

namespace quillet {

// The preset whose bands follow the gears of the run.
constexpr int kGearZonePreset = 13;

// Each asserts the preset 0..13 (and the zone below the preset's count).
const char* ZonePresetName(int preset);
const char* ZonePresetUnit(int preset);
int ZonePresetZoneCount(int preset);
int ZonePresetZoneMin(int preset, int zone);
int ZonePresetZoneMax(int preset, int zone);
// Whether the preset fits catalogue row `curve` (0..14, asserted); when it
// does, `conversion` tells whether its bounds are worked out before drawing.
bool ZonePresetFitsCurve(int preset, int curve, bool& conversion);

}  // namespace quillet
