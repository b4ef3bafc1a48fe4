// The engine file: its lines and their positions, round trips in both unit
// systems, the nitrous tables, older versions, damaged files and failed
// writes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/tests/FieldTestSupport.h"
#include "common/tests/ScratchFile.h"
#include "testing/ModalDriver.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

using Lines = std::vector<std::string>;

// What a user can see of a document: every field as shown, the switches
// and the units; with `curves`, the curves to the last bit too.
Lines State(CTorvaneDoc& doc, bool curves = true) {
    Cam& cam = doc.cam;
    const CSimSpec* fields[] = {
        &doc.shortBlockType,
        &doc.bore,
        &doc.stroke,
        &doc.cylinders,
        &doc.cylinderVolume,
        &doc.totalBlockVolume,
        &doc.cylinderHeadType,
        &doc.airflowFile,
        &doc.intakeValvesPerCylinder,
        &doc.exhaustValvesPerCylinder,
        &doc.intakeValveDiameter,
        &doc.exhaustValveDiameter,
        &doc.compressionRatio,
        &doc.combustionSpace,
        &doc.inductionFlow,
        &doc.pressureDrop,
        &doc.manifoldType,
        &doc.fuelType,
        &doc.nitrousFlowRate,
        &doc.forcedInductionType,
        &doc.blowerFlowRate,
        &doc.blowerPressureRatio,
        &doc.blowerEfficiency,
        &doc.blowerRpm,
        &doc.blowerSurgeFlowRate,
        &doc.blowerInternalGearRatio,
        &doc.blowerBeltGearRatio,
        &doc.blowerBoostLimit,
        &doc.intercoolerEfficiency,
        &doc.exhaustSystem,
        &doc.camDataFile,
        &doc.chamberVolume,
        &doc.gasketBore,
        &doc.gasketThickness,
        &doc.pistonDistance,
        &doc.pistonDeckVolume,
        &doc.gasketVolume,
        &doc.deckVolume,
        &doc.notes,
        &cam.camshaftType,
        &cam.lifterType,
        &cam.advance,
        &cam.intakeLift,
        &cam.exhaustLift,
        &cam.primary.ivo,
        &cam.primary.evc,
        &cam.rampRate,
        &doc.headFlow.intake.airflow[7],
    };
    Lines state;
    for (const CSimSpec* field : fields) state.push_back(Shown(*field));
    state.push_back(std::to_string(doc.GetUnitsMode()) + std::to_string(doc.GetPistonMethod()) +
                    std::to_string(doc.IsCompressionCalculatorUsed()) +
                    std::to_string(doc.IsAutoRun()) + std::to_string(doc.IsAutoValveSizes()));
    if (!curves) return state;
    for (int type = 1; type <= kResultCurveCount; ++type) {
        std::string curve;
        for (int i = 0; i < kResultPointCount; ++i)
            curve += std::to_string(doc.GetCurvePoint(type, i)) + " ";
        state.push_back(curve);
    }
    return state;
}

// Equal lists, or the first few differing entries named.
void ExpectSameLines(const Lines& expected, const Lines& actual) {
    EXPECT_EQ(expected.size(), actual.size());
    int reported = 0;
    for (size_t i = 0; i < expected.size() && i < actual.size() && reported < 5; ++i) {
        if (expected[i] == actual[i]) continue;
        ADD_FAILURE() << "entry " << i << ": \"" << expected[i] << "\" != \"" << actual[i] << "\"";
        ++reported;
    }
}

// A row of a result table ("rpm power torque") as its layout: the speed,
// then each value as runs of digits around its point, whatever the value.
// Other lines stand for themselves.
std::string Layout(const std::string& line) {
    int rpm = 0;
    float power = 0, torque = 0;
    char end = 0;
    if (sscanf(line.c_str(), "%d %f %f%c", &rpm, &power, &torque, &end) != 3) return line;
    std::string layout = std::to_string(rpm);
    bool digits = false;
    for (char c : line.substr(layout.size())) {
        if (c == '-') continue;
        const bool digit = c >= '0' && c <= '9';
        if (!(digit && digits)) layout += digit ? 'd' : c;
        digits = digit;
    }
    return layout;
}

// The same lines, with the result tables compared by their layout: the
// numbers of a run are the reference tests' concern.
void ExpectSameLayout(const Lines& expected, const Lines& actual) {
    Lines expectedLayout, actualLayout;
    for (const std::string& line : expected) expectedLayout.push_back(Layout(line));
    for (const std::string& line : actual) actualLayout.push_back(Layout(line));
    ExpectSameLines(expectedLayout, actualLayout);
}

Lines FileLines(const char* path) {
    Lines lines;
    FILE* file = fopen(path, "rt");
    if (file == nullptr) return lines;
    char line[1024];
    while (fgets(line, sizeof line, file) != nullptr) {
        line[strcspn(line, "\n")] = '\0';
        lines.push_back(line);
    }
    fclose(file);
    return lines;
}

Lines Slice(const Lines& lines, int firstLine, int lastLine) {
    return Lines(lines.begin() + (firstLine - 1), lines.begin() + lastLine);
}

// The drag-race program's positional reader of engine files: the block's
// name line, bore line and cylinder line, and the power table it takes.
struct ImportedEngine {
    std::string blockName, bore, cylinders;
    Lines table;
};

ImportedEngine ImportByPosition(const Lines& lines) {
    size_t at = 0;
    auto skip = [&at](size_t count) { at += count; };
    const bool current = lines[at] == "4.05";
    skip(4);
    ImportedEngine engine;
    engine.blockName = lines[at];
    engine.bore = lines[at + 2];
    engine.cylinders = lines[at + 4];
    skip(5);
    skip(46);
    if (current) skip(16);
    skip(5);
    const size_t points = std::stoul(lines[at++]);
    skip(2 + points * 2 + 2 + points * 2);
    if (current) skip(3);
    skip(10);
    const bool second = lines[at++] != "0";
    const size_t rows = std::stoul(lines[at++]);
    if (second) skip(rows);
    engine.table = Lines(lines.begin() + at, lines.begin() + at + rows);
    return engine;
}

Lines TableOf(const CTorvaneDoc& doc) {
    Lines rows;
    for (int i = 0; i < kResultPointCount; ++i) {
        char row[100];
        snprintf(row, sizeof row, "%.0f %f %f", doc.GetRpmPoint(i), doc.GetPowerPoint(i),
                 doc.GetTorquePoint(i));
        rows.push_back(row);
    }
    return rows;
}

class TorvaneDocFileTest : public TorvaneDocTest {
protected:
    Lines Saved(CTorvaneDoc& doc) {
        EXPECT_TRUE(doc.WriteEngineFile(file_.Path()));
        return file_.Lines();
    }

    // Reads `lines` into `doc`, expecting the file to be refused with one
    // box captioned `caption`; returns whether it was.
    bool Refused(CTorvaneDoc& doc, const Lines& lines, const char* caption) {
        file_.WriteLines(lines);
        ModalDriver& driver = ModalDriver::Instance();
        driver.Reset();
        driver.Answer(caption, IDOK);
        const bool read = doc.ReadEngineFile(file_.Path());
        EXPECT_EQ(1u, driver.Boxes().size());
        return !read && driver.Boxes().size() == 1 && driver.Boxes()[0].caption == caption;
    }

    // The Chevy small block run with a nitrous flow rate, in a unit system.
    void BuildRunChevy(CTorvaneDoc& doc, float nitrous, int units) {
        BuildChevy350(doc);
        doc.SetAutoRun(false);
        doc.nitrousFlowRate.SetValue(nitrous);
        doc.SetUnitsMode(units);
        ASSERT_TRUE(doc.RunSimulation(true, true));
    }

    // A Chevy small block with every part of the file in use: a blower, the
    // compression calculator, both file fields, cam texts, notes and graph
    // settings.
    void BuildFullEngine(CTorvaneDoc& doc) {
        BuildPaxtonChevy350(doc);
        SendCommand(doc, 33315);  // intercooler 50 %
        doc.SetAutoRun(false);
        doc.SetAutoValveSizes(true);
        doc.SetCompressionCalculatorUsed(true);
        doc.SetPistonMethod(1);
        doc.chamberVolume.SetValue(64.0f);
        doc.gasketBore.SetValue(4.1f);
        doc.gasketThickness.SetValue(0.041f);
        doc.pistonDistance.SetValue(0.125f);
        doc.pistonDeckVolume.SetValue(5.5f);
        doc.gasketVolume.SetValue(8.87f);
        doc.deckVolume.SetValue(-6.25f);
        doc.combustionSpace.SetValue(79.62f);
        doc.camDataFile.ParseAndSet("C:\\Torvane\\CamFiles (.CAM)\\street.cam", false);
        doc.airflowFile.ParseAndSet("C:\\Torvane\\FlowFiles (.FLW)\\wedge.flw", false);
        doc.cam.SetText(0, "Grind 268H");
        doc.cam.SetText(7, "two\nlines");
        doc.notes.ParseAndSet("  Street engine\nfor the Saturday night\n\n", false);
        ChartSettings& first = doc.GetChartSettings(kFirstChartView);
        first.mode = kChartCombine;
        first.y.Select(18, 3);
        first.zones.preset = kPistonSpeedZonePreset;
        first.zones.zoneCount = 6;
        first.zones.enabled = true;
        first.zones.zones[2].SetMin(2000.0f);
        first.zones.zones[2].SetColor(0xBDF3FF);
        doc.GetChartSettings(kSecondChartView).y2.Select(0, 0);
        doc.RecomputeDerived();
        ASSERT_TRUE(doc.RunSimulation(true, true));
    }

    ScratchFile file_{"torvane_doc_file_test.tvn"};
};

TEST_F(TorvaneDocFileTest, LinesStandWhereTheDragRaceReaderLooksForThem) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    ASSERT_TRUE(doc.RunSimulation(true, true));
    const Lines lines = Saved(doc);
    EXPECT_EQ(Lines({"4.05", "0", "0", "1", "Chevy 350", "36", "1 4.000000", "1 3.480000", "8"}),
              Slice(lines, 1, 9));
    EXPECT_EQ("4.05", lines[39]);                          // the cam block, lines 40-71
    EXPECT_EQ(Lines({"0", "***"}), Slice(lines, 72, 73));  // the airflow file field
    EXPECT_EQ("4.05", lines[73]);                          // the flow block, lines 74-116
    EXPECT_EQ("8", lines[76]);
    EXPECT_EQ(Lines({"0", "19"}), Slice(lines, 127, 128));
    EXPECT_EQ(TableOf(doc), Slice(lines, 129, 147));
    EXPECT_EQ(TableOf(doc), Slice(lines, 148, 166));
    EXPECT_EQ(Lines({"0 3", "***"}), Slice(lines, 167, 168));  // notes not set
    // Two graph blocks of 11 lines end the file.
    ASSERT_EQ(168u + 22u, lines.size());
    EXPECT_EQ(Lines({"1", "1 3", "4 0", "5 0"}), Slice(lines, 169, 172));
    EXPECT_EQ(Lines({"1", "1 3", "2 2", "3 2"}), Slice(lines, 180, 183));

    const ImportedEngine imported = ImportByPosition(lines);
    EXPECT_EQ("Chevy 350", imported.blockName);
    EXPECT_EQ("1 4.000000", imported.bore);
    EXPECT_EQ("8", imported.cylinders);
    EXPECT_EQ(TableOf(doc), imported.table);
}

TEST_F(TorvaneDocFileTest, AFullEngineReadsBackEqualInBothUnitSystems) {
    for (int units : {0, 1}) {
        SCOPED_TRACE(units);
        CTorvaneDoc doc;
        BuildFullEngine(doc);
        doc.SetUnitsMode(units);
        const Lines state = State(doc);
        const Lines lines = Saved(doc);
        ExpectSameLines(state, State(doc));  // writing changes nothing
        EXPECT_EQ(std::to_string(units), lines[1]);
        EXPECT_EQ("1 4.000000", lines[6]);  // English values whatever is shown

        CTorvaneDoc read;
        ASSERT_TRUE(read.OnOpenDocument(file_.Path()));
        EXPECT_EQ(units, read.GetUnitsMode());
        EXPECT_FALSE(read.HasResults());  // results are never read, and "Auto Run" is off
        ASSERT_TRUE(read.RunSimulation(true, true));
        EXPECT_EQ("two\nlines", std::string(read.cam.GetText(7)));
        const Lines again = Saved(read);
        if (units == 0) {
            ExpectSameLines(state, State(read));
            ExpectSameLines(lines, again);
        } else {
            // Values shown in mm went through inches and back: the same as
            // shown, with the runs equal to float precision.
            ExpectSameLines(State(doc, false), State(read, false));
            for (int type = 1; type <= kResultCurveCount; ++type)
                for (int i = 0; i < kResultPointCount; ++i)
                    EXPECT_NEAR(doc.GetCurvePoint(type, i), read.GetCurvePoint(type, i),
                                1e-4f * (1.0f + std::fabs(doc.GetCurvePoint(type, i))));
            Lines withoutTables = lines, againWithoutTables = again;
            for (Lines* file : {&withoutTables, &againWithoutTables})
                file->erase(file->begin() + 128, file->begin() + 166);
            ExpectSameLines(withoutTables, againWithoutTables);
        }
        const ChartSettings& first = read.GetChartSettings(kFirstChartView);
        EXPECT_EQ(kChartCombine, first.mode);
        EXPECT_EQ(18, first.y.curveIndex);
        EXPECT_EQ(0xBDF3FF, first.zones.zones[2].GetColor());
        EXPECT_EQ(0, read.GetChartSettings(kSecondChartView).y2.curveIndex);
    }
}

TEST_F(TorvaneDocFileTest, WithNitrousTheFirstTableIsTheEngineOnGasoline) {
    CTorvaneDoc plain;
    BuildRunChevy(plain, 0.0f, 1);
    const Lines gasolineTable = TableOf(plain);

    CTorvaneDoc doc;
    BuildRunChevy(doc, 5.0f, 1);
    const Lines state = State(doc);
    const Lines lines = Saved(doc);
    EXPECT_EQ("1", lines[126]);
    EXPECT_EQ(gasolineTable, Slice(lines, 129, 147));
    EXPECT_EQ(TableOf(doc), Slice(lines, 148, 166));
    EXPECT_NE(gasolineTable, TableOf(doc));
    // Fuel, nitrous, units and the nitrous results are the document's still.
    ExpectSameLines(state, State(doc));
    EXPECT_EQ(TableOf(doc), ImportByPosition(lines).table);
}

TEST_F(TorvaneDocFileTest, ADocumentSavedWithoutResultsWritesZeroTables) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    doc.ClearResults();
    ModalDriver& driver = ModalDriver::Instance();
    driver.Answer("Warning!", IDCANCEL);  // confirmation 204
    EXPECT_FALSE(doc.OnSaveDocument(file_.Path()));
    EXPECT_TRUE(file_.Lines().empty());

    driver.Answer("Warning!", IDOK);
    doc.SetModifiedFlag(TRUE);
    EXPECT_TRUE(doc.OnSaveDocument(file_.Path()));
    EXPECT_FALSE(doc.IsModified());
    const Lines lines = file_.Lines();
    EXPECT_EQ("0 0.000000 0.000000", lines[128]);
    EXPECT_EQ("0 0.000000 0.000000", lines[165]);
    EXPECT_EQ(2u, driver.Boxes().size());

    CTorvaneDoc incomplete;
    driver.Answer("Incomplete Engine", IDOK);
    EXPECT_FALSE(incomplete.OnSaveDocument(file_.Path()));
}

TEST_F(TorvaneDocFileTest, OpeningTakesTheEngineAndRunsIt) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    ASSERT_TRUE(doc.RunSimulation(true, true));
    const Lines lines = Saved(doc);

    CTorvaneDoc opened;
    opened.SetModifiedFlag(TRUE);
    ASSERT_TRUE(opened.OnOpenDocument(file_.Path()));
    EXPECT_FALSE(opened.IsModified());
    EXPECT_NEAR(349.85f, opened.totalBlockVolume.GetValue(), 0.01f);  // derived again
    EXPECT_EQ(TableOf(doc), TableOf(opened));                         // "Auto Run"
}

TEST_F(TorvaneDocFileTest, OlderVersionsReadWhatTheyHold) {
    CTorvaneDoc doc;
    BuildFullEngine(doc);
    const Lines current = Saved(doc);
    // Older files: their own version in the cam and flow blocks, a cam block
    // of 16 lines and a flow block without valve counts and notes.
    Lines older = current;
    older[0] = older[39] = older[73] = "3.08";
    older.erase(older.begin() + 113, older.begin() + 116);
    older.erase(older.begin() + 55, older.begin() + 71);
    older.resize(166 - 16 - 3);

    CTorvaneDoc read;
    read.notes.ParseAndSet("kept", false);
    read.GetChartSettings(kSecondChartView).mode = kChartCombine;
    file_.WriteLines(older);
    ASSERT_TRUE(read.ReadEngineFile(file_.Path()));
    EXPECT_EQ(Shown(doc.bore), Shown(read.bore));
    EXPECT_EQ(Shown(doc.pistonDistance), Shown(read.pistonDistance));
    EXPECT_EQ("kept", Shown(read.notes));  // a 3.08 file has no notes
    EXPECT_EQ(kChartCombine, read.GetChartSettings(kSecondChartView).mode);
    EXPECT_EQ(TableOf(doc), ImportByPosition(older).table);

    older[0] = older[39] = older[73 - 16] = "3.07";
    older.resize(116 - 16 - 3);  // no calculator data, no tables
    CTorvaneDoc basic;
    file_.WriteLines(older);
    ASSERT_TRUE(basic.ReadEngineFile(file_.Path()));
    EXPECT_EQ(Shown(doc.blowerRpm), Shown(basic.blowerRpm));
    EXPECT_FALSE(basic.pistonDistance.IsSet());
    EXPECT_EQ(2, basic.GetPistonMethod());  // the document's default limits
    EXPECT_TRUE(basic.pistonDistance.IsInRange(-0.5f));
}

TEST_F(TorvaneDocFileTest, VersionLinesAreTrimmedAndCompared) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    Lines lines = Saved(doc);
    lines[0] = " 4.05 ";
    file_.WriteLines(lines);
    CTorvaneDoc read;
    EXPECT_TRUE(read.ReadEngineFile(file_.Path()));
    lines[0] = "4.06";
    EXPECT_TRUE(Refused(read, lines, "Invalid File Version"));
}

TEST_F(TorvaneDocFileTest, NoForcedInductionLeavesTheBlowerValuesUnset) {
    CTorvaneDoc doc;
    BuildChevy350(doc);
    Lines lines = Saved(doc);
    const char* blower[] = {"1 500.000000",   "1 2.000000",   "1 70.000000",
                            "1 30000.000000", "1 300.000000", "1 3.000000",
                            "1 1.500000",     "1 12.000000",  "1 60.000000"};
    for (int i = 0; i < 9; ++i) lines[26 + i] = blower[i];  // lines 27-35
    file_.WriteLines(lines);
    CTorvaneDoc read;
    ASSERT_TRUE(read.ReadEngineFile(file_.Path()));
    for (const CFloatPtSpec* field :
         {&read.blowerFlowRate, &read.blowerPressureRatio, &read.blowerEfficiency, &read.blowerRpm,
          &read.blowerSurgeFlowRate, &read.blowerInternalGearRatio, &read.blowerBeltGearRatio,
          &read.blowerBoostLimit, &read.intercoolerEfficiency})
        EXPECT_FALSE(field->IsSet()) << field->GetName();
}

TEST_F(TorvaneDocFileTest, DamagedFilesAreRefusedAndTheDocumentKept) {
    CTorvaneDoc chevy;
    BuildChevy350(chevy);
    ASSERT_TRUE(chevy.RunSimulation(true, true));
    const Lines good = Saved(chevy);
    struct Damage {
        int line;  // 1-based; the file is cut before it when text is null
        const char* text;
        const char* caption;
        const char* why;
    };
    const Damage damages[] = {
        {2, "2", "File Error", "units mode"},
        {7, "1 9.000000", "File Error", "bore beyond its limits"},
        {7, "x", "File Error", "no number"},
        {118, "3", "File Error", "piston measurement method"},
        {128, "0", "File Error", "no table rows"},
        {140, nullptr, "File Error", "cut inside the tables"},
        {150, "2500 1.0", "File Error", "a short table row"},
        {169, "2", "File Error", "graph mode"},
        {175, nullptr, "File Error", "cut inside the graph settings"},
        {1, "3.04", "Invalid File Version", "version"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.why);
        Lines lines = good;
        if (damage.text == nullptr) {
            lines.resize(static_cast<size_t>(damage.line - 1));
        } else {
            lines[static_cast<size_t>(damage.line - 1)] = damage.text;
        }
        CTorvaneDoc doc;
        BuildFullEngine(doc);
        doc.SetUnitsMode(1);
        const Lines state = State(doc);
        EXPECT_TRUE(Refused(doc, lines, damage.caption));
        ExpectSameLines(state, State(doc));
    }
}

// A metric engine whose gasket thickness lies a hair below its lower limit,
// within the range test's slack: read as the limit, in either unit.
TEST_F(TorvaneDocFileTest, AValueWithinTheSlackIsReadAsItsLimit) {
    CTorvaneDoc doc;
    ASSERT_TRUE(doc.ReadEngineFile(TestDataPath("tvn-assert-negative-within-slack.tvn").c_str()));
    EXPECT_EQ(1, doc.GetUnitsMode());
    EXPECT_TRUE(doc.gasketThickness.IsValid());
    EXPECT_EQ(0.0f, doc.gasketThickness.GetValue());
    doc.SetUnitsMode(0);
    EXPECT_EQ(0.0f, doc.gasketThickness.GetValue());
}

// A table row holding a number of 100,000 digits: refused at once, and the
// document kept.
TEST_F(TorvaneDocFileTest, AnOverlongLineIsRefused) {
    CTorvaneDoc doc;
    BuildFullEngine(doc);
    doc.SetUnitsMode(1);
    const Lines state = State(doc);
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(doc.ReadEngineFile(TestDataPath("tvn-long-number-100000.tvn").c_str()));
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Unable to Read from the Selected File", ModalDriver::Instance().Boxes()[0].text);
    ExpectSameLines(state, State(doc));
}

TEST_F(TorvaneDocFileTest, AFailedSaveKeepsTheOldFileAndTheDocument) {
    CTorvaneDoc doc;
    BuildRunChevy(doc, 5.0f, 1);
    const Lines state = State(doc);
    file_.WriteLines({"the old file"});
    // Another program holds the old file open: it cannot be replaced.
    HANDLE held = CreateFileA(file_.Path(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(doc.WriteEngineFile(file_.Path()));
    CloseHandle(held);
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Unable to Write to the Selected File", ModalDriver::Instance().Boxes()[0].text);
    EXPECT_EQ(Lines({"the old file"}), file_.Lines());
    ExpectSameLines(state, State(doc));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("sav*.tmp", &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "a new file was left behind";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);

    // A folder that does not exist: nothing can be opened.
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(doc.WriteEngineFile("no such folder\\engine.tvn"));
    EXPECT_EQ("Unable to Open the Selected File", ModalDriver::Instance().Boxes()[1].text);
    EXPECT_EQ(state, State(doc));
}

// Sample engine files for other programs' tests (the drag-race program's
// import reads them): they stay what the writer writes.
TEST_F(TorvaneDocFileTest, TheSampleFilesAreTheWritersOwn) {
    const struct {
        const char* path;
        float nitrous;
        int units;
    } samples[] = {
        {"data\\chevy350.tvn", 0.0f, 0},
        {"data\\chevy350-nitrous-metric.tvn", 5.0f, 1},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.path);
        CTorvaneDoc doc;
        doc.notes.ParseAndSet("Sample engine: the stock Chevy 350 of the component menus.", false);
        BuildRunChevy(doc, sample.nitrous, sample.units);
        ExpectSameLayout(FileLines(sample.path), Saved(doc));
    }
}

}  // namespace

}  // namespace torvane
