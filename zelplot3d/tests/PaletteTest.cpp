// The chart's palette on metafiles, and per-point colours.
#include <gtest/gtest.h>

#include <vector>

#include "ChartPictures.h"
#include "drawing/Palette.h"

namespace zel3d_test {
namespace {

TEST(Palette, AMetafileGetsEveryColourOnce) {
    SweepGrid grid;
    Zel3dChart* chart = MakeDetachedChart(200, 150);
    ApplyProgramsSetup(chart, 200, 150, grid.data);
    HDC metafile = CreateMetaFileA(nullptr);
    chart->device.front_dc = metafile;
    Zel3dInitDC(chart, metafile);
    zel3d_build_palette(chart);
    HPALETTE palette = chart->palette;
    ASSERT_NE(nullptr, palette);
    UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
    std::vector<PALETTEENTRY> entries(count);
    GetPaletteEntries(palette, 0, count, entries.data());
    auto has = [&entries](int color) {
        int hits = 0;
        for (const PALETTEENTRY& e : entries)
            hits += e.peRed == (color & 0xFF) && e.peGreen == ((color >> 8) & 0xFF) && e.peBlue == (color >> 16);
        return hits;
    };
    EXPECT_EQ(1, has(0x000080));  // the top colour
    EXPECT_EQ(1, has(0xC0C0C0));  // background and mesh, once
    EXPECT_EQ(1, has(0x7A7A7A));  // the background's dark shade
    // Colours that are not system-like (channels 0, 128 or 255) come first.
    auto system_like = [](const PALETTEENTRY& e) {
        for (int c : {e.peRed, e.peGreen, e.peBlue})
            if (c != 0 && c != 128 && c != 255) return false;
        return true;
    };
    size_t first_system = 0;
    while (first_system < entries.size() && !system_like(entries[first_system])) ++first_system;
    ASSERT_LT(first_system, entries.size());
    for (size_t k = first_system; k < entries.size(); ++k) EXPECT_TRUE(system_like(entries[k])) << k;
    // The same colours again keep the palette.
    zel3d_build_palette(chart);
    EXPECT_EQ(palette, chart->palette);
    EXPECT_TRUE(zel3d_palette_equal(palette, chart->palette));
    chart->device.draw_dc = chart->device.front_dc = nullptr;
    DeleteMetaFile(CloseMetaFile(metafile));
    Zel3dDestroy(chart);
}

TEST(Palette, XYColoursLaterEntriesWin) {
    Zel3dChart* chart = Zel3dCreate();
    Zel3dSetXYColor(chart, -1, -1, 0x0000FF);
    Zel3dSetXYColor(chart, 2, 3, 0xFF0000);
    EXPECT_EQ(0xFF0000, Zel3dGetXYColor(chart, 2, 3));
    EXPECT_EQ(0x0000FF, Zel3dGetXYColor(chart, 2, 4));
    Zel3dSetXYColor(chart, 2, 3, -1);
    EXPECT_EQ(0x0000FF, Zel3dGetXYColor(chart, 2, 3));
    EXPECT_EQ(-1, Zel3dGetXYColor(chart, -2, 3));
    Zel3dSetXYColor(chart, -5, 0, 0x00FF00);  // refused
    EXPECT_EQ(1, chart->xy_colors.count);
    Zel3dSetXYColor(chart, -1, -1, -1);
    EXPECT_EQ(nullptr, chart->xy_colors.items);
    EXPECT_EQ(-1, Zel3dGetXYColor(chart, 0, 0));
    EXPECT_EQ(-1, Zel3dGetXYColor(nullptr, 0, 0));
    Zel3dDestroy(chart);
}

TEST(Palette, SizeEstimateCountsEveryColourSource) {
    Zel3dChart* chart = Zel3dCreate();
    zel3d::SetValues(chart, zel3d::NUM_DISTN_LEVELS(7));
    ASSERT_EQ(7, chart->effective_levels);
    int styles = chart->data_styles.count;
    EXPECT_EQ(2 * styles + 2 * 7 + 35, zel3d_palette_size_estimate(chart));
    Zel3dSetXYColor(chart, -1, 1, 0x00FF00);
    Zel3dSetXYColor(chart, 2, 1, 0x00FFFF);
    Zel3dTextCreate(chart);
    Zel3dTextCreate(chart);
    EXPECT_EQ(2 + 4 * 2 + 2 * styles + 2 * 7 + 35, zel3d_palette_size_estimate(chart));
    Zel3dDestroy(chart);
}

}  // namespace
}  // namespace zel3d_test
