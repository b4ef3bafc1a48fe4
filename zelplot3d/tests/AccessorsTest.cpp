// The element accessors of the list properties and the two data
// questions, through the exported calls and read back through the typed
// interface.
#include <gtest/gtest.h>

#include <string>

#include "ChartPictures.h"
#include "zelplot3d.h"

namespace {

constexpr double kHole = 1e308;

class Accessors : public ::testing::Test {
protected:
    void SetUp() override { chart_ = zel3d_test::MakeDetachedChart(400, 300); }
    void TearDown() override {
        Zel3dDestroy(chart_);
        for (Zel3dData* data : data_) Zel3dDestroyData(data, 1);
    }
    Zel3dData* Keep(Zel3dData* data) {
        data_.push_back(data);
        return data;
    }
    // The plane z = x + 2 y on x 0..2 by y 0..2.
    Zel3dData* Plane() {
        Zel3dData* grid = Keep(Zel3dMakeGridData(3, 3, kHole, 1.0, 1.0, 0.0, 0.0, 1));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) grid->grid.values[i][j] = i + 2.0 * j;
        return grid;
    }
    Zel3dChart* chart_ = nullptr;
    std::vector<Zel3dData*> data_;
};

TEST_F(Accessors, NthStringsGrowWithEmptyLines) {
    Zel3dSetNthHeaderString(chart_, 3, "fourth");
    const char* const* lines = zel3d::GetValue(chart_, zel3d::HEADER_STRINGS);
    ASSERT_NE(nullptr, lines);
    for (int k = 0; k < 3; ++k) EXPECT_STREQ("", lines[k]);
    EXPECT_STREQ("fourth", lines[3]);
    EXPECT_EQ(nullptr, lines[4]);
    Zel3dSetNthHeaderString(chart_, 1, "second");
    EXPECT_STREQ("second", Zel3dGetNthHeaderString(chart_, 1));
    EXPECT_EQ(nullptr, Zel3dGetNthHeaderString(chart_, 4));
    EXPECT_EQ(nullptr, Zel3dGetNthHeaderString(chart_, -1));
    // Refusals change nothing.
    Zel3dSetNthHeaderString(chart_, -1, "x");
    Zel3dSetNthHeaderString(chart_, 0, nullptr);
    EXPECT_STREQ("", Zel3dGetNthHeaderString(chart_, 0));
    EXPECT_EQ(0, Zel3dSetNthHeaderString(nullptr, 0, "x"));

    Zel3dSetNthFooterString(chart_, 0, "foot");
    Zel3dSetNthLegendString(chart_, 1, "series 2");
    EXPECT_STREQ("foot", zel3d::GetValue(chart_, zel3d::FOOTER_STRINGS)[0]);
    EXPECT_STREQ("series 2", Zel3dGetNthLegendString(chart_, 1));
    Zel3dSetNthDataLabel(chart_, 1, 0, "idle");
    EXPECT_STREQ("idle", zel3d::GetValue(chart_, zel3d::YDATA_LABELS)[0]);
    EXPECT_STREQ("idle", Zel3dGetNthDataLabel(chart_, 1, 0));
    // Axes without data labels are refused with a value that is no success.
    EXPECT_EQ(-1, Zel3dSetNthDataLabel(chart_, 2, 0, "z"));
    EXPECT_EQ(nullptr, Zel3dGetNthDataLabel(chart_, 2, 0));
}

TEST_F(Accessors, ValueLabelsStaySortedAndUnique) {
    Zel3dValueLabel two = {2.0, const_cast<char*>("two"), 0};
    Zel3dValueLabel one = {1.0, const_cast<char*>("one"), 0};
    Zel3dValueLabel deux = {2.0, const_cast<char*>("deux"), 0};
    Zel3dSetValueLabel(chart_, 0, &two);
    Zel3dSetValueLabel(chart_, 0, &one);
    Zel3dSetValueLabel(chart_, 0, &deux);
    const Zel3dValueLabel* const* labels = zel3d::GetValue(chart_, zel3d::XVALUE_LABELS);
    ASSERT_NE(nullptr, labels);
    EXPECT_STREQ("one", labels[0]->label);
    EXPECT_STREQ("deux", labels[1]->label);
    EXPECT_EQ(nullptr, labels[2]);
    double near_two = 1.6;
    EXPECT_STREQ("deux", Zel3dGetValueLabel(chart_, 0, &near_two)->label);
    double between = 1.5;  // equally near: the first
    EXPECT_STREQ("one", Zel3dGetValueLabel(chart_, 0, &between)->label);

    Zel3dValueLabel remove_two = {2.0, nullptr, 0};
    Zel3dSetValueLabel(chart_, 0, &remove_two);
    Zel3dValueLabel remove_one = {1.0, nullptr, 0};
    Zel3dSetValueLabel(chart_, 0, &remove_one);
    EXPECT_EQ(nullptr, zel3d::GetValue(chart_, zel3d::XVALUE_LABELS));
    EXPECT_EQ(nullptr, Zel3dGetValueLabel(chart_, 0, &between));
    EXPECT_EQ(-1, Zel3dSetValueLabel(chart_, 3, &one));
    EXPECT_EQ(0, Zel3dSetValueLabel(chart_, 0, nullptr));
    Zel3dSetValueLabel(chart_, 2, &one);
    EXPECT_STREQ("one", zel3d::GetValue(chart_, zel3d::ZVALUE_LABELS)[0]->label);
}

TEST_F(Accessors, DataStylesGrowInsertAndRemove) {
    // Past an empty list: default style 9 modulo 8.
    const Zel3dDataStyle* ninth = Zel3dGetNthDataStyle(chart_, 9);
    ASSERT_NE(nullptr, ninth);
    Zel3dDataStyle second_default = *Zel3dGetNthDataStyle(chart_, 1);
    EXPECT_EQ(second_default.symbol.shape, ninth->symbol.shape);
    EXPECT_EQ(nullptr, Zel3dGetNthDataStyle(chart_, -1));

    Zel3dDataStyle red = {{2, 0x0000FF, 3}, {4, 0x0000FF, 9}};
    EXPECT_EQ(0, Zel3dInsertNthDataStyle(chart_, 1, &red));  // past the end of an empty list
    Zel3dSetNthDataStyle(chart_, 2, &red);
    EXPECT_EQ(0, zel3d::GetValue(chart_, zel3d::DATA_STYLES_USE_DEFAULT));
    const Zel3dDataStyle* const* styles = zel3d::GetValue(chart_, zel3d::DATA_STYLES);
    ASSERT_NE(nullptr, styles);
    EXPECT_EQ(Zel3dGetNthDataStyle(chart_, 1)->symbol.shape, second_default.symbol.shape);
    EXPECT_EQ(0x0000FF, styles[2]->line.color);
    EXPECT_EQ(nullptr, styles[3]);

    // Insert at the front; a null style is the default of its place.
    EXPECT_EQ(1, Zel3dInsertNthDataStyle(chart_, 0, nullptr));
    EXPECT_EQ(1, Zel3dInsertNthDataStyle(chart_, 0, &red));
    EXPECT_EQ(0x0000FF, Zel3dGetNthDataStyle(chart_, 0)->symbol.color);
    EXPECT_EQ(0x0000FF, Zel3dGetNthDataStyle(chart_, 4)->line.color);

    // Point data with 3 series keep 3 styles.
    Zel3dData* points = Keep(Zel3dMakePointData(3, 2, kHole, 1));
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(points), zel3d::TYPE(2));
    EXPECT_EQ(1, Zel3dRemoveNthDataStyle(chart_, 0));
    EXPECT_EQ(1, Zel3dRemoveNthDataStyle(chart_, 0));
    EXPECT_EQ(0, Zel3dRemoveNthDataStyle(chart_, 0));
    EXPECT_EQ(0, Zel3dRemoveNthDataStyle(chart_, 7));
    // Without data the list can empty, and the defaults return.
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(nullptr));
    for (int k = 0; k < 3; ++k) EXPECT_EQ(1, Zel3dRemoveNthDataStyle(chart_, 0));
    EXPECT_EQ(nullptr, zel3d::GetValue(chart_, zel3d::DATA_STYLES));
    EXPECT_EQ(1, zel3d::GetValue(chart_, zel3d::DATA_STYLES_USE_DEFAULT));
}

TEST_F(Accessors, ContourStylesAndLevels) {
    Zel3dContourStyle thick = {0x00FF00, 0x0000FF, 3, 2};
    Zel3dSetNthContourStyle(chart_, 5, &thick);
    EXPECT_EQ(3, Zel3dGetNthContourStyle(chart_, 5)->line_width);
    EXPECT_EQ(nullptr, Zel3dGetNthContourStyle(chart_, 100));
    Zel3dContourStyle** reset = Zel3dResetContourStyles(chart_);
    ASSERT_NE(nullptr, reset);
    EXPECT_NE(3, Zel3dGetNthContourStyle(chart_, 5)->line_width);
    EXPECT_EQ(nullptr, Zel3dResetContourStyles(nullptr));

    // Levels 0, 1, ..., 4 over the plane's 0 .. 6 with 7 linear levels.
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(Plane()), zel3d::NUM_DISTN_LEVELS(7));
    Zel3dDistnTable* table = Zel3dGetDistnTable(chart_);
    ASSERT_NE(nullptr, table);
    ASSERT_EQ(7, table->count);
    EXPECT_EQ(0.0, table->levels[0]);
    EXPECT_EQ(6.0, table->levels[6]);
    Zel3dFreeDistnTable(table);
    EXPECT_EQ(0, Zel3dDistnIndex(chart_, -1.0));
    EXPECT_EQ(3, Zel3dDistnIndex(chart_, 2.5));
    EXPECT_EQ(7, Zel3dDistnIndex(chart_, 9.0));
}

TEST_F(Accessors, ZInterpolateInsideTheGrid) {
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(Plane()));
    EXPECT_DOUBLE_EQ(2.5, Zel3dZInterpolate(chart_, 1.5, 0.5));
    EXPECT_DOUBLE_EQ(3.0, Zel3dZInterpolate(chart_, 2.0, 0.5));  // the last x: the last cell
    EXPECT_DOUBLE_EQ(6.0, Zel3dZInterpolate(chart_, 2.0, 2.0));
    EXPECT_EQ(kHole, Zel3dZInterpolate(chart_, 2.5, 0.5));
    double z = 0.0;
    Zel3dZInterpolateIndirect(chart_, 0.25, 1.0, &z);
    EXPECT_DOUBLE_EQ(2.25, z);

    Zel3dData* holed = Plane();
    holed->grid.values[2][1] = kHole;
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(holed));
    EXPECT_EQ(kHole, Zel3dZInterpolate(chart_, 1.5, 0.5));
    EXPECT_DOUBLE_EQ(0.5, Zel3dZInterpolate(chart_, 0.5, 0.0));
    zel3d::SetValues(chart_, zel3d::TYPE(1));
    EXPECT_EQ(kHole, Zel3dZInterpolate(chart_, 0.5, 0.0));
    Zel3dData* points = Keep(Zel3dMakePointData(1, 2, -5.0, 1));
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(points), zel3d::TYPE(0));
    EXPECT_EQ(-5.0, Zel3dZInterpolate(chart_, 0.5, 0.0));
    EXPECT_EQ(0.0, Zel3dZInterpolate(nullptr, 0.5, 0.0));
}

// The vertical through a grid point passes the device point of that point
// at its own z, and the device point of another height at that height.
TEST_F(Accessors, ComputeZValueAlongTheVertical) {
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(Plane()), zel3d::DRAW_SHADED(1));
    zel3d_test::RenderToMemory(chart_);
    double zmin = zel3d::GetValue(chart_, zel3d::ZMIN), zmax = zel3d::GetValue(chart_, zel3d::ZMAX);
    for (double z : {3.0, zmin + 0.25 * (zmax - zmin), zmax}) {
        SCOPED_TRACE(z);
        POINT device = zel3d_test::DeviceOf(chart_, 1.0, 1.0, z);
        // One pixel of rounding over the box height.
        EXPECT_NEAR(z, Zel3dComputeZValue(chart_, 1, 1, device.x, device.y), (zmax - zmin) / 50.0);
    }
    EXPECT_EQ(kHole, Zel3dComputeZValue(chart_, 3, 0, 0, 0));
    double out = 0.0;
    Zel3dComputeZValueIndirect(chart_, -1, 0, 0, 0, &out);
    EXPECT_EQ(kHole, out);
    Zel3dData* holed = Plane();
    holed->grid.values[1][1] = kHole;
    zel3d::SetValues(chart_, zel3d::SURFACE_DATA(holed));
    EXPECT_EQ(kHole, Zel3dComputeZValue(chart_, 1, 1, 0, 0));
}

}  // namespace
