#include "torvane/components/AutoValveSizing.h"

#include <algorithm>

#include "common/Assertion.h"

namespace torvane {

static const char kAssertModule[] = "AutoValveSizing.cpp";

namespace {

struct ValveSizeRatio {
    float intake;
    float exhaust;
};

// Valve diameter over bore, by cylinder-head type 1..16.
const ValveSizeRatio kValveSizeRatios[16] = {
    {0.44f, 0.35f},   {0.44f, 0.35f},   {0.475f, 0.375f}, {0.485f, 0.375f},
    {0.485f, 0.375f}, {0.505f, 0.4f},   {0.529f, 0.456f}, {0.529f, 0.456f},
    {0.485f, 0.375f}, {0.505f, 0.4f},   {0.529f, 0.456f}, {0.529f, 0.456f},
    {0.561f, 0.456f}, {0.376f, 0.314f}, {0.395f, 0.345f}, {0.395f, 0.345f},
};

// Intake lift over intake valve diameter, by camshaft type 1..7; 0: no ratio.
const float kValveLiftRatios[7] = {0.201f, 0.23f, 0.26f, 0.297f, 0.346f, 0.0f, 0.297f};

// Limits of the valve diameter and lift fields, in inches.
const float kMinIntakeDiameter = 0.75f, kMaxIntakeDiameter = 4.0f;
const float kMinExhaustDiameter = 0.5f, kMaxExhaustDiameter = 3.25f;
const float kMinLift = 0.2f, kMaxLift = 1.5f;

}  // namespace

bool SimInterfaceHasValveSizeRatio(int headType) {
    return headType >= 1 && headType <= 16;
}

bool SimInterfaceHasValveLiftRatio(int camshaftType) {
    return camshaftType >= 1 && camshaftType <= 7 && kValveLiftRatios[camshaftType - 1] > 0.0f;
}

void SimInterfaceAutoValveSizes(int headType, float bore, float& intakeDiameter,
                                float& exhaustDiameter) {
    APP_ASSERT(bore > 0.0f);
    APP_ASSERT(SimInterfaceHasValveSizeRatio(headType));
    const ValveSizeRatio& ratio = kValveSizeRatios[headType - 1];
    intakeDiameter = std::clamp(bore * ratio.intake, kMinIntakeDiameter, kMaxIntakeDiameter);
    exhaustDiameter = std::clamp(bore * ratio.exhaust, kMinExhaustDiameter, kMaxExhaustDiameter);
}

void SimInterfaceAutoValveLift(int camshaftType, float intakeValveDiameter, float& intakeLift,
                               float& exhaustLift) {
    APP_ASSERT(intakeValveDiameter > 0.0f);
    APP_ASSERT(SimInterfaceHasValveLiftRatio(camshaftType));
    const float ratio = kValveLiftRatios[camshaftType - 1];
    intakeLift = std::clamp(intakeValveDiameter * ratio, kMinLift, kMaxLift);
    exhaustLift = std::clamp(intakeValveDiameter * ratio * 0.95f, kMinLift, kMaxLift);
}

}  // namespace torvane
