// Contour tracing and zones: lines, rings, corners on a level, holes, long
// lines, and the contour points handed out as data.
#include <gtest/gtest.h>

#include <vector>

#include "ChartPictures.h"
#include "RecordingOps.h"
#include "kernel/ContourTrace.h"

namespace zel3d_test {
namespace {

// A grid of values[i][j] (x = i, y = j) with its own rows.
struct Grid {
    std::vector<std::vector<double>> rows;
    std::vector<double*> pointers;
    std::vector<double> x, y;
    explicit Grid(const std::vector<std::vector<double>>& values) : rows(values) {
        for (auto& row : rows) pointers.push_back(row.data());
        for (size_t i = 0; i < rows.size(); ++i) x.push_back(double(i));
        for (size_t j = 0; j < rows[0].size(); ++j) y.push_back(double(j));
    }
    ContourData Trace(const std::vector<double>& levels, double hole = 1e308) const {
        ContourGrid grid = {x.data(), y.data(), pointers.data(), hole, 0, 0, int(x.size()), int(y.size()),
                            levels.data(), int(levels.size()), nullptr, hole};
        ContourData data;
        zel3d_build_contours(grid, true, &data);
        return data;
    }
};

std::vector<const ContourPoint*> PointsOf(const ContourLine& line) {
    std::vector<const ContourPoint*> points;
    for (const ContourPoint* p = line.first; p; p = p->next) points.push_back(p);
    return points;
}

TEST(ContourTrace, OneLevelCrossesASingleCell) {
    ContourData data = Grid({{0, 0}, {1, 1}}).Trace({0.5});
    ASSERT_EQ(1u, data.lines.size());
    auto points = PointsOf(data.lines[0]);
    ASSERT_EQ(2u, points.size());
    EXPECT_DOUBLE_EQ(0.5, points[0]->x);
    EXPECT_DOUBLE_EQ(0.5, points[1]->x);
    EXPECT_EQ(1, data.Cell(0, 0)->crossing_count);
    EXPECT_EQ(1u, data.Cell(0, 0)->lists[kBetweenOppositeEdges].size());
}

TEST(ContourTrace, ARingAroundAPeakClosesOnItsStartAndIsTracedOnce) {
    ContourData data = Grid({{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}).Trace({0.5});
    ASSERT_EQ(1u, data.lines.size());
    auto points = PointsOf(data.lines[0]);
    ASSERT_EQ(5u, points.size());
    EXPECT_DOUBLE_EQ(points.front()->x, points.back()->x);
    EXPECT_DOUBLE_EQ(points.front()->y, points.back()->y);
}

TEST(ContourTrace, ALevelOnACornerCrossesBothEdgesThere) {
    // Corner (1, 0) holds the level: the edges meeting there are cut at it.
    ContourData data = Grid({{0, 1}, {1, 2}}).Trace({1.0});
    const ContourCell* cell = data.Cell(0, 0);
    ASSERT_GE(cell->crossing_count, 1);
    bool at_corner = false;
    for (const auto& list : cell->lists)
        for (const CellSegment& s : list)
            if (s.a->x == 1.0 && s.a->y == 0.0) at_corner = true;
    EXPECT_TRUE(at_corner);
}

TEST(ContourTrace, HolesStopLinesAndMarkTheirCells) {
    const double hole = -999;
    ContourData data = Grid({{0, 0, 0}, {1, 1, hole}, {2, 2, 2}}).Trace({0.5, 1.5}, hole);
    EXPECT_TRUE(data.Cell(0, 1)->has_hole);
    EXPECT_TRUE(data.Cell(1, 1)->has_hole);
    EXPECT_FALSE(data.Cell(0, 0)->has_hole);
    EXPECT_EQ(0, data.Cell(0, 1)->crossing_count);
    EXPECT_EQ(0, data.Cell(1, 1)->crossing_count);
    for (const ContourLine& line : data.lines) EXPECT_EQ(2u, PointsOf(line).size());
}

// Levels past 255 keep their own index (no byte-sized counters wrap).
TEST(ContourTrace, ManyLevels) {
    std::vector<double> levels;
    for (int k = 0; k < 300; ++k) levels.push_back(k + 0.5);
    ContourData data = Grid({{0, 0}, {300, 300}}).Trace(levels);
    ASSERT_EQ(300u, data.lines.size());
    EXPECT_EQ(299, data.lines.back().level);
    EXPECT_EQ(300, data.Cell(0, 0)->crossing_count);
}

// A chart of a surface and its contours.
struct ContourChart {
    Zel3dData* data;
    Zel3dChart* chart;
    ContourChart(int nx, int ny, double (*value)(int, int)) {
        data = Zel3dMakeGridData(nx, ny, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j) data->grid.values[i][j] = value(i, j);
        chart = MakeDetachedChart(800, 400);
        zel3d::SetValues(chart, zel3d::SURFACE_DATA(data), zel3d::DRAW_MESH(0),
                         zel3d::DRAW_CONTOURS(1));
    }
    ~ContourChart() {
        Zel3dDestroy(chart);
        Zel3dDestroyData(data, 1);
    }
};

TEST(Contours, LongLinesAreDrawnInPiecesWithoutGaps) {
    ContourChart c(400, 2, [](int, int j) { return double(j); });
    const Zel3dDistnTable table = {1, new double[1]{0.5}};
    zel3d::SetValues(c.chart, zel3d::DISTN_TABLE(&table), zel3d::DISTN_METHOD(1));
    delete[] table.levels;
    RecordingOps recording(c.chart);
    RenderToMemory(c.chart);
    std::vector<const RecordedCall*> pieces;
    for (const RecordedCall& call : recording.calls())
        if (call.slot == RecordingOps::kLines && call.points.size() > 50) pieces.push_back(&call);
    ASSERT_EQ(2u, pieces.size());
    EXPECT_EQ(300u, pieces[0]->points.size());
    EXPECT_EQ(101u, pieces[1]->points.size());
    EXPECT_EQ(pieces[0]->points.back().x, pieces[1]->points.front().x);
    EXPECT_EQ(pieces[0]->points.back().y, pieces[1]->points.front().y);
}

TEST(Contours, DataContoursHandOutEveryWantedLevel) {
    ContourChart c(5, 5, [](int i, int j) { return double(i + j); });  // levels 0 .. 8 over 0 .. 8
    zel3d::SetValues(c.chart, zel3d::NUM_DISTN_LEVELS(9));
    RenderToMemory(c.chart);
    int levels = c.chart->levels.count;
    ASSERT_EQ(9, levels);
    Zel3dData* points = Zel3dDataContours(c.chart, 0, levels, 2);
    ASSERT_NE(nullptr, points);
    ASSERT_EQ(levels, points->point.nseries);
    for (int n = 0; n < levels; ++n) {
        const Zel3dSeries& series = points->point.series[n];
        int level = 2 * n;
        if (level > 8) {
            EXPECT_EQ(0, series.npoints) << n;  // past the last level
            continue;
        }
        if (level >= 2 && level <= 6) {
            EXPECT_GT(series.npoints, 0) << n;
        }
        for (int k = 0; k < series.npoints; ++k)
            EXPECT_DOUBLE_EQ(double(level), series.points[k].x + series.points[k].y);
    }
    Zel3dDestroyData(points, 1);
    // Past the last level and before the first nothing overruns.
    Zel3dData* wide = Zel3dDataContours(c.chart, -5, 40, 1);
    ASSERT_NE(nullptr, wide);
    EXPECT_GE(wide->point.nseries, levels);
    Zel3dDestroyData(wide, 1);
    EXPECT_EQ(nullptr, Zel3dDataContours(c.chart, 3, 2, 1));
}

}  // namespace
}  // namespace zel3d_test
