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
    Zel3dGetValues(chart, ZEL3D_GRAPH_X, &a.x, ZEL3D_GRAPH_Y, &a.y, ZEL3D_GRAPH_WIDTH, &a.width, ZEL3D_GRAPH_HEIGHT,
                   &a.height, 0);
    return a;
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        chart_ = MakeDetachedChart(480, 360);
        Zel3dSetValues(chart_, ZEL3D_LEGEND_SHOW, 0, 0);
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
    Zel3dSetValues(chart_, ZEL3D_BORDER_WIDTH, 5, 0);
    g = Graph(chart_);
    EXPECT_EQ(24, g.x);
    EXPECT_EQ(19, g.y);
    EXPECT_EQ(432, g.width);
    EXPECT_EQ(322, g.height);
}

TEST_F(Layout, AGivenXKeepsTheComputedRightEdge) {
    Zel3dSetValues(chart_, ZEL3D_GRAPH_X, 50, 0);
    Area g = Graph(chart_);
    EXPECT_EQ(50, g.x);
    EXPECT_EQ(410, g.width);
    int use_default = 1;
    Zel3dGetValues(chart_, ZEL3D_GRAPH_X_USE_DEFAULT, &use_default, 0);
    EXPECT_EQ(0, use_default);
}

TEST_F(Layout, HeaderAndFooterLeaveTheGraphTheBandBetweenThem) {
    const char* header[] = {"Header", nullptr};
    const char* footer[] = {"Footer", nullptr};
    Zel3dSetValues(chart_, ZEL3D_HEADER_STRINGS, header, ZEL3D_FOOTER_STRINGS, footer, 0);
    int header_y = 0, header_height = 0, footer_y = 0, footer_height = 0, header_x = 0, header_width = 0;
    Zel3dGetValues(chart_, ZEL3D_HEADER_Y, &header_y, ZEL3D_HEADER_HEIGHT, &header_height, ZEL3D_FOOTER_Y, &footer_y,
                   ZEL3D_FOOTER_HEIGHT, &footer_height, ZEL3D_HEADER_X, &header_x, ZEL3D_HEADER_WIDTH,
                   &header_width, 0);
    ASSERT_GT(header_height, 0);
    Area g = Graph(chart_);
    EXPECT_GE(g.y, header_y + header_height);
    EXPECT_LE(g.y + g.height, footer_y);
    EXPECT_EQ(int(360 - footer_height - chart_->footer.font.height * 0.75), footer_y);
    // Defaulted header x is centred over the graph.
    EXPECT_EQ(g.x + (g.width - header_width) / 2, header_x);
}

TEST_F(Layout, AWindowSmallerThanItsBorderClampsPositionsToZero) {
    Zel3dSetValues(chart_, ZEL3D_WIDTH, 30, ZEL3D_HEIGHT, 30, ZEL3D_BORDER_WIDTH, 20, 0);
    Area g = Graph(chart_);
    EXPECT_GE(g.width, 0);
    int legend_x = -1, legend_y = -1;
    Zel3dGetValues(chart_, ZEL3D_LEGEND_X, &legend_x, ZEL3D_LEGEND_Y, &legend_y, 0);
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
    Zel3dSetValues(chart, ZEL3D_SURFACE_DATA, grid.data, 0);
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
    Zel3dSetValues(chart, ZEL3D_XROTATION, 0.0, 0);
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
    Zel3dSetValues(chart, ZEL3D_ZAXIS_SHOW, 0, 0);
    RenderToMemory(chart);
    for (int edge = 8; edge < 12; ++edge) EXPECT_FALSE(layout.edge_drawn[edge] || layout.edge_annotated[edge]);
    Zel3dDestroy(chart);
}

}  // namespace
}  // namespace zel3d_test
