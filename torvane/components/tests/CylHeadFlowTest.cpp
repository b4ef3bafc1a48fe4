#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/tests/ScratchFile.h"
#include "testing/ModalDriver.h"
#include "torvane/components/CylHeadFlow.h"
#include "torvane/document/tests/RefusedLoad.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

class CylHeadFlowTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    std::vector<std::string> SavedLines(CylHeadFlow& flow) {
        EXPECT_TRUE(flow.SaveToFile(file_.Path()));
        return file_.Lines();
    }

    CylHeadFlow flow_;
    ScratchFile file_{"flow_test.flw"};
};

TEST_F(CylHeadFlowTest, EveryPresetIsCompleteEightPointDataAt28InH2O) {
    for (int type = 1; type <= CylHeadFlow::kPresetCount; ++type) {
        flow_.LoadPreset(type);
        unsigned short code = 0;
        EXPECT_TRUE(flow_.Validate(code)) << "head " << type << " code " << code;
        EXPECT_EQ(flow_.GetNumPoints(), 8);
        EXPECT_STREQ(flow_.GetDescription(), CylHeadFlow::GetPresetName(type));
        EXPECT_FLOAT_EQ(flow_.intake.pressureDrop.GetValue(), 28.0f);
        EXPECT_FLOAT_EQ(flow_.exhaust.pressureDrop.GetValue(), 28.0f);
    }
}

TEST_F(CylHeadFlowTest, PresetRowsAsListed) {
    flow_.SetUnits(1);
    flow_.LoadPreset(14);
    EXPECT_EQ(flow_.GetUnits(), 1) << "the unit mode is restored";
    flow_.SetUnits(0);
    EXPECT_STREQ(flow_.GetDescription(), "4-Valve Head/Stock Ports And Valves");
    EXPECT_EQ(flow_.GetIntakeValvesPerPort(), 2);
    EXPECT_EQ(flow_.GetExhaustValvesPerPort(), 2);
    EXPECT_FLOAT_EQ(flow_.intake.lift[7].GetValue(), 0.46f);
    EXPECT_FLOAT_EQ(flow_.exhaust.lift[0].GetValue(), 0.06f);
    EXPECT_FLOAT_EQ(flow_.intake.airflow[7].GetValue(), 173.0f);
    EXPECT_FLOAT_EQ(flow_.exhaust.airflow[7].GetValue(), 143.0f);
    EXPECT_FLOAT_EQ(flow_.intake.testDiameter.GetValue(), 1.26f);

    flow_.LoadPreset(13);
    EXPECT_FLOAT_EQ(flow_.intake.lift[7].GetValue(), 0.9f);
    EXPECT_FLOAT_EQ(flow_.intake.airflow[0].GetValue(), 191.0f);
    EXPECT_FLOAT_EQ(flow_.exhaust.testDiameter.GetValue(), 1.9f);
    EXPECT_TRUE(flow_.GetNotes().IsEmpty());
}

TEST_F(CylHeadFlowTest, ResetGivesTheDefaultData) {
    flow_.LoadPreset(7);
    flow_.SetNotes("old");
    flow_.Reset();
    EXPECT_TRUE(flow_.GetDescription().IsEmpty());
    EXPECT_TRUE(flow_.GetNotes().IsEmpty());
    EXPECT_FLOAT_EQ(flow_.intake.testDiameter.GetValue(), 0.75f);
    EXPECT_FLOAT_EQ(flow_.exhaust.testDiameter.GetValue(), 0.5f);
    EXPECT_FLOAT_EQ(flow_.intake.pressureDrop.GetValue(), 1.0f);
    EXPECT_EQ(flow_.exhaust.valvesPerPort.GetValue(), 1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FLOAT_EQ(flow_.intake.lift[i].GetValue(), 0.05f * (i + 1));
        EXPECT_FLOAT_EQ(flow_.exhaust.airflow[i].GetValue(), 100.0f);
    }
}

TEST_F(CylHeadFlowTest, LiftFillContinuesTheStepWithinTheLimits) {
    flow_.SetNumPoints(10);
    flow_.intake.lift[0].SetValue(0.1f);
    flow_.intake.lift[1].SetValue(0.15f);
    ASSERT_TRUE(flow_.FillIntakeLifts(1));
    for (int i = 2; i < 10; ++i)
        EXPECT_NEAR(flow_.intake.lift[i].GetValue(), 0.05f * (i + 2), 1e-5f);
    EXPECT_NEAR(flow_.intake.lift[9].GetValue(), 0.55f, 1e-5f);

    flow_.exhaust.lift[5].SetValue(0.6f);
    flow_.exhaust.lift[6].SetValue(0.9f);
    ASSERT_TRUE(flow_.FillExhaustLifts(6));
    EXPECT_NEAR(flow_.exhaust.lift[7].GetValue(), 1.2f, 1e-5f);
    EXPECT_FLOAT_EQ(flow_.exhaust.lift[8].GetValue(), 1.5f);
    EXPECT_FLOAT_EQ(flow_.exhaust.lift[9].GetValue(), 1.5f);

    // Lifts typed out of order give no step: refused, nothing changes.
    flow_.intake.lift[4].SetValue(0.1f);
    EXPECT_FALSE(flow_.FillIntakeLifts(4));
    EXPECT_NEAR(flow_.intake.lift[5].GetValue(), 0.35f, 1e-5f);
}

TEST_F(CylHeadFlowTest, FillWorksInInchesWhateverTheUnits) {
    flow_.SetNumPoints(5);
    flow_.intake.lift[0].SetValue(0.1f);
    flow_.SetUnits(1);
    ASSERT_TRUE(flow_.FillIntakeLifts(0));
    EXPECT_EQ(flow_.GetUnits(), 1);
    EXPECT_NEAR(flow_.intake.lift[4].GetValue(), 12.7f, 1e-4f);
}

TEST_F(CylHeadFlowTest, FewerPointsClearThePointsBeyond) {
    flow_.SetNumPoints(10);
    flow_.Reset();
    flow_.SetNumPoints(6);
    for (int i = 6; i < 10; ++i) {
        EXPECT_FALSE(flow_.intake.lift[i].IsSet());
        EXPECT_FALSE(flow_.exhaust.airflow[i].IsSet());
    }
    flow_.SetNumPoints(10);
    EXPECT_FALSE(flow_.intake.lift[6].IsSet());
    EXPECT_TRUE(flow_.intake.lift[5].IsSet());

    flow_.SetNumPoints(7);
    flow_.FillNextPoint();
    EXPECT_TRUE(flow_.intake.airflow[6].IsValid());
    EXPECT_FLOAT_EQ(flow_.exhaust.airflow[6].GetValue(), 100.0f);
}

TEST_F(CylHeadFlowTest, ValidationOrderEndsWithTheLiftOrder) {
    flow_.Reset();
    unsigned short code = 0;
    EXPECT_FALSE(flow_.Validate(code));
    EXPECT_EQ(code, 61);
    flow_.SetDescription("  Ported heads  ");
    EXPECT_STREQ(flow_.GetDescription(), "Ported heads");

    // The second intake lift equals the first: 51, but only once every
    // field is valid.
    flow_.intake.lift[1].SetValue(flow_.intake.lift[0].GetValue());
    flow_.exhaust.valvesPerPort.Clear();
    flow_.exhaust.airflow[3].Clear();
    EXPECT_FALSE(flow_.Validate(code));
    EXPECT_EQ(code, 7);
    flow_.exhaust.valvesPerPort.SetValue(1);
    EXPECT_FALSE(flow_.Validate(code));
    EXPECT_EQ(code, 60);
    flow_.exhaust.airflow[3].SetValue(120);
    EXPECT_FALSE(flow_.Validate(code));
    EXPECT_EQ(code, 51);
    EXPECT_FALSE(flow_.ValidateIntakeLift(1, code));
    EXPECT_TRUE(flow_.ValidateIntakeLift(0, code));
    EXPECT_TRUE(flow_.ValidateExhaustLift(1, code));

    flow_.intake.lift[1].SetValue(0.1f);
    flow_.exhaust.lift[3].SetValue(0.01f);
    EXPECT_FALSE(flow_.Validate(code));
    EXPECT_EQ(code, 52);
}

TEST_F(CylHeadFlowTest, FileHoldsElevenPlusFourLinesAPointAndReadsBackEqual) {
    flow_.LoadPreset(10);
    flow_.SetNumPoints(9);
    flow_.FillIntakeLifts(7);
    flow_.FillExhaustLifts(7);
    flow_.FillNextPoint();
    flow_.SetDescription(("Ported " + std::string(1500, 'd')).c_str());
    flow_.SetNotes("Flowed on 28 inH2O\r\nwith a radiused inlet");
    const std::vector<std::string> lines = SavedLines(flow_);
    ASSERT_EQ(lines.size(), 11u + 4u * 9u);
    EXPECT_EQ(lines[0], "4.05");
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines[3], "9");
    EXPECT_EQ(lines[4], "1 2.190000");
    EXPECT_EQ(lines[6], "1 0.200000");  // first intake lift

    CylHeadFlow read;
    ASSERT_TRUE(read.LoadFromFile(file_.Path()));
    EXPECT_EQ(SavedLines(read), lines);
    EXPECT_STREQ(read.GetNotes(), "Flowed on 28 inH2O\r\nwith a radiused inlet");
    EXPECT_EQ(read.GetNumPoints(), 9);

    // Empty notes come back empty.
    flow_.SetNotes("");
    SavedLines(flow_);
    ASSERT_TRUE(read.LoadFromFile(file_.Path()));
    EXPECT_TRUE(read.GetNotes().IsEmpty());
}

TEST_F(CylHeadFlowTest, MetricDataIsSavedInInches) {
    flow_.LoadPreset(1);
    flow_.SetUnits(1);
    const std::vector<std::string> lines = SavedLines(flow_);
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines[4], "1 2.020000");
    EXPECT_EQ(flow_.GetUnits(), 1);
    EXPECT_NEAR(flow_.intake.testDiameter.GetValue(), 51.308f, 1e-3f);
}

TEST_F(CylHeadFlowTest, OlderVersionsLoadWithoutValveCountsAndNotes) {
    flow_.LoadPreset(14);
    std::vector<std::string> lines = SavedLines(flow_);
    lines.resize(lines.size() - 3);
    for (const char* version : {"3.10", "3.08", "3.07", "3.06", "3.05"}) {
        lines[0] = version;
        file_.WriteLines(lines);
        CylHeadFlow read;
        read.SetNotes("kept");
        ASSERT_TRUE(read.LoadFromFile(file_.Path())) << version;
        EXPECT_EQ(read.GetIntakeValvesPerPort(), 1) << version;
        EXPECT_STREQ(read.GetNotes(), "kept") << version;
        EXPECT_FLOAT_EQ(read.intake.lift[7].GetValue(), 0.46f) << version;
    }
}

TEST_F(CylHeadFlowTest, DamagedFilesAreRefusedWithTheirCode) {
    flow_.LoadPreset(2);
    const std::vector<std::string> good = SavedLines(flow_);
    const Damage damages[] = {
        {0, "5.00", 0, "Invalid File Version"},
        {2, "3", 0, "File Error"},
        {3, "11", 0, "File Error"},
        {3, "3", 0, "File Error"},
        {14, "1 800.0", 0, "File Error"},
        {-1, "", 40, "File Error"},
        {41, "4", 0, "File Error"},
    };
    for (const Damage& damage : damages) {
        const std::string text =
            RefusedLoadText(file_, Damaged(good, damage), damage.caption,
                            [](const char* path) { return CylHeadFlow().LoadFromFile(path); });
        EXPECT_FALSE(text.empty()) << damage.text;
    }
    EXPECT_EQ(RefusedLoadText(file_, Damaged(good, damages[0]), "Invalid File Version",
                              [](const char* path) { return CylHeadFlow().LoadFromFile(path); })
                  .rfind("The Airflow Data File", 0),
              0u);
}

// A file that fails part-way leaves the data as it was, its units included.
TEST_F(CylHeadFlowTest, ARefusedFileLeavesTheDataAsItWas) {
    flow_.LoadPreset(6);
    flow_.SetNotes("kept");
    flow_.SetUnits(1);
    const std::vector<std::string> before = SavedLines(flow_);
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(flow_.LoadFromFile(TestDataPath("flw-missing-notes.flw").c_str()));
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Unable to Read from the Selected File");
    EXPECT_EQ(flow_.GetUnits(), 1);
    EXPECT_EQ(SavedLines(flow_), before);
}

}  // namespace

}  // namespace torvane
