// Sample vehicles for the tests and benchmarks of the acceleration run, put
// together from the vehicle document's presets (bodies, tyres, driving
// styles, weather, gear sets) and filled into a race block the way the
// simulation interface fills it.
#pragma once

#include <vector>

#include "quillet/kernel/RaceSimBlock.h"

namespace quillet {

namespace race_test {

struct Body {
    float weight;     // lb
    float wheelbase;  // in
    bool frontDrive;
    float drivingWeightPercent;
    float frontalArea;  // sq ft
    float dragCoefficient;
};

struct Tyre {
    float diameter;  // in
    float width;     // in
    float growth;
    float traction;
};

struct DrivingStyle {
    float redlineFactor;
    float shiftFactor;
    float launchFactor;
    float rollout;    // in
    float shiftTime;  // s
};

struct Weather {
    float barometer;    // inHg
    float humidity;     // percent
    float elevation;    // ft
    float wind;         // mph
    float temperature;  // degrees F
};

struct Converter {
    float stall;  // rpm
    float multiplier;
    float slippage;  // percent
};

// Power in hp every 500 rpm from 2000 rpm, as the preset engine table holds it.
struct Engine {
    float displacement;  // ci
    std::vector<float> horsepower;
};

enum class Coupling { Clutch, Converter, None };

struct Vehicle {
    Body body;
    Engine engine;
    std::vector<float> gearRatios;
    bool planetary = false;  // else syncromesh
    Coupling coupling = Coupling::Clutch;
    Converter converter = {};
    float rearAxleRatio = 0;
    Tyre tyre;
    DrivingStyle style;
    Weather weather;
    // A jet or rocket vehicle pushes with its thrust and skips the drivetrain.
    bool jet = false;
    float rocketThrust = 0;
    float rocketWeight = 0;
};

// Document presets.
extern const Body kFullSizeCoupe;      // 3727 lb, 117.8 in, rear, 45 %, 22 sq ft, 0.40
extern const Body kCompactFrontDrive;  // 2590 lb, 106.2 in, front, 63 %, 20 sq ft, 0.31
extern const Body kTypicalDragster;    // 2100 lb, 218.9 in, rear, 67 %, 17 sq ft, 0.32
extern const Tyre kStockStreetTyre;    // 27 in, 6 in, growth 0, traction 1.35
extern const Tyre kDragsterTyre;       // 32 in, 15.5 in, growth 25, traction 3.5
extern const DrivingStyle kConservative, kAggressive, kProfessional;
extern const Weather kTypicalTrack, kExcellentTrack;
extern const Engine kStreet350V8;  // 349.8 ci, 271 hp at 4000 rpm

// The default street vehicle: the full-size coupe with the street 350 V8, a
// four-speed with a clutch, 3.54 axle, stock street tyres, aggressive
// driving, typical track weather.
Vehicle DefaultStreetV8();
// The same with a two-speed planetary box behind a torque converter.
Vehicle StreetV8WithConverter();
// The dragster body with a 68000-lb jet.
Vehicle JetDragster();

// Three street vehicles of 8 to 15 lb per hp on a good track day.
struct NamedVehicle {
    const char* name;
    Vehicle vehicle;
};
std::vector<NamedVehicle> StreetVehicles();

// Peak power of the engine (hp) and the rpm where it is reached.
float PeakPower(const Engine& engine);
float RpmAtPeakPower(const Engine& engine);

// Clears the block and fills it from the vehicle: the fields the simulation
// interface copies, with the redline, launch and shift points the driving
// style gives.
void FillBlock(const Vehicle& vehicle, RaceSimBlock& block);

}  // namespace race_test

}  // namespace quillet
