// The record that carries one vehicle into the acceleration run and the
// run's time slip, track marks and sampled channels back out. Plain data in
// English units: feet, seconds, pounds, inches where noted, rpm, lb-ft.
#pragma once

#include <cstdint>

namespace quillet {

// Race lengths, ft.
constexpr int kRaceEighthMile = 660;
constexpr int kRaceQuarterMile = 1320;

constexpr int kRaceGearCount = 6;
constexpr int kRaceShiftCount = kRaceGearCount - 1;
constexpr int kRaceCurvePoints = 26;
constexpr int kRaceMaxSamples = 1322;
constexpr int kRaceChannelCount = 12;
// Track marks with times and speeds: 60, 330, 660 and 1000 ft.
constexpr int kRaceTimedMarkCount = 4;
// All track marks: the four above and 1320 ft.
constexpr int kRaceMarkCount = 5;

// Sampled channels, in the order the block stores them.
enum RaceChannel : int {
    kRaceChannelTime = 0,      // s since the start time
    kRaceChannelDistance,      // ft past the start line
    kRaceChannelAcceleration,  // g
    kRaceChannelSpeed,         // mph
    kRaceChannelTyreSpeed,     // tyre surface mph
    kRaceChannelResistance,    // aerodynamic plus rolling, lb
    kRaceChannelEngineRpm,
    kRaceChannelClutchRpm,     // driveline rpm
    kRaceChannelTorque,        // lb-ft
    kRaceChannelPower,         // hp
    kRaceChannelDriveForce,    // lb, before the traction limit
    kRaceChannelTyreDiameter,  // in
};

struct RaceSimBlock {
    // Inputs.
    int16_t jetFlag;                 // 1: jet or rocket, 0: piston engine
    int16_t syncromeshTransmission;  // transmission type index, or 0
    int16_t planetaryTransmission;   // transmission type index, or 0
    int16_t converterFlag;           // 1: torque converter
    int16_t clutchFlag;              // -1: clutch
    float displacement;              // cubic inches
    float rocketThrust;              // lb
    float rocketWeight;              // lb
    float converterStall;            // rpm
    float converterMultiplier;
    float converterSlippage;          // percent
    float gearRatio[kRaceGearCount];  // 0 beyond the gear count
    float primaryRatio;               // motorcycles only, else 0
    float rearAxleRatio;
    int16_t motorcycleFlag;
    float weight;     // lb
    float wheelbase;  // in
    int16_t frontDriveFlag;
    float drivingWheelWeight;  // percent of the weight
    float frontalArea;         // sq ft
    float dragCoefficient;
    float tyreDiameter;  // in
    float wheelWidth;    // in
    float tyreGrowth;
    float tractionCoefficient;
    float redline;      // rpm
    float shiftTime;    // s
    float rollout;      // in
    float temperature;  // degrees F
    float wind;         // mph; positive is a head wind
    float humidity;     // percent
    float barometer;    // inHg
    float launchRpm;
    float shiftRpm[kRaceShiftCount];  // shift k to k+1; 0 beyond the gear count
    float peakPower;                  // hp
    float rpmPoints[kRaceCurvePoints];
    float torquePoints[kRaceCurvePoints];

    // Outputs of the run.
    float elapsedTime;                        // s from the start time to the finish
    float finishSpeed;                        // ft/s
    float time0To60;                          // s from the launch
    float time0To100;                         // s from the launch
    float startTime;                          // s from the launch to the end of the rollout
    float markTime[kRaceTimedMarkCount];      // s after the start time
    int16_t markSpeed[kRaceTimedMarkCount];   // whole mph
    int16_t markEngineRpm[kRaceMarkCount];    // whole rpm
    float timeInGear[kRaceGearCount];         // s
    float distanceAtGearEnd[kRaceGearCount];  // ft from the launch point
    int32_t sampleCount;
    float trapSpeed;  // mph over the last 66 ft
    float channel[kRaceChannelCount][kRaceMaxSamples];
    float markAcceleration[kRaceMarkCount];  // g
    float markTyreSpeed[kRaceMarkCount];     // mph
    float markResistance[kRaceMarkCount];    // lb
    float markClutchRpm[kRaceMarkCount];

    // Zero-fills the whole record.
    void Clear();
};

// Copy-out helpers over plain arrays: the results record of the vehicle
// document takes its track rows, curves and step tables through these.

constexpr int kRaceTrackRowCount = 6;  // start line, 60, 330, 660, 1000, 1320 ft
constexpr int kRaceTrackRowValues =
    8;  // distance, time, mph, g, resistance, tyre mph, rpm, clutch rpm
constexpr int kRaceStepTableCount = 6;  // document curves 1, 2, 3, 4, 7 and 8
constexpr int kRaceStepCount = 23;      // 0, 60, 120 .. 1320 ft
constexpr float kRaceStepFeet = 60.0f;

// Block channel behind each of the document's twelve curves, in document order.
extern const RaceChannel kRaceDocumentCurveChannels[kRaceChannelCount];
// Document curves (0-based) behind the six step tables.
extern const int kRaceStepTableCurves[kRaceStepTableCount];

// Loads the power curve: rows 0..pointCount-1 from the arrays, torque 0
// beyond them, and the rpm column extended by the step of its first two
// rows, so the torque falls to 0 over one step past the last point. False,
// with the curve untouched, when pointCount is outside 2..26.
bool RaceSimBlockSetPowerCurve(RaceSimBlock& block, const float* rpm, const float* torque,
                               int pointCount);

// Fills the six track rows of the last run.
void RaceSimBlockFillTrackRows(const RaceSimBlock& block,
                               float rows[kRaceTrackRowCount][kRaceTrackRowValues]);

// Copies the samples into the document's curve order and builds the step
// tables: the first sample at or past 0, 60, 120 .. ft. Entries without a
// sample are left as they were. Returns the sample count copied.
int RaceSimBlockCopyCurves(const RaceSimBlock& block,
                           float curves[kRaceChannelCount][kRaceMaxSamples],
                           float stepTables[kRaceStepTableCount][kRaceStepCount]);

}  // namespace quillet
