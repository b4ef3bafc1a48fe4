// Layout of the chart's areas, read back through the property interface.
#include <gtest/gtest.h>

#include "ChartPictures.h"

namespace zel3d_test {
namespace {

struct Area {
    int x, y, width, height;
};

Area Graph(Zel3dChart* chart) {
    Area a = {};
    a.x = zel3d::GetValue(chart, zel3d::GRAPH_X);
    a.y = zel3d::GetValue(chart, zel3d::GRAPH_Y);
    a.width = zel3d::GetValue(chart, zel3d::GRAPH_WIDTH);
    a.height = zel3d::GetValue(chart, zel3d::GRAPH_HEIGHT);
    return a;
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        chart_ = MakeDetachedChart(480, 360);
        zel3d::SetValues(chart_, zel3d::LEGEND_SHOW(0));
    }
    void TearDown() override { Zel3dDestroy(chart_); }
    Zel3dChart* chart_ = nullptr;
};

TEST_F(Layout, GraphTakesTheFreeAreaLessATwentyFourthOnEachSide) {
    Area g = Graph(chart_);
    EXPECT_EQ(20, g.x);
    EXPECT_EQ(15, g.y);
    EXPECT_EQ(440, g.width);
    EXPECT_EQ(330, g.height);
    zel3d::SetValues(chart_, zel3d::BORDER_WIDTH(5));
    g = Graph(chart_);
    EXPECT_EQ(24, g.x);
    EXPECT_EQ(19, g.y);
    EXPECT_EQ(432, g.width);
    EXPECT_EQ(322, g.height);
}

TEST_F(Layout, AGivenXKeepsTheComputedRightEdge) {
    zel3d::SetValues(chart_, zel3d::GRAPH_X(50));
    Area g = Graph(chart_);
    EXPECT_EQ(50, g.x);
    EXPECT_EQ(410, g.width);
    int use_default = 1;
    use_default = zel3d::GetValue(chart_, zel3d::GRAPH_X_USE_DEFAULT);
    EXPECT_EQ(0, use_default);
}

TEST_F(Layout, HeaderAndFooterLeaveTheGraphTheBandBetweenThem) {
    const char* header[] = {"Header", nullptr};
    const char* footer[] = {"Footer", nullptr};
    zel3d::SetValues(chart_, zel3d::HEADER_STRINGS(header), zel3d::FOOTER_STRINGS(footer));
    int header_y = 0, header_height = 0, footer_y = 0, footer_height = 0, header_x = 0, header_width = 0;
    header_y = zel3d::GetValue(chart_, zel3d::HEADER_Y);
    header_height = zel3d::GetValue(chart_, zel3d::HEADER_HEIGHT);
    footer_y = zel3d::GetValue(chart_, zel3d::FOOTER_Y);
    footer_height = zel3d::GetValue(chart_, zel3d::FOOTER_HEIGHT);
    header_x = zel3d::GetValue(chart_, zel3d::HEADER_X);
    header_width = zel3d::GetValue(chart_, zel3d::HEADER_WIDTH);
    ASSERT_GT(header_height, 0);
    Area g = Graph(chart_);
    EXPECT_GE(g.y, header_y + header_height);
    EXPECT_LE(g.y + g.height, footer_y);
    EXPECT_EQ(int(360 - footer_height - chart_->footer.font.height * 0.75), footer_y);
    // Defaulted header x is centred over the graph.
    EXPECT_EQ(g.x + (g.width - header_width) / 2, header_x);
}

TEST_F(Layout, AWindowSmallerThanItsBorderClampsPositionsToZero) {
    zel3d::SetValues(chart_, zel3d::WIDTH(30), zel3d::HEIGHT(30), zel3d::BORDER_WIDTH(20));
    Area g = Graph(chart_);
    EXPECT_GE(g.width, 0);
    int legend_x = -1, legend_y = -1;
    legend_x = zel3d::GetValue(chart_, zel3d::LEGEND_X);
    legend_y = zel3d::GetValue(chart_, zel3d::LEGEND_Y);
    EXPECT_EQ(0, legend_x);
    EXPECT_EQ(0, legend_y);
}

}  // namespace
}  // namespace zel3d_test

namespace zel3d_test {
namespace {

// Which box edges carry labels and which faces are walls follows where the
// eye stands.
TEST(AxisEdges, ChosenByTheSideTheEyeSeesTheBoxFrom) {
    SweepGrid grid;
    Zel3dChart* chart = MakeDetachedChart(400, 300);
    zel3d::SetValues(chart, zel3d::SURFACE_DATA(grid.data));
    RenderToMemory(chart);
    const AxisLayout& layout = chart->scene.axes;
    // Default view: beyond -x, -y and +z; the corner (-, -, +) is nearest.
    EXPECT_EQ(2 | 8 | 16, layout.view_code);
    for (int edge : {1, 5, 8}) EXPECT_FALSE(layout.edge_drawn[edge]) << edge;
    for (int edge : {2, 6, 11}) EXPECT_FALSE(layout.edge_annotated[edge]) << edge;
    for (int edge : {0, 3, 4, 7, 9, 10}) EXPECT_TRUE(layout.edge_annotated[edge]) << edge;
    EXPECT_EQ(kFaceWall, layout.face_state[1]);
    EXPECT_EQ(kFaceOpen, layout.face_state[0]);
    EXPECT_EQ(kFaceOpen, layout.face_state[5]);
    // Level with the box: beyond -x and -y only. The upright edge between
    // the two open faces is hidden, the one opposite drawn without labels.
    zel3d::SetValues(chart, zel3d::XROTATION(0.0));
    RenderToMemory(chart);
    EXPECT_EQ(2 | 8, layout.view_code);
    EXPECT_FALSE(layout.edge_drawn[8]);
    EXPECT_TRUE(layout.edge_drawn[11]);
    EXPECT_FALSE(layout.edge_annotated[11]);
    EXPECT_TRUE(layout.edge_annotated[9]);
    EXPECT_TRUE(layout.edge_annotated[10]);
    EXPECT_TRUE(layout.edge_annotated[0] && layout.edge_annotated[1]);   // x edges at y-
    EXPECT_FALSE(layout.edge_annotated[2] || layout.edge_annotated[3]);  // x edges at y+
    EXPECT_EQ(kFaceWall, layout.face_state[4]);
    EXPECT_EQ(kFaceWall, layout.face_state[5]);
    // A hidden axis gives up its edges.
    zel3d::SetValues(chart, zel3d::ZAXIS_SHOW(0));
    RenderToMemory(chart);
    for (int edge = 8; edge < 12; ++edge) EXPECT_FALSE(layout.edge_drawn[edge] || layout.edge_annotated[edge]);
    Zel3dDestroy(chart);
}

}  // namespace
}  // namespace zel3d_test
