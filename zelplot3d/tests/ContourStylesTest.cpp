// Contour styles, levels and distribution tables with their files.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "access/StyleAccess.h"
#include "properties/ContourStyles.h"

namespace {

using zel3d_test::ReadBytes;
using zel3d_test::TempFolder;
using zel3d_test::TextModeBytes;
using zel3d_test::WriteBytes;

int Rgb(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

std::vector<double> Levels(double zmin, double zmax, int n) {
    LevelList levels = {0, nullptr};
    zel3d_linear_levels(zmin, zmax, n, &levels);
    std::vector<double> result(levels.levels, levels.levels + levels.count);
    zel3d_free_levels(&levels);
    return result;
}

TEST(ContourStyles, DefaultRampSegmentEnds) {
    const Zel3dContourStyle* styles = zel3d_default_cstyle_table();
    struct Case {
        int index;
        int color;
    };
    for (const Case& c : {Case{0, 0xFF0000}, Case{30, Rgb(0, 255, 255)}, Case{31, Rgb(0, 255, 233)},
                          Case{41, Rgb(0, 255, 9)}, Case{42, Rgb(8, 255, 9)}, Case{71, Rgb(255, 255, 9)},
                          Case{72, Rgb(255, 247, 9)}, Case{99, Rgb(255, 11, 9)}})
        EXPECT_EQ(c.color, styles[c.index].zone_color) << c.index;
    for (int i = 0; i < kDefaultContourStyleCount; ++i) {
        EXPECT_EQ(0, styles[i].line_color);
        EXPECT_EQ(1, styles[i].line_width);
        EXPECT_EQ(2, styles[i].line_pattern);
    }
    for (int i = 1; i <= 30; ++i) EXPECT_GE((styles[i].zone_color >> 8) & 0xFF, (styles[i - 1].zone_color >> 8) & 0xFF);
}

TEST(ContourStyles, StyleOfLevel) {
    EXPECT_EQ(50, zel3d_style_of_level(5, 10, 100));
    EXPECT_EQ(99, zel3d_style_of_level(10, 10, 100));
    EXPECT_EQ(0, zel3d_style_of_level(0, 10, 100));
    EXPECT_EQ(0, zel3d_style_of_level(3, 0, 100));
    EXPECT_EQ(0, zel3d_style_of_level(300, 255, 1));
}

TEST(ContourLevels, LinearLevelsAreRoundedToTheirLabels) {
    EXPECT_EQ((std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), Levels(0, 9, 10));
    std::vector<double> thirds = Levels(0, 1, 4);
    ASSERT_EQ(4u, thirds.size());
    EXPECT_EQ(0.33, thirds[1]);  // step 1/3 prints with two decimals
    std::vector<double> large = Levels(0, 9e6, 4);
    EXPECT_EQ(3e6, large[1]);
}

TEST(ContourLevels, DegenerateRangesGiveNoLevelsOrOne) {
    EXPECT_TRUE(Levels(5, 5, 10).empty());
    EXPECT_TRUE(Levels(0, 9, 0).empty());
    EXPECT_TRUE(Levels(0, INFINITY, 10).empty());
    EXPECT_TRUE(Levels(NAN, 1, 10).empty());
    EXPECT_EQ((std::vector<double>{2.0}), Levels(2, 7, 1));
    EXPECT_EQ(100u, Levels(-1e-300, 1e-300, 100).size());
}

TEST(DistnTable, SortCopyAndCurrentTable) {
    double levels[] = {3, 1, 2, 2};
    Zel3dDistnTable table = {4, levels};
    Zel3dDistnTable* sorted = zel3d_distn_table_copy(&table, 1);
    ASSERT_EQ(3, sorted->count);
    EXPECT_EQ(1.0, sorted->levels[0]);
    EXPECT_EQ(3.0, sorted->levels[2]);
    zel3d_distn_table_free(sorted);
    Zel3dDistnTable* copy = Zel3dDupDistnTable(&table);
    EXPECT_EQ(4, copy->count);
    EXPECT_EQ(3.0, copy->levels[0]);
    Zel3dFreeDistnTable(copy);

    Zel3dChart* chart = Zel3dCreate();
    chart->data_zmin = chart->data_zmax = 4.0;
    Zel3dDistnTable* flat = zel3d_distn_table_current(chart);
    EXPECT_EQ(0, flat->count);
    EXPECT_EQ(nullptr, flat->levels);
    zel3d_distn_table_free(flat);
    chart->data_zmin = 0;
    chart->data_zmax = 9;
    Zel3dDistnTable* linear = zel3d_distn_table_current(chart);
    ASSERT_EQ(10, linear->count);
    EXPECT_EQ(9.0, linear->levels[9]);
    zel3d_distn_table_free(linear);
    Zel3dDestroy(chart);
}

TEST(DistnTable, LevelsFromATableBeyond255) {
    Zel3dChart* chart = Zel3dCreate();
    std::vector<double> many(400);
    for (int i = 0; i < 400; ++i) many[i] = i;
    Zel3dDistnTable table = {400, many.data()};
    zel3d::SetValues(chart, zel3d::DISTN_TABLE(&table), zel3d::DISTN_METHOD(1));
    zel3d_compute_levels(chart);
    EXPECT_EQ(400, chart->levels.count);
    EXPECT_EQ(399.0, chart->levels.levels[399]);
    Zel3dDestroy(chart);
}

class ContourFiles : public ::testing::Test {
protected:
    TempFolder folder_;
    char message_[ZEL3D_MESSAGE_SIZE] = "";
};

TEST_F(ContourFiles, LevelsFileByteForByteAndBack) {
    double levels[] = {0.5, 2, 1e-7, 123456789};
    Zel3dDistnTable table = {4, levels};
    std::string path = folder_.File("levels.txt");
    ASSERT_EQ(1, Zel3dDistnTableToFile(&table, path.c_str(), message_));
    EXPECT_EQ(TextModeBytes("!Contour Levels for " + path + "\n0.5\n2\n1e-07\n1.23457e+08\n\n"), ReadBytes(path));
    Zel3dDistnTable* back = Zel3dDistnTableFromFile(path.c_str(), message_);
    ASSERT_NE(nullptr, back);
    ASSERT_EQ(4, back->count);
    EXPECT_EQ(1e-7, back->levels[0]);
    EXPECT_EQ(123457000.0, back->levels[3]);
    Zel3dFreeDistnTable(back);
}

TEST_F(ContourFiles, LevelsFileIsSortedAndKeepsItsLastLineWithoutNewline) {
    std::string path = folder_.File("levels.txt");
    WriteBytes(path, "! levels\n3\n\n1 first\nnot a number\n2\nnan\n100");
    Zel3dDistnTable* table = Zel3dDistnTableFromFile(path.c_str(), message_);
    ASSERT_NE(nullptr, table);
    ASSERT_EQ(4, table->count);
    EXPECT_EQ((std::vector<double>{1, 2, 3, 100}), std::vector<double>(table->levels, table->levels + 4));
    Zel3dFreeDistnTable(table);
    EXPECT_EQ(nullptr, Zel3dDistnTableFromFile(folder_.File("none.txt").c_str(), message_));
    EXPECT_EQ("Unable to read distribution table from " + folder_.File("none.txt") + "\n", std::string(message_));
    EXPECT_EQ(0, Zel3dDistnTableToFile(nullptr, path.c_str(), message_));
}

// The writer always writes a comment line: an empty file is no table, while
// the file of a table without levels reads as one.
TEST_F(ContourFiles, AnEmptyLevelsFileIsRefused) {
    std::string path = folder_.File("levels.txt");
    WriteBytes(path, "");
    EXPECT_EQ(nullptr, Zel3dDistnTableFromFile(path.c_str(), message_));
    EXPECT_EQ("Unable to read distribution table from " + path + "\n", std::string(message_));
    Zel3dDistnTable none = {0, nullptr};
    ASSERT_EQ(1, Zel3dDistnTableToFile(&none, path.c_str(), message_));
    Zel3dDistnTable* table = Zel3dDistnTableFromFile(path.c_str(), message_);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(0, table->count);
    Zel3dFreeDistnTable(table);
}

// A line longer than the reader's line comes in pieces, each read as a line.
TEST_F(ContourFiles, AnOverlongLevelsLineIsReadInPieces) {
    std::string path = folder_.File("levels.txt");
    WriteBytes(path, "! levels\n1" + std::string(3000, ' ') + "5\n" + std::string(400000, '7') + "\n");
    Zel3dDistnTable* table = Zel3dDistnTableFromFile(path.c_str(), message_);
    ASSERT_NE(nullptr, table);
    EXPECT_EQ((std::vector<double>{1, 5}), std::vector<double>(table->levels, table->levels + table->count));
    Zel3dFreeDistnTable(table);
}

TEST_F(ContourFiles, StylesFileByteForByteAndBack) {
    Zel3dContourStyle a = {0x0000FF, 0, 2, kLpatDashDot};
    Zel3dContourStyle b = {0x123456, -1, 0, kLpatNone};
    const Zel3dContourStyle* list[] = {&a, &b, nullptr};
    std::string path = folder_.File("styles.txt");
    ASSERT_EQ(1, Zel3dContourStylesToFile(list, path.c_str(), message_));
    EXPECT_EQ(TextModeBytes("!Contour Styles for " + path + "\nRed Black 2 LpatDashDot\n#563412 (Automatic) 0 LpatNone\n\n"),
              ReadBytes(path));
    Zel3dContourStyle** back = Zel3dContourStylesFromFile(path.c_str(), message_);
    ASSERT_NE(nullptr, back);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list[i]->zone_color, back[i]->zone_color);
        EXPECT_EQ(list[i]->line_color, back[i]->line_color);
        EXPECT_EQ(list[i]->line_width, back[i]->line_width);
        EXPECT_EQ(list[i]->line_pattern, back[i]->line_pattern);
    }
    EXPECT_EQ(nullptr, back[2]);
    Zel3dFreeContourStyles(back);
}

TEST_F(ContourFiles, StylesLinesAndTheirErrors) {
    std::string path = folder_.File("styles.txt");
    WriteBytes(path, "! styles\n\nRed Black 2 LpatDashDot\nNoSuchColour Blue 1 Solid");
    Zel3dContourStyle** styles = Zel3dContourStylesFromFile(path.c_str(), message_);
    ASSERT_NE(nullptr, styles);
    EXPECT_EQ(0x0000FF, styles[0]->zone_color);
    EXPECT_EQ(0, styles[0]->line_color);
    EXPECT_EQ(2, styles[0]->line_width);
    EXPECT_EQ(7, styles[0]->line_pattern);
    EXPECT_EQ(0, styles[1]->zone_color);
    EXPECT_EQ(2, styles[1]->line_pattern);
    Zel3dFreeContourStyles(styles);

    struct Case {
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {"Red Black 2\n", "Error on line 1 of file " + path + " - not enough fields"},
        {"!x\nRed Black 2 Wavy\n", "Error on line 2 of file " + path + " - unknown pattern Wavy"},
        {"Red Black 2 Solid\nRed\n", "Error on line 2 of file " + path + " - not enough fields"},
    };
    for (const Case& c : cases) {
        WriteBytes(path, c.text);
        EXPECT_EQ(nullptr, Zel3dContourStylesFromFile(path.c_str(), message_)) << c.text;
        EXPECT_EQ(c.message, std::string(message_));
    }
    WriteBytes(path, "! nothing\n");
    EXPECT_EQ(nullptr, Zel3dContourStylesFromFile(path.c_str(), message_));
}

TEST_F(ContourFiles, AStyleWithoutAPatternNameLeavesTheOldFile) {
    std::string path = folder_.File("styles.txt");
    WriteBytes(path, "old");
    Zel3dContourStyle good = {0, 0, 1, kLpatSolid};
    Zel3dContourStyle bad = {0, 0, 1, 42};
    const Zel3dContourStyle* list[] = {&good, &bad, nullptr};
    EXPECT_EQ(0, Zel3dContourStylesToFile(list, path.c_str(), message_));
    EXPECT_EQ("Cannot format pattern field -> style - 2 file - " + path, std::string(message_));
    EXPECT_EQ("old", ReadBytes(path));
    EXPECT_EQ(0, Zel3dContourStylesToFile(nullptr, path.c_str(), message_));
}

TEST(ContourStyles, GetAndSetByIndexAndByLevel) {
    Zel3dChart* chart = Zel3dCreate();
    chart->data_zmin = 0;
    chart->data_zmax = 9;
    zel3d_compute_levels(chart);
    const Zel3dContourStyle* style = get_cstyle(chart, 10, 1);
    ASSERT_NE(nullptr, style);
    EXPECT_EQ(zel3d_default_cstyle_table()[99].zone_color, style->zone_color);
    EXPECT_EQ(nullptr, get_cstyle(chart, 11, 1));
    EXPECT_EQ(nullptr, get_cstyle(chart, 100, 0));
    Zel3dContourStyle red = {0xFF, 0, 3, kLpatDotted};
    set_cstyle(chart, 5, &red, 1);
    EXPECT_EQ(0xFF, chart->contour_styles.items[50]->zone_color);
    set_cstyle(chart, -1, &red, 0);
    set_cstyle(chart, 0, nullptr, 0);
    Zel3dDestroy(chart);
}

}  // namespace
