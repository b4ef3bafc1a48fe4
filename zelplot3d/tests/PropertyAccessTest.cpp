// The property table, the chart's defaults and the setters' clamps,
// refusals and side effects, through the property lists.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "chart/Chart.h"
#include "properties/PropertyTable.h"
#include "zelplot3d.h"

namespace {

struct ChartDeleter {
    void operator()(Zel3dChart* chart) const { Zel3dDestroy(chart); }
};
using ChartPtr = std::unique_ptr<Zel3dChart, ChartDeleter>;

int GetInt(Zel3dChart* chart, int code) {
    int value = 0x5A5A5A5A;
    Zel3dGetValues(chart, code, &value, 0);
    return value;
}

double GetDouble(Zel3dChart* chart, int code) {
    double value = -123.0;
    Zel3dGetValues(chart, code, &value, 0);
    return value;
}

const void* GetPointer(Zel3dChart* chart, int code) {
    const void* value = &value;
    Zel3dGetValues(chart, code, &value, 0);
    return value;
}

class ChartTest : public ::testing::Test {
protected:
    ChartPtr chart_{Zel3dCreate()};
    Zel3dChart* chart() { return chart_.get(); }
};

TEST(PropertyTable, KnowsEveryPropertyOnceInTableOrder) {
    EXPECT_EQ(0x70B, ZEL3D_XROTATION);
    EXPECT_EQ(0x4602, ZEL3D_GRAPH_BORDER);
    EXPECT_EQ(0x1113, ZEL3D_ZGRID_LINE_STYLE_USE_DEFAULT);
    int rows = 0;
    for (const PropertyRow* row = zel3d_property_table(); row->code != -1; ++row) {
        ++rows;
        EXPECT_EQ(row, zel3d_property_descriptor(row->code)) << row->name;
    }
    EXPECT_EQ(209, rows);
}

TEST(PropertyTable, UnknownClassesAndIndicesNameNoProperty) {
    for (int code : {0x000, 0x11D, 0x1FF, 0x213, 0x1F00, 0x1600, 0x4A00, 0x5400, -1, 0x10000})
        EXPECT_EQ(nullptr, zel3d_property_descriptor(code)) << std::hex << code;
}

TEST(PropertyTable, ValueInfoListsChartAndTextProperties) {
    struct Case {
        bool text;
        int n;
        int code;
        const char* name;
    };
    const Case cases[] = {
        {false, 0, 0x100, "DEBUG"},
        {false, -1, 0x100, "DEBUG"},
        {false, 178, 0x1113, "ZGRID_LINE_STYLE_USE_DEFAULT"},
        {false, 179, -7, nullptr},
        {true, 0, 0x10A, "TEXT_LINE_SHOW"},
        {true, 29, 0x1505, "TEXT_IMAGE"},
        {true, 30, -7, nullptr},
    };
    for (const Case& c : cases) {
        int code = -7;
        const char* name = "untouched";
        (c.text ? Zel3dTextGetValueInfo : Zel3dGetValueInfo)(c.n, &code, &name);
        EXPECT_EQ(c.code, code) << c.n;
        if (c.name) {
            EXPECT_STREQ(c.name, name);
        } else {
            EXPECT_EQ(nullptr, name);
        }
    }
    bool listed = false;
    for (int n = 0; n < 30; ++n) {
        int code = 0;
        const char* name = nullptr;
        Zel3dTextGetValueInfo(n, &code, &name);
        listed = listed || code == ZEL3D_TEXT_IMAGE_OBSOLETE;
    }
    EXPECT_TRUE(listed);
    EXPECT_FALSE(zel3d_is_text_resource(ZEL3D_TEXT_IMAGE_OBSOLETE));
    EXPECT_TRUE(zel3d_is_text_resource(ZEL3D_TEXT_PLANE));
}

TEST_F(ChartTest, IntegerDefaults) {
    struct Case {
        int code;
        int value;
    };
    const Case cases[] = {
        {ZEL3D_DOUBLE_BUFFER, 1}, {ZEL3D_REPAINT, 1}, {ZEL3D_DRAW_MESH, 1}, {ZEL3D_LEGEND_SHOW, 1},
        {ZEL3D_VIEW_NORMALIZED, 1}, {ZEL3D_XAXIS_SHOW, 1}, {ZEL3D_YMESH_SHOW, 1}, {ZEL3D_XMESH_FILTER, 1},
        {ZEL3D_LEGEND_LABEL_FILTER, 1}, {ZEL3D_GRAPH_X_USE_DEFAULT, 1}, {ZEL3D_XMAX_USE_DEFAULT, 1},
        {ZEL3D_DATA_STYLES_USE_DEFAULT, 1}, {ZEL3D_ZGRID_LINE_STYLE_USE_DEFAULT, 1},
        {ZEL3D_DRAW_SHADED, 0}, {ZEL3D_DRAW_CONTOURS, 0}, {ZEL3D_DRAW_ZONES, 0}, {ZEL3D_SOLID_SURFACE, 0},
        {ZEL3D_BORDER_WIDTH, 0}, {ZEL3D_USE_TRUETYPE, 0}, {ZEL3D_XGRID_LINES, 0}, {ZEL3D_PROJECT_ZMIN, 0},
        {ZEL3D_HEADER_WIDTH, 0}, {ZEL3D_DEBUG, 0},
        {ZEL3D_GRAPH_BORDER_WIDTH, 2}, {ZEL3D_LEGEND_BORDER_WIDTH, 2}, {ZEL3D_HEADER_BORDER_WIDTH, 2},
        {ZEL3D_FOOTER_BORDER_WIDTH, 2}, {ZEL3D_LEGEND_STYLE, 2}, {ZEL3D_FONT_ROTATION, 2},
        {ZEL3D_HEADER_ADJUST, 3}, {ZEL3D_FOOTER_ADJUST, 3},
        {ZEL3D_LEGEND_ORIENTATION, 1}, {ZEL3D_LEGEND_ANCHOR, 1}, {ZEL3D_XANNO_METHOD, 1},
        {ZEL3D_ZANNO_METHOD, 1}, {ZEL3D_LEGEND_DISTN_RANGE, 1}, {ZEL3D_IMAGE_LAYOUT, 1},
        {ZEL3D_LEGEND_IMAGE_LAYOUT, 1},
        {ZEL3D_TYPE, 0}, {ZEL3D_ZONE_METHOD, 0}, {ZEL3D_DISTN_METHOD, 0}, {ZEL3D_PREVIEW_METHOD, 0},
        {ZEL3D_BORDER, 0}, {ZEL3D_XBAR_FORMAT, 0},
        {ZEL3D_AXIS_STROKE_FONT, 13}, {ZEL3D_AXIS_TITLE_STROKE_FONT, 13}, {ZEL3D_AXIS_STROKE_SIZE, 80},
        {ZEL3D_AXIS_TITLE_STROKE_SIZE, 80}, {ZEL3D_NUM_DISTN_LEVELS, 10},
        {ZEL3D_BACKGROUND_COLOR, 0xFFFFFF}, {ZEL3D_FOREGROUND_COLOR, 0}, {ZEL3D_SURFACE_TOP_COLOR, 0xD3D3D3},
        {ZEL3D_SURFACE_BOTTOM_COLOR, 0x707070}, {ZEL3D_MESH_TOP_COLOR, 0}, {ZEL3D_MESH_BOTTOM_COLOR, 0},
        {ZEL3D_GRAPH_BACKGROUND_COLOR, -1}, {ZEL3D_HEADER_FOREGROUND_COLOR, -1},
        {ZEL3D_DATA_AREA_BACKGROUND_COLOR, -1}, {ZEL3D_LEGEND_BACKGROUND_COLOR, -1},
        {ZEL3D_GRAPH_X, 27241}, {ZEL3D_GRAPH_WIDTH, 27241}, {ZEL3D_HEADER_X, 27241}, {ZEL3D_LEGEND_Y, 27241},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value, GetInt(chart(), c.code)) << std::hex << c.code;
}

TEST_F(ChartTest, DoubleDefaults) {
    struct Case {
        int code;
        double value;
    };
    const Case cases[] = {
        {ZEL3D_PERSPECTIVE_DEPTH, 2.5}, {ZEL3D_XROTATION, 45.0}, {ZEL3D_YROTATION, 0.0},
        {ZEL3D_ZROTATION, 45.0}, {ZEL3D_XSCALE, 1.0}, {ZEL3D_ZSCALE, 1.0}, {ZEL3D_VIEW_SCALE, 1.0},
        {ZEL3D_VIEW_XTRANSLATE, 0.0}, {ZEL3D_ZORIGIN, 0.0}, {ZEL3D_XBAR_SPACING, 80.0},
        {ZEL3D_YBAR_SPACING, 80.0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value, GetDouble(chart(), c.code)) << std::hex << c.code;
    for (int code : {ZEL3D_XMIN, ZEL3D_XMAX, ZEL3D_YMIN, ZEL3D_YMAX, ZEL3D_ZMIN, ZEL3D_ZMAX}) {
        double limit = GetDouble(chart(), code);
        uint64_t bits;
        memcpy(&bits, &limit, sizeof bits);
        EXPECT_EQ(0x7FE1CCF385EBC8A0u, bits) << std::hex << code;
    }
}

TEST_F(ChartTest, ListDefaults) {
    for (int code : {ZEL3D_XAXIS_TITLE, ZEL3D_LEGEND_TITLE, ZEL3D_HEADER_STRINGS, ZEL3D_XVALUE_LABELS,
                     ZEL3D_XY_COLORS, ZEL3D_DISTN_TABLE, ZEL3D_LEGEND_LABEL_FUNC, ZEL3D_SURFACE_DATA,
                     ZEL3D_IMAGE})
        EXPECT_EQ(nullptr, GetPointer(chart(), code)) << std::hex << code;
    auto styles = static_cast<const Zel3dContourStyle* const*>(GetPointer(chart(), ZEL3D_CONTOUR_STYLES));
    int count = 0;
    while (styles && styles[count]) ++count;
    EXPECT_EQ(100, count);
    auto grid = static_cast<const Zel3dLineStyle*>(GetPointer(chart(), ZEL3D_XGRID_LINE_STYLE));
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(2, grid->pattern);
    EXPECT_EQ(0, grid->color);
    EXPECT_EQ(1, grid->width);
}

TEST_F(ChartTest, TextObjectDefaults) {
    Zel3dText* text = Zel3dTextCreate(chart());
    ASSERT_NE(nullptr, text);
    struct Case {
        int code;
        int value;
    };
    const Case cases[] = {
        {ZEL3D_TEXT_ADJUST, 3}, {ZEL3D_TEXT_BORDER_WIDTH, 2}, {ZEL3D_TEXT_PLANE, 2}, {ZEL3D_TEXT_LINE_SHOW, 1},
        {ZEL3D_TEXT_SHOW, 1}, {ZEL3D_TEXT_STROKE_FONT, 13}, {ZEL3D_TEXT_STROKE_SIZE, 80},
        {ZEL3D_TEXT_ATTACH_METHOD, 0}, {ZEL3D_TEXT_BORDER, 0}, {ZEL3D_TEXT_BACKGROUND_COLOR, -1},
    };
    for (const Case& c : cases) {
        int value = -99;
        Zel3dTextGetValues(text, c.code, &value, 0);
        EXPECT_EQ(c.value, value) << std::hex << c.code;
    }
    Zel3dTextDestroy(text);
    EXPECT_EQ(nullptr, chart()->text_objects);
    EXPECT_EQ(nullptr, Zel3dTextCreate(nullptr));
}

// One setter case: the values are set one list each, in order; `expected`
// is what reads back.
struct IntRule {
    int code;
    std::vector<int> values;
    int expected;
};

TEST_F(ChartTest, IntegerClampsAndRefusals) {
    const IntRule cases[] = {
        {ZEL3D_BORDER_WIDTH, {50}, 20},          {ZEL3D_BORDER_WIDTH, {-3}, 0},
        {ZEL3D_BORDER_WIDTH, {7}, 7},            {ZEL3D_LEGEND_BORDER_WIDTH, {21}, 20},
        {ZEL3D_NUM_DISTN_LEVELS, {500}, 10},     {ZEL3D_NUM_DISTN_LEVELS, {-5}, 0},
        {ZEL3D_NUM_DISTN_LEVELS, {100}, 100},    {ZEL3D_AXIS_STROKE_SIZE, {0}, 1},
        {ZEL3D_AXIS_STROKE_SIZE, {1001}, 80},    {ZEL3D_AXIS_TITLE_STROKE_SIZE, {1000}, 1000},
        {ZEL3D_GRAPH_WIDTH, {-300}, 300},        {ZEL3D_GRAPH_HEIGHT, {-1}, 1},
        {ZEL3D_PROJECT_ZMAX, {7}, 3},            {ZEL3D_XGRID_LINES, {15}, 7},
        {ZEL3D_XMESH_FILTER, {-2}, 0},           {ZEL3D_YMESH_FILTER, {5}, 5},
        {ZEL3D_ZANNO_METHOD, {2}, 1},            {ZEL3D_XANNO_METHOD, {2}, 2},
        {ZEL3D_LEGEND_STYLE, {7}, 2},            {ZEL3D_TYPE, {5}, 0},
        {ZEL3D_LEGEND_ANCHOR, {3}, 1},           {ZEL3D_LEGEND_ANCHOR, {34}, 34},
        {ZEL3D_FOOTER_WIDTH, {100}, 0},          {ZEL3D_LEGEND_HEIGHT, {10}, 0},
        {ZEL3D_BACKGROUND_COLOR, {0x123456, -1}, 0xFFFFFF},
        {ZEL3D_FOREGROUND_COLOR, {0x123456, -1}, 0},
        {ZEL3D_MESH_TOP_COLOR, {0x123456, -1}, 0},
        {ZEL3D_SURFACE_BOTTOM_COLOR, {0x123456, -1}, 0x707070},
        {ZEL3D_SURFACE_TOP_COLOR, {0x123456, -1}, 0xD3D3D3},
        {ZEL3D_GRAPH_BACKGROUND_COLOR, {0x123456, -1}, -1},
        {ZEL3D_PREVIEW_METHOD, {100}, 100},
    };
    for (const IntRule& c : cases) {
        ChartPtr fresh(Zel3dCreate());
        for (int value : c.values) Zel3dSetValues(fresh.get(), c.code, value, 0);
        EXPECT_EQ(c.expected, GetInt(fresh.get(), c.code)) << std::hex << c.code;
    }
}

TEST_F(ChartTest, DoubleClampsAndRefusals) {
    struct Case {
        int code;
        double value;
        double expected;
    };
    const Case cases[] = {
        {ZEL3D_PERSPECTIVE_DEPTH, 0.5, 2.5},     {ZEL3D_PERSPECTIVE_DEPTH, 1.0, 1.0},
        {ZEL3D_PERSPECTIVE_DEPTH, 100000.0, 100000.0},
        {ZEL3D_XSCALE, 0.0, 1.0},                {ZEL3D_YSCALE, -2.0, 1.0},
        {ZEL3D_ZSCALE, 3.0, 3.0},                {ZEL3D_XBAR_SPACING, 150.0, 100.0},
        {ZEL3D_YBAR_SPACING, -1.0, 0.0},         {ZEL3D_XROTATION, 25.0, 25.0},
        {ZEL3D_XROTATION, NAN, 45.0},            {ZEL3D_ZROTATION, INFINITY, 45.0},
        {ZEL3D_VIEW_SCALE, 40.0, 40.0},
    };
    for (const Case& c : cases) {
        ChartPtr fresh(Zel3dCreate());
        Zel3dSetValues(fresh.get(), c.code, c.value, 0);
        EXPECT_EQ(c.expected, GetDouble(fresh.get(), c.code)) << std::hex << c.code << " " << c.value;
    }
}

TEST_F(ChartTest, SettingAPositionOrLimitClearsItsUseDefaultFlag) {
    Zel3dSetValues(chart(), ZEL3D_GRAPH_X, 0, ZEL3D_XMAX, 1e308, ZEL3D_YMAX, 5.0, 0);
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_GRAPH_X));
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_GRAPH_X_USE_DEFAULT));
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_GRAPH_Y_USE_DEFAULT));
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_XMAX_USE_DEFAULT));
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_YMAX_USE_DEFAULT));
}

TEST_F(ChartTest, DamageMarksOfSetters) {
    struct Case {
        int code;
        int value;
        int damage;
    };
    const Case cases[] = {
        {ZEL3D_FOOTER_BACKGROUND_COLOR, 0xFF, 4}, {ZEL3D_HEADER_ADJUST, 1, 2}, {ZEL3D_LEGEND_SHOW, 0, 8},
        {ZEL3D_PROJECT_ZMIN, 1, 9},              {ZEL3D_DRAW_DROP_LINES, 1, 25}, {ZEL3D_BORDER_WIDTH, 3, 31},
        {ZEL3D_GRAPH_X, 10, 1},                  {ZEL3D_XMIN_USE_DEFAULT, 0, 0}, {ZEL3D_PREVIEW_METHOD, 100, 0},
        {ZEL3D_XGRID_LINES, 0, 0},
    };
    for (const Case& c : cases) {
        ChartPtr fresh(Zel3dCreate());
        fresh->damage_mask = 0;
        Zel3dSetValues(fresh.get(), c.code, c.value, 0);
        EXPECT_EQ(c.damage, fresh->damage_mask) << std::hex << c.code;
    }
}

TEST_F(ChartTest, ListStopsAtAnUnknownClassAndKeepsEarlierPairs) {
    chart()->damage_mask = 0;
    EXPECT_EQ(0, Zel3dSetValues(chart(), ZEL3D_XGRID_LINES, 3, 0x1F00, 5, ZEL3D_YGRID_LINES, 5, 0));
    EXPECT_EQ(3, GetInt(chart(), ZEL3D_XGRID_LINES));
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_YGRID_LINES));
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_REPAINT));
    // A text-only class ends a chart list too.
    Zel3dSetValues(chart(), ZEL3D_ZGRID_LINES, 6, ZEL3D_TEXT_PLANE, 4, ZEL3D_YGRID_LINES, 5, 0);
    EXPECT_EQ(6, GetInt(chart(), ZEL3D_ZGRID_LINES));
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_YGRID_LINES));
}

TEST_F(ChartTest, UnknownIndexInAKnownClassIsSkipped) {
    Zel3dSetValues(chart(), 0x1FF, 1, ZEL3D_XGRID_LINES, 3, 0x7FF, 2.0, ZEL3D_YGRID_LINES, 5, 0);
    EXPECT_EQ(3, GetInt(chart(), ZEL3D_XGRID_LINES));
    EXPECT_EQ(5, GetInt(chart(), ZEL3D_YGRID_LINES));
    int value = 77;
    Zel3dGetValues(chart(), 0x1FF, &value, 0);
    EXPECT_EQ(0, value);
}

TEST_F(ChartTest, RepaintZeroInAListStaysAfterIt) {
    Zel3dSetValues(chart(), ZEL3D_REPAINT, 0, ZEL3D_XGRID_LINES, 3, 0);
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_REPAINT));
    Zel3dSetValues(chart(), ZEL3D_REPAINT, 1, 0);
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_REPAINT));
}

TEST_F(ChartTest, TextObjectCodesThroughTheChartGiveNothing) {
    double point = 99.0;
    int plane = 99;
    Zel3dGetValues(chart(), ZEL3D_TEXT_ATTACH_POINT_X, &point, 0);
    EXPECT_EQ(0.0, point);
    Zel3dSetValues(chart(), ZEL3D_TEXT_BORDER_WIDTH, 5, 0);
    Zel3dGetValues(chart(), ZEL3D_TEXT_BORDER_WIDTH, &plane, 0);
    EXPECT_EQ(0, plane);
}

TEST_F(ChartTest, TextObjectRules) {
    Zel3dText* text = Zel3dTextCreate(chart());
    Zel3dTextSetValues(text, ZEL3D_TEXT_BORDER_WIDTH, 50, ZEL3D_TEXT_STROKE_SIZE, 2000, ZEL3D_TEXT_PLANE, 3,
                       ZEL3D_TEXT_ATTACH_POINT_X, 2.5, 0);
    int width = 0, size = 0, plane = 0;
    double x = 0;
    Zel3dTextGetValues(text, ZEL3D_TEXT_BORDER_WIDTH, &width, ZEL3D_TEXT_STROKE_SIZE, &size, ZEL3D_TEXT_PLANE,
                       &plane, ZEL3D_TEXT_ATTACH_POINT_X, &x, 0);
    EXPECT_EQ(20, width);
    EXPECT_EQ(80, size);
    EXPECT_EQ(2, plane);
    EXPECT_EQ(2.5, x);

    chart()->damage_mask = 0;
    Zel3dTextSetValues(text, ZEL3D_TEXT_ATTACH_METHOD, 2, 0);
    EXPECT_EQ(1, chart()->damage_mask);
    Zel3dTextSetValues(text, ZEL3D_TEXT_ATTACH_METHOD, 1, 0);
    EXPECT_EQ(31, chart()->damage_mask);

    // A chart code is not a text object's.
    Zel3dTextSetValues(text, ZEL3D_DRAW_MESH, 0, 0);
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_DRAW_MESH));
}

TEST_F(ChartTest, GridLineStylesFollowTheForegroundWhileDefaulted) {
    const Zel3dLineStyle dashed = {kLpatDashDot, 0xFF, 3};
    Zel3dSetValues(chart(), ZEL3D_XGRID_LINE_STYLE, &dashed, ZEL3D_FOREGROUND_COLOR, 0x0000FF, 0);
    auto x = static_cast<const Zel3dLineStyle*>(GetPointer(chart(), ZEL3D_XGRID_LINE_STYLE));
    auto y = static_cast<const Zel3dLineStyle*>(GetPointer(chart(), ZEL3D_YGRID_LINE_STYLE));
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_XGRID_LINE_STYLE_USE_DEFAULT));
    EXPECT_EQ(kLpatDashDot, x->pattern);
    EXPECT_EQ(0xFF, x->color);
    EXPECT_EQ(0x0000FF, y->color);
    Zel3dSetValues(chart(), ZEL3D_GRAPH_FOREGROUND_COLOR, 0x00FF00, ZEL3D_XGRID_LINE_STYLE_USE_DEFAULT, 1, 0);
    EXPECT_EQ(0x00FF00, x->color);
    EXPECT_EQ(kLpatSolid, x->pattern);
    EXPECT_EQ(0x00FF00, y->color);
    // A pattern outside the line patterns is refused.
    const Zel3dLineStyle bad = {99, 0, 1};
    Zel3dSetValues(chart(), ZEL3D_ZGRID_LINE_STYLE, &bad, 0);
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_ZGRID_LINE_STYLE_USE_DEFAULT));
}

TEST_F(ChartTest, DistributionTablesMustBeConsistent) {
    double levels[] = {3.0, 1.0, 2.0, 2.0};
    Zel3dDistnTable corrupted = {3, nullptr};
    Zel3dDistnTable negative = {-1, nullptr};
    Zel3dDistnTable table = {4, levels};
    Zel3dSetValues(chart(), ZEL3D_DISTN_TABLE, &corrupted, ZEL3D_DISTN_TABLE, &negative, 0);
    EXPECT_EQ(nullptr, GetPointer(chart(), ZEL3D_DISTN_TABLE));
    Zel3dSetValues(chart(), ZEL3D_DISTN_TABLE, &table, ZEL3D_DISTN_METHOD, 1, 0);
    auto kept = static_cast<const Zel3dDistnTable*>(GetPointer(chart(), ZEL3D_DISTN_TABLE));
    ASSERT_NE(nullptr, kept);
    ASSERT_EQ(3, kept->count);
    EXPECT_EQ(1.0, kept->levels[0]);
    EXPECT_EQ(3.0, kept->levels[2]);
    EXPECT_EQ(3, chart()->effective_levels);
}

TEST_F(ChartTest, NullContourStylesBringBackTheDefaults) {
    Zel3dContourStyle one = {0xFF, 0, 1, kLpatSolid};
    const Zel3dContourStyle* list[] = {&one, nullptr};
    Zel3dSetValues(chart(), ZEL3D_CONTOUR_STYLES, list, 0);
    EXPECT_EQ(1, chart()->contour_styles.count);
    Zel3dSetValues(chart(), ZEL3D_CONTOUR_STYLES, static_cast<void*>(nullptr), 0);
    EXPECT_EQ(100, chart()->contour_styles.count);
}

TEST_F(ChartTest, DataStylesAndTheirUseDefaultFlag) {
    Zel3dSetValues(chart(), ZEL3D_DATA_STYLES_USE_DEFAULT, 0, 0);
    EXPECT_EQ(1, GetInt(chart(), ZEL3D_DATA_STYLES_USE_DEFAULT));
    Zel3dDataStyle style = {{kLpatSolid, 0xFF, 2}, {3, 0xFF00, 9}};
    const Zel3dDataStyle* list[] = {&style, nullptr};
    Zel3dSetValues(chart(), ZEL3D_DATA_STYLES, list, 0);
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_DATA_STYLES_USE_DEFAULT));
    EXPECT_EQ(1, chart()->data_styles.count);
    Zel3dSetValues(chart(), ZEL3D_DATA_STYLES_USE_DEFAULT, 1, 0);
    EXPECT_EQ(nullptr, GetPointer(chart(), ZEL3D_DATA_STYLES));
}

TEST_F(ChartTest, SurfaceDataIsTakenEvenWhenUnchanged) {
    Zel3dData* grid = Zel3dMakeGridData(10, 19, 1e308, 1.0, 0.5, 1.0, 2.0, 1);
    for (int pass = 0; pass < 2; ++pass) {
        chart()->damage_mask = 0;
        Zel3dSetValues(chart(), ZEL3D_SURFACE_DATA, grid, 0);
        EXPECT_EQ(31, chart()->damage_mask);
        EXPECT_TRUE(chart()->surface_view.valid);
        EXPECT_EQ(10.0, chart()->surface_view.x[9]);
        EXPECT_EQ(11.0, chart()->surface_view.y[18]);
    }
    // The data styles cover the surface's series.
    EXPECT_EQ(1, chart()->data_styles.count);
    Zel3dDestroy(chart_.release());
    EXPECT_EQ(0.0, grid->grid.values[9][18]);
    Zel3dDestroyData(grid, 1);
}

TEST_F(ChartTest, TypedHelpersConvertToTheClassType) {
    zel3d::SetValues(chart(), zel3d::XROTATION(25), zel3d::PERSPECTIVE_DEPTH(100000), zel3d::DRAW_SHADED(1),
                     zel3d::XAXIS_TITLE("Best Result#(X)"));
    EXPECT_EQ(25.0, zel3d::GetValue(chart(), zel3d::XROTATION));
    EXPECT_EQ(100000.0, zel3d::GetValue(chart(), zel3d::PERSPECTIVE_DEPTH));
    EXPECT_EQ(1, zel3d::GetValue(chart(), zel3d::DRAW_SHADED));
    EXPECT_STREQ("Best Result#(X)", zel3d::GetValue(chart(), zel3d::XAXIS_TITLE));
    // The rotation buttons write back +-5 without wrapping.
    for (int press = 0; press < 2; ++press)
        zel3d::SetValues(chart(), zel3d::ZROTATION(zel3d::GetValue(chart(), zel3d::ZROTATION) - 5.0));
    EXPECT_EQ(35.0, zel3d::GetValue(chart(), zel3d::ZROTATION));
}

TEST_F(ChartTest, ReinitializeRestoresDefaultsAndKeepsTheCallersData) {
    Zel3dData* grid = Zel3dMakeGridData(2, 2, 1e308, 1, 1, 0, 0, 1);
    grid->grid.values[1][1] = 7.0;
    Zel3dTextCreate(chart());
    Zel3dSetValues(chart(), ZEL3D_XAXIS_TITLE, "x", ZEL3D_SURFACE_DATA, grid, ZEL3D_XROTATION, 10.0,
                   ZEL3D_BORDER_WIDTH, 4, 0);
    Zel3dSetPropString(chart(), ZEL3D_HEADER_FONT, "Arial,30");
    Zel3dReinitialize(chart());
    EXPECT_EQ(nullptr, GetPointer(chart(), ZEL3D_XAXIS_TITLE));
    EXPECT_EQ(nullptr, GetPointer(chart(), ZEL3D_SURFACE_DATA));
    EXPECT_EQ(45.0, GetDouble(chart(), ZEL3D_XROTATION));
    EXPECT_EQ(0, GetInt(chart(), ZEL3D_BORDER_WIDTH));
    EXPECT_EQ(nullptr, chart()->text_objects);
    EXPECT_EQ(chart()->legend.font.logfont.lfHeight, chart()->header.font.logfont.lfHeight);
    EXPECT_EQ(7.0, grid->grid.values[1][1]);
    Zel3dDestroyData(grid, 1);
}

}  // namespace
