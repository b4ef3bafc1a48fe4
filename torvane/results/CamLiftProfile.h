// The valve-lift curve of one cam lobe as 41 points over crank degrees: a
// raised cosine shaped by a ramp-rate term, from the valve's events measured
// seat to seat or at 0.050-inch lift.
#pragma once

namespace torvane {

struct CamLiftProfile {
    static constexpr int kPointCount = 41;

    // kind: 1 seat to seat, 2 at 0.050-inch lift (the cam's timing method).
    void Set(int kind, float opening, float closing, float maxLift, float rampRate);
    // Fills `angle` and `lift`. Asserts kind 1 or 2, opening, closing and lift
    // above 0, a ramp rate of 1..6 and closing after opening.
    void Generate();

    int kind = 0;
    float opening = 0;
    float closing = 0;
    float maxLift = 0;
    float rampRate = 0;
    float lift[kPointCount] = {};
    float angle[kPointCount] = {};
};

}  // namespace torvane
