// Every run quantity is a 32-bit float, stored back after each update; the
// constants are double, so an expression that meets one is evaluated in
// double before it is stored.
#include "quillet/kernel/QuilletMath.h"

#include <cmath>
#include <cstdint>

#include "common/fastmath/FastMath.h"
#include "quillet/kernel/RaceSimBlock.h"

namespace quillet {

namespace {

constexpr float kTimeStep = 0.001f;                    // s
constexpr float kTimeLimit = 88.0f;                    // s; a run not finished by then fails
constexpr double kGravity = 32.2;                      // ft/s^2
constexpr double kMassPerPound = 0.03105590062111801;  // 1 / 32.2
constexpr double kMphPerFootPerSecond = 0.6818;
constexpr double kFootPerSecondPerMph = 1.4705882352941175;
constexpr double kRadPerSecondPerRpm = 0.1047197;
constexpr double kRpmPerRadPerSecond = 9.54930161182662;
constexpr double kHorsepowerPerRpmLbFt = 0.00019040366;
constexpr float kLoadTransferHeight = 1.5f;  // ft
constexpr double kTrapLength = 66.0;         // ft
constexpr double kSixtyMph = 88.0;           // ft/s
constexpr double kHundredMph = 146.66;       // ft/s
constexpr double kLaunchRampEnd = 0.45;      // s
constexpr double kRollingStart = 0.01;       // s
constexpr double kShiftCheckPause = 0.1;     // s
constexpr float kShiftRpmMargin = 25.0f;
// The engine speed reaches the driveline and comes back through the tyre
// speed in mixed precision: an engine held at the redline reads a few units
// in the last place below it. Within this share of the redline it is at it.
constexpr float kRedlineRoundingShare = 1e-6f;

// Track marks with times and speeds at 60, 330, 660, 1000 ft; the last one
// (1320 ft) takes all values but those two. Each is captured while the
// distance past the start line lies in its window.
constexpr float kMarkWindowStart[kRaceMarkCount] = {30.0f, 60.0f, 330.0f, 660.0f, 1000.0f};
constexpr float kMarkWindowEnd[kRaceMarkCount] = {60.0f, 330.0f, 660.0f, 1000.0f, 1320.0f};

enum class Coupling { None, Clutch, Converter };

// The run's working state, zero at the start of every run. Gear tables are
// indexed 1..6 as gears are counted; ratio[7] reads 0.
struct RaceRunState {
    // Set up once per run.
    Coupling coupling;
    float efficiency;
    float ratio[kRaceGearCount + 2];
    float shiftRpm[kRaceGearCount + 1];
    float totalWeight;
    float staticRadius;  // ft
    float driveshaftInertia;
    float wheelInertia;
    float engineInertia;
    float flywheelInertia;
    float drivingFraction;
    float staticDrivingLoad;  // lb
    float wheelbaseFeet;
    // Reciprocals the steps multiply by.
    double perWheelbase;          // 1 / wheelbaseFeet
    double perDrivingWheelbase;   // 1 / (drivingFraction wheelbaseFeet)
    double perWheelInertia;
    float rolloutFeet;
    float mass;
    float torque[kRaceCurvePoints + 1];  // corrected for the air, 1..26
    float rpm[kRaceCurvePoints + 1];
    int risingRpmPoints;  // rpm[1..n] rise strictly
    float referenceTorque;
    float windSpeed;  // ft/s
    float trapStart;  // ft past the start line

    // Changed every step.
    float time;
    float distance;  // ft from the launch point
    float speed;     // ft/s
    float acceleration;
    int gear;
    int torqueSegment;  // of the last torque look-up, 0 before the first
    float overallRatio;
    float tyreRadius;  // ft
    float engineRpm;
    float previousEngineRpm;
    float clutchRpm;
    float tyreRpm;
    float tyreSpeed;     // ft/s at the tyre surface
    float engineTorque;  // lb-ft delivered to the driveline
    float torqueRatio;   // of the converter
    float clutchCapacity;
    float tractionLimit;
    float driveForce;
    float recordedDriveForce;  // before the traction limit
    float aeroResistance;
    float rollingResistance;
    float startTime;
    float shiftEnd;
    float nextShiftCheck;
    float pendingShift;
    bool topGearLatched;

    // Results kept until the finish.
    float time0To60;
    float time0To100;
    float trapStartSpeed;
    float markTime[kRaceTimedMarkCount];
    int16_t markSpeed[kRaceTimedMarkCount];
    int16_t markEngineRpm[kRaceMarkCount];
    float timeInGear[kRaceGearCount + 1];  // worked out at the finish from gearTime
    float gearTime[kRaceGearCount + 1];    // time at the last step in each gear
    int gearsBooked;                       // gears 1..gearsBooked have a gearTime
    float distanceAtGearEnd[kRaceGearCount + 1];
    float lastSampledDistance;
};

// The runtime's double power function, for the powers taken once a run.
double Power(double base, double exponent) {
    return std::pow(base, exponent);
}

float Square(float x) {
    return x * x;
}

// Truncation toward zero to a 16-bit whole number; values beyond its range
// saturate and a non-number gives 0.
int16_t TruncateToInt16(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 32767.0) return 32767;
    if (value <= -32768.0) return -32768;
    return static_cast<int16_t>(value);
}

bool IsPistonEngine(const RaceSimBlock& block) {
    return block.jetFlag == 0;
}

void QuilletMathClearState(RaceRunState& s) {
    s = RaceRunState{};
}

void SetUpDriveline(const RaceSimBlock& block, RaceRunState& s) {
    const auto coupling = [&block] {
        if (block.clutchFlag == -1) return Coupling::Clutch;
        if (block.converterFlag > 0) return Coupling::Converter;
        return Coupling::None;
    };
    if (block.syncromeshTransmission > 0) {
        s.efficiency = 0.99f;
        s.coupling = coupling();
    } else if (block.planetaryTransmission > 0) {
        s.efficiency = 0.95f;
        s.coupling = coupling();
    } else {
        s.efficiency = 0.0f;
        s.coupling = Coupling::None;
    }

    for (int k = 1; k <= kRaceGearCount; ++k) {
        s.ratio[k] = block.gearRatio[k - 1];
        if (block.primaryRatio > 0) s.ratio[k] = block.primaryRatio * block.gearRatio[k - 1];
    }
    for (int k = 1; k <= kRaceShiftCount; ++k) s.shiftRpm[k] = block.shiftRpm[k - 1];
    s.shiftRpm[kRaceGearCount] = s.shiftRpm[kRaceShiftCount];
}

void SetUpChassis(const RaceSimBlock& block, RaceRunState& s) {
    s.totalWeight = block.jetFlag == 1 ? block.weight + block.rocketWeight : block.weight;
    s.staticRadius = block.tyreDiameter / 24.0f;

    const float diameterSquared = Square(block.tyreDiameter);
    if (block.motorcycleFlag == 0) {
        s.driveshaftInertia = 0.2f;
        s.wheelInertia = block.wheelWidth * diameterSquared * 0.002;
        s.engineInertia = block.displacement * 0.01;
        s.flywheelInertia = s.engineInertia * 0.2;
    } else {
        s.driveshaftInertia = 0.1f;
        s.wheelInertia = block.wheelWidth * diameterSquared * 0.001;
        s.engineInertia = block.displacement * 0.005;
        s.flywheelInertia = s.engineInertia * 0.1;
    }

    s.drivingFraction = block.drivingWheelWeight * 0.01;
    s.staticDrivingLoad = s.drivingFraction * s.totalWeight;
    s.wheelbaseFeet = block.wheelbase / 12.0f;
    s.perWheelbase = 1.0 / s.wheelbaseFeet;
    s.perDrivingWheelbase = 1.0 / (s.drivingFraction * s.wheelbaseFeet);
    s.perWheelInertia = 1.0 / s.wheelInertia;
    s.rolloutFeet = block.rollout / 12.0f;
    s.mass = s.totalWeight * kMassPerPound;
}

// Air correction of the engine torque: dry-air pressure against 29.92 inHg
// and temperature against 20 degrees C. 0 when the air holds no dry pressure.
float AirCorrection(const RaceSimBlock& block) {
    const float fahrenheit = block.temperature;
    const float vapourPressure = 0.0652 * Power(2.718281828, 0.0342 * fahrenheit);
    const float dryPressure = block.barometer - block.humidity * vapourPressure * 0.01;
    if (!(dryPressure > 0)) return 0.0f;
    const float celsius = (fahrenheit - 32.0f) * 0.5555555555555556;
    return (29.92 / dryPressure) * Power((celsius + 273.0f) / 293.0, 0.5);
}

// The engine's torque table corrected for the air, and the reference torque
// the clutch capacity follows.
void SetUpTorqueTable(const RaceSimBlock& block, float correction, RaceRunState& s) {
    for (int i = 1; i <= kRaceCurvePoints; ++i) {
        s.torque[i] = block.torquePoints[i - 1] / correction;
        s.rpm[i] = block.rpmPoints[i - 1];
    }
    s.risingRpmPoints = 1;
    while (s.risingRpmPoints < kRaceCurvePoints &&
           s.rpm[s.risingRpmPoints + 1] > s.rpm[s.risingRpmPoints])
        ++s.risingRpmPoints;

    // The top of the last rise of the curve; the peak for a curve of one hump.
    s.referenceTorque = 0.0f;
    for (int i = 1; i < kRaceCurvePoints; ++i) {
        if (s.torque[i] < s.torque[i + 1]) s.referenceTorque = s.torque[i + 1];
        if (s.referenceTorque == 0.0f) s.referenceTorque = s.torque[i];
    }
}

// Whether the model is defined for this vehicle: every value the run divides
// by is positive and the torque table holds numbers. A document that
// validates always passes. The engine and tyre values matter to piston
// engines only.
bool VehicleCanRun(const RaceSimBlock& block, const RaceRunState& s, float airCorrection) {
    if (!(s.mass > 0)) return false;
    if (!IsPistonEngine(block)) return true;

    if (!(airCorrection > 0) || !std::isfinite(airCorrection)) return false;
    for (int i = 1; i <= kRaceCurvePoints; ++i)
        if (!std::isfinite(s.torque[i]) || !std::isfinite(s.rpm[i])) return false;
    const bool converterDefined =
        s.coupling != Coupling::Converter ||
        (block.converterStall > 0 && block.redline > 0 && block.launchRpm + 1.0f > 0 &&
         1.0 - block.converterSlippage * 0.01 > 0);
    return s.rpm[1] > 0 && block.rearAxleRatio > 0 && s.ratio[1] > 0 && s.staticRadius > 0 &&
           block.tyreGrowth >= 0 && 0.99 - 0.002 * block.tyreGrowth > 0 && s.wheelInertia > 0 &&
           s.engineInertia > 0 && s.wheelbaseFeet > 0 && s.drivingFraction > 0 &&
           block.tractionCoefficient >= 0 && converterDefined;
}

bool QuilletMathSetUp(const RaceSimBlock& block, int raceLength, RaceRunState& s) {
    SetUpDriveline(block, s);
    SetUpChassis(block, s);
    const float airCorrection = AirCorrection(block);
    if (airCorrection > 0) SetUpTorqueTable(block, airCorrection, s);
    s.windSpeed = block.wind * kFootPerSecondPerMph;
    s.trapStart = raceLength - kTrapLength;
    s.gear = 1;
    return VehicleCanRun(block, s, airCorrection);
}

// Tyre growth with speed, and the time and distance spent in the current gear.
void UpdateTyreAndGearBookkeeping(const RaceSimBlock& block, RaceRunState& s) {
    float growth = block.tyreGrowth - 0.1 * s.tyreSpeed;
    if (!(growth > 0)) growth = 0.0f;
    // The runtime's pow costs more than the rest of the step; this one's error
    // stays far below what the float radius can hold.
    s.tyreRadius = (0.99 - 0.002 * growth) * s.staticRadius +
                   0.0001 * fastmath::PowApproximate(s.tyreSpeed,
                                                     1.0 + 0.011494251724137932 * block.tyreGrowth);

    s.gearTime[s.gear] = s.time;
    s.gearsBooked = s.gear;
    s.distanceAtGearEnd[s.gear] = s.distance;
}

// Time in each gear: the time at its last step less the times in the gears
// before it.
void WorkOutTimeInGears(RaceRunState& s) {
    for (int gear = 1; gear <= s.gearsBooked; ++gear) {
        float timeInGear = s.gearTime[gear];
        for (int k = 1; k < gear; ++k) timeInGear -= s.timeInGear[k];
        s.timeInGear[gear] = timeInGear;
    }
}

// Traction limit of the driving tyres (lb), from the previous step's
// acceleration and speed, with the load transferred to the rear.
float QuilletMathTractionLimit(const RaceSimBlock& block, const RaceRunState& s) {
    const float weight = s.totalWeight;
    float load = block.frontalArea * Square(s.speed) * 0.000354 +
                 weight * kLoadTransferHeight * s.acceleration * kMassPerPound * s.perWheelbase +
                 s.staticDrivingLoad;
    if (load > weight) load = weight;

    if (block.frontDriveFlag == 0) {
        return (((kLoadTransferHeight - s.tyreRadius) * weight * s.acceleration * kMassPerPound *
                 s.perDrivingWheelbase) +
                load) *
               block.tractionCoefficient;
    }
    return block.tractionCoefficient * s.staticDrivingLoad /
           ((kLoadTransferHeight / s.wheelbaseFeet) * block.tractionCoefficient + 1.0);
}

bool AtRedline(float engineRpm, const RaceSimBlock& block) {
    return engineRpm >= block.redline * (1.0f - kRedlineRoundingShare);
}

// The driving tyres either spin up against the traction limit or roll with
// the vehicle.
void QuilletMathWheelStep(const RaceSimBlock& block, RaceRunState& s) {
    const float drivenTorque =
        s.coupling == Coupling::Converter ? s.torqueRatio * s.engineTorque : s.engineTorque;
    const float wheelTorque = s.efficiency * s.overallRatio * drivenTorque;

    if (wheelTorque / s.tyreRadius > s.tractionLimit || s.tyreSpeed > s.speed) {
        if (s.coupling == Coupling::Clutch && AtRedline(s.engineRpm, block) && s.time > s.shiftEnd) {
            s.tyreRpm = s.engineRpm / s.overallRatio;
        } else {
            const double spinTorque = wheelTorque - s.tractionLimit * s.tyreRadius * 0.8;
            s.tyreRpm =
                (s.tyreRpm * kRadPerSecondPerRpm + (spinTorque * s.perWheelInertia) * kTimeStep) *
                kRpmPerRadPerSecond;
        }
        s.tyreSpeed = 2.0f * s.tyreRpm * s.tyreRadius * 0.052359877566666664;
        if (s.tyreSpeed < s.speed) s.tyreSpeed = s.speed;
    } else {
        s.tyreRpm = s.speed * 60.0f / (2.0f * s.tyreRadius * 3.141592654);
        s.tyreSpeed = s.speed;
    }
    if (s.acceleration == 0.0f) s.tyreSpeed = s.speed;
}

// A clutch shift is due once the driveline reaches the shift rpm; the clutch
// then stays open for the shift time. A one-gear box never opens it.
void PrepareClutchShift(const RaceSimBlock& block, RaceRunState& s) {
    if (s.coupling == Coupling::Converter || s.topGearLatched) return;
    s.pendingShift = 0.0f;
    if (s.clutchRpm + kShiftRpmMargin >= s.shiftRpm[s.gear] && s.ratio[s.gear] > 0) {
        s.pendingShift = s.clutchRpm + kShiftRpmMargin;
        s.shiftEnd = s.time + block.shiftTime;
        if (s.ratio[s.gear + 1] == 0.0f) s.topGearLatched = true;
    }
    if (s.ratio[2] == 0.0f) s.shiftEnd = s.time;
}

// Engine torque at the current rpm from the corrected table: the first
// segment that holds it; beyond the last point the torque keeps its previous
// value. Where the rpm column rises strictly up to the previous step's
// segment, a segment that holds the rpm is the first one, so the search
// starts there.
float TorqueAtEngineRpm(RaceRunState& s) {
    const float rpm = s.engineRpm;
    if (rpm < s.rpm[1]) return rpm / s.rpm[1] * s.torque[1];
    int i = s.torqueSegment;
    const auto holds = [&s, rpm](int segment) {
        return rpm >= s.rpm[segment] && rpm < s.rpm[segment + 1];
    };
    if (!(i >= 1 && i + 1 <= s.risingRpmPoints && holds(i))) {
        for (i = 1; i < kRaceCurvePoints && !holds(i); ++i) {
        }
        if (i == kRaceCurvePoints) return s.engineTorque;
        s.torqueSegment = i;
    }
    return s.torque[i] +
           (rpm - s.rpm[i]) * (s.torque[i + 1] - s.torque[i]) / (s.rpm[i + 1] - s.rpm[i]);
}

// Integrates the engine speed over one step from the torque left over.
float IntegrateEngineRpm(const RaceRunState& s, float netTorque) {
    return (s.previousEngineRpm * kRadPerSecondPerRpm +
            (netTorque * 12.0f / s.engineInertia) * 12.0f * kTimeStep) *
           kRpmPerRadPerSecond;
}

void ConverterEngineStep(const RaceSimBlock& block, RaceRunState& s) {
    const double slip = 1.0 - block.converterSlippage * 0.01;
    const float multiplier = block.converterMultiplier;
    const float stall = block.converterStall;
    s.torqueRatio = multiplier - (s.clutchRpm / s.engineRpm) * (multiplier - 1.0f) / slip;
    s.engineRpm = IntegrateEngineRpm(s, s.engineTorque - s.torqueRatio * s.engineTorque);
    if (s.gear == 1 && s.clutchRpm < stall) s.engineRpm = stall;
    if (s.torqueRatio < 1.0f) s.engineRpm = s.clutchRpm / slip;
    if (s.engineRpm < stall) s.engineRpm = stall;
    s.previousEngineRpm = s.engineRpm;
}

void ClutchEngineStep(const RaceSimBlock& block, RaceRunState& s, float engineOwnTorque) {
    s.engineRpm = IntegrateEngineRpm(s, engineOwnTorque - s.clutchCapacity);
    if (s.engineRpm > block.redline) s.engineRpm = block.redline;
    if (s.gear == 1 && s.engineRpm < block.launchRpm - 500.0f)
        s.engineRpm = block.launchRpm - 500.0f;
    if (s.time >= s.shiftEnd && s.clutchRpm >= s.engineRpm) s.engineRpm = s.clutchRpm;
    s.previousEngineRpm = s.engineRpm;
    if (s.engineRpm > block.redline) s.engineRpm = block.redline;
    if (s.clutchRpm > block.redline) s.clutchRpm = block.redline;
}

// Engine torque and speed, and the driveline speed behind the clutch or
// converter.
void QuilletMathEngineStep(const RaceSimBlock& block, RaceRunState& s) {
    if (s.time == 0.0f) s.engineRpm = s.previousEngineRpm = block.launchRpm + 1.0f;
    s.engineTorque = TorqueAtEngineRpm(s);

    const float engineOwnTorque = s.engineTorque;
    if (s.coupling != Coupling::Converter)
        s.clutchCapacity = s.time < s.shiftEnd ? 0.0f : s.referenceTorque * 1.1;
    s.clutchRpm = s.tyreSpeed * s.overallRatio / (s.tyreRadius * 6.283185308) * 60.0;
    // A slipping clutch passes its capacity, which is also the torque recorded.
    if (s.coupling == Coupling::Clutch && s.clutchRpm < s.engineRpm)
        s.engineTorque = s.clutchCapacity;

    if (s.coupling == Coupling::Converter)
        ConverterEngineStep(block, s);
    else
        ClutchEngineStep(block, s, engineOwnTorque);
}

// Shifts up when the shift level reaches the gear's shift rpm: the clutch
// shift pending (clutch) or the engine rpm (converter). After a shift the
// next one waits 0.1 s.
void CheckShift(RaceRunState& s) {
    if (s.time < s.nextShiftCheck) return;
    float level = 0.0f;
    if (s.coupling == Coupling::Clutch) level = s.pendingShift;
    if (s.coupling == Coupling::Converter) level = s.engineRpm;
    if (level >= s.shiftRpm[s.gear]) {
        s.nextShiftCheck = s.time + kShiftCheckPause;
        if (s.ratio[s.gear + 1] > 0) ++s.gear;
    }
}

// Each mark keeps the values of the last step before the vehicle reached it.
// The windows follow one another.
void CaptureMarks(RaceSimBlock& block, RaceRunState& s, float pastStart) {
    if (pastStart < kMarkWindowStart[0] || pastStart >= kMarkWindowEnd[kRaceMarkCount - 1]) return;
    int mark = 0;
    while (pastStart >= kMarkWindowEnd[mark]) ++mark;
    if (mark < kRaceTimedMarkCount) {
        s.markTime[mark] = s.time - s.startTime;
        s.markSpeed[mark] = TruncateToInt16(s.speed * kMphPerFootPerSecond);
    }
    s.markEngineRpm[mark] = TruncateToInt16(s.engineRpm);
    block.markAcceleration[mark] = s.acceleration / kGravity;
    block.markTyreSpeed[mark] = s.tyreSpeed * kMphPerFootPerSecond;
    block.markResistance[mark] = s.rollingResistance + s.aeroResistance;
    block.markClutchRpm[mark] = s.clutchRpm;
}

// Aerodynamic resistance (lb) in the relative wind; a piston-engined vehicle
// above 190 mph meets an extra term.
void UpdateAeroResistance(const RaceSimBlock& block, RaceRunState& s) {
    const float wind = s.windSpeed;
    if (s.distance > 0.01 && wind >= 0) {
        const float relative = wind + s.speed;
        s.aeroResistance = Square(relative) * block.dragCoefficient * block.frontalArea * 0.00118;
        const float mph = s.speed * kMphPerFootPerSecond;
        if (IsPistonEngine(block) && mph > 190.0f)
            s.aeroResistance = s.aeroResistance + Square(190.0f - mph) * 0.14;
    } else if (wind < 0) {
        const float relative = wind + s.speed;
        const float cd = block.dragCoefficient;
        if (relative < 0) s.aeroResistance = -0.00118 * Square(relative) * cd * block.frontalArea;
        if (relative > 0) s.aeroResistance = 0.00118 * Square(relative) * cd * block.frontalArea;
    }
}

float RollingResistance(const RaceRunState& s) {
    const float mph = s.speed * kMphPerFootPerSecond;
    return (0.013 + 0.0324 * fastmath::PowTwoAndAHalf(mph * 0.01)) * s.totalWeight;
}

// Force at the driving tyres (lb) less what the rotating parts take to
// accelerate; a clutch start ramps in over 0.45 s. A jet pushes with its
// thrust. The traction limit caps the force of tyre-driven vehicles only.
void UpdateDriveForce(const RaceSimBlock& block, RaceRunState& s) {
    if (!IsPistonEngine(block)) {
        s.driveForce = block.rocketThrust;
        s.recordedDriveForce = 0.0f;
    } else {
        const float launch = s.time < kLaunchRampEnd ? 2.0f * s.time + 0.1 : 1.0f;
        const float ramp = launch + (1.0f - launch) * block.peakPower * 0.00005;
        const float angular = s.acceleration * 12.0f;
        const float radiusSquared = Square(12.0f * s.tyreRadius);
        const float overall = s.overallRatio;
        const float axle = block.rearAxleRatio;
        if (s.coupling == Coupling::Clutch) {
            // The engine's own inertia counts only once the clutch holds.
            const float engaged = s.clutchRpm < s.engineRpm ? 0.0f : s.engineInertia;
            s.driveForce = (overall * s.efficiency * s.engineTorque / s.tyreRadius -
                            angular *
                                (Square(overall) * (engaged + s.flywheelInertia) +
                                 Square(axle) * s.driveshaftInertia + s.wheelInertia) /
                                radiusSquared) *
                           ramp;
        } else if (s.coupling == Coupling::Converter) {
            s.driveForce = s.torqueRatio * overall * s.efficiency * s.engineTorque / s.tyreRadius -
                           angular *
                               (Square(overall) * (s.flywheelInertia + s.engineInertia) +
                                Square(axle) * s.driveshaftInertia + s.wheelInertia) /
                               radiusSquared;
        }
        s.recordedDriveForce = s.driveForce;
        if (s.driveForce > s.tractionLimit) s.driveForce = 0.99 * s.tractionLimit;
    }
    if (s.driveForce < 0) s.driveForce = 0.0f;
}

// At the redline with the tyres rolling the vehicle holds its speed.
void ApplyRedlineHold(const RaceSimBlock& block, RaceRunState& s) {
    if (AtRedline(s.engineRpm, block) && s.tyreSpeed == s.speed) {
        s.acceleration = 0.0f;
        if (s.coupling == Coupling::Converter) s.engineRpm = block.redline;
    }
}

// Samples at least 1 ft apart from the start line on, and the one at or past
// the finish, up to the channel capacity.
void AppendSample(RaceSimBlock& block, RaceRunState& s, int raceLength) {
    const float pastStart = s.distance - s.rolloutFeet;
    const int count = block.sampleCount;
    if (!(pastStart >= 0) || count >= kRaceMaxSamples) return;
    if (count > 0 && !(pastStart - s.lastSampledDistance >= 1.0f) && !(pastStart >= raceLength))
        return;

    float(&channel)[kRaceChannelCount][kRaceMaxSamples] = block.channel;
    channel[kRaceChannelTime][count] = s.time - s.startTime;
    channel[kRaceChannelDistance][count] = pastStart;
    channel[kRaceChannelAcceleration][count] = s.acceleration / kGravity;
    channel[kRaceChannelSpeed][count] = s.speed * kMphPerFootPerSecond;
    channel[kRaceChannelTyreSpeed][count] = s.tyreSpeed * kMphPerFootPerSecond;
    channel[kRaceChannelResistance][count] = s.rollingResistance + s.aeroResistance;
    channel[kRaceChannelEngineRpm][count] = s.engineRpm;
    channel[kRaceChannelClutchRpm][count] = s.clutchRpm;
    channel[kRaceChannelTorque][count] = s.engineTorque;
    channel[kRaceChannelPower][count] = s.engineRpm * s.engineTorque * kHorsepowerPerRpmLbFt;
    channel[kRaceChannelDriveForce][count] = s.recordedDriveForce;
    channel[kRaceChannelTyreDiameter][count] = s.tyreRadius * 24.0f;
    s.lastSampledDistance = pastStart;
    block.sampleCount = count + 1;
}

void WriteTimeSlip(RaceSimBlock& block, const RaceRunState& s) {
    block.elapsedTime = s.time - s.startTime;
    block.finishSpeed = s.speed;
    block.time0To60 = s.time0To60;
    block.time0To100 = s.time0To100;
    block.startTime = s.startTime;
    for (int mark = 0; mark < kRaceTimedMarkCount; ++mark) {
        block.markTime[mark] = s.markTime[mark];
        block.markSpeed[mark] = s.markSpeed[mark];
    }
    for (int mark = 0; mark < kRaceMarkCount; ++mark)
        block.markEngineRpm[mark] = s.markEngineRpm[mark];
    for (int gear = 1; gear <= kRaceGearCount; ++gear) {
        block.timeInGear[gear - 1] = s.timeInGear[gear];
        block.distanceAtGearEnd[gear - 1] = s.distanceAtGearEnd[gear];
    }
    block.trapSpeed = (s.trapStartSpeed + s.speed) * 0.5 * kMphPerFootPerSecond;
}

}  // namespace

bool QuilletMathRun(RaceSimBlock& block, int raceLength) {
    block.sampleCount = 0;
    RaceRunState s;
    QuilletMathClearState(s);
    if (raceLength != kRaceEighthMile && raceLength != kRaceQuarterMile) return false;
    if (!QuilletMathSetUp(block, raceLength, s)) return false;

    const bool piston = IsPistonEngine(block);
    for (;;) {
        s.overallRatio = block.rearAxleRatio * s.ratio[s.gear];
        if (piston) UpdateTyreAndGearBookkeeping(block, s);
        if (s.distance < s.rolloutFeet) s.startTime = s.time;
        if (piston) {
            s.tractionLimit = QuilletMathTractionLimit(block, s);
            QuilletMathWheelStep(block, s);
            PrepareClutchShift(block, s);
            QuilletMathEngineStep(block, s);
            CheckShift(s);
        }

        if (s.speed < kSixtyMph) s.time0To60 = s.time;
        if (s.speed < kHundredMph) s.time0To100 = s.time;
        CaptureMarks(block, s, s.distance - s.rolloutFeet);

        UpdateAeroResistance(block, s);
        if (s.speed < 0) return false;
        if (s.time > kRollingStart) s.rollingResistance = RollingResistance(s);
        UpdateDriveForce(block, s);
        s.acceleration = (s.driveForce - s.aeroResistance - s.rollingResistance) / s.mass;
        if (s.acceleration < 0) s.acceleration = 0.0f;
        if (piston) ApplyRedlineHold(block, s);

        s.speed = s.speed + kTimeStep * s.acceleration;
        s.distance = s.distance + kTimeStep * s.speed;
        if (s.distance < s.trapStart + s.rolloutFeet) s.trapStartSpeed = s.speed;
        AppendSample(block, s, raceLength);

        if (s.distance >= raceLength + s.rolloutFeet) {
            WorkOutTimeInGears(s);
            WriteTimeSlip(block, s);
            return true;
        }
        s.time = s.time + kTimeStep;
        if (s.time > kTimeLimit) return false;
    }
}

float QuilletMathBarometerFromElevation(float elevation) {
    const double x = elevation;
    return ((((2e-22f * Power(x, 5) - 6e-27f * Power(x, 6)) - 1e-18f * Power(x, 4)) -
             1e-13f * Power(x, 3)) +
            2e-8f * Power(x, 2)) -
           0.0011f * elevation + 29.919f;
}

}  // namespace quillet
