// The engine document's validation, simulation run, derived values and
// result curves.
#include "common/FieldChecks.h"
#include "common/Util.h"
#include "torvane/components/AutoValveSizing.h"
#include "torvane/components/EngineMath.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/SimInterface.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/kernel/SimulationBlock.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "TorvaneDocRun.cpp";

namespace {

const unsigned short kErrRunFailed = 42;
const unsigned short kErrBlowerRequired = 16;
const float kCubicInchToCc = 16.38706f;

// Where each curve type (1..16) lies in the stored curves.
const int kStorageIndexOfType[kResultCurveCount + 1] = {
    -1, 0, 1, 2, 3, 4, 13, 5, 14, 6, 7, 8, 9, 10, 11, 12, 15,
};

// The copy operations in storage order.
void (*const kCurveCopies[kResultCurveCount])(SimInterface*, float*, int) = {
    SimInterfaceCopyCurve1,  SimInterfaceCopyCurve2,  SimInterfaceCopyCurve3,
    SimInterfaceCopyCurve4,  SimInterfaceCopyCurve5,  SimInterfaceCopyCurve6,
    SimInterfaceCopyCurve7,  SimInterfaceCopyCurve8,  SimInterfaceCopyCurve9,
    SimInterfaceCopyCurve10, SimInterfaceCopyCurve11, SimInterfaceCopyCurve12,
    SimInterfaceCopyCurve13, SimInterfaceCopyCurve14, SimInterfaceCopyCurve15,
    SimInterfaceCopyCurve16,
};

// A blower value that the compressor kinds in `kinds` (bit 1 << kind) need.
struct BlowerCheck {
    const CFloatPtSpec* field;
    unsigned short code;
    unsigned kinds;
};
const unsigned kTurbo = 1u << 1, kCentrifugal = 1u << 2, kRoots = 1u << 3;
const unsigned kAllKinds = kTurbo | kCentrifugal | kRoots;

// The stored speeds: 2000, 2500, ... 11000 rpm.
struct SpeedPoints {
    SpeedPoints() {
        for (int i = 0; i < kResultPointCount; ++i) rpm[i] = SimulationBlockRpm(i);
    }
    float rpm[kResultPointCount];
};
const SpeedPoints kSpeeds;

void CheckRpmRange(float rpmFrom, float rpmTo) {
    APP_ASSERT(rpmFrom >= kSpeeds.rpm[0] && rpmTo <= kSpeeds.rpm[kResultPointCount - 1]);
    APP_ASSERT(rpmFrom < rpmTo);
}

void CheckPeakType(int type) {
    APP_ASSERT(type >= kCurvePower && type <= kCurveFmep);
}

}  // namespace

// ---------------------------------------------------------------- validation

bool CTorvaneDoc::Validate(unsigned short& code) const {
    return ValidateBlock(code) && ValidateHead(code) && ValidateCompression(code) &&
           ValidateInduction(code) && ValidateExhaust(code) && ValidateCam(code);
}

bool CTorvaneDoc::ValidateBlock(unsigned short& code) const {
    const FieldCode checks[] = {{&shortBlockType, 1}, {&bore, 2}, {&stroke, 3}, {&cylinders, 4}};
    return FirstInvalidField(checks, code);
}

bool CTorvaneDoc::ValidateHead(unsigned short& code) const {
    const FieldCode counts[] = {
        {&cylinderHeadType, 5}, {&intakeValvesPerCylinder, 6}, {&exhaustValvesPerCylinder, 7}};
    const FieldCode diameters[] = {{&intakeValveDiameter, 8}, {&exhaustValveDiameter, 9}};
    return FirstInvalidField(counts, code) && headFlow.Validate(code) &&
           FirstInvalidField(diameters, code);
}

bool CTorvaneDoc::ValidateCompression(unsigned short& code) const {
    const FieldCode checks[] = {{&compressionRatio, 10}};
    return FirstInvalidField(checks, code);
}

bool CTorvaneDoc::ValidateInduction(unsigned short& code) const {
    const FieldCode checks[] = {{&inductionFlow, 11},
                                {&pressureDrop, 12},
                                {&manifoldType, 13},
                                {&fuelType, 14},
                                {&nitrousFlowRate, 15}};
    if (!FirstInvalidField(checks, code)) return false;
    return manifoldType.GetValue() != kManifoldForcedInduction || ValidateForcedInduction(code);
}

bool CTorvaneDoc::ValidateForcedInduction(unsigned short& code) const {
    // A kind outside 1..3 (read from a damaged file) needs a new blower choice.
    const int kind = forcedInductionKind_;
    if (!forcedInductionType.IsValid() || forcedInductionType.GetValue() == kForcedInductionNone ||
        kind < 1 || kind > 3) {
        code = kErrBlowerRequired;
        return false;
    }
    const BlowerCheck checks[] = {
        {&blowerFlowRate, 17, kAllKinds},
        {&blowerPressureRatio, 18, kTurbo | kCentrifugal},
        {&blowerBoostLimit, 24, kAllKinds},
        {&blowerRpm, 20, kCentrifugal},
        {&blowerBeltGearRatio, 23, kCentrifugal | kRoots},
        {&blowerSurgeFlowRate, 21, kTurbo},
        {&blowerEfficiency, 19, kAllKinds},
        {&blowerInternalGearRatio, 22, kCentrifugal},
    };
    for (const BlowerCheck& check : checks) {
        if ((check.kinds & (1u << kind)) != 0 && !check.field->IsValid()) {
            code = check.code;
            return false;
        }
    }
    return true;
}

bool CTorvaneDoc::ValidateExhaust(unsigned short& code) const {
    const FieldCode checks[] = {{&exhaustSystem, 26}};
    return FirstInvalidField(checks, code);
}

bool CTorvaneDoc::ValidateCam(unsigned short& code) const {
    return cam.Validate(code);
}

// ---------------------------------------------------------------------- run

bool CTorvaneDoc::RunSimulation(bool showValidationError, bool showRunError) {
    unsigned short failure = 0;
    if (RunSimulationWith(SimInterfaceGetInstance(), failure)) return true;
    if (failure == kErrRunFailed ? showRunError : showValidationError) ErrCodeShowError(failure);
    return false;
}

bool CTorvaneDoc::RunSimulationWith(SimInterface* sim, unsigned short& failure) {
    if (!Validate(failure)) {
        ClearResults();
        return false;
    }
    const int shownMode = unitsMode_;
    SetUnitsMode(0);
    const bool ran = SimInterfaceRun(sim, this);
    if (ran) {
        for (int i = 0; i < kResultCurveCount; ++i)
            kCurveCopies[i](sim, results_[i], kResultPointCount);
    } else {
        failure = kErrRunFailed;
        ClearResults();
    }
    SetUnitsMode(shownMode);
    return ran;
}

void CTorvaneDoc::RecomputeDerived() {
    unsigned short code = 0;
    if (ValidateBlock(code)) {
        for (CFloatPtSpec* field : {&bore, &stroke, &cylinderVolume, &totalBlockVolume})
            field->ToBaseUnit();
        const float swept = EngineMathSweptVolume(bore.GetValue(), stroke.GetValue());
        cylinderVolume.SetValueRounded(swept, 2);
        totalBlockVolume.SetValue(static_cast<float>(cylinders.GetValue()) * swept /
                                  kCubicInchToCc);
        if (!compressionCalculatorUsed_ && compressionRatio.IsValid()) {
            combustionSpace.SetValueRounded(
                EngineMathChamberVolume(cylinderVolume.GetValue(), compressionRatio.GetValue()), 2);
        }
    }
    if (autoValveSizes_ && cylinderHeadType.IsValid() && bore.IsValid()) StoreValvesAutomatically();
    if (cam.GetAutoValveLift() && cam.camshaftType.IsValid() && intakeValveDiameter.IsValid())
        StoreLiftsAutomatically();
    cam.ComputeFromEvents();
    if (cam.GetMoreAccurateRampRate()) {
        if (cam.IsComplete()) {
            cam.ComputeLifterRampRate();
        } else {
            cam.rampRate.Clear();
        }
    }
    if (autoRun_) RunSimulation(false, true);
    SetUnitsMode(unitsMode_);
}

void CTorvaneDoc::StoreValvesAutomatically() {
    // A custom-airflow head has no sizing rule: its diameters stay as entered.
    const int headType = cylinderHeadType.GetValue();
    if (!SimInterfaceHasValveSizeRatio(headType)) return;
    bore.ToBaseUnit();
    float intake = 0.0f, exhaust = 0.0f;
    SimInterfaceAutoValveSizes(headType, bore.GetValue(), intake, exhaust);
    intakeValveDiameter.SetValueInUnit(intake, true);
    exhaustValveDiameter.SetValueInUnit(exhaust, true);
}

void CTorvaneDoc::StoreLiftsAutomatically() {
    // A camshaft type without a lift rule ("Pro Stock/Max Power") keeps its lifts.
    const int camType = cam.camshaftType.GetValue();
    if (!SimInterfaceHasValveLiftRatio(camType)) return;
    intakeValveDiameter.ToBaseUnit();
    float intake = 0.0f, exhaust = 0.0f;
    SimInterfaceAutoValveLift(camType, intakeValveDiameter.GetValue(), intake, exhaust);
    cam.intakeLift.SetValueInUnit(intake, true);
    cam.exhaustLift.SetValueInUnit(exhaust, true);
}

// ------------------------------------------------------------------ results

float CTorvaneDoc::GetCurvePoint(int type, int point) const {
    APP_ASSERT(point >= 0 && point < kResultPointCount);
    return GetCurve(type)[point];
}

const float* CTorvaneDoc::GetCurve(int type) const {
    APP_ASSERT(type >= 1 && type <= kResultCurveCount);
    return results_[kStorageIndexOfType[type]];
}

float* CTorvaneDoc::GetStoredCurve(int storageIndex) {
    APP_ASSERT(storageIndex >= 0 && storageIndex < kResultCurveCount);
    return results_[storageIndex];
}

void CTorvaneDoc::ClearResults() {
    for (auto& curve : results_)
        for (float& value : curve) value = 0.0f;
}

bool CTorvaneDoc::HasResults() const {
    return GetPowerPoint(0) > 0.0f;
}

float CTorvaneDoc::GetPeakValue(int type, float rpmFrom, float rpmTo) const {
    CheckPeakType(type);
    CheckRpmRange(rpmFrom, rpmTo);
    const float* curve = GetCurve(type);
    float peak = 0.0f;
    for (int i = 0; i < kResultPointCount; ++i) {
        if (kSpeeds.rpm[i] >= rpmFrom && kSpeeds.rpm[i] <= rpmTo && curve[i] > peak)
            peak = curve[i];
    }
    return peak;
}

float CTorvaneDoc::GetCurveArea(int type, float rpmFrom, float rpmTo) const {
    CheckPeakType(type);
    CheckRpmRange(rpmFrom, rpmTo);
    return UtilCurveArea(kSpeeds.rpm, GetCurve(type), kResultPointCount, rpmFrom, rpmTo) * 0.001f;
}

float CTorvaneDoc::GetPeakRpm(int type) const {
    APP_ASSERT(type == kCurvePower || type == kCurveTorque);
    const float* curve = GetCurve(type);
    float peak = 0.0f;
    float rpm = kSpeeds.rpm[0];
    for (int i = 0; i < kResultPointCount; ++i) {
        if (curve[i] > peak) {
            peak = curve[i];
            rpm = kSpeeds.rpm[i];
        }
    }
    return rpm;
}

}  // namespace torvane
