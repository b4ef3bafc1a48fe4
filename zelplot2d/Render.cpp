#include "Render.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "AxisScale.h"
#include "Layout.h"
#include "Legend.h"
#include "Strokes.h"

namespace zel2d_core {

namespace {

// Pixel mapping of one y axis in a layout, extrapolating beyond the range.
struct Frame {
    const ZelChartRecord& chart;
    const RECT& plot;
    int PixelX(double x) const {
        return Project(x, chart.axes[0].min, chart.axes[0].max, plot.left, plot.right - 1);
    }
    int PixelY(int axis, double y) const {
        return Project(y, chart.axes[axis].min, chart.axes[axis].max, plot.bottom - 1, plot.top);
    }
    bool XValid() const { return chart.axes[0].max > chart.axes[0].min; }
    bool YValid(int axis) const { return chart.axes[axis].max > chart.axes[axis].min; }
};

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Grid lines of axis 0 (vertical) or 1, 2 (horizontal).
void DrawGrid(const Frame& f, HDC dc, int axis) {
    const Axis& a = f.chart.axes[axis];
    if (!a.grid || (axis == 0 ? !f.XValid() : !f.YValid(axis))) return;
    HPEN pen = CreateStylePen(a.grid_style);
    if (!pen) return;
    HGDIOBJ old = SelectObject(dc, pen);
    const double spacing = a.grid_spacing > 0.0 ? a.grid_spacing : a.major;
    for (double v : TickValues(a.min, a.max, spacing, a.anchor)) {
        if (axis == 0) {
            const int x = f.PixelX(v);
            Line(dc, x, f.plot.top, x, f.plot.bottom);
        } else {
            const int y = f.PixelY(axis, v);
            Line(dc, f.plot.left, y, f.plot.right, y);
        }
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

struct Run {
    std::vector<POINT> points;
};

// The runs of a set between holes, in pixels.
std::vector<Run> RunsOf(const Frame& f, const ZelDataRecord& data, int axis, int set) {
    std::vector<Run> runs(1);
    const int first = std::max(0, data.first[set]), last = std::min(data.points - 1, data.last[set]);
    for (int i = first; i <= last; ++i) {
        const double x = data.X(set, i), y = data.Y(set, i);
        if (IsHole(x) || IsHole(y)) {
            if (!runs.back().points.empty()) runs.emplace_back();
            continue;
        }
        runs.back().points.push_back(POINT{f.PixelX(x), f.PixelY(axis, y)});
    }
    if (runs.back().points.empty()) runs.pop_back();
    return runs;
}

void DrawLineSet(const Frame& f, HDC dc, const ZelDataRecord& data, int axis, int set, const ZelStyle& style) {
    const std::vector<Run> runs = RunsOf(f, data, axis, set);
    const Axis& a = f.chart.axes[axis];
    if (a.chart_type == ZEL2D_CHART_AREA) {
        // Filled from the axis minimum up to the curve.
        const int base = f.plot.bottom - 1;
        HBRUSH brush = CreateSolidBrush(COLORREF(style.color));
        HPEN pen = CreatePen(PS_SOLID, 1, COLORREF(style.color));
        HGDIOBJ old_brush = SelectObject(dc, a.fill == ZEL2D_FILL_OUTLINE ? GetStockObject(NULL_BRUSH) : brush);
        HGDIOBJ old_pen = SelectObject(dc, pen);
        for (const Run& run : runs) {
            std::vector<POINT> polygon;
            polygon.push_back(POINT{run.points.front().x, base});
            polygon.insert(polygon.end(), run.points.begin(), run.points.end());
            polygon.push_back(POINT{run.points.back().x, base});
            Polygon(dc, polygon.data(), int(polygon.size()));
        }
        SelectObject(dc, old_brush);
        SelectObject(dc, old_pen);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    if (HPEN pen = CreateStylePen(style)) {
        HGDIOBJ old = SelectObject(dc, pen);
        for (const Run& run : runs) {
            if (run.points.size() == 1) SetPixel(dc, run.points[0].x, run.points[0].y, COLORREF(style.color));
            else Polyline(dc, run.points.data(), int(run.points.size()));
        }
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    if (style.symbol != ZEL2D_SYMBOL_NONE)
        for (const Run& run : runs)
            for (const POINT& p : run.points) DrawSymbol(dc, p.x, p.y, style);
}

// Grouped bars: the sets of point i share a group `bar_group_percent` of one
// x unit wide centred on its x; each set takes its share in set order.
void DrawBars(const Frame& f, HDC dc, const ZelDataRecord& data, int axis) {
    int slots = 0;
    for (int s = 0; s < data.sets; ++s) slots += data.display[s] != ZEL2D_DISPLAY_EXCLUDE;
    if (slots == 0) return;
    const double group = std::clamp(f.chart.bar_group_percent, 1, 100) / 100.0;
    const double base_value = std::max(f.chart.axes[axis].min, std::min(0.0, f.chart.axes[axis].max));
    const int base = f.chart.axes[axis].min >= 0.0 ? f.plot.bottom - 1 : f.PixelY(axis, base_value);
    HPEN outline = CreatePen(PS_SOLID, 1, COLORREF(f.chart.colors.axis));
    HGDIOBJ old_pen = SelectObject(dc, outline);
    int slot = 0;
    for (int s = 0; s < data.sets; ++s) {
        if (data.display[s] == ZEL2D_DISPLAY_EXCLUDE) continue;
        const int my_slot = slot++;
        if (data.display[s] != ZEL2D_DISPLAY_SHOW) continue;
        const ZelStyle style = StyleOf(f.chart, axis, s);
        HBRUSH brush = CreateSolidBrush(COLORREF(style.color));
        HGDIOBJ old_brush = SelectObject(dc, brush);
        for (int i = std::max(0, data.first[s]); i <= std::min(data.points - 1, data.last[s]); ++i) {
            const double x = data.X(s, i), y = data.Y(s, i);
            if (IsHole(x) || IsHole(y)) continue;
            const double left = x - group / 2 + group * my_slot / slots;
            const int x1 = f.PixelX(left), x2 = f.PixelX(left + group / slots);
            const int top = f.PixelY(axis, y);
            Rectangle(dc, x1, std::min(top, base), x2 + 1, std::max(top, base) + 1);
        }
        SelectObject(dc, old_brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old_pen);
    DeleteObject(outline);
}

void DrawData(const Frame& f, HDC dc) {
    if (!f.XValid()) return;
    for (int axis = 1; axis <= 2; ++axis) {
        const ZelDataRecord* data = AxisData(f.chart, axis);
        if (!data || !f.YValid(axis) || (axis == 2 && !SecondAxisShown(f.chart))) continue;
        if (f.chart.axes[axis].chart_type == ZEL2D_CHART_BAR) {
            DrawBars(f, dc, *data, axis);
            continue;
        }
        for (int s = 0; s < data->sets; ++s)
            if (data->display[s] == ZEL2D_DISPLAY_SHOW) DrawLineSet(f, dc, *data, axis, s, StyleOf(f.chart, axis, s));
    }
}

void DrawReferenceLine(const Frame& f, HDC dc) {
    if (!f.chart.reference_line_show || !f.YValid(1)) return;
    const Axis& a = f.chart.axes[1];
    if (f.chart.reference_value < a.min || f.chart.reference_value > a.max) return;
    HPEN pen = CreateStylePen(f.chart.reference_line_style);
    if (!pen) return;
    HGDIOBJ old = SelectObject(dc, pen);
    const int y = f.PixelY(1, f.chart.reference_value);
    Line(dc, f.plot.left, y, f.plot.right, y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// A rotated copy of a font (escapement in tenths of a degree).
HFONT Rotated(HFONT font, int escapement) {
    LOGFONTA lf = {};
    if (!GetObjectA(font, sizeof lf, &lf)) return nullptr;
    lf.lfEscapement = lf.lfOrientation = escapement;
    // Rotation needs an outline font.
    lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    return CreateFontIndirectA(&lf);
}

// The ticks, labels and title of one axis.
void DrawAxis(const Frame& f, HDC dc, int axis, const TextMetrics& m, int tick) {
    const ZelChartRecord& chart = f.chart;
    const Axis& a = chart.axes[axis];
    if (axis == 0 ? !f.XValid() : !f.YValid(axis)) return;
    const RECT& p = f.plot;
    const int out = chart.tick_style == ZEL2D_TICKS_INSIDE ? 0 : tick;
    const int in = chart.tick_style == ZEL2D_TICKS_OUTSIDE ? 0 : tick;
    // Axis line.
    if (axis == 0) Line(dc, p.left, p.bottom - 1, p.right, p.bottom - 1);
    else if (axis == 1) Line(dc, p.left, p.top, p.left, p.bottom);
    else Line(dc, p.right - 1, p.top, p.right - 1, p.bottom);
    auto tick_at = [&](double v, int length_out, int length_in) {
        if (axis == 0) {
            const int x = f.PixelX(v);
            Line(dc, x, p.bottom - 1 - length_in, x, p.bottom + length_out);
        } else if (axis == 1) {
            const int y = f.PixelY(1, v);
            Line(dc, p.left - length_out, y, p.left + length_in + 1, y);
        } else {
            const int y = f.PixelY(2, v);
            Line(dc, p.right - 1 - length_in, y, p.right + length_out, y);
        }
    };
    if (a.minor > 0.0)
        for (double v : TickValues(a.min, a.max, a.minor, a.anchor)) tick_at(v, out / 2, in / 2);
    const std::vector<TickLabel> labels = AxisLabels(chart, axis);
    if (a.annotation == ZEL2D_ANNOTATE_VALUE_LABELS && !labels.empty()) {
        for (const TickLabel& label : labels) tick_at(label.value, out, in);
    } else {
        for (double v : MajorTicks(chart, axis)) tick_at(v, out, in);
    }
    for (const TickLabel& label : labels) {
        if (axis == 0) {
            SetTextAlign(dc, TA_CENTER | TA_TOP | TA_NOUPDATECP);
            TextOutA(dc, f.PixelX(label.value), p.bottom + out + m.height / 4, label.text.c_str(), int(label.text.size()));
        } else if (axis == 1) {
            SetTextAlign(dc, TA_RIGHT | TA_TOP | TA_NOUPDATECP);
            TextOutA(dc, p.left - out - m.char_width / 2, f.PixelY(1, label.value) - m.height / 2, label.text.c_str(),
                     int(label.text.size()));
        } else {
            SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
            TextOutA(dc, p.right + out + m.char_width / 2, f.PixelY(2, label.value) - m.height / 2, label.text.c_str(),
                     int(label.text.size()));
        }
    }
}

// How far a y title stands from the plot: past the ticks and the widest
// label, in the chart font.
int TitleOffset(const ZelChartRecord& chart, HDC dc, int axis) {
    HGDIOBJ old = SelectObject(dc, ChartFont(chart));
    const TextMetrics m = MeasureFont(dc, ChartFont(chart));
    int widest = 0;
    for (const TickLabel& label : AxisLabels(chart, axis)) widest = std::max(widest, TextWidth(dc, label.text));
    SelectObject(dc, old);
    const int out = chart.tick_style == ZEL2D_TICKS_INSIDE ? 0 : MajorTickLength(m);
    return out + m.char_width / 2 + widest + m.char_width / 2;
}

void DrawTitles(const Frame& f, HDC dc, const ZelLayout& layout) {
    const ZelChartRecord& chart = f.chart;
    HFONT font = TitleFont(chart);
    const TextMetrics title = MeasureFont(dc, font);
    const RECT& g = layout.graph;
    const RECT& p = f.plot;
    const int cw = title.char_width;
    if (chart.axes[0].show && !chart.axes[0].title.empty()) {
        HGDIOBJ old = SelectObject(dc, font);
        SetTextAlign(dc, TA_CENTER | TA_BOTTOM | TA_NOUPDATECP);
        const std::string& text = chart.axes[0].title;
        TextOutA(dc, (p.left + p.right) / 2, g.bottom - title.height / 4, text.c_str(), int(text.size()));
        SelectObject(dc, old);
    }
    for (int axis = 1; axis <= 2; ++axis) {
        const std::string& text = chart.axes[axis].title;
        const bool shown = axis == 1 ? chart.axes[1].show != 0 : SecondAxisShown(chart);
        if (!shown || text.empty()) continue;
        // Beyond the axis's labels, but inside the graph.
        const int beside = TitleOffset(chart, dc, axis);
        const int x = axis == 1 ? std::max(int(g.left) + cw / 2, int(p.left) - beside - title.height)
                                : std::min(int(g.right) - cw / 2 - title.height, int(p.right) + beside);
        HFONT rotated = Rotated(font, 900);
        HGDIOBJ old = SelectObject(dc, rotated ? rotated : font);
        // Read upwards; the text's top faces the left.
        SetTextAlign(dc, TA_CENTER | TA_TOP | TA_NOUPDATECP);
        TextOutA(dc, x, (p.top + p.bottom) / 2, text.c_str(), int(text.size()));
        SelectObject(dc, old);
        if (rotated) DeleteObject(rotated);
    }
}

void DrawTextAreas(const Frame& f, HDC dc) {
    for (ZELTEXT handle : f.chart.areas) {
        if (!IsLiveArea(handle)) continue;
        const ZelTextAreaRecord& area = *handle;
        if (!area.show || !area.lines || !area.lines[0]) continue;
        HFONT font = area.font ? area.font : ChartFont(f.chart);
        HGDIOBJ old = SelectObject(dc, font);
        const TextMetrics m = MeasureFont(dc, font);
        int widest = 0, count = 0;
        for (; area.lines[count]; ++count) widest = std::max(widest, TextWidth(dc, area.lines[count]));
        const int pad = std::max(0, area.padding) + (area.border ? 1 : 0);
        const int width = widest + 2 * pad, height = count * m.height + 2 * pad;
        const int x = f.PixelX(area.anchor_x), y = f.PixelY(1, area.anchor_y);
        int left = x - width / 2, top = y - height / 2;
        if (area.placement & ZEL2D_PLACE_RIGHT) left = x;
        else if (area.placement & ZEL2D_PLACE_LEFT) left = x - width;
        if (area.placement & ZEL2D_PLACE_ABOVE) top = y - height;
        else if (area.placement & ZEL2D_PLACE_BELOW) top = y;
        const RECT box = {left, top, left + width, top + height};
        FillColor(dc, box, COLORREF(area.background));
        if (area.border) FrameColor(dc, box, COLORREF(area.text_color));
        SetTextColor(dc, COLORREF(area.text_color));
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        for (int i = 0; i < count; ++i)
            TextOutA(dc, left + pad, top + pad + i * m.height, area.lines[i], int(strlen(area.lines[i])));
        SelectObject(dc, old);
    }
}

}  // namespace

void RenderChart(const ZelChartRecord& chart, HDC dc, const ZelLayout& layout, const RECT& window) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    if (window.right > window.left && window.bottom > window.top) {
        FillColor(dc, window, COLORREF(chart.colors.chart));
        if (chart.chart_border) FrameColor(dc, window, COLORREF(chart.colors.axis));
    }
    const RECT& g = layout.graph;
    if (g.right > g.left && g.bottom > g.top) {
        FillColor(dc, g, COLORREF(chart.colors.graph));
        if (chart.graph_border) FrameColor(dc, g, COLORREF(chart.colors.axis));
    }
    if (layout.valid) {
        const Frame f{chart, layout.plot};
        FillColor(dc, layout.plot, COLORREF(chart.colors.plot));
        // Grids and data stay inside the plot.
        const int inner = SaveDC(dc);
        IntersectClipRect(dc, layout.plot.left, layout.plot.top, layout.plot.right, layout.plot.bottom);
        for (int axis = 0; axis < 3; ++axis)
            if (axis < 2 || SecondAxisShown(chart)) DrawGrid(f, dc, axis);
        DrawData(f, dc);
        DrawReferenceLine(f, dc);
        RestoreDC(dc, inner);

        HGDIOBJ old_font = SelectObject(dc, ChartFont(chart));
        const TextMetrics m = MeasureFont(dc, ChartFont(chart));
        HPEN axis_pen = CreatePen(PS_SOLID, 1, COLORREF(chart.colors.axis));
        HGDIOBJ old_pen = SelectObject(dc, axis_pen);
        SetTextColor(dc, COLORREF(chart.colors.text));
        for (int axis = 0; axis < 3; ++axis) {
            const bool shown = axis == 2 ? SecondAxisShown(chart) : chart.axes[axis].show != 0;
            if (shown) DrawAxis(f, dc, axis, m, MajorTickLength(m));
        }
        SelectObject(dc, old_pen);
        DeleteObject(axis_pen);
        SelectObject(dc, old_font);
        DrawTitles(f, dc, layout);
        DrawTextAreas(f, dc);
    }
    DrawLegend(chart, dc);
    RestoreDC(dc, saved);
}

}  // namespace zel2d_core
