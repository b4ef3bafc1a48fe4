// The flat tab strip's geometry as plain functions, by tables of cases.
#include <gtest/gtest.h>

#include "TabGeometry.h"

namespace {

using namespace tab_geometry;

TEST(TabGeometry, ButtonSetsAndRectangles) {
    EXPECT_EQ(ButtonSetForStyle(0), 0);
    EXPECT_EQ(ButtonSetForStyle(1), kPrevious | kNext);
    EXPECT_EQ(ButtonSetForStyle(2), 15);
    EXPECT_EQ(ButtonSetForStyle(3), 15);
    struct Case { int set, bit, metric; RECT rect; };
    const Case cases[] = {
        {15, kFirst, 16, {0, 0, 17, 17}},   {15, kPrevious, 16, {17, 0, 34, 17}},
        {15, kNext, 16, {34, 0, 51, 17}},   {15, kLast, 16, {51, 0, 68, 17}},
        {6, kPrevious, 16, {0, 0, 17, 17}}, {6, kNext, 16, {17, 0, 34, 17}},
        {6, kNext, 10, {11, 0, 22, 11}},
    };
    for (const Case& c : cases) {
        const RECT r = ButtonRect(c.set, c.bit, c.metric);
        EXPECT_TRUE(EqualRect(&r, &c.rect)) << c.set << "/" << c.bit << ": " << r.left << "," << r.right;
    }
    EXPECT_EQ(ButtonBlockWidth(0, 16), 0);
    EXPECT_EQ(ButtonBlockWidth(6, 16), 34);
    EXPECT_EQ(ButtonBlockWidth(15, 16), 68);
    EXPECT_EQ(ButtonAt(6, 16, POINT{5, 5}), kPrevious);
    EXPECT_EQ(ButtonAt(6, 16, POINT{20, 5}), kNext);
    EXPECT_EQ(ButtonAt(6, 16, POINT{40, 5}), 0);
    EXPECT_EQ(ButtonAt(0, 16, POINT{5, 5}), 0);
}

TEST(TabGeometry, TabPolygonNarrowsTowardsTheBottom) {
    const auto p = TabPolygon(10, 50, 0, 16);
    EXPECT_EQ(p[0].x, 10); EXPECT_EQ(p[0].y, 0);
    EXPECT_EQ(p[1].x, 16); EXPECT_EQ(p[1].y, 16);
    EXPECT_EQ(p[2].x, 54); EXPECT_EQ(p[2].y, 16);
    EXPECT_EQ(p[3].x, 60); EXPECT_EQ(p[3].y, 0);
}

TEST(TabGeometry, HitTestsOfATrapezoid) {
    struct Case { POINT point; bool inside; };
    // Tab at x 10, 50 wide, from y 0 to 16.
    const Case cases[] = {
        {{35, 8}, true},  {{10, 0}, true},  {{59, 0}, true},  {{60, 0}, false},
        {{9, 0}, false},  {{11, 15}, false}, {{16, 15}, true}, {{53, 15}, true},
        {{55, 15}, false}, {{35, 16}, false}, {{35, -1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointInTab(10, 50, 0, 16, c.point), c.inside) << c.point.x << "," << c.point.y;
}

TEST(TabGeometry, ScrollButtonStates) {
    struct Case { int offset, count, clientRight, lastRight; ButtonState expected; };
    const Case cases[] = {
        // No tabs: everything disabled, offset kept.
        {-20, 0, 200, 0, {-20, 15}},
        // Tabs narrower than the strip: offset 0, everything disabled.
        {0, 3, 200, 150, {0, 15}},
        {5, 3, 200, 150, {0, 15}},
        // Tabs beyond the right edge: Next and Last enabled.
        {0, 5, 200, 300, {0, kFirst | kPrevious}},
        // Scrolled left with more beyond: everything enabled.
        {-30, 5, 200, 270, {-30, 0}},
        // Scrolled past the end: pulled back so the last tab meets the edge.
        {-150, 5, 200, 150, {-100, kNext | kLast}},
    };
    for (const Case& c : cases) {
        const ButtonState s = UpdateButtons(c.offset, c.count, c.clientRight, c.lastRight);
        EXPECT_EQ(s.offset, c.expected.offset) << c.offset << " " << c.lastRight;
        EXPECT_EQ(s.disabled, c.expected.disabled) << c.offset << " " << c.lastRight;
    }
}

}  // namespace
