// Bars and scatter points drawn into memory and picked with the ray.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "ChartPictures.h"
#include "RecordingOps.h"
#include "drawing/Bars.h"
#include "drawing/PlotDraw.h"
#include "drawing/ProjectedGrid.h"
#include "zelplot3d.h"

namespace {

using zel3d_test::DeviceOf;
using zel3d_test::Pixels;
using zel3d_test::Rgb;

constexpr int kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kYellow = 0x00FFFF, kSilver = 0xC0C0C0;

class Bars : public ::testing::Test {
protected:
    void SetUp() override {
        // 3 x 3 values 1 .. 9 on x 0..2, y 0..2; the front bar (0, 0) goes down.
        data_ = Zel3dMakeGridData(3, 3, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) data_->grid.values[i][j] = 1.0 + i + 3 * j;
        data_->grid.values[0][0] = -4.0;
        chart_ = zel3d_test::MakeDetachedChart(480, 400);
        zel3d::SetValues(chart_, zel3d::SURFACE_DATA(data_), zel3d::TYPE(1), zel3d::DRAW_MESH(1),
                         zel3d::DRAW_SHADED(1), zel3d::SURFACE_TOP_COLOR(kRed), zel3d::SURFACE_BOTTOM_COLOR(kBlue),
                         zel3d::BACKGROUND_COLOR(kSilver), zel3d::GRAPH_BACKGROUND_COLOR(kSilver),
                         zel3d::DATA_AREA_BACKGROUND_COLOR(kSilver), zel3d::XBAR_SPACING(30.0),
                         zel3d::YBAR_SPACING(30.0), zel3d::LEGEND_SHOW(0), zel3d::ZORIGIN(0.0));
    }
    void TearDown() override {
        Zel3dDestroy(chart_);
        Zel3dDestroyData(data_, 1);
    }
    // The colour just inside the top face of bar (i, j), towards the
    // bar's footprint centre from the top's device point.
    unsigned TopColor(const Pixels& pixels, int i, int j) {
        double value = data_->grid.values[i][j];
        double top = std::max(value, 0.0);
        POINT centre = DeviceOf(chart_, i, j, top);
        POINT below = DeviceOf(chart_, i, j, std::min(value, 0.0));
        int step = below.y > centre.y ? 3 : -3;  // just inside, away from the top edge
        return pixels.At(centre.x, centre.y + step);
    }
    Zel3dData* data_ = nullptr;
    Zel3dChart* chart_ = nullptr;
};

TEST_F(Bars, ColoursFollowTheDirectionAndXYColors) {
    Zel3dSetXYColor(chart_, -1, 1, kGreen);  // every bar of column 1
    Zel3dSetXYColor(chart_, 2, 1, kYellow);  // a later entry wins for (2, 1)
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    zel3d_test::SavePicture(pixels, "bars");
    EXPECT_EQ(Rgb(kRed), TopColor(pixels, 1, 0));
    EXPECT_EQ(Rgb(kRed), TopColor(pixels, 1, 2));
    EXPECT_EQ(Rgb(kGreen), TopColor(pixels, 0, 1));
    EXPECT_EQ(Rgb(kGreen), TopColor(pixels, 1, 1));
    EXPECT_EQ(Rgb(kYellow), TopColor(pixels, 2, 1));
    // The bar below ZORIGIN takes the bottom colour on its faces.
    POINT low = DeviceOf(chart_, 0.0, 0.0, -2.0);
    EXPECT_EQ(Rgb(kBlue), pixels.At(low.x, low.y));
}

// An XY_COLORS entry without a colour (-1, which only a whole list can
// hold) gives its bars the surface colour, not an earlier entry's.
TEST_F(Bars, AnEntryWithoutAColourFallsBackToTheSurfaceColour) {
    Zel3dXYColor column = {-1, 1, kGreen}, blank = {1, 1, -1};
    const Zel3dXYColor* const list[] = {&column, &blank, nullptr};
    zel3d::SetValues(chart_, zel3d::XY_COLORS(list));
    ASSERT_EQ(-1, Zel3dGetXYColor(chart_, 1, 1));
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    EXPECT_EQ(Rgb(kGreen), TopColor(pixels, 2, 1));
    EXPECT_EQ(Rgb(kRed), TopColor(pixels, 1, 1));
}

// Bars are painted in the cell walk's order, so that a bar nearer the eye
// is painted after (over) the bars behind it.
TEST_F(Bars, AreDrawnInTheCellWalkOrder) {
    zel3d::SetValues(chart_, zel3d::DRAW_MESH(0));
    zel3d_test::RecordingOps recording(chart_);
    zel3d_test::RenderToMemory(chart_);
    // Each bar's top face, as the painter projects it.
    auto top_of = [&](int i, int j) {
        BarFootprint f = zel3d_cell_bounds(chart_, i, j);
        double top = std::max(data_->grid.values[i][j], 0.0);
        return std::vector<POINT>{zel3d_project_point(chart_, f.x0, f.y0, top),
                                  zel3d_project_point(chart_, f.x1, f.y0, top),
                                  zel3d_project_point(chart_, f.x1, f.y1, top),
                                  zel3d_project_point(chart_, f.x0, f.y1, top)};
    };
    std::vector<std::pair<int, int>> painted;
    for (const auto& call : recording.calls()) {
        if (call.slot != zel3d_test::RecordingOps::kFillPolygon2 || call.points.size() != 5) continue;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                std::vector<POINT> top = top_of(i, j);
                bool same = true;
                for (int k = 0; k < 4; ++k)
                    same = same && top[k].x == call.points[k].x && top[k].y == call.points[k].y;
                if (same) painted.push_back({i, j});
            }
    }
    std::vector<std::pair<int, int>> walk;
    zel3d_visit_cells_in_order(chart_, [&](int i, int j, int) { walk.push_back({i, j}); });
    ASSERT_EQ(9u, walk.size());
    EXPECT_EQ(walk, painted);
    // The nearest bar comes last: the eye looks from the front (low x and y).
    EXPECT_EQ(std::make_pair(0, 0), walk.back());
}

// Which sides of a bar are drawn follows the order code the cell walk gives
// its cell, not where the eye stands against the bar's own box: seen from
// above with the eye over the first cell but beside its narrow bar, that
// bar shows no side and the bars of the eye's strip one side each, though
// the eye stands beside them.
TEST_F(Bars, SidesFollowTheOrderCodeOfTheirCell) {
    zel3d::SetValues(chart_, zel3d::DRAW_MESH(0), zel3d::XROTATION(70.0), zel3d::ZROTATION(20.0),
                     zel3d::PERSPECTIVE_DEPTH(1.0));
    zel3d_test::RecordingOps recording(chart_);
    zel3d_test::RenderToMemory(chart_);
    // Side k of bar (i, j): footprint corners k and k + 1 (x0y0, x1y0, x1y1,
    // x0y1) at the bottom, then at the top.
    auto side_of = [&](int i, int j, int k) {
        BarFootprint f = zel3d_cell_bounds(chart_, i, j);
        const double xs[4] = {f.x0, f.x1, f.x1, f.x0}, ys[4] = {f.y0, f.y0, f.y1, f.y1};
        double value = data_->grid.values[i][j];
        double bottom = std::min(value, 0.0), top = std::max(value, 0.0);
        int a = k, b = (k + 1) % 4;
        return std::vector<POINT>{zel3d_project_point(chart_, xs[a], ys[a], bottom),
                                  zel3d_project_point(chart_, xs[b], ys[b], bottom),
                                  zel3d_project_point(chart_, xs[b], ys[b], top),
                                  zel3d_project_point(chart_, xs[a], ys[a], top)};
    };
    auto drawn = [&](const std::vector<POINT>& face) {
        for (const auto& call : recording.calls()) {
            if (call.slot != zel3d_test::RecordingOps::kFillPolygon2 || call.points.size() != 5) continue;
            bool same = true;
            for (int k = 0; k < 4; ++k) same = same && face[k].x == call.points[k].x && face[k].y == call.points[k].y;
            if (same) return true;
        }
        return false;
    };
    // Sides by order code (bit k: side k; sides 0-3 face -y, +x, +y, -x).
    const int expected_sides[10] = {0, 0, 0b0001, 0b0100, 0b1000, 0b0010, 0b1001, 0b1100, 0b0011, 0b0110};
    std::map<int, int> codes_seen;
    zel3d_visit_cells_in_order(chart_, [&](int i, int j, int code) {
        ++codes_seen[code];
        int sides = 0;
        for (int k = 0; k < 4; ++k) sides |= drawn(side_of(i, j, k)) ? 1 << k : 0;
        EXPECT_EQ(expected_sides[code], sides) << "bar " << i << ", " << j << " with order code " << code;
    });
    // The eye stands over the grid beside bar (0, 0): its own cell, the two
    // strips through it and one quadrant.
    const std::map<int, int> expected_codes = {{1, 1}, {2, 2}, {4, 2}, {6, 4}};
    EXPECT_EQ(expected_codes, codes_seen);
}

// Every bar stands 9 high across one level at 5: two bands, two styles.
class LevelledBars : public Bars {
protected:
    void SetUp() override {
        Bars::SetUp();
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) data_->grid.values[i][j] = 9.0;
        const Zel3dDistnTable table = {1, new double[1]{5.0}};
        zel3d::SetValues(chart_, zel3d::SURFACE_DATA(data_), zel3d::DISTN_TABLE(&table), zel3d::DISTN_METHOD(1),
                         zel3d::DRAW_MESH(0));
        delete[] table.levels;
        const Zel3dContourStyle below = {kGreen, kBlue, 1, 2}, above = {kYellow, kBlue, 1, 2};
        Zel3dSetNthContourStyle(chart_, 0, &below);
        Zel3dSetNthContourStyle(chart_, 1, &above);
    }
    // The bar painted last, which nothing covers.
    std::pair<int, int> Nearest() {
        std::pair<int, int> last{-1, -1};
        zel3d_visit_cells_in_order(chart_, [&](int i, int j, int) { last = {i, j}; });
        return last;
    }
};

TEST_F(LevelledBars, ZonesWithoutZoneDataSliceTheBarsAtTheLevels) {
    zel3d::SetValues(chart_, zel3d::DRAW_ZONES(1));
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    zel3d_test::SavePicture(pixels, "bars_zone_slices");
    auto [i, j] = Nearest();
    ASSERT_GE(i, 0);
    POINT low = DeviceOf(chart_, i, j, 2.5), high = DeviceOf(chart_, i, j, 7.5);
    unsigned lower = pixels.At(low.x, low.y), upper = pixels.At(high.x, high.y);
    EXPECT_EQ(Rgb(kGreen), lower);
    EXPECT_NE(lower, upper);
    EXPECT_NE(Rgb(kSilver), upper);
    // The top lies in the upper band.
    EXPECT_EQ(upper, TopColor(pixels, i, j));
}

TEST_F(LevelledBars, ContoursRingTheVisibleSidesAtEachLevel) {
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(1));
    zel3d_test::RecordingOps recording(chart_);
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    zel3d_test::SavePicture(pixels, "bars_contour_rings");
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            SCOPED_TRACE(testing::Message() << i << "," << j);
            BarFootprint f = zel3d_cell_bounds(chart_, i, j);
            const double xs[4] = {f.x0, f.x1, f.x1, f.x0}, ys[4] = {f.y0, f.y0, f.y1, f.y1};
            std::vector<POINT> ring;
            for (int k = 0; k < 4; ++k) ring.push_back(zel3d_project_point(chart_, xs[k], ys[k], 5.0));
            int sides = 0;
            for (const auto& call : recording.calls()) {
                if (call.slot != zel3d_test::RecordingOps::kLine2) continue;
                for (int k = 0; k < 4; ++k) {
                    const POINT& a = ring[k];
                    const POINT& b = ring[(k + 1) % 4];
                    sides += call.points[0].x == a.x && call.points[0].y == a.y && call.points[1].x == b.x &&
                             call.points[1].y == b.y;
                }
            }
            EXPECT_GE(sides, 1);
            EXPECT_LE(sides, 2);
        }
    // The nearest bar shows its ring in the line colour.
    auto [i, j] = Nearest();
    POINT level = DeviceOf(chart_, i, j, 5.0);
    int blue = 0;
    for (int y = level.y - 30; y <= level.y + 30; ++y) blue += pixels.At(level.x, y) == Rgb(kBlue);
    EXPECT_GE(blue, 1);
}

TEST_F(Bars, ABarOnTheOriginIsFlat) {
    data_->grid.values[1][1] = 0.0;
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(data_));
    zel3d_test::RenderToMemory(chart_);
    BarFootprint f = zel3d_cell_bounds(chart_, 1, 1);
    EXPECT_NEAR(0.7, f.x0, 1e-12);  // 0.005 * range 2 * spacing 30 = 0.3 each side
    EXPECT_NEAR(1.3, f.x1, 1e-12);
    POINT top = DeviceOf(chart_, 1.0, 1.0, 0.0);
    Zel3dPickResult picked;
    Zel3dPick(chart_, top.x, top.y, &picked);
    EXPECT_EQ(1, picked.row);
    EXPECT_EQ(1, picked.column);
}

TEST_F(Bars, PickAndMapFindTheBarUnderThePoint) {
    zel3d_test::RenderToMemory(chart_);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            SCOPED_TRACE(testing::Message() << i << "," << j);
            double value = std::max(data_->grid.values[i][j], 0.0);  // the top, also of the bar going down
            POINT top = DeviceOf(chart_, i, j, value);
            Zel3dPickResult picked;
            EXPECT_EQ(ZEL3D_REGION_GRAPH, Zel3dPick(chart_, top.x, top.y, &picked));
            EXPECT_EQ(i, picked.row);
            EXPECT_EQ(j, picked.column);
            Zel3dMapResult mapped;
            Zel3dMap(chart_, top.x, top.y, &mapped);
            EXPECT_NEAR(value, mapped.z, 0.2);
            EXPECT_NEAR(i, mapped.x, 0.35);
        }
    // A ray that misses every bar.
    Zel3dPickResult missed;
    Zel3dPick(chart_, 2, 2, &missed);
    EXPECT_EQ(-1, missed.row);
    EXPECT_EQ(-1, missed.column);
    Zel3dMapResult nothing;
    Zel3dMap(chart_, 2, 2, &nothing);
    EXPECT_EQ(1e308, nothing.z);
}

TEST_F(Bars, ScatterPointsStandOnTheGrid) {
    Zel3dDataStyle marker = {{2, 0, 1}, {2, kGreen, 9}};  // SymbolBox
    Zel3dSetNthDataStyle(chart_, 0, &marker);
    zel3d::SetValues(chart_, zel3d::TYPE(2));
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    zel3d_test::SavePicture(pixels, "scatter");
    int green = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) green += pixels.At(x, y) == Rgb(kGreen);
    EXPECT_GT(green, 9 * 20);
    for (int i = 0; i < 3; ++i) {
        POINT point = DeviceOf(chart_, i, 0, data_->grid.values[i][0]);
        EXPECT_EQ(Rgb(kGreen), pixels.At(point.x, point.y)) << i;
        Zel3dPickResult picked;
        Zel3dPick(chart_, point.x + 1, point.y, &picked);
        EXPECT_EQ(i, picked.row);
        EXPECT_EQ(0, picked.column);
    }
}

}  // namespace
