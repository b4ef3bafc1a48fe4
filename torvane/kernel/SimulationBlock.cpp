#include "torvane/kernel/SimulationBlock.h"

#include <algorithm>

namespace torvane {

float SimulationBlockRpm(int point) {
    return 2000.0f + 500.0f * static_cast<float>(point);
}

SimulationBlock& TheSimulationBlock() {
    static SimulationBlock block;
    return block;
}

void SimulationBlockClear(SimulationBlock& block) {
    block = SimulationBlock{};
}

namespace {

using ResultCurve = float (SimResults::*)[kSimRpmPoints];

// Result array of each copy operation 2..16 (index 0 stands for copy 2).
// The order is the document's storage order of the curves, not their types.
const ResultCurve kCopyCurves[] = {
    &SimResults::brakePower,            // 2: type 2
    &SimResults::brakeTorque,           // 3: type 3
    &SimResults::manifoldPressure,      // 4: type 4
    &SimResults::volumetricEfficiency,  // 5: type 5
    &SimResults::bmep,                  // 6: type 7
    &SimResults::indicatedPower,        // 7: type 9
    &SimResults::frictionPower,         // 8: type 10
    &SimResults::pumpingPower,          // 9: type 11
    &SimResults::mechanicalEfficiency,  // 10: type 12
    &SimResults::inductionAirflow,      // 11: type 13
    &SimResults::pistonForce,           // 12: type 14
    &SimResults::pistonSpeed,           // 13: type 15
    &SimResults::imep,                  // 14: type 6
    &SimResults::fmep,                  // 15: type 8
    &SimResults::pmep,                  // 16: type 16
};
constexpr int kCopyCount = 16;
static_assert(sizeof kCopyCurves / sizeof kCopyCurves[0] == kCopyCount - 1,
              "one result array per copy operation after the engine speeds");

}  // namespace

bool SimulationBlockCopyCurve(const SimulationBlock& block, int copyNumber, float* dest,
                              int count) {
    if (!dest || count != kSimRpmPoints || copyNumber < 1 || copyNumber > kCopyCount) return false;
    if (copyNumber == 1) {
        for (int i = 0; i < kSimRpmPoints; ++i) dest[i] = SimulationBlockRpm(i);
        return true;
    }
    const float* curve = block.results.*kCopyCurves[copyNumber - 2];
    std::copy(curve, curve + kSimRpmPoints, dest);
    return true;
}

}  // namespace torvane
