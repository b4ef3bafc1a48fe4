// Engines entered through the document as a user enters them (component
// menu commands, typed values, the airflow and cam-type dialogs), run, and
// compared with the curves an independent implementation of the same model
// computed for them: peak power and torque at the same speed and within 1e-3
// relative, every value within 1e-2 of its column's largest magnitude (the
// model turns last-bit differences into up to about 1e-2 at some points).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/tests/ReferenceCase.h"
#include "common/tests/ScratchFile.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

namespace {

constexpr float kPeakTolerance = 1e-3f;    // relative
constexpr float kColumnTolerance = 1e-2f;  // of the column's largest magnitude

std::string CaseFile(const std::string& name, const char* extension) {
    return TestDataPath(("reference\\" + name + extension).c_str());
}

// The results file: the 19 rows of the 16 curves and the peaks.
struct ExpectedRun {
    std::vector<std::vector<float>> rows;
    float peakPower = 0, peakPowerRpm = 0, peakTorque = 0, peakTorqueRpm = 0;
};

ExpectedRun ReadExpected(const std::string& path) {
    ExpectedRun run;
    for (const std::string& line : ReadReferenceLines(path)) {
        if (line.rfind("# peak power", 0) == 0) {
            EXPECT_EQ(sscanf(line.c_str(),
                             "# peak power %f hp at %f rpm; peak torque %f lb-ft at %f rpm",
                             &run.peakPower, &run.peakPowerRpm, &run.peakTorque,
                             &run.peakTorqueRpm),
                      4);
        } else if (!line.empty() && line[0] != '#' && line.find(':') == std::string::npos) {
            run.rows.push_back(ParseNumbers(line));
        }
    }
    return run;
}

// The menu command of part `typeIndex` in a component range.
UINT ComponentCommand(ComponentRange range, int typeIndex) {
    const ComponentCommandRange ids = GetComponentCommandRange(range);
    for (int i = 0; i < GetComponentRowCount(); ++i) {
        const ComponentRow& row = GetComponentRow(i);
        if (row.commandId >= ids.firstId && row.commandId <= ids.lastId &&
            row.typeIndex == typeIndex)
            return row.commandId;
    }
    ADD_FAILURE() << "no part " << typeIndex << " in " << ids.firstId << ".." << ids.lastId;
    return ids.firstId;
}

// Enters one engine; every box the document shows on the way is answered OK
// and kept for the failure message.
class EngineEntry {
public:
    EngineEntry(CTorvaneDoc& doc, const ReferenceCase& engine) : doc_(doc), engine_(engine) {}
    ~EngineEntry() { InstallComponentDialogs(ComponentDialogs()); }

    void Enter() {
        doc_.SetAutoRun(false);
        Choose(kCmdShortBlockFirst);
        Type(doc_.bore, "bore");
        Type(doc_.stroke, "stroke");
        Type(doc_.cylinders, "cylinders");
        EnterHead();
        Type(doc_.compressionRatio, "compression_ratio");
        Type(doc_.inductionFlow, "induction_flow");
        Type(doc_.pressureDrop, "induction_pressure_drop");
        Choose(Part(ComponentRange::Manifold, "manifold_type"));
        Choose(Part(ComponentRange::Fuel, "fuel_type"));
        if (engine_.Has("nitrous_flow")) Type(doc_.nitrousFlowRate, "nitrous_flow");
        EnterForcedInduction();
        Choose(Part(ComponentRange::Exhaust, "exhaust_system"));
        EnterCam();
    }

    const std::vector<std::string>& Boxes() const { return boxes_; }

private:
    void EnterHead() {
        const int head = static_cast<int>(engine_.Number("cylinder_head_type"));
        if (head == kHeadTypeCustom) {
            // The airflow dialog, typed in.
            ComponentDialogs dialogs;
            dialogs.editAirflow = [this](CylHeadFlow& flow, CFileSpec&) {
                const std::vector<float> lifts = engine_.Numbers("intake_lifts");
                flow.SetNumPoints(static_cast<int>(lifts.size()));
                flow.SetDescription("Reference head");
                FillSide(flow.intake, "intake_");
                FillSide(flow.exhaust, "exhaust_");
                return true;
            };
            InstallComponentDialogs(dialogs);
        }
        Choose(ComponentCommand(ComponentRange::CylinderHead, head));
        for (const char* side : {"intake", "exhaust"}) {
            const std::string key = std::string(side) + "_valves_per_cylinder";
            if (!engine_.Has(key)) continue;
            const bool intake = side[0] == 'i';
            const bool two = engine_.Number(key) == 2;
            Choose(intake ? (two ? kCmdIntakeValvesTwo : kCmdIntakeValvesOne)
                          : (two ? kCmdExhaustValvesTwo : kCmdExhaustValvesOne));
        }
        if (engine_.Text("intake_valve_diameter") == "auto") {
            // "Auto Calculate Valve Sizes".
            doc_.SetAutoValveSizes(true);
            doc_.RecomputeDerived();
        } else {
            Type(doc_.intakeValveDiameter, "intake_valve_diameter");
            Type(doc_.exhaustValveDiameter, "exhaust_valve_diameter");
        }
    }

    void FillSide(FlowBenchSide& side, const std::string& prefix) {
        Set(side.testDiameter, prefix + "test_diameter");
        Set(side.pressureDrop, prefix + "test_pressure_drop");
        Set(side.valvesPerPort, prefix + "valves_per_port");
        const std::vector<float> lifts = engine_.Numbers(prefix + "lifts");
        const std::vector<float> flows = engine_.Numbers(prefix + "flows");
        ASSERT_EQ(lifts.size(), flows.size());
        for (size_t i = 0; i < lifts.size(); ++i) {
            side.lift[i].SetValue(lifts[i]);
            side.airflow[i].SetValue(flows[i]);
        }
    }

    void EnterForcedInduction() {
        const int kind = engine_.Has("forced_induction_kind")
                             ? static_cast<int>(engine_.Number("forced_induction_kind"))
                             : 0;
        if (kind == 0) return;
        const UINT custom[] = {kCmdCustomTurbo, kCmdCustomCentrifugalBlower, kCmdCustomRootsBlower};
        Choose(custom[kind - 1]);
        const std::pair<CFloatPtSpec*, const char*> fields[] = {
            {&doc_.blowerFlowRate, "blower_flow"},
            {&doc_.blowerPressureRatio, "blower_pressure_ratio"},
            {&doc_.blowerEfficiency, "blower_efficiency"},
            {&doc_.blowerRpm, "blower_rpm"},
            {&doc_.blowerSurgeFlowRate, "blower_surge_flow"},
            {&doc_.blowerInternalGearRatio, "blower_internal_gear_ratio"},
            {&doc_.blowerBeltGearRatio, "blower_belt_gear_ratio"},
            {&doc_.blowerBoostLimit, "blower_boost_limit"},
            {&doc_.intercoolerEfficiency, "intercooler_efficiency"},
        };
        for (const auto& field : fields)
            if (engine_.Has(field.second)) Type(*field.first, field.second);
    }

    void EnterCam() {
        const int camType = static_cast<int>(engine_.Number("camshaft_type"));
        if (camType == kCamTypeCustom) {
            ComponentDialogs dialogs;
            dialogs.chooseCamTypeName = [](const char*, CString& name) {
                name = "Reference cam";
                return true;
            };
            InstallComponentDialogs(dialogs);
        }
        Choose(ComponentCommand(ComponentRange::CamType, camType));
        Choose(Part(ComponentRange::LifterType, "lifter_type"));
        const int method = static_cast<int>(engine_.Number("cam_timing_method"));
        Choose(method == kSeatToSeat ? kCmdTimingSeatToSeat : kCmdTiming050Inch);
        Type(doc_.cam.primary.ivo, "ivo");
        Type(doc_.cam.primary.ivc, "ivc");
        Type(doc_.cam.primary.evo, "evo");
        Type(doc_.cam.primary.evc, "evc");
        Type(doc_.cam.intakeLift, "intake_lift");
        Type(doc_.cam.exhaustLift, "exhaust_lift");
        Type(doc_.cam.advance, "cam_advance");
        if (engine_.Text("lifter_ramp_rate") != "auto") {
            Type(doc_.cam.rampRate, "lifter_ramp_rate");
            return;
        }
        // The cam dialog's other timing set and "more accurate" ramp rate.
        Cam other;
        if (method == kSeatToSeat) {
            other.SetTiming050Inch();
            other.Set050InchLimits();
        } else {
            other.SetTimingSeatToSeat();
            other.SetSeatToSeatLimits();
        }
        Set(other.primary.ivo, "alt_ivo");
        Set(other.primary.ivc, "alt_ivc");
        Set(other.primary.evo, "alt_evo");
        Set(other.primary.evc, "alt_evc");
        doc_.cam.SetNominalEvents(other.primary.ivo, other.primary.ivc, other.primary.evo,
                                  other.primary.evc);
        doc_.cam.alternate.method = other.primary.method;
        doc_.cam.SetMoreAccurateRampRate(true);
        doc_.RecomputeDerived();
        EXPECT_TRUE(doc_.cam.rampRate.IsValid());
    }

    UINT Part(ComponentRange range, const char* key) {
        return ComponentCommand(range, static_cast<int>(engine_.Number(key)));
    }

    void Choose(UINT id) {
        AnsweringOk([&] { SendCommand(doc_, id); }, boxes_);
    }

    // A value the field's editor stores, as a user types it.
    void Set(CSimSpec& field, const std::string& key) {
        const std::string& text = engine_.Text(key);
        EXPECT_TRUE(field.ParseAndSet(text.c_str(), false)) << key << " = " << text;
    }

    // The field editor's commit: the document's consent, the value, the
    // derived values again.
    void Type(CSimSpec& field, const char* key) {
        AnsweringOk(
            [&] {
                ASSERT_TRUE(doc_.ConfirmSpecChange(field)) << key;
                Set(field, key);
                doc_.RecomputeDerived();
            },
            boxes_);
    }

    CTorvaneDoc& doc_;
    const ReferenceCase& engine_;
    std::vector<std::string> boxes_;
};

class ReferenceEngineTest : public WithTorvaneProfile,
                            public ::testing::TestWithParam<const char*> {};

TEST_P(ReferenceEngineTest, RunsAsTheReference) {
    const std::string name = GetParam();
    const ReferenceCase engine(CaseFile(name, ".txt"));
    const ExpectedRun expected = ReadExpected(CaseFile(name, ".expected"));
    ASSERT_EQ(expected.rows.size(), static_cast<size_t>(kResultPointCount));

    CTorvaneDoc doc;
    EngineEntry entry(doc, engine);
    entry.Enter();
    std::string boxes;
    for (const std::string& box : entry.Boxes()) boxes += box + "\n";
    SCOPED_TRACE("boxes shown while entering:\n" + boxes);
    unsigned short code = 0;
    ASSERT_TRUE(doc.Validate(code)) << "validation code " << code;
    ASSERT_TRUE(doc.RunSimulation(true, true));

    EXPECT_EQ(doc.GetPeakRpm(kCurvePower), expected.peakPowerRpm);
    EXPECT_EQ(doc.GetPeakRpm(kCurveTorque), expected.peakTorqueRpm);
    EXPECT_NEAR(doc.GetPeakValue(kCurvePower, 2000, 11000), expected.peakPower,
                kPeakTolerance * expected.peakPower);
    EXPECT_NEAR(doc.GetPeakValue(kCurveTorque, 2000, 11000), expected.peakTorque,
                kPeakTolerance * expected.peakTorque);
    for (int type = 1; type <= kResultCurveCount; ++type) {
        float largest = 0;
        for (const std::vector<float>& row : expected.rows)
            largest = std::max(largest, std::fabs(row.at(type - 1)));
        for (int point = 0; point < kResultPointCount; ++point) {
            EXPECT_NEAR(doc.GetCurvePoint(type, point), expected.rows[point].at(type - 1),
                        kColumnTolerance * largest)
                << "curve " << type << " at " << expected.rows[point][0] << " rpm";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, ReferenceEngineTest,
                         ::testing::Values("exhaust7", "fi1_ic70p0_lim10p0", "fi3_icNone_lim15p0",
                                           "flow10pts_vpp3", "manifold10", "rampauto_m1"));

}  // namespace

}  // namespace torvane
