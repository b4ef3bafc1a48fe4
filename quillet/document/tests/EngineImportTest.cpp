// The import of an engine from an engine file, read by line position from
// files of version "3.08" and "4.05" written to the engine file's layout.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "common/tests/ScratchFile.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::ModalDriver;

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Line indexes (0-based) of the 4.05 test engine.
const size_t kBoreLine = 6;
const size_t kCylindersLine = 8;
const size_t kFlowPointsLine = 76;
const size_t kSecondTableFlagLine = 110;
const size_t kRowCountLine = 111;
const size_t kFirstRowLine = 112;
const int kTableRows = 19;

class EngineImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_->SetAutoRun(false);
        engine405_ = ReadLines(DataFile("engine-405.tvn"));
        ASSERT_EQ(engine405_.size(), 153u);
        ASSERT_EQ(engine405_[kRowCountLine], "19");
    }

    // Imports `lines` through a scratch file; returns the error box's text
    // (empty when the import succeeded).
    std::string Import(const std::vector<std::string>& lines, CQuilletDoc& doc) {
        file_.WriteLines(lines);
        return ImportFile(file_.Path(), doc);
    }
    std::string ImportFile(const std::string& path, CQuilletDoc& doc) {
        ModalDriver& driver = ModalDriver::Instance();
        driver.Reset();
        driver.Answer("", IDOK);
        const bool imported = doc.ImportEngineFile(path.c_str());
        const std::string text = driver.Boxes().empty() ? "" : driver.Boxes()[0].text;
        EXPECT_EQ(imported, text.empty());
        driver.Reset();
        return text;
    }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    std::vector<std::string> engine405_;
    ScratchFile file_{"quillet_engine.tvn"};
};

TEST_F(EngineImportTest, TheEngineOfAnEngineFile) {
    ASSERT_EQ(ImportFile(DataFile("engine-405.tvn"), *doc_), "");
    CQuilletDoc& doc = *doc_;
    EXPECT_EQ(std::string(doc.m_engineType.GetTypeName()), "Chevy 350");
    EXPECT_EQ(doc.m_engineType.GetValue(), kEngineTypeCustom);
    EXPECT_EQ(doc.m_engineClass.GetValue(), kEngineClassIC);
    EXPECT_NEAR(doc.m_displacement.GetValue(), 349.85f, 0.01f);
    const CPowerCurve& curve = doc.m_powerCurve;
    EXPECT_EQ(curve.GetEntryMode(), kEntryPeaks);
    ASSERT_EQ(curve.GetNumPoints(), 17);  // the two rows without power are left out
    EXPECT_EQ(curve.GetRpm(16), 10000.0f);
    EXPECT_EQ(curve.GetPeakPower(), 305.0f);
    EXPECT_EQ(curve.PeakPowerRpm().GetValue(), 6000.0f);
    EXPECT_NEAR(curve.GetTorque(0), 120.0f * 5252.0f / 2000.0f, 1e-3f);
}

TEST_F(EngineImportTest, Version308And405GiveTheSameEngine) {
    ASSERT_EQ(ImportFile(DataFile("engine-405.tvn"), *doc_), "");
    std::unique_ptr<CQuilletDoc> older = NewDoc();
    ASSERT_EQ(ImportFile(DataFile("engine-308.tvn"), *older), "");
    EXPECT_EQ(older->m_displacement.GetValue(), doc_->m_displacement.GetValue());
    EXPECT_EQ(std::string(older->m_engineType.GetTypeName()), "Chevy 350");
    ASSERT_EQ(older->m_powerCurve.GetNumPoints(), doc_->m_powerCurve.GetNumPoints());
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(older->m_powerCurve.GetRpm(i), doc_->m_powerCurve.GetRpm(i));
        EXPECT_EQ(older->m_powerCurve.GetTorque(i), doc_->m_powerCurve.GetTorque(i));
    }
}

TEST_F(EngineImportTest, ADefaultVehicleRunsWithTheImportedEngine) {
    ChooseStreetCarWithoutEngine(*doc_);
    doc_->SetAutoRun(true);
    host_.importPath = DataFile("engine-405.tvn");
    Command(*doc_, kCmdImportEngineFile);
    EXPECT_TRUE(doc_->IsModified());
    // The aggressive style follows the imported peak of 6000 rpm.
    EXPECT_FLOAT_EQ(doc_->m_redline.GetValue(), 6600.0f);
    EXPECT_FLOAT_EQ(doc_->m_launchRpm.GetValue(), 4200.0f);

    // Auto-run ran it over 1/4 mile.
    const CRaceResults first = doc_->GetResults();
    ASSERT_GT(first.sampleCount, 1000);
    EXPECT_GT(first.elapsedTime, 10.0f);
    EXPECT_LT(first.elapsedTime, 18.0f);
    EXPECT_GT(first.trapSpeed, 85.0f);
    for (int row = 1; row < kRaceTrackRowCount; ++row)
        EXPECT_GT(first.GetTrackRow(row).time, 0.0f) << row;
    for (int curve = kCurveTime; curve <= kCurveTyreDiameter; ++curve)
        EXPECT_NE(first.GetCurve(curve)[first.sampleCount / 2], 0.0f) << curve;
    for (int curve : {kCurveTime, kCurveDistance, kCurveSpeed, kCurveTorque, kCurvePower})
        EXPECT_GT(first.GetStepTable(curve)[22], 0.0f) << curve;

    ASSERT_TRUE(doc_->RunSimulation(true, true));
    EXPECT_EQ(std::memcmp(&first, &doc_->GetResults(), sizeof first), 0);
}

TEST_F(EngineImportTest, WithNitrousTheSecondTableIsTheEngine) {
    std::vector<std::string> lines = engine405_;
    lines[kSecondTableFlagLine] = "1";
    for (int i = 0; i < kTableRows; ++i) {
        const int rpm = 2000 + 500 * i;
        char row[64];
        snprintf(row, sizeof row, "%d %f %f", rpm, 400.0, 400.0 * 5252.0 / rpm);
        lines[kFirstRowLine + kTableRows + i] = row;
    }
    ASSERT_EQ(Import(lines, *doc_), "");
    ASSERT_EQ(doc_->m_powerCurve.GetNumPoints(), 19);
    EXPECT_EQ(doc_->m_powerCurve.GetPower(0), 400.0f);
    EXPECT_EQ(doc_->m_powerCurve.GetPower(18), 400.0f);
}

// Engine files written by the engine program itself (kept with its tests):
// the positional reader must find the block, bore, stroke, cylinders and the
// power table of the engine as described (the nitrous table when there is one).
TEST_F(EngineImportTest, FilesWrittenByTheEngineProgram) {
    struct Case {
        const char* file;
        size_t tableLine;  // 0-based line of the table's first row
    };
    const Case cases[] = {
        {"chevy350.tvn", 128},
        {"chevy350-nitrous-metric.tvn", 147},  // after the gasoline table's 19 rows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = std::string("..\\..\\..\\torvane\\document\\tests\\data\\") + c.file;
        const std::vector<std::string> lines = ReadLines(path);
        ASSERT_GT(lines.size(), c.tableLine + kTableRows);
        std::unique_ptr<CQuilletDoc> doc = NewDoc();
        doc->SetAutoRun(false);
        ASSERT_EQ(ImportFile(path, *doc), "");
        EXPECT_EQ(std::string(doc->m_engineType.GetTypeName()), "Chevy 350");
        EXPECT_NEAR(doc->m_displacement.GetValue(), 349.85f, 0.01f);
        // Rows without power are left out of the curve.
        const CPowerCurve& curve = doc->m_powerCurve;
        int point = 0;
        for (int row = 0; row < kTableRows; ++row) {
            float rpm = 0, power = 0, torque = 0;
            ASSERT_EQ(sscanf(lines[c.tableLine + row].c_str(), "%f %f %f", &rpm, &power, &torque), 3);
            if (power <= 0) continue;
            ASSERT_LT(point, curve.GetNumPoints());
            EXPECT_EQ(curve.GetRpm(point), rpm);
            EXPECT_NEAR(curve.GetPower(point), power, 1e-3f);
            ++point;
        }
        EXPECT_EQ(point, curve.GetNumPoints());
    }
}

TEST_F(EngineImportTest, ALongBlockNameIsTakenWhole) {
    std::vector<std::string> lines = engine405_;
    lines[4] = std::string(1500, 'b');
    lines[kFirstRowLine - 13] = std::string(1500, 'f');  // a long airflow note, skipped
    ASSERT_EQ(Import(lines, *doc_), "");
    EXPECT_EQ(std::string(doc_->m_engineType.GetTypeName()), lines[4]);
    EXPECT_EQ(doc_->m_powerCurve.GetNumPoints(), 17);
}

// A line far longer than any line of an engine file, even one the import
// only skips, is refused at once.
TEST_F(EngineImportTest, AnOverlongLineIsRefused) {
    for (size_t line : {kFirstRowLine - 13, kFirstRowLine + 3}) {
        std::vector<std::string> lines = engine405_;
        lines[line] = std::string(300000, '7');
        EXPECT_EQ(Import(lines, *doc_), "Unable to Read from the Selected File") << line;
        EXPECT_FALSE(doc_->m_engineType.IsSet()) << line;
    }
}

TEST_F(EngineImportTest, ALongTableKeepsItsFirst26Rows) {
    std::vector<std::string> lines(engine405_.begin(), engine405_.begin() + kRowCountLine);
    lines.push_back("30");
    for (int i = 0; i < 30; ++i) lines.push_back(std::to_string(1000 + 400 * i) + " 100.0 200.0");
    ASSERT_EQ(Import(lines, *doc_), "");
    EXPECT_EQ(doc_->m_powerCurve.GetNumPoints(), 26);
    EXPECT_EQ(doc_->m_powerCurve.GetRpm(25), 11000.0f);
}

TEST_F(EngineImportTest, ImportingIntoAJetMakesAPistonVehicle) {
    ChooseJetDragster(*doc_);
    ASSERT_EQ(ImportFile(DataFile("engine-405.tvn"), *doc_), "");
    EXPECT_FALSE(doc_->IsJet());
    EXPECT_FALSE(doc_->m_transmissionType.IsSet());
    EXPECT_FALSE(doc_->m_couplingType.IsSet());
    short code = 0;
    EXPECT_FALSE(doc_->Validate(&code));
    EXPECT_EQ(code, 14);  // a transmission, which a jet did not need
}

TEST_F(EngineImportTest, BadFilesAreRefusedAndTheEngineKept) {
    Command(*doc_, 33452);  // the street 350 preset
    const struct {
        size_t line;
        const char* text;
        const char* message;
    } cases[] = {
        {0, "3.07", "The Torvane File you have selected is an early version"},
        {kCylindersLine, "0", "The File you have selected contains an invalid value."},
        {kCylindersLine, "eight", "Unable to Read from the Selected File"},
        {kFlowPointsLine, "0", "The File you have selected contains an invalid value."},
        {kRowCountLine, "-1", "The File you have selected contains an invalid value."},
        {kFirstRowLine, "2000 120", "Unable to Read from the Selected File"},
        {kBoreLine, "1 40.000000", "Engine Volume Displacement Required"},
        {4, "", "The File you have selected contains an invalid value."},  // no block name
    };
    for (const auto& bad : cases) {
        std::vector<std::string> lines = engine405_;
        lines[bad.line] = bad.text;
        const std::string message = Import(lines, *doc_);
        EXPECT_EQ(message.substr(0, strlen(bad.message)), bad.message) << bad.text;
        EXPECT_EQ(std::string(doc_->m_engineType.GetTypeName()), "350ci V8--Street");
        EXPECT_EQ(doc_->m_powerCurve.GetPeakPower(), 271.0f);
    }
    // A table with a single usable row has no rpm column to run on.
    std::vector<std::string> lines(engine405_.begin(), engine405_.begin() + kRowCountLine);
    lines.insert(lines.end(), {"2", "3000 100.0 175.0", "3500 0.0 0.0"});
    EXPECT_EQ(Import(lines, *doc_), "A valid set of Power Curve-RPM values is Required");
    // Cut inside the tables.
    lines.assign(engine405_.begin(), engine405_.begin() + kFirstRowLine + 5);
    EXPECT_EQ(Import(lines, *doc_), "Unable to Read from the Selected File");
    EXPECT_EQ(ImportFile("no-such-engine.tvn", *doc_), "Unable to Open the Selected File");
}

TEST_F(EngineImportTest, AFailedImportChangesNothingElse) {
    ChooseStreetCar(*doc_);
    doc_->SetModifiedFlag(FALSE);
    const float redline = doc_->m_redline.GetValue();
    file_.WriteLines({"3.07"});
    host_.importPath = file_.Path();
    ModalDriver::Instance().Answer("Invalid File Version", IDOK);
    Command(*doc_, kCmdImportEngineFile);
    EXPECT_FALSE(doc_->IsModified());
    EXPECT_EQ(doc_->m_redline.GetValue(), redline);
    // Cancelling the file dialog changes nothing either.
    host_.importPath.clear();
    Command(*doc_, kCmdImportEngineFile);
    EXPECT_FALSE(doc_->IsModified());
}

}  // namespace

}  // namespace quillet
