// The programs' own chart (a sweep's results on a 10 x 19 grid), drawn into
// a memory DC and into a window in each chart type, with the pixels that a
// broken drawing would get wrong.
#include <gtest/gtest.h>

#include <algorithm>

#include "ChartPictures.h"
#include "RecordingOps.h"
#include "drawing/AxisDraw.h"

namespace zel3d_test {
namespace {

constexpr int kWidth = 480, kHeight = 360;
const unsigned kBackground = Rgb(0xC0C0C0);
const unsigned kTop = Rgb(0x000080);     // (128, 0, 0)
const unsigned kBottom = Rgb(0x808080);  // (128, 128, 128)
const unsigned kWhite = Rgb(0xFFFFFF);
const unsigned kBlack = 0;

class ProgramsChart : public ::testing::Test {
protected:
    void SetUp() override {
        chart_ = MakeDetachedChart(kWidth, kHeight);
        ApplyProgramsSetup(chart_, kWidth, kHeight, grid_.data);
    }
    void TearDown() override { Zel3dDestroy(chart_); }

    void Flatten(double z) {
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 19; ++j) grid_.data->grid.values[i][j] = z;
        zel3d::SetValues(chart_, zel3d::SURFACE_DATA(grid_.data));
    }
    unsigned At(const Pixels& pixels, POINT p) const { return pixels.At(p.x, p.y); }

    SweepGrid grid_;
    Zel3dChart* chart_ = nullptr;
};

struct TypeCase {
    const char* name;
    int mesh, shaded, contours, zones;
};

// Every chart type draws, keeps the background at the corner and puts the
// data inside the graph.
TEST_F(ProgramsChart, EachTypeDrawsItsData) {
    const TypeCase cases[] = {{"surface", 1, 1, 0, 0}, {"mesh", 1, 0, 0, 0}, {"shaded", 0, 1, 0, 0},
                              {"contour", 0, 0, 1, 0}, {"zone", 0, 0, 0, 1}};
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.name);
        zel3d::SetValues(chart_, zel3d::DRAW_MESH(c.mesh), zel3d::DRAW_SHADED(c.shaded),
                         zel3d::DRAW_CONTOURS(c.contours), zel3d::DRAW_ZONES(c.zones),
                         zel3d::MESH_TOP_COLOR(c.shaded ? 0xC0C0C0 : 0));
        Pixels pixels = RenderToMemory(chart_);
        SavePicture(pixels, std::string("programs_") + c.name);
        EXPECT_EQ(kBackground, pixels.At(0, 0));
        EXPECT_EQ(kBackground, pixels.At(kWidth - 1, kHeight - 1));
        // The middle of the data: shaded charts show the top colour.
        POINT middle = DeviceOf(chart_, 5.75, 6.25, grid_.data->grid.values[4][8]);
        unsigned centre = At(pixels, middle);
        if (c.shaded) {
            EXPECT_EQ(kTop, centre);
        }
        if (c.zones) {
            EXPECT_NE(kWhite, centre);
        }
        int inked = pixels.Count(kBlack);
        EXPECT_GT(inked, 500);  // axes, labels and lines
    }
}

TEST_F(ProgramsChart, TopAndBottomColoursWhereTheCellsFaceTheEye) {
    Flatten(5.0);
    zel3d::SetValues(chart_, zel3d::SOLID_SURFACE(0));
    Pixels above = RenderToMemory(chart_);
    POINT centre = DeviceOf(chart_, 5.5, 6.25, 5.0);
    EXPECT_EQ(kTop, At(above, centre));
    zel3d::SetValues(chart_, zel3d::XROTATION(-25.0));
    Pixels below = RenderToMemory(chart_);
    SavePicture(below, "programs_from_below");
    centre = DeviceOf(chart_, 5.5, 6.25, 5.0);
    EXPECT_EQ(kBottom, At(below, centre));
}

TEST_F(ProgramsChart, SolidWallsFaceTheEyeAndFarWallsStayWhite) {
    Pixels pixels = RenderToMemory(chart_);
    // The eye stands beyond +x and +y: the walls along the last x and y lines
    // face it.
    EXPECT_EQ(5, chart_->scene.axes.view_code & 0xF);
    double base = chart_->scene.axes.axes[2].minimum;
    double half_way = (base + grid_.data->grid.values[9][9]) / 2;
    EXPECT_EQ(kBottom, At(pixels, DeviceOf(chart_, 10.0, 6.3, half_way)));
    EXPECT_EQ(kBottom, At(pixels, DeviceOf(chart_, 5.3, 11.0, (base + grid_.data->grid.values[4][18]) / 2)));
    // The far walls (x = 1 side, y = 2 side), between grid lines.
    const AxisWork& z = chart_->scene.axes.axes[2];
    EXPECT_EQ(kWhite, At(pixels, DeviceOf(chart_, chart_->scene.axes.axes[0].minimum, 3.0, z.maximum - z.step / 4)));
    EXPECT_EQ(kWhite, At(pixels, DeviceOf(chart_, 3.0, chart_->scene.axes.axes[1].minimum, z.maximum - z.step / 4)));
}

TEST_F(ProgramsChart, BoxEdgesAreDrawnWhereTheAxesLeaveThem) {
    Pixels pixels = RenderToMemory(chart_);
    const AxisLayout& layout = chart_->scene.axes;
    // Ink on or next to a point.
    auto ink_near = [&pixels](POINT p) {
        RECT around = {p.x - 1, p.y - 1, p.x + 2, p.y + 2};
        return pixels.Count(kBlack, &around) > 0;
    };
    auto point_on = [this](int edge, double along) {
        POINT a, b;
        zel3d_box_edge_points(chart_, edge, &a, &b);
        return POINT{LONG(a.x + (b.x - a.x) * along), LONG(a.y + (b.y - a.y) * along)};
    };
    // The eye stands beyond +x, +y and +z: the edges at the corner nearest
    // to it are left out, the far ones are drawn.
    for (int edge : {3, 7, 11}) EXPECT_FALSE(layout.edge_drawn[edge]) << edge;
    for (int edge : {0, 4, 8}) EXPECT_TRUE(layout.edge_drawn[edge]) << edge;
    // The back edges of the top and the top of the back corner show above
    // the data.
    EXPECT_TRUE(ink_near(point_on(1, 0.25)));
    EXPECT_TRUE(ink_near(point_on(5, 0.25)));
    EXPECT_TRUE(ink_near(point_on(8, 0.9)));
    // Where the nearest edges would run there is no box line: the top
    // corner nearest the eye is open.
    POINT open_corner = point_on(3, 0.0);
    EXPECT_NE(kBlack, At(pixels, {open_corner.x - 6, open_corner.y + 6}));
}

TEST_F(ProgramsChart, HolesAreLeftEmpty) {
    Flatten(5.0);
    grid_.data->grid.values[4][8] = 1e308;
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(grid_.data), zel3d::SOLID_SURFACE(0));
    Pixels pixels = RenderToMemory(chart_);
    SavePicture(pixels, "programs_hole");
    // The four cells around the hole are not painted: the floor of the box
    // (white, with its grid lines) shows through.
    int floor = 0;
    for (double x : {4.5, 5.5})
        for (double y : {5.75, 6.25}) {
            unsigned seen = At(pixels, DeviceOf(chart_, x, y, 5.0));
            EXPECT_TRUE(seen == kWhite || seen == kBlack) << x << " " << y;
            floor += seen == kWhite;
        }
    EXPECT_GE(floor, 2);
    EXPECT_EQ(kTop, At(pixels, DeviceOf(chart_, 7.5, 6.25, 5.0)));
}

// Flat maps label their ticks: ink below each labelled x tick and left of
// each labelled y tick, none half-way between the labels.
TEST_F(ProgramsChart, AxisLabelsStandAtTheirTicks) {
    zel3d::SetValues(chart_, zel3d::DRAW_MESH(0), zel3d::DRAW_SHADED(0), zel3d::DRAW_CONTOURS(1));
    Pixels pixels = RenderToMemory(chart_);
    const AxisWork& x = chart_->scene.axes.axes[0];
    const AxisWork& y = chart_->scene.axes.axes[1];
    double pixels_per_unit = chart_->scene.view.device.m[0][0];
    int text = int(chart_->axis_stroke_size * 0.002 * pixels_per_unit);
    ASSERT_GT(text, 6);
    auto ink = [&pixels](int left, int top, int right, int bottom) {
        RECT area = {left, top, right, bottom};
        return pixels.Count(kBlack, &area);
    };
    POINT origin = DeviceOf(chart_, x.minimum, y.minimum, 0);
    for (double v = x.first_tick; v <= x.maximum; v += x.step) {
        int px = DeviceOf(chart_, v, y.minimum, 0).x;
        EXPECT_GT(ink(px - text / 2, origin.y + text * 7 / 10, px + text / 2, origin.y + text * 17 / 10), 5) << v;
        if (v + x.step <= x.maximum) {
            int mid = DeviceOf(chart_, v + x.step / 2, y.minimum, 0).x;
            EXPECT_EQ(0, ink(mid - 2, origin.y + text * 7 / 10, mid + 2, origin.y + text * 17 / 10)) << v;
        }
    }
    for (double v = y.first_tick; v <= y.maximum; v += y.step) {
        int py = DeviceOf(chart_, x.minimum, v, 0).y;
        EXPECT_GT(ink(origin.x - 3 * text, py - text / 3, origin.x - text / 2, py + text / 3), 5) << v;
    }
}

// Zones projected onto the floor lie behind the data when the eye is
// above it (drawn first) and in front of it when the eye is below.
TEST_F(ProgramsChart, FloorProjectionBehindOrInFrontOfTheData) {
    zel3d::SetValues(chart_, zel3d::PROJECT_ZMIN(2), zel3d::SOLID_SURFACE(0));
    for (double rotation : {25.0, -25.0}) {
        zel3d::SetValues(chart_, zel3d::XROTATION(rotation));
        RecordingOps recording(chart_);
        Pixels pixels = RenderToMemory(chart_);
        if (rotation > 0) SavePicture(pixels, "programs_floor_zones");
        int first_cell = -1, last_plane = -1, index = 0;
        for (const RecordedCall& call : recording.calls()) {
            if (call.slot == RecordingOps::kFillPolygon2 && first_cell < 0) first_cell = index;
            if (call.slot == RecordingOps::kFillPolygon) last_plane = index;
            ++index;
        }
        ASSERT_GE(first_cell, 0);
        if (rotation > 0) {
            EXPECT_LT(last_plane, first_cell);
        } else {
            EXPECT_GT(last_plane, first_cell);
        }
    }
}

TEST_F(ProgramsChart, EveryCellIsPaintedOnce) {
    // Seen from straight above no cell folds, so each is one polygon.
    zel3d::SetValues(chart_, zel3d::XROTATION(90.0), zel3d::DRAW_MESH(0), zel3d::SOLID_SURFACE(0));
    RecordingOps recording(chart_);
    RenderToMemory(chart_);
    EXPECT_EQ(9 * 18, recording.Count(RecordingOps::kFillPolygon2));
}

TEST_F(ProgramsChart, AOnePointGridDrawsNoCells) {
    Zel3dData* empty = Zel3dMakeGridData(1, 1, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(empty));
    RecordingOps recording(chart_);
    Pixels pixels = RenderToMemory(chart_);
    EXPECT_EQ(0, recording.Count(RecordingOps::kFillPolygon2));
    EXPECT_EQ(kBackground, pixels.At(0, 0));
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(grid_.data));
    Zel3dDestroyData(empty, 1);
}

// After one property change only the damaged areas are drawn again.
TEST_F(ProgramsChart, RedrawRepaintsOnlyTheDamagedAreas) {
    const char* header[] = {"Best Results - 3D", nullptr};
    const char* footer[] = {"Torque", nullptr};
    zel3d::SetValues(chart_, zel3d::GRAPH_X_USE_DEFAULT(1), zel3d::GRAPH_Y_USE_DEFAULT(1),
                     zel3d::GRAPH_WIDTH_USE_DEFAULT(1), zel3d::GRAPH_HEIGHT_USE_DEFAULT(1),
                     zel3d::HEADER_STRINGS(header), zel3d::FOOTER_STRINGS(footer));
    RenderToMemory(chart_);
    RecordingOps recording(chart_);
    // The parts the pending damage names, drawn again.
    auto redraw = [this]() {
        int mask = chart_->damage_mask;
        DrawIntoMemory(chart_, 0);
        return mask;
    };
    zel3d::SetValues(chart_, zel3d::FOOTER_FOREGROUND_COLOR(0x0000FF));
    EXPECT_EQ(kDamageFooter, redraw());
    EXPECT_EQ(0, recording.Count(RecordingOps::kFillPolygon2));  // no cell of the graph
    recording.Clear();
    zel3d::SetValues(chart_, zel3d::MESH_TOP_COLOR(0x00FF00));
    EXPECT_EQ(kDamageGraph, redraw());
    EXPECT_GT(recording.Count(RecordingOps::kFillPolygon2), 9 * 18);
}

// The same chart in a window on the display, painted through its
// off-screen bitmap.
TEST_F(ProgramsChart, DrawsIntoAWindow) {
    ASSERT_EQ(1, Zel3dRegisterClass(GetModuleHandleA(nullptr)));
    HWND owner = testing_harness::CreateTestWindow(kWidth + 40, kHeight + 60, nullptr, "Best Results - 3D");
    ASSERT_NE(nullptr, owner);
    HWND window = CreateWindowExA(0, "ZelChart3D8", "", WS_CHILD | WS_VISIBLE, 10, 10, kWidth, kHeight, owner,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    Zel3dChart* chart = Zel3dCreate();
    ASSERT_EQ(1, Zel3dAttachWindow(chart, window));
    ApplyProgramsSetup(chart, kWidth, kHeight, grid_.data);
    ShowWindow(owner, SW_SHOW);
    UpdateWindow(owner);
    testing_harness::PumpPending();
    Pixels pixels = Pixels::FromWindow(window);
    SavePicture(pixels, "programs_window");
    EXPECT_EQ(kBackground, pixels.At(0, 0));
    POINT middle = DeviceOf(chart, 5.75, 6.25, grid_.data->grid.values[4][8]);
    EXPECT_EQ(kTop, At(pixels, middle));
    Pixels memory = RenderToMemory(chart_);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) differing += memory.At(x, y) != pixels.At(x, y);
    EXPECT_EQ(0, differing);  // the window shows the same picture
    Zel3dDestroy(chart);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace zel3d_test
