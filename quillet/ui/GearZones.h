// The "Gear" data zones of a drag-race graph: one band per gear of the last
// run along its time or distance axis, each from where the gear before it
// ended to where this gear ended.
//
// The run's results give the ends and the start offset:
// - time axis (catalogue row 1): a gear ends its time in gear after the end
//   of the gear before it; the run's times count from the launch, the time
//   curve from the start line, so the first gear's end is less the time at
//   the start line (track row 0's time);
// - distance axis (catalogue row 2): a gear ends at its distance at the end
//   of the gear, kept from the launch point, less the distance to the start
//   line (track row 0's distance, the rollout), since the distance curve
//   counts from the start line.
// A zone at or beyond the gear count, or whose time in gear or gear-end
// distance is not above 0 (a gear the run never reached), is disabled; so is
// a gear that ended before the start line (wheelspin can shift that early),
// and the gear after it then starts at the start line.
#pragma once

#include "common/charts/ChartCatalogue.h"
#include "quillet/document/RaceResults.h"

namespace quillet {

class CQuilletDoc;

struct GearZone {
    bool enabled = false;
    float displayMin = 0.0f;  // in the axis curve's unit (s or ft)
    float displayMax = 0.0f;
};

struct GearZones {
    GearZone zones[kMaxZones];
};

// The zones over catalogue row `axisCurve` (1 time or 2 distance, asserted)
// for a vehicle of `gearCount` gears (0 when not set).
GearZones ComputeGearZones(int gearCount, int axisCurve, const CRaceResults& results);
// The same for the document's vehicle and last run.
GearZones ComputeGearZones(const CQuilletDoc& doc, int axisCurve);

}  // namespace quillet
