// Axis arithmetic, legend size and mapping, without drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "AxisScale.h"
#include "Layout.h"
#include "Legend.h"

using namespace zel2d_core;

TEST(AxisScale, NiceSpacingIsOneTwoOrFiveTimesAPowerOfTen) {
    struct Case {
        double span;
        double spacing;
    } cases[] = {{9000, 2000}, {10, 2}, {1, 0.2}, {0.75, 0.2}, {15, 5}, {100, 20}, {0.003, 0.001}, {0, 1}, {-5, 1}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(NiceSpacing(c.span), c.spacing) << c.span;
    EXPECT_DOUBLE_EQ(NiceSpacing(NAN), 1.0);
}

TEST(AxisScale, FitRangeMovesBothEndsOutToTheSpacing) {
    struct Case {
        double low, high, min, max;
    } cases[] = {
        {2000, 11000, 2000, 12000},  // spacing 2000
        {0.12, 0.87, 0.0, 1.0},      // spacing 0.2
        {305, 320, 305, 320},        // already round
        {-3.5, 7.2, -5, 10},         // spacing 5 (span 10.7)
        {5, 5, 4.4, 5.6},            // one value widened by a tenth, spacing 0.2
        {0, 0, -1, 1},               // zero widened by one
        {1, 0, 0, 1},                // no data
    };
    for (const Case& c : cases) {
        const ValueRange r = FitRange(c.low, c.high);
        EXPECT_NEAR(r.min, c.min, 1e-12) << c.low << ".." << c.high;
        EXPECT_NEAR(r.max, c.max, 1e-12) << c.low << ".." << c.high;
    }
}

TEST(AxisScale, FitRangeEndsKeepsTheFixedEnd) {
    ValueRange r = FitRangeEnds(3, 87, {0, 1}, false, true);  // fixed minimum 0
    EXPECT_DOUBLE_EQ(r.min, 0);
    EXPECT_DOUBLE_EQ(r.max, 100);
    r = FitRangeEnds(3, 87, {-50, 60}, true, false);  // fixed maximum below the data
    EXPECT_DOUBLE_EQ(r.max, 60);
    EXPECT_LT(r.min, 3);
    r = FitRangeEnds(3, 4, {10, 20}, false, true);  // fixed minimum above all data
    EXPECT_GT(r.max, r.min);
}

TEST(AxisScale, BarRangesLeaveHalfAUnitBesideTheGroups) {
    EXPECT_DOUBLE_EQ(FitBarRange(1, 10).min, 0.5);
    EXPECT_DOUBLE_EQ(FitBarRange(1, 10).max, 10.5);
    EXPECT_DOUBLE_EQ(FitBarRange(1, 1).min, 0.5);
    EXPECT_DOUBLE_EQ(FitBarRange(1, 1).max, 1.5);
}

TEST(AxisScale, TicksFollowTheSpacingFromTheAnchor) {
    struct Case {
        double min, max, spacing, anchor;
        std::vector<double> ticks;
    } cases[] = {
        {60, 660, 30, NAN, {}},                                   // 21 ticks, checked below
        {0.05, 1.0, 0.1, 1.0, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}},  // anchored at the top
        {0.05, 1.0, 0.1, NAN, {0.05, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95}},
        {297, 323, 5, 297, {297, 302, 307, 312, 317, 322}},
        {-1, 1, 0.5, NAN, {-1, -0.5, 0, 0.5, 1}},
        {0, 10, 0, NAN, {0, 2, 4, 6, 8, 10}},       // no spacing: a nice one
        {0, 10, 1e-9, NAN, {0, 2, 4, 6, 8, 10}},    // too many ticks: a nice one
        {5, 5, 1, NAN, {}},                         // empty range
    };
    for (const Case& c : cases) {
        const std::vector<double> ticks = TickValues(c.min, c.max, c.spacing, c.anchor);
        if (c.min == 60) {
            ASSERT_EQ(ticks.size(), 21u);
            EXPECT_DOUBLE_EQ(ticks.front(), 60);
            EXPECT_DOUBLE_EQ(ticks.back(), 660);
            continue;
        }
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.min << ".." << c.max;
        for (size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9) << i;
    }
}

TEST(AxisScale, LabelsShowTheSpacingsDecimalsWithoutNegativeZero) {
    struct Case {
        double spacing;
        int decimals;
    } decimals[] = {{1000, 0}, {1, 0}, {0.5, 1}, {0.1, 1}, {0.25, 2}, {0.05, 2}, {0.001, 3}, {1e-9, 6}};
    for (const Case& c : decimals) EXPECT_EQ(AutoDecimals(c.spacing), c.decimals) << c.spacing;

    struct Label {
        double value;
        int decimals;
        const char* text;
    } labels[] = {{1.0, 2, "1.00"}, {0.1, 1, "0.1"}, {-0.0001, 2, "0.00"}, {-0.5, 1, "-0.5"}, {2000, 0, "2000"},
                  {-0.4, 0, "0"}, {1e6, 0, "1000000"}};
    for (const Label& l : labels) EXPECT_EQ(FormatTick(l.value, l.decimals), l.text) << l.value;
}

TEST(AxisScale, MappingGivesMinusOneOutsideTheRangeEndsIncluded) {
    struct Case {
        double value;
        int pixel;
    } cases[] = {{0, 100}, {10, 200}, {5, 150}, {-0.01, -1}, {10.01, -1}, {NAN, -1}, {INFINITY, -1}, {1e308, -1}};
    for (const Case& c : cases) EXPECT_EQ(MapInside(c.value, 0, 10, 100, 200), c.pixel) << c.value;
    // Upward y: the maximum maps to the top pixel.
    EXPECT_EQ(MapInside(10, 0, 10, 299, 50), 50);
    EXPECT_EQ(MapInside(0, 0, 10, 299, 50), 299);
    // An empty range maps nothing.
    EXPECT_EQ(MapInside(1, 1, 1, 0, 100), -1);
    // Projection goes beyond the ends but stays within GDI's reach.
    EXPECT_EQ(Project(20, 0, 10, 100, 200), 300);
    EXPECT_EQ(Project(1e30, 0, 10, 100, 200), 30000);
}

TEST(Legend, SizeGrowsWithItsTextsAndStaysReadable) {
    const TextMetrics m = {13, 6};
    EXPECT_EQ(LegendBoxSize({}, m, ZEL2D_LEGEND_ROW).cx, 0);
    std::vector<LegendEntryBox> boxes;
    const SIZE one = LegendBoxSize({40}, m, ZEL2D_LEGEND_ROW, &boxes);
    const SIZE two = LegendBoxSize({40, 60}, m, ZEL2D_LEGEND_ROW, &boxes);
    const SIZE column = LegendBoxSize({40, 60}, m, ZEL2D_LEGEND_COLUMN);
    // A row: the height of one line of text plus padding; each entry adds its
    // sample, gap and text.
    EXPECT_GE(one.cy, m.height + 4);
    EXPECT_EQ(two.cy, one.cy);
    EXPECT_EQ(two.cx - one.cx, 24 + 3 + 60 + 12);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_GT(boxes[1].sample.left, boxes[0].text.x + 40);  // texts never overlap samples
    EXPECT_GE(boxes[0].sample.right - boxes[0].sample.left, 24);
    // A column: as wide as the widest entry, a line per entry.
    EXPECT_GT(column.cy, 2 * m.height);
    EXPECT_LT(column.cx, two.cx);
    // Larger text, larger legend.
    EXPECT_GT(LegendBoxSize({40}, TextMetrics{26, 12}, ZEL2D_LEGEND_ROW).cy, one.cy);
}

TEST(Unmap, MapsThePlotCornersAndRefusesOutsideOrWrongAxis) {
    ZelChartRecord chart;
    chart.axes[0].min = 60, chart.axes[0].max = 660;
    chart.axes[1].min = 0, chart.axes[1].max = 1;
    chart.axes[2].min = 0, chart.axes[2].max = 2;
    ZelLayout layout;
    layout.plot = {50, 20, 651, 421};  // 601 x 401 pixels
    layout.valid = true;
    struct Case {
        int axis;
        double x, y;
        LONG px, py;
    } cases[] = {
        {1, 60, 1, 50, 20},     {1, 660, 0, 650, 420}, {1, 360, 0.5, 350, 220}, {2, 360, 1, 350, 220},
        {1, 59, 0.5, -1, 220},  {1, 360, 1.01, 350, -1}, {2, 360, 2.5, 350, -1}, {3, 360, 0.5, -1, -1},
        {1, NAN, 0.5, -1, 220},
    };
    for (const Case& c : cases) {
        const POINT p = UnmapPoint(chart, layout, c.axis, c.x, c.y);
        EXPECT_EQ(p.x, c.px) << c.axis << " " << c.x << " " << c.y;
        EXPECT_EQ(p.y, c.py) << c.axis << " " << c.x << " " << c.y;
    }
    layout.valid = false;  // a zero-size window
    EXPECT_EQ(UnmapPoint(chart, layout, 1, 360, 0.5).x, -1);
}
