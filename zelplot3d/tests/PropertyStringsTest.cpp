// Properties as text: the converters of every type class, the colour names,
// fonts, and the library's string and number helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "chart/Chart.h"
#include "kernel/Helpers.h"
#include "properties/PropertyTable.h"
#include "properties/ValueText.h"
#include "zelplot3d.h"

namespace {

struct ChartDeleter {
    void operator()(Zel3dChart* chart) const { Zel3dDestroy(chart); }
};

class PropertyStrings : public ::testing::Test {
protected:
    std::unique_ptr<Zel3dChart, ChartDeleter> chart_{Zel3dCreate()};
    Zel3dChart* chart() { return chart_.get(); }

    std::string Get(int code) {
        char* text = nullptr;
        int length = Zel3dGetPropString(chart(), code, &text);
        std::string result = text ? text : "<null>";
        Zel3dFreePropString(text);
        return length ? result : "<failed>";
    }
    int GetInt(int code) {
        int value = 0;
        Zel3dGetValues(chart(), code, &value, 0);
        return value;
    }
};

TEST(ColorText, ParsesNamesAndHexadecimalForms) {
    struct Case {
        const char* text;
        int ok;
        int color;
    };
    const Case cases[] = {
        {"#abc", 1, 0xC0B0A0},         {"#0000ffff8000", 1, 0x80FF00}, {"#00ff80", 1, 0x80FF00},
        {"light goldenrod", 1, 0x82DDEE}, {"LIGHTGOLDENROD", 1, 0x82DDEE}, {"  navy blue", 1, 0x800000},
        {"", 1, -1},                    {"   ", 1, -1},                  {"0x0000FF", 1, 0xFF},
        {"(Automatic)", 1, -1},         {"Gray50", 1, 0x7F7F7F},         {"255", 0, 0},
        {"#abcd", 0, 0},                {"#ggg", 0, 0},                  {"NoSuchColour", 0, 0},
    };
    for (const Case& c : cases) {
        int color = 0;
        EXPECT_EQ(c.ok, Zel3dStrToColor(c.text, &color)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.color, color) << c.text;
        }
    }
    int color = 0;
    EXPECT_EQ(0, Zel3dRGBStrToColor("Red", &color));
    EXPECT_EQ(1, Zel3dRGBStrToColor("#ff0000", &color));
    EXPECT_EQ(0x0000FF, color);
}

TEST(ColorText, NamesAndRgbTextOfValues) {
    EXPECT_STREQ("Black", Zel3dColorToStr(0));
    EXPECT_STREQ("(Automatic)", Zel3dColorToStr(-1));
    EXPECT_STREQ("NavyBlue", Zel3dColorToStr(0x800000));
    EXPECT_STREQ("", Zel3dColorToStr(0x123457));
    EXPECT_STREQ("#000080", Zel3dColorToRGBStr(0x800000));
    EXPECT_STREQ("", Zel3dColorToRGBStr(-1));
}

TEST_F(PropertyStrings, ColourPropertiesAsText) {
    ASSERT_EQ(1, Zel3dSetPropString(chart(), ZEL3D_BACKGROUND_COLOR, "navy blue"));
    EXPECT_EQ(0x800000, GetInt(ZEL3D_BACKGROUND_COLOR));
    EXPECT_EQ("#000080", Get(ZEL3D_BACKGROUND_COLOR));
    EXPECT_EQ(0, Zel3dSetPropString(chart(), ZEL3D_BACKGROUND_COLOR, "not a colour"));
    EXPECT_EQ(0x800000, GetInt(ZEL3D_BACKGROUND_COLOR));
}

TEST_F(PropertyStrings, BooleansCountsAndDoubles) {
    struct Case {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"yes", 1}, Case{"true", 1}, Case{"1", 1}, Case{"", 1}, Case{"no", 0},
                          Case{"False", 0}, Case{" 0", 0}}) {
        Zel3dSetPropString(chart(), ZEL3D_DRAW_MESH, c.text);
        EXPECT_EQ(c.value, GetInt(ZEL3D_DRAW_MESH)) << c.text;
    }
    EXPECT_EQ("45", Get(ZEL3D_XROTATION));
    EXPECT_EQ(1, Zel3dSetPropString(chart(), ZEL3D_XROTATION, "25.5"));
    EXPECT_EQ("25.5", Get(ZEL3D_XROTATION));
    EXPECT_EQ(0, Zel3dSetPropString(chart(), ZEL3D_XGRID_LINES, "many"));
    EXPECT_EQ(1, Zel3dSetPropString(chart(), ZEL3D_XGRID_LINES, "5"));
    EXPECT_EQ("5", Get(ZEL3D_XGRID_LINES));
    EXPECT_EQ("<failed>", Get(ZEL3D_XMAX_USE_DEFAULT));
}

TEST_F(PropertyStrings, EnumerationsByLongAndShortName) {
    EXPECT_EQ("TypeSurface", Get(ZEL3D_TYPE));
    Zel3dSetPropString(chart(), ZEL3D_LEGEND_ANCHOR, "southwest");
    EXPECT_EQ(34, GetInt(ZEL3D_LEGEND_ANCHOR));
    EXPECT_EQ("AnchorSouthWest", Get(ZEL3D_LEGEND_ANCHOR));
    EXPECT_EQ(0, Zel3dSetPropString(chart(), ZEL3D_TYPE, "Pie"));
    PropertyValue value;
    value.i = 7;
    char* printed = zel3d_print_enum(64, value);
    EXPECT_STREQ("AdjustLeft", printed);
    free(printed);
}

TEST(ValueText, PlaneSetsRoundTrip) {
    PropertyValue value;
    ASSERT_TRUE(zel3d_parse_bit_set("xzplane+yz", 10, value));
    EXPECT_EQ(6, value.i);
    char* printed = zel3d_print_bit_set(10, value);
    EXPECT_STREQ("xzplane+yzplane", printed);
    free(printed);
    EXPECT_FALSE(zel3d_parse_bit_set("xz+wz", 10, value));
    ASSERT_TRUE(zel3d_parse_bit_set("", 13, value));
    EXPECT_EQ(0, value.i);
}

TEST_F(PropertyStrings, StringsAndStringLists) {
    EXPECT_EQ("", Get(ZEL3D_XAXIS_TITLE));
    char* text = nullptr;
    EXPECT_EQ(1, Zel3dGetPropString(chart(), ZEL3D_XAXIS_TITLE, &text));
    Zel3dFreePropString(text);
    Zel3dSetPropString(chart(), ZEL3D_XAXIS_TITLE, "  \"say \"\"hi\"\"\"  ");
    EXPECT_EQ("say \"hi\"", Get(ZEL3D_XAXIS_TITLE));

    ASSERT_EQ(1, Zel3dSetPropString(chart(), ZEL3D_HEADER_STRINGS, "a,b\\,c"));
    const char* const* lines = zel3d::GetValue(chart(), zel3d::HEADER_STRINGS);
    ASSERT_NE(nullptr, lines);
    EXPECT_STREQ("a", lines[0]);
    EXPECT_STREQ("b,c", lines[1]);
    EXPECT_EQ(nullptr, lines[2]);
    EXPECT_EQ("a,b\\,c", Get(ZEL3D_HEADER_STRINGS));
    Zel3dSetPropString(chart(), ZEL3D_FOOTER_STRINGS, "(\"one\" \"two, three\")");
    EXPECT_EQ("one,two\\, three", Get(ZEL3D_FOOTER_STRINGS));
}

// What a list property prints must parse back to the same value.
TEST_F(PropertyStrings, ListClassesRoundTrip) {
    struct Case {
        int code;
        const char* text;
        const char* printed;
    };
    const Case cases[] = {
        {ZEL3D_XVALUE_LABELS, "((2 \"two\") (1 \"one, \"\"1\"\"\") (2 \"again\"))",
         "((1 \"one, \"\"1\"\"\") (2 \"two\") )"},
        {ZEL3D_XY_COLORS, "((2 3 \"Blue\") (-1 -1 Red) (-5 0 Red) (2 3 \"\"))",
         "((-1 -1 #ff0000) (2 3 \"\") )"},
        {ZEL3D_XGRID_LINE_STYLE, "(DashDot \"Red\" 2)", "(LpatDashDot #ff0000 2)"},
        {ZEL3D_DATA_STYLES, "(((Solid Coral 1) (Dot #0000cd 7)) ((LpatNone \"\" 0) (SymbolStar Red 9)))",
         "(((LpatSolid #ff7f50 1) (SymbolDot #0000cd 7)) ((LpatNone \"\" 0) (SymbolStar #ff0000 9)) )"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(1, Zel3dSetPropString(chart(), c.code, c.text)) << c.text;
        std::string printed = Get(c.code);
        EXPECT_EQ(c.printed, printed);
        ASSERT_EQ(1, Zel3dSetPropString(chart(), c.code, printed.c_str()));
        EXPECT_EQ(printed, Get(c.code));
    }
    EXPECT_EQ("(LpatSolid #000000 1)", Get(ZEL3D_YGRID_LINE_STYLE));
    EXPECT_EQ(0, Zel3dSetPropString(chart(), ZEL3D_XVALUE_LABELS, "((1 unquoted))"));
}

TEST_F(PropertyStrings, FontsBySizeAndStyle) {
    ASSERT_EQ(1, Zel3dSetPropString(chart(), ZEL3D_AXIS_FONT, "Arial,12"));
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(-std::lround(12 * dpi / 72.0), chart()->axis_font.logfont.lfHeight);
    std::string printed = Get(ZEL3D_AXIS_FONT);
    EXPECT_EQ(std::string(chart()->axis_font.logfont.lfFaceName) + ",12", printed);
    Zel3dSetPropString(chart(), ZEL3D_LEGEND_FONT, "Arial,10,Bold,Italic");
    printed = Get(ZEL3D_LEGEND_FONT);
    EXPECT_NE(std::string::npos, printed.find(",10,Bold,Italic")) << printed;
}

TEST_F(PropertyStrings, RefusesTextObjectAndUnknownCodes) {
    EXPECT_EQ(0, Zel3dSetPropString(chart(), ZEL3D_TEXT_BORDER_WIDTH, "3"));
    EXPECT_EQ(0, Zel3dSetPropString(chart(), 0x1E00, "3"));
    EXPECT_EQ(0, Zel3dSetPropString(chart(), 0x2FF, "Red"));
    EXPECT_EQ(0, Zel3dSetPropString(nullptr, ZEL3D_DRAW_MESH, "1"));
    EXPECT_EQ("<failed>", Get(0x1E00));
    EXPECT_EQ("<failed>", Get(ZEL3D_TEXT_IMAGE_OBSOLETE));
    Zel3dText* text = Zel3dTextCreate(chart());
    EXPECT_EQ(1, Zel3dTextSetPropString(text, ZEL3D_TEXT_STRINGS, "one,two"));
    EXPECT_EQ(0, Zel3dTextSetPropString(text, ZEL3D_DRAW_MESH, "0"));
    char* value = nullptr;
    EXPECT_EQ(7, Zel3dTextGetPropString(text, ZEL3D_TEXT_STRINGS, &value));
    EXPECT_STREQ("one,two", value);
    Zel3dFreePropString(value);
}

TEST(Helpers, TolerantRoundingAndDecimalExponent) {
    EXPECT_EQ(3.0, zel3d_floor(2.9999999999999));
    EXPECT_EQ(3.0, zel3d_ceil(3.00000000000001));
    EXPECT_EQ(2.0, zel3d_floor(2.5));
    struct Case {
        double x;
        int exponent;
    };
    for (const Case& c : {Case{1234.5, -3}, Case{0.05, 2}, Case{1.0, 0}, Case{-0.5, 1}, Case{0.0, kNoExponent},
                          Case{INFINITY, kNoExponent}, Case{NAN, kNoExponent}})
        EXPECT_EQ(c.exponent, zel3d_decimal_exponent(c.x)) << c.x;
}

TEST(Helpers, StringHelpers) {
    EXPECT_TRUE(zel3d_strequal(nullptr, ""));
    EXPECT_TRUE(zel3d_strequal("", nullptr));
    EXPECT_FALSE(zel3d_strequal("a", nullptr));
    EXPECT_EQ(nullptr, zel3d_strdup(nullptr));
    std::string long_text(1500, 'A');
    char lower[kLowerBufferSize];
    zel3d_strlower(long_text.c_str(), lower);
    EXPECT_EQ(std::string(999, 'a'), lower);
}

TEST(Helpers, PathsExpandEnvironmentComponents) {
    _putenv("ZEL3D_TEST_HOME=/u");
    EXPECT_EQ("/u/data/x.dat", zel3d_expand_path("$ZEL3D_TEST_HOME/data/x.dat"));
    _putenv("ZEL3D_TEST_FOLDER=sub");
    EXPECT_EQ("/top/sub/x", zel3d_expand_path("/top/$ZEL3D_TEST_FOLDER/x"));
    _putenv("ZEL3D_TEST_HOME=");
    EXPECT_EQ("$ZEL3D_TEST_HOME/data/x.dat", zel3d_expand_path("$ZEL3D_TEST_HOME/data/x.dat"));
    std::string long_path(3000, 'p');
    EXPECT_EQ(long_path, zel3d_expand_path(long_path.c_str()));
}

TEST(Helpers, RangesBecomeNonEmptyAndAlwaysEnd) {
    struct Case {
        double min, max, data_min, data_max;
        double expected_min, expected_max;
    };
    const Case cases[] = {
        {5.0, 5.0, 5.0, 5.0, 4.0, 6.0},
        {1.0, 1.0, 0.0, 1.0, 0.0, 1.0},
        {INFINITY, INFINITY, INFINITY, INFINITY, 0.0, 1.0},
        {NAN, NAN, NAN, NAN, 0.0, 1.0},
        {-INFINITY, 3.0, -INFINITY, 3.0, 0.0, 1.0},
    };
    for (const Case& c : cases) {
        double min = c.min, max = c.max;
        int min_default = 0, max_default = 0;
        zel3d_fix_range(&min, &max, &min_default, &max_default, c.data_min, c.data_max);
        EXPECT_LT(min, max);
        EXPECT_DOUBLE_EQ(c.expected_min, min) << c.min;
        EXPECT_DOUBLE_EQ(c.expected_max, max) << c.max;
    }
    double min = 1e308, max = 1e308;
    int min_default = 0, max_default = 0;
    zel3d_fix_range(&min, &max, &min_default, &max_default, 1e308, 1e308);
    EXPECT_LT(min, max);
    EXPECT_TRUE(std::isfinite(max));
}

}  // namespace
