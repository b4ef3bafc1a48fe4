// Charts drawn into memory DCs and checked by their pixels: lines with holes
// and point windows, grouped bars with value labels, axes with and without
// numbers, grids, the legend row, text areas, areas, symbols and the
// reference line.
#include <gtest/gtest.h>

#include "ChartPictures.h"

using namespace zel2d_test;

namespace {

constexpr int kWidth = 640, kHeight = 480;
constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x008000, kGrey = 0x808080, kNavy = 0x800000;

// A chart with fixed margins, white plot and grey surroundings.
Chart FixedChart() {
    Chart chart(ZelCreate());
    zel2d::SetValues(chart.get(), zel2d::MARGIN_LEFT(70), zel2d::MARGIN_TOP(30), zel2d::MARGIN_RIGHT(70),
                     zel2d::MARGIN_BOTTOM(60), zel2d::PLOT_BACKGROUND(0xFFFFFF), zel2d::GRAPH_BACKGROUND(0xC0C0C0),
                     zel2d::CHART_BACKGROUND(0xC0C0C0), zel2d::X_MIN(0), zel2d::X_MAX(10), zel2d::Y_MIN(0),
                     zel2d::Y_MAX(10), zel2d::GRAPH_WIDTH(kWidth), zel2d::GRAPH_HEIGHT(kHeight));
    return chart;
}

void SetStyle(ZELCHART chart, int axis, int set, COLORREF color, int symbol = ZEL2D_SYMBOL_NONE,
              int pattern = ZEL2D_LINE_SOLID, int width = 1) {
    ZelStyle style = {pattern, 0, int(color), width, symbol, int(color), 7};
    if (axis == 1) ZelSetNthDataStyle(chart, set, &style);
    else ZelSetNthDataStyle2(chart, set, &style);
}

// Points (x, y) of set `set`.
void Fill(ZELDATA data, int set, std::initializer_list<std::pair<double, double>> points) {
    int i = 0;
    for (const auto& p : points) {
        ZelDataSetXElement(data, set, i, p.first);
        ZelDataSetYElement(data, set, i++, p.second);
    }
}

}  // namespace

TEST(Drawing, ALineBreaksAtAHoleAndKeepsToItsPointWindow) {
    Chart chart = FixedChart();
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 11));
    for (int i = 0; i <= 10; ++i) {
        ZelDataSetXElement(data.get(), 0, i, i);
        ZelDataSetYElement(data.get(), 0, i, i == 5 ? ZEL2D_HOLE : 5.0);
    }
    ZelDataSetFirstPoint(data.get(), 0, 1);
    ZelDataSetLastPoint(data.get(), 0, 9);
    SetStyle(chart.get(), 1, 0, kRed);
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()));
    const Pixels pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(pixels, "zel2d_line_hole");
    const unsigned red = Rgb(kRed);
    struct Probe {
        double x;
        bool drawn;
    } probes[] = {{0.5, false},  // before the first point
                  {1.5, true}, {3.5, true},
                  {4.5, false}, {5.0, false}, {5.5, false},  // the hole at 5 breaks 4..6
                  {6.5, true}, {8.5, true},
                  {9.5, false}};  // after the last point
    for (const Probe& probe : probes)
        EXPECT_EQ(pixels.At(PixelOf(chart.get(), probe.x, 5).x, PixelOf(chart.get(), probe.x, 5).y) == red, probe.drawn)
            << "x = " << probe.x;
}

TEST(Drawing, GroupedBarsSitAtTheirShareOfTheGroupWithValueLabels) {
    Chart chart = FixedChart();
    Data data(ZelDataCreate(ZEL2D_DATA_SHARED_X, 2, 1));
    ZelDataSetXElement(data.get(), 0, 0, 1.0);
    ZelDataSetYElement(data.get(), 0, 0, 300);  // baseline
    ZelDataSetYElement(data.get(), 1, 0, 320);  // best
    SetStyle(chart.get(), 1, 0, kGrey);
    SetStyle(chart.get(), 1, 1, kRed);
    zel2d::SetValues(chart.get(), zel2d::Y_CHART_TYPE(ZEL2D_CHART_BAR), zel2d::BAR_GROUP_WIDTH(60),
                     zel2d::X_ANNOTATION(ZEL2D_ANNOTATE_VALUE_LABELS), zel2d::X_AUTO_MIN(1), zel2d::X_AUTO_MAX(1),
                     zel2d::Y_MIN(290), zel2d::Y_MAX(330), zel2d::DATA(data.get()));
    ZelSetValueLabel(chart.get(), 0, 0.85, "Baseline");
    ZelSetValueLabel(chart.get(), 0, 1.15, "Best");
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MIN), 0.5);
    EXPECT_DOUBLE_EQ(zel2d::GetValue(chart.get(), zel2d::X_MAX), 1.5);
    const Pixels pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(pixels, "zel2d_bars");
    auto at = [&](double x, double y) {
        const POINT p = PixelOf(chart.get(), x, y);
        return pixels.At(p.x, p.y);
    };
    // Each bar is 0.3 wide: baseline 0.7..1.0 up to 300, best 1.0..1.3 up to 320.
    EXPECT_EQ(at(0.85, 295), Rgb(kGrey));
    EXPECT_EQ(at(0.72, 295), Rgb(kGrey));
    EXPECT_EQ(at(0.68, 295), 0xFFFFFFu);
    EXPECT_EQ(at(0.85, 305), 0xFFFFFFu);  // above the baseline bar
    EXPECT_EQ(at(1.15, 315), Rgb(kRed));
    EXPECT_EQ(at(1.28, 295), Rgb(kRed));
    EXPECT_EQ(at(1.32, 295), 0xFFFFFFu);
    EXPECT_EQ(at(1.15, 325), 0xFFFFFFu);
    // The labels stand centred under their bars, and no numbers elsewhere.
    const RECT plot = PlotOf(chart.get());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE baseline_size, best_size;
    GetTextExtentPoint32A(dc, "Baseline", 8, &baseline_size);
    GetTextExtentPoint32A(dc, "Best", 4, &best_size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const unsigned grey = 0xC0C0C0;
    for (auto label : {std::make_pair(0.85, baseline_size.cx), std::make_pair(1.15, best_size.cx)}) {
        const LONG centre = PixelOf(chart.get(), label.first, 300).x;
        const RECT band = {centre - label.second / 2 - 1, plot.bottom + 2, centre + label.second / 2 + 2, plot.bottom + 30};
        EXPECT_GT(CountOther(pixels, grey, band), 10) << label.first;
        const RECT left_of = {band.left - 8, band.top, band.left - 2, band.bottom};
        const RECT right_of = {band.right + 1, band.top, band.right + 8, band.bottom};
        EXPECT_EQ(CountOther(pixels, grey, left_of), 0) << label.first;
        EXPECT_EQ(CountOther(pixels, grey, right_of), 0) << label.first;
    }
}

TEST(Drawing, TheSecondYAxisCanGoWithoutNumbers) {
    Chart chart = FixedChart();
    Data left(ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 2)), right(ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 2));
    Fill(left.get(), 0, {{0, 2}, {10, 8}});
    Fill(right.get(), 0, {{0, 80}, {10, 20}});
    SetStyle(chart.get(), 2, 0, kBlue);
    zel2d::SetValues(chart.get(), zel2d::DATA(left.get()), zel2d::DATA2(right.get()), zel2d::Y2_AXIS_SHOW(1),
                     zel2d::Y2_MIN(0), zel2d::Y2_MAX(100));
    const unsigned grey = 0xC0C0C0;
    const RECT plot = PlotOf(chart.get());
    const RECT right_labels = {plot.right + 8, plot.top, kWidth, plot.bottom};
    const RECT left_labels = {0, plot.top, plot.left - 8, plot.bottom};
    const Pixels numbered = DrawIntoMemory(chart.get(), kWidth, kHeight);
    EXPECT_GT(CountOther(numbered, grey, right_labels), 50);
    // The second-y curve is drawn on its own scale: 80 at x 0.
    EXPECT_TRUE(Near(numbered, PixelOf(chart.get(), 0.5, 77, 2), Rgb(kBlue), 2));

    zel2d::SetValues(chart.get(), zel2d::Y2_ANNOTATION(ZEL2D_ANNOTATE_VALUE_LABELS));
    const Pixels bare = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(bare, "zel2d_second_axis_bare");
    EXPECT_EQ(CountOther(bare, grey, right_labels), 0);
    EXPECT_GT(CountOther(bare, grey, left_labels), 50);  // the first y axis keeps its numbers
    // The axis line and its ticks stay.
    EXPECT_GT(CountOther(bare, grey, RECT{plot.right, plot.top, plot.right + 8, plot.bottom}), 10);

    // With no displayed set the second axis is not drawn at all.
    ZelDataSetDisplay(right.get(), 0, ZEL2D_DISPLAY_EXCLUDE);
    const Pixels none = DrawIntoMemory(chart.get(), kWidth, kHeight);
    EXPECT_EQ(CountOther(none, grey, RECT{plot.right, plot.top, kWidth, plot.bottom}), 0);
}

TEST(Drawing, GridLinesFollowTheirAxisSwitchAndStyle) {
    Chart chart = FixedChart();
    ZelStyle grid = {ZEL2D_LINE_SOLID, 0, 0xDCDCDC, 1, 0, 0, 0};
    zel2d::SetValues(chart.get(), zel2d::Y_GRID_STYLE(&grid), zel2d::X_GRID_STYLE(&grid), zel2d::Y_MAJOR_SPACING(2.5),
                     zel2d::X_MAJOR_SPACING(2));
    const unsigned line = Rgb(0xDCDCDC);
    auto probe = [&](const Pixels& p) {
        return std::make_pair(p.At(PixelOf(chart.get(), 3, 5).x, PixelOf(chart.get(), 3, 5).y) == line,
                              p.At(PixelOf(chart.get(), 4, 3).x, PixelOf(chart.get(), 4, 3).y) == line);
    };
    EXPECT_EQ(probe(DrawIntoMemory(chart.get(), kWidth, kHeight)), std::make_pair(false, false));
    zel2d::SetValues(chart.get(), zel2d::Y_GRID(1));
    EXPECT_EQ(probe(DrawIntoMemory(chart.get(), kWidth, kHeight)), std::make_pair(true, false));
    zel2d::SetValues(chart.get(), zel2d::Y_GRID(0), zel2d::X_GRID(1));
    EXPECT_EQ(probe(DrawIntoMemory(chart.get(), kWidth, kHeight)), std::make_pair(false, true));
}

TEST(Drawing, TheLegendRowShowsASampleAndTextPerDisplayedSet) {
    Chart chart = FixedChart();
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 3, 2));
    for (int s = 0; s < 3; ++s) Fill(data.get(), s, {{0, 1.0 + s}, {10, 2.0 + s}});
    const char* texts[] = {"Power", "Torque", "Hidden", nullptr};
    SetStyle(chart.get(), 1, 0, kRed, ZEL2D_SYMBOL_DOT);
    SetStyle(chart.get(), 1, 1, kGreen, ZEL2D_SYMBOL_BOX);
    SetStyle(chart.get(), 1, 2, kBlue);
    ZelDataSetDisplay(data.get(), 2, ZEL2D_DISPLAY_HIDE);
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::LEGEND_TEXTS(texts),
                     zel2d::LEGEND_BACKGROUND(0xFFFFFF), zel2d::LEGEND_X(200), zel2d::LEGEND_Y(440));
    const int width = zel2d::GetValue(chart.get(), zel2d::LEGEND_WIDTH);
    const int height = zel2d::GetValue(chart.get(), zel2d::LEGEND_HEIGHT);
    const Pixels pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(pixels, "zel2d_legend");
    const RECT legend = {200, 440, 200 + width, 440 + height};
    // Framed on its background, exactly its measured size.
    EXPECT_EQ(pixels.At(200, 440 + height / 2), Rgb(0x000000));
    EXPECT_EQ(pixels.At(200 + width - 1, 440 + height / 2), Rgb(0x000000));
    EXPECT_EQ(pixels.At(200 + width, 440 + height / 2), 0xC0C0C0u);
    EXPECT_EQ(pixels.At(202, 442), 0xFFFFFFu);
    // Red then green samples in one row; the hidden blue set has none.
    int red_x = -1, green_x = -1;
    for (int x = legend.left; x < legend.right; ++x) {
        for (int y = legend.top; y < legend.bottom; ++y) {
            if (red_x < 0 && pixels.At(x, y) == Rgb(kRed)) red_x = x;
            if (green_x < 0 && pixels.At(x, y) == Rgb(kGreen)) green_x = x;
        }
    }
    EXPECT_GE(red_x, 0);
    EXPECT_GT(green_x, red_x + 40);  // after "Power"
    EXPECT_EQ(pixels.Count(Rgb(kBlue), &legend), 0);
    EXPECT_GT(pixels.Count(Rgb(0x000000), &legend), 2 * (width + height) + 30);  // frame and texts
}

TEST(Drawing, TextAreasStandAtTheirDataAnchorAsPlaced) {
    Chart chart = FixedChart();
    const char* lines[] = {"RPM", "x1000", nullptr};
    Area area(ZelTextAreaCreate(chart.get()));
    const COLORREF yellow = 0x00FFFF;
    zel2d::TextAreaSetValues(area.get(), zel2d::AREA_KIND(ZEL2D_AREA_DATA_ANCHORED),
                             zel2d::AREA_PLACEMENT(ZEL2D_PLACE_BELOW | ZEL2D_PLACE_RIGHT), zel2d::AREA_LINES(lines),
                             zel2d::AREA_X(5), zel2d::AREA_Y(5), zel2d::AREA_BACKGROUND(yellow),
                             zel2d::AREA_TEXT_COLOR(kNavy), zel2d::AREA_BORDER(4), zel2d::AREA_PADDING(3));
    const POINT anchor = PixelOf(chart.get(), 5, 5);
    struct Case {
        int placement;
        int dx, dy;  // a point inside the box, from the anchor
        int ox, oy;  // a point outside it
    } cases[] = {
        {ZEL2D_PLACE_BELOW | ZEL2D_PLACE_RIGHT, 3, 3, -3, -3},
        {ZEL2D_PLACE_ABOVE | ZEL2D_PLACE_LEFT, -3, -3, 3, 3},
        {ZEL2D_PLACE_ABOVE, 0, -3, 0, 3},  // centred across, above
        {ZEL2D_PLACE_BELOW | ZEL2D_PLACE_LEFT, -3, 3, 3, -3},
    };
    for (const Case& c : cases) {
        zel2d::TextAreaSetValues(area.get(), zel2d::AREA_PLACEMENT(c.placement));
        const Pixels pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
        if (c.placement == (ZEL2D_PLACE_BELOW | ZEL2D_PLACE_RIGHT)) SavePicture(pixels, "zel2d_text_area");
        // The border passes through the anchor's corner; the inside is the
        // background; navy text is inside.
        EXPECT_EQ(pixels.At(anchor.x + c.dx, anchor.y + c.dy), Rgb(yellow)) << c.placement;
        EXPECT_NE(pixels.At(anchor.x + c.ox, anchor.y + c.oy), Rgb(yellow)) << c.placement;
        const RECT around = {anchor.x - 80, anchor.y - 50, anchor.x + 80, anchor.y + 50};
        EXPECT_GT(pixels.Count(Rgb(kNavy), &around), 60) << c.placement;
    }
    // Hidden, it leaves the plot white.
    zel2d::TextAreaSetValues(area.get(), zel2d::AREA_SHOW(0));
    const Pixels hidden = DrawIntoMemory(chart.get(), kWidth, kHeight);
    const RECT around = {anchor.x - 80, anchor.y - 50, anchor.x + 80, anchor.y + 50};
    EXPECT_EQ(hidden.Count(Rgb(yellow), &around), 0);
}

TEST(Drawing, AreasSymbolsPatternsAndTheReferenceLine) {
    Chart chart = FixedChart();
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 4, 3));
    Fill(data.get(), 0, {{1, 8}, {5, 8}, {9, 8}});
    Fill(data.get(), 1, {{1, 6}, {5, 6}, {9, 6}});
    Fill(data.get(), 2, {{1, 4}, {5, 4}, {9, 4}});
    Fill(data.get(), 3, {{1, 2}, {5, 2}, {9, 2}});
    const int symbols[] = {ZEL2D_SYMBOL_DOT, ZEL2D_SYMBOL_BOX, ZEL2D_SYMBOL_TRIANGLE, ZEL2D_SYMBOL_DIAMOND};
    const COLORREF colors[] = {kRed, kGreen, kBlue, kNavy};
    for (int s = 0; s < 4; ++s) SetStyle(chart.get(), 1, s, colors[s], symbols[s], ZEL2D_LINE_NONE);
    ZelStyle reference = {ZEL2D_LINE_SOLID, 0, int(kGrey), 1, 0, 0, 0};
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::REFERENCE_LINE_SHOW(1),
                     zel2d::REFERENCE_VALUE(7.0), zel2d::REFERENCE_LINE_STYLE(&reference));
    Pixels pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(pixels, "zel2d_symbols");
    for (int s = 0; s < 4; ++s) {
        const double y = 8 - 2 * s;
        // The symbol at each point, and no line between points.
        EXPECT_TRUE(Near(pixels, PixelOf(chart.get(), 5, y), Rgb(colors[s]), 3)) << s;
        EXPECT_FALSE(Near(pixels, PixelOf(chart.get(), 3, y), Rgb(colors[s]), 1)) << s;
    }
    // Filled shapes cover their centre, hollow ones do not.
    EXPECT_EQ(pixels.At(PixelOf(chart.get(), 5, 8).x, PixelOf(chart.get(), 5, 8).y), Rgb(kRed));
    EXPECT_EQ(pixels.At(PixelOf(chart.get(), 5, 6).x, PixelOf(chart.get(), 5, 6).y), 0xFFFFFFu);
    EXPECT_EQ(pixels.At(PixelOf(chart.get(), 3, 7).x, PixelOf(chart.get(), 3, 7).y), Rgb(kGrey));

    // An area chart fills from the axis up to the curve.
    for (int s = 1; s < 4; ++s) ZelDataSetDisplay(data.get(), s, ZEL2D_DISPLAY_HIDE);
    SetStyle(chart.get(), 1, 0, kRed);
    zel2d::SetValues(chart.get(), zel2d::Y_CHART_TYPE(ZEL2D_CHART_AREA), zel2d::Y_FILL(ZEL2D_FILL_SOLID),
                     zel2d::REFERENCE_LINE_SHOW(0));
    pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(pixels, "zel2d_area");
    EXPECT_EQ(pixels.At(PixelOf(chart.get(), 3, 4).x, PixelOf(chart.get(), 3, 4).y), Rgb(kRed));
    EXPECT_EQ(pixels.At(PixelOf(chart.get(), 3, 9).x, PixelOf(chart.get(), 3, 9).y), 0xFFFFFFu);
    EXPECT_EQ(pixels.At(PixelOf(chart.get(), 0.5, 4).x, PixelOf(chart.get(), 0.5, 4).y), 0xFFFFFFu);
}

TEST(Drawing, AutomaticMarginsMakeRoomForLabelsAndTitles) {
    Chart chart(ZelCreate());
    Data data(ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 19));
    for (int i = 0; i < 19; ++i) {
        ZelDataSetXElement(data.get(), 0, i, 2000 + 500 * i);
        ZelDataSetYElement(data.get(), 0, i, 100 + 20 * i);
    }
    zel2d::SetValues(chart.get(), zel2d::DATA(data.get()), zel2d::X_AUTO_MIN(1), zel2d::X_AUTO_MAX(1),
                     zel2d::Y_AUTO_MIN(1), zel2d::Y_AUTO_MAX(1), zel2d::X_TITLE("Engine Speed (RPM)"),
                     zel2d::Y_TITLE("Power (HP)"), zel2d::GRAPH_WIDTH(kWidth), zel2d::GRAPH_HEIGHT(kHeight));
    const Pixels pixels = DrawIntoMemory(chart.get(), kWidth, kHeight);
    SavePicture(pixels, "zel2d_automatic");
    const RECT plot = PlotOf(chart.get());
    const unsigned grey = 0xC0C0C0;
    // Labels and titles left of and below the plot, inside the picture.
    EXPECT_GT(CountOther(pixels, grey, RECT{0, plot.top, plot.left - 6, plot.bottom}), 100);
    EXPECT_GT(CountOther(pixels, grey, RECT{plot.left, plot.bottom + 6, plot.right, kHeight}), 100);
    EXPECT_GT(plot.left, 20);
    EXPECT_LT(plot.bottom, kHeight - 20);
    // Zero-size: nothing drawn, nothing mapped, no crash.
    zel2d::SetValues(chart.get(), zel2d::GRAPH_WIDTH(0), zel2d::GRAPH_HEIGHT(0));
    const Pixels empty = DrawIntoMemory(chart.get(), 1, 1);
    EXPECT_EQ(empty.width(), 1);
    POINT p;
    EXPECT_EQ(ZelUnmap(chart.get(), 1, 5000, 200, &p), 0);
}
