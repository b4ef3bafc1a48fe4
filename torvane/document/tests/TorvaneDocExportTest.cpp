// The two game exports of an engine document: their checks, the names they
// are written under and their contents for a known engine.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/tests/ScratchFile.h"
#include "testing/ModalDriver.h"
#include "torvane/document/SimInterfaceExport.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/exports/tests/RecordBytes.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

using Lines = std::vector<std::string>;

const char kRecordDialog[] = "Export Engine to the Older Game Programs";
const char kTextDialog[] = "Export Engine to the Racing Game";

std::string CurrentFolder() {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

std::vector<unsigned char> FileBytes(const char* path) {
    std::vector<unsigned char> bytes;
    FILE* file = fopen(path, "rb");
    if (file == nullptr) return bytes;
    for (int ch = fgetc(file); ch != EOF; ch = fgetc(file))
        bytes.push_back(static_cast<unsigned char>(ch));
    fclose(file);
    return bytes;
}

std::string Row(float rpm, float power, float torque, float bmep) {
    char row[120];
    snprintf(row, sizeof row, "%.0f %f %f %f", rpm, power, torque, bmep);
    return row;
}

Lines TableOf(const CTorvaneDoc& doc) {
    Lines rows;
    for (int i = 0; i < kResultPointCount; ++i)
        rows.push_back(Row(doc.GetRpmPoint(i), doc.GetPowerPoint(i), doc.GetTorquePoint(i),
                           doc.GetBmepPoint(i)));
    return rows;
}

class TorvaneDocExportTest : public TorvaneDocTest {
protected:
    // The Chevy small block, run: it fits what the older games model.
    void BuildExportable(CTorvaneDoc& doc) {
        BuildChevy350(doc);
        doc.SetAutoRun(false);
        ASSERT_TRUE(doc.RunSimulation(true, true));
    }

    // Answers the next save dialog titled `title` with `name` in the
    // current folder (Cancel for null).
    void AnswerSaveDialog(const char* title, const char* name) {
        ModalDriver::Instance().Handle(title, [name](HWND box) {
            if (name == nullptr) {
                ModalDriver::PressButton(box, IDCANCEL);
                return;
            }
            const std::string path = CurrentFolder() + "\\" + name;
            SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(path.c_str()));
            ModalDriver::PressButton(box, IDOK);
        });
    }

    // The texts of the boxes shown (the save dialogs have none).
    Lines BoxTexts() const {
        Lines texts;
        for (const auto& box : ModalDriver::Instance().Boxes())
            if (!box.text.empty()) texts.push_back(box.text);
        return texts;
    }
};

TEST_F(TorvaneDocExportTest, TheRecordChecksComeInTheirOrder) {
    const struct {
        std::function<void(CTorvaneDoc&)> change;
        const char* caption;
        const char* textStart;
    } cases[] = {
        {[](CTorvaneDoc& d) { d.bore.Clear(); }, "Incomplete Engine", "Valid Bore value"},
        {[](CTorvaneDoc& d) { d.SetUnitsMode(1); }, "File Export Error",
         "File exporting requires that the units"},
        {[](CTorvaneDoc& d) { d.ClearResults(); }, "File Export Error",
         "Simulation results are missing"},
        // Automatic valve sizes (80) is found before the pressure drop (81).
        {[](CTorvaneDoc& d) {
             d.SetAutoValveSizes(true);
             d.pressureDrop.SetValue(3.0f);
         },
         "File Export Error", "The Auto Calculate Valve Sizes"},
        {[](CTorvaneDoc& d) { d.cam.SetAutoValveLift(true); }, "File Export Error",
         "The Auto Calculate"},
        {[](CTorvaneDoc& d) { d.pressureDrop.SetValue(2.0f); }, "File Export Error",
         "Incompatible induction"},
        {[](CTorvaneDoc& d) { d.cylinderHeadType.SetType(17, "My Head"); }, "File Export Error",
         "Custom airflow data"},
        {[](CTorvaneDoc& d) {
             d.cylinderHeadType.SetType(15, "4-Valve Head");
             d.intakeValvesPerCylinder.SetValue(2);
         },
         "File Export Error", "File exporting requires that for 4 valve heads"},
        {[](CTorvaneDoc& d) { d.exhaustValvesPerCylinder.SetValue(2); }, "File Export Error",
         "File exporting requires that for 2 valve heads"},
        {[](CTorvaneDoc& d) {
             SendCommand(d, 33516);  // "Forced Induction" manifold
             SendCommand(d, 32999);  // a Paxton blower
         },
         "File Export Error", "Forced Induction specified"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textStart);
        CTorvaneDoc doc;
        BuildExportable(doc);
        c.change(doc);
        ModalDriver& driver = ModalDriver::Instance();
        driver.Reset();
        driver.Answer(c.caption, IDOK);
        SimInterfaceExportGameFile(&doc);  // no dialog: it would be unscripted
        ASSERT_EQ(1u, driver.Boxes().size());
        EXPECT_EQ(c.caption, driver.Boxes()[0].caption);
        EXPECT_EQ(0u, driver.Boxes()[0].text.find(c.textStart)) << driver.Boxes()[0].text;
    }
}

TEST_F(TorvaneDocExportTest, TheRecordOfAKnownEngine) {
    CTorvaneDoc doc;
    BuildExportable(doc);
    ScratchFile file("torvane_export_test.tvn");
    ASSERT_TRUE(SimInterfaceWriteGameRecord(file.Path(), &doc));
    const std::vector<unsigned char> bytes = FileBytes(file.Path());
    ASSERT_EQ(815u, bytes.size());
    EXPECT_EQ(0, std::memcmp(bytes.data(), "KMRQ/02.08.07/M \0", 17));
    EXPECT_STREQ("Stock Street/Economy", reinterpret_cast<const char*>(&bytes[32]));
    EXPECT_STREQ("Chevy 350", reinterpret_cast<const char*>(&bytes[82]));
    EXPECT_EQ(doc.manifoldType.GetValue(), Int16At(bytes.data(), 109));
    EXPECT_EQ(4, Int16At(bytes.data(), 113));  // "Wedge/Stock Ports And Valves"
    EXPECT_EQ(4.0f, FloatAt(bytes.data(), 127));
    EXPECT_EQ(3.48f, FloatAt(bytes.data(), 131));
    EXPECT_EQ(8, Int16At(bytes.data(), 135));
    EXPECT_EQ(2.02f, FloatAt(bytes.data(), 137));
    EXPECT_EQ(600, Int16At(bytes.data(), 149));
    EXPECT_EQ(4, Int16At(bytes.data(), 151));  // 1.5 inHg: a four-barrel rating
    EXPECT_EQ(doc.cam.primary.evo.GetValue(), FloatAt(bytes.data(), 153));
    EXPECT_EQ(doc.cam.primary.ivc.GetValue(), FloatAt(bytes.data(), 165));
    for (int i = 0; i < kResultPointCount; ++i) {
        EXPECT_EQ(doc.GetPowerPoint(i), FloatAt(bytes.data(), 179 + 4 * i));
        EXPECT_EQ(doc.GetManifoldPressurePoint(i), FloatAt(bytes.data(), 331 + 4 * i));
        EXPECT_EQ(doc.GetCurve8Point(i), FloatAt(bytes.data(), 635 + 4 * i));
    }
    EXPECT_EQ(2, Int16At(bytes.data(), 711));  // no calculator data
    for (size_t i = 717; i < 745; ++i) EXPECT_EQ(0, bytes[i]) << i;
    EXPECT_EQ(1, Int16At(bytes.data(), 715));  // gasoline
}

TEST_F(TorvaneDocExportTest, TheRecordGoesUnderThe83NameOfTheChosenFile) {
    CTorvaneDoc doc;
    BuildExportable(doc);
    doc.SetTitle("Street.350.tvn");
    ScratchFile written("My Big B.tvn");
    AnswerSaveDialog(kRecordDialog, "My Big Block Engine.tvn");
    SimInterfaceExportGameFile(&doc);
    EXPECT_EQ(815u, FileBytes(written.Path()).size());

    // The same choice again: the short name is taken by the last export.
    ModalDriver::Instance().Reset();
    AnswerSaveDialog(kRecordDialog, "My Big Block Engine.tvn");
    ModalDriver::Instance().Answer("File Export Error", IDOK);
    SimInterfaceExportGameFile(&doc);
    EXPECT_EQ(0u, BoxTexts().at(0).find("After converting the file name entered"));
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());

    // Cancel writes nothing.
    ModalDriver::Instance().Reset();
    ScratchFile other("Other.tvn");
    AnswerSaveDialog(kRecordDialog, nullptr);
    SimInterfaceExportGameFile(&doc);
    EXPECT_TRUE(FileBytes(other.Path()).empty());
}

TEST_F(TorvaneDocExportTest, TheTextFileHoldsTheGasolineAndTheNitrousTables) {
    CTorvaneDoc gasoline;
    BuildExportable(gasoline);
    gasoline.SetUnitsMode(1);
    ASSERT_TRUE(gasoline.RunSimulation(true, true));

    CTorvaneDoc doc;
    BuildExportable(doc);
    doc.nitrousFlowRate.SetValue(5.0f);
    doc.SetUnitsMode(1);
    ScratchFile file("torvane_export_test.gme");
    ASSERT_TRUE(doc.WriteTextExport(file.Path()));
    const Lines lines = file.Lines();
    ASSERT_EQ(46u, lines.size());
    EXPECT_EQ(Lines({"VER: 4.05", "NAME: Chevy 350", "BORE: 4.000000", "STROKE: 3.480000",
                     "NUMCYL: 8", "NITROUS: 1", "NUMDATA: 19", "DATA:"}),
              Lines(lines.begin(), lines.begin() + 8));
    EXPECT_EQ(TableOf(gasoline), Lines(lines.begin() + 8, lines.begin() + 27));
    // The document keeps its units, fuel and nitrous, and has the results of
    // the engine as described.
    EXPECT_EQ(1, doc.GetUnitsMode());
    EXPECT_EQ("Gasoline", std::string(doc.fuelType.GetTypeName()));
    EXPECT_EQ(5.0f, doc.nitrousFlowRate.GetValue());
    EXPECT_EQ(TableOf(doc), Lines(lines.begin() + 27, lines.end()));
    EXPECT_NE(TableOf(gasoline), TableOf(doc));
}

TEST_F(TorvaneDocExportTest, TheTextExportChecksAndNames) {
    ModalDriver& driver = ModalDriver::Instance();
    CTorvaneDoc incomplete;
    driver.Answer("Incomplete Engine", IDOK);
    incomplete.OnExportGameFile();

    CTorvaneDoc doc;
    BuildExportable(doc);
    doc.ClearResults();
    driver.Answer("File Export Error", IDOK);
    doc.OnExportGameFile();
    ASSERT_EQ(2u, BoxTexts().size());
    EXPECT_EQ(0u, BoxTexts()[1].find("Simulation results are missing"));

    ASSERT_TRUE(doc.RunSimulation(true, true));
    ScratchFile written("Saturday.gme");
    AnswerSaveDialog(kTextDialog, "Saturday Night Special");
    doc.OnExportGameFile();
    EXPECT_EQ(46u, written.Lines().size());

    // A typed name with nothing before its dot has no 8.3 form.
    driver.Reset();
    AnswerSaveDialog(kTextDialog, ".gme");
    driver.Answer("File Error", IDOK);
    doc.OnExportGameFile();
    ASSERT_EQ(1u, BoxTexts().size());
    EXPECT_EQ("Unable to Open the Selected File", BoxTexts()[0]);
}

TEST_F(TorvaneDocExportTest, AFailedRunWritesNoTextFile) {
    CTorvaneDoc doc;
    BuildExportable(doc);
    doc.bore.Clear();  // the runs fail validation
    ScratchFile file("torvane_export_failed.gme");
    ModalDriver::Instance().Answer("Simulation Run Time Error", IDOK);
    EXPECT_FALSE(doc.WriteTextExport(file.Path()));
    EXPECT_TRUE(file.Lines().empty());
}

}  // namespace

}  // namespace torvane
