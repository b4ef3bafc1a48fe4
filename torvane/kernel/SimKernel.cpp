#include "torvane/kernel/SimKernel.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "common/fastmath/FastMath.h"
#include "common/fastmath/PowPairApproximate.h"
#include "common/fastmath/SteppedSinCos.h"

namespace torvane {

namespace {

// ---- Constants of the model ----
constexpr float kDegToRad = 0.01745329252f;
constexpr float kRadToDeg = 57.29577950560105f;
constexpr float kPi = 3.141592654f;
constexpr float kBaseCircleRadius = 0.55032f;  // cam base circle, in
constexpr float kLobeLiftPerValveLift = 0.6666667f;
constexpr float kRockerRatio = 1.5f;
constexpr float kRodPerStroke = 1.62f;
constexpr float kAmbientPressure = 14.7f;
constexpr float kGasConstant = 0.06857f;  // BTU per lb per degree R
constexpr float kGasConstantMechanical = 1716.0f;
constexpr float kInLbfToBtu = 0.00010711225364181662f;
constexpr float kEnergyFactor = 9336.0f;
constexpr float kCvToPressure = 14.587892049598834f;
constexpr float kWallTemperature = 800.0f;
// Wall heat-transfer factor 17.0 x 1.7e-05, kept as its two factors.
constexpr float kWallHeatGain = 17.0f;
constexpr float kWallHeatCoefficient = 1.7e-05f;
constexpr float kCycleStartTemperature = 2000.0f;
constexpr float kFirstStartPressure = 29.4f;
constexpr float kExhaustBackflowTemperature = 2000.0f;
constexpr float kExhaustBackflowEnthalpy = 506.7442626953125f;
constexpr float kNitrousHpPerLbMin = 25.0f;

constexpr int kSpeedPoints = 22;  // 500 to 11000 rpm
constexpr int kSettlePoints = 3;  // 500, 1000 and 1500 rpm are not stored
constexpr float kSpeedStep = 500.0f;
constexpr float kStartVolumetricEfficiency = 40.0f;
// Valve events further than this from top dead centre cannot be stepped through.
constexpr float kMaxEventAngle = 1440.0f;
constexpr float kCentrelineLimit = 114.0f;
constexpr int kMaxPenaltyCount = 10;

// ---- Gas properties of the cylinder charge (per lb, T in degrees R) ----
// The polynomials are summed in pairs of terms rather than nested, for a
// shorter chain from one step's temperature to the next.
float InternalEnergy(float t) {
    const float t2 = t * t;
    return t * ((0.16528f + t * 5.1979e-06f) +
                t2 * ((3.9016e-09f + t * -9.3632e-13f) + t2 * 6.3156e-17f));
}

float SpecificHeatCv(float t) {
    const float t2 = t * t;
    return (0.16528f + t * 1.0396e-05f) +
           t2 * ((1.17048e-08f + t * -3.74528e-12f) + t2 * 3.1578e-16f);
}

float Enthalpy(float t) {
    return InternalEnergy(t) + kGasConstant * t;
}

// ---- Set-up tables ----

// Lobe flank radius, event widening at 0.050 in and mixture ratio by lifter
// ramp rate: linear between the rows; below 1 and from 5 on the last row's line.
struct LifterRamp {
    float flankRadius;
    float rampDegrees;
    float mixtureRatio;
};

LifterRamp LifterRampFromRate(float rate) {
    struct Row {
        float rate, flankRadius, rampDegrees, mixtureRatio, degreesPerUnit, mixturePerUnit;
    };
    static const Row kRows[] = {
        {1.0f, 1.46f, 34.0f, 12.8f, -7.0f, -0.3f}, {2.0f, 1.50f, 27.0f, 12.5f, -6.0f, -0.3f},
        {3.0f, 1.54f, 21.0f, 12.2f, -3.0f, -0.3f}, {4.0f, 1.58f, 18.0f, 11.9f, -2.0f, -0.4f},
        {5.0f, 1.62f, 16.0f, 11.5f, -1.0f, -0.3f},
    };
    constexpr float kRadiusPerUnit = 0.04f;
    const Row& row = (rate >= 1.0f && rate < 5.0f) ? kRows[static_cast<int>(rate) - 1] : kRows[4];
    const float d = rate - row.rate;
    return {row.flankRadius + kRadiusPerUnit * d, row.rampDegrees + row.degreesPerUnit * d,
            row.mixtureRatio + row.mixturePerUnit * d};
}

float FuelHeatingValue(int fuelType) {
    if (fuelType >= 1 && fuelType <= 9) return 19000.0f;
    if (fuelType >= 10 && fuelType <= 18) return 19800.0f;
    switch (fuelType) {
        case 19:
            return 19100.0f;
        case 20:
            return 18600.0f;
        case 21:
            return 18839.0f;
        default:
            return 19000.0f;
    }
}

float InductionCapacity(const SimulationBlock& b) {
    float factor = static_cast<float>(b.inductionFlow) *
                   (b.inductionRating == 2 ? 3.810418e-05f : 5.387931e-05f);
    if (b.manifoldType == 4) factor *= 0.25f;
    return factor * 207360.0f;
}

// Flow coefficient of each flow-bench point: measured flow over the flow of
// the curtain area at the test pressure drop. False for a negative test drop or
// a point whose coefficient is not a finite number (zero lift, diameter or drop).
bool SetUpFlowTable(const float* flowPerValve, const float* lift, float testDiameter,
                    float testPressureDrop, SimKernelValve& valve) {
    if (!(testPressureDrop >= 0.0f)) return false;
    for (int i = 0; i < kSimFlowPoints; ++i) {
        valve.flowLift[i] = lift[i];
        float coefficient = 0.0f;
        if (flowPerValve[i] > 0.0f) {
            coefficient =
                flowPerValve[i] / (testDiameter / 12.0f * std::sqrt(423.943f * testPressureDrop) *
                                   618.2654343072f * lift[i] / 12.0f);
            if (!std::isfinite(coefficient)) return false;
        }
        valve.flowCoefficient[i] = coefficient;
    }
    return true;
}

// Circular-arc lobe whose flanks have radius R and whose nose gives the valve
// lift at half duration. False when no such lobe exists (cos a outside -1..1).
bool BuildLobe(float openAngle, float closeAngle, float valveLift, float flankRadius,
               SimKernelLobe& lobe) {
    const float r = flankRadius;
    const float rPrime = r - kBaseCircleRadius;
    lobe.flankRadius = r;
    lobe.camDuration = (closeAngle - openAngle) / 2.0f;
    lobe.halfDuration = lobe.camDuration / 2.0f;
    const float tip = valveLift * kLobeLiftPerValveLift + kBaseCircleRadius;
    const float c = std::cos((180.0f - lobe.halfDuration) * kDegToRad);
    lobe.noseRadius = (2.0f * tip * rPrime * c - (tip * tip + rPrime * rPrime - r * r)) /
                      (2.0f * rPrime * c + 2.0f * r - 2.0f * tip);
    lobe.noseCentreDistance = tip - lobe.noseRadius;
    const float flankToNose = r - lobe.noseRadius;
    const float x = (flankToNose * flankToNose + rPrime * rPrime -
                     lobe.noseCentreDistance * lobe.noseCentreDistance) /
                    (2.0f * flankToNose * rPrime);
    if (!(x >= -1.0f && x <= 1.0f)) return false;
    lobe.flankAngle = std::atan(std::sqrt(1.0f - x * x) / x) * kRadToDeg;
    return true;
}

// e of the cam-centreline penalty from the nominal events, or 0 when neither
// centreline lies beyond 114 degrees.
float CentrelineExcess(const SimulationBlock& b) {
    const float advance = static_cast<float>(b.camAdvance);
    const float ic = (b.intakeClosing + 900.0f - b.intakeOpening) * 0.5f - 360.0f - advance;
    const float exhaustCentreline =
        360.0f - ((540.0f - b.exhaustOpening) + b.exhaustClosing) * 0.5f;
    const float ec = 2.0f * ((ic + advance + exhaustCentreline) * 0.5f) - ic;
    if (ic > kCentrelineLimit) return ec > kCentrelineLimit ? ec + ic - kCentrelineLimit : ic;
    if (ec > kCentrelineLimit) return ec;
    return 0.0f;
}

bool AllFinite(const float* values, int count) {
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(values[i])) return false;
    return true;
}

// Inputs the model cannot work with at all: no cylinder, bore or stroke, a
// compression ratio of 1 or less, a manifold, exhaust system or compressor kind
// outside its table, or a value that is not a finite number.
bool InputsAreUsable(const SimulationBlock& b) {
    if (b.cylinders < 1 || !(b.bore > 0.0f) || !(b.stroke > 0.0f) || !(b.compressionRatio > 1.0f))
        return false;
    if (b.manifoldType < 1 || b.manifoldType > 11 || b.exhaustSystem < 1 || b.exhaustSystem > 7)
        return false;
    if (b.forcedInductionKind < 0 || b.forcedInductionKind > 3) return false;
    const float scalars[] = {b.lifterRampRate,
                             b.bore,
                             b.stroke,
                             b.intakeValveDiameter,
                             b.exhaustValveDiameter,
                             b.compressionRatio,
                             b.exhaustOpening,
                             b.exhaustClosing,
                             b.intakeOpening,
                             b.intakeClosing,
                             b.intakeValveLift,
                             b.exhaustValveLift,
                             b.nitrousFlow,
                             b.intakeTestDiameter,
                             b.intakeTestPressureDrop,
                             b.exhaustTestDiameter,
                             b.exhaustTestPressureDrop,
                             b.blowerPressureRatio,
                             b.blowerFlow,
                             b.blowerEfficiency,
                             b.blowerSpeed,
                             b.boostLimit,
                             b.intercoolerEfficiency,
                             b.internalGearRatio,
                             b.beltGearRatio,
                             b.surgeFlow};
    return AllFinite(scalars, static_cast<int>(sizeof scalars / sizeof scalars[0])) &&
           AllFinite(b.intakeFlowPerValve, kSimFlowPoints) &&
           AllFinite(b.intakeLift, kSimFlowPoints) &&
           AllFinite(b.exhaustFlowPerValve, kSimFlowPoints) &&
           AllFinite(b.exhaustLift, kSimFlowPoints);
}

bool EventIsSteppable(float angle) {
    return std::fabs(angle) <= kMaxEventAngle;
}

// ---- Per-speed tables ----

float ChargeTemperature(int fuelType, float rpm) {
    if (fuelType >= 1 && fuelType <= 9 && rpm < 5500.0f) return 610.0f - 0.01272f * rpm;
    if (fuelType <= 19) return 540.0f;
    return rpm <= 5500.0f ? 630.0f - 0.01272f * rpm : 560.0f;
}

struct ExhaustSystemConstants {
    float basePressure;  // B, psi
    float midWaveGain;   // G
    float tunedRpm;      // Nt
    float exponent;      // E
};

ExhaustSystemConstants ExhaustConstants(int exhaustSystem, float rpm) {
    static const ExhaustSystemConstants kTable[] = {
        {35.0f, 0.3f, 4000.0f, 1.06f}, {32.0f, 0.3f, 4000.0f, 1.04f}, {26.5f, 0.5f, 5000.0f, 1.04f},
        {22.5f, 0.5f, 5000.0f, 1.0f},  {25.7f, 0.5f, 5000.0f, 1.02f}, {22.7f, 0.5f, 5500.0f, 0.94f},
        {21.0f, 0.5f, 6000.0f, 0.95f},
    };
    ExhaustSystemConstants c = kTable[exhaustSystem - 1];
    if (exhaustSystem == 7 && rpm < 5500.0f) c.basePressure = 21.0f + 3.0f * (5500.0f - rpm) / rpm;
    return c;
}

// Value of a step table whose steps lie at firstStep, firstStep + 1, ...
float StepTable(float x, float firstStep, const float* values, int count) {
    int i = 0;
    while (i + 1 < count && x >= firstStep + static_cast<float>(i)) ++i;
    return values[i];
}

// Above the knee the amplitude rises only by `slope` per unit.
float Soften(float x, float knee, float slope) {
    return x > knee ? knee + (x - knee) * slope : x;
}

float SpeedCorrection(float rpm, float previous) {
    if (rpm == 500.0f) return 1.25f;
    if (rpm == 2000.0f) return 1.18f;
    if (rpm == 2500.0f) return 1.12f;
    if (rpm == 3000.0f) return 1.095f;
    if (rpm == 3500.0f) return 1.07f;
    if (rpm >= 4000.0f) return 1.06f;
    return previous;
}

float FrictionMep(float rpm, float stroke) {
    const float pistonSpeed = rpm * stroke / 6.0f;
    return 12.964f + pistonSpeed * (0.0030476f + 6.5476e-07f * pistonSpeed);
}

// ---- Valves ----

// Lobe lift above the base circle at a cam angle (degrees from opening);
// cosineOf(a) gives cos a of an angle in radians.
template <class CosineOf>
float LobeLift(const SimKernelLobe& lobe, float camDeg, CosineOf cosineOf) {
    const float r = lobe.flankRadius;
    if (camDeg <= lobe.flankAngle)
        return r - (r - kBaseCircleRadius) * cosineOf(camDeg * kDegToRad) - kBaseCircleRadius;
    if (camDeg < lobe.camDuration - lobe.flankAngle)
        return lobe.noseCentreDistance * cosineOf((lobe.halfDuration - camDeg) * kDegToRad) +
               lobe.noseRadius - kBaseCircleRadius;
    return r - (r - kBaseCircleRadius) * cosineOf((lobe.camDuration - camDeg) * kDegToRad) -
           kBaseCircleRadius;
}

float Cosine(float angle) {
    return std::cos(angle);
}

// Several valves of a side act as one valve of their summed diameter.
float EffectiveDiameter(float valveDiameter, int valves) {
    return valves > 1 ? valveDiameter * static_cast<float>(valves) : valveDiameter;
}

bool IsOpen(const SimKernelValve& valve, float crankDeg) {
    return crankDeg > valve.openAngle && crankDeg < valve.closeAngle;
}

// Valve lift (in) of a valve known to be open at this crank angle.
template <class CosineOf>
float OpenValveLift(const SimKernelValve& valve, float crankDeg, CosineOf cosineOf) {
    const float camDeg = (crankDeg - valve.openAngle) / 2.0f;
    const float lift = kRockerRatio * LobeLift(valve.lobe, camDeg, cosineOf);
    return lift < 0.0f ? 1e-06f : lift;
}

float AreaAtLift(const SimKernelValve& valve, float lift, float flowCoefficient) {
    return lift * flowCoefficient * valve.effectiveDiameter * kPi;
}

float ValveArea(const SimKernelValve& valve, float crankDeg) {
    if (!IsOpen(valve, crankDeg)) return 0.0f;
    const float lift = OpenValveLift(valve, crankDeg, Cosine);
    return AreaAtLift(valve, lift, SimKernelFlowCoefficient(valve, lift));
}

// The flow coefficient of one valve side through a run: the same values as
// SimKernelFlowCoefficient, but when the flow-bench lifts rise strictly the
// segment search starts at the previous step's segment (lift changes little
// from step to step).
class FlowCoefficientLookup {
public:
    explicit FlowCoefficientLookup(const SimKernelValve& valve) : valve_(valve) {
        while (used_ < kSimFlowPoints && valve.flowLift[used_] != 0.0f) ++used_;
        rising_ = true;
        for (int i = 1; i < used_; ++i)
            if (!(valve.flowLift[i] > valve.flowLift[i - 1])) rising_ = false;
    }

    float At(float valveLift) {
        if (!rising_ || used_ == 0) return SimKernelFlowCoefficient(valve_, valveLift);
        // The segment i with lift[i-1] < valveLift <= lift[i] (lift[-1] is the
        // zero-lift point), the last one beyond the last point; a NaN lands
        // there too, as in the full search.
        const float* lifts = valve_.flowLift;
        int i = segment_;
        while (i > 0 && !(valveLift > lifts[i - 1])) --i;
        while (i < used_ - 1 && !(valveLift <= lifts[i])) ++i;
        segment_ = i;
        const float lowLift = i > 0 ? lifts[i - 1] : 0.0f;
        const float lowCoefficient = i > 0 ? valve_.flowCoefficient[i - 1] : 1.0f;
        const float highLift = lifts[i];
        const float highCoefficient = valve_.flowCoefficient[i];
        float coefficient = highCoefficient;
        if (highLift > lowLift)
            coefficient = lowCoefficient + (highCoefficient - lowCoefficient) *
                                               (valveLift - lowLift) / (highLift - lowLift);
        return std::min(std::max(coefficient, 0.0f), 1.0f);
    }

private:
    const SimKernelValve& valve_;
    int used_ = 0;
    bool rising_ = false;
    int segment_ = 0;
};

// Compressible flow through an open valve, always with the subsonic flow
// function. False when the pressure ratio, upstream temperature or flow
// function is negative (or not a number).
struct ValveFlow {
    float massRate = 0;          // lb per crank degree, from upstream to downstream
    float rootFlowFunction = 0;  // square root of the flow function psi
    float sonicTerm = 0;
};

// perRpm is 1/(6 rpm): degrees per second. Inline: a call spills the step's
// state around it.
[[gnu::always_inline]] inline bool ComputeValveFlow(float upstreamPressure, float upstreamTemperature, float downstreamPressure,
                      float area, float perRpm, ValveFlow& flow) {
    const float ratio = downstreamPressure / upstreamPressure;
    if (!(ratio >= 0.0f) || !(upstreamTemperature >= 0.0f)) return false;
    // The powers of the exact pressure ratio to 2^-40, from the logs of the
    // two pressures taken side by side (shorter than dividing first), rounded
    // to floats.
    double power1428, power1714;
    fastmath::PowPairOfRatioApproximate(downstreamPressure, upstreamPressure,
                                        static_cast<double>(1.428f), static_cast<double>(1.714f),
                                        &power1428, &power1714);
    const float flowFunction =
        5.0f * (static_cast<float>(power1428) - static_cast<float>(power1714));
    if (!(flowFunction >= 0.0f)) return false;
    flow.rootFlowFunction = std::sqrt(flowFunction);
    flow.sonicTerm = std::sqrt(2405.018f * upstreamTemperature);
    // The root, the last factor to be known, is multiplied last.
    flow.massRate = flow.sonicTerm * upstreamPressure * 0.01874414245548266f / upstreamTemperature *
                    area * perRpm * flow.rootFlowFunction;
    return true;
}

// Slider-crank geometry with the ratios of crank radius and rod length taken once.
struct CrankGeometry {
    explicit CrankGeometry(const SimKernelWork& k)
        : clearanceVolume(k.clearanceVolume),
          pistonAreaTimesCrank(k.pistonAreaTimesCrank),
          crankPerRod(k.crankRadius / k.rodLength),
          rodPerCrank(k.rodLength / k.crankRadius),
          volumeRateScale(k.pistonAreaTimesCrank * kDegToRad) {}

    void VolumeAt(float crankDeg, float* volume, float* dVolumePerDeg) const {
        const float theta = crankDeg * kDegToRad;
        VolumeFrom(std::sin(theta), std::cos(theta), volume, dVolumePerDeg);
    }

    // The same from the sine and cosine of the crank angle.
    void VolumeFrom(float sinTheta, float cosTheta, float* volume, float* dVolumePerDeg) const {
        const float s = crankPerRod * sinTheta;
        const float root = std::sqrt(1.0f - s * s);
        *volume = clearanceVolume + pistonAreaTimesCrank * ((1.0f - cosTheta) + rodPerCrank * (1.0f - root));
        *dVolumePerDeg = (crankPerRod * cosTheta / root + 1.0f) * sinTheta * volumeRateScale;
    }

    float clearanceVolume, pistonAreaTimesCrank, crankPerRod, rodPerCrank, volumeRateScale;
};

// Efficiency of a turbocharger or centrifugal blower, falling off away from its rated speed.
float CompressorEfficiency(float speed, const SimulationBlock& b) {
    return std::cos(std::fabs(speed - b.blowerSpeed) / b.blowerSpeed) * b.blowerEfficiency * 0.01f;
}

// ---- The run ----

// Conditions of one speed point, fixed through its cycle.
struct SpeedPoint {
    float rpm = 0;
    float crankStep = 0;
    float startAngle = 0;
    float manifoldPressure = 0;
    float chargeEnthalpy = 0;
    float ramAmplitude = 0;
    bool boosted = false;
    float boostedExhaustPressure = 0;
    ExhaustSystemConstants exhaust = {};
    float exhaustAmplitude = 0;  // Ax
    float exhaustPhasePerDeg = 0;  // wave degrees per crank degree
    float ramRadiansPerDeg = 0;    // ram wave radians per crank degree
};

// What one cycle leaves for the end-of-point figures.
struct CycleOutcome {
    float intakeMass = 0;
    float referenceMass = 0;
    float work = 0;  // in-lbf of one cylinder
    float intakePortPressure = 0;
    float exhaustPortPressure = 0;
};

class KernelRun {
public:
    explicit KernelRun(SimulationBlock& block)
        : block_(block),
          work_(block.kernel),
          crank_(block.kernel),
          intakeCoefficient_(block.kernel.intake),
          exhaustCoefficient_(block.kernel.exhaust) {}

    bool Run() {
        for (int point = 0; point < kSpeedPoints; ++point)
            if (!RunPoint(point)) return false;
        return true;
    }

private:
    bool RunPoint(int point) {
        const SpeedPoint speed = PrepareSpeedPoint(static_cast<float>(point + 1) * kSpeedStep);
        CycleOutcome cycle;
        return IntegrateCycle(speed, cycle) && FinishPoint(point, speed, cycle);
    }

    SpeedPoint PrepareSpeedPoint(float rpm) {
        const SimulationBlock& b = block_;
        SpeedPoint s;
        s.rpm = rpm;
        s.crankStep = SimKernelCrankStep(b.stroke, rpm);
        s.startAngle = work_.exhaust.openAngle;
        work_.chargeTemperature = ChargeTemperature(b.fuelType, rpm);
        ramAmplitude_ = SimKernelRamAmplitude(b.manifoldType, rpm, ramAmplitude_);
        SimKernelForcedInduction(block_, rpm);
        s.boosted = work_.boost > 0.0f;
        if (s.boosted) ramAmplitude_ = 0.001f * rpm + 2.0f;
        s.ramAmplitude = ramAmplitude_;
        s.exhaust = ExhaustConstants(b.exhaustSystem, rpm);
        s.exhaustAmplitude = 0.0013332f * std::pow(rpm, s.exhaust.exponent);
        s.exhaustPhasePerDeg = s.exhaust.tunedRpm / rpm * 270.0f / (360.0f - s.startAngle);
        s.ramRadiansPerDeg = 24000.0f / rpm * kDegToRad;
        s.boostedExhaustPressure = 0.0013333333f * rpm + 25.0f;
        const float demand =
            work_.displacement * rpm * work_.volumetricEfficiency * 0.01f / work_.manifoldCapacity;
        s.manifoldPressure = kAmbientPressure - demand * demand * 7.916e-06f;
        if (s.boosted) s.manifoldPressure += work_.boost;
        s.chargeEnthalpy = Enthalpy(work_.chargeTemperature);
        return s;
    }

    float ExhaustPortPressure(const SpeedPoint& s, float theta, float last) {
        if (s.boosted) return s.boostedExhaustPressure;
        const ExhaustSystemConstants& c = s.exhaust;
        const float phase = (theta - s.startAngle) * s.exhaustPhasePerDeg;
        exhaustWave_.MoveTo(phase * kDegToRad);
        const float wave = s.exhaustAmplitude * exhaustWave_.Sine();
        if (phase < 180.0f) return c.basePressure + 2.0f * wave;
        if (phase > 180.0f && phase < 360.0f) return c.basePressure + c.midWaveGain * wave;
        if (phase > 360.0f) return c.basePressure + 0.8f * wave;
        return last;
    }

    static float RamTerm(const SpeedPoint& s, float theta, float last) {
        if (theta > 510.0f && theta <= 540.0f)
            return (theta - 510.0f) * s.ramAmplitude * 0.028571429f;
        if (theta > 540.0f && theta < 650.0f)
            return s.ramAmplitude * std::sin((theta - 540.0f) * s.ramRadiansPerDeg);
        return last;
    }

    void CrankVolume(float theta, float* volume, float* dVolumePerDeg) {
        crankAngle_.MoveTo(theta * kDegToRad);
        crank_.VolumeFrom(crankAngle_.Sine(), crankAngle_.Cosine(), volume, dVolumePerDeg);
    }

    bool IntegrateCycle(const SpeedPoint& s, CycleOutcome& out) {
        const SimKernelWork& k = work_;
        const float rpm = s.rpm;
        const float dTheta = s.crankStep;
        const float endAngle = s.startAngle + 720.0f;
        const float portArea = k.intakePortDiameter * k.intakePortDiameter * 0.25f * kPi;
        const float perPortArea = 1.0f / portArea;
        const float wallHeatScale = kWallHeatCoefficient / (6.0f * rpm);
        const float fourPerBore = 4.0f / block_.bore;
        const float perRpm = 0.16666666666666666f / rpm;
        // Adams-Bashforth weights of this and the previous step's derivative.
        const float aheadStep = 1.5f * dTheta, backStep = 0.5f * dTheta;
        const auto intakeCosine = [this](float angle) {
            intakeLobeAngle_.MoveTo(angle);
            return intakeLobeAngle_.Cosine();
        };
        const auto exhaustCosine = [this](float angle) {
            exhaustLobeAngle_.MoveTo(angle);
            return exhaustLobeAngle_.Cosine();
        };

        float theta = s.startAngle;
        float volume, dVolume;
        CrankVolume(theta, &volume, &dVolume);
        float p = cylinderPressure_;
        float t = kCycleStartTemperature;
        float m = volume * p * 7.810431e-07f;
        out.referenceMass = volume * 4.3572425e-05f;
        float dpLast = 0.0f, dtLast = 0.0f, dmLast = 0.0f;
        float intakeMass = 0.0f, work = 0.0f, ram = 0.0f;
        // Fuel energy of the charge so far; it changes only with the intake mass.
        const float fuelShare = k.mixtureRatio + 1.0f;
        float fuelEnergy = intakeMass / fuelShare * k.heatingValue;
        float intakePort = 0.0f, exhaustPort = 0.0f;
        // The exhaust port's pressure matters only while the exhaust valve is
        // open and at the cycle's end, so its wave is left alone in between.
        // Where the wave's phase is exactly 180 or 360 degrees the pressure
        // carries the previous step's value, so a skipped previous step is
        // caught up first; with the phase rising by under 90 degrees a step,
        // the step before that never needs it.
        const float phaseStep = s.exhaustPhasePerDeg * dTheta;
        const bool skipExhaustWave = phaseStep > 0.0f && phaseStep < 90.0f;
        bool exhaustPortCurrent = true;
        float previousTheta = theta, thetaBeforePrevious = theta;

        while (theta <= endAngle) {
            const bool intakeOpen = IsOpen(k.intake, theta);
            const bool exhaustOpen = IsOpen(k.exhaust, theta);
            float intakeArea = 0.0f, exhaustArea = 0.0f;
            if (intakeOpen) {
                const float lift = OpenValveLift(k.intake, theta, intakeCosine);
                intakeArea = AreaAtLift(k.intake, lift, intakeCoefficient_.At(lift));
            }
            if (exhaustOpen) {
                const float lift = OpenValveLift(k.exhaust, theta, exhaustCosine);
                exhaustArea = AreaAtLift(k.exhaust, lift, exhaustCoefficient_.At(lift));
            }
            if (exhaustOpen || !skipExhaustWave) {
                if (!exhaustPortCurrent)
                    exhaustPort = ExhaustPortPressure(s, previousTheta, exhaustPort);
                exhaustPort = ExhaustPortPressure(s, theta, exhaustPort);
                exhaustPortCurrent = true;
            } else {
                exhaustPortCurrent = false;
            }
            ram = RamTerm(s, theta, ram);

            // Port pressure less the velocity head of the previous step's intake flow.
            const float velocity = sonicTerm_ * intakeArea * rootFlowFunction_ * perPortArea;
            intakePort = (s.manifoldPressure * 144.0f - 0.5f * portDensity_ * velocity * velocity) *
                             0.006944444444444444f +
                         ram;
            if (intakeOpen && intakePort < 0.0f) intakePort = 0.0f;

            float dmIn = 0.0f;
            if (intakeOpen) {
                const bool inflow = intakePort > p;
                const float upstreamTemperature = inflow ? k.chargeTemperature : t;
                ValveFlow flow;
                if (!ComputeValveFlow(inflow ? intakePort : p, upstreamTemperature,
                                      inflow ? p : intakePort, intakeArea, perRpm, flow))
                    return false;
                dmIn = inflow ? flow.massRate : -flow.massRate;
                rootFlowFunction_ = flow.rootFlowFunction;
                sonicTerm_ = flow.sonicTerm;
                portDensity_ = intakePort * 144.0f / (upstreamTemperature * kGasConstantMechanical);
                intakeMass += dmIn * dTheta;
                fuelEnergy = intakeMass / fuelShare * k.heatingValue;
            }
            float dmEx = 0.0f;
            if (exhaustOpen) {
                const bool outflow = p >= exhaustPort;
                ValveFlow flow;
                if (!ComputeValveFlow(outflow ? p : exhaustPort,
                                      outflow ? t : kExhaustBackflowTemperature,
                                      outflow ? exhaustPort : p, exhaustArea, perRpm, flow))
                    return false;
                dmEx = outflow ? flow.massRate : -flow.massRate;
            }

            const float u = InternalEnergy(t);
            const float cv = SpecificHeatCv(t);
            const float h = u + kGasConstant * t;
            const float hIn = p <= intakePort ? s.chargeEnthalpy : h;
            const float hEx = exhaustPort <= p ? h : kExhaustBackflowEnthalpy;
            const float wallHeat = kWallHeatGain * (kWallTemperature - t) *
                                   (volume * fourPerBore + k.chamberEndArea) * wallHeatScale;
            float burnRate = 0.0f;
            if (theta > 710.0f && theta < 770.0f)
                burnRate =
                    0.026179938783333336f * std::sin((theta - 710.0f) * 0.052359877566666664f);

            const float z = cv * kCvToPressure;
            const float dm = dmIn - dmEx;
            // The step is bound by the chain pressure -> valve flows -> dp -> pressure
            // (and temperature -> gas properties -> dp -> dT -> temperature): the
            // flow terms are summed last, and every factor that does not wait for
            // them (the divisors' reciprocals, the step weights) is taken while the
            // flows are being worked out.
            const float energyPerZVolume = kEnergyFactor / (z * volume);
            const float perGasMass = 1.0f / (kGasConstant * m);
            const float massEnergy = t * cv - u;  // per lb of mass gained
            const float dpSum = (burnRate * fuelEnergy + wallHeat - kInLbfToBtu * p * dVolume -
                                 kInLbfToBtu * p * dVolume * z) +
                                (dmIn * (hIn + massEnergy) - dmEx * (hEx + massEnergy));
            const float dp = dpSum * energyPerZVolume;
            const float dtSum = dpSum * (kInLbfToBtu * volume * energyPerZVolume) +
                                (kInLbfToBtu * p * dVolume - kGasConstant * t * dm);
            const float dt = dtSum * perGasMass;

            // Second-order Adams-Bashforth step.
            const float pLast = p;
            p = (p - backStep * dpLast) + dpSum * (energyPerZVolume * aheadStep);
            t = (t - backStep * dtLast) + dtSum * (perGasMass * aheadStep);
            m = (m - backStep * dmLast) + dm * aheadStep;
            if (p < 0.0f) p = 0.0f;
            dpLast = dp;
            dtLast = dt;
            dmLast = dm;

            thetaBeforePrevious = previousTheta;
            previousTheta = theta;
            theta += dTheta;
            float nextVolume;
            CrankVolume(theta, &nextVolume, &dVolume);
            work += (p + pLast) * (nextVolume - volume) * 0.5f;
            volume = nextVolume;
        }
        if (!exhaustPortCurrent) {
            exhaustPort = ExhaustPortPressure(s, thetaBeforePrevious, exhaustPort);
            exhaustPort = ExhaustPortPressure(s, previousTheta, exhaustPort);
        }
        cylinderPressure_ = p;
        out.intakeMass = intakeMass;
        out.work = work;
        out.intakePortPressure = intakePort;
        out.exhaustPortPressure = exhaustPort;
        return true;
    }

    // End-of-point figures; stored from 2000 rpm on. False when any is not a finite number.
    bool FinishPoint(int point, const SpeedPoint& s, const CycleOutcome& cycle) {
        SimKernelWork& k = work_;
        const SimulationBlock& b = block_;
        const float rpm = s.rpm;
        const float displacement = k.displacement;

        const float ve = cycle.intakeMass / cycle.referenceMass * 100.0f;
        k.volumetricEfficiency = ve;
        float fmep = FrictionMep(rpm, b.stroke);
        speedCorrection_ = SpeedCorrection(rpm, speedCorrection_);
        float power = displacement * rpm * ((cycle.work / k.sweptVolume - fmep) - k.driveMep) *
                          1.2453719e-06f * speedCorrection_ +
                      k.nitrousPower;
        if (k.centrelineExcess > 0.0f) {
            const int n = std::min(penaltyCount_, kMaxPenaltyCount);
            power *= 1.0f -
                     (1.0f - kCentrelineLimit / k.centrelineExcess) * static_cast<float>(n) * 0.1f;
            ++penaltyCount_;
        }
        const float bmep = power * 802973.0f / (displacement * rpm);
        const float imep = bmep + fmep;
        float pmep = 0.0f;
        if (cycle.exhaustPortPressure != cycle.intakePortPressure) {
            pmep = std::max(rpm * 0.00057142857f * 0.02f * imep, 0.0f);
            fmep -= pmep;
        }
        const float pumpingPower = pmep * displacement * rpm * 1.2626263e-06f;
        if (power < 0.0f) power = 0.0f;

        const float values[] = {
            ve, fmep, power, bmep, imep, pmep, pumpingPower, s.manifoldPressure, cylinderPressure_};
        if (!AllFinite(values, static_cast<int>(sizeof values / sizeof values[0]))) return false;
        if (point < kSettlePoints) return true;

        const int i = point - kSettlePoints;
        SimResults& r = block_.results;
        r.brakePower[i] = power;
        r.brakeTorque[i] = power * 5250.0f / rpm;
        r.manifoldPressure[i] = s.manifoldPressure;
        r.volumetricEfficiency[i] = ve;
        r.bmep[i] = bmep;
        r.imep[i] = imep;
        r.fmep[i] = fmep;
        r.pmep[i] = pmep;
        r.pumpingPower[i] = pumpingPower;
        r.indicatedPower[i] = displacement * rpm * imep * 1.2626263e-06f;
        r.frictionPower[i] = fmep * displacement * rpm * 1.2626263e-06f;
        r.mechanicalEfficiency[i] = bmep / imep * 100.0f;
        r.inductionAirflow[i] = ve * displacement * rpm * 2.8935185e-06f;
        r.pistonForce[i] = imep * (b.bore * b.bore) * 0.7853982f;
        r.pistonSpeed[i] = rpm * b.stroke * 0.16666667f;
        const float derived[] = {r.brakeTorque[i],      r.indicatedPower[i],
                                 r.frictionPower[i],    r.mechanicalEfficiency[i],
                                 r.inductionAirflow[i], r.pistonForce[i]};
        return AllFinite(derived, static_cast<int>(sizeof derived / sizeof derived[0]));
    }

    SimulationBlock& block_;
    SimKernelWork& work_;
    const CrankGeometry crank_;
    FlowCoefficientLookup intakeCoefficient_;
    FlowCoefficientLookup exhaustCoefficient_;
    // Carried from one speed point to the next.
    float ramAmplitude_ = 0.0f;
    float speedCorrection_ = 1.25f;
    int penaltyCount_ = 0;
    float cylinderPressure_ = kFirstStartPressure;
    float sonicTerm_ = 0.0f;  // of the last intake-flow step
    float rootFlowFunction_ = 0.0f;
    float portDensity_ = 0.0f;
    // Sines and cosines of the angles that advance with the crank.
    fastmath::SteppedSinCos crankAngle_;
    fastmath::SteppedSinCos exhaustWave_;
    fastmath::SteppedSinCos intakeLobeAngle_;
    fastmath::SteppedSinCos exhaustLobeAngle_;
};

}  // namespace

bool SimKernelSetUp(SimulationBlock& b) {
    if (!InputsAreUsable(b)) return false;
    SimKernelWork& k = b.kernel;
    k = SimKernelWork{};

    const float boreSquared = b.bore * b.bore;
    k.sweptVolume = b.stroke * boreSquared * 0.7853982f;
    k.displacement = static_cast<float>(b.cylinders) * b.stroke * boreSquared * 0.7853981635f;
    k.clearanceVolume = k.sweptVolume / (b.compressionRatio - 1.0f);
    k.rodLength = kRodPerStroke * b.stroke;
    k.crankRadius = b.stroke / 2.0f;
    k.pistonAreaTimesCrank = boreSquared * 0.7853982f * k.crankRadius;
    k.chamberEndArea = 1.57f * boreSquared;
    k.manifoldCapacity = InductionCapacity(b);
    k.nitrousPower = kNitrousHpPerLbMin * b.nitrousFlow;
    k.heatingValue = FuelHeatingValue(b.fuelType);
    const LifterRamp ramp = LifterRampFromRate(b.lifterRampRate);
    k.rampDegrees = ramp.rampDegrees;
    k.mixtureRatio = ramp.mixtureRatio;

    // Valve events in the crank frame; 0.050-inch events are widened to seat-to-seat.
    const float widening = b.timing050Inch ? ramp.rampDegrees : 0.0f;
    const float advance = static_cast<float>(b.camAdvance);
    k.intake.openAngle = 360.0f - (b.intakeOpening + widening) - advance;
    k.intake.closeAngle = 540.0f + (b.intakeClosing + widening) - advance;
    k.exhaust.openAngle = 180.0f - (b.exhaustOpening + widening) - advance + 20.0f;
    k.exhaust.closeAngle = 360.0f + (b.exhaustClosing + widening) - advance;
    for (float angle :
         {k.intake.openAngle, k.intake.closeAngle, k.exhaust.openAngle, k.exhaust.closeAngle})
        if (!EventIsSteppable(angle)) return false;

    k.intake.effectiveDiameter =
        EffectiveDiameter(b.intakeValveDiameter, b.intakeValvesPerCylinder);
    k.exhaust.effectiveDiameter =
        EffectiveDiameter(b.exhaustValveDiameter, b.exhaustValvesPerCylinder);
    k.intakePortDiameter = 0.85f * k.intake.effectiveDiameter;

    if (!SetUpFlowTable(b.intakeFlowPerValve, b.intakeLift, b.intakeTestDiameter,
                        b.intakeTestPressureDrop, k.intake) ||
        !SetUpFlowTable(b.exhaustFlowPerValve, b.exhaustLift, b.exhaustTestDiameter,
                        b.exhaustTestPressureDrop, k.exhaust))
        return false;
    if (!BuildLobe(k.exhaust.openAngle, k.exhaust.closeAngle, b.exhaustValveLift, ramp.flankRadius,
                   k.exhaust.lobe) ||
        !BuildLobe(k.intake.openAngle, k.intake.closeAngle, b.intakeValveLift, ramp.flankRadius,
                   k.intake.lobe))
        return false;

    k.centrelineExcess = CentrelineExcess(b);
    k.volumetricEfficiency = kStartVolumetricEfficiency;
    return true;
}

void SimKernelRun(SimulationBlock& block) {
    block.results = SimResults{};
    if (SimKernelSetUp(block) && KernelRun(block).Run()) return;
    block.results.brakePower[0] = 0.0f;
}

void SimKernelRun() {
    SimKernelRun(TheSimulationBlock());
}

void SimKernelCylinderVolume(const SimulationBlock& block, float crankDeg, float* volume,
                             float* dVolumePerDeg) {
    CrankGeometry(block.kernel).VolumeAt(crankDeg, volume, dVolumePerDeg);
}

float SimKernelIntakeValveArea(const SimulationBlock& block, float crankDeg) {
    return ValveArea(block.kernel.intake, crankDeg);
}

float SimKernelExhaustValveArea(const SimulationBlock& block, float crankDeg) {
    return ValveArea(block.kernel.exhaust, crankDeg);
}

float SimKernelFlowCoefficient(const SimKernelValve& valve, float valveLift) {
    // Find the segment that holds the lift, or the last used one.
    float lowLift = 0.0f, lowCoefficient = 1.0f;
    float highLift = 0.0f, highCoefficient = 1.0f;
    for (int i = 0; i < kSimFlowPoints && valve.flowLift[i] != 0.0f; ++i) {
        lowLift = highLift;
        lowCoefficient = highCoefficient;
        highLift = valve.flowLift[i];
        highCoefficient = valve.flowCoefficient[i];
        if (valveLift <= highLift) break;
    }
    float coefficient = highCoefficient;
    if (highLift > lowLift)
        coefficient = lowCoefficient + (highCoefficient - lowCoefficient) * (valveLift - lowLift) /
                                           (highLift - lowLift);
    return std::min(std::max(coefficient, 0.0f), 1.0f);
}

void SimKernelForcedInduction(SimulationBlock& b, float rpm) {
    const int kind = b.forcedInductionKind;
    if (kind < 1 || kind > 3) return;
    SimKernelWork& k = b.kernel;
    const float demand =
        k.volumetricEfficiency * 0.01f * rpm * 0.5f * k.displacement * 0.0005787037f;  // cfm
    float boost = 0.0f;
    float efficiency = 0.0f;
    if (kind == 1) {  // turbocharger
        const float flow = 0.32f * demand;
        float speed = flow / b.blowerFlow * b.blowerSpeed;
        if ((k.boost * 0.06802721f + 1.0f) * b.surgeFlow / b.blowerPressureRatio > flow)
            speed *= 0.8f;
        boost = speed * (b.blowerPressureRatio - 1.0f) * 14.7f / b.blowerSpeed;
        efficiency = CompressorEfficiency(speed, b);
    } else if (kind == 2) {  // centrifugal blower
        const float speed = rpm * b.beltGearRatio * b.internalGearRatio;
        boost = (1.0f - 1500.0f / speed) * 0.9f * speed * (b.blowerPressureRatio - 1.0f) * 14.7f /
                b.blowerSpeed;
        efficiency = CompressorEfficiency(speed, b);
    } else {  // roots blower
        const float speed = rpm * b.beltGearRatio;
        boost = (1.0f - 1500.0f / speed) * 0.85f * b.blowerFlow * speed * 0.0005787037f * 0.01f;
        efficiency =
            std::cos(std::fabs(speed - 30000.0f) * 3.3333333e-05f) * b.blowerEfficiency * 0.01f;
    }
    boost = std::min(boost, b.boostLimit);
    const float temperatureRatio = std::pow((boost + 14.7f) * 0.06802721f, 0.2366f);
    efficiency = std::max(efficiency, 0.3f);
    k.chargeTemperature =
        ((1.0f - b.intercoolerEfficiency * 0.01f) * (temperatureRatio - 1.0f) / efficiency + 1.0f) *
        540.0f;
    k.driveMep = 0.0f;
    if (kind != 1) {
        const float drivePower = demand * (temperatureRatio - 1.0f) * 0.271012625f / efficiency;
        k.driveMep = drivePower * 802973.0f / (k.displacement * rpm);
    }
    k.boost =
        boost * (1.0f - b.intercoolerEfficiency * 0.005f * boost * 20.0f / (b.boostLimit * 100.0f));
}

float SimKernelCrankStep(float stroke, float rpm) {
    float k = 0.1f;
    if (stroke >= 3.0f)
        k = 0.3f;
    else if (stroke >= 1.0f)
        k = 0.1f * stroke;
    return k * rpm * 0.001f;
}

float SimKernelRamAmplitude(int manifoldType, float rpm, float previous) {
    const float n = rpm;
    switch (manifoldType) {
        case 1:
            return std::min(std::max(8.03e-05f * std::pow(n, 1.3f), 0.0f), 7.7f);
        case 2: {
            static const float kSteps[] = {3.2f, 3.8f, 4.2f, 4.0f, 3.5f};
            return StepTable(4.5f + 1e-05f * std::pow(n, 1.35f), 5.0f, kSteps, 5);
        }
        case 3:
            return Soften(std::max(0.000103f * std::pow(n, 1.31f), 0.0f), 9.0f, 0.5f);
        case 4:
            return std::min(std::max(0.000143f * std::pow(n, 1.3f), 0.0f), 7.5f);
        case 5:
            return n <= 4000.0f ? 4.0f : 8.0f - 0.001f * n;
        case 6:
            return std::min(std::max(0.000103f * std::pow(n, 1.31f), 0.0f), 4.5f);
        case 8: {
            float x = std::max(0.000103f * std::pow(std::max(n - 1000.0f, 0.0f), 1.31f), 0.0f);
            x = Soften(Soften(Soften(x, 8.0f, 0.6666667f), 10.5f, 0.5f), 12.0f, 0.4f);
            return std::min(x, 14.0f);
        }
        case 9:
            return std::min(2.0f + 0.0001f * std::pow(std::max(n - 2000.0f, 0.0f), 1.25f), 7.7f);
        case 10: {
            static const float kSteps[] = {4.0f, 4.5f, 5.0f, 5.5f, 4.5f,
                                           4.0f, 3.5f, 3.0f, 2.5f, 2.0f};
            return StepTable(3.0f + 0.0001f * std::pow(n, 1.35f), 6.0f, kSteps, 10);
        }
        case 11: {
            float x = std::max(0.000103f * std::pow(std::max(n - 1500.0f, 0.0f), 1.35f), 0.0f);
            x = Soften(Soften(x, 12.0f, 0.8333333f), 18.0f, 0.5f);
            return std::min(x, 20.0f);
        }
        default:
            return previous;  // 7, forced induction: 0 unless boosted
    }
}

}  // namespace torvane
