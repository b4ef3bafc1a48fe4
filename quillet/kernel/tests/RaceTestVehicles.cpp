#include "quillet/kernel/tests/RaceTestVehicles.h"

#include <algorithm>

namespace quillet {

namespace race_test {

namespace {

constexpr float kFirstCurveRpm = 2000.0f;
constexpr float kCurveRpmStep = 500.0f;

float CurveRpm(size_t row) {
    return kFirstCurveRpm + kCurveRpmStep * static_cast<float>(row);
}

// Engines of the sample vehicles that the document's preset table does not
// spell out, in its shape: a 383-ci street V8 of 400 hp at 5500 rpm and a
// 2.0-litre four of 235 hp at 7500 rpm.
const Engine kStreet383V8 = {383.0f, {137, 183, 231, 280, 327, 367, 395, 400, 388, 365, 327}};
const Engine kSportFour = {122.0f, {60, 78, 97, 117, 137, 157, 176, 194, 210, 223, 232, 235, 228}};
// A mid-size coupe body of the same shape as the presets.
const Body kMidSizeCoupe = {3400.0f, 108.0f, false, 47.0f, 21.0f, 0.42f};

// The document's default power table of a vehicle without a curve: rpm rows
// 2000 to 6500, no torque.
constexpr int kDefaultCurveRows = 10;

void FillPowerCurve(const Engine& engine, RaceSimBlock& block) {
    float rpm[kRaceCurvePoints] = {};
    float torque[kRaceCurvePoints] = {};
    const size_t rows = engine.horsepower.empty() ? kDefaultCurveRows : engine.horsepower.size();
    for (size_t i = 0; i < rows && i < kRaceCurvePoints; ++i) {
        rpm[i] = CurveRpm(i);
        if (!engine.horsepower.empty()) torque[i] = engine.horsepower[i] * 5252.0f / rpm[i];
    }
    RaceSimBlockSetPowerCurve(block, rpm, torque, static_cast<int>(rows));
    block.peakPower = PeakPower(engine);
}

// Redline, launch, shift points, rollout and shift time from the driving
// style and the rpm at peak power, limited to the top of the power table.
void FillDrivingStyle(const Vehicle& vehicle, RaceSimBlock& block) {
    block.rollout = vehicle.style.rollout;
    if (vehicle.engine.horsepower.empty()) return;
    const float peakRpm = RpmAtPeakPower(vehicle.engine);
    const float maxRpm = CurveRpm(vehicle.engine.horsepower.size() - 1);
    const auto limited = [maxRpm](float rpm) { return std::min(rpm, maxRpm); };

    block.redline = limited(peakRpm * (1.0f + vehicle.style.redlineFactor));
    if (vehicle.coupling == Coupling::Clutch) {
        block.launchRpm = limited(peakRpm * vehicle.style.launchFactor);
        if (!vehicle.planetary) block.shiftTime = vehicle.style.shiftTime;
    } else if (vehicle.coupling == Coupling::Converter) {
        block.launchRpm = vehicle.converter.stall;
    }
    const int shifts = std::min<int>(static_cast<int>(vehicle.gearRatios.size()), kRaceShiftCount);
    for (int k = 0; k < shifts; ++k)
        block.shiftRpm[k] = limited(peakRpm * (1.0f + vehicle.style.shiftFactor));
}

}  // namespace

const Body kFullSizeCoupe = {3727.0f, 117.8f, false, 45.0f, 22.0f, 0.40f};
const Body kCompactFrontDrive = {2590.0f, 106.2f, true, 63.0f, 20.0f, 0.31f};
const Body kTypicalDragster = {2100.0f, 218.9f, false, 67.0f, 17.0f, 0.32f};
const Tyre kStockStreetTyre = {27.0f, 6.0f, 0.0f, 1.35f};
const Tyre kDragsterTyre = {32.0f, 15.5f, 25.0f, 3.5f};
const DrivingStyle kConservative = {0.05f, 0.0f, 0.4f, 0.0f, 0.25f};
const DrivingStyle kAggressive = {0.10f, 0.05f, 0.7f, 6.0f, 0.10f};
const DrivingStyle kProfessional = {0.15f, 0.10f, 1.0f, 8.0f, 0.01f};
const Weather kTypicalTrack = {29.05f, 60.0f, 800.0f, 0.0f, 75.0f};
const Weather kExcellentTrack = {29.92f, 20.0f, 0.0f, 0.0f, 68.0f};
const Engine kStreet350V8 = {349.8f, {149, 188, 227, 256, 271, 263, 241, 212, 170, 123, 67, 11}};

Vehicle DefaultStreetV8() {
    Vehicle vehicle;
    vehicle.body = kFullSizeCoupe;
    vehicle.engine = kStreet350V8;
    vehicle.gearRatios = {2.52f, 1.88f, 1.47f, 1.00f};
    vehicle.rearAxleRatio = 3.54f;
    vehicle.tyre = kStockStreetTyre;
    vehicle.style = kAggressive;
    vehicle.weather = kTypicalTrack;
    return vehicle;
}

Vehicle StreetV8WithConverter() {
    Vehicle vehicle = DefaultStreetV8();
    vehicle.gearRatios = {1.82f, 1.00f};
    vehicle.planetary = true;
    vehicle.coupling = Coupling::Converter;
    vehicle.converter = {2400.0f, 2.3f, 5.0f};
    return vehicle;
}

Vehicle JetDragster() {
    Vehicle vehicle;
    vehicle.body = kTypicalDragster;
    vehicle.engine = {0.0f, {}};
    vehicle.coupling = Coupling::None;
    vehicle.tyre = kDragsterTyre;
    vehicle.style = kProfessional;
    vehicle.weather = kTypicalTrack;
    vehicle.jet = true;
    vehicle.rocketThrust = 68000.0f;
    vehicle.rocketWeight = 11300.0f;
    return vehicle;
}

std::vector<NamedVehicle> StreetVehicles() {
    Vehicle muscle = DefaultStreetV8();
    muscle.body = kMidSizeCoupe;
    muscle.engine = kStreet383V8;
    muscle.rearAxleRatio = 4.11f;
    muscle.weather = kExcellentTrack;

    Vehicle compact = DefaultStreetV8();
    compact.body = kCompactFrontDrive;
    compact.engine = kSportFour;
    compact.gearRatios = {3.23f, 2.11f, 1.46f, 1.03f, 0.79f};
    compact.rearAxleRatio = 4.11f;
    compact.weather = kExcellentTrack;

    Vehicle coupe = DefaultStreetV8();
    coupe.weather = kExcellentTrack;

    return {{"3400-lb coupe, 400-hp V8", muscle},
            {"2590-lb compact, 235-hp four", compact},
            {"3727-lb coupe, 271-hp V8", coupe}};
}

float PeakPower(const Engine& engine) {
    if (engine.horsepower.empty()) return 0.0f;
    return *std::max_element(engine.horsepower.begin(), engine.horsepower.end());
}

float RpmAtPeakPower(const Engine& engine) {
    const auto peak = std::max_element(engine.horsepower.begin(), engine.horsepower.end());
    return CurveRpm(static_cast<size_t>(peak - engine.horsepower.begin()));
}

void FillBlock(const Vehicle& vehicle, RaceSimBlock& block) {
    block.Clear();
    block.jetFlag = vehicle.jet ? 1 : 0;
    if (!vehicle.jet) {
        int16_t& transmission =
            vehicle.planetary ? block.planetaryTransmission : block.syncromeshTransmission;
        transmission = 1;
    }
    block.converterFlag = vehicle.coupling == Coupling::Converter ? 1 : 0;
    block.clutchFlag = vehicle.coupling == Coupling::Clutch ? -1 : 0;
    block.displacement = vehicle.engine.displacement;
    if (vehicle.jet) {
        block.rocketThrust = vehicle.rocketThrust;
        block.rocketWeight = vehicle.rocketWeight;
    }
    if (vehicle.coupling == Coupling::Converter) {
        block.converterStall = vehicle.converter.stall;
        block.converterMultiplier = vehicle.converter.multiplier;
        block.converterSlippage = vehicle.converter.slippage;
    }
    for (size_t k = 0; k < vehicle.gearRatios.size() && k < kRaceGearCount; ++k)
        block.gearRatio[k] = vehicle.gearRatios[k];
    block.rearAxleRatio = vehicle.rearAxleRatio;

    block.weight = vehicle.body.weight;
    block.wheelbase = vehicle.body.wheelbase;
    block.frontDriveFlag = vehicle.body.frontDrive ? 1 : 0;
    block.drivingWheelWeight = vehicle.body.drivingWeightPercent;
    block.frontalArea = vehicle.body.frontalArea;
    block.dragCoefficient = vehicle.body.dragCoefficient;

    block.tyreDiameter = vehicle.tyre.diameter;
    block.wheelWidth = vehicle.tyre.width;
    block.tyreGrowth = vehicle.tyre.growth;
    block.tractionCoefficient = vehicle.tyre.traction;

    FillDrivingStyle(vehicle, block);

    block.temperature = vehicle.weather.temperature;
    block.wind = vehicle.weather.wind;
    block.humidity = vehicle.weather.humidity;
    block.barometer = vehicle.weather.barometer;

    FillPowerCurve(vehicle.engine, block);
}

}  // namespace race_test

}  // namespace quillet
