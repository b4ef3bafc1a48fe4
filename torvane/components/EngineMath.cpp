#include "torvane/components/EngineMath.h"

#include <cmath>

#include "common/Assertion.h"

namespace torvane {

static const char kAssertModule[] = "EngineMath.cpp";

namespace {
const float kPi = 3.1415927f;
const float kCcPerCubicInch = 16.38706f;
}  // namespace

float EngineMathSweptVolume(float bore, float stroke) {
    return bore * bore * kPi * stroke * 0.25f * kCcPerCubicInch;
}

float EngineMathCylinderDisplacement(float bore, float stroke) {
    return EngineMathSweptVolume(bore, stroke);
}

float EngineMathChamberVolume(float sweptVolume, float compressionRatio) {
    APP_ASSERT(compressionRatio > 1.0f);
    return sweptVolume / (compressionRatio - 1.0f);
}

float EngineMathCompressionRatio(float sweptVolume, float chamberVolume) {
    APP_ASSERT(chamberVolume != 0.0f);
    return (chamberVolume + sweptVolume) / chamberVolume;
}

float EngineMathScaleFlow(float flow, float pressureDrop1, float pressureDrop2) {
    APP_ASSERT(flow >= 0.0f && pressureDrop1 > 0.0f);
    return flow * std::sqrt(pressureDrop2 / pressureDrop1);
}

float EngineMathBoreFromDisplacement(float displacement, int cylinders, float stroke) {
    APP_ASSERT(displacement > 0.0f && cylinders > 0 && stroke > 0.0f);
    return std::sqrt(4.0f * displacement / (stroke * static_cast<float>(cylinders) * kPi));
}

float EngineMathStrokeFromDisplacement(float displacement, int cylinders, float bore) {
    APP_ASSERT(displacement > 0.0f && cylinders > 0 && bore > 0.0f);
    return 4.0f * displacement / (bore * bore * static_cast<float>(cylinders) * kPi);
}

}  // namespace torvane
