#include "quillet/document/RaceResults.h"

#include <algorithm>
#include <iterator>

#include "common/Assertion.h"

namespace quillet {

static const char kAssertModule[] = "RaceResults.cpp";

void TrackRow::Clear() {
    distance = time = speed = acceleration = 0.0f;
    resistance = tyreSpeed = engineRpm = clutchRpm = 0.0f;
}

void TrackRow::Set(const float values[kRaceTrackRowValues]) {
    distance = values[0];
    time = values[1];
    speed = values[2];
    acceleration = values[3];
    resistance = values[4];
    tyreSpeed = values[5];
    engineRpm = values[6];
    clutchRpm = values[7];
}

void CRaceResults::Clear() {
    elapsedTime = trapSpeed = time0To60 = time0To100 = 0.0f;
    std::fill(std::begin(timeInGear), std::end(timeInGear), 0.0f);
    std::fill(std::begin(distanceAtGearEnd), std::end(distanceAtGearEnd), 0.0f);
    for (TrackRow& row : trackRows) row.Clear();
    sampleCount = 0;
    std::fill(&curves[0][0], &curves[0][0] + sizeof curves / sizeof curves[0][0], 0.0f);
    std::fill(&stepTables[0][0], &stepTables[0][0] + sizeof stepTables / sizeof stepTables[0][0],
              0.0f);
}

const TrackRow& CRaceResults::GetTrackRow(int row) const {
    APP_ASSERT(row >= 0 && row < kRaceTrackRowCount);
    return trackRows[row];
}

const float* CRaceResults::GetCurve(int curve) const {
    APP_ASSERT(curve >= kCurveTime && curve <= kCurveTyreDiameter);
    return curves[curve - 1];
}

const float* CRaceResults::GetStepTable(int curve) const {
    for (int table = 0; table < kRaceStepTableCount; ++table) {
        if (kRaceStepTableCurves[table] == curve - 1) return stepTables[table];
    }
    AssertionFailure(kAssertModule, __LINE__);
}

}  // namespace quillet
