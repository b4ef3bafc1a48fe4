#include "Legend.h"

#include <algorithm>

#include "Layout.h"
#include "Strokes.h"

namespace zel2d_core {

SIZE LegendBoxSize(const std::vector<int>& text_widths, TextMetrics metrics, int orientation,
                   std::vector<LegendEntryBox>* boxes) {
    if (boxes) boxes->clear();
    if (text_widths.empty()) return SIZE{0, 0};
    const int h = metrics.height, cw = metrics.char_width;
    const int pad_x = cw / 2 + 2, pad_y = h / 4 + 2;
    const int sample = std::max(24, 3 * cw), gap = std::max(2, cw / 2);
    const bool row = orientation != ZEL2D_LEGEND_COLUMN;
    const int between = row ? 2 * cw : h / 4;
    int x = pad_x, y = pad_y, widest = 0;
    for (size_t i = 0; i < text_widths.size(); ++i) {
        if (boxes) boxes->push_back({RECT{x, y, x + sample, y + h}, POINT{x + sample + gap, y}});
        const int entry = sample + gap + std::max(0, text_widths[i]);
        widest = std::max(widest, entry);
        if (row) x += entry + between;
        else y += h + between;
    }
    if (row) return SIZE{x - between + pad_x, h + 2 * pad_y};
    return SIZE{widest + 2 * pad_x, y - between + pad_y};
}

std::vector<LegendEntry> LegendEntries(const ZelChartRecord& chart) {
    std::vector<LegendEntry> entries;
    for (int axis = 1; axis <= 2; ++axis) {
        const ZelDataRecord* data = AxisData(chart, axis);
        const char* const* texts = chart.axes[axis].legend_texts;
        if (!data || !texts || (axis == 2 && !SecondAxisShown(chart))) continue;
        for (int set = 0; set < data->sets && texts[set]; ++set)
            if (data->display[set] == ZEL2D_DISPLAY_SHOW) entries.push_back({axis, set, texts[set]});
    }
    return entries;
}

namespace {

SIZE Measure(const ZelChartRecord& chart, HDC dc, const std::vector<LegendEntry>& entries,
             std::vector<LegendEntryBox>* boxes) {
    HGDIOBJ old = SelectObject(dc, LegendFont(chart));
    std::vector<int> widths;
    for (const LegendEntry& entry : entries) widths.push_back(TextWidth(dc, entry.text));
    SelectObject(dc, old);
    return LegendBoxSize(widths, MeasureFont(dc, LegendFont(chart)), chart.legend_orientation, boxes);
}

}  // namespace

SIZE MeasureLegend(const ZelChartRecord& chart, HDC dc) {
    if (!dc) return SIZE{0, 0};
    return Measure(chart, dc, LegendEntries(chart), nullptr);
}

void DrawLegend(const ZelChartRecord& chart, HDC dc) {
    const std::vector<LegendEntry> entries = LegendEntries(chart);
    if (entries.empty()) return;
    std::vector<LegendEntryBox> boxes;
    const SIZE size = Measure(chart, dc, entries, &boxes);
    // The position names the top-left corner, or the bottom-left one for a
    // legend placed above it.
    const int left = chart.legend_x;
    const int top = (chart.legend_anchor & ZEL2D_PLACE_ABOVE) ? chart.legend_y - size.cy : chart.legend_y;
    const RECT frame = {left, top, left + size.cx, top + size.cy};
    FillColor(dc, frame, COLORREF(chart.colors.legend));
    FrameColor(dc, frame, COLORREF(chart.colors.axis));
    HGDIOBJ old_font = SelectObject(dc, LegendFont(chart));
    SetTextColor(dc, COLORREF(chart.colors.text));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (size_t i = 0; i < entries.size(); ++i) {
        RECT sample = boxes[i].sample;
        OffsetRect(&sample, left, top);
        const bool bar = chart.axes[entries[i].axis].chart_type == ZEL2D_CHART_BAR;
        DrawSample(dc, sample, StyleOf(chart, entries[i].axis, entries[i].set), bar, COLORREF(chart.colors.axis));
        const std::string& text = entries[i].text;
        TextOutA(dc, left + boxes[i].text.x, top + boxes[i].text.y, text.c_str(), int(text.size()));
    }
    SelectObject(dc, old_font);
}

}  // namespace zel2d_core
