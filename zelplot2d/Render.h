// Drawing a chart into a DC in its layout.
#pragma once

#include <windows.h>

#include "Chart.h"

namespace zel2d_core {

// Draws the whole chart: backgrounds, grids, data, reference line, axes,
// titles, text areas and legend. `window` is the rectangle the chart
// background fills (empty to fill only the graph).
void RenderChart(const ZelChartRecord& chart, HDC dc, const ZelLayout& layout, const RECT& window);

}  // namespace zel2d_core
