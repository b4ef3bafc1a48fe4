// The export command: its checks, the 8.3 target name, and the record of a
// run vehicle written field by field.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/tests/ScratchFile.h"
#include "quillet/document/SimInterface.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/exports/ExportRecord.h"
#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::ModalDriver;

namespace {

std::vector<uint8_t> FileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

float FloatAt(const std::vector<uint8_t>& bytes, int offset) {
    const uint32_t bits = bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                          static_cast<uint32_t>(bytes[offset + 3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int16_t Int16At(const std::vector<uint8_t>& bytes, int offset) {
    return static_cast<int16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::string CurrentFolder() {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

class ExportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_->SetAutoRun(false);
        ChooseStreetCar(*doc_);
        doc_->SetTitle("My Street Car.qlt");
    }
    // Runs the export command; returns the captions of the boxes it showed.
    std::vector<std::string> Export(const char* answerCaption = nullptr) {
        ModalDriver& driver = ModalDriver::Instance();
        driver.Reset();
        if (answerCaption != nullptr) driver.Answer(answerCaption, IDOK);
        Command(*doc_, kCmdExportFile);
        std::vector<std::string> captions;
        for (const auto& box : driver.Boxes()) captions.push_back(box.text);
        return captions;
    }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
};

TEST_F(ExportFileTest, TheRecordOfARunVehicle) {
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    ScratchFile file("quillet_export.qlt");
    ASSERT_TRUE(SimInterfaceWriteExportRecord(file.Path(), doc_.get()));
    const std::vector<uint8_t> bytes = FileBytes(file.Path());
    ASSERT_EQ(bytes.size(), 922u);
    const CRaceResults& results = doc_->GetResults();
    EXPECT_EQ(std::memcmp(bytes.data(), "KOVA/02.08.07/\0", 15), 0);
    EXPECT_EQ(Int16At(bytes, 50), -1);  // a clutch
    EXPECT_EQ(FloatAt(bytes, 162), 2.52f);
    EXPECT_EQ(FloatAt(bytes, 174), 1.0f);
    EXPECT_EQ(FloatAt(bytes, 178), 0.0f);  // a four-speed has no fifth gear
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[194]), "'69 Dodge Charger");
    EXPECT_EQ(FloatAt(bytes, 331), doc_->m_redline.GetValue());
    EXPECT_EQ(FloatAt(bytes, 339), 6.0f);
    EXPECT_EQ(FloatAt(bytes, 388), doc_->m_launchRpm.GetValue());
    EXPECT_EQ(FloatAt(bytes, 404), 4200.0f);  // the 4-5 shift of a four-speed
    EXPECT_EQ(FloatAt(bytes, 408), 0.0f);
    EXPECT_EQ(FloatAt(bytes, 740), results.elapsedTime + results.GetTrackRow(0).time);
    EXPECT_EQ(FloatAt(bytes, 760), results.GetTrackRow(0).time);
    EXPECT_EQ(FloatAt(bytes, 764), results.GetTrackRow(1).time);
    EXPECT_EQ(FloatAt(bytes, 776), results.GetTrackRow(4).time);
    EXPECT_EQ(Int16At(bytes, 796), static_cast<int16_t>(results.GetTrackRow(5).engineRpm));
    EXPECT_EQ(FloatAt(bytes, 798), results.timeInGear[0]);
    EXPECT_EQ(FloatAt(bytes, 810), results.timeInGear[3]);
}

TEST_F(ExportFileTest, TheRecordGoesUnderTheShortFormOfTheName) {
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    ScratchFile shortened("abcdefgh.qlt");
    host_.exportPath = CurrentFolder() + "\\abcdefghij.qlt";
    EXPECT_TRUE(Export().empty());
    EXPECT_EQ(host_.exportDefaultName, "My Stree.qlt");
    EXPECT_EQ(FileBytes(shortened.Path()).size(), 922u);
    // That name is now taken: a second long name that shortens to it is refused.
    host_.exportPath = CurrentFolder() + "\\abcdefghxyz.qlt";
    const std::vector<std::string> boxes = Export("File Export Error");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 52), "After converting the file name entered to the DOS 8 ");
}

TEST_F(ExportFileTest, ADifferentFileIsNeverOverwritten) {
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    ScratchFile own("mycar.qlt");
    own.WriteLines({"4.05", "a vehicle of the user's"});
    // "mycar.dat" would be written as "mycar.qlt".
    host_.exportPath = CurrentFolder() + "\\mycar.dat";
    ASSERT_EQ(Export("File Export Error").size(), 1u);
    EXPECT_EQ(own.Lines()[1], "a vehicle of the user's");
    // The chosen file itself was confirmed by the dialog: it is replaced.
    host_.exportPath = CurrentFolder() + "\\mycar.qlt";
    EXPECT_TRUE(Export().empty());
    EXPECT_EQ(FileBytes(own.Path()).size(), 922u);
}

TEST_F(ExportFileTest, ChecksComeBeforeAnyFile) {
    host_.exportPath = CurrentFolder() + "\\never.qlt";
    ScratchFile never("never.qlt");
    // No results yet.
    std::vector<std::string> boxes = Export("File Export Error");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 30), "Simulation results are missing");
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    Command(*doc_, kCmdUnitsMetric);
    boxes = Export("File Export Error");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 41), "File exporting requires that the units ar");
    Command(*doc_, kCmdUnitsEnglish);
    doc_->m_weight.Clear();
    boxes = Export("Incomplete Vehicle Data");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(FileBytes(never.Path()).empty());
    // A name with nothing to shorten is refused, not fatal.
    Command(*doc_, 33520);
    host_.exportPath = CurrentFolder() + "\\.qlt";
    EXPECT_EQ(Export("File Export Error").size(), 1u);
    // Cancel writes nothing and says nothing.
    host_.exportPath.clear();
    EXPECT_TRUE(Export().empty());
}

TEST_F(ExportFileTest, AWriteThatCannotOpenShowsItsCode) {
    ASSERT_TRUE(doc_->RunSimulation(true, true));
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(SimInterfaceWriteExportRecord("no-such-folder\\car.qlt", doc_.get()));
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Unable to Open the Selected File");
}

}  // namespace

}  // namespace quillet
