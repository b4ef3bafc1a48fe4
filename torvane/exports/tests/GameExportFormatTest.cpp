// The two game export formats from plain values, and the 8.3 names they are
// written under.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/tests/ScratchFile.h"
#include "torvane/exports/ExportFile.h"
#include "torvane/exports/GameEngineRecord.h"
#include "torvane/exports/GameTextExport.h"
#include "torvane/exports/tests/RecordBytes.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

namespace {

std::string TextAt(const GameEngineRecord& record, int offset) {
    return reinterpret_cast<const char*>(&record[offset]);
}

bool ZeroBetween(const GameEngineRecord& record, int from, int to) {
    for (int i = from; i < to; ++i)
        if (record[i] != 0) return false;
    return true;
}

// A small block on a stock cam, with the compression calculator used.
GameEngineRecordInputs KnownEngine() {
    GameEngineRecordInputs in;
    in.camshaftName = "Stock Street/Economy";
    in.shortBlockName = "Chevy 350";
    in.manifoldType = 2;
    in.cylinderHeadType = 4;
    in.exhaustSystem = 3;
    in.timing050Inch = true;
    in.lifterType = 2;
    in.bore = 4.0f;
    in.stroke = 3.48f;
    in.cylinders = 8;
    in.intakeValveDiameter = 2.02f;
    in.exhaustValveDiameter = 1.6f;
    in.compressionRatio = 9.5f;
    in.inductionFlow = 650.9f;
    in.pressureDrop = 1.5f;
    in.exhaustOpening = 46.0f;
    in.exhaustClosing = 2.0f;
    in.intakeOpening = 6.0f;
    in.intakeClosing = 36.0f;
    in.intakeLift = 0.45f;
    in.exhaustLift = 0.46f;
    in.camAdvance = -4.7f;
    for (int curve = 0; curve < kGameRecordCurveCount; ++curve)
        for (int point = 0; point < kGameRecordPointCount; ++point)
            in.curves[curve][point] = 100.0f * (curve + 2) + point;
    in.compressionCalculatorUsed = true;
    in.pistonMethod = 1;
    in.fuelType = 3;
    in.chamberVolume = 64.0f;
    in.pistonDeckVolume = 5.5f;
    in.deckVolume = -6.25f;
    in.gasketBore = 4.1f;
    in.pistonDistance = 0.025f;
    in.gasketVolume = 9.0f;
    in.gasketThickness = 0.041f;
    in.nitrousFlowRate = 5.0f;
    return in;
}

TEST(GameEngineRecordTest, FieldsStandAtTheirOffsetsLittleEndian) {
    const GameEngineRecord record = GameEngineRecordBuild(KnownEngine());
    ASSERT_EQ(815u, record.size());
    EXPECT_EQ("KMRQ/02.08.07/M ", TextAt(record, 0));
    EXPECT_TRUE(ZeroBetween(record, 16, 32));
    EXPECT_EQ("Stock Street/Economy", TextAt(record, 32));
    EXPECT_EQ("Chevy 350", TextAt(record, 82));
    // Bore 4.0 is 0x40800000: its lowest byte first.
    const unsigned char bore[] = {0x00, 0x00, 0x80, 0x40};
    EXPECT_EQ(0, std::memcmp(&record[127], bore, 4));
    EXPECT_EQ(18, record[107]);
    EXPECT_EQ(0, record[108]);
    EXPECT_EQ(121, record[115]);

    const struct {
        int offset;
        int value;
    } shorts[] = {
        {107, 18}, {109, 2},  {111, 18}, {113, 4}, {115, 121}, {117, 3},
        {119, 7},  {121, 2},  {123, 15}, {125, 0}, {135, 8},   {149, 650},
        {151, 4},  {177, -4}, {711, 1},  {713, 2}, {715, 3},
    };
    for (const auto& field : shorts)
        EXPECT_EQ(field.value, Int16At(record.data(), field.offset)) << field.offset;
    const struct {
        int offset;
        float value;
    } floats[] = {
        {127, 4.0f},  {131, 3.48f},  {137, 2.02f},  {141, 1.6f},  {145, 9.5f},
        {153, 46.0f}, {157, 2.0f},   {161, 6.0f},   {165, 36.0f}, {169, 0.45f},
        {173, 0.46f}, {717, 64.0f},  {721, 5.5f},   {725, 4.1f},  {729, 0.025f},
        {733, 9.0f},  {737, -6.25f}, {741, 0.041f}, {757, 5.0f},
    };
    for (const auto& field : floats)
        EXPECT_EQ(field.value, FloatAt(record.data(), field.offset)) << field.offset;
    // Seven curves of 19 points, types 2..8 in order.
    EXPECT_EQ(200.0f, FloatAt(record.data(), 179));
    EXPECT_EQ(218.0f, FloatAt(record.data(), 179 + 18 * 4));
    EXPECT_EQ(300.0f, FloatAt(record.data(), 255));
    EXPECT_EQ(818.0f, FloatAt(record.data(), 635 + 18 * 4));
    EXPECT_TRUE(ZeroBetween(record, 745, 757));
    EXPECT_TRUE(ZeroBetween(record, 761, 815));
}

TEST(GameEngineRecordTest, CalculatorValuesOnlyWhenTheCalculatorIsUsed) {
    GameEngineRecordInputs in = KnownEngine();
    in.pistonMethod = 2;  // flat top: the deck volume stands in for the piston's
    GameEngineRecord record = GameEngineRecordBuild(in);
    EXPECT_EQ(-6.25f, FloatAt(record.data(), 721));
    EXPECT_EQ(2, Int16At(record.data(), 711));

    in.compressionCalculatorUsed = false;
    in.pistonMethod = 1;
    in.timing050Inch = false;
    in.pressureDrop = 3.0f;
    record = GameEngineRecordBuild(in);
    EXPECT_EQ(2, Int16At(record.data(), 711));
    EXPECT_TRUE(ZeroBetween(record, 717, 745));
    EXPECT_EQ(6, Int16At(record.data(), 119));
    EXPECT_EQ(2, Int16At(record.data(), 151));
}

TEST(GameEngineRecordTest, LongNamesAreCutSoTheFieldEndsWithZero) {
    GameEngineRecordInputs in = KnownEngine();
    const std::string longName(80, 'x');
    in.camshaftName = longName.c_str();
    in.shortBlockName = longName.c_str();
    const GameEngineRecord record = GameEngineRecordBuild(in);
    EXPECT_EQ(std::string(49, 'x'), TextAt(record, 32));
    EXPECT_EQ(0, record[81]);
    EXPECT_EQ(std::string(24, 'x'), TextAt(record, 82));
    EXPECT_EQ(0, record[106]);
    EXPECT_EQ(18, Int16At(record.data(), 107));
}

class GameTextExportTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    ScratchFile file_{"game_text_export_test.gme"};
};

TEST_F(GameTextExportTest, TheFileHas46LinesInItsOrder) {
    GameTextExportInputs in;
    in.name = "Chevy 350";
    in.bore = 4.0f;
    in.stroke = 3.48f;
    in.cylinders = 8;
    in.nitrous = true;
    for (int table = 0; table < 2; ++table) {
        for (int row = 0; row < kGameTextRows; ++row) {
            float* values = in.tables[table].rows[row];
            values[0] = 2000.0f + 500.0f * row;
            values[1] = 100.5f + row + 1000.0f * table;
            values[2] = 250.25f;
            values[3] = 120.0f;
        }
    }
    FILE* out = fopen(file_.Path(), "wt");
    GameTextExportWrite(out, in);
    fclose(out);
    const std::vector<std::string> lines = file_.Lines();
    ASSERT_EQ(46u, lines.size());
    const std::vector<std::string> head = {
        "VER: 4.05", "NAME: Chevy 350", "BORE: 4.000000", "STROKE: 3.480000",
        "NUMCYL: 8", "NITROUS: 1",      "NUMDATA: 19",    "DATA:"};
    EXPECT_EQ(head, std::vector<std::string>(lines.begin(), lines.begin() + 8));
    EXPECT_EQ("2000 100.500000 250.250000 120.000000", lines[8]);
    EXPECT_EQ("11000 118.500000 250.250000 120.000000", lines[26]);
    EXPECT_EQ("2000 1100.500000 250.250000 120.000000", lines[27]);
    EXPECT_EQ("11000 1118.500000 250.250000 120.000000", lines[45]);
}

class ExportTargetTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    ExportTargetTest() {
        char current[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, current);
        folder_ = current;
    }
    std::string In(const char* name) const { return folder_ + "\\" + name; }

    std::string folder_;
};

TEST_F(ExportTargetTest, ChosenNamesBecome83NamesInTheChosenFolder) {
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"My Big Block Engine.tvn", "My Big B.tvn"},
        {"Short.tvn", "Short.tvn"},
        {"engine.dat", "engine.tvn"},
        {"MyLongEngineName", "MyLongEn.tvn"},
    };
    for (const auto& c : cases) {
        CString target;
        EXPECT_EQ(0, ExportTargetPath(In(c.chosen).c_str(), c.chosen, ".tvn", target)) << c.chosen;
        EXPECT_EQ(In(c.written), target.GetString());
    }
}

TEST_F(ExportTargetTest, AnExistingShortenedFileIsNeverReplacedUnasked) {
    ScratchFile existing("Engine.tvn");
    ScratchFile existingLong("EngineNu.tvn");
    fclose(fopen(existingLong.Path(), "wt"));
    fclose(fopen(existing.Path(), "wt"));
    CString target;
    // A long name whose short form exists: refused.
    EXPECT_EQ(78, ExportTargetPath(In("EngineNumberTwo.tvn").c_str(), "EngineNumberTwo.tvn", ".tvn",
                                   target));
    EXPECT_TRUE(target.IsEmpty());
    // So is a short name of another extension: the user confirmed Engine.dat.
    EXPECT_EQ(78, ExportTargetPath(In("Engine.dat").c_str(), "Engine.dat", ".tvn", target));
    // The chosen file itself was confirmed by the dialog's overwrite prompt.
    EXPECT_EQ(0, ExportTargetPath(In("ENGINE.TVN").c_str(), "ENGINE.TVN", ".tvn", target));
    EXPECT_EQ(In("ENGINE.tvn"), target.GetString());
}

TEST_F(ExportTargetTest, ANameWithNothingToShortenIsRefused) {
    CString target;
    EXPECT_EQ(43, ExportTargetPath(In(".gme").c_str(), ".gme", ".gme", target));
    EXPECT_TRUE(target.IsEmpty());
}

}  // namespace

}  // namespace torvane
