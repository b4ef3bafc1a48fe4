// The device-operation layer drawing into memory and metafile DCs.
#include <gtest/gtest.h>

#include <vector>

#include "chart/Chart.h"
#include "device/DeviceOps.h"

namespace {

// A detached chart drawing into a white 32-bit memory bitmap.
class DeviceOpsTest : public ::testing::Test {
protected:
    static constexpr int kSize = 64;

    void SetUp() override {
        chart_ = Zel3dCreate();
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_bitmap_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, kSize, kSize, WHITENESS);
        Zel3dInitDC(chart_, dc_);
        ops().set_thin_line(&chart_->device, 0);
        ops().set_solid_fill(&chart_->device, 0x0000FF);
    }
    void TearDown() override {
        zel3d_select_stock_objects(dc_);
        Zel3dDestroy(chart_);
        SelectObject(dc_, old_bitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    const DeviceOps& ops() { return zel3d_ops(chart_); }
    // 0x00RRGGBB of a pixel.
    unsigned Pixel(int x, int y) { return bits_[y * kSize + x] & 0xFFFFFF; }
    int CountInRow(int y, unsigned rgb) {
        int count = 0;
        for (int x = 0; x < kSize; ++x) count += Pixel(x, y) == rgb;
        return count;
    }
    int CountAll(unsigned rgb) {
        int count = 0;
        for (int y = 0; y < kSize; ++y) count += CountInRow(y, rgb);
        return count;
    }

    Zel3dChart* chart_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    unsigned* bits_ = nullptr;
};

TEST_F(DeviceOpsTest, RectangleOutlineCoversWidthPlusOnePixels) {
    ops().rectangle(&chart_->device, 10, 10, 10, 5);
    EXPECT_EQ(11, CountInRow(10, 0));
    EXPECT_EQ(11, CountInRow(15, 0));
    EXPECT_EQ(2, CountInRow(12, 0));
    ops().rectangle(&chart_->device, 30, 30, 0, 8);
    ops().rectangle(&chart_->device, 30, 40, 8, 0);
    EXPECT_EQ(0, CountInRow(30, 0));
    EXPECT_EQ(0, CountInRow(40, 0));
}

TEST_F(DeviceOpsTest, FullFilledArcIsAnEllipse) {
    ops().fill_arc(&chart_->device, 8, 8, 40, 30, 0, 23040);
    std::vector<unsigned> arc(bits_, bits_ + kSize * kSize);
    PatBlt(dc_, 0, 0, kSize, kSize, WHITENESS);
    Ellipse(dc_, 8, 8, 48, 38);
    EXPECT_EQ(arc, std::vector<unsigned>(bits_, bits_ + kSize * kSize));
    EXPECT_GT(CountAll(0xFF0000), 500);
}

TEST_F(DeviceOpsTest, TinyArcWithCoincidingEndsDrawsNothing) {
    ops().arc(&chart_->device, 10, 10, 20, 20, 640, 0);
    EXPECT_EQ(0, CountAll(0));
}

TEST_F(DeviceOpsTest, StraightPolylineKeepsTheCurrentPosition) {
    MoveToEx(dc_, 3, 4, nullptr);
    const POINT row[] = {{5, 20}, {30, 20}, {40, 20}};
    ops().lines(&chart_->device, row, 3, kCoordAbsolute);
    POINT at;
    GetCurrentPositionEx(dc_, &at);
    EXPECT_EQ(3, at.x);
    EXPECT_EQ(4, at.y);
    EXPECT_EQ(35, CountInRow(20, 0));
    const POINT relative[] = {{5, 30}, {10, 0}, {0, 5}};
    ops().lines(&chart_->device, relative, 3, kCoordRelative);
    EXPECT_EQ(0u, Pixel(10, 30));
}

TEST_F(DeviceOpsTest, RelativePolygonsAreCutAtSixteenPoints) {
    // A square from (10, 10) in four steps, eleven steps of nothing, then
    // steps out to the right that only the points past the sixteenth take.
    std::vector<POINT> points = {{10, 10}, {20, 0}, {0, 20}, {-20, 0}};
    points.resize(16, POINT{0, 0});
    for (POINT step : {POINT{30, 0}, POINT{0, 20}, POINT{-30, 0}}) points.push_back(step);
    ops().fill_polygon(&chart_->device, points.data(), int(points.size()), 0, kCoordRelative);
    EXPECT_EQ(0xFF0000u, Pixel(20, 20));
    EXPECT_EQ(0xFFFFFFu, Pixel(45, 20));
    const int square = CountAll(0xFF0000);
    EXPECT_GE(square, 20 * 20);
    EXPECT_LE(square, 21 * 21);

    // Absolute points are all taken; an unknown mode draws nothing.
    PatBlt(dc_, 0, 0, kSize, kSize, WHITENESS);
    const POINT wide[] = {{10, 10}, {60, 10}, {60, 30}, {10, 30}};
    ops().fill_polygon(&chart_->device, wide, 4, 0, kCoordAbsolute);
    EXPECT_EQ(0xFF0000u, Pixel(45, 20));
    PatBlt(dc_, 0, 0, kSize, kSize, WHITENESS);
    ops().fill_polygon(&chart_->device, wide, 4, 0, 9);
    EXPECT_EQ(0, CountAll(0xFF0000));
}

TEST_F(DeviceOpsTest, ClipIsDroppedWithoutLosingSelectedObjects) {
    ops().set_line_attributes(&chart_->device, 3, 1, 2, 3);
    ops().set_fill_color(&chart_->device, 0x00FF00);
    FontRecord font = chart_->axis_font;
    font.handle = nullptr;
    ops().set_font(&chart_->device, &font);
    HGDIOBJ pen = GetCurrentObject(dc_, OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dc_, OBJ_BRUSH);
    HGDIOBJ selected_font = GetCurrentObject(dc_, OBJ_FONT);
    Rect clip = {0, 0, 10, 10};
    ops().set_clip(&chart_->device, &clip);
    ops().fill_rectangle(&chart_->device, 0, 0, kSize, kSize);
    EXPECT_EQ(100, CountAll(0x00FF00));
    ops().set_clip(&chart_->device, nullptr);
    EXPECT_EQ(pen, GetCurrentObject(dc_, OBJ_PEN));
    EXPECT_EQ(brush, GetCurrentObject(dc_, OBJ_BRUSH));
    EXPECT_EQ(selected_font, GetCurrentObject(dc_, OBJ_FONT));
    ops().fill_rectangle(&chart_->device, 0, 0, kSize, kSize);
    EXPECT_EQ(kSize * kSize, CountAll(0x00FF00));
    zel3d_select_stock_objects(dc_);
    DeleteObject(font.handle);
}

TEST_F(DeviceOpsTest, StippleFillAndsACheckerboard) {
    ops().fill_rectangle(&chart_->device, 0, 0, 8, 8);
    ops().set_fill_color(&chart_->device, 0);
    ops().set_stipple(&chart_->device, 0);
    ops().set_fill_style(&chart_->device, kFillStippled);
    ops().fill_rectangle(&chart_->device, 0, 0, 8, 8);
    EXPECT_EQ(32, [&] {
        int black = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) black += Pixel(x, y) == 0;
        return black;
    }());
    EXPECT_NE(Pixel(0, 0), Pixel(1, 0));
}

TEST_F(DeviceOpsTest, DashedLinesUseGeometricUserStyles) {
    static const DWORD dashes[] = {4, 4};
    ops().set_dashes(&chart_->device, kLpatShortDash, 0, dashes, 2);
    ops().set_line_attributes(&chart_->device, 1, 2, 2, 3);
    EXPECT_EQ(OBJ_EXTPEN, GetObjectType(GetCurrentObject(dc_, OBJ_PEN)));
    ops().line(&chart_->device, 0, 5, 40, 5);
    int black = CountInRow(5, 0);
    EXPECT_GT(black, 12);
    EXPECT_LT(black, 28);
}

TEST_F(DeviceOpsTest, TextAlignmentMovesByTheTextWidth) {
    int width = ops().text_width(&chart_->device, "Wide text");
    EXPECT_GT(width, 20);
    EXPECT_EQ(0, ops().text_width(&chart_->device, nullptr));
}

TEST(DeviceOps, MetafilesGetSimplePensAndNoClip) {
    Zel3dChart* chart = Zel3dCreate();
    HDC metafile = CreateMetaFileA(nullptr);
    ASSERT_TRUE(zel3d_is_metafile_dc(metafile));
    Zel3dInitDC(chart, metafile);
    EXPECT_EQ(2, chart->device_depth);
    const DeviceOps& ops = zel3d_ops(chart);
    ops.set_line_attributes(&chart->device, 3, 1, 2, 3);
    EXPECT_EQ(OBJ_PEN, GetObjectType(chart->device.current_pen));
    ops.set_stipple(&chart->device, 0);
    EXPECT_EQ(UINT(BS_SOLID), chart->device.brush.lbStyle);
    Rect clip = {0, 0, 5, 5};
    ops.set_clip(&chart->device, &clip);
    EXPECT_EQ(0, chart->device.clip_save_level);
    chart->device.draw_dc = nullptr;
    DeleteMetaFile(CloseMetaFile(metafile));
    Zel3dDestroy(chart);
}

TEST(DeviceOps, BindingReplacesOnlyTheSlotsATableSets) {
    Zel3dChart* chart = Zel3dCreate();
    static int lines_drawn = 0;
    DeviceOps recording = {};
    recording.line = [](DeviceState*, int, int, int, int) { ++lines_drawn; };
    recording.coordinate_divisor = 4;
    const DeviceOps* previous = zel3d_bind_device_ops(chart, &recording);
    EXPECT_EQ(zel3d_windows_device_ops(), previous);
    zel3d_ops(chart).line(&chart->device, 0, 0, 1, 1);
    EXPECT_EQ(1, lines_drawn);
    EXPECT_EQ(zel3d_windows_device_ops()->rectangle, zel3d_ops(chart).rectangle);
    EXPECT_EQ(4, zel3d_ops(chart).coordinate_divisor);
    EXPECT_EQ(zel3d_windows_device_ops()->make_pen, zel3d_ops(chart).make_pen);
    Zel3dDestroy(chart);
}

TEST(DeviceOps, ImageLayoutModes) {
    double aspect = 0;
    struct Case {
        int layout, image_w, image_h, box_w, box_h, mode;
    };
    const Case cases[] = {
        {3, 100, 100, 400, 200, 6},  // a square image in a wide box keeps the box height
        {3, 100, 100, 200, 400, 5},
        {3, 200, 100, 400, 100, 6},
        {3, 200, 100, 100, 400, 5},
        {7, 100, 100, 400, 200, 5},
        {2, 10, 10, 20, 20, 2},
        {3, 10, 0, 20, 20, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.mode, zel3d_image_layout_mode(c.layout, c.image_w, c.image_h, c.box_w, c.box_h, &aspect))
            << c.layout << " " << c.image_w << "x" << c.image_h << " in " << c.box_w << "x" << c.box_h;
}

}  // namespace
