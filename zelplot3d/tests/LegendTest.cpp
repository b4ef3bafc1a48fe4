// The legend: its entries, labels and number format, its room in the
// layout, and its drawing.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ChartPictures.h"
#include "drawing/Legend.h"
#include "zelplot3d.h"

namespace {

using zel3d_test::Pixels;
using zel3d_test::Rgb;

std::vector<std::string> g_proposed;
const char* g_replacement = nullptr;

const char* CaptureLabel(Zel3dChart*, int, double, double, const char* proposed) {
    g_proposed.push_back(proposed);
    return g_replacement ? g_replacement : proposed;
}

class Legend : public ::testing::Test {
protected:
    void SetUp() override {
        // z = i on x 0..9: the levels 0 .. 9 with ten linear levels.
        data_ = Zel3dMakeGridData(10, 4, 1e308, 1.0, 1.0, 0.0, 0.0, 1);
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 4; ++j) data_->grid.values[i][j] = i;
        chart_ = zel3d_test::MakeDetachedChart(480, 360);
        zel3d::SetValues(chart_, zel3d::SURFACE_DATA(data_), zel3d::DRAW_MESH(0), zel3d::DRAW_SHADED(0),
                         zel3d::DRAW_CONTOURS(1), zel3d::NUM_DISTN_LEVELS(10), zel3d::BACKGROUND_COLOR(0xFFFFFF),
                         zel3d::GRAPH_BACKGROUND_COLOR(0xFFFFFF));
        g_proposed.clear();
        g_replacement = nullptr;
    }
    void TearDown() override {
        Zel3dDestroy(chart_);
        Zel3dDestroyData(data_, 1);
    }
    int GraphWidth() { return zel3d::GetValue(chart_, zel3d::GRAPH_WIDTH); }
    Zel3dData* data_ = nullptr;
    Zel3dChart* chart_ = nullptr;
};

TEST_F(Legend, TakesRoomOnlyWhenShown) {
    int with_legend = GraphWidth();
    EXPECT_GT(zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH), 0);
    EXPECT_GT(zel3d::GetValue(chart_, zel3d::LEGEND_HEIGHT), 0);
    zel3d::SetValues(chart_, zel3d::LEGEND_SHOW(0));
    EXPECT_EQ(0, zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH));
    EXPECT_EQ(0, zel3d::GetValue(chart_, zel3d::LEGEND_HEIGHT));
    EXPECT_GT(GraphWidth(), with_legend);
    // Nothing to explain: no legend either.
    zel3d::SetValues(chart_, zel3d::LEGEND_SHOW(1), zel3d::DRAW_CONTOURS(0), zel3d::DRAW_MESH(1));
    EXPECT_EQ(0, zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH));
}

TEST_F(Legend, ContourLevelsFollowTheLabelFilter) {
    zel3d::SetValues(chart_, zel3d::LEGEND_LABEL_FILTER(3));
    zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH);  // brings the chart up to date
    EXPECT_EQ((std::vector<double>{3.0, 6.0, 9.0}), zel3d_legend_levels(chart_));
    zel3d::SetValues(chart_, zel3d::LEGEND_LABEL_FILTER(0));
    zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH);
    EXPECT_EQ(9u, zel3d_legend_levels(chart_).size());  // linear contour levels skip level 0
}

TEST_F(Legend, LabelsUseTheLevelFormatAndTheCallersFunction) {
    zel3d::SetValues(chart_, zel3d::LEGEND_LABEL_FUNC(CaptureLabel), zel3d::LEGEND_LABEL_FILTER(3));
    zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH);
    ASSERT_FALSE(g_proposed.empty());
    std::set<std::string> proposed(g_proposed.begin(), g_proposed.end());
    EXPECT_EQ((std::set<std::string>{"\\r3.0", "\\r6.0", "\\r9.0"}), proposed);
    // Zone boxes: the band's two ends.
    g_proposed.clear();
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(1));
    zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH);
    ASSERT_FALSE(g_proposed.empty());
    EXPECT_EQ("\\r0.0\\c .. \\r3.0", g_proposed.front());
    // An empty replacement keeps the entries, without labels.
    int width = zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH);
    g_replacement = "";
    zel3d::SetValues(chart_, zel3d::LEGEND_LABEL_FILTER(2));
    EXPECT_EQ(4u, zel3d_legend_levels(chart_).size());
    EXPECT_LT(zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH), width);
    EXPECT_GT(zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH), 0);
}

TEST_F(Legend, ZoneLegendIsDrawnInItsRectangle) {
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(1),
                     zel3d::LEGEND_TITLE("Torque"));
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    zel3d_test::SavePicture(pixels, "legend_zones");
    int x = zel3d::GetValue(chart_, zel3d::LEGEND_X), y = zel3d::GetValue(chart_, zel3d::LEGEND_Y);
    int w = zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH), h = zel3d::GetValue(chart_, zel3d::LEGEND_HEIGHT);
    ASSERT_GT(w, 0);
    std::set<unsigned> colours;
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px) colours.insert(pixels.At(px, py));
    // The sample boxes of several bands, the text and the background.
    EXPECT_GE(colours.size(), 5u);
    EXPECT_EQ(1u, colours.count(Rgb(0x000000)));
}

}  // namespace
