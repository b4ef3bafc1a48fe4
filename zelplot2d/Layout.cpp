#include "Layout.h"

#include <algorithm>

#include "AxisScale.h"

namespace zel2d_core {

namespace {

HFONT StockFont() { return HFONT(GetStockObject(DEFAULT_GUI_FONT)); }

int WidestLabel(HDC dc, const std::vector<TickLabel>& labels) {
    int widest = 0;
    for (const TickLabel& label : labels) widest = std::max(widest, TextWidth(dc, label.text));
    return widest;
}

// Height of a title line, or 0 without a title.
int TitleRoom(const ZelChartRecord& chart, int axis, int title_height) {
    return chart.axes[axis].title.empty() ? 0 : title_height;
}

}  // namespace

HFONT ChartFont(const ZelChartRecord& chart) { return chart.fonts.chart ? chart.fonts.chart : StockFont(); }
HFONT LegendFont(const ZelChartRecord& chart) { return chart.fonts.legend ? chart.fonts.legend : ChartFont(chart); }
HFONT TitleFont(const ZelChartRecord& chart) { return chart.fonts.title ? chart.fonts.title : ChartFont(chart); }

TextMetrics MeasureFont(HDC dc, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm = {};
    if (!GetTextMetricsA(dc, &tm)) tm.tmHeight = 13, tm.tmAveCharWidth = 6;
    SelectObject(dc, old);
    return TextMetrics{std::max(1, int(tm.tmHeight)), std::max(1, int(tm.tmAveCharWidth))};
}

int TextWidth(HDC dc, const std::string& text) {
    SIZE size = {0, 0};
    if (!text.empty()) GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    return size.cx;
}

std::vector<double> MajorTicks(const ZelChartRecord& chart, int axis) {
    const Axis& a = chart.axes[axis];
    return TickValues(a.min, a.max, a.major, a.anchor);
}

std::vector<TickLabel> AxisLabels(const ZelChartRecord& chart, int axis) {
    const Axis& a = chart.axes[axis];
    std::vector<TickLabel> labels;
    if (a.annotation == ZEL2D_ANNOTATE_VALUE_LABELS) {
        for (const auto& entry : a.value_labels)
            if (entry.first >= a.min && entry.first <= a.max) labels.push_back({entry.first, entry.second});
        return labels;
    }
    const double spacing = EffectiveSpacing(a.min, a.max, a.major);
    const int decimals = a.decimals >= 0 ? a.decimals : AutoDecimals(spacing);
    for (double value : MajorTicks(chart, axis)) labels.push_back({value, FormatTick(value, decimals)});
    return labels;
}

int MajorTickLength(const TextMetrics& metrics) { return std::max(4, metrics.height / 3); }

ZelLayout ComputeLayout(ZelChartRecord& chart, HDC dc, SIZE client) {
    RefreshAutoRanges(chart);
    ZelLayout layout;
    const int width = chart.graph_width > 0 ? chart.graph_width : client.cx - chart.graph_x;
    const int height = chart.graph_height > 0 ? chart.graph_height : client.cy - chart.graph_y;
    layout.graph = {chart.graph_x, chart.graph_y, chart.graph_x + std::max(0, width),
                    chart.graph_y + std::max(0, height)};
    if (!dc) return layout;

    const TextMetrics label = MeasureFont(dc, ChartFont(chart));
    const TextMetrics title = MeasureFont(dc, TitleFont(chart));
    HGDIOBJ old_font = SelectObject(dc, ChartFont(chart));
    const int outside = chart.tick_style == ZEL2D_TICKS_INSIDE ? 0 : MajorTickLength(label);
    const int cw = label.char_width, th = label.height;

    int automatic[4];
    automatic[0] = chart.axes[1].show
                       ? WidestLabel(dc, AxisLabels(chart, 1)) + outside + cw + TitleRoom(chart, 1, title.height + cw / 2) + cw / 2
                       : cw;
    automatic[1] = th;
    automatic[2] = SecondAxisShown(chart)
                       ? WidestLabel(dc, AxisLabels(chart, 2)) + outside + cw + TitleRoom(chart, 2, title.height + cw / 2) + cw / 2
                       : std::max(cw * 2, chart.axes[0].show ? WidestLabel(dc, AxisLabels(chart, 0)) / 2 + 2 : 0);
    automatic[3] = chart.axes[0].show ? th + outside + th / 4 + TitleRoom(chart, 0, title.height + th / 4) + th / 4
                                      : th / 2;
    SelectObject(dc, old_font);

    for (int side = 0; side < 4; ++side)
        layout.margins[side] = chart.margins[side].automatic ? automatic[side] : std::max(0, chart.margins[side].value);
    layout.plot = {layout.graph.left + layout.margins[0], layout.graph.top + layout.margins[1],
                   layout.graph.right - layout.margins[2], layout.graph.bottom - layout.margins[3]};
    layout.valid = width > 0 && height > 0 && layout.plot.right - layout.plot.left >= 2 && layout.plot.bottom - layout.plot.top >= 2;
    return layout;
}

ZelLayout CurrentLayout(ZelChartRecord& chart) {
    if (chart.painting) return *chart.painting;
    SIZE client = {0, 0};
    RECT rect;
    if (chart.window && GetClientRect(chart.window, &rect)) client = {rect.right, rect.bottom};
    HDC dc = GetDC(nullptr);
    ZelLayout layout = ComputeLayout(chart, dc, client);
    if (dc) ReleaseDC(nullptr, dc);
    return layout;
}

POINT UnmapPoint(const ZelChartRecord& chart, const ZelLayout& layout, int y_axis, double x, double y) {
    if (!layout.valid || y_axis < 1 || y_axis > 2) return POINT{-1, -1};
    const Axis& ax = chart.axes[0];
    const Axis& ay = chart.axes[y_axis];
    const RECT& p = layout.plot;
    return POINT{MapInside(x, ax.min, ax.max, p.left, p.right - 1), MapInside(y, ay.min, ay.max, p.bottom - 1, p.top)};
}

}  // namespace zel2d_core
