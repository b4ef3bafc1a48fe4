// The legend: its entries, labels and number format, its room in the
// layout, and its drawing.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ChartPictures.h"
#include "device/DeviceOps.h"
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

// The legend's rectangle, read back from the chart.
struct Box {
    int x, y, width, height;
};

Box LegendBox(Zel3dChart* chart) {
    return {zel3d::GetValue(chart, zel3d::LEGEND_X), zel3d::GetValue(chart, zel3d::LEGEND_Y),
            zel3d::GetValue(chart, zel3d::LEGEND_WIDTH), zel3d::GetValue(chart, zel3d::LEGEND_HEIGHT)};
}

int PickedEntry(Zel3dChart* chart, int x, int y) {
    Zel3dPickResult pick;
    EXPECT_EQ(ZEL3D_REGION_LEGEND, Zel3dPick(chart, x, y, &pick));
    EXPECT_EQ(pick.row < 0 ? -1 : 0, pick.column);
    return pick.row;
}

TEST_F(Legend, PickFindsTheEntryUnderThePoint) {
    // Zones with the mesh and no shading: line samples, nine bands in one column.
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::DRAW_MESH(1), zel3d::LEGEND_BORDER(0));
    Box box = LegendBox(chart_);
    ASSERT_EQ(0, box.height % 9);
    int row_height = box.height / 9;
    // The highest band stands at the top.
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(8 - row, PickedEntry(chart_, box.x + box.width / 2, box.y + row * row_height + row_height / 2)) << row;
    EXPECT_EQ(8, PickedEntry(chart_, box.x, box.y));
    EXPECT_EQ(0, PickedEntry(chart_, box.x + box.width - 1, box.y + box.height - 1));
    // Contour line samples are not picked: the region alone.
    zel3d::SetValues(chart_, zel3d::DRAW_ZONES(0), zel3d::DRAW_CONTOURS(1));
    box = LegendBox(chart_);
    EXPECT_EQ(-1, PickedEntry(chart_, box.x + box.width / 2, box.y + box.height / 2));
}

TEST_F(Legend, EntriesFillColumnsOrRowsByTheRoomLeft) {
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(1),
                     zel3d::LEGEND_BORDER(0));
    Box tall = LegendBox(chart_);
    ASSERT_EQ(0, tall.height % 9);
    int row_height = tall.height / 9, entry_width = tall.width;
    // A low window: as many rows as the height leaves, the columns follow,
    // filled top to bottom from the highest band.
    zel3d::SetValues(chart_, zel3d::HEIGHT(5 * row_height + 20));
    Box low = LegendBox(chart_);
    int rows = low.height / row_height, columns = low.width / entry_width;
    EXPECT_EQ(low.height, rows * row_height);
    EXPECT_EQ(low.width, columns * entry_width);
    EXPECT_GE(rows, 3);
    EXPECT_LE(low.height, 5 * row_height + 20);
    EXPECT_EQ(columns, (9 + rows - 1) / rows);
    for (int k = 0; k < 9; ++k) {
        int column = k / rows, row = k % rows;
        EXPECT_EQ(8 - k, PickedEntry(chart_, low.x + column * entry_width + entry_width / 2,
                                     low.y + row * row_height + row_height / 2)) << k;
    }
    // Never fewer than three entries per column.
    zel3d::SetValues(chart_, zel3d::HEIGHT(2 * row_height + 20));
    EXPECT_EQ(3 * row_height, LegendBox(chart_).height);
    // Above the graph and horizontal: as many columns as the width leaves,
    // filled left to right.
    zel3d::SetValues(chart_, zel3d::HEIGHT(360), zel3d::WIDTH(entry_width * 4 + entry_width / 2 + 10),
                     zel3d::LEGEND_ANCHOR(16), zel3d::LEGEND_ORIENTATION(2));
    Box across = LegendBox(chart_);
    EXPECT_EQ(4 * entry_width, across.width);
    EXPECT_EQ(3 * row_height, across.height);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(8 - k, PickedEntry(chart_, across.x + (k % 4) * entry_width + entry_width / 2,
                                     across.y + (k / 4) * row_height + row_height / 2)) << k;
    // Vertical above the graph: at least three entries per column.
    zel3d::SetValues(chart_, zel3d::WIDTH(2000), zel3d::LEGEND_ORIENTATION(1));
    EXPECT_EQ(3 * entry_width, LegendBox(chart_).width);
    EXPECT_EQ(3 * row_height, LegendBox(chart_).height);
}

TEST_F(Legend, TableBandEndsAreRoundedOutwardToTheTablePrecision) {
    double levels[] = {0.1234567896, 0.5, 0.9876543211};
    Zel3dDistnTable table = {3, levels};
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(1),
                     zel3d::DISTN_METHOD(1), zel3d::DISTN_TABLE(&table), zel3d::LEGEND_LABEL_FUNC(CaptureLabel));
    g_proposed.clear();
    zel3d::GetValue(chart_, zel3d::LEGEND_WIDTH);
    ASSERT_EQ(2u, g_proposed.size());
    EXPECT_EQ("\\r0.123456789\\c .. \\r0.500000000", g_proposed[0]);
    EXPECT_EQ("\\r0.500000000\\c .. \\r0.987654322", g_proposed[1]);
}

// A continuous bar: the band sections abut, with no gap or line between them.
TEST_F(Legend, ContinuousBarsAreUnbroken) {
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(2),
                     zel3d::LEGEND_BORDER(0));
    const unsigned white = Rgb(0xFFFFFF), black = Rgb(0x000000);
    for (int orientation : {1, 2}) {
        SCOPED_TRACE(orientation);
        zel3d::SetValues(chart_, zel3d::LEGEND_ORIENTATION(orientation));
        Pixels pixels = zel3d_test::RenderToMemory(chart_);
        zel3d_test::SavePicture(pixels, orientation == 1 ? "legend_bar_down" : "legend_bar_across");
        Box box = LegendBox(chart_);
        ASSERT_GT(box.width, 0);
        EXPECT_LE(box.x + box.width, 480);  // within the window
        bool down = orientation == 1;
        // The bar's outline: the first dark pixel in from the start of the legend.
        int cross = down ? box.y + box.height / 2 : box.y + 2;
        int edge = -1;
        for (int k = 0; k < (down ? box.width : box.height) && edge < 0; ++k) {
            unsigned pixel = down ? pixels.At(box.x + k, cross) : pixels.At(box.x + 2 + k, box.y + k);
            if (down && pixel == black) edge = box.x + k;
            (void)pixel;
        }
        if (!down) {
            for (int k = 0; k < box.height && edge < 0; ++k)
                if (pixels.At(box.x + box.width / 2, box.y + k) == black) edge = box.y + k;
        }
        ASSERT_GE(edge, 0);
        std::set<unsigned> colours;
        int inside = edge + 3;
        int from = down ? box.y : box.x, to = down ? box.y + box.height : box.x + box.width;
        int first = -1, last = -1;
        for (int t = from; t < to; ++t) {
            unsigned pixel = down ? pixels.At(inside, t) : pixels.At(t, inside);
            if (pixel == black) {
                if (first < 0) first = t;
                last = t;
            }
        }
        ASSERT_LT(first, last);
        for (int t = first + 1; t < last; ++t) {
            unsigned pixel = down ? pixels.At(inside, t) : pixels.At(t, inside);
            EXPECT_NE(white, pixel) << t;
            EXPECT_NE(black, pixel) << t;
            colours.insert(pixel);
        }
        EXPECT_GE(colours.size(), 5u);
    }
}

// The title takes one and a half lines of the legend's own rectangle, above
// the entries, and the layout counts it.
TEST_F(Legend, TheTitleTakesRoomInsideTheLegend) {
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(1),
                     zel3d::LEGEND_BORDER(0));
    Box plain = LegendBox(chart_);
    int first_row = -1;
    for (int y = plain.y; y < plain.y + plain.height && first_row < 0; ++y)
        if (PickedEntry(chart_, plain.x + plain.width / 2, y) >= 0) first_row = y;
    zel3d::SetValues(chart_, zel3d::LEGEND_TITLE("Torque"));
    Box titled = LegendBox(chart_);
    int line = chart_->legend.font.height;
    ASSERT_GT(line, 0);
    EXPECT_EQ(plain.height + 3 * line / 2, titled.height);
    EXPECT_EQ(plain.width, titled.width);
    // The entries move down by the title's room.
    int titled_first_row = -1;
    for (int y = titled.y; y < titled.y + titled.height && titled_first_row < 0; ++y)
        if (PickedEntry(chart_, titled.x + titled.width / 2, y) >= 0) titled_first_row = y;
    EXPECT_EQ(first_row - plain.y + 3 * line / 2, titled_first_row - titled.y);
    // The title's letters lie in that room, none above the legend.
    Pixels pixels = zel3d_test::RenderToMemory(chart_);
    const unsigned black = Rgb(0x000000);
    int in_room = 0, above = 0;
    for (int x = titled.x; x < titled.x + titled.width; ++x) {
        for (int y = titled.y; y < titled.y + 3 * line / 2; ++y) in_room += pixels.At(x, y) == black;
        for (int y = std::max(titled.y - line, 0); y < titled.y; ++y) above += pixels.At(x, y) == black;
    }
    EXPECT_GT(in_room, 20);
    EXPECT_EQ(0, above);
}

// Records where the legend's texts and filled rectangles go.
struct LegendCalls {
    struct Text {
        int x, y;
        std::string text;
    };
    static std::vector<Text>& texts() {
        static std::vector<Text> recorded;
        return recorded;
    }
    static std::vector<RECT>& fills() {
        static std::vector<RECT> recorded;
        return recorded;
    }
    static void TextAligned(DeviceState* device, int x, int y, const char* text, int alignment) {
        texts().push_back({x, y, text});
        zel3d_windows_device_ops()->text_aligned(device, x, y, text, alignment);
    }
    static void FillRectangle(DeviceState* device, int x, int y, int width, int height) {
        fills().push_back({x, y, x + width, y + height});
        zel3d_windows_device_ops()->fill_rectangle(device, x, y, width, height);
    }
};

// A colour bar's labels name the boundaries between its sections: across,
// each is centred under the left edge of its band's section; down, each is
// centred beside the lower edge. The legend keeps them within its
// rectangle.
TEST_F(Legend, ColourBarLabelsStandOnTheBandBoundaries) {
    zel3d::SetValues(chart_, zel3d::DRAW_CONTOURS(0), zel3d::DRAW_ZONES(1), zel3d::LEGEND_STYLE(2),
                     zel3d::LEGEND_BORDER(0));
    DeviceOps table = *zel3d_windows_device_ops();
    table.text_aligned = &LegendCalls::TextAligned;
    table.fill_rectangle = &LegendCalls::FillRectangle;
    for (int orientation : {2, 1}) {
        SCOPED_TRACE(orientation);
        bool across = orientation == 2;
        zel3d::SetValues(chart_, zel3d::LEGEND_ORIENTATION(orientation));
        Box box = LegendBox(chart_);
        zel3d_bind_device_ops(chart_, &table);
        LegendCalls::texts().clear();
        LegendCalls::fills().clear();
        zel3d_legend_draw(chart_);
        zel3d_bind_device_ops(chart_, zel3d_windows_device_ops());
        // The sections: the fills after the legend's background, one per band.
        std::vector<RECT> sections(LegendCalls::fills().begin() + 1, LegendCalls::fills().end());
        std::vector<LegendCalls::Text> labels = LegendCalls::texts();
        ASSERT_EQ(10u, sections.size());  // the levels 0 .. 9, the top band open
        ASSERT_EQ(10u, labels.size());
        const FontRecord& font = chart_->legend.font;
        // Entries are drawn from the highest band down; sections lowest first.
        for (size_t n = 0; n < sections.size(); ++n) {
            const LegendCalls::Text& label = labels[sections.size() - 1 - n];
            EXPECT_EQ(std::to_string(n) + ".0", label.text);
            if (across) {
                EXPECT_EQ(sections[n].left, label.x) << n;  // the centre of a centred text
            } else {
                EXPECT_EQ(sections[n].bottom, label.y - (font.ascent - font.descent) / 2) << n;
            }
        }
        // Every label within the legend's rectangle.
        for (const LegendCalls::Text& label : labels) {
            int width = zel3d_ops(chart_).text_width(&chart_->device, label.text.c_str());
            int left = across ? label.x - width / 2 : label.x - width;  // centred, or right-aligned
            EXPECT_GE(left, box.x) << label.text;
            EXPECT_LE(left + width, box.x + box.width) << label.text;
            EXPECT_GE(label.y - font.ascent, box.y) << label.text;
            EXPECT_LE(label.y + font.descent, box.y + box.height) << label.text;
        }
    }
}

}  // namespace
