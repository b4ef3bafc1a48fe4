// Map and pick: device points to data and back, in the flat map and in the
// 3D view.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartPictures.h"

namespace zel3d_test {
namespace {

class MapPick : public ::testing::Test {
protected:
    void SetUp() override {
        chart_ = MakeDetachedChart(480, 360);
        ApplyProgramsSetup(chart_, 480, 360, grid_.data);
    }
    void TearDown() override { Zel3dDestroy(chart_); }
    void Flat() { zel3d::SetValues(chart_, zel3d::DRAW_MESH(0), zel3d::DRAW_SHADED(0),
                                   zel3d::DRAW_ZONES(1)); }
    double Value(int i, int j) const { return grid_.data->grid.values[i][j]; }

    SweepGrid grid_;
    Zel3dChart* chart_ = nullptr;
};

TEST_F(MapPick, FlatMapRoundTripsAGridPoint) {
    Flat();
    RenderToMemory(chart_);
    // Grid point (3, 4): x = 4, y = 4.
    Zel3dPickResult place;
    Zel3dUnpick(chart_, 3, 4, &place);
    POINT d = DeviceOf(chart_, 4.0, 4.0, Value(3, 4));
    EXPECT_EQ(d.x, place.device_x);
    EXPECT_EQ(d.y, place.device_y);
    Zel3dMapResult map;
    EXPECT_EQ(ZEL3D_REGION_GRAPH, Zel3dMap(chart_, d.x, d.y, &map));
    // One pixel holds about 9 / 430 of x and 9 / 300 of y.
    EXPECT_NEAR(4.0, map.x, 0.03);
    EXPECT_NEAR(4.0, map.y, 0.04);
    EXPECT_NEAR(Value(3, 4), map.z, 0.5);
    Zel3dPickResult pick;
    EXPECT_EQ(ZEL3D_REGION_GRAPH, Zel3dPick(chart_, d.x + 1, d.y - 1, &pick));
    EXPECT_EQ(3, pick.row);
    EXPECT_EQ(4, pick.column);
    EXPECT_EQ(1, pick.distance);
}

TEST_F(MapPick, OutsideTheDataNothingIsMapped) {
    Flat();
    RenderToMemory(chart_);
    POINT corner = DeviceOf(chart_, 1.0, 2.0, 0.0);
    Zel3dMapResult map;
    EXPECT_EQ(ZEL3D_REGION_GRAPH, Zel3dMap(chart_, corner.x - 10, corner.y + 10, &map));
    EXPECT_EQ(1e308, map.x);
    EXPECT_EQ(1e308, map.z);
    Zel3dPickResult unpicked;
    Zel3dUnpick(chart_, 10, 0, &unpicked);  // row past the grid
    EXPECT_EQ(-1, unpicked.device_x);
    EXPECT_EQ(-96, Zel3dMap(nullptr, 0, 0, &map));
}

TEST_F(MapPick, AreasOutsideTheGraphGiveTheirRegion) {
    const char* header[] = {"Header", nullptr};
    zel3d::SetValues(chart_, zel3d::GRAPH_X_USE_DEFAULT(1), zel3d::GRAPH_Y_USE_DEFAULT(1),
                     zel3d::GRAPH_WIDTH_USE_DEFAULT(1), zel3d::GRAPH_HEIGHT_USE_DEFAULT(1),
                     zel3d::HEADER_STRINGS(header));
    RenderToMemory(chart_);
    const Rect& h = chart_->header.rect;
    Zel3dMapResult map;
    EXPECT_EQ(ZEL3D_REGION_HEADER, Zel3dMap(chart_, h.x + 1, h.y + 1, &map));
    EXPECT_EQ(1e308, map.x);
    Zel3dPickResult pick;
    EXPECT_EQ(ZEL3D_REGION_HEADER, Zel3dPick(chart_, h.x + 1, h.y + 1, &pick));
    EXPECT_EQ(-1, pick.row);
    EXPECT_EQ(ZEL3D_REGION_NONE, Zel3dMap(chart_, 1, 359, &map));
}

TEST_F(MapPick, SurfaceRoundTripsThroughTheRay) {
    RenderToMemory(chart_);
    // A point on the near slope of the surface, in the middle of a cell.
    double x = 8.5, y = 7.25;
    double z = (Value(7, 10) + Value(8, 10) + Value(7, 11) + Value(8, 11)) / 4;
    POINT d = DeviceOf(chart_, x, y, z);
    Zel3dMapResult map;
    EXPECT_EQ(ZEL3D_REGION_GRAPH, Zel3dMap(chart_, d.x, d.y, &map));
    EXPECT_NEAR(x, map.x, 0.1);
    EXPECT_NEAR(y, map.y, 0.1);
    EXPECT_NEAR(z, map.z, 2.0);
}

// Seen from nearly straight above, the eye stands over the grid: the ray
// walk starts at the eye rather than where the ray would enter the grid.
TEST_F(MapPick, NearTopViewsStillMap) {
    zel3d::SetValues(chart_, zel3d::PERSPECTIVE_DEPTH(2.5), zel3d::XROTATION(88.0));
    RenderToMemory(chart_);
    double x = 5.5, y = 6.25;
    double z = (Value(4, 8) + Value(5, 8) + Value(4, 9) + Value(5, 9)) / 4;
    POINT d = DeviceOf(chart_, x, y, z);
    Zel3dMapResult map;
    EXPECT_EQ(ZEL3D_REGION_GRAPH, Zel3dMap(chart_, d.x, d.y, &map));
    EXPECT_NEAR(x, map.x, 0.1);
    EXPECT_NEAR(y, map.y, 0.1);
    Zel3dPickResult pick;
    Zel3dPickResult place;
    Zel3dUnpick(chart_, 4, 8, &place);
    Zel3dPick(chart_, place.device_x, place.device_y, &pick);
    EXPECT_EQ(4, pick.row);
    EXPECT_EQ(8, pick.column);
}

TEST_F(MapPick, PickFindsVisiblePointsAndSkipsHiddenOnes) {
    RenderToMemory(chart_);
    int hidden = 0;
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 19; ++j) {
            Zel3dPickResult place, pick;
            Zel3dUnpick(chart_, i, j, &place);
            Zel3dPick(chart_, place.device_x, place.device_y, &pick);
            ASSERT_GE(pick.row, 0);
            if (pick.row == i && pick.column == j) continue;
            // A hidden point: what is picked instead is itself visible.
            ++hidden;
            Zel3dPickResult other, again;
            Zel3dUnpick(chart_, pick.row, pick.column, &other);
            Zel3dPick(chart_, other.device_x, other.device_y, &again);
            EXPECT_EQ(pick.row, again.row);
            EXPECT_EQ(pick.column, again.column);
        }
    // From the front at 25 degrees the far side of the ridge is hidden.
    EXPECT_GT(hidden, 0);
    // The nearest corner of the surface, in front, picks itself.
    Zel3dPickResult place, pick;
    Zel3dUnpick(chart_, 9, 18, &place);
    Zel3dPick(chart_, place.device_x, place.device_y, &pick);
    EXPECT_EQ(9, pick.row);
    EXPECT_EQ(18, pick.column);
}

}  // namespace
}  // namespace zel3d_test
