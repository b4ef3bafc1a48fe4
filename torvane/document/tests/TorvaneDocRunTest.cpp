// The engine document's validation order, simulation runs through the
// simulation interface, the loaded simulation block, derived values and
// result access.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "testing/ModalDriver.h"
#include "torvane/document/SimInterface.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/kernel/SimKernel.h"
#include "torvane/kernel/tests/KernelTestEngines.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

unsigned short ValidationCode(const CTorvaneDoc& doc) {
    unsigned short code = 0;
    return doc.Validate(code) ? 0 : code;
}

::testing::AssertionResult Close(float actual, float expected) {
    const float tolerance = 2e-6f * std::max(1.0f, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " differs from " << expected;
}

// Each step fills the value whose code the document names before it.
struct ValidationStep {
    unsigned short code;
    std::function<void(CTorvaneDoc&)> fill;
};

TEST_F(TorvaneDocTest, ValidationNamesEachMissingValueInOrder) {
    CTorvaneDoc doc;
    doc.SetAutoRun(false);
    doc.fuelType.Clear();
    doc.nitrousFlowRate.Clear();
    doc.cam.rampRate.Clear();
    doc.cam.advance.Clear();
    const std::vector<ValidationStep> steps = {
        {1, [](CTorvaneDoc& d) { d.shortBlockType.SetType(36, "Chevy 350"); }},
        {2, [](CTorvaneDoc& d) { d.bore.SetValue(4.0f); }},
        {3, [](CTorvaneDoc& d) { d.stroke.SetValue(3.48f); }},
        {4, [](CTorvaneDoc& d) { d.cylinders.SetValue(8); }},
        {5, [](CTorvaneDoc& d) { d.cylinderHeadType.SetType(4, "Wedge"); }},
        {6, [](CTorvaneDoc& d) { d.intakeValvesPerCylinder.SetValue(1); }},
        {7, [](CTorvaneDoc& d) { d.exhaustValvesPerCylinder.SetValue(1); }},
        {61, [](CTorvaneDoc& d) { d.headFlow.LoadPreset(4); }},  // the flow data's own codes
        {8, [](CTorvaneDoc& d) { d.intakeValveDiameter.SetValue(2.02f); }},
        {9, [](CTorvaneDoc& d) { d.exhaustValveDiameter.SetValue(1.6f); }},
        {10, [](CTorvaneDoc& d) { d.compressionRatio.SetValue(9.5f); }},
        {11, [](CTorvaneDoc& d) { d.inductionFlow.SetValue(600.0f); }},
        {12, [](CTorvaneDoc& d) { d.pressureDrop.SetValue(1.5f); }},
        {13, [](CTorvaneDoc& d) { d.manifoldType.SetType(7, "Forced Induction"); }},
        {14, [](CTorvaneDoc& d) { d.fuelType.SetType(1, "Gasoline"); }},
        {15, [](CTorvaneDoc& d) { d.nitrousFlowRate.SetValue(0.0f); }},
        {16, [](CTorvaneDoc& d) { d.forcedInductionType.SetType(36, "Centrifugal- Paxton"); }},
        // A compressor type with no kind (a damaged file) still needs a choice.
        {16, [](CTorvaneDoc& d) { d.SetForcedInductionKind(2); }},
        {17, [](CTorvaneDoc& d) { d.blowerFlowRate.SetValue(330.0f); }},
        {18, [](CTorvaneDoc& d) { d.blowerPressureRatio.SetValue(1.35f); }},
        {24, [](CTorvaneDoc& d) { d.blowerBoostLimit.SetValue(10.0f); }},
        {20, [](CTorvaneDoc& d) { d.blowerRpm.SetValue(28000.0f); }},
        {23, [](CTorvaneDoc& d) { d.blowerBeltGearRatio.SetValue(1.0f); }},
        {19, [](CTorvaneDoc& d) { d.blowerEfficiency.SetValue(62.0f); }},
        {22, [](CTorvaneDoc& d) { d.blowerInternalGearRatio.SetValue(4.4f); }},
        {26, [](CTorvaneDoc& d) { d.exhaustSystem.SetType(2, "H.P. Manifolds And Mufflers"); }},
        {27, [](CTorvaneDoc& d) { d.cam.camshaftType.SetType(1, "Stock Street/Economy"); }},
        {29, [](CTorvaneDoc& d) { d.cam.lifterType.SetType(4, "Roller Hydraulic"); }},
        {105, [](CTorvaneDoc& d) { d.cam.rampRate.SetValue(2.9f); }},
        {30, [](CTorvaneDoc& d) { d.cam.primary.method.SetType(kSeatToSeat, "Seat-To-Seat"); }},
        {32, [](CTorvaneDoc& d) { d.cam.intakeLift.SetValue(0.51f); }},
        {33, [](CTorvaneDoc& d) { d.cam.exhaustLift.SetValue(0.51f); }},
        {34, [](CTorvaneDoc& d) { d.cam.primary.ivo.SetValue(20.0f); }},
        {35, [](CTorvaneDoc& d) { d.cam.primary.ivc.SetValue(52.0f); }},
        {36, [](CTorvaneDoc& d) { d.cam.primary.evo.SetValue(63.0f); }},
        {37, [](CTorvaneDoc& d) { d.cam.primary.evc.SetValue(18.0f); }},
        {31, [](CTorvaneDoc& d) { d.cam.advance.SetValue(0.0f); }},
    };
    for (const ValidationStep& step : steps) {
        EXPECT_EQ(step.code, ValidationCode(doc));
        step.fill(doc);
    }
    EXPECT_EQ(0, ValidationCode(doc));
    unsigned short code = 0;
    EXPECT_TRUE(doc.ValidateBlock(code));
}

// The blower values each compressor kind needs, in the order they are named.
TEST_F(TorvaneDocTest, EachCompressorKindNeedsItsOwnValues) {
    struct KindCase {
        UINT customRow;
        std::vector<unsigned short> codes;
    };
    const KindCase cases[] = {
        {32998, {17, 18, 24, 21, 19}},
        {33009, {17, 18, 24, 20, 23, 19, 22}},
        {33034, {17, 24, 23, 19}},
    };
    struct BlowerValue {
        unsigned short code;
        CFloatPtSpec CTorvaneDoc::*field;
        float value;
    };
    const BlowerValue values[] = {
        {17, &CTorvaneDoc::blowerFlowRate, 330.0f},
        {18, &CTorvaneDoc::blowerPressureRatio, 1.5f},
        {19, &CTorvaneDoc::blowerEfficiency, 70.0f},
        {20, &CTorvaneDoc::blowerRpm, 40000.0f},
        {21, &CTorvaneDoc::blowerSurgeFlowRate, 120.0f},
        {22, &CTorvaneDoc::blowerInternalGearRatio, 3.5f},
        {23, &CTorvaneDoc::blowerBeltGearRatio, 1.2f},
        {24, &CTorvaneDoc::blowerBoostLimit, 8.0f},
    };
    for (const KindCase& c : cases) {
        CTorvaneDoc doc;
        BuildChevy350(doc);
        EXPECT_EQ(0, ValidationCode(doc));  // "None" is fine on a carburetted manifold
        SendCommand(doc, 33516);
        EXPECT_EQ(16, ValidationCode(doc));
        SendCommand(doc, c.customRow);
        for (unsigned short code : c.codes) {
            EXPECT_EQ(code, ValidationCode(doc)) << c.customRow;
            for (const BlowerValue& v : values)
                if (v.code == code) (doc.*v.field).SetValue(v.value);
        }
        EXPECT_EQ(0, ValidationCode(doc)) << c.customRow;
    }
}

TEST_F(TorvaneDocTest, AFailedValidationIsShownAndLeavesNoResults) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    ASSERT_TRUE(doc.RunSimulation(true, true));
    doc.exhaustSystem.Clear();
    ModalDriver::Instance().Answer("Incomplete Engine", IDOK);
    EXPECT_FALSE(doc.RunSimulation(true, true));
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Exhaust Selection Required", ModalDriver::Instance().Boxes()[0].text);
    EXPECT_FALSE(doc.HasResults());
    EXPECT_FALSE(doc.RunSimulation(false, true));  // no box
}

TEST_F(TorvaneDocTest, AStockSmallBlockRunsNineteenBelievablePoints) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    ASSERT_TRUE(doc.RunSimulation(true, true));
    EXPECT_EQ(19, doc.GetNumRpmPoints());
    for (int i = 0; i < kResultPointCount; ++i) {
        EXPECT_EQ(2000.0f + 500.0f * static_cast<float>(i), doc.GetRpmPoint(i));
        EXPECT_GE(doc.GetPowerPoint(i), 0.0f) << i;  // 0 where friction wins
    }
    EXPECT_GT(doc.GetPowerPoint(8), 0.0f);
    EXPECT_TRUE(doc.HasResults());
    const float peakPower = doc.GetPeakValue(kCurvePower, 2000.0f, 11000.0f);
    const float peakRpm = doc.GetPeakRpm(kCurvePower);
    EXPECT_GE(peakPower, 250.0f);
    EXPECT_LE(peakPower, 450.0f);
    EXPECT_GE(peakRpm, 4000.0f);
    EXPECT_LE(peakRpm, 6000.0f);
    EXPECT_LT(doc.GetPeakRpm(kCurveTorque), peakRpm);
    EXPECT_EQ(1160.0f, doc.GetCurve15Point(0));  // mean piston speed at 2000 rpm
}

// The document loads the simulation block exactly as the kernel's sample
// engines are filled, so both give the same curves to the bit.
TEST_F(TorvaneDocTest, RunsGiveTheKernelCurvesOfTheSameEngine) {
    struct Case {
        void (*build)(CTorvaneDoc&);
        SimulationBlock (*block)();
    };
    for (const Case& c : {Case{BuildChevy350, MakeChevy350Block},
                          Case{BuildPaxtonChevy350, MakeCentrifugalBlowerBlock}}) {
        CTorvaneDoc doc;
        c.build(doc);
        ASSERT_TRUE(doc.RunSimulation(true, true));
        SimulationBlock expected = c.block();
        SimKernelRun(expected);
        for (int copy = 1; copy <= kResultCurveCount; ++copy) {
            float curve[kResultPointCount];
            ASSERT_TRUE(SimulationBlockCopyCurve(expected, copy, curve, kResultPointCount));
            EXPECT_EQ(0, std::memcmp(curve, doc.GetStoredCurve(copy - 1), sizeof curve))
                << "copy " << copy;
        }
    }
}

TEST_F(TorvaneDocTest, RepeatedRunsAreBitIdentical) {
    CTorvaneDoc doc;
    BuildPaxtonChevy350(doc);
    ASSERT_TRUE(doc.RunSimulation(true, true));
    float first[kResultCurveCount][kResultPointCount];
    for (int type = 1; type <= kResultCurveCount; ++type)
        std::memcpy(first[type - 1], doc.GetCurve(type), sizeof first[0]);

    CTorvaneDoc other;  // another engine in between leaves nothing behind
    BuildChevy350(other);
    ASSERT_TRUE(other.RunSimulation(true, true));
    ASSERT_TRUE(doc.RunSimulation(true, true));
    for (int type = 1; type <= kResultCurveCount; ++type)
        EXPECT_EQ(0, std::memcmp(first[type - 1], doc.GetCurve(type), sizeof first[0]))
            << "curve " << type;
}

// Values shown in metric units go back to English ones for the run; the
// conversions may move a value by a unit in the last place, no more.
TEST_F(TorvaneDocTest, AMetricDocumentStaysMetricWithEnglishResults) {
    CTorvaneDoc english;
    BuildPaxtonChevy350(english);
    ASSERT_TRUE(english.RunSimulation(true, true));

    CTorvaneDoc metric;
    BuildPaxtonChevy350(metric);
    metric.SetUnitsMode(1);
    const float boreShown = metric.bore.GetValue();
    ASSERT_TRUE(metric.RunSimulation(true, true));
    EXPECT_EQ(1, metric.GetUnitsMode());
    EXPECT_TRUE(metric.bore.IsAltUnit());
    EXPECT_TRUE(metric.headFlow.intake.lift[0].IsAltUnit());
    EXPECT_TRUE(metric.headFlow.intake.pressureDrop.IsAltUnit());
    EXPECT_TRUE(metric.cam.intakeLift.IsAltUnit());
    EXPECT_EQ(boreShown, metric.bore.GetValue());
    for (int type = 2; type <= kResultCurveCount; ++type)
        for (int i = 0; i < kResultPointCount; ++i)
            EXPECT_NEAR(english.GetCurvePoint(type, i), metric.GetCurvePoint(type, i),
                        1e-4f * std::max(1.0f, std::fabs(english.GetCurvePoint(type, i))))
                << "curve " << type << " point " << i;

    // Once converted, the values stay put: runs in metric repeat exactly.
    const float power = metric.GetPowerPoint(6);
    ASSERT_TRUE(metric.RunSimulation(true, true));
    EXPECT_EQ(power, metric.GetPowerPoint(6));
}

// The end-of-point formulas of the kernel tie the document's curves together.
TEST_F(TorvaneDocTest, CurvesKeepTheirIdentitiesAtEveryPoint) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    ASSERT_TRUE(doc.RunSimulation(true, true));
    const float bore = 4.0f, stroke = 3.48f;
    const float d = 8.0f * stroke * bore * bore * 0.7853981635f;
    for (int i = 0; i < kResultPointCount; ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        const float n = doc.GetRpmPoint(i);
        const float power = doc.GetPowerPoint(i), imep = doc.GetCurve6Point(i);
        const float bmep = doc.GetBmepPoint(i), fmep = doc.GetCurve8Point(i);
        const float pmep = doc.GetCurve16Point(i);
        const float s = n * stroke / 6.0f;
        EXPECT_TRUE(Close(doc.GetTorquePoint(i), power * 5250.0f / n));
        EXPECT_TRUE(Close(doc.GetCurve15Point(i), n * stroke * 0.16666667f));
        EXPECT_TRUE(Close(doc.GetCurve14Point(i), imep * bore * bore * 0.7853982f));
        EXPECT_TRUE(Close(doc.GetCurve12Point(i), bmep / imep * 100.0f));
        EXPECT_TRUE(Close(doc.GetCurve9Point(i), d * n * imep * 1.2626263e-06f));
        EXPECT_TRUE(Close(doc.GetCurve10Point(i), fmep * d * n * 1.2626263e-06f));
        EXPECT_TRUE(Close(doc.GetCurve11Point(i), pmep * d * n * 1.2626263e-06f));
        EXPECT_TRUE(Close(doc.GetCurve13Point(i), doc.GetVolEffPoint(i) * d * n * 2.8935185e-06f));
        EXPECT_TRUE(Close(fmep + pmep, 12.964f + s * (0.0030476f + 6.5476e-07f * s)));
        if (power > 0.0f) {
            EXPECT_TRUE(Close(bmep, power * 802973.0f / (d * n)));
        }
        EXPECT_GT(doc.GetManifoldPressurePoint(i), 0.0f);
    }
}

TEST_F(TorvaneDocTest, RunFailuresAreError42WithNoResults) {
    struct Failure {
        const char* what;
        void (*spoil)(CTorvaneDoc&);
    };
    const Failure failures[] = {
        // A lift too large for the lobe's duration.
        {"lobe", [](CTorvaneDoc& d) { d.cam.intakeLift.SetValue(1.5f); }},
        // A blower too slow at low speed: boost below vacuum, curves not numbers.
        {"blower",
         [](CTorvaneDoc& d) {
             SendCommand(d, 33516);
             SendCommand(d, 32999);
             d.blowerBeltGearRatio.SetValue(0.5f);
             d.blowerInternalGearRatio.SetValue(1.0f);
             d.blowerPressureRatio.SetValue(3.0f);
             d.blowerRpm.SetValue(2000.0f);
         }},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        CTorvaneDoc doc;
        BuildChevy350(doc);
        ASSERT_TRUE(doc.RunSimulation(true, true));
        failure.spoil(doc);
        doc.SetUnitsMode(1);
        ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
        EXPECT_FALSE(doc.RunSimulation(true, true));
        EXPECT_EQ(1u, ModalDriver::Instance().Boxes().size());
        EXPECT_EQ(1, doc.GetUnitsMode());
        for (int type = 1; type <= kResultCurveCount; ++type)
            for (int i = 0; i < kResultPointCount; ++i) EXPECT_EQ(0.0f, doc.GetCurvePoint(type, i));
        EXPECT_FALSE(doc.RunSimulation(true, false));  // no box
        ModalDriver::Instance().Reset();
    }
}

TEST_F(TorvaneDocTest, AutoRunRunsAfterEachRecompute) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    EXPECT_FALSE(doc.HasResults());
    doc.RecomputeDerived();
    EXPECT_TRUE(doc.HasResults());
    doc.SetAutoRun(false);
    doc.ClearResults();
    doc.RecomputeDerived();
    EXPECT_FALSE(doc.HasResults());
}

// Every compressor of the table boosts the stock 350 and adds power.
TEST_F(TorvaneDocTest, EveryCompressorRowBoostsTheSmallBlock) {
    CTorvaneDoc natural;
    BuildChevy350(natural);
    ASSERT_TRUE(natural.RunSimulation(true, true));
    const float naturalPeak = natural.GetPeakValue(kCurvePower, 2000.0f, 11000.0f);
    for (UINT id = 32965; id <= 33033; ++id) {
        if (id == 32998 || id == 33009) continue;  // custom rows carry no values
        CTorvaneDoc doc;
        BuildChevy350(doc);
        SendCommand(doc, 33516);
        SendCommand(doc, id);
        SCOPED_TRACE(doc.forcedInductionType.GetTypeName().GetString());
        ASSERT_TRUE(doc.RunSimulation(true, false));
        EXPECT_GT(doc.GetManifoldPressurePoint(6), 15.0f);  // 5000 rpm
        EXPECT_GT(doc.GetPeakValue(kCurvePower, 2000.0f, 11000.0f), naturalPeak);
    }
}

// ---- Menu choices that must not end the program ----

TEST_F(TorvaneDocTest, AutomaticLiftKeepsTheLiftsOfACamWithoutALiftRule) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    doc.SetAutoRun(false);
    doc.cam.SetAutoValveLift(true);
    doc.RecomputeDerived();
    EXPECT_FLOAT_EQ(2.02f * 0.201f, doc.cam.intakeLift.GetValue());  // stock cam: by its rule
    SendCommand(doc, 32896);                                         // "Pro Stock/Max Power"
    doc.cam.SetAutoValveLift(true);
    doc.RecomputeDerived();
    EXPECT_EQ(0.867f, doc.cam.intakeLift.GetValue());
    EXPECT_EQ(0.816f, doc.cam.exhaustLift.GetValue());
}

TEST_F(TorvaneDocTest, AutomaticValveSizesKeepTheValvesOfACustomHead) {
    ComponentDialogs dialogs;
    dialogs.editAirflow = [](CylHeadFlow& flow, CFileSpec&) {
        flow.LoadPreset(7);
        flow.SetDescription("Bench-Flowed Wedge");
        return true;
    };
    InstallComponentDialogs(dialogs);
    CTorvaneDoc doc;
    BuildChevy350(doc);
    doc.SetAutoValveSizes(true);
    doc.RecomputeDerived();
    EXPECT_FLOAT_EQ(4.0f * 0.485f, doc.intakeValveDiameter.GetValue());  // head 4: by its rule
    SendCommand(doc, 32811);
    doc.SetAutoValveSizes(true);  // as a file or the sweep may leave it
    doc.RecomputeDerived();
    EXPECT_EQ(17, doc.cylinderHeadType.GetValue());
    EXPECT_FLOAT_EQ(4.0f * 0.485f, doc.intakeValveDiameter.GetValue());
    EXPECT_TRUE(doc.HasResults());
    InstallComponentDialogs(ComponentDialogs());
}

TEST_F(TorvaneDocTest, AccurateRampRateIsClearedWhenTheEventsGiveNone) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    doc.SetAutoRun(false);
    Cam& cam = doc.cam;
    cam.alternate.method.SetType(kFiftyThou, "0.050-inch");
    cam.SetMoreAccurateRampRate(true);
    // 0.050-inch events wider than the seat-to-seat ones: no ramp to compute.
    for (CFloatPtSpec* event :
         {&cam.alternate.ivo, &cam.alternate.ivc, &cam.alternate.evo, &cam.alternate.evc})
        event->SetValue(50.0f);
    doc.RecomputeDerived();
    EXPECT_FALSE(cam.rampRate.IsSet());
    // A sensible 0.050-inch set gives a rate within 1..6.
    for (CFloatPtSpec* event :
         {&cam.alternate.ivo, &cam.alternate.ivc, &cam.alternate.evo, &cam.alternate.evc})
        event->SetValue(5.0f);
    doc.RecomputeDerived();
    ASSERT_TRUE(cam.rampRate.IsValid());
    EXPECT_GE(cam.rampRate.GetValue(), 1.0f);
    EXPECT_LE(cam.rampRate.GetValue(), 6.0f);
}

TEST_F(TorvaneDocTest, AForcedInductionManifoldWithoutACompressorKindIsReported) {
    CTorvaneDoc doc;
    BuildPaxtonChevy350(doc);
    doc.SetForcedInductionKind(0);  // as read from a damaged file
    ModalDriver::Instance().Answer("Incomplete Engine", IDOK);
    EXPECT_FALSE(doc.RunSimulation(true, true));
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Blower Selection Required", ModalDriver::Instance().Boxes()[0].text);
}

// ---- The simulation block as the interface loads it ----

TEST_F(TorvaneDocTest, TheInterfaceLoadsTheBlockAsTheKernelReadsIt) {
    CTorvaneDoc doc;
    BuildPaxtonChevy350(doc);
    doc.SetAutoRun(false);
    doc.cam.advance.SetValue(-4.7f);
    doc.inductionFlow.SetValue(650.9f);
    doc.pressureDrop.SetValue(3.0f);
    SimInterface* sim = SimInterfaceGetInstance();
    const SimulationBlock& b = sim->Block();
    SimInterfaceRun(sim, &doc);
    EXPECT_EQ(-4, b.camAdvance);
    EXPECT_EQ(650, b.inductionFlow);
    EXPECT_EQ(2, b.inductionRating);
    EXPECT_EQ(2, b.forcedInductionKind);
    EXPECT_EQ(4.4f, b.internalGearRatio);
    EXPECT_EQ(0.0f, b.intercoolerEfficiency);
    EXPECT_EQ(0.0f, b.surgeFlow);
    EXPECT_EQ(227.0f, b.intakeFlowPerValve[7]);
    EXPECT_EQ(0.0f, b.intakeFlowPerValve[8]);  // 8 flow points: the rest stay 0
    EXPECT_EQ(0.0f, b.exhaustLift[9]);

    doc.pressureDrop.SetValue(2.99f);
    SendCommand(doc, 33320);  // intercooler 100 %
    SimInterfaceRun(sim, &doc);
    EXPECT_EQ(4, b.inductionRating);
    EXPECT_EQ(100.0f, b.intercoolerEfficiency);

    // Another manifold: no compressor, whatever the blower fields hold.
    SendCommand(doc, 33508);
    SimInterfaceRun(sim, &doc);
    EXPECT_EQ(0, b.forcedInductionKind);
    for (float value :
         {b.blowerFlow, b.blowerPressureRatio, b.blowerEfficiency, b.blowerSpeed, b.boostLimit,
          b.intercoolerEfficiency, b.internalGearRatio, b.beltGearRatio})
        EXPECT_EQ(0.0f, value);

    // Four-valve heads: flows per valve.
    ModalDriver::Instance().Answer("Important!", IDOK);
    SendCommand(doc, 32808);
    SimInterfaceRun(sim, &doc);
    EXPECT_EQ(173.0f / 2.0f, b.intakeFlowPerValve[7]);
    EXPECT_EQ(2, b.intakeValvesPerCylinder);

    float speeds[kResultPointCount];
    SimInterfaceCopyCurve1(sim, speeds, kResultPointCount);
    EXPECT_EQ(11000.0f, speeds[18]);
}

// ---- Result access ----

TEST_F(TorvaneDocTest, PeaksAndAreasReadTheChosenSpeeds) {
    CTorvaneDoc doc;
    EXPECT_EQ(2000.0f, doc.GetPeakRpm(kCurvePower));  // no positive values
    EXPECT_EQ(0.0f, doc.GetPeakValue(kCurvePower, 2000.0f, 11000.0f));
    float* power = doc.GetStoredCurve(1);
    for (int i = 0; i < kResultPointCount; ++i) power[i] = 100.0f;
    power[8] = 300.0f;  // 6000 rpm
    power[9] = 300.0f;  // 6500 rpm
    power[10] = 200.0f;
    EXPECT_EQ(6000.0f, doc.GetPeakRpm(kCurvePower));  // the first of equal maxima
    EXPECT_EQ(100.0f, doc.GetPeakValue(kCurvePower, 2000.0f, 5500.0f));
    EXPECT_EQ(300.0f, doc.GetPeakValue(kCurvePower, 6500.0f, 7000.0f));
    EXPECT_EQ(power, doc.GetCurve(kCurvePower));
    // 100 hp from 2000 to 4000 rpm: 200000 x 0.001.
    EXPECT_FLOAT_EQ(200.0f, doc.GetCurveArea(kCurvePower, 2000.0f, 4000.0f));
    // Storage order: BMEP (type 7) is the sixth stored curve, IMEP (6) the fourteenth.
    EXPECT_EQ(doc.GetStoredCurve(5), doc.GetCurve(kCurveBmep));
    EXPECT_EQ(doc.GetStoredCurve(13), doc.GetCurve(kCurveImep));
    EXPECT_EQ(doc.GetStoredCurve(14), doc.GetCurve(kCurveFmep));
    EXPECT_EQ(doc.GetStoredCurve(15), doc.GetCurve(kCurvePmep));
    doc.ClearResults();
    EXPECT_EQ(0.0f, doc.GetPowerPoint(8));
}

}  // namespace

}  // namespace torvane
