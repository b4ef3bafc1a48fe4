// Where the parts of a chart go in a DC: the graph rectangle, the margins
// (explicit or measured from the labels and titles) and the plot inside
// them, and the tick labels of each axis.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Chart.h"
#include "Legend.h"

namespace zel2d_core {

// The chart's fonts, or the stock GUI font where none is set.
HFONT ChartFont(const ZelChartRecord& chart);
HFONT LegendFont(const ZelChartRecord& chart);
HFONT TitleFont(const ZelChartRecord& chart);
TextMetrics MeasureFont(HDC dc, HFONT font);
int TextWidth(HDC dc, const std::string& text);

struct TickLabel {
    double value;
    std::string text;
};
// The labels of axis 0, 1 or 2: numbers at the major ticks, or the value
// labels inside the range when the axis shows value labels only.
std::vector<TickLabel> AxisLabels(const ZelChartRecord& chart, int axis);
// The major tick values of an axis.
std::vector<double> MajorTicks(const ZelChartRecord& chart, int axis);
// Length of a major tick for text of this height.
int MajorTickLength(const TextMetrics& metrics);

// The layout in `dc` for a window of `client` size (used where the graph
// size is 0).
ZelLayout ComputeLayout(ZelChartRecord& chart, HDC dc, SIZE client);
// The layout answering queries now: that of the paint in progress, else the
// window's, measured in a screen DC.
ZelLayout CurrentLayout(ZelChartRecord& chart);

// The client pixel of (x, y) on y axis 1 or 2; -1 for a coordinate outside
// its range.
POINT UnmapPoint(const ZelChartRecord& chart, const ZelLayout& layout, int y_axis, double x, double y);

}  // namespace zel2d_core
