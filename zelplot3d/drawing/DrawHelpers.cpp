#include "drawing/DrawHelpers.h"
#include "device/DeviceOps.h"

#include <algorithm>

namespace {

// The device state can be trusted only for the Windows table, and only on
// the DC it was set on.
bool DeviceStateKnown(const Zel3dChart* chart) {
    return chart->device.bound == zel3d_windows_device_ops() && chart->device.draw_dc &&
           chart->scene.colors_dc == chart->device.draw_dc;
}

}  // namespace

void zel3d_set_fill(Zel3dChart* chart, int color) {
    const DeviceState& device = chart->device;
    if (DeviceStateKnown(chart) && device.current_brush && device.fill_style == kFillSolid &&
        device.brush.lbStyle == BS_SOLID && device.brush.lbColor == COLORREF(color))
        return;
    zel3d_ops(chart).set_solid_fill(&chart->device, color);
    chart->scene.colors_dc = chart->device.draw_dc;
}

void zel3d_set_foreground(Zel3dChart* chart, int color) {
    const DeviceState& device = chart->device;
    if (DeviceStateKnown(chart) && device.current_pen && device.pen.color == color) return;
    zel3d_ops(chart).set_foreground(&chart->device, color);
    chart->scene.colors_dc = chart->device.draw_dc;
}

void zel3d_forget_device_colors(Zel3dChart* chart) { chart->scene.colors_dc = nullptr; }

int zel3d_graph_foreground(const Zel3dChart* chart) {
    return zel3d_or(chart->graph.foreground.color, chart->foreground.color);
}

int zel3d_graph_background(const Zel3dChart* chart) {
    return zel3d_or(chart->graph.background.color, chart->background.color);
}

void zel3d_area_foreground(Zel3dChart* chart, int tag, int color) {
    const DeviceOps& ops = zel3d_ops(chart);
    if (chart->device.fill_style != kFillSolid || chart->device.brush.lbStyle != BS_SOLID)
        ops.set_fill_style(&chart->device, kFillSolid);
    switch (tag) {
    case kTagChart: zel3d_set_foreground(chart, chart->foreground.color); break;
    case kTagHeader:
    case kTagFooter: zel3d_set_foreground(chart, zel3d_or(color, chart->foreground.color)); break;
    case kTagGraph: zel3d_set_foreground(chart, zel3d_graph_foreground(chart)); break;
    case kTagText: zel3d_set_foreground(chart, zel3d_or(color, zel3d_graph_foreground(chart))); break;
    case kTagLegend: zel3d_set_foreground(chart, zel3d_or(chart->legend.foreground.color, chart->foreground.color)); break;
    case kTagStipple: ops.set_stipple(&chart->device, 0); break;
    default: break;
    }
}

const DWORD* zel3d_dash_list(int pattern, int* count) {
    static const DWORD long_dash[] = {10, 8};
    static const DWORD dotted[] = {1, 5};
    static const DWORD short_dash[] = {4, 4};
    static const DWORD lsl_dash[] = {10, 4, 4, 4};
    static const DWORD dash_dot[] = {10, 5, 1, 5};
    switch (pattern) {
    case kLpatLongDash: *count = 2; return long_dash;
    case kLpatDotted: *count = 2; return dotted;
    case kLpatShortDash: *count = 2; return short_dash;
    case kLpatLslDash: *count = 4; return lsl_dash;
    case kLpatDashDot: *count = 4; return dash_dot;
    default: *count = 0; return nullptr;
    }
}

void zel3d_apply_line_style(Zel3dChart* chart, const Zel3dLineStyle* style) {
    const DeviceOps& ops = zel3d_ops(chart);
    zel3d_set_foreground(chart, style->color);
    int width = style->width < 2 ? 0 : style->width;
    if (style->pattern == kLpatSolid) {
        ops.set_line_attributes(&chart->device, width, 1, 2, 3);
    } else if (style->pattern != kLpatNone) {
        int count = 0;
        const DWORD* dashes = zel3d_dash_list(style->pattern, &count);
        ops.set_line_attributes(&chart->device, width, 2, 2, 2);
        ops.set_dashes(&chart->device, style->pattern, 0, dashes, count);
    }
}

Rect zel3d_inset_rect(const Rect& rect, int border, int width) {
    Rect inner = rect;
    if (border >= 1 && border <= 9) {
        if (border == 3) {  // the shadow takes one pixel and its width
            inner.x += 1;
            inner.y += 1;
            inner.width -= width + 1;
            inner.height -= width + 1;
        } else {
            inner.x += width;
            inner.y += width;
            inner.width -= 2 * width;
            inner.height -= 2 * width;
        }
    }
    inner.width = std::max(inner.width, 0);
    inner.height = std::max(inner.height, 0);
    return inner;
}

Rect zel3d_graph_inner_rect(const Zel3dChart* chart) {
    return zel3d_inset_rect(chart->graph.rect, chart->graph.border, chart->graph.border_width);
}

int zel3d_interval_index(double value, const double* array, int count) {
    if (count <= 1) return 0;
    // The last i with array[i] <= value.
    int i = int(std::upper_bound(array, array + count, value) - array) - 1;
    return std::clamp(i, 0, count - 2);
}
