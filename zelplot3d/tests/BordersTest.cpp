// Borders: the light and dark shades of an area colour, and the bands the
// styles are made of.
#include <gtest/gtest.h>

#include <string>

#include "ChartPictures.h"
#include "drawing/Borders.h"

namespace zel3d_test {
namespace {

TEST(Shades, DarkAndLightShadesOfAreaColours) {
    struct Case {
        int color, dark, light;
    };
    const Case cases[] = {{0xFFFFFF, 0xA6A6A6, 0xF2F2F2}, {0x000000, 0x000000, 0x808080},
                          {0xC0C0C0, 0x7A7A7A, 0xE6E6E6}, {0x0000FF, 0x0000A6, 0x8080FF},
                          {0x000080, 0x000052, 0x000099}};
    for (const Case& c : cases) {
        ColorRecord record = {c.color, -1, -1};
        EXPECT_EQ(c.dark, zel3d_border_shades(&record)) << std::hex << c.color;
        EXPECT_EQ(c.dark, record.shade_dark);
        EXPECT_EQ(c.light, record.shade_light) << std::hex << c.color;
    }
}

TEST(Shades, HsvConversions) {
    int h, s, v, r, g, b;
    zel3d_rgb_to_hsv(0, 0, 255, &h, &s, &v);
    EXPECT_EQ(240, h);
    EXPECT_EQ(100, s);
    EXPECT_EQ(100, v);
    zel3d_rgb_to_hsv(255, 0, 128, &h, &s, &v);
    EXPECT_EQ(331, h);  // -29.6 degrees wraps into 0..359
    zel3d_hsv_to_rgb(120, 100, 50, &r, &g, &b);
    EXPECT_EQ(0, r);
    EXPECT_EQ(128, g);
    EXPECT_EQ(0, b);
    zel3d_hsv_to_rgb(360, 0, 65, &r, &g, &b);
    EXPECT_EQ(166, r);
}

// The left column of the chart border, from the outside in, as d (dark
// shade), l (light shade), w (white) or . (anything else).
std::string LeftBands(int style, int width) {
    Zel3dChart* chart = MakeDetachedChart(120, 90);
    zel3d::SetValues(chart, zel3d::BORDER(style), zel3d::BORDER_WIDTH(width),
                     zel3d::LEGEND_SHOW(0));
    Pixels pixels = RenderToMemory(chart);
    Zel3dDestroy(chart);
    std::string bands;
    for (int x = 0; x < 8; ++x) {
        unsigned c = pixels.At(x, 45);
        bands += c == Rgb(0xA6A6A6) ? 'd' : c == Rgb(0xF2F2F2) ? 'l' : c == Rgb(0xFFFFFF) ? 'w' : '.';
    }
    return bands;
}

TEST(Borders, StylesAreComposedOfBands) {
    EXPECT_EQ("lllwwwww", LeftBands(kBorder3dOut, 3));
    EXPECT_EQ("dddwwwww", LeftBands(kBorder3dIn, 3));
    // Etched with an odd width: the outer band takes the extra pixel.
    EXPECT_EQ("ddlwwwww", LeftBands(kBorderEtchedIn, 3));
    EXPECT_EQ("lldwwwww", LeftBands(kBorderEtchedOut, 3));
    // Frames up to width 6 are two bands; from 7 on the plain band shows
    // between 1-pixel lines.
    EXPECT_EQ("dddlllww", LeftBands(kBorderFrameIn, 6));
    std::string wide = LeftBands(kBorderFrameIn, 7);
    EXPECT_EQ('d', wide[0]);
    EXPECT_EQ('l', wide[4]);
    EXPECT_EQ('w', wide[5]);
    EXPECT_EQ('d', wide[6]);
}

TEST(Borders, NoStyleOrNoWidthDrawsNothing) {
    EXPECT_EQ("wwwwwwww", LeftBands(kBorderNone, 5));
    EXPECT_EQ("wwwwwwww", LeftBands(kBorderEtchedIn, 0));
}

}  // namespace
}  // namespace zel3d_test
