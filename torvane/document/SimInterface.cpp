#include "torvane/document/SimInterface.h"

#include "common/Assertion.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/kernel/SimKernel.h"
#include "torvane/kernel/SimulationBlock.h"

namespace torvane {

static const char kAssertModule[] = "SimInterface.cpp";

namespace {

SimInterface* g_instance = nullptr;

// The pressure drop from which an induction flow counts as a two-barrel rating.
const float kTwoBarrelPressureDrop = 3.0f;

short ShortOf(const CIntegerSpec& field) {
    return static_cast<short>(field.GetValue());
}
// Truncated toward zero.
short ShortOf(const CFloatPtSpec& field) {
    return static_cast<short>(field.GetValue());
}

void LoadFlowData(SimulationBlock& b, const CylHeadFlow& flow) {
    b.intakeTestDiameter = flow.intake.testDiameter.GetValue();
    b.intakeTestPressureDrop = flow.intake.pressureDrop.GetValue();
    b.exhaustTestDiameter = flow.exhaust.testDiameter.GetValue();
    b.exhaustTestPressureDrop = flow.exhaust.pressureDrop.GetValue();
    const int points = flow.GetNumPoints();
    APP_ASSERT(points >= CylHeadFlow::kMinPoints && points <= CylHeadFlow::kMaxPoints);
    const float intakeValves = static_cast<float>(flow.intake.valvesPerPort.GetValue());
    const float exhaustValves = static_cast<float>(flow.exhaust.valvesPerPort.GetValue());
    for (int i = 0; i < points; ++i) {
        b.intakeFlowPerValve[i] = flow.intake.airflow[i].GetValue() / intakeValves;
        b.intakeLift[i] = flow.intake.lift[i].GetValue();
        b.exhaustFlowPerValve[i] = flow.exhaust.airflow[i].GetValue() / exhaustValves;
        b.exhaustLift[i] = flow.exhaust.lift[i].GetValue();
    }
}

// The compressor's inputs; without a forced-induction manifold and a
// compressor kind they stay 0 and the kernel runs naturally aspirated.
void LoadForcedInduction(SimulationBlock& b, const CTorvaneDoc& doc) {
    const int kind = doc.GetForcedInductionKind();
    if (doc.manifoldType.GetValue() != 7 || kind < 1 || kind > 3) return;
    b.forcedInductionKind = static_cast<short>(kind);
    b.blowerPressureRatio = doc.blowerPressureRatio.GetValue();
    b.blowerFlow = doc.blowerFlowRate.GetValue();
    b.blowerEfficiency = doc.blowerEfficiency.GetValue();
    b.blowerSpeed = doc.blowerRpm.GetValue();
    b.boostLimit = doc.blowerBoostLimit.GetValue();
    if (doc.intercoolerEfficiency.IsValid())
        b.intercoolerEfficiency = doc.intercoolerEfficiency.GetValue();
    if (kind == 2 || kind == 3) {
        b.internalGearRatio = doc.blowerInternalGearRatio.GetValue();
        b.beltGearRatio = doc.blowerBeltGearRatio.GetValue();
    }
    if (kind == 1) b.surgeFlow = doc.blowerSurgeFlowRate.GetValue();
}

// The document's values as they stand (it was validated before the run).
void LoadInputs(SimulationBlock& b, const CTorvaneDoc& doc) {
    const Cam& cam = doc.cam;
    b.manifoldType = ShortOf(doc.manifoldType);
    b.cylinderHeadType = ShortOf(doc.cylinderHeadType);
    b.exhaustSystem = ShortOf(doc.exhaustSystem);
    b.camshaftType = ShortOf(cam.camshaftType);
    b.timing050Inch = cam.primary.method.GetValue() == kFiftyThou ? 1 : 0;
    b.lifterType = ShortOf(cam.lifterType);
    b.lifterRampRate = cam.rampRate.GetValue();
    b.bore = doc.bore.GetValue();
    b.stroke = doc.stroke.GetValue();
    b.cylinders = ShortOf(doc.cylinders);
    b.intakeValveDiameter = doc.intakeValveDiameter.GetValue();
    b.exhaustValveDiameter = doc.exhaustValveDiameter.GetValue();
    b.compressionRatio = doc.compressionRatio.GetValue();
    b.inductionFlow = ShortOf(doc.inductionFlow);
    b.inductionRating = doc.pressureDrop.GetValue() >= kTwoBarrelPressureDrop ? 2 : 4;
    b.exhaustOpening = cam.primary.evo.GetValue();
    b.exhaustClosing = cam.primary.evc.GetValue();
    b.intakeOpening = cam.primary.ivo.GetValue();
    b.intakeClosing = cam.primary.ivc.GetValue();
    b.intakeValveLift = cam.intakeLift.GetValue();
    b.exhaustValveLift = cam.exhaustLift.GetValue();
    b.camAdvance = ShortOf(cam.advance);
    b.fuelType = ShortOf(doc.fuelType);
    b.nitrousFlow = doc.nitrousFlowRate.GetValue();
    b.intakeValvesPerCylinder = ShortOf(doc.intakeValvesPerCylinder);
    b.exhaustValvesPerCylinder = ShortOf(doc.exhaustValvesPerCylinder);
    APP_ASSERT(b.intakeValvesPerCylinder >= 1 && b.intakeValvesPerCylinder <= 3);
    APP_ASSERT(b.exhaustValvesPerCylinder >= 1 && b.exhaustValvesPerCylinder <= 3);
    LoadFlowData(b, doc.headFlow);
    LoadForcedInduction(b, doc);
}

void CopyCurve(SimInterface* sim, int copyNumber, float* dest, int n) {
    APP_ASSERT(sim != nullptr);
    const bool copied = SimulationBlockCopyCurve(sim->Block(), copyNumber, dest, n);
    APP_ASSERT(copied);
}

}  // namespace

SimInterface* SimInterfaceCreateInstance() {
    APP_ASSERT(g_instance == nullptr);
    static SimInterface instance(TheSimulationBlock());
    g_instance = &instance;
    return g_instance;
}

// The interface object exists from program start on.
[[maybe_unused]] static SimInterface* const g_programInstance = SimInterfaceCreateInstance();

SimInterface* SimInterfaceGetInstance() {
    APP_ASSERT(g_instance != nullptr);
    return g_instance;
}

void SimInterfaceClearBlock(SimInterface* sim) {
    APP_ASSERT(sim != nullptr);
    SimulationBlockClear(sim->Block());
}

bool SimInterfaceRun(SimInterface* sim, CTorvaneDoc* doc) {
    APP_ASSERT(sim != nullptr && doc != nullptr);
    SimInterfaceClearBlock(sim);
    SimulationBlock& block = sim->Block();
    LoadInputs(block, *doc);
    SimKernelRun(block);
    return block.results.brakePower[0] != 0.0f;
}

void SimInterfaceCopyCurve1(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 1, dest, n);
}
void SimInterfaceCopyCurve2(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 2, dest, n);
}
void SimInterfaceCopyCurve3(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 3, dest, n);
}
void SimInterfaceCopyCurve4(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 4, dest, n);
}
void SimInterfaceCopyCurve5(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 5, dest, n);
}
void SimInterfaceCopyCurve6(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 6, dest, n);
}
void SimInterfaceCopyCurve7(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 7, dest, n);
}
void SimInterfaceCopyCurve8(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 8, dest, n);
}
void SimInterfaceCopyCurve9(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 9, dest, n);
}
void SimInterfaceCopyCurve10(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 10, dest, n);
}
void SimInterfaceCopyCurve11(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 11, dest, n);
}
void SimInterfaceCopyCurve12(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 12, dest, n);
}
void SimInterfaceCopyCurve13(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 13, dest, n);
}
void SimInterfaceCopyCurve14(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 14, dest, n);
}
void SimInterfaceCopyCurve15(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 15, dest, n);
}
void SimInterfaceCopyCurve16(SimInterface* sim, float* dest, int n) {
    CopyCurve(sim, 16, dest, n);
}

}  // namespace torvane
