// The simulation block: the one record that carries an engine run between the
// simulation interface and the engine-cycle kernel. It holds the inputs of a
// run (English units: inches, crank degrees, cfm, psi), the kernel's working
// values and the result curves of the last run.
#pragma once

namespace torvane {

// Stored engine-speed points (2000 to 11000 rpm in steps of 500) and
// flow-bench points per valve side.
constexpr int kSimRpmPoints = 19;
constexpr int kSimFlowPoints = 10;

// Engine speed of stored result point `point` (0..18): 2000, 2500, ... 11000 rpm.
float SimulationBlockRpm(int point);

// ---- Working values of the engine-cycle kernel (SimKernel.h); set up once
// per run and owned by the kernel. ----

// Circular-arc cam lobe of one valve (cam degrees, inches).
struct SimKernelLobe {
    float camDuration = 0;         // Dc: open-to-close duration in cam degrees
    float halfDuration = 0;        // h = Dc / 2
    float flankRadius = 0;         // R, from the lifter ramp rate
    float noseRadius = 0;          // rn
    float noseCentreDistance = 0;  // dn
    float flankAngle = 0;  // a: the opening flank ends here, the closing one starts at Dc - a
};

// One valve side (all intake valves or all exhaust valves of a cylinder).
struct SimKernelValve {
    float openAngle = 0;  // crank frame, degrees
    float closeAngle = 0;
    float effectiveDiameter = 0;  // valve diameter times the number of valves, in
    SimKernelLobe lobe;
    float flowLift[kSimFlowPoints] = {};         // in; 0 marks an unused point
    float flowCoefficient[kSimFlowPoints] = {};  // at those lifts (1.0 at zero lift)
};

struct SimKernelWork {
    // Fixed for the run.
    float sweptVolume = 0;   // one cylinder, cubic inches
    float displacement = 0;  // all cylinders, cubic inches
    float clearanceVolume = 0;
    float crankRadius = 0;
    float rodLength = 0;
    float pistonAreaTimesCrank = 0;  // bore^2 x pi/4 x crank radius
    float chamberEndArea = 0;        // end faces of the wall-heat area, 1.57 bore^2
    float manifoldCapacity = 0;
    float nitrousPower = 0;  // hp
    float heatingValue = 0;  // BTU/lb of fuel
    float mixtureRatio = 0;  // air-fuel mass ratio
    float rampDegrees = 0;   // widening of each event given at 0.050 in
    float intakePortDiameter = 0;
    float centrelineExcess = 0;  // e of the cam-centreline penalty; 0 when none applies
    SimKernelValve intake;
    SimKernelValve exhaust;
    // Carried from one speed point to the next (the forced-induction model reads them).
    float volumetricEfficiency = 0;  // %
    float boost = 0;                 // psi
    float chargeTemperature = 0;     // degrees R
    float driveMep = 0;              // compressor drive loss, psi
};

// ---- Results of the last run: 19 points each, index 0 at 2000 rpm. ----
struct SimResults {
    float brakePower[kSimRpmPoints] = {};            // hp
    float brakeTorque[kSimRpmPoints] = {};           // lb-ft
    float manifoldPressure[kSimRpmPoints] = {};      // psi absolute
    float volumetricEfficiency[kSimRpmPoints] = {};  // %
    float imep[kSimRpmPoints] = {};                  // psi
    float bmep[kSimRpmPoints] = {};
    float fmep[kSimRpmPoints] = {};
    float pmep[kSimRpmPoints] = {};
    float indicatedPower[kSimRpmPoints] = {};  // hp
    float frictionPower[kSimRpmPoints] = {};
    float pumpingPower[kSimRpmPoints] = {};
    float mechanicalEfficiency[kSimRpmPoints] = {};  // %
    float inductionAirflow[kSimRpmPoints] = {};      // cfm
    float pistonForce[kSimRpmPoints] = {};           // lb
    float pistonSpeed[kSimRpmPoints] = {};           // ft/min
};

struct SimulationBlock {
    // Inputs, in the order the simulation interface fills them.
    short manifoldType = 0;      // 1..11
    short cylinderHeadType = 0;  // 1..17
    short exhaustSystem = 0;     // 1..7
    short camshaftType = 0;      // 1..7
    short timing050Inch = 0;     // 1: the nominal events are 0.050-inch events
    short lifterType = 0;        // 1..5
    float lifterRampRate = 0;    // 1..6
    float bore = 0;              // in
    float stroke = 0;            // in
    short cylinders = 0;
    float intakeValveDiameter = 0;  // in
    float exhaustValveDiameter = 0;
    float compressionRatio = 0;
    short inductionFlow = 0;    // cfm
    short inductionRating = 0;  // 2: two-barrel rating at 3.0 inHg; 4: four-barrel at 1.5 inHg
    float exhaustOpening = 0;   // nominal events, degrees
    float exhaustClosing = 0;
    float intakeOpening = 0;
    float intakeClosing = 0;
    float intakeValveLift = 0;  // in
    float exhaustValveLift = 0;
    short camAdvance = 0;   // degrees
    short fuelType = 0;     // 1..21
    float nitrousFlow = 0;  // lbs/min
    short intakeValvesPerCylinder = 0;
    short exhaustValvesPerCylinder = 0;
    float intakeTestDiameter = 0;      // in
    float intakeTestPressureDrop = 0;  // inH2O
    float exhaustTestDiameter = 0;
    float exhaustTestPressureDrop = 0;
    float intakeFlowPerValve[kSimFlowPoints] = {};  // cfm; unused points 0
    float intakeLift[kSimFlowPoints] = {};          // in
    float exhaustFlowPerValve[kSimFlowPoints] = {};
    float exhaustLift[kSimFlowPoints] = {};
    short forcedInductionKind = 0;  // 0 none, 1 turbocharger, 2 centrifugal, 3 roots blower
    float blowerPressureRatio = 0;
    float blowerFlow = 0;             // cfm
    float blowerEfficiency = 0;       // %
    float blowerSpeed = 0;            // rpm
    float boostLimit = 0;             // psi
    float intercoolerEfficiency = 0;  // %
    float internalGearRatio = 0;
    float beltGearRatio = 0;
    float surgeFlow = 0;  // cfm

    SimResults results;
    SimKernelWork kernel;
};

// The program's single simulation block.
SimulationBlock& TheSimulationBlock();

// Sets every input, working value and result of `block` to 0.
void SimulationBlockClear(SimulationBlock& block);

// Copies result curve `copyNumber` of the last run into dest[0..count-1], in
// the numbering of the simulation interface's copy operations 1..16 (1: the
// engine speeds, 2: brake power, ... see the table in the .cpp). Returns false,
// writing nothing, for a null dest, a count other than 19 or an unknown number.
bool SimulationBlockCopyCurve(const SimulationBlock& block, int copyNumber, float* dest, int count);

}  // namespace torvane
