// Data sets and their text files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestFiles.h"
#include "data/ValueLists.h"
#include "zelplot3d.h"

namespace {

using zel3d_test::ReadBytes;
using zel3d_test::TempFolder;
using zel3d_test::TextModeBytes;
using zel3d_test::WriteBytes;

struct DataDeleter {
    void operator()(Zel3dData* data) const { Zel3dDestroyData(data, 1); }
};
using DataPtr = std::unique_ptr<Zel3dData, DataDeleter>;

TEST(DataSet, GridConstructors) {
    DataPtr one(Zel3dMakeGridData(1, 1, 1e308, 1.0, 0.5, 1.0, 2.0, 1));
    ASSERT_TRUE(one);
    EXPECT_EQ(ZEL3D_DATA_GRID, one->type);
    EXPECT_EQ(0.0, one->grid.values[0][0]);
    EXPECT_EQ(0.5, one->grid.ystep);

    Zel3dData* bare = Zel3dMakeGridData(3, 4, 1e308, 1, 1, 0, 0, 0);
    ASSERT_NE(nullptr, bare);
    double** rows = bare->grid.values;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(nullptr, rows[i]);
    Zel3dDestroyData(bare, 0);  // the record only: the row array stays the caller's
    free(rows);

    DataPtr empty(Zel3dMakeGridData(0, -2, 1e308, 1, 1, 0, 0, 1));
    ASSERT_TRUE(empty);
    EXPECT_EQ(0, empty->grid.nx);
}

TEST(DataSet, CopiesAreDeepForEveryKind) {
    DataPtr grid(Zel3dMakeGridData(2, 3, 1e308, 1, 1, 0, 0, 1));
    grid->grid.values[1][2] = 5.0;
    DataPtr grid_copy(Zel3dDataCopy(grid.get()));
    ASSERT_TRUE(grid_copy);
    EXPECT_EQ(5.0, grid_copy->grid.values[1][2]);
    grid->grid.values[1][2] = 6.0;
    EXPECT_EQ(5.0, grid_copy->grid.values[1][2]);

    DataPtr irregular(Zel3dMakeIrGridData(2, 2, -1.0, 1));
    irregular->irgrid.x[1] = 3.0;
    irregular->irgrid.y[1] = 4.0;
    irregular->irgrid.values[0][1] = 9.0;
    DataPtr irregular_copy(Zel3dDataCopy(irregular.get()));
    ASSERT_TRUE(irregular_copy);
    EXPECT_EQ(3.0, irregular_copy->irgrid.x[1]);
    EXPECT_EQ(4.0, irregular_copy->irgrid.y[1]);
    EXPECT_EQ(9.0, irregular_copy->irgrid.values[0][1]);
    EXPECT_NE(irregular->irgrid.x, irregular_copy->irgrid.x);

    DataPtr points(Zel3dMakePointData(2, 3, 1e308, 1));
    points->point.series[1].points[2] = {1, 2, 3};
    DataPtr points_copy(Zel3dDataCopy(points.get()));
    ASSERT_TRUE(points_copy);
    EXPECT_EQ(3, points_copy->point.series[1].npoints);
    EXPECT_EQ(3.0, points_copy->point.series[1].points[2].z);
    EXPECT_NE(points->point.series[1].points, points_copy->point.series[1].points);

    EXPECT_EQ(nullptr, Zel3dDataCopy(nullptr));
    Zel3dData unknown = {};
    unknown.type = 9;
    EXPECT_EQ(nullptr, Zel3dDataCopy(&unknown));
}

TEST(DataSet, UpdateValueCountsEachReplacement) {
    DataPtr grid(Zel3dMakeGridData(2, 2, 1e308, 1, 1, 0, 0, 1));
    grid->grid.values[0][0] = 1e308;
    EXPECT_EQ(3, Zel3dDataUpdateDataValue(grid.get(), 0.0, 2.0));
    EXPECT_EQ(1e308, grid->grid.values[0][0]);
    DataPtr points(Zel3dMakePointData(1, 2, 1e308, 1));
    points->point.series[0].points[0] = {7, 7, 1};
    points->point.series[0].points[1] = {1, 7, 7};
    EXPECT_EQ(4, Zel3dDataUpdateDataValue(points.get(), 7.0, 8.0));
    EXPECT_EQ(8.0, points->point.series[0].points[0].x);
    EXPECT_EQ(0, Zel3dDataUpdateDataValue(nullptr, 0, 1));
}

TEST(DataSet, PointSeriesResize) {
    DataPtr points(Zel3dMakePointData(1, 4, 1e308, 1));
    Zel3dSeries& series = points->point.series[0];
    EXPECT_EQ(0, Zel3dMakePointDataSeries(&series, -1));
    EXPECT_EQ(4, series.npoints);
    EXPECT_EQ(1, Zel3dMakePointDataSeries(&series, 0));
    EXPECT_EQ(0, series.npoints);
    EXPECT_EQ(nullptr, series.points);
    EXPECT_EQ(1, Zel3dMakePointDataSeries(&series, 2));
    EXPECT_EQ(2, series.npoints);
    EXPECT_EQ(0.0, series.points[1].y);
}

class DataFile : public ::testing::Test {
protected:
    TempFolder folder_;
    char message_[ZEL3D_MESSAGE_SIZE] = "";

    std::string Save(const Zel3dData* data, const char* name) {
        std::string path = folder_.File(name);
        EXPECT_EQ(1, Zel3dSaveDataToFile(data, path.c_str(), message_)) << message_;
        return path;
    }
    DataPtr Read(const std::string& path) { return DataPtr(Zel3dMakeDataFromFile(path.c_str(), message_)); }
    // Reads `text` as a file; the reader's message on failure.
    std::string Fails(const std::string& text) {
        std::string path = folder_.File("damaged.dat");
        WriteBytes(path, text);
        message_[0] = '\0';
        DataPtr data = Read(path);
        EXPECT_FALSE(data) << text;
        return message_;
    }
};

TEST_F(DataFile, GridIsWrittenByteForByteAndReadBack) {
    DataPtr grid(Zel3dMakeGridData(2, 20, 1e308, 1.0, 0.5, 1.0, 2.0, 1));
    for (int j = 0; j < 20; ++j) grid->grid.values[0][j] = j / 3.0;
    grid->grid.values[1][0] = -1.25e-7;
    std::string path = Save(grid.get(), "grid.dat");
    std::string row0;
    for (int j = 0; j < 20; ++j) {
        char value[32];
        snprintf(value, sizeof value, "%.14g ", j / 3.0);
        row0 += value;
        if (j == 9 || j == 19) row0 += "\n";
    }
    std::string row1 = "-1.25e-07 ";
    for (int j = 1; j < 20; ++j) row1 += j == 9 ? "0 \n" : "0 ";
    EXPECT_EQ(TextModeBytes("GRID 2 20\n1e+308\n1 0.5\n1 2\n" + row0 + "\n" + row1 + "\n\n"), ReadBytes(path));

    DataPtr back = Read(path);
    ASSERT_TRUE(back) << message_;
    EXPECT_EQ(20, back->grid.ny);
    EXPECT_EQ(1e308, back->grid.hole);
    EXPECT_EQ(0.5, back->grid.ystep);
    EXPECT_EQ(2.0, back->grid.yorigin);
    for (int j = 0; j < 20; ++j) EXPECT_NEAR(j / 3.0, back->grid.values[0][j], 1e-13);
    EXPECT_EQ(-1.25e-7, back->grid.values[1][0]);
}

TEST_F(DataFile, IrregularGridIsWrittenByteForByteAndReadBack) {
    DataPtr grid(Zel3dMakeIrGridData(2, 3, -999, 1));
    grid->irgrid.x[0] = 0.5;
    grid->irgrid.x[1] = 2;
    for (int j = 0; j < 3; ++j) grid->irgrid.y[j] = 10 * j;
    grid->irgrid.values[1][2] = 4;
    std::string path = Save(grid.get(), "irgrid.dat");
    EXPECT_EQ(TextModeBytes("IRGRID 2 3\n-999\n\n0.5 2 \n0 10 20 \n0 0 0 \n0 0 4 \n"), ReadBytes(path));
    DataPtr back = Read(path);
    ASSERT_TRUE(back) << message_;
    EXPECT_EQ(ZEL3D_DATA_IRGRID, back->type);
    EXPECT_EQ(2.0, back->irgrid.x[1]);
    EXPECT_EQ(20.0, back->irgrid.y[2]);
    EXPECT_EQ(4.0, back->irgrid.values[1][2]);
}

TEST_F(DataFile, PointsAreWrittenByteForByteAndReadBack) {
    DataPtr points(Zel3dMakePointData(2, 1, 1e308, 1));
    points->point.series[0].points[0] = {1, 2, 3.5};
    Zel3dMakePointDataSeries(&points->point.series[1], 2);
    points->point.series[1].points[1] = {-4, 0, 1e-20};
    std::string path = Save(points.get(), "points.dat");
    EXPECT_EQ(TextModeBytes("POINT 2\n1e+308\n1\n1 2 3.5 \n2\n0 0 0 \n-4 0 1e-20 \n"), ReadBytes(path));
    DataPtr back = Read(path);
    ASSERT_TRUE(back) << message_;
    EXPECT_EQ(2, back->point.series[1].npoints);
    EXPECT_EQ(1e-20, back->point.series[1].points[1].z);
}

TEST_F(DataFile, CommentsFollowTheIndentRule) {
    std::string path = folder_.File("comments.dat");
    WriteBytes(path, "! a comment\n# another\nGRID 1 2\n1e308 1 1\n! between\n0 0 5 6\n");
    DataPtr data = Read(path);
    ASSERT_TRUE(data) << message_;
    EXPECT_EQ(6.0, data->grid.values[0][1]);
    EXPECT_EQ("Missing grid parameters", Fails("GRID 1 2\n1e308 1 1\n  ! indented\n0 0 5 6\n"));
}

TEST_F(DataFile, DamagedFilesAreRefusedWithAMessage) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"GRID 1 2\n1e308 1 1 0 0\n5 6", "Missing 1 grid values"},
        {"GRID 2 2\n1e308 1 1 0 0\n5\n", "Missing 3 grid values"},
        {"grid 1 1\n1e308 1 1 0 0 5\n", "Unrecognized graph type grid"},
        {"", "File FILE is empty??"},
        {"! only a comment", "File FILE is empty??"},
        {"GRID 1\n", "Missing grid size"},
        {"GRID 1 1\n1e308 1 x 0 0 5\n", "Missing grid parameters"},
        {"IRGRID 2 2\n", "Missing noval parameter"},
        {"IRGRID 3 2\n1e308\n0 1\n", "Missing 1 xgrid values"},
        {"IRGRID 2 2\n1e308\n0 1\n0\n", "Missing 1 ygrid values"},
        {"POINT 1\n1e308\n2\n1 2 3\n4 5\n", "Missing point values"},
        {"POINT 1\n1e308\n", "Missing point count"},
        {"POINT\n", "Missing series count"},
        {"GRID 1 1\n1e308 1 1 0 0 12345678901234567890123456789012345678901234567890123456789012345678901234"
         "567890123456789012345678901234567890\n",
         "Missing 1 grid values"},
        {"GRID nan 1\n", "Missing grid size"},
    };
    std::string path = folder_.File("damaged.dat");
    for (const Case& c : cases) {
        std::string expected = c.message;
        size_t at = expected.find("FILE");
        if (at != std::string::npos) expected.replace(at, 4, path);
        EXPECT_EQ(expected, Fails(c.text)) << c.text;
    }
    EXPECT_EQ(nullptr, Zel3dMakeDataFromFile(folder_.File("missing.dat").c_str(), message_));
    EXPECT_EQ("Unable to open " + folder_.File("missing.dat"), std::string(message_));
    EXPECT_EQ(nullptr, Zel3dMakeDataFromFile(nullptr, nullptr));
}

TEST_F(DataFile, HugeCountsFailWithoutHanging) {
    std::string message = Fails("GRID 2147483647 2147483647\n1e308 1 1 0 0\n1 2 3\n");
    EXPECT_FALSE(message.empty());
    message = Fails("POINT 1e30\n1e308\n1\n");
    EXPECT_FALSE(message.empty());
}

// Grids of sizes no file can hold, or of no values at all, are refused
// before anything is allocated for them.
TEST_F(DataFile, ImpossibleGridSizesAreRefused) {
    const struct {
        const char* file;
        const char* message;
    } files[] = {
        {"zdata-grid-20m.dat", "Bad grid size 20000000 0"},
        {"zdata-grid-rows.dat", "Bad grid size 1073741824 0"},
        {"zdata-irgrid-rows.dat", "Bad grid size 1073741824 -1"},
    };
    for (const auto& file : files) {
        EXPECT_EQ(nullptr, Zel3dMakeDataFromFile(zel3d_test::DataPath(file.file).c_str(), message_));
        EXPECT_EQ(file.message, std::string(message_)) << file.file;
    }
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"IRGRID 1073741824 -2147483648\n0\n", "Bad grid size 1073741824 -2147483648"},
        {"GRID 0 3\n1e308 1 1 0 0\n", "Bad grid size 0 3"},
        {"GRID 1e10 2\n1e308 1 1 0 0\n", "Missing grid size"},
        {"GRID 2 inf\n1e308 1 1 0 0\n", "Missing grid size"},
        {"POINT -3\n1e308\n", "Missing series count"},
        {"POINT 1\n1e308\n-2\n", "Missing point count"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message, Fails(c.text)) << c.text;
}

TEST_F(DataFile, AFailedWriteLeavesTheExistingFile) {
    std::string path = folder_.File("keep.dat");
    WriteBytes(path, "precious");
    Zel3dData unknown = {};
    unknown.type = 7;
    EXPECT_EQ(0, Zel3dSaveDataToFile(&unknown, path.c_str(), message_));
    EXPECT_EQ(0, Zel3dSaveDataToFile(nullptr, path.c_str(), message_));
    Zel3dData* bare = Zel3dMakeGridData(2, 2, 1e308, 1, 1, 0, 0, 0);  // rows never given
    EXPECT_EQ(0, Zel3dSaveDataToFile(bare, path.c_str(), message_));
    EXPECT_EQ("Unable to write to " + path, std::string(message_));
    Zel3dDestroyData(bare, 1);
    EXPECT_EQ("precious", ReadBytes(path));
    std::string nowhere = folder_.File("no-such-folder\\x.dat");
    DataPtr grid(Zel3dMakeGridData(1, 1, 1e308, 1, 1, 0, 0, 1));
    EXPECT_EQ(0, Zel3dSaveDataToFile(grid.get(), nowhere.c_str(), message_));
    EXPECT_EQ("Unable to write to " + nowhere, std::string(message_));
    // Only the kept file is left in the folder: no temporary file remains.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_.path() + "\\*").c_str(), &found);
    int files = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(1, files);
}

TEST_F(DataFile, AReadOnlyFileIsKept) {
    std::string path = folder_.File("kept.dat");
    WriteBytes(path, "precious");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    DataPtr grid(Zel3dMakeGridData(1, 1, 1e308, 1, 1, 0, 0, 1));
    EXPECT_EQ(0, Zel3dSaveDataToFile(grid.get(), path.c_str(), message_));
    EXPECT_EQ("Unable to write to " + path, std::string(message_));
    EXPECT_EQ("precious", ReadBytes(path));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(DataFile, LongMessagesAreCutToTheBuffer) {
    std::string path = folder_.File(std::string(200, 'n') + ".dat");
    std::string long_path = path;
    for (int i = 0; i < 10; ++i) long_path += "\\" + std::string(150, 'q');
    char message[ZEL3D_MESSAGE_SIZE + 16];
    memset(message, 'Z', sizeof message);
    EXPECT_EQ(nullptr, Zel3dMakeDataFromFile(long_path.c_str(), message));
    EXPECT_EQ(size_t(ZEL3D_MESSAGE_SIZE - 1), strlen(message));
    EXPECT_EQ('Z', message[ZEL3D_MESSAGE_SIZE]);
}

}  // namespace

// The default data styles hold their colours as numbers; they are the named
// colours of the colour table.
TEST(ValueLists, DefaultDataStylesUseTheNamedColours) {
    const char* lines[] = {"Coral", "ForestGreen", "#32ff00", "RoyalBlue", "Tan", "Magenta", "DarkSlateGray",
                           "MediumBlue"};
    const char* symbols[] = {"MediumBlue", "Red", "Orange", "Magenta", "Green", "MediumBlue", "LightSkyBlue",
                             "Gold"};
    const int shapes[] = {2, 5, 6, 4, 3, 13, 2, 12};
    const int colour_patterns[] = {2, 2, 2, 2, 2, 2, 2, 2};
    const int mono_patterns[] = {6, 2, 6, 7, 2, 7, 2, 3};
    const int mono_shapes[] = {2, 5, 6, 4, 3, 13, 12, 2};
    const Zel3dDataStyle* colour = zel3d_default_data_styles(32);
    const Zel3dDataStyle* mono = zel3d_default_data_styles(1);
    for (int k = 0; k < kDefaultDataStyleCount; ++k) {
        SCOPED_TRACE(k);
        int line = 0, symbol = 0;
        ASSERT_TRUE(Zel3dStrToColor(lines[k], &line));
        ASSERT_TRUE(Zel3dStrToColor(symbols[k], &symbol));
        EXPECT_EQ(line, colour[k].line.color);
        EXPECT_EQ(symbol, colour[k].symbol.color);
        EXPECT_EQ(colour_patterns[k], colour[k].line.pattern);
        EXPECT_EQ(shapes[k], colour[k].symbol.shape);
        EXPECT_EQ(mono_patterns[k], mono[k].line.pattern);
        EXPECT_EQ(mono_shapes[k], mono[k].symbol.shape);
        EXPECT_EQ(0, mono[k].line.color);
        EXPECT_EQ(0, mono[k].symbol.color);
        EXPECT_EQ(1, colour[k].line.width);
        EXPECT_EQ(7, colour[k].symbol.size);
    }
}
