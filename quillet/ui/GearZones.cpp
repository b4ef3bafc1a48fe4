#include "quillet/ui/GearZones.h"

#include <algorithm>

#include "common/Assertion.h"
#include "quillet/document/QuilletDoc.h"

namespace quillet {

static const char kAssertModule[] = "GearZones.cpp";

GearZones ComputeGearZones(int gearCount, int axisCurve, const CRaceResults& results) {
    APP_ASSERT(axisCurve == kCurveTime || axisCurve == kCurveDistance);
    const bool timeAxis = axisCurve == kCurveTime;
    const TrackRow& startLine = results.GetTrackRow(0);
    const float startOffset = timeAxis ? startLine.time : startLine.distance;

    GearZones gearZones;
    // Where the gear before ended, past the start line; below 0 when it
    // ended in the rollout.
    float previousEnd = 0.0f;
    for (int i = 0; i < kMaxZones && i < gearCount && i < kRaceGearCount; ++i) {
        const float value = timeAxis ? results.timeInGear[i] : results.distanceAtGearEnd[i];
        if (!(value > 0.0f)) continue;
        const float end =
            timeAxis ? previousEnd + value - (i == 0 ? startOffset : 0.0f) : value - startOffset;
        GearZone& zone = gearZones.zones[i];
        zone.enabled = end > 0.0f;
        zone.displayMin = std::max(previousEnd, 0.0f);
        zone.displayMax = end;
        previousEnd = end;
    }
    return gearZones;
}

GearZones ComputeGearZones(const CQuilletDoc& doc, int axisCurve) {
    const int gearCount = doc.m_gearCount.IsSet() ? doc.m_gearCount.GetValue() : 0;
    return ComputeGearZones(gearCount, axisCurve, doc.GetResults());
}

}  // namespace quillet
