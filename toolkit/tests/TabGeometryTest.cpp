// The flat tab strip's geometry as plain functions, by tables of cases.
#include <gtest/gtest.h>

#include <vector>

#include "Tab3DGeometry.h"
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

TEST(Tab3DGeometry, SidesLayoutAndHitTests) {
    namespace t3 = tab3d_geometry;
    struct SideCase { DWORD style; t3::Side side; };
    const SideCase sides[] = {{0, t3::kTop}, {0x10, t3::kTop}, {0x20, t3::kBottom}, {0x40, t3::kRight},
                              {0x80, t3::kLeft}, {0x820, t3::kBottom}};
    for (const SideCase& c : sides) EXPECT_EQ(t3::SideOf(c.style), c.side) << c.style;

    // Along a top edge: tabs of their label plus 6 on each end, from 4 in;
    // the current one 2 wider on each end, 2 deeper, and over the edge.
    const RECT strip = {0, 0, 300, 24};
    const auto top = t3::LayoutTabs(t3::kTop, strip, {40, 50, 30}, 1);
    const RECT expectedTop[3] = {{4, 4, 56, 22}, {54, 0, 120, 24}, {118, 4, 160, 22}};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(::EqualRect(&top[i], &expectedTop[i])) << i;
    const RECT edge = t3::EdgeRect(t3::kTop, strip);
    const RECT expectedEdge = {0, 0, 300, 4};
    EXPECT_TRUE(::EqualRect(&edge, &expectedEdge));

    const auto bottom = t3::LayoutTabs(t3::kBottom, strip, {40}, -1);
    const auto left = t3::LayoutTabs(t3::kLeft, RECT{0, 0, 80, 200}, {13, 13}, 0);
    const auto right = t3::LayoutTabs(t3::kRight, RECT{0, 0, 80, 200}, {13}, -1);
    struct Hit { const std::vector<RECT>* tabs; std::vector<bool> enabled; int current; POINT point; int expected; };
    const Hit hits[] = {
        {&top, {true, true, true}, 1, {10, 10}, 0},
        {&top, {true, true, true}, 1, {55, 10}, 1},    // the raised tab lies over its left neighbour
        {&top, {true, true, true}, 1, {119, 10}, 1},   // and over its right one
        {&top, {true, true, true}, 1, {121, 10}, 2},
        {&top, {true, true, true}, 1, {60, 1}, 1},     // the current tab covers the edge
        {&top, {true, true, true}, 1, {10, 2}, -1},    // a plain tab does not
        {&top, {true, true, true}, 1, {10, 23}, -1},
        {&top, {true, true, true}, 1, {170, 10}, -1},
        {&top, {true, true, false}, 1, {130, 10}, -1},  // disabled tabs are never hit
        {&top, {true, false, true}, 1, {55, 10}, 0},    // a disabled current tab uncovers its neighbour
        {&bottom, {true}, -1, {10, 3}, 0},
        {&bottom, {true}, -1, {10, 21}, -1},
        {&left, {true, true}, 0, {2, 10}, 0},
        {&left, {true, true}, 0, {2, 40}, -1},
        {&left, {true, true}, 0, {70, 30}, 0},
        {&left, {true, true}, 0, {70, 33}, 1},
        {&right, {true}, -1, {3, 10}, 0},
        {&right, {true}, -1, {78, 10}, -1},
    };
    for (const Hit& h : hits)
        EXPECT_EQ(t3::HitTest(*h.tabs, h.enabled, h.current, h.point), h.expected)
            << h.point.x << "," << h.point.y;

    struct Move { int from, step, expected; };
    const std::vector<bool> enabled = {true, false, true, false};
    const Move moves[] = {{0, 1, 2}, {2, 1, 2}, {2, -1, 0}, {-1, 1, 0}, {4, -1, 2}, {0, -1, 0}};
    for (const Move& m : moves) EXPECT_EQ(t3::NextEnabled(enabled, m.from, m.step), m.expected) << m.from;
}

}  // namespace
