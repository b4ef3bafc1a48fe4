// The outcome of a vehicle's last run: the time-slip figures, six rows of
// track data, twelve sampled curves and their 60-ft step tables. Filled by
// the simulation interface's copy, cleared by every failed or new run.
#pragma once

#include "quillet/kernel/RaceSimBlock.h"

namespace quillet {

// One track mark: start line (rollout), 60, 330, 660, 1000 or 1320 ft.
struct TrackRow {
    TrackRow() { Clear(); }
    void Clear();
    // The eight values in the order above.
    void Set(const float values[kRaceTrackRowValues]);

    float distance;    // ft
    float time;        // s
    float speed;       // mph
    float acceleration;  // g
    float resistance;  // lb, aerodynamic plus rolling
    float tyreSpeed;   // mph
    float engineRpm;
    float clutchRpm;
};

// The document's curves, 1-based as callers number them.
enum RaceCurve : int {
    kCurveTime = 1,          // s
    kCurveDistance = 2,      // ft
    kCurveAcceleration = 3,  // g
    kCurveSpeed = 4,         // mph
    kCurveDrag = 5,          // lb
    kCurveDriveForce = 6,    // lb
    kCurveTorque = 7,        // lb-ft
    kCurvePower = 8,         // hp
    kCurveEngineRpm = 9,
    kCurveClutchRpm = 10,
    kCurveTyreSpeed = 11,     // mph
    kCurveTyreDiameter = 12,  // in
};

class CRaceResults {
public:
    CRaceResults() { Clear(); }
    CRaceResults(const CRaceResults&) = default;
    CRaceResults& operator=(const CRaceResults&) = default;

    // Every value, row, sample and step entry back to 0.
    void Clear();

    const TrackRow& GetTrackRow(int row) const;
    // Curve 1..12: kRaceMaxSamples values, the first GetNumCurvePoints valid.
    const float* GetCurve(int curve) const;
    // The 23-entry step table of curve 1, 2, 3, 4, 7 or 8.
    const float* GetStepTable(int curve) const;
    int GetNumCurvePoints() const { return sampleCount; }

    // Header.
    float elapsedTime;  // s
    float trapSpeed;    // mph
    float time0To60;    // s
    float time0To100;   // s
    float timeInGear[kRaceGearCount];         // s
    float distanceAtGearEnd[kRaceGearCount];  // ft

    TrackRow trackRows[kRaceTrackRowCount];
    int sampleCount;
    float curves[kRaceChannelCount][kRaceMaxSamples];
    float stepTables[kRaceStepTableCount][kRaceStepCount];
};

}  // namespace quillet
