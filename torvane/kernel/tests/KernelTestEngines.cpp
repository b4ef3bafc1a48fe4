#include "torvane/kernel/tests/KernelTestEngines.h"

namespace torvane {

namespace {

constexpr int kPresetPoints = 8;
constexpr float kPresetPressureDrop = 28.0f;  // inH2O, every built-in head

// A built-in head's flow-bench data: both sides share one lift row.
struct HeadPreset {
    short headType;
    float intakeTestDiameter;
    short intakeValvesPerPort;
    float intakeFlow[kPresetPoints];
    float exhaustTestDiameter;
    short exhaustValvesPerPort;
    float exhaustFlow[kPresetPoints];
    float lift[kPresetPoints];
};

const HeadPreset kWedgeStockHead = {4,
                                    2.02f,
                                    1,
                                    {134, 176, 213, 219, 223, 223, 227, 227},
                                    1.6f,
                                    1,
                                    {97, 116, 125, 130, 131, 131, 132, 132},
                                    {0.2f, 0.3f, 0.4f, 0.5f, 0.55f, 0.6f, 0.65f, 0.7f}};

const HeadPreset kFourValveStockHead = {14,
                                        1.26f,
                                        2,
                                        {36, 70, 106, 127, 146, 161, 168, 173},
                                        1.08f,
                                        2,
                                        {31, 67, 101, 117, 127, 133, 137, 143},
                                        {0.06f, 0.12f, 0.18f, 0.24f, 0.31f, 0.37f, 0.43f, 0.46f}};

// A cam-type row: seat-to-seat events, lifts, ramp rate and the lifter type of its lifter row.
struct CamRow {
    short camType;
    float ivo, ivc, evo, evc;
    float intakeLift, exhaustLift;
    float rampRate;
    short lifterType;
};

const CamRow kStockStreetCam = {1, 20, 52, 63, 18, 0.51f, 0.51f, 2.9f, 4};
const CamRow kHighPerformanceStreetCam = {2, 31, 63, 77, 29, 0.55f, 0.55f, 3.1f, 1};

// The head command takes the valve counts per cylinder from the flow data;
// the interface divides each flow by the valves per port.
void LoadHead(SimulationBlock& b, const HeadPreset& head) {
    b.cylinderHeadType = head.headType;
    b.intakeValvesPerCylinder = head.intakeValvesPerPort;
    b.exhaustValvesPerCylinder = head.exhaustValvesPerPort;
    b.intakeTestDiameter = head.intakeTestDiameter;
    b.intakeTestPressureDrop = kPresetPressureDrop;
    b.exhaustTestDiameter = head.exhaustTestDiameter;
    b.exhaustTestPressureDrop = kPresetPressureDrop;
    for (int i = 0; i < kPresetPoints; ++i) {
        b.intakeFlowPerValve[i] = head.intakeFlow[i] / static_cast<float>(head.intakeValvesPerPort);
        b.intakeLift[i] = head.lift[i];
        b.exhaustFlowPerValve[i] =
            head.exhaustFlow[i] / static_cast<float>(head.exhaustValvesPerPort);
        b.exhaustLift[i] = head.lift[i];
    }
}

void LoadCam(SimulationBlock& b, const CamRow& cam) {
    b.camshaftType = cam.camType;
    b.timing050Inch = 0;  // the cam-type command sets "Seat-To-Seat"
    b.lifterType = cam.lifterType;
    b.lifterRampRate = cam.rampRate;
    b.intakeOpening = cam.ivo;
    b.intakeClosing = cam.ivc;
    b.exhaustOpening = cam.evo;
    b.exhaustClosing = cam.evc;
    b.intakeValveLift = cam.intakeLift;
    b.exhaustValveLift = cam.exhaustLift;
    b.camAdvance = 0;
}

}  // namespace

SimulationBlock MakeChevy350Block() {
    SimulationBlock b;
    b.manifoldType = 2;   // 33508 "Dual-Plane Std-Flow"
    b.exhaustSystem = 2;  // 32862 "H.P. Manifolds And Mufflers"
    b.bore = 4.0f;
    b.stroke = 3.48f;
    b.cylinders = 8;
    LoadHead(b, kWedgeStockHead);   // 32798
    b.intakeValveDiameter = 2.02f;  // 33052
    b.exhaustValveDiameter = 1.6f;  // 33065
    b.compressionRatio = 9.5f;      // 33467
    b.inductionFlow = 600;          // 32851: 600 cfm at 1.5 inHg
    b.inductionRating = 4;
    LoadCam(b, kStockStreetCam);  // 32891
    b.fuelType = 1;               // 32826 "Gasoline"
    b.nitrousFlow = 0.0f;
    return b;
}

SimulationBlock MakeShortStrokeBlock() {
    SimulationBlock b;
    b.manifoldType = 4;   // 33513 "Individual Runner (I.R.)"
    b.exhaustSystem = 5;  // 32865 "Large-Tube Headers With Mufflers"
    b.bore = 2.6f;
    b.stroke = 1.5f;
    b.cylinders = 4;
    LoadHead(b, kFourValveStockHead);       // 32808
    b.intakeValveDiameter = 2.6f * 0.376f;  // automatic valve sizes for head 14
    b.exhaustValveDiameter = 2.6f * 0.314f;
    b.compressionRatio = 11.0f;  // 33470
    b.inductionFlow = 300;       // 32848: 300 cfm at 1.5 inHg
    b.inductionRating = 4;
    LoadCam(b, kHighPerformanceStreetCam);              // 32892
    b.intakeValveLift = b.intakeValveDiameter * 0.23f;  // automatic valve lift for cam type 2
    b.exhaustValveLift = b.intakeValveDiameter * 0.23f * 0.95f;
    b.fuelType = 1;
    b.nitrousFlow = 0.0f;
    return b;
}

SimulationBlock MakeCentrifugalBlowerBlock() {
    SimulationBlock b = MakeChevy350Block();
    b.manifoldType = 7;         // 33516 "Forced Induction"
    b.forcedInductionKind = 2;  // 32999 "Centrifugal- Paxton"
    b.blowerFlow = 330.0f;
    b.blowerPressureRatio = 1.35f;
    b.blowerEfficiency = 62.0f;
    b.blowerSpeed = 28000.0f;
    b.internalGearRatio = 4.4f;
    b.beltGearRatio = 1.0f;
    b.boostLimit = 10.0f;
    return b;
}

}  // namespace torvane
