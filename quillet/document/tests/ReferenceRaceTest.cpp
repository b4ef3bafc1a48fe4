// Vehicles entered through the document as a user enters them (menu choices,
// typed values, the power-curve editor), raced, and compared with the results
// an independent implementation of the same model computed for them:
// elapsed time and splits within 0.002 s, trap speed within 0.01 mph.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/tests/ReferenceCase.h"
#include "common/tests/ScratchFile.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/VehicleChoiceTable.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"

namespace quillet {

namespace {

constexpr float kTimeTolerance = 0.002f;  // s
constexpr float kSpeedTolerance = 0.01f;  // mph

std::string CaseFile(const std::string& name, const char* extension) {
    return TestDataPath(("reference\\" + name + extension).c_str());
}

// The results file: a name, then its numbers.
std::map<std::string, std::vector<float>> ReadExpected(const std::string& path) {
    std::map<std::string, std::vector<float>> values;
    for (const std::string& line : ReadReferenceLines(path)) {
        const size_t blank = line.find(' ');
        if (blank == std::string::npos) continue;
        values[line.substr(0, blank)] = ParseNumbers(line.substr(blank + 1));
    }
    return values;
}

// The menu command of choice `index` in the range first..last.
UINT ChoiceCommand(UINT first, UINT last, int index) {
    for (const VehicleChoiceRow& row : kVehicleChoiceTable) {
        const UINT id = static_cast<UINT>(row.commandId);
        if (id >= first && id <= last && row.choiceIndex == index) return id;
    }
    ADD_FAILURE() << "no choice " << index << " in " << first << ".." << last;
    return first;
}

// Enters one vehicle; every box the document shows on the way is answered
// OK and kept for the failure message.
class VehicleEntry {
public:
    VehicleEntry(CQuilletDoc& doc, TestDocHost& host, const ReferenceCase& vehicle)
        : doc_(doc), host_(host), vehicle_(vehicle) {}

    void Enter() {
        doc_.SetAutoRun(false);
        doc_.SetRaceLength(static_cast<int>(vehicle_.Number("race_length")));
        const bool jet = vehicle_.Text("engine") == "jet";
        Choose(kCmdVehicleClassFirst + (vehicle_.Text("class") == "motorcycle" ? 1 : 0));
        Type(doc_.m_vehicleType, "Reference");
        Type(doc_.m_weight, "weight");
        Type(doc_.m_wheelbase, "wheelbase");
        Choose(kCmdDriveWheelsFirst + (vehicle_.Text("drive") == "front" ? 1 : 0));
        Type(doc_.m_drivingWeight, "driving_weight_pct");
        Type(doc_.m_frontalArea, "frontal_area");
        Type(doc_.m_dragCoefficient, "drag_coefficient");
        if (jet) {
            Choose(ChoiceCommand(kCmdJetEngineFirst, kCmdJetEngineLast,
                                 static_cast<int>(vehicle_.Number("engine_type"))));
            Type(doc_.m_rocketThrust, "thrust");
            Type(doc_.m_rocketWeight, "rocket_weight");
        } else {
            EnterPistonEngine();
            EnterDrivetrain();
            EnterTyres();
            EnterDriving();
        }
        if (vehicle_.Has("rollout")) Type(doc_.m_rollout, "rollout");
        Choose(kCmdWeatherFirst);
        Type(doc_.m_elevation, "elevation");
        doc_.UpdateBarometerFromElevation();
        Type(doc_.m_humidity, "humidity");
        Type(doc_.m_temperature, "temperature");
        Type(doc_.m_wind, "wind");
    }

    const std::vector<std::string>& Boxes() const { return boxes_; }

private:
    void EnterPistonEngine() {
        if (vehicle_.Has("engine_preset")) {
            Choose(ChoiceCommand(kCmdEngineFirst, kCmdEngineLast,
                                 static_cast<int>(vehicle_.Number("engine_preset"))));
        } else {
            // The power-curve editor: power entered at each speed, torque computed.
            const std::vector<std::string> points = vehicle_.All("point");
            host_.powerCurveDialog = [&points](CPowerCurve& curve, CString&) {
                curve.Reset();
                curve.SetEntryMode(kEntryPower);
                curve.SetNumPoints(static_cast<int>(points.size()));
                for (size_t i = 0; i < points.size(); ++i) {
                    const std::vector<float> point = ParseNumbers(points[i]);
                    const int row = static_cast<int>(i);
                    curve.RpmAt(row).SetValue(point.at(0));
                    curve.PowerAt(row).SetValue(point.at(1));
                    EXPECT_TRUE(curve.ComputeTorqueFromPower(row)) << points[i];
                }
                curve.UpdatePeaksFromTable();
                return true;
            };
            Choose(kCmdCustomEngine);
            host_.powerCurveDialog = nullptr;
        }
        Type(doc_.m_displacement, "displacement");
    }

    void EnterDrivetrain() {
        // A transmission of the menu, then the vehicle's own gears.
        Choose(kCmdManualTransFirst);
        Choose(kCmdShiftTypeFirst + (vehicle_.Text("shift_type") == "planetary" ? 1 : 0));
        const std::string& coupling = vehicle_.Text("coupling");
        const int couplingIndex = coupling == "clutch"      ? 1
                                  : coupling == "converter" ? 2
                                                            : std::stoi(coupling);
        Choose(ChoiceCommand(kCmdCouplingFirst, kCmdCouplingLast, couplingIndex));
        if (couplingIndex != 1) {
            Type(doc_.m_converterStall, "stall");
            Type(doc_.m_converterMultiplier, "converter_multiplier");
            Type(doc_.m_converterSlippage, "converter_slippage");
        }
        Type(doc_.m_gearCount, "gears");
        // A ratio that would break the order of the menu's ratios still left
        // is refused: type again once the others are in.
        const int gears = static_cast<int>(vehicle_.Number("gears"));
        std::vector<bool> stored(gears, false);
        for (int pass = 0; pass < gears; ++pass) {
            for (int k = 0; k < gears; ++k) {
                const std::string key = "ratio" + std::to_string(k + 1);
                if (!stored[k]) stored[k] = Type(doc_.m_gearRatio[k], key.c_str(), false);
            }
        }
        for (int k = 0; k < gears; ++k) EXPECT_TRUE(stored[k]) << "ratio" << k + 1;
        Type(doc_.m_rearAxleRatio, "rear_axle");
        if (vehicle_.Has("primary_ratio")) Type(doc_.m_primaryRatio, "primary_ratio");
    }

    void EnterTyres() {
        Choose(kCmdTireFirst);
        Type(doc_.m_tireDiameter, "tire_diameter");
        Type(doc_.m_wheelWidth, "wheel_width");
        Type(doc_.m_tireGrowth, "tire_growth");
        Type(doc_.m_tractionCoefficient, "traction");
    }

    // Typed driving values make the driving style a custom one.
    void EnterDriving() {
        Type(doc_.m_redline, "redline");
        const int shifts = static_cast<int>(vehicle_.Number("gears")) - 1;
        for (int k = 0; k < shifts; ++k) {
            const std::string key = "shift" + std::to_string(k + 1);
            Type(doc_.m_shiftRpm[k], key.c_str());
        }
        Type(doc_.m_launchRpm, "launch_rpm");
        if (vehicle_.Has("shift_time")) Type(doc_.m_shiftTime, "shift_time");
    }

    void Choose(UINT id) {
        Answering([&] { Command(doc_, id); });
    }

    // Types the case's value of `key` into `field`; true when it was stored.
    bool Type(CSimSpec& field, const char* key, bool mustStore = true) {
        const std::string text = vehicle_.Has(key) ? vehicle_.Text(key) : std::string(key);
        int result = -1;
        Answering([&] { result = doc_.CommitEditedText(field, text.c_str()); });
        if (mustStore) {
            EXPECT_EQ(result, 0) << key << " = " << text;
        }
        return result == 0;
    }

    void Answering(const std::function<void()>& action) { AnsweringOk(action, boxes_); }

    CQuilletDoc& doc_;
    TestDocHost& host_;
    const ReferenceCase& vehicle_;
    std::vector<std::string> boxes_;
};

class ReferenceRaceTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ReferenceRaceTest, RunsAsTheReference) {
    const std::string name = GetParam();
    const ReferenceCase vehicle(CaseFile(name, ".txt"));
    std::map<std::string, std::vector<float>> expected = ReadExpected(CaseFile(name, ".expected"));
    ASSERT_FALSE(expected["et"].empty());

    TestDocHost host;
    std::unique_ptr<CQuilletDoc> doc = NewDoc();
    VehicleEntry entry(*doc, host, vehicle);
    entry.Enter();
    std::string boxes;
    for (const std::string& box : entry.Boxes()) boxes += box + "\n";
    SCOPED_TRACE("boxes shown while entering:\n" + boxes);

    EXPECT_NEAR(doc->m_barometer.GetValue(), expected["barometer_inHg"].at(0), 0.005f);
    if (vehicle.Text("engine") == "piston") {
        EXPECT_EQ(doc->m_powerCurve.GetPeakPower(), expected["peak_hp"].at(0));
    }
    short code = 0;
    ASSERT_TRUE(doc->Validate(&code)) << "validation code " << code;
    ASSERT_TRUE(doc->RunSimulation(true, true));

    const CRaceResults& slip = doc->GetResults();
    EXPECT_NEAR(slip.elapsedTime, expected["et"].at(0), kTimeTolerance);
    EXPECT_NEAR(slip.trapSpeed, expected["trap_mph"].at(0), kSpeedTolerance);
    const char* const splits[] = {"split_60ft", "split_330ft", "split_660ft", "split_1000ft"};
    for (int row = 1; row <= 4; ++row) {
        if (expected[splits[row - 1]].empty()) continue;
        EXPECT_NEAR(slip.trackRows[row].time, expected[splits[row - 1]].at(0), kTimeTolerance)
            << splits[row - 1];
    }
}

INSTANTIATE_TEST_SUITE_P(Vehicles, ReferenceRaceTest,
                         ::testing::Values("jet2", "moto2", "points_syncro_conv", "preset9",
                                           "syncro_converter", "tailwind"));

}  // namespace

}  // namespace quillet
