#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>

#include "torvane/kernel/SimKernel.h"
#include "torvane/kernel/tests/KernelTestEngines.h"

namespace torvane {

namespace {

SimulationBlock RunEngine(SimulationBlock block) {
    SimKernelRun(block);
    return block;
}

// The simulation interface reports a run as failed (error 42) when brake power at 2000 rpm is 0.
bool Succeeded(const SimulationBlock& block) {
    return block.results.brakePower[0] != 0.0f;
}

// Every stored value of every result curve.
bool AllResultsFinite(const SimulationBlock& block) {
    const float* values = &block.results.brakePower[0];
    const size_t count = sizeof(SimResults) / sizeof(float);
    for (size_t i = 0; i < count; ++i)
        if (!std::isfinite(values[i])) return false;
    return true;
}

float Displacement(const SimulationBlock& b) {
    return static_cast<float>(b.cylinders) * b.stroke * (b.bore * b.bore) * 0.7853981635f;
}

// Relative closeness for values recomputed from the stored curves in float.
::testing::AssertionResult Close(float actual, float expected) {
    const float tolerance = 2e-6f * std::max(1.0f, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " differs from " << expected;
}

struct SampleEngine {
    const char* name;
    SimulationBlock (*make)();
};

const SampleEngine kSampleEngines[] = {
    {"Chevy350", MakeChevy350Block},
    {"ShortStroke", MakeShortStrokeBlock},
    {"CentrifugalBlower", MakeCentrifugalBlowerBlock},
};

class KernelSampleEngineTest : public ::testing::TestWithParam<SampleEngine> {};

TEST_P(KernelSampleEngineTest, RunSucceedsWithFiniteCurves) {
    const SimulationBlock block = RunEngine(GetParam().make());
    EXPECT_TRUE(Succeeded(block));
    EXPECT_TRUE(AllResultsFinite(block));
}

TEST_P(KernelSampleEngineTest, RepeatedRunsOfTheProgramBlockAreBitIdentical) {
    SimulationBlock& block = TheSimulationBlock();
    block = GetParam().make();
    SimKernelRun();
    const SimResults first = block.results;

    // Other engines in between must leave nothing behind.
    for (const SampleEngine& other : kSampleEngines) {
        block = other.make();
        SimKernelRun();
    }
    block = GetParam().make();
    SimKernelRun();
    EXPECT_EQ(0, std::memcmp(&first, &block.results, sizeof first));
}

// The end-of-point formulas tie the curves together at every stored point.
TEST_P(KernelSampleEngineTest, CurvesKeepTheEndOfPointIdentities) {
    const SimulationBlock b = RunEngine(GetParam().make());
    ASSERT_TRUE(Succeeded(b));
    const SimResults& r = b.results;
    const float d = Displacement(b);
    for (int i = 0; i < kSimRpmPoints; ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        const float n = SimulationBlockRpm(i);
        const float s = n * b.stroke / 6.0f;
        EXPECT_TRUE(Close(r.brakeTorque[i], r.brakePower[i] * 5250.0f / n));
        EXPECT_TRUE(Close(r.pistonSpeed[i], n * b.stroke * 0.16666667f));
        EXPECT_TRUE(Close(r.pistonForce[i], r.imep[i] * b.bore * b.bore * 0.7853982f));
        EXPECT_TRUE(Close(r.mechanicalEfficiency[i], r.bmep[i] / r.imep[i] * 100.0f));
        EXPECT_TRUE(Close(r.indicatedPower[i], d * n * r.imep[i] * 1.2626263e-06f));
        EXPECT_TRUE(Close(r.frictionPower[i], r.fmep[i] * d * n * 1.2626263e-06f));
        EXPECT_TRUE(Close(r.pumpingPower[i], r.pmep[i] * d * n * 1.2626263e-06f));
        EXPECT_TRUE(
            Close(r.inductionAirflow[i], r.volumetricEfficiency[i] * d * n * 2.8935185e-06f));
        // PMEP is taken out of the friction figure after IMEP = BMEP + FMEP.
        EXPECT_TRUE(Close(r.fmep[i] + r.pmep[i], 12.964f + s * (0.0030476f + 6.5476e-07f * s)));
        EXPECT_TRUE(Close(r.imep[i], r.bmep[i] + r.fmep[i] + r.pmep[i]));
        EXPECT_GE(r.pmep[i], 0.0f);
        EXPECT_GE(r.brakePower[i], 0.0f);
        if (r.brakePower[i] > 0.0f) {
            EXPECT_TRUE(Close(r.bmep[i], r.brakePower[i] * 802973.0f / (d * n)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, KernelSampleEngineTest, ::testing::ValuesIn(kSampleEngines),
                         [](const ::testing::TestParamInfo<SampleEngine>& info) {
                             return std::string(info.param.name);
                         });

TEST(SimKernel, StoresNineteenPointsFrom2000To11000Rpm) {
    const SimResults r = RunEngine(MakeChevy350Block()).results;
    EXPECT_EQ(2000.0f, SimulationBlockRpm(0));
    EXPECT_EQ(11000.0f, SimulationBlockRpm(kSimRpmPoints - 1));
    // Mean piston speed of a 3.48-inch stroke at 2000 and 11000 rpm.
    EXPECT_FLOAT_EQ(1160.0f, r.pistonSpeed[0]);
    EXPECT_FLOAT_EQ(6380.0f, r.pistonSpeed[kSimRpmPoints - 1]);
}

// A stock-cam 350 small block: peak power between 250 and 450 hp at 4000 to 6000 rpm,
// peak torque at a lower speed than peak power.
TEST(SimKernel, StockSmallBlockPeaksWhereEngineBuildersExpect) {
    const SimResults r = RunEngine(MakeChevy350Block()).results;
    int powerPeak = 0, torquePeak = 0;
    for (int i = 1; i < kSimRpmPoints; ++i) {
        if (r.brakePower[i] > r.brakePower[powerPeak]) powerPeak = i;
        if (r.brakeTorque[i] > r.brakeTorque[torquePeak]) torquePeak = i;
    }
    EXPECT_GE(r.brakePower[powerPeak], 250.0f);
    EXPECT_LE(r.brakePower[powerPeak], 450.0f);
    EXPECT_GE(SimulationBlockRpm(powerPeak), 4000.0f);
    EXPECT_LE(SimulationBlockRpm(powerPeak), 6000.0f);
    EXPECT_LT(torquePeak, powerPeak);
}

TEST(SimKernel, CentrifugalBlowerBoostsAndOutpullsTheSameEngineWithoutIt) {
    const SimResults blown = RunEngine(MakeCentrifugalBlowerBlock()).results;
    const SimResults natural = RunEngine(MakeChevy350Block()).results;
    for (int i = 0; i < kSimRpmPoints; ++i)
        EXPECT_GT(blown.manifoldPressure[i], 14.7f) << "point " << i;
    EXPECT_GT(blown.brakePower[6], natural.brakePower[6]);  // 5000 rpm
}

// ---- Failures: brake power at 2000 rpm stays 0 (error 42 at the interface) ----

TEST(SimKernelFailure, LobeWhoseLiftIsLargeForItsDurationGivesNoPower) {
    SimulationBlock b = MakeChevy350Block();
    b.intakeValveLift = 1.5f;  // on the 252-degree stock lobe
    b = RunEngine(b);
    EXPECT_FALSE(Succeeded(b));
    EXPECT_TRUE(AllResultsFinite(b));
}

TEST(SimKernelFailure, LobeThatCannotBeBuiltFailsTheSetUp) {
    SimulationBlock b = MakeChevy350Block();
    b.lifterRampRate = -21.742f;  // flank radius equal to the base circle: cos a is not a number
    EXPECT_FALSE(SimKernelSetUp(b));
    EXPECT_FALSE(Succeeded(RunEngine(b)));
}

TEST(SimKernelFailure, NegativeTestPressureDropFailsTheRun) {
    for (bool intakeSide : {true, false}) {
        SimulationBlock b = MakeChevy350Block();
        (intakeSide ? b.intakeTestPressureDrop : b.exhaustTestPressureDrop) = -1.0f;
        EXPECT_FALSE(SimKernelSetUp(b));
        EXPECT_FALSE(Succeeded(RunEngine(b)));
    }
}

// A blower too slow at low engine speed gives a boost below -14.7 psi; the
// compressor temperature ratio is then not a number. The run fails instead of
// reporting success with curves that are not numbers.
TEST(SimKernelFailure, CurvesThatAreNotNumbersFailTheRun) {
    SimulationBlock b = MakeCentrifugalBlowerBlock();
    b.beltGearRatio = 0.5f;
    b.internalGearRatio = 1.0f;
    b.blowerPressureRatio = 3.0f;
    b.blowerSpeed = 2000.0f;
    b = RunEngine(b);
    EXPECT_FALSE(Succeeded(b));
    EXPECT_TRUE(AllResultsFinite(b));
}

TEST(SimKernelFailure, AFailedRunLeavesNoCurvesOfAnEarlierRun) {
    SimulationBlock b = RunEngine(MakeChevy350Block());
    b.intakeTestPressureDrop = -1.0f;
    SimKernelRun(b);
    const SimResults empty;
    EXPECT_EQ(0, std::memcmp(&empty, &b.results, sizeof empty));
}

struct UnusableInput {
    const char* name;
    void (*spoil)(SimulationBlock&);
};

const UnusableInput kUnusableInputs[] = {
    {"NoCylinders", [](SimulationBlock& b) { b.cylinders = 0; }},
    {"ZeroBore", [](SimulationBlock& b) { b.bore = 0.0f; }},
    {"NegativeStroke", [](SimulationBlock& b) { b.stroke = -3.48f; }},
    {"CompressionRatioOfOne", [](SimulationBlock& b) { b.compressionRatio = 1.0f; }},
    {"ManifoldTypeZero", [](SimulationBlock& b) { b.manifoldType = 0; }},
    {"ManifoldType12", [](SimulationBlock& b) { b.manifoldType = 12; }},
    {"ExhaustSystemZero", [](SimulationBlock& b) { b.exhaustSystem = 0; }},
    {"ExhaustSystem8", [](SimulationBlock& b) { b.exhaustSystem = 8; }},
    {"CompressorKind4", [](SimulationBlock& b) { b.forcedInductionKind = 4; }},
    {"BoreNotANumber", [](SimulationBlock& b) { b.bore = std::nanf(""); }},
    {"FlowNotANumber", [](SimulationBlock& b) { b.exhaustFlowPerValve[3] = std::nanf(""); }},
    {"InfiniteBlowerFlow", [](SimulationBlock& b) { b.blowerFlow = INFINITY; }},
    // An event this far away would leave the crank angle stuck.
    {"EventFarBeyondTheCycle", [](SimulationBlock& b) { b.exhaustOpening = 1e30f; }},
    {"IntakeZeroTestDiameter", [](SimulationBlock& b) { b.intakeTestDiameter = 0.0f; }},
};

class KernelUnusableInputTest : public ::testing::TestWithParam<UnusableInput> {};

TEST_P(KernelUnusableInputTest, FailsTheRunWithoutACrash) {
    SimulationBlock b = MakeChevy350Block();
    GetParam().spoil(b);
    b = RunEngine(b);
    EXPECT_FALSE(Succeeded(b));
    EXPECT_TRUE(AllResultsFinite(b));
}

INSTANTIATE_TEST_SUITE_P(Inputs, KernelUnusableInputTest, ::testing::ValuesIn(kUnusableInputs),
                         [](const ::testing::TestParamInfo<UnusableInput>& info) {
                             return std::string(info.param.name);
                         });

// ---- Inputs that must not stop the program ----

// Ramp rates below 1 use the line of the last row: the engine still runs.
TEST(SimKernel, RampRatesThatAreNotPositiveStillRun) {
    for (float rate : {0.0f, -1.0f}) {
        SimulationBlock b = MakeChevy350Block();
        b.lifterRampRate = rate;
        b = RunEngine(b);
        EXPECT_TRUE(Succeeded(b)) << "ramp rate " << rate;
        EXPECT_TRUE(AllResultsFinite(b));
    }
}

// The forced-induction manifold without a compressor kind runs naturally
// aspirated with no ram effect and no boost.
TEST(SimKernel, ForcedInductionManifoldWithoutCompressorRunsNaturallyAspirated) {
    for (float rpm = 500.0f; rpm <= 11000.0f; rpm += 500.0f)
        EXPECT_EQ(0.0f, SimKernelRamAmplitude(7, rpm, 0.0f));
    SimulationBlock b = MakeChevy350Block();
    b.manifoldType = 7;
    b = RunEngine(b);
    EXPECT_TRUE(Succeeded(b));
    for (int i = 0; i < kSimRpmPoints; ++i) EXPECT_LT(b.results.manifoldPressure[i], 14.7f);
}

// ---- Helpers ----

TEST(SimKernel, CrankStepFollowsTheStroke) {
    struct Case {
        float stroke, rpm, step;
    };
    for (const Case& c :
         {Case{3.48f, 2000.0f, 0.6f}, Case{3.0f, 1000.0f, 0.3f}, Case{2.5f, 4000.0f, 1.0f},
          Case{1.5f, 11000.0f, 1.65f}, Case{0.8f, 2000.0f, 0.2f}})
        EXPECT_FLOAT_EQ(c.step, SimKernelCrankStep(c.stroke, c.rpm)) << "stroke " << c.stroke;
}

TEST(SimKernel, ValveAreaIsZeroAtTheEventsAndPositiveBetween) {
    SimulationBlock b = MakeChevy350Block();
    ASSERT_TRUE(SimKernelSetUp(b));
    const SimKernelValve& in = b.kernel.intake;
    const SimKernelValve& ex = b.kernel.exhaust;
    EXPECT_EQ(340.0f, in.openAngle);   // 360 - 20
    EXPECT_EQ(592.0f, in.closeAngle);  // 540 + 52
    EXPECT_EQ(137.0f, ex.openAngle);   // 180 - 63 + 20
    EXPECT_EQ(378.0f, ex.closeAngle);  // 360 + 18
    EXPECT_EQ(0.0f, SimKernelIntakeValveArea(b, in.openAngle));
    EXPECT_EQ(0.0f, SimKernelIntakeValveArea(b, in.closeAngle));
    EXPECT_EQ(0.0f, SimKernelExhaustValveArea(b, ex.openAngle));
    EXPECT_EQ(0.0f, SimKernelExhaustValveArea(b, ex.closeAngle));
    const float intakeMiddle = (in.openAngle + in.closeAngle) / 2.0f;
    // At full lift (0.51 in) the area is the curtain area times the coefficient there.
    const float fullLift = SimKernelIntakeValveArea(b, intakeMiddle);
    EXPECT_NEAR(0.51f * SimKernelFlowCoefficient(in, 0.51f) * 2.02f * 3.141592654f, fullLift,
                1e-4f);
    EXPECT_GT(fullLift, SimKernelIntakeValveArea(b, in.openAngle + 20.0f));
    EXPECT_GT(SimKernelExhaustValveArea(b, (ex.openAngle + ex.closeAngle) / 2.0f), 0.0f);
}

TEST(SimKernel, AdvanceAndWideningMoveTheEvents) {
    SimulationBlock b = MakeChevy350Block();
    b.camAdvance = 4;
    b.timing050Inch = 1;
    b.lifterRampRate = 3.0f;  // 21 degrees of widening
    ASSERT_TRUE(SimKernelSetUp(b));
    EXPECT_EQ(360.0f - 41.0f - 4.0f, b.kernel.intake.openAngle);
    EXPECT_EQ(540.0f + 73.0f - 4.0f, b.kernel.intake.closeAngle);
    EXPECT_EQ(180.0f - 84.0f - 4.0f + 20.0f, b.kernel.exhaust.openAngle);
    EXPECT_EQ(360.0f + 39.0f - 4.0f, b.kernel.exhaust.closeAngle);
}

TEST(SimKernel, FlowCoefficientContinuesTheLastSegmentAndStaysWithinZeroToOne) {
    SimKernelValve valve;
    const float lifts[] = {0.1f, 0.2f, 0.3f, 0.4f};
    const float coefficients[] = {0.8f, 0.6f, 0.5f, 0.45f};
    for (int i = 0; i < 4; ++i) {
        valve.flowLift[i] = lifts[i];
        valve.flowCoefficient[i] = coefficients[i];
    }
    EXPECT_FLOAT_EQ(1.0f, SimKernelFlowCoefficient(valve, 0.0f));
    EXPECT_FLOAT_EQ(0.9f, SimKernelFlowCoefficient(valve, 0.05f));
    EXPECT_FLOAT_EQ(0.55f, SimKernelFlowCoefficient(valve, 0.25f));
    EXPECT_FLOAT_EQ(0.45f, SimKernelFlowCoefficient(valve, 0.4f));
    EXPECT_FLOAT_EQ(
        0.4f, SimKernelFlowCoefficient(valve, 0.5f));  // beyond point 4: segment 3-4 continued
    EXPECT_EQ(0.0f, SimKernelFlowCoefficient(valve, 2.0f));
    valve.flowCoefficient[0] = 1.4f;
    EXPECT_EQ(1.0f, SimKernelFlowCoefficient(valve, 0.1f));
}

TEST(SimKernel, FlowCoefficientsComeFromTheFlowBench) {
    SimulationBlock b = MakeChevy350Block();
    ASSERT_TRUE(SimKernelSetUp(b));
    // 134 cfm at 0.2 in through a 2.02-in valve at 28 inH2O.
    const float curtainFlow =
        2.02f / 12.0f * std::sqrt(423.943f * 28.0f) * 618.2654343072f * 0.2f / 12.0f;
    EXPECT_FLOAT_EQ(134.0f / curtainFlow, b.kernel.intake.flowCoefficient[0]);
    EXPECT_EQ(0.0f, b.kernel.intake.flowCoefficient[8]);  // unused point
}

TEST(SimKernel, OnlyDrivenBlowersCostDrivePower) {
    struct Case {
        short kind;
        bool driveLoss;
    };
    for (const Case& c : {Case{1, false}, Case{2, true}, Case{3, true}}) {
        SimulationBlock b = MakeCentrifugalBlowerBlock();
        b.forcedInductionKind = c.kind;
        b.blowerPressureRatio = 1.8f;
        b.blowerSpeed = c.kind == 1 ? 82000.0f : 28000.0f;
        b.surgeFlow = 105.0f;
        ASSERT_TRUE(SimKernelSetUp(b));
        b.kernel.volumetricEfficiency = 90.0f;
        SimKernelForcedInduction(b, 6000.0f);
        EXPECT_GT(b.kernel.boost, 0.0f) << "kind " << c.kind;
        EXPECT_GT(b.kernel.chargeTemperature, 540.0f);
        EXPECT_EQ(c.driveLoss, b.kernel.driveMep > 0.0f) << "kind " << c.kind;
    }
}

TEST(SimKernel, BoostStopsAtItsLimit) {
    SimulationBlock b = MakeCentrifugalBlowerBlock();
    b.blowerPressureRatio = 3.0f;
    b.boostLimit = 6.0f;
    ASSERT_TRUE(SimKernelSetUp(b));
    b.kernel.volumetricEfficiency = 90.0f;
    SimKernelForcedInduction(b, 8000.0f);
    EXPECT_FLOAT_EQ(6.0f, b.kernel.boost);  // no intercooler: no reduction after the limit
}

TEST(SimKernel, RamAmplitudeTables) {
    struct Case {
        int manifold;
        float rpm, amplitude;
    };
    for (const Case& c : {Case{1, 20000.0f, 7.7f}, Case{2, 2000.0f, 3.2f}, Case{5, 4000.0f, 4.0f},
                          Case{5, 6000.0f, 2.0f}, Case{8, 1000.0f, 0.0f}, Case{9, 2000.0f, 2.0f},
                          Case{10, 500.0f, 4.0f}, Case{11, 1500.0f, 0.0f}})
        EXPECT_FLOAT_EQ(c.amplitude, SimKernelRamAmplitude(c.manifold, c.rpm, 99.0f))
            << "manifold " << c.manifold << " at " << c.rpm;
    EXPECT_EQ(3.5f, SimKernelRamAmplitude(7, 3000.0f, 3.5f));
}

TEST(SimKernel, CylinderVolumeSpansClearanceToCylinder) {
    SimulationBlock b = MakeChevy350Block();
    ASSERT_TRUE(SimKernelSetUp(b));
    float atTop, atBottom, rate;
    SimKernelCylinderVolume(b, 0.0f, &atTop, &rate);
    EXPECT_FLOAT_EQ(b.kernel.clearanceVolume, atTop);
    EXPECT_NEAR(0.0f, rate, 1e-5f);
    SimKernelCylinderVolume(b, 180.0f, &atBottom, &rate);
    EXPECT_NEAR(b.kernel.clearanceVolume + b.kernel.sweptVolume, atBottom, 1e-3f);
    EXPECT_NEAR(349.85f, b.kernel.displacement, 0.005f);
    // The volume changes at its rate: central difference over 1 degree at 90 degrees.
    float before, after, at;
    SimKernelCylinderVolume(b, 89.5f, &before, &rate);
    SimKernelCylinderVolume(b, 90.5f, &after, &rate);
    SimKernelCylinderVolume(b, 90.0f, &at, &rate);
    EXPECT_NEAR(after - before, rate, 1e-3f);
}

}  // namespace

}  // namespace torvane
