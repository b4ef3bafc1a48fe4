// The legend: one sample and text per displayed set, in a row or a column.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Chart.h"

namespace zel2d_core {

struct TextMetrics {
    int height;      // text height
    int char_width;  // average character width
};

// Where one entry goes, relative to the legend's top-left corner.
struct LegendEntryBox {
    RECT sample;  // the line-and-symbol sample
    POINT text;   // top-left of the text
};

// The legend's size for texts of these widths; the boxes of the entries
// when asked. No entries give 0 x 0.
SIZE LegendBoxSize(const std::vector<int>& text_widths, TextMetrics metrics, int orientation,
                   std::vector<LegendEntryBox>* boxes = nullptr);

struct LegendEntry {
    int axis;  // 1 or 2
    int set;
    std::string text;
};
// The entries: each displayed set that has a text in its axis's list.
std::vector<LegendEntry> LegendEntries(const ZelChartRecord& chart);

// The legend's size measured in `dc`, and its drawing.
SIZE MeasureLegend(const ZelChartRecord& chart, HDC dc);
void DrawLegend(const ZelChartRecord& chart, HDC dc);

}  // namespace zel2d_core
