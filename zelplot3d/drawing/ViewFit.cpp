#include "drawing/ViewFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "device/DeviceOps.h"
#include "drawing/AxisScale.h"
#include "drawing/DrawHelpers.h"
#include "drawing/Legend.h"
#include "drawing/ProjectedGrid.h"
#include "drawing/RayPick.h"
#include "drawing/Text3D.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr double kUnknown = 1e308;
constexpr double kMaxEyeDistance = 1000.0;

// Scale and offset of one axis: [minimum, minimum + range] onto [-h, +h].
void NormalizeAxis(Matrix* n, Matrix* inverse, int axis, double minimum, double range, double h) {
    double scale = range != 0.0 ? 2.0 * h / range : 1.0;
    double offset = -h - minimum * scale;
    n->m[axis][axis] = scale;
    n->m[axis][3] = offset;
    inverse->m[axis][axis] = 1.0 / scale;
    inverse->m[axis][3] = -offset / scale;
}

void SetRotation(Zel3dChart* chart) {
    ViewState& view = chart->scene.view;
    zel3d_mat_identity(&view.rotation);
    zel3d_mat_identity(&view.inverse_rotation);
    zel3d_mat_identity(&view.perspective);
    double depth = 2.0 * chart->perspective_depth;
    if (zel3d_is_3d(chart)) {
        Matrix& r = view.rotation;
        zel3d_mat_rotate_in_place(&r, kAxisX, -90.0);
        zel3d_mat_rotate_in_place(&r, kAxisX, chart->x_axis.rotation);
        zel3d_mat_rotate_in_place(&r, kAxisY, chart->y_axis.rotation);
        zel3d_mat_rotate_in_place(&r, kAxisZ, chart->z_axis.rotation);
        Matrix& inverse = view.inverse_rotation;
        zel3d_mat_rotate_in_place(&inverse, kAxisZ, -chart->z_axis.rotation);
        zel3d_mat_rotate_in_place(&inverse, kAxisY, -chart->y_axis.rotation);
        zel3d_mat_rotate_in_place(&inverse, kAxisX, -chart->x_axis.rotation);
        zel3d_mat_rotate_in_place(&inverse, kAxisX, 90.0);
        zel3d_mat_perspective(&view.perspective, depth);
    }
    Point4 eye = {0.0, 0.0, depth, 1.0};
    zel3d_mat_transform_point(&view.inverse_rotation, &eye, &view.eye);
    zel3d_mat_product(&view.perspective, &view.rotation, &view.box_projection);
}

// The device mapping D: the extents (box units, y up) centred in the graph
// area with a 4-pixel margin, device y downwards.
void FitDevice(Zel3dChart* chart, const AxisExtents& fresh) {
    ViewState& view = chart->scene.view;
    if (chart->view_normalized || !view.extents_set) {
        view.extents[0] = fresh.left;
        view.extents[1] = fresh.bottom;
        view.extents[2] = fresh.width;
        view.extents[3] = fresh.height;
        view.extents_set = 1;
    }
    double e[4] = {view.extents[0], view.extents[1], view.extents[2], view.extents[3]};
    double shift[2] = {chart->view_xtranslate, chart->view_ytranslate};
    e[0] += e[2] * shift[0];
    e[1] += e[3] * shift[1];
    if (chart->view_scale > 0) {
        e[2] /= chart->view_scale;
        e[3] /= chart->view_scale;
    }
    Rect area = zel3d_graph_inner_rect(chart);
    double w = area.width, h = area.height, gw = e[2] > 0 ? e[2] : 1.0, gh = e[3] > 0 ? e[3] : 1.0;
    double m = w / gw * gh >= h ? (h - 8) / gh : (w - 8) / gw;
    if (!(m > 0)) m = 1e-3;  // an area too small to hold the margin
    double divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    Matrix& d = view.device;
    zel3d_mat_identity(&d);
    d.m[0][0] = m * divisor;
    d.m[0][3] = ((w - gw * m) / 2 + area.x - m * e[0]) * divisor;
    d.m[1][1] = -m * divisor;
    d.m[1][3] = ((h + gh * m) / 2 + area.y + m * e[1]) * divisor;
    Matrix& inverse = view.inverse_device;
    zel3d_mat_identity(&inverse);
    inverse.m[0][0] = 1.0 / d.m[0][0];
    inverse.m[0][3] = -d.m[0][3] / d.m[0][0];
    inverse.m[1][1] = 1.0 / d.m[1][1];
    inverse.m[1][3] = -d.m[1][3] / d.m[1][1];
}

void Normalize(Zel3dChart* chart, const AxisSpans& spans, bool flat) {
    ViewState& view = chart->scene.view;
    zel3d_mat_identity(&view.normalize);
    zel3d_mat_identity(&view.inverse_normalize);
    for (int axis = 0; axis < 3; ++axis) {
        view.data_min[axis] = spans.minimum[axis];
        view.data_range[axis] = spans.range[axis];
        NormalizeAxis(&view.normalize, &view.inverse_normalize, axis, spans.minimum[axis], spans.range[axis],
                      view.half[axis]);
    }
    if (flat)
        for (double& v : view.normalize.m[2]) v = 0.0;
}

// V = D P R N.
void Compose(ViewState* view) {
    Matrix dp;
    zel3d_mat_product(&view->device, &view->box_projection, &dp);
    zel3d_mat_product(&dp, &view->normalize, &view->view);
}

bool HasSurface(const Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    return chart->surface_data && view.valid && !view.empty;
}

bool InRect(const Rect& r, int x, int y) { return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height; }

// The eye's ray through a device point, in box units.
Ray DeviceRay(const Zel3dChart* chart, int x, int y) {
    const ViewState& view = chart->scene.view;
    Point4 device = {double(x), double(y), 0.0, 1.0}, screen, box;
    zel3d_mat_transform_point(&view.inverse_device, &device, &screen);
    screen.z = 0.0;
    zel3d_mat_transform_point(&view.inverse_rotation, &screen, &box);
    Ray ray;
    ray.origin = {view.eye.x, view.eye.y, view.eye.z};
    ray.direction = {box.x - view.eye.x, box.y - view.eye.y, box.z - view.eye.z};
    return ray;
}

void DataOfBox(const Zel3dChart* chart, const Vec3& p, Zel3dMapResult* out) {
    Point4 box = {p.x, p.y, p.z, 1.0}, data;
    zel3d_mat_transform_point(&chart->scene.view.inverse_normalize, &box, &data);
    out->x = data.x;
    out->y = data.y;
    out->z = data.z;
}

const Zel3dPoint& PointAt(const Zel3dChart* chart, int series, int point) {
    return chart->surface_view.series[series].points[point];
}

// Flat map: data coordinates by proportion between the box corners.
void MapFlat(Zel3dChart* chart, int x, int y, Zel3dMapResult* out) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    bool points = view.type == ZEL3D_DATA_POINT;
    double x0 = points ? chart->x_axis.min.value : view.x[w.first_x];
    double x1 = points ? chart->x_axis.max.value : view.x[w.last_x];
    double y0 = points ? chart->y_axis.min.value : view.y[w.first_y];
    double y1 = points ? chart->y_axis.max.value : view.y[w.last_y];
    Point4 a = zel3d_project_exact(chart, x0, y0, 0.0), b = zel3d_project_exact(chart, x1, y1, 0.0);
    if (a.x == b.x || a.y == b.y) return;
    double dx = x0 + (x1 - x0) * (x - a.x) / (b.x - a.x);
    double dy = y0 + (y1 - y0) * (y - a.y) / (b.y - a.y);
    bool inside = dx >= std::min(x0, x1) && dx <= std::max(x0, x1) && dy >= std::min(y0, y1) &&
                  dy <= std::max(y0, y1);
    if (!inside) return;
    out->x = dx;
    out->y = dy;
    if (points) {
        int row, column;
        double distance;
        if (zel3d_nearest_point(chart, x, y, &row, &column, &distance)) out->z = PointAt(chart, row, column).z;
        return;
    }
    int i = std::min(zel3d_interval_index(dx, view.x, view.nx), std::max(w.last_x - 1, 0));
    int j = std::min(zel3d_interval_index(dy, view.y, view.ny), std::max(w.last_y - 1, 0));
    if (view.nx < 2 || view.ny < 2) return;
    double corners[4] = {view.values[i][j], view.values[i + 1][j], view.values[i][j + 1], view.values[i + 1][j + 1]};
    for (double v : corners)
        if (v == view.hole) return;
    out->z = zel3d_interpolate_cell(chart, i, j, dx, dy);
}

// A grid point that nothing in front hides from the eye.
bool GridPointVisible(const Zel3dChart* chart, int i, int j) {
    const ViewState& view = chart->scene.view;
    Vec3 eye = {view.eye.x, view.eye.y, view.eye.z};
    double length = sqrt(zel3d_vec_dot(&eye, &eye));
    if (length > kMaxEyeDistance) eye = {eye.x * kMaxEyeDistance / length, eye.y * kMaxEyeDistance / length,
                                         eye.z * kMaxEyeDistance / length};
    Vec3 target = zel3d_grid_point_view(chart, i, j);
    Ray ray;
    ray.origin = eye;
    zel3d_vec_sub(&target, &eye, &ray.direction);
    RayHit hit;
    return !zel3d_ray_pick_cell(chart, ray, &hit) || hit.t >= 0.9999999999;
}

}  // namespace

void zel3d_view_pan_zoom(double view[4], double factor, double dx, double dy) {
    view[0] += view[2] * dx;
    view[1] += view[3] * dy;
    view[2] /= factor;
    view[3] /= factor;
}

void zel3d_fit_view(Zel3dChart* chart) {
    bool took_dc = false;
    if (!chart->device.draw_dc) {
        if (!chart->window) return;
        took_dc = Zel3dGetAndInitDC(chart) != 0;
    }
    ViewState& view = chart->scene.view;
    bool flat = !zel3d_is_3d(chart);
    view.flat = flat;
    view.half[0] = chart->x_axis.normalized_scale;
    view.half[1] = chart->y_axis.normalized_scale;
    view.half[2] = chart->z_axis.normalized_scale;
    SetRotation(chart);
    AxisExtents extents;
    AxisSpans spans;
    if (flat) zel3d_axis_layout_flat(chart, &extents, &spans);
    else zel3d_axis_layout_3d(chart, &extents, &spans);
    FitDevice(chart, extents);
    Normalize(chart, spans, flat);
    Compose(&view);
    view.fitted = 1;
    if (took_dc) Zel3dReleaseDC(chart);
}

void zel3d_recompose_view(Zel3dChart* chart) { Compose(&chart->scene.view); }

int zel3d_hit_region(const Zel3dChart* chart, int x, int y) {
    if (InRect(chart->legend.rect, x, y)) return ZEL3D_REGION_LEGEND;
    if (InRect(chart->graph.rect, x, y)) return ZEL3D_REGION_GRAPH;
    if (InRect(chart->footer.rect, x, y)) return ZEL3D_REGION_FOOTER;
    if (InRect(chart->header.rect, x, y)) return ZEL3D_REGION_HEADER;
    return ZEL3D_REGION_NONE;
}

double zel3d_interpolate_cell(const Zel3dChart* chart, int i, int j, double x, double y) {
    const DataView& view = chart->surface_view;
    double* const* z = view.values;
    double a = z[i][j] + (x - view.x[i]) * (z[i + 1][j] - z[i][j]) / (view.x[i + 1] - view.x[i]);
    double b = z[i][j + 1] + (x - view.x[i]) * (z[i + 1][j + 1] - z[i][j + 1]) / (view.x[i + 1] - view.x[i]);
    return a + (b - a) * (y - view.y[j]) / (view.y[j + 1] - view.y[j]);
}

bool zel3d_nearest_point(Zel3dChart* chart, int x, int y, int* row, int* column, double* squared_distance) {
    zel3d_ensure_projection(chart);
    const Projection& p = chart->scene.projection;
    if (!p.points) return false;
    Rect area = zel3d_graph_inner_rect(chart);
    int divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    bool found = false;
    auto consider = [&](int r, int c) {
        const ProjectedPoint* point = p.At(r, c);
        if (point->hole || point->clipped) return;
        int px = point->x / divisor, py = point->y / divisor;
        if (!InRect(area, px, py)) return;
        double d = double(px - x) * (px - x) + double(py - y) * (py - y);
        if (!found || d <= *squared_distance) {
            *row = r;
            *column = c;
            *squared_distance = d;
            found = true;
        }
    };
    const DataView& view = chart->surface_view;
    if (view.type == ZEL3D_DATA_POINT) {
        for (int s = 0; s < view.nseries; ++s)
            for (int k = 0; k < view.series[s].npoints; ++k) consider(s, k);
    } else {
        const DataWindow& w = chart->scene.window;
        for (int i = w.first_x; i <= w.last_x; ++i)
            for (int j = w.first_y; j <= w.last_y; ++j) consider(i, j);
    }
    return found;
}

int zel3d_map(Zel3dChart* chart, int x, int y, Zel3dMapResult* out) {
    *out = {x, y, kUnknown, kUnknown, kUnknown};
    int region = zel3d_hit_region(chart, x, y);
    if (region != ZEL3D_REGION_GRAPH || !HasSurface(chart) || !chart->scene.view.fitted) return region;
    const DataView& view = chart->surface_view;
    if (chart->scene.view.flat) {
        MapFlat(chart, x, y, out);
    } else if (view.type == ZEL3D_DATA_POINT) {
        int row, column;
        double distance;
        if (zel3d_nearest_point(chart, x, y, &row, &column, &distance)) {
            const Zel3dPoint& p = PointAt(chart, row, column);
            *out = {x, y, p.x, p.y, p.z};
        }
    } else {
        RayHit hit;
        if (zel3d_ray_pick_cell(chart, DeviceRay(chart, x, y), &hit)) DataOfBox(chart, hit.point, out);
    }
    return ZEL3D_REGION_GRAPH;
}

int zel3d_pick(Zel3dChart* chart, int x, int y, Zel3dPickResult* out) {
    *out = {x, y, -1, -1, 0};
    int region = zel3d_hit_region(chart, x, y);
    if (region == ZEL3D_REGION_LEGEND) {
        zel3d_legend_pick(chart, x, y, out);
        return region;
    }
    if (region != ZEL3D_REGION_GRAPH || !HasSurface(chart) || !chart->scene.view.fitted) return region;
    const DataView& view = chart->surface_view;
    auto take = [&](int row, int column, double squared) {
        out->row = row;
        out->column = column;
        out->distance = int(sqrt(squared));
    };
    if (chart->scene.view.flat || view.type == ZEL3D_DATA_POINT) {
        int row, column;
        double squared;
        if (zel3d_nearest_point(chart, x, y, &row, &column, &squared)) take(row, column, squared);
        return ZEL3D_REGION_GRAPH;
    }
    if (chart->type == 2) {
        int row, column;
        double squared;
        if (zel3d_nearest_point(chart, x, y, &row, &column, &squared)) take(row, column, squared);
        return ZEL3D_REGION_GRAPH;
    }
    if (chart->type == 1) {
        RayHit hit;
        if (zel3d_ray_pick_cell(chart, DeviceRay(chart, x, y), &hit)) {
            POINT device = zel3d_project_point(chart, chart->surface_view.x[hit.i], chart->surface_view.y[hit.j],
                                               chart->surface_view.values[hit.i][hit.j]);
            int divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
            double dx = device.x / divisor - x, dy = device.y / divisor - y;
            take(hit.i, hit.j, dx * dx + dy * dy);
        }
        return ZEL3D_REGION_GRAPH;
    }
    // The nearest grid point that nothing hides, nearest first.
    zel3d_ensure_projection(chart);
    const Projection& p = chart->scene.projection;
    if (!p.points) return ZEL3D_REGION_GRAPH;
    const DataWindow& w = chart->scene.window;
    Rect area = zel3d_graph_inner_rect(chart);
    int divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    struct Candidate {
        double squared;
        int i, j;
    };
    std::vector<Candidate> candidates;
    for (int i = w.first_x; i <= w.last_x; ++i)
        for (int j = w.first_y; j <= w.last_y; ++j) {
            const ProjectedPoint* point = p.At(i, j);
            int px = point->x / divisor, py = point->y / divisor;
            if (point->hole || (!chart->view_normalized && !InRect(area, px, py))) continue;
            candidates.push_back({double(px - x) * (px - x) + double(py - y) * (py - y), i, j});
        }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.squared < b.squared; });
    for (const Candidate& c : candidates) {
        if (!GridPointVisible(chart, c.i, c.j)) continue;
        take(c.i, c.j, c.squared);
        break;
    }
    return ZEL3D_REGION_GRAPH;
}

void zel3d_unmap(Zel3dChart* chart, double x, double y, double z, Zel3dMapResult* out) {
    *out = {-1, -1, x, y, z};
    if (!HasSurface(chart) || !chart->scene.view.fitted) return;
    POINT d = zel3d_project_point(chart, x, y, z);
    out->device_x = d.x;
    out->device_y = d.y;
}

void zel3d_unpick(Zel3dChart* chart, int row, int column, Zel3dPickResult* out) {
    *out = {-1, -1, row, column, 0};
    if (!HasSurface(chart)) return;
    zel3d_ensure_projection(chart);
    const Projection& p = chart->scene.projection;
    const DataView& view = chart->surface_view;
    if (!p.points || row < 0 || column < 0) return;
    if (view.type == ZEL3D_DATA_POINT) {
        if (row >= view.nseries || column >= view.series[row].npoints) return;
    } else {
        const DataWindow& w = chart->scene.window;
        if (row >= view.nx || column >= view.ny) return;
        // Only the visible window is projected.
        if (row < w.first_x || row > w.last_x || column < w.first_y || column > w.last_y) return;
    }
    out->device_x = p.At(row, column)->x;
    out->device_y = p.At(row, column)->y;
}

extern "C" {

ZEL3D_API int Zel3dMap(Zel3dChart* chart, int x, int y, Zel3dMapResult* result) try {
    if (!chart || !result) return ZEL3D_REGION_NONE;
    return zel3d_map(chart, x, y, result);
} catch (...) {
    return zel3d_export_failure<int>(ZEL3D_REGION_NONE);
}

ZEL3D_API int Zel3dPick(Zel3dChart* chart, int x, int y, Zel3dPickResult* result) try {
    if (!chart || !result) return ZEL3D_REGION_NONE;
    return zel3d_pick(chart, x, y, result);
} catch (...) {
    return zel3d_export_failure<int>(ZEL3D_REGION_NONE);
}

ZEL3D_API void Zel3dUnmap(Zel3dChart* chart, double x, double y, double z, Zel3dMapResult* result) try {
    if (chart && result) zel3d_unmap(chart, x, y, z, result);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API void Zel3dUnpick(Zel3dChart* chart, int row, int column, Zel3dPickResult* result) try {
    if (chart && result) zel3d_unpick(chart, row, column, result);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"
