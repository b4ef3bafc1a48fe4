#include "Chart.h"

#include <cmath>
#include <mutex>
#include <set>

#include "AxisScale.h"

namespace zel2d_core {

namespace {

std::mutex g_registry_mutex;
std::set<const void*> g_charts, g_areas, g_data;

bool IsLive(const std::set<const void*>& registry, const void* handle) {
    if (!handle) return false;
    std::lock_guard<std::mutex> lock(g_registry_mutex);
    return registry.count(handle) != 0;
}

void Register(std::set<const void*>& registry, const void* handle, bool live) {
    std::lock_guard<std::mutex> lock(g_registry_mutex);
    if (live) registry.insert(handle);
    else registry.erase(handle);
}

// Colours of the default styles, one per set in turn.
constexpr int kCycle[] = {0x0000FF, 0x008000, 0xFF0000, 0x800080, 0x008080, 0x000080, 0x808000, 0x000000};

struct Extent {
    double low = HUGE_VAL, high = -HUGE_VAL;
    void Add(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    bool Empty() const { return low > high; }
};

// Adds the x (axis 0) or y values of the sets that take part in automatic
// ranges: displayed or hidden, between their first and last point.
void Collect(const ZelDataRecord* data, bool want_x, Extent& extent) {
    if (!data) return;
    for (int s = 0; s < data->sets; ++s) {
        if (data->display[s] == ZEL2D_DISPLAY_EXCLUDE) continue;
        for (int i = std::max(0, data->first[s]); i <= std::min(data->points - 1, data->last[s]); ++i) {
            const double x = data->X(s, i), y = data->Y(s, i);
            if (IsHole(x) || IsHole(y)) continue;
            extent.Add(want_x ? x : y);
        }
    }
}

}  // namespace

bool IsHole(double value) { return !std::isfinite(value) || std::fabs(value) >= 1e307; }

ZelStyle DefaultStyle(int n) {
    const int color = kCycle[(n < 0 ? 0 : n) % (sizeof kCycle / sizeof kCycle[0])];
    return ZelStyle{ZEL2D_LINE_SOLID, 0, color, 1, ZEL2D_SYMBOL_NONE, color, 5};
}

bool IsLiveChart(ZELCHART chart) { return IsLive(g_charts, chart); }
bool IsLiveArea(ZELTEXT area) { return IsLive(g_areas, area); }
bool IsLiveData(ZELDATA data) { return IsLive(g_data, data); }
void RegisterChart(ZELCHART chart, bool live) { Register(g_charts, chart, live); }
void RegisterArea(ZELTEXT area, bool live) { Register(g_areas, area, live); }
void RegisterData(ZELDATA data, bool live) { Register(g_data, data, live); }

const ZelDataRecord* AxisData(const ZelChartRecord& chart, int axis) {
    if (axis < 1 || axis > 2) return nullptr;
    ZELDATA data = chart.axes[axis].data;
    return IsLiveData(data) ? data : nullptr;
}

ZelStyle StyleOf(const ZelChartRecord& chart, int axis, int n) {
    const std::vector<ZelStyle>& styles = chart.axes[axis].styles;
    if (n >= 0 && size_t(n) < styles.size()) return styles[n];
    return DefaultStyle(n + (axis == 2 ? 1 : 0));
}

bool SecondAxisShown(const ZelChartRecord& chart) {
    if (!chart.axes[2].show) return false;
    const ZelDataRecord* data = AxisData(chart, 2);
    if (!data) return false;
    for (int s = 0; s < data->sets; ++s)
        if (data->display[s] == ZEL2D_DISPLAY_SHOW) return true;
    return false;
}

void RefreshAutoRanges(ZelChartRecord& chart) {
    for (int a = 0; a < 3; ++a) {
        Axis& axis = chart.axes[a];
        if (!axis.auto_min && !axis.auto_max) continue;
        Extent extent;
        bool bars = false;
        if (a == 0) {
            for (int y = 1; y <= 2; ++y) {
                Collect(AxisData(chart, y), true, extent);
                bars = bars || (chart.axes[y].chart_type == ZEL2D_CHART_BAR && AxisData(chart, y));
            }
        } else {
            Collect(AxisData(chart, a), false, extent);
        }
        ValueRange range{axis.min, axis.max};
        if (bars) {
            const ValueRange fitted = FitBarRange(extent.low, extent.high);
            if (axis.auto_min) range.min = fitted.min;
            if (axis.auto_max) range.max = fitted.max;
            if (!(range.max > range.min)) range = fitted;
        } else {
            range = FitRangeEnds(extent.low, extent.high, range, axis.auto_min != 0, axis.auto_max != 0);
        }
        axis.min = range.min;
        axis.max = range.max;
    }
}

void Repaint(ZelChartRecord& chart) {
    if (chart.drawing && chart.window && IsWindow(chart.window)) InvalidateRect(chart.window, nullptr, FALSE);
}

}  // namespace zel2d_core
