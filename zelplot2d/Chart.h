// The records behind the chart library's handles: the chart with its axes,
// text areas and data sets, and the registry that tells live handles from
// stale ones.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "zelplot2d.h"

struct ZelDataRecord {
    int kind = ZEL2D_DATA_OWN_X;
    int sets = 0;
    int points = 0;
    std::vector<double> x;  // kind 1: one row shared by the sets; kind 2: a row per set
    std::vector<double> y;  // a row per set
    std::vector<int> first;
    std::vector<int> last;
    std::vector<int> display;

    double X(int set, int i) const { return x[size_t(kind == ZEL2D_DATA_SHARED_X ? 0 : set) * points + i]; }
    double Y(int set, int i) const { return y[size_t(set) * points + i]; }
};

namespace zel2d_core {

// Whether a stored value is a hole (1e308, or anything not finite).
bool IsHole(double value);

struct Axis {
    double min = 0.0, max = 1.0;
    int auto_min = 0, auto_max = 0;
    double major = 0.0;         // tick spacing; 0 picks one
    double minor = 0.0;         // 0: no minor ticks
    double grid_spacing = 0.0;  // 0: grid lines at the major ticks
    double anchor = ZEL2D_HOLE; // a tick falls here (ZEL2D_HOLE: at the minimum)
    int grid = 0;
    ZelStyle grid_style = {ZEL2D_LINE_DOTTED, 0, 0xC0C0C0, 1, ZEL2D_SYMBOL_NONE, 0, 0};
    int show = 1;
    int annotation = ZEL2D_ANNOTATE_NUMBERS;
    int decimals = -1;  // -1: as many as the spacing needs
    std::string title;
    std::map<double, std::string> value_labels;
    // y axes only
    ZELDATA data = nullptr;
    const char* const* legend_texts = nullptr;
    int chart_type = ZEL2D_CHART_LINE;
    int fill = ZEL2D_FILL_SOLID;
    std::vector<ZelStyle> styles;  // set n's style; sets beyond take DefaultStyle(n)
};

struct Margin {
    int value = 0;
    int automatic = 1;
};

struct Colors {
    int chart = 0xC0C0C0;
    int graph = 0xC0C0C0;
    int text = 0x000000;
    int legend = 0xFFFFFF;
    int axis = 0x000000;
    int plot = 0xFFFFFF;
};

struct Fonts {
    HFONT chart = nullptr;
    HFONT legend = nullptr;
    HFONT title = nullptr;
};

// The default style of set n: a solid line in the n-th colour of a fixed cycle.
ZelStyle DefaultStyle(int n);

}  // namespace zel2d_core

struct ZelTextAreaRecord {
    ZELCHART chart = nullptr;
    int show = 1;
    int kind = ZEL2D_AREA_DATA_ANCHORED;
    int placement = ZEL2D_PLACE_ABOVE | ZEL2D_PLACE_RIGHT;
    HFONT font = nullptr;
    int border = 0;
    int auto_size = 1;
    int padding = 2;
    int background = 0xFFFFFF;
    int text_color = 0x000000;
    const char* const* lines = nullptr;
    double anchor_x = 0.0;
    double anchor_y = 0.0;
};

// The layout of one paint: where the plot lies, in the units of the DC.
struct ZelLayout {
    RECT graph = {0, 0, 0, 0};
    RECT plot = {0, 0, 0, 0};
    int margins[4] = {0, 0, 0, 0};  // left, top, right, bottom
    bool valid = false;
};

struct ZelChartRecord {
    HWND window = nullptr;
    int drawing = 1;
    int new_chart = 0;
    zel2d_core::Colors colors;
    zel2d_core::Fonts fonts;
    zel2d_core::Axis axes[3];  // x, y, second y
    int reference_line_show = 0;
    double reference_value = 0.0;
    ZelStyle reference_line_style = {ZEL2D_LINE_SOLID, 0, 0x808080, 1, ZEL2D_SYMBOL_NONE, 0, 0};
    int graph_x = 0, graph_y = 0;
    int graph_width = 0, graph_height = 0;  // 0: the window's client size
    int legend_width = 0, legend_height = 0;  // measured on every read
    int legend_x = 0, legend_y = 0;
    int legend_orientation = ZEL2D_LEGEND_ROW;
    int legend_anchor = ZEL2D_PLACE_BELOW | ZEL2D_PLACE_RIGHT;
    zel2d_core::Margin margins[4];  // left, top, right, bottom
    int bar_group_percent = 60;
    int tick_style = ZEL2D_TICKS_OUTSIDE;
    int graph_border = 0;
    int chart_border = 0;
    std::vector<ZELTEXT> areas;
    // The layout of the paint in progress, so that ZelUnmap answers in the
    // painted DC's units while the owner draws over it.
    const ZelLayout* painting = nullptr;
    // The off-screen picture of the window.
    HDC memory_dc = nullptr;
    HBITMAP memory_bitmap = nullptr;
    HGDIOBJ memory_original = nullptr;
    SIZE memory_size = {0, 0};
};

namespace zel2d_core {

// Live handles. Every exported function checks its handles here, so a stale
// or foreign one is refused instead of followed.
bool IsLiveChart(ZELCHART chart);
bool IsLiveArea(ZELTEXT area);
bool IsLiveData(ZELDATA data);
void RegisterChart(ZELCHART chart, bool live);
void RegisterArea(ZELTEXT area, bool live);
void RegisterData(ZELDATA data, bool live);

// The data of y axis 1 or 2 when it is a live set, else null.
const ZelDataRecord* AxisData(const ZelChartRecord& chart, int axis);
// Set n's style on y axis 1 or 2.
ZelStyle StyleOf(const ZelChartRecord& chart, int axis, int n);
// Whether the second y axis is drawn: switched on and with a set displayed.
bool SecondAxisShown(const ZelChartRecord& chart);

// Recomputes the automatic ends of every axis from the data now.
void RefreshAutoRanges(ZelChartRecord& chart);
// Repaints the chart window (only it) unless drawing is off.
void Repaint(ZelChartRecord& chart);

}  // namespace zel2d_core
