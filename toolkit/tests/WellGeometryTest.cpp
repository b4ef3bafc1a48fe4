// The colour well's grid and the bitmap button's layout as plain functions.
#include <gtest/gtest.h>

#include "WellGeometry.h"

namespace {

using namespace well_geometry;

Grid TestGrid(bool other, bool customShown) {
    Grid g;
    g.cellWidth = 15;
    g.cellHeight = 12;
    g.marginX = 3;
    g.marginY = 3;
    g.other = other;
    g.customShown = customShown;
    return g;
}

TEST(WellGrid, SizesAndCells) {
    // 2 x 3 margin + 4 x 17 - 2 wide; 2 x 3 + 5 x 14 - 2 high; Other adds a row and 6.
    EXPECT_EQ(WellSize(TestGrid(false, false)).cx, 72);
    EXPECT_EQ(WellSize(TestGrid(false, false)).cy, 74);
    EXPECT_EQ(WellSize(TestGrid(true, false)).cy, 74 + 14 + 6);
    struct Case { int c, r; bool other; RECT rect; };
    const Case cases[] = {
        {0, 0, false, {3, 3, 18, 15}},
        {1, 0, false, {20, 3, 35, 15}},
        {0, 1, false, {3, 17, 18, 29}},
        {3, 4, false, {54, 59, 69, 71}},
        {3, 5, true, {54, 78, 69, 90}},  // the custom cell, 5 pixels lower
    };
    for (const Case& c : cases) {
        const RECT r = CellRect(TestGrid(c.other, true), c.c, c.r);
        EXPECT_TRUE(EqualRect(&r, &c.rect)) << c.c << "," << c.r << ": " << r.left << "," << r.top;
    }
    const RECT other = OtherButtonRect(TestGrid(true, false), SIZE{72, 94});
    const RECT expected = {3, 94 - 3 - 14, 69, 91};
    EXPECT_TRUE(EqualRect(&other, &expected));
}

TEST(WellGrid, HitTests) {
    struct Case { POINT p; bool other, shown, hit; int c, r; };
    const Case cases[] = {
        {{10, 10}, false, false, true, 0, 0},
        {{2, 2}, false, false, true, 0, 0},     // a cell grown by 1 pixel
        {{1, 1}, false, false, false, 0, 0},    // the margin
        {{19, 10}, false, false, true, 1, 0},   // the gap: the next cell grown by 1
        {{60, 65}, false, false, true, 3, 4},
        {{60, 84}, true, true, true, 3, 5},     // the custom cell when shown
        {{60, 84}, true, false, false, 0, 0},   // not when hidden
        {{100, 100}, false, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        int column = -1, row = -1;
        EXPECT_EQ(HitCell(TestGrid(c.other, c.shown), c.p, column, row), c.hit) << c.p.x << "," << c.p.y;
        if (c.hit) {
            EXPECT_EQ(column, c.c) << c.p.x << "," << c.p.y;
            EXPECT_EQ(row, c.r) << c.p.x << "," << c.p.y;
        }
    }
}

TEST(WellGrid, ArrowKeysWrapAndReachTheCustomCell) {
    struct Case { int c, r; UINT key; bool custom; POINT to; };
    const Case cases[] = {
        {1, 1, VK_LEFT, false, {0, 1}},   {0, 1, VK_LEFT, false, {3, 0}},
        {0, 0, VK_LEFT, false, {3, 4}},   {0, 0, VK_LEFT, true, {3, 5}},
        {3, 5, VK_LEFT, true, {3, 4}},    {2, 2, VK_RIGHT, false, {3, 2}},
        {3, 2, VK_RIGHT, false, {0, 3}},  {3, 4, VK_RIGHT, false, {0, 0}},
        {3, 4, VK_RIGHT, true, {3, 5}},   {3, 5, VK_RIGHT, true, {0, 0}},
        {2, 1, VK_UP, false, {2, 0}},     {2, 0, VK_UP, false, {2, 4}},
        {3, 0, VK_UP, true, {3, 5}},      {2, 0, VK_UP, true, {2, 4}},
        {3, 5, VK_UP, true, {3, 4}},      {1, 3, VK_DOWN, false, {1, 4}},
        {1, 4, VK_DOWN, true, {1, 0}},    {3, 4, VK_DOWN, true, {3, 5}},
        {3, 5, VK_DOWN, true, {3, 0}},    {3, 4, VK_DOWN, false, {3, 0}},
    };
    for (const Case& c : cases) {
        const POINT to = MoveSelection(TestGrid(c.custom, c.custom), c.c, c.r, c.key);
        EXPECT_EQ(to.x, c.to.x) << c.c << "," << c.r << " key " << c.key;
        EXPECT_EQ(to.y, c.to.y) << c.c << "," << c.r << " key " << c.key;
    }
}

TEST(BitmapButtonLayout, BitmapAndCaptionRectangles) {
    struct Case { int alignment; RECT bitmap, caption; };
    // A 16 x 10 bitmap inside 97 x 27 with margins 5 and 5.
    const Case cases[] = {
        {button_layout::kLeft, {5, 8, 21, 18}, {22, 0, 97, 27}},
        {button_layout::kRight, {76, 8, 92, 18}, {0, 0, 75, 27}},
        {button_layout::kAbove, {40, 5, 56, 15}, {0, 16, 97, 27}},
        {button_layout::kBelow, {40, 12, 56, 22}, {0, 0, 97, 11}},
        {button_layout::kCentred, {40, 8, 56, 18}, {0, 0, 0, 0}},
        {7, {0, 0, 16, 10}, {0, 0, 97, 27}},
    };
    for (const Case& c : cases) {
        RECT bitmap, caption;
        button_layout::CalcLayout(c.alignment, SIZE{16, 10}, SIZE{97, 27}, 5, 5, bitmap, caption);
        EXPECT_TRUE(EqualRect(&bitmap, &c.bitmap)) << c.alignment << ": " << bitmap.left << "," << bitmap.top;
        EXPECT_TRUE(EqualRect(&caption, &c.caption)) << c.alignment << ": " << caption.left << "," << caption.right;
    }
    // A bitmap larger than the button is clipped to it.
    RECT bitmap, caption;
    button_layout::CalcLayout(button_layout::kLeft, SIZE{200, 50}, SIZE{97, 27}, 5, 5, bitmap, caption);
    EXPECT_LE(bitmap.right, 97);
    EXPECT_GE(bitmap.top, 0);
    EXPECT_LE(bitmap.bottom, 27);
}

}  // namespace
