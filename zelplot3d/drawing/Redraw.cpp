#include "drawing/Redraw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "data/ValueLists.h"
#include "device/AreaImage.h"
#include "device/DeviceOps.h"
#include "drawing/Borders.h"
#include "drawing/Contours.h"
#include "drawing/DrawHelpers.h"
#include "drawing/Layout.h"
#include "drawing/Legend.h"
#include "drawing/Palette.h"
#include "drawing/PlotDraw.h"
#include "drawing/TextObjects.h"
#include "drawing/ViewFit.h"
#include "kernel/Helpers.h"
#include "properties/ContourStyles.h"

namespace {

// Each area with its damage bit.
struct AreaRects {
    int bit;
    Rect* rect;
    Rect* last_rect;
};

template <class Visit>
void ForEachArea(Zel3dChart* chart, Visit visit) {
    const AreaRects areas[] = {
        {kDamageGraph, &chart->graph.rect, &chart->graph.last_rect},
        {kDamageHeader, &chart->header.rect, &chart->header.last_rect},
        {kDamageFooter, &chart->footer.rect, &chart->footer.last_rect},
        {kDamageLegend, &chart->legend.rect, &chart->legend.last_rect},
    };
    for (const AreaRects& area : areas) visit(area);
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 && a.x < b.x + b.width &&
           b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The bits of the areas after `from` (in drawing order) that overlap `rect`.
int OverlappingAfter(Zel3dChart* chart, const Rect& rect, int from) {
    int bits = 0;
    ForEachArea(chart, [&](const AreaRects& area) {
        if (area.bit > from && Overlaps(rect, *area.rect)) bits |= area.bit;
    });
    return bits;
}

// ---- Validation -----------------------------------------------------------

const char* GridProblem(int nx, int ny, double* const* values) {
    if (nx < 1) return "Must have at least one x point";
    if (ny < 1) return "Must have at least one y point";
    if (!values) return "No data values allocated";
    for (int i = 0; i < nx; ++i)
        if (!values[i]) return "Not enough data values allocated";
    return nullptr;
}

const char* IncreasingProblem(const double* v, int n, const char* text) {
    for (int i = 1; i < n; ++i)
        if (!(v[i] > v[i - 1])) return text;
    return nullptr;
}

// The reason a data set cannot be drawn, or null.
const char* DataProblem(const Zel3dData* data, char* buffer, size_t size) {
    switch (data->type) {
    case ZEL3D_DATA_GRID: {
        const Zel3dGridData& g = data->grid;
        if (g.nx < 1) return "Must have at least one x point";
        if (g.ny < 1) return "Must have at least one y point";
        if (!(g.xstep > 0)) return "Must have a positive xstep";
        if (!(g.ystep > 0)) return "Must have a positive ystep";
        return GridProblem(g.nx, g.ny, g.values);
    }
    case ZEL3D_DATA_IRGRID: {
        const Zel3dIrGridData& g = data->irgrid;
        if (const char* problem = GridProblem(g.nx, g.ny, g.values)) return problem;
        if (!g.x || !g.y) return "No data values allocated";
        if (const char* p = IncreasingProblem(g.x, g.nx, "X Grid points must be strictly increasing")) return p;
        return IncreasingProblem(g.y, g.ny, "Y Grid points must be strictly increasing");
    }
    case ZEL3D_DATA_POINT: {
        const Zel3dPointData& p = data->point;
        if (p.nseries > 0 && !p.series) return "Series memory not allocated";
        for (int s = 0; s < p.nseries; ++s) {
            if (p.series[s].npoints > 0 && !p.series[s].points) {
                snprintf(buffer, size, "Points memory not allocated for series %d", s);
                return buffer;
            }
        }
        return nullptr;
    }
    default:
        snprintf(buffer, size, "Data is neither %s, %s, nor %s", "ZEL3D_DATA_GRID", "ZEL3D_DATA_IRGRID",
                 "ZEL3D_POINT");
        return buffer;
    }
}

void CheckData(Zel3dChart* chart, const Zel3dData* data, DataView* view, const char* property) {
    if (!data || !view->valid) {
        view->valid = 0;
        return;
    }
    char buffer[128];
    if (const char* problem = DataProblem(data, buffer, sizeof buffer)) {
        view->valid = 0;
        zel3d_debug_printf(chart, "ZEL/3d: Error in %s.\n%s", property, problem);
    }
}

bool SameArray(const double* a, const double* b, int n) {
    for (int i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The reason zone data cannot go with the surface data, or null.
const char* MismatchProblem(const Zel3dData* surface, const Zel3dData* zone) {
    if (surface->type == ZEL3D_DATA_POINT) return nullptr;
    if (surface->type != zone->type) return "Surface and zone data are of different types";
    if (surface->type == ZEL3D_DATA_GRID) {
        const Zel3dGridData &s = surface->grid, &z = zone->grid;
        if (s.nx != z.nx) return "Number of X points in surface and zone data do not match";
        if (s.ny != z.ny) return "Number of Y points in surface and zone data do not match";
        if (s.xstep != z.xstep) return "X step in surface and zone data do not match";
        if (s.ystep != z.ystep) return "Y step in surface and zone data do not match";
        if (s.xorigin != z.xorigin) return "X origin in surface and zone data do not match";
        if (s.yorigin != z.yorigin) return "Y origin in surface and zone data do not match";
        return nullptr;
    }
    const Zel3dIrGridData &s = surface->irgrid, &z = zone->irgrid;
    if (s.nx != z.nx) return "Number of X points in surface and zone data do not match";
    if (s.ny != z.ny) return "Number of Y points in surface and zone data do not match";
    if (!SameArray(s.x, z.x, s.nx)) return "X grid points in surface and zone data do not match";
    if (!SameArray(s.y, z.y, s.ny)) return "Y grid points in surface and zone data do not match";
    return nullptr;
}

struct Range {
    double min = kUnsetDouble, max = kUnsetDouble;
    bool found = false;
    void Add(double v) {
        if (!found) {
            min = max = v;
            found = true;
        } else {
            min = std::min(min, v);
            max = std::max(max, v);
        }
    }
};

// An axis limit follows the data where it is defaulted or unset.
void TakeLimit(AxisLimit& limit, double value) {
    if (limit.use_default || limit.value == kUnsetDouble) limit.value = value;
}

void MakeNonEmpty(AxisSettings& axis, double data_min, double data_max) {
    zel3d_fix_range(&axis.min.value, &axis.max.value, &axis.min.use_default, &axis.max.use_default, data_min,
                    data_max);
}

// Point data: ranges over every point none of whose coordinates is a hole.
void PointRanges(Zel3dChart* chart, Range* z) {
    const DataView& view = chart->surface_view;
    Range x, y;
    for (int s = 0; s < view.nseries; ++s) {
        const Zel3dSeries& series = view.series[s];
        for (int k = 0; k < series.npoints; ++k) {
            const Zel3dPoint& p = series.points[k];
            if (p.x == view.hole || p.y == view.hole || p.z == view.hole) continue;
            x.Add(p.x);
            y.Add(p.y);
            z->Add(p.z);
        }
    }
    if (!z->found) {
        zel3d_debug_printf(chart, "Data set contains only holes.");
        return;
    }
    TakeLimit(chart->x_axis.min, x.min);
    TakeLimit(chart->x_axis.max, x.max);
    TakeLimit(chart->y_axis.min, y.min);
    TakeLimit(chart->y_axis.max, y.max);
    MakeNonEmpty(chart->x_axis, x.min, x.max);
    MakeNonEmpty(chart->y_axis, y.min, y.max);
}

// The spacing of a grid's coordinates: the first difference of a regular
// grid, the smallest of an irregular one; a single coordinate spaces by
// itself (1 when it is 0).
double DataStep(const double* v, int n, bool regular) {
    if (n < 2) return v[0] != 0.0 ? fabs(v[0]) : 1.0;
    if (regular) return v[1] - v[0];
    double step = v[1] - v[0];
    for (int i = 2; i < n; ++i) step = std::min(step, v[i] - v[i - 1]);
    return step;
}

// The visible index window of one axis.
void VisibleWindow(const double* v, int n, double low, double high, bool widen, int* first, int* last) {
    *first = zel3d_interval_index(low, v, n);
    *last = zel3d_interval_index(high, v, n);
    if (n > 1 && v[*last] != high) ++*last;
    if (widen && *first == *last && n > 1) {
        if (*last < n - 1) ++*last;
        else --*first;
    }
    *first = std::clamp(*first, 0, n - 1);
    *last = std::clamp(*last, 0, n - 1);
}

void GridWindow(Zel3dChart* chart) {
    DataView& view = chart->surface_view;
    DataWindow& w = chart->scene.window;
    TakeLimit(chart->x_axis.min, view.x[0]);
    TakeLimit(chart->y_axis.min, view.y[0]);
    TakeLimit(chart->x_axis.max, view.x[view.nx - 1]);
    TakeLimit(chart->y_axis.max, view.y[view.ny - 1]);
    bool regular = view.type == ZEL3D_DATA_GRID;
    w.x_step = DataStep(view.x, view.nx, regular);
    w.y_step = DataStep(view.y, view.ny, regular);
    bool surface = chart->type == 0;
    VisibleWindow(view.x, view.nx, chart->x_axis.min.value, chart->x_axis.max.value,
                  surface || chart->x_axis.bar_format == 1, &w.first_x, &w.last_x);
    VisibleWindow(view.y, view.ny, chart->y_axis.min.value, chart->y_axis.max.value,
                  surface || chart->y_axis.bar_format == 1, &w.first_y, &w.last_y);
    w.count_x = w.last_x - w.first_x + 1;
    w.count_y = w.last_y - w.first_y + 1;
    w.x_first = view.x[w.first_x];
    w.y_first = view.y[w.first_y];
}

// Non-hole values of a grid in the visible window; with `also` only where
// that grid has no hole either.
Range WindowRange(const Zel3dChart* chart, const DataView& view, const DataView* also) {
    const DataWindow& w = chart->scene.window;
    Range range;
    for (int i = w.first_x; i <= w.last_x; ++i)
        for (int j = w.first_y; j <= w.last_y; ++j) {
            double v = view.values[i][j];
            if (v == view.hole || !std::isfinite(v)) continue;
            if (also && also->values[i][j] == also->hole) continue;
            range.Add(v);
        }
    return range;
}

// Caller z limits may widen the z range but never cut the data.
void CheckZLimits(Zel3dChart* chart, double data_min, double data_max) {
    AxisLimit& zmin = chart->z_axis.min;
    AxisLimit& zmax = chart->z_axis.max;
    if (zmin.use_default) {
        zmin.value = data_min;
    } else if (zmin.value > data_min || zmin.value == kUnsetDouble) {
        zel3d_debug_printf(chart, "ZEL/3d: Warning on XtNzel3dZMin.\nValue specified: %g is invalid.\nUsing default value!",
                           zmin.value);
        zmin = {data_min, 1};
    }
    if (zmax.use_default) {
        zmax.value = data_max;
    } else if (zmax.value < data_max || zmax.value == kUnsetDouble) {
        zel3d_debug_printf(chart, "ZEL/3d: Warning on XtNzel3dZMax.\nValue specified: %g is invalid.\nUsing default value!",
                           zmax.value);
        zmax = {data_max, 1};
    }
    MakeNonEmpty(chart->z_axis, data_min, data_max);
}

void SetZRange(Zel3dChart* chart, const Range& z) {
    if (z.found) {
        chart->data_zmin = z.min;
        chart->data_zmax = z.max;
    } else if (chart->z_axis.min.value == kUnsetDouble || chart->z_axis.max.value == kUnsetDouble) {
        zel3d_debug_printf(chart, "Viewing portion contains only holes.\nZ range set to [0, 1].");
        chart->data_zmin = 0.0;
        chart->data_zmax = 1.0;
    } else {
        zel3d_debug_printf(chart, "Viewing portion contains only holes.\nPrevious Z range maintained.");
        chart->data_zmin = chart->z_axis.min.value;
        chart->data_zmax = chart->z_axis.max.value;
    }
    CheckZLimits(chart, chart->data_zmin, chart->data_zmax);
}

void SetDistributionRange(Zel3dChart* chart) {
    if (chart->zone_view.valid && !chart->zone_view.empty && chart->surface_view.type != ZEL3D_DATA_POINT) {
        Range d = WindowRange(chart, chart->zone_view, &chart->surface_view);
        if (d.found) {
            chart->distn_min = d.min;
            chart->distn_max = d.max;
        } else if (chart->distn_min == kUnsetDouble) {
            zel3d_debug_printf(chart, "Distribution range set to [0, 1].");
            chart->distn_min = 0.0;
            chart->distn_max = 1.0;
        } else {
            zel3d_debug_printf(chart, "Previous distribution levels maintained.");
        }
    } else {
        chart->distn_min = chart->data_zmin;
        chart->distn_max = chart->data_zmax;
    }
    if (chart->type == 1) {
        chart->distn_min = std::min(chart->distn_min, chart->zorigin);
        chart->distn_max = std::max(chart->distn_max, chart->zorigin);
    }
}

// ---- Drawing --------------------------------------------------------------

void FillBackground(Zel3dChart* chart, const Rect& rect) {
    if (rect.width <= 0 || rect.height <= 0) return;
    zel3d_set_fill(chart, chart->background.color);
    zel3d_ops(chart).fill_rectangle(&chart->device, rect.x, rect.y, rect.width, rect.height);
}

// The chart inside its own border.
Rect ChartInner(const Zel3dChart* chart) {
    int m = chart->scene.outer_margin;
    Rect whole = {m, m, chart->width - 2 * m, chart->height - 2 * m};
    return zel3d_inset_rect(whole, chart->border, chart->border_width);
}

// Erases an area's old place: the background and that part of the chart
// picture.
void Erase(Zel3dChart* chart, const Rect& rect) {
    FillBackground(chart, rect);
    zel3d_draw_chart_image(chart, rect);
}

// With partial damage drawn straight into a window (no usable double
// buffering), the areas showing in the DC's clip region are drawn again
// over a fresh background.
void VisibleParts(Zel3dChart* chart, int* mask) {
    bool double_buffered = chart->double_buffer && chart->device.memory_dc;
    if (*mask == kDamageAll || double_buffered) return;
    HDC dc = chart->device.draw_dc;
    ForEachArea(chart, [&](const AreaRects& area) {
        const Rect& r = *area.rect;
        RECT rect = {r.x, r.y, r.x + r.width, r.y + r.height};
        if (r.width > 0 && r.height > 0 && RectVisible(dc, &rect)) *mask |= area.bit;
    });
    Rect inner = ChartInner(chart);
    FillBackground(chart, inner);
    zel3d_draw_chart_image(chart, inner);
}

bool AnyPixelText(const Zel3dChart* chart) {
    if (!chart->text_objects) return false;
    for (Zel3dText** text = chart->text_objects; *text; ++text)
        if ((*text)->attach_method == 1) return true;
    return false;
}

// Up to date, with contours and palette; restarts while these add damage.
int PrepareForDrawing(Zel3dChart* chart, int mask) {
    for (int round = 0; round < 4; ++round) {
        mask |= chart->damage_mask;
        zel3d_ops(chart).set_clip(&chart->device, nullptr);
        if (mask != kDamageAll && AnyPixelText(chart)) mask = kDamageAll;
        zel3d_bring_up_to_date(chart, mask);
        zel3d_contours_ensure(chart);
        zel3d_build_palette(chart);
        if ((chart->damage_mask & ~mask) == 0) break;
    }
    return mask | chart->damage_mask;
}

int LegendLineHeight(Zel3dChart* chart) {
    int line_height = 0, width = 0, height = 0;
    zel3d_legend_measure(chart, &line_height, &width, &height);
    return line_height;
}

}  // namespace

// ---- Working views ----------------------------------------------------------

void zel3d_data_view_build(const Zel3dData* data, DataView* view) {
    zel3d_data_view_free(view);
    if (!data) return;
    view->type = data->type;
    switch (data->type) {
    case ZEL3D_DATA_GRID: {
        const Zel3dGridData& grid = data->grid;
        view->nx = grid.nx;
        view->ny = grid.ny;
        view->hole = grid.hole;
        view->values = grid.values;
        view->empty = grid.nx <= 0 || grid.ny <= 0;
        if (!view->empty) {
            view->x = static_cast<double*>(malloc(size_t(grid.nx) * sizeof(double)));
            view->y = static_cast<double*>(malloc(size_t(grid.ny) * sizeof(double)));
            view->owns_coordinates = 1;
            if (view->x && view->y) {
                for (int i = 0; i < grid.nx; ++i) view->x[i] = i * grid.xstep + grid.xorigin;
                for (int j = 0; j < grid.ny; ++j) view->y[j] = j * grid.ystep + grid.yorigin;
            } else {
                free(view->x);
                free(view->y);
                view->x = view->y = nullptr;
            }
        }
        break;
    }
    case ZEL3D_DATA_IRGRID: {
        const Zel3dIrGridData& grid = data->irgrid;
        view->nx = grid.nx;
        view->ny = grid.ny;
        view->hole = grid.hole;
        view->x = grid.x;
        view->y = grid.y;
        view->values = grid.values;
        view->empty = grid.nx <= 0 || grid.ny <= 0;
        break;
    }
    case ZEL3D_DATA_POINT: {
        const Zel3dPointData& points = data->point;
        view->nseries = points.nseries;
        view->hole = points.hole;
        view->series = points.series;
        view->empty = 1;
        for (int s = 0; points.series && s < points.nseries; ++s)
            if (points.series[s].npoints > 0) view->empty = 0;
        break;
    }
    default:
        break;
    }
    view->valid = 1;
}

void zel3d_data_view_free(DataView* view) {
    if (view->owns_coordinates) {
        free(view->x);
        free(view->y);
    }
    *view = DataView{};
}

// ---- Update -----------------------------------------------------------------

void zel3d_validate_data(Zel3dChart* chart) {
    chart->up_to_date = 0;
    chart->surface_view.valid = chart->surface_data ? chart->surface_view.valid : 0;
    chart->zone_view.valid = chart->zone_data ? chart->zone_view.valid : 0;
    CheckData(chart, chart->surface_data, &chart->surface_view, "XtNzel3dSurfaceData");
    CheckData(chart, chart->zone_data, &chart->zone_view, "XtNzel3dZoneData");
    // A view the allocation of whose coordinates failed cannot be drawn.
    for (DataView* view : {&chart->surface_view, &chart->zone_view})
        if (view->valid && view->type != ZEL3D_DATA_POINT && !view->empty && (!view->x || !view->y)) view->valid = 0;
    if (chart->surface_view.valid && chart->zone_view.valid) {
        if (const char* problem = MismatchProblem(chart->surface_data, chart->zone_data)) {
            chart->zone_view.valid = 0;
            zel3d_debug_printf(chart, "ZEL/3d: Error in XtNzel3dZoneData.\n%s", problem);
        }
    }
    DataView& view = chart->surface_view;
    if (!view.valid || view.empty) return;
    Range z;
    if (view.type == ZEL3D_DATA_POINT) {
        PointRanges(chart, &z);
    } else {
        GridWindow(chart);
        z = WindowRange(chart, view, nullptr);
    }
    SetZRange(chart, z);
    SetDistributionRange(chart);
}

void zel3d_bring_up_to_date(Zel3dChart* chart, int mask) {
    if (mask == 0) return;
    if ((mask & 25) == 25) zel3d_validate_data(chart);
    const DataView& view = chart->surface_view;
    bool any_pass = chart->draw_mesh || chart->draw_shaded || chart->draw_contours || chart->draw_zones;
    chart->scene.window.drawable = any_pass && (view.type != ZEL3D_DATA_POINT || chart->type == 2);
    if (mask & kDamageGraph) zel3d_text_place_all(chart);
    if (view.valid && chart->scene.window.drawable && view.type != ZEL3D_DATA_POINT && !chart->levels.levels) {
        zel3d_compute_levels(chart);
        if (chart->levels.levels) std::sort(chart->levels.levels, chart->levels.levels + chart->levels.count);
    }
    zel3d_layout_areas(chart);
    if (view.valid) zel3d_fit_view(chart);
    chart->up_to_date = 1;
}

// ---- Redraw -------------------------------------------------------------------

void zel3d_draw_parts(Zel3dChart* chart, int mask) {
    if (!chart->ready_to_draw || !chart->repaint || !chart->device.draw_dc) return;
    zel3d_forget_device_colors(chart);
    mask = PrepareForDrawing(chart, mask);
    VisibleParts(chart, &mask);
    zel3d_ops(chart).set_fill_style(&chart->device, kFillSolid);

    if (mask == kDamageAll) {
        FillBackground(chart, {0, 0, chart->width, chart->height});
        zel3d_draw_chart_image(chart, ChartInner(chart));
    } else {
        int legend_lines = LegendLineHeight(chart);
        ForEachArea(chart, [&](const AreaRects& area) {
            if (!(mask & area.bit) && *area.rect == *area.last_rect) return;
            Rect erased = *area.last_rect;
            if (area.bit == kDamageLegend && erased.height > 0) {
                // The legend's title line stands above its rectangle.
                int reach = int(legend_lines * 1.5);
                int top = std::max(erased.y - reach, 0);
                erased.height += erased.y - top;
                erased.y = top;
            }
            Erase(chart, erased);
            mask |= area.bit;
            ForEachArea(chart, [&](const AreaRects& other) {
                if (other.bit != area.bit && Overlaps(erased, *other.rect)) mask |= other.bit;
            });
        });
    }

    if (mask & kDamageGraph) {
        if (mask != kDamageAll) mask |= OverlappingAfter(chart, chart->graph.rect, kDamageGraph);
        zel3d_draw_plot(chart);
    }
    if (mask & kDamageHeader) {
        mask |= OverlappingAfter(chart, chart->header.rect, kDamageHeader);
        zel3d_draw_text_area(chart, &chart->header);
    }
    if (mask & kDamageFooter) {
        mask |= OverlappingAfter(chart, chart->footer.rect, kDamageFooter);
        zel3d_draw_text_area(chart, &chart->footer);
    }
    if (mask & kDamageLegend) zel3d_legend_draw(chart);

    zel3d_draw_pixel_texts(chart);
    zel3d_draw_chart_border(chart);
    ForEachArea(chart, [](const AreaRects& area) { *area.last_rect = *area.rect; });
    if (zel3d_is_metafile_dc(chart->device.draw_dc)) chart->system_font = nullptr;
    zel3d_select_stock_objects(chart->device.draw_dc);
    zel3d_forget_device_colors(chart);
    chart->damage_mask = mask;
}

Rect zel3d_damaged_area(Zel3dChart* chart, int mask) {
    Rect damaged = {0, 0, 0, 0};
    ForEachArea(chart, [mask, &damaged](const AreaRects& area) {
        if (!(mask & area.bit) && *area.rect == *area.last_rect) return;
        damaged = zel3d_rect_union(damaged, *area.last_rect);
        damaged = zel3d_rect_union(damaged, *area.rect);
    });
    return damaged;
}

void zel3d_draw_chart_image(Zel3dChart* chart, const Rect& clip) {
    ImageSlot& slot = chart->image;
    if (!slot.image && !(slot.file_name && slot.file_name[0])) return;
    Rect box = ChartInner(chart);
    zel3d_ops(chart).draw_image(chart, &slot, box.x, box.y, box.width, box.height, clip.x, clip.y, clip.width,
                                clip.height);
}

// ---- Header and footer ----------------------------------------------------

void zel3d_measure_text_area(Zel3dChart* chart, TextArea* area, int* line_height, int* width, int* height) {
    if (area->font.height <= 0) zel3d_font_metrics(chart, &area->font);
    *line_height = area->font.height;
    *width = *height = 0;
    int lines = 0;
    if (area->strings.items) {
        zel3d_ops(chart).set_font(&chart->device, &area->font);
        for (char** line = area->strings.items; *line; ++line, ++lines)
            *width = std::max(*width, zel3d_ops(chart).text_width(&chart->device, *line));
    }
    *height = lines * *line_height;
    if (area->image.minimum_size && (area->image.image || zel3d_load_image_file(chart, &area->image)) &&
        area->image.image) {
        *width = std::max(*width, area->image.image->width);
        *height = std::max(*height, area->image.image->height);
    }
    if (*width <= 0 || *height <= 0) {
        *line_height = *width = *height = 0;
        return;
    }
    if (area->border >= 1 && area->border <= 9) {
        int extra = (area->border == kBorderShadow ? 3 : 4) * area->border_width;
        *width += extra;
        *height += extra;
    }
}

void zel3d_draw_text_area(Zel3dChart* chart, TextArea* area) {
    const Rect& rect = area->rect;
    if (rect.width <= 0 || rect.height <= 0) return;
    const DeviceOps& ops = zel3d_ops(chart);
    Rect inner = zel3d_inset_rect(rect, area->border, area->border_width);
    if (area->background.color != -1) {
        zel3d_set_fill(chart, area->background.color);
        ops.fill_rectangle(&chart->device, inner.x, inner.y, inner.width, inner.height);
    }
    bool drawn = area->background.color != -1;
    if (area->image.image || (area->image.file_name && area->image.file_name[0]))
        drawn = ops.draw_image(chart, &area->image, inner.x, inner.y, inner.width, inner.height, inner.x, inner.y,
                               inner.width, inner.height) != 0 || drawn;
    zel3d_area_foreground(chart, area->tag, area->foreground.color);
    ops.set_font(&chart->device, &area->font);
    if (area->strings.items) {
        int lines = zel3d_list_count(reinterpret_cast<void* const*>(area->strings.items));
        int line_height = area->font.height;
        int y = inner.y + (inner.height - lines * line_height) / 2 + area->font.ascent;
        for (char** line = area->strings.items; *line; ++line, y += line_height) {
            if (!**line) continue;
            if (area->adjust == 1) ops.text_aligned(&chart->device, inner.x, y, *line, 1);
            else if (area->adjust == 2) ops.text_aligned(&chart->device, inner.x + inner.width, y, *line, 2);
            else ops.text_aligned(&chart->device, inner.x + inner.width / 2, y, *line, 3);
            drawn = true;
        }
    }
    if (area->border && drawn) {
        ColorRecord* colors = area->background.color != -1 ? &area->background : &chart->background;
        zel3d_draw_border(chart, rect.x, rect.y, rect.width, rect.height, area->border, area->border_width, colors,
                          zel3d_or(area->foreground.color, chart->foreground.color));
    }
}
