// The exported interface: properties through the typed helpers, ranges
// computed at once, data sets, styles, and the refusal of bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "zelplot2d.h"

namespace {

struct ChartDeleter {
    void operator()(ZelChartRecord* chart) const { ZelDestroy(chart); }
};
struct DataDeleter {
    void operator()(ZelDataRecord* data) const { ZelDataDestroy(data); }
};
using Chart = std::unique_ptr<ZelChartRecord, ChartDeleter>;
using Data = std::unique_ptr<ZelDataRecord, DataDeleter>;

// One set of y values at x = 1, 2, ...
Data MakeCurve(std::initializer_list<double> ys, int kind = ZEL2D_DATA_OWN_X) {
    Data data(ZelDataCreate(kind, 1, int(ys.size())));
    int i = 0;
    for (double y : ys) {
        ZelDataSetXElement(data.get(), 0, i, i + 1);
        ZelDataSetYElement(data.get(), 0, i++, y);
    }
    return data;
}

}  // namespace

TEST(Properties, TypedHelpersStoreEachClassAndReadItBack) {
    Chart chart(ZelCreate());
    ASSERT_TRUE(chart);
    const char* legend[] = {"Power", "Torque", nullptr};
    HFONT font = HFONT(GetStockObject(ANSI_VAR_FONT));
    ZelStyle grid = {ZEL2D_LINE_SOLID, 0, 0xDCDCDC, 1, 0, 0, 0};
    ASSERT_EQ(zel2d::SetValues(chart.get(), zel2d::X_MIN(60), zel2d::X_MAX(660), zel2d::X_MAJOR_SPACING(30),
                               zel2d::X_TITLE("Crank Degrees"), zel2d::FONT(font), zel2d::PLOT_BACKGROUND(0xFFFFFF),
                               zel2d::LEGEND_TEXTS(legend), zel2d::Y_GRID_STYLE(&grid), zel2d::Y_DECIMALS(2),
                               zel2d::MARGIN_LEFT(40)),
              1);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MIN), 60.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAX), 660.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAJOR_SPACING), 30.0);
    EXPECT_STREQ(zel2d::GetValue(chart.get(), zel2d::X_TITLE), "Crank Degrees");
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::FONT), font);
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::LEGEND_TEXTS), legend);  // kept by reference
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::Y_GRID_STYLE).color, 0xDCDCDC);
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::Y_DECIMALS), 2);
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::MARGIN_LEFT), 40);
    // Several reads in one list.
    double low = 0, high = 0;
    EXPECT_EQ(ZelGetValues(chart.get(), ZEL2D_X_MIN, &low, ZEL2D_X_MAX, &high, 0), 1);
    EXPECT_DOUBLE_EQ(high - low, 600.0);
}

TEST(Properties, AutomaticRangesAreComputedAtOnce) {
    Chart chart(ZelCreate());
    Data data = MakeCurve({305, 310, 320});
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::Y_AUTO_MIN(1), zel2d::Y_AUTO_MAX(1),
                     zel2d::X_AUTO_MIN(1), zel2d::X_AUTO_MAX(1));
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MIN), 305.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 320.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MIN), 1.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAX), 3.0);
    // Data kept by reference: a change shows in the next read.
    ZelDataSetYElement(data.get(), 0, 1, 347);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 350.0);
    // An explicit end ends that end's automatic choice, not the other's.
    zel2d::SetValues(chart.get(), zel2d::Y_MAX(400));
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::Y_AUTO_MAX), 0);
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::Y_AUTO_MIN), 1);
    ZelDataSetYElement(data.get(), 0, 1, 500);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 400.0);
}

TEST(Properties, AutomaticRangesFollowDisplayModesAndBars) {
    Chart chart(ZelCreate());
    Data data(ZelDataCreate(ZEL2D_DATA_SHARED_X, 2, 3));
    for (int i = 0; i < 3; ++i) {
        ZelDataSetXElement(data.get(), 0, i, i + 1);  // shared by both sets
        ZelDataSetYElement(data.get(), 0, i, 10 + i);
        ZelDataSetYElement(data.get(), 1, i, 100 + i);
    }
    zel2d::SetValues(chart.get(), zel2d::Y_CHART_TYPE(ZEL2D_CHART_BAR), zel2d::DATA(data.get()),
                     zel2d::X_AUTO_MIN(1), zel2d::X_AUTO_MAX(1), zel2d::Y_AUTO_MAX(1));
    // Bars: half a unit beside the outer groups.
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MIN), 0.5);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAX), 3.5);
    EXPECT_GE(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 102.0);
    ZelDataSetDisplay(data.get(), 1, ZEL2D_DISPLAY_HIDE);  // hidden sets still count
    EXPECT_GE(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 102.0);
    ZelDataSetDisplay(data.get(), 1, ZEL2D_DISPLAY_EXCLUDE);  // excluded sets do not
    EXPECT_LE(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 20.0);
}

TEST(Properties, MarginsAreAutomaticUntilSetAndNeverNegative) {
    Chart chart(ZelCreate());
    zel2d::SetValues(chart.get(), zel2d::GRAPH_WIDTH(600), zel2d::GRAPH_HEIGHT(400), zel2d::Y_TITLE("Torque"),
                     zel2d::X_TITLE("Engine Speed"));
    const int left = zel2d::GetValue(chart.get(), zel2d::MARGIN_LEFT);
    const int bottom = zel2d::GetValue(chart.get(), zel2d::MARGIN_BOTTOM);
    // Room for labels, ticks and a title: generous enough that owners can
    // take a text height or two off.
    EXPECT_GT(left, 30);
    EXPECT_GT(bottom, 30);
    // An owner reducing a margin by more than it holds gets 0.
    zel2d::SetValues(chart.get(), zel2d::MARGIN_BOTTOM(bottom - 1000), zel2d::MARGIN_RIGHT(77));
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::MARGIN_BOTTOM), 0);
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::MARGIN_RIGHT), 77);
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::AUTO_MARGIN_RIGHT), 0);
    zel2d::SetValues(chart.get(), zel2d::AUTO_MARGIN_RIGHT(1));
    EXPECT_NE(zel2d::GetValue(chart.get(), zel2d::MARGIN_RIGHT), 77);
}

TEST(Properties, LegendSizeIsMeasuredFromTheDisplayedSets) {
    Chart chart(ZelCreate());
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::LEGEND_WIDTH), 0);
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 2, 3));
    const char* texts[] = {"Power", "Torque and more", nullptr};
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::LEGEND_TEXTS(texts));
    const int both = zel2d::GetValue(chart.get(), zel2d::LEGEND_WIDTH);
    const int height = zel2d::GetValue(chart.get(), zel2d::LEGEND_HEIGHT);
    EXPECT_GT(both, 100);
    EXPECT_GE(height, 13);
    ZelDataSetDisplay(data.get(), 1, ZEL2D_DISPLAY_HIDE);
    EXPECT_LT(zel2d::GetValue(chart.get(), zel2d::LEGEND_WIDTH), both);
    // The list is read by reference: an edit in place shows.
    texts[0] = "P";
    const int shorter = zel2d::GetValue(chart.get(), zel2d::LEGEND_WIDTH);
    texts[0] = "Power";
    EXPECT_LT(shorter, zel2d::GetValue(chart.get(), zel2d::LEGEND_WIDTH));
    // Measured, never set.
    EXPECT_EQ(zel2d::SetValues(chart.get(), zel2d::LEGEND_WIDTH(5)), 0);
}

TEST(Properties, BadValuesAreRefusedAndTheRestOfTheListStillTaken) {
    Chart chart(ZelCreate());
    Data stale(ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 1));
    ZELDATA stale_handle = stale.get();
    stale.reset();
    ZELCHART c = chart.get();
    struct Case {
        const char* what;
        std::function<int()> set;
    };
    // Each call refuses its first pair and must still take Y_MIN = 7.
    const Case cases[] = {
        {"NaN", [&] { return zel2d::SetValues(c, zel2d::X_MAX(NAN), zel2d::Y_MIN(7)); }},
        {"infinity", [&] { return zel2d::SetValues(c, zel2d::X_MAX(INFINITY), zel2d::Y_MIN(7)); }},
        {"colour", [&] { return zel2d::SetValues(c, zel2d::PLOT_BACKGROUND(0x1000000), zel2d::Y_MIN(7)); }},
        {"stale data", [&] { return zel2d::SetValues(c, zel2d::DATA(stale_handle), zel2d::Y_MIN(7)); }},
        {"null style", [&] { return zel2d::SetValues(c, zel2d::Y_GRID_STYLE(nullptr), zel2d::Y_MIN(7)); }},
        {"negative spacing", [&] { return zel2d::SetValues(c, zel2d::X_MAJOR_SPACING(-1), zel2d::Y_MIN(7)); }},
        {"bar width", [&] { return zel2d::SetValues(c, zel2d::BAR_GROUP_WIDTH(0), zel2d::Y_MIN(7)); }},
        {"text-area code", [&] { return ZelSetValues(c, ZEL2D_AREA_X, 1.0, ZEL2D_Y_MIN, 7.0, 0); }},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(k.set(), 0) << k.what;
        EXPECT_DOUBLE_EQ(zel2d::GetValue(c, zel2d::Y_MIN), 7.0) << k.what;
        zel2d::SetValues(c, zel2d::Y_MIN(0));
    }
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAX), 1.0);  // the refused values left no trace
    EXPECT_EQ(zel2d::GetValue(chart.get(), zel2d::DATA), nullptr);
    // An unknown code ends the list: its value's size is unknown.
    EXPECT_EQ(ZelSetValues(chart.get(), 0x0777, 1, ZEL2D_Y_MIN, 7.0, 0), 0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MIN), 0.0);
    double out = 0;
    EXPECT_EQ(ZelGetValues(chart.get(), 0x0777, &out, 0), 0);
    EXPECT_EQ(ZelGetValues(chart.get(), ZEL2D_Y_MIN, nullptr, 0), 0);
}

TEST(Properties, NullAndStaleHandlesAreRefused) {
    ZELCHART gone = ZelCreate();
    ZelDestroy(gone);
    for (ZELCHART chart : {ZELCHART(nullptr), gone}) {
        double value = 0;
        ZelStyle style = {};
        POINT point = {};
        EXPECT_EQ(ZelSetValues(chart, ZEL2D_X_MIN, 1.0, 0), 0);
        EXPECT_EQ(ZelGetValues(chart, ZEL2D_X_MIN, &value, 0), 0);
        EXPECT_EQ(ZelAttachWindow(chart, nullptr), 0);
        EXPECT_EQ(ZelTextAreaCreate(chart), nullptr);
        EXPECT_EQ(ZelGetNthDataStyle(chart, 0, &style), 0);
        EXPECT_EQ(ZelSetNthDataStyle2(chart, 0, &style), 0);
        EXPECT_EQ(ZelSetValueLabel(chart, 0, 1.0, "x"), 0);
        EXPECT_EQ(ZelUnmap(chart, 1, 0, 0, &point), 0);
        EXPECT_EQ(point.x, -1);
        ZelDestroy(chart);  // twice is harmless
    }
    EXPECT_EQ(ZelTextAreaSetValues(nullptr, ZEL2D_AREA_SHOW, 1, 0), 0);
    ZelTextAreaDestroy(nullptr);
}

TEST(DataSets, CreationChecksItsShapeAndUnwrittenPointsAreHoles) {
    struct Case {
        int kind, sets, points;
        bool made;
    } cases[] = {{1, 1, 10, true}, {2, 4, 19, true}, {0, 1, 1, false}, {3, 1, 1, false},
                 {2, 0, 5, false}, {2, 1, 0, false}, {2, -1, 5, false}, {2, 100000, 100000, false}};
    for (const Case& c : cases) {
        Data data(ZelDataCreate(c.kind, c.sets, c.points));
        EXPECT_EQ(data != nullptr, c.made) << c.kind << " " << c.sets << " " << c.points;
        if (!data) continue;
        EXPECT_EQ(ZelDataGetNSets(data.get()), c.sets);
        EXPECT_EQ(ZelDataGetNPoints(data.get(), c.sets - 1), c.points);
        EXPECT_EQ(ZelDataGetFirstPoint(data.get(), 0), 0);
        EXPECT_EQ(ZelDataGetLastPoint(data.get(), 0), c.points - 1);
        EXPECT_EQ(ZelDataGetDisplay(data.get(), 0), ZEL2D_DISPLAY_SHOW);
    }
    // 41 of 300 points written: the automatic range sees only those.
    Chart chart(ZelCreate());
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 300));
    for (int i = 0; i <= 40; ++i) {
        ZelDataSetXElement(data.get(), 0, i, 400 + i);
        ZelDataSetYElement(data.get(), 0, i, 0.5);
    }
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::X_AUTO_MIN(1), zel2d::X_AUTO_MAX(1));
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MIN), 400.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAX), 440.0);
}

TEST(DataSets, OutOfRangeIndexesAndNonFiniteValuesAreRefused) {
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 2, 5));
    ZelDataSetYElement(data.get(), 2, 0, 1.0);   // no set 2
    ZelDataSetYElement(data.get(), 0, 5, 1.0);   // no point 5
    ZelDataSetYElement(data.get(), -1, -1, 1.0);
    ZelDataSetFirstPoint(data.get(), 0, 7);
    ZelDataSetLastPoint(data.get(), 0, -2);
    ZelDataSetDisplay(data.get(), 0, 9);
    EXPECT_EQ(ZelDataGetFirstPoint(data.get(), 0), 0);
    EXPECT_EQ(ZelDataGetLastPoint(data.get(), 0), 4);
    EXPECT_EQ(ZelDataGetDisplay(data.get(), 0), ZEL2D_DISPLAY_SHOW);
    EXPECT_EQ(ZelDataGetNPoints(data.get(), 2), 0);
    EXPECT_EQ(ZelDataGetFirstPoint(data.get(), 5), -1);
    ZelDataSetFirstPoint(data.get(), 1, 2);
    ZelDataSetLastPoint(data.get(), 1, 3);
    ZelDataSetDisplay(data.get(), 1, ZEL2D_DISPLAY_EXCLUDE);
    EXPECT_EQ(ZelDataGetFirstPoint(data.get(), 1), 2);
    EXPECT_EQ(ZelDataGetLastPoint(data.get(), 1), 3);
    EXPECT_EQ(ZelDataGetDisplay(data.get(), 1), ZEL2D_DISPLAY_EXCLUDE);
    // NaN and infinity become holes, which automatic ranges skip.
    Chart chart(ZelCreate());
    for (int i = 0; i < 5; ++i) ZelDataSetXElement(data.get(), 0, i, i), ZelDataSetYElement(data.get(), 0, i, 10);
    ZelDataSetYElement(data.get(), 0, 2, NAN);
    ZelDataSetYElement(data.get(), 0, 3, -INFINITY);
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::Y_AUTO_MIN(1), zel2d::Y_AUTO_MAX(1));
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MIN), 9.0);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MAX), 11.0);
    // Null handles.
    EXPECT_EQ(ZelDataGetNSets(nullptr), 0);
    ZelDataSetYElement(nullptr, 0, 0, 1.0);
    ZelDataDestroy(nullptr);
    // A chart whose data was destroyed draws and ranges without it.
    data.reset();
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::Y_MIN), 0.0);
}

TEST(DataStyles, EveryIndexHasADefaultThatCanBeChanged) {
    Chart chart(ZelCreate());
    ZelStyle style = {};
    ASSERT_EQ(ZelGetNthDataStyle(chart.get(), 50, &style), 1);
    EXPECT_EQ(style.pattern, ZEL2D_LINE_SOLID);
    EXPECT_EQ(style.width, 1);
    ZelStyle first = {}, second = {};
    ZelGetNthDataStyle(chart.get(), 0, &first);
    ZelGetNthDataStyle2(chart.get(), 0, &second);
    EXPECT_NE(first.color, second.color);  // the two axes' first curves differ
    style.color = 0x0000FF;
    style.symbol = ZEL2D_SYMBOL_DIAMOND;
    ASSERT_EQ(ZelSetNthDataStyle2(chart.get(), 3, &style), 1);
    ZelStyle back = {};
    ZelGetNthDataStyle2(chart.get(), 3, &back);
    EXPECT_EQ(back.color, 0x0000FF);
    EXPECT_EQ(back.symbol, ZEL2D_SYMBOL_DIAMOND);
    ZelGetNthDataStyle(chart.get(), 3, &back);  // the first axis's set 3 is untouched
    EXPECT_NE(back.symbol, ZEL2D_SYMBOL_DIAMOND);
    EXPECT_EQ(ZelSetNthDataStyle(chart.get(), -1, &style), 0);
    EXPECT_EQ(ZelSetNthDataStyle(chart.get(), 0, nullptr), 0);
    EXPECT_EQ(ZelSetValueLabel(chart.get(), 3, 1.0, "x"), 0);
    EXPECT_EQ(ZelSetValueLabel(chart.get(), 0, NAN, "x"), 0);
}

TEST(Unmap, WorksWithoutAWindowFromTheGraphSizeAndRefusesAZeroSize) {
    Chart chart(ZelCreate());
    POINT p;
    EXPECT_EQ(ZelUnmap(chart.get(), 1, 0.5, 0.5, &p), 0);  // no window and no size
    EXPECT_EQ(p.x, -1);
    EXPECT_EQ(p.y, -1);
    zel2d::SetValues(chart.get(), zel2d::GRAPH_X(10), zel2d::GRAPH_Y(5), zel2d::GRAPH_WIDTH(620),
                     zel2d::GRAPH_HEIGHT(410), zel2d::MARGIN_LEFT(10), zel2d::MARGIN_TOP(4), zel2d::MARGIN_RIGHT(9),
                     zel2d::MARGIN_BOTTOM(10), zel2d::X_MIN(60), zel2d::X_MAX(660), zel2d::Y_MIN(0), zel2d::Y_MAX(1));
    // Plot from (20, 9) to (620, 404) inclusive.
    ASSERT_EQ(ZelUnmap(chart.get(), 1, 60, 1, &p), 1);
    EXPECT_EQ(p.x, 20);
    EXPECT_EQ(p.y, 9);
    ZelUnmap(chart.get(), 1, 660, 0, &p);
    EXPECT_EQ(p.x, 620);
    EXPECT_EQ(p.y, 404);
    EXPECT_EQ(ZelUnmap(chart.get(), 1, 661, 0, &p), 0);
    EXPECT_EQ(p.x, -1);
    EXPECT_EQ(p.y, 404);
    EXPECT_EQ(ZelUnmap(chart.get(), 1, 60, 0, nullptr), 0);
}

TEST(TextAreas, BelongToTheirCallerAndOutliveTheChartSafely) {
    ZELCHART chart = ZelCreate();
    ZELTEXT area = ZelTextAreaCreate(chart);
    ASSERT_NE(area, nullptr);
    const char* lines[] = {"RPM", nullptr};
    EXPECT_EQ(zel2d::TextAreaSetValues(area, zel2d::AREA_KIND(1), zel2d::AREA_PLACEMENT(16), zel2d::AREA_LINES(lines),
                                       zel2d::AREA_X(5000), zel2d::AREA_Y(0), zel2d::AREA_PADDING(3),
                                       zel2d::AREA_BORDER(4), zel2d::AREA_SHOW(1)),
              1);
    // A chart code is not a text-area code; the list goes on past it.
    EXPECT_EQ(ZelTextAreaSetValues(area, ZEL2D_X_MIN, 1.0, ZEL2D_AREA_SHOW, 0, 0), 0);
    EXPECT_EQ(zel2d::TextAreaSetValues(area, zel2d::AREA_X(NAN)), 0);
    ZelDestroy(chart);
    EXPECT_EQ(zel2d::TextAreaSetValues(area, zel2d::AREA_SHOW(1)), 1);
    ZelTextAreaDestroy(area);
    ZelTextAreaDestroy(area);
}
