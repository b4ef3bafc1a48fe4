// Markers of point data and text objects: symbol geometry, drop lines, and
// annotations drawn where they are attached.
#include <gtest/gtest.h>

#include "ChartPictures.h"
#include "RecordingOps.h"
#include "drawing/Markers.h"

namespace zel3d_test {
namespace {

// Point data: one series of three points.
struct Points {
    Zel3dData* data = Zel3dMakePointData(1, 3, 1e308, 1);
    Points() {
        const Zel3dPoint points[3] = {{1, 1, 1}, {2, 3, 2}, {3, 2, 4}};
        for (int k = 0; k < 3; ++k) data->point.series[0].points[k] = points[k];
    }
    ~Points() { Zel3dDestroyData(data, 1); }
};

TEST(Markers, SymbolGeometry) {
    Zel3dChart* chart = MakeDetachedChart(200, 200);
    RecordingOps recording(chart);
    HDC screen = GetDC(nullptr);
    Zel3dInitDC(chart, screen);
    zel3d_draw_symbol(chart, kSymbolTri, 7, 100, 100);
    ASSERT_EQ(1, recording.Count(RecordingOps::kFillPolygon));
    // Triangles go as relative points: (96, 104), then (+4, -8), (+4, +8).
    const std::vector<POINT>& p = recording.calls().back().points;
    ASSERT_EQ(3u, p.size());
    EXPECT_EQ(96, p[0].x);
    EXPECT_EQ(104, p[0].y);
    EXPECT_EQ(4, p[1].x);
    EXPECT_EQ(-8, p[1].y);
    EXPECT_EQ(4, p[2].x);
    EXPECT_EQ(8, p[2].y);
    zel3d_draw_symbol(chart, kSymbolCross, 7, 50, 50);
    EXPECT_EQ(1, chart->device.pen.width);
    zel3d_draw_symbol(chart, kSymbolCross, 14, 50, 50);
    EXPECT_EQ(2, chart->device.pen.width);
    recording.Clear();
    zel3d_draw_symbol(chart, kSymbolNone, 7, 50, 50);
    EXPECT_TRUE(recording.calls().empty());
    chart->device.draw_dc = nullptr;
    ReleaseDC(nullptr, screen);
    Zel3dDestroy(chart);
}

// Lines from a marker down to its point on the base (ZORIGIN 0).
int DropLines(const RecordingOps& recording, Zel3dChart* chart, const Points& points) {
    int drops = 0;
    for (const RecordedCall& call : recording.calls()) {
        if (call.slot != RecordingOps::kLine) continue;
        for (int k = 0; k < 3; ++k) {
            const Zel3dPoint& p = points.data->point.series[0].points[k];
            POINT top = DeviceOf(chart, p.x, p.y, p.z), base = DeviceOf(chart, p.x, p.y, 0.0);
            drops += call.points[0].x == top.x && call.points[0].y == top.y && call.points[1].x == base.x &&
                     call.points[1].y == base.y;
        }
    }
    return drops;
}

TEST(Markers, DropLinesOnlyInTheThreeDView) {
    Points points;
    Zel3dChart* chart = MakeDetachedChart(300, 300);
    zel3d::SetValues(chart, zel3d::SURFACE_DATA(points.data), zel3d::TYPE(2),
                     zel3d::DRAW_DROP_LINES(1), zel3d::DRAW_MESH(0), zel3d::DRAW_CONTOURS(1));
    {
        RecordingOps recording(chart);
        Pixels flat = RenderToMemory(chart);
        // Three markers in the default first style (dots), no drop line.
        POINT middle = DeviceOf(chart, 2, 3, 2);
        EXPECT_EQ(Rgb(zel3d_data_style(chart, 0).symbol.color), flat.At(middle.x, middle.y));
        EXPECT_EQ(0, DropLines(recording, chart, points));
    }
    zel3d::SetValues(chart, zel3d::DRAW_MESH(1));
    RecordingOps recording(chart);
    Pixels view = RenderToMemory(chart);
    SavePicture(view, "markers_3d");
    // Each marker stands on a drop line to the base.
    EXPECT_EQ(3, DropLines(recording, chart, points));
    Zel3dDestroy(chart);
}

TEST(TextObjects, DrawnWhereTheyAreAttached) {
    SweepGrid grid;
    Zel3dChart* chart = MakeDetachedChart(480, 360);
    ApplyProgramsSetup(chart, 480, 360, grid.data);
    Zel3dText* pixel_text = Zel3dTextCreate(chart);
    const char* lines[] = {"Peak", nullptr};
    zel3d::TextSetValues(pixel_text, zel3d::TEXT_STRINGS(lines), zel3d::TEXT_ATTACH_METHOD(1),
                         zel3d::TEXT_ATTACH_PIXEL_X(60), zel3d::TEXT_ATTACH_PIXEL_Y(300),
                         zel3d::TEXT_BACKGROUND_COLOR(0x00FFFF));
    Zel3dText* data_text = Zel3dTextCreate(chart);
    zel3d::TextSetValues(data_text, zel3d::TEXT_STRINGS(lines), zel3d::TEXT_ATTACH_INDEX_X(9),
                         zel3d::TEXT_ATTACH_INDEX_Y(18), zel3d::TEXT_BACKGROUND_COLOR(0x00FF00));
    Pixels pixels = RenderToMemory(chart);
    SavePicture(pixels, "text_objects");
    RECT near_pixel = {40, 290, 80, 310};
    EXPECT_GT(pixels.Count(Rgb(0x00FFFF), &near_pixel), 100);  // the box around the pixel
    EXPECT_GT(pixels.Count(0, &near_pixel), 10);  // its text
    POINT anchor = DeviceOf(chart, 10.0, 11.0, grid.data->grid.values[9][18]);
    RECT above_anchor = {anchor.x - 30, anchor.y - 40, anchor.x + 30, anchor.y};
    EXPECT_GT(pixels.Count(Rgb(0x00FF00), &above_anchor), 20);
    Zel3dDestroy(chart);
}

}  // namespace
}  // namespace zel3d_test
