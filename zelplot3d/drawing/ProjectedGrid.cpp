#include "drawing/ProjectedGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "device/DeviceOps.h"
#include "drawing/Contours.h"
#include "drawing/PlotDraw.h"
#include "drawing/Text3D.h"

namespace {

bool AllocateRows(Projection* p, const int* lengths, int rows) {
    size_t total = 0;
    for (int r = 0; r < rows; ++r) total += size_t(std::max(lengths[r], 0));
    p->row_start = static_cast<int*>(malloc(sizeof(int) * (size_t(rows) + 1)));
    p->points = static_cast<ProjectedPoint*>(calloc(std::max<size_t>(total, 1), sizeof(ProjectedPoint)));
    if (!p->row_start || !p->points) return false;
    p->rows = rows;
    p->row_start[0] = 0;
    for (int r = 0; r < rows; ++r) p->row_start[r + 1] = p->row_start[r] + std::max(lengths[r], 0);
    return true;
}

void Store(ProjectedPoint* record, POINT at, bool hole, bool clipped) {
    record->x = at.x;
    record->y = at.y;
    record->hole = hole;
    record->clipped = clipped;
    record->drawn = 0;
}

void ProjectPoints(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    Projection& p = chart->scene.projection;
    double zmin = chart->z_axis.min.value;
    auto outside = [](double v, const AxisLimit& low, const AxisLimit& high) {
        return v < low.value || v > high.value;
    };
    for (int s = 0; s < view.nseries; ++s) {
        const Zel3dSeries& series = view.series[s];
        for (int k = 0; k < series.npoints; ++k) {
            const Zel3dPoint& point = series.points[k];
            bool hole = point.x == view.hole || point.y == view.hole || point.z == view.hole;
            bool clipped = outside(point.x, chart->x_axis.min, chart->x_axis.max) ||
                           outside(point.y, chart->y_axis.min, chart->y_axis.max) ||
                           outside(point.z, chart->z_axis.min, chart->z_axis.max);
            Store(p.At(s, k), zel3d_project_point(chart, point.x, point.y, hole ? zmin : point.z), hole, clipped);
        }
    }
}

void ProjectGrid(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    Projection& p = chart->scene.projection;
    double zmin = chart->z_axis.min.value;
    for (int i = w.first_x; i <= w.last_x; ++i)
        for (int j = w.first_y; j <= w.last_y; ++j) {
            double v = view.values[i][j];
            bool hole = v == view.hole;
            Store(p.At(i, j), zel3d_project_point(chart, view.x[i], view.y[j], hole ? zmin : v), hole, false);
        }
}

// Size of the data box on the device: its projected corners' bounds.
void BoxSize(const Zel3dChart* chart, int* width, int* height) {
    double left = 1e308, right = -1e308, top = 1e308, bottom = -1e308;
    const ViewState& view = chart->scene.view;
    for (int corner = 0; corner < 8; ++corner) {
        double x = view.data_min[0] + (corner & 1 ? view.data_range[0] : 0.0);
        double y = view.data_min[1] + (corner & 2 ? view.data_range[1] : 0.0);
        double z = view.data_min[2] + (corner & 4 ? view.data_range[2] : 0.0);
        Point4 d = zel3d_project_exact(chart, x, y, z);
        left = std::min(left, d.x);
        right = std::max(right, d.x);
        top = std::min(top, d.y);
        bottom = std::max(bottom, d.y);
    }
    int divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    *width = int(std::max(right - left, 0.0)) / divisor;
    *height = int(std::max(bottom - top, 0.0)) / divisor;
}

// Flags the mesh lines of one direction: every f-th visible line from the
// first and always the last, f keeping automatic lines about 10 pixels
// apart.
void FilterMesh(unsigned char* flags, bool show, int filter, int pixels, int first, int last) {
    if (!show) return;
    int n = last - first + 1;
    double f = filter;
    if (filter == 0) f = pixels > 0 ? std::trunc(10.0 * n / pixels) : double(n);
    if (f <= 1) {
        for (int k = first; k <= last; ++k) flags[k] = 1;
        return;
    }
    long step = long(std::min(f, 1e9));
    for (long k = first; k <= last; k += step) flags[k] = 1;
    flags[last] = 1;
}

void BuildMeshFilters(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    Projection& p = chart->scene.projection;
    p.x_mesh = static_cast<unsigned char*>(calloc(size_t(view.ny), 1));
    p.y_mesh = static_cast<unsigned char*>(calloc(size_t(view.nx), 1));
    if (!p.x_mesh || !p.y_mesh || chart->type != 0) return;
    int width = 0, height = 0;
    BoxSize(chart, &width, &height);
    FilterMesh(p.x_mesh, chart->x_axis.mesh_show, chart->x_axis.mesh_filter, height, w.first_y, w.last_y);
    FilterMesh(p.y_mesh, chart->y_axis.mesh_show, chart->y_axis.mesh_filter, width, w.first_x, w.last_x);
}

void BuildProjection(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    Projection& p = chart->scene.projection;
    if (view.type == ZEL3D_DATA_POINT) {
        std::vector<int> lengths(size_t(std::max(view.nseries, 0)));
        for (int s = 0; s < view.nseries; ++s) lengths[s] = view.series[s].npoints;
        if (!AllocateRows(&p, lengths.data(), view.nseries)) return zel3d_free_projection(chart);
        ProjectPoints(chart);
        return;
    }
    std::vector<int> lengths(size_t(view.nx), view.ny);
    if (!AllocateRows(&p, lengths.data(), view.nx)) return zel3d_free_projection(chart);
    ProjectGrid(chart);
    BuildMeshFilters(chart);
}

bool DataReady(const Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    return view.valid && !view.empty && chart->scene.view.fitted &&
           (view.type == ZEL3D_DATA_POINT || (view.x && view.y && view.values));
}

}  // namespace

Point4 zel3d_project_exact(const Zel3dChart* chart, double x, double y, double z) {
    Point4 p = {x, y, z, 1.0}, out;
    zel3d_mat_project_point(&chart->scene.view.view, &p, &out);
    return out;
}

POINT zel3d_project_point(const Zel3dChart* chart, double x, double y, double z) {
    Point4 d = zel3d_project_exact(chart, x, y, z);
    return {zel3d_round_device(d.x), zel3d_round_device(d.y)};
}

bool zel3d_turns_left(const POINT& a, const POINT& b, const POINT& c) {
    // Device y grows downwards: a turn that looks counter-clockwise has a
    // negative cross product there.
    double cross = double(b.x - a.x) * (c.y - a.y) - double(b.y - a.y) * (c.x - a.x);
    return cross < 0;
}

int zel3d_view_octant(const Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const ViewState& v = chart->scene.view;
    const DataWindow& w = chart->scene.window;
    double x_first, x_last, y_first, y_last;
    if (view.type == ZEL3D_DATA_POINT) {
        x_first = chart->x_axis.min.value, x_last = chart->x_axis.max.value;
        y_first = chart->y_axis.min.value, y_last = chart->y_axis.max.value;
    } else {
        x_first = view.x[w.first_x], x_last = view.x[w.last_x];
        y_first = view.y[w.first_y], y_last = view.y[w.last_y];
    }
    auto normal_x = [&v](double x) { return v.normalize.m[0][0] * x + v.normalize.m[0][3]; };
    auto normal_y = [&v](double y) { return v.normalize.m[1][1] * y + v.normalize.m[1][3]; };
    int code = 0;
    if (v.eye.x >= normal_x(x_last)) code |= 1;
    if (v.eye.x <= normal_x(x_first)) code |= 2;
    if (v.eye.y >= normal_y(y_last)) code |= 4;
    if (v.eye.y <= normal_y(y_first)) code |= 8;
    double zmin = chart->z_axis.min.value;
    POINT a = zel3d_project_point(chart, x_first, y_first, zmin);
    POINT b = zel3d_project_point(chart, x_last, y_first, zmin);
    POINT c = zel3d_project_point(chart, x_last, y_last, zmin);
    return code | (zel3d_turns_left(a, b, c) ? 0x20 : 0x10);
}

void zel3d_free_projection(Zel3dChart* chart) { zel3d_free_scene(chart); }

void zel3d_project_all(Zel3dChart* chart) {
    if (!chart->scene.projection.points || !DataReady(chart)) return;
    if (chart->surface_view.type == ZEL3D_DATA_POINT) ProjectPoints(chart);
    else ProjectGrid(chart);
}

void zel3d_ensure_projection(Zel3dChart* chart) {
    if (chart->scene.projection.points || !DataReady(chart)) return;
    BuildProjection(chart);
}

void zel3d_prepare_scene(Zel3dChart* chart) {
    zel3d_free_projection(chart);
    if (!DataReady(chart)) return;
    const DataView& view = chart->surface_view;
    Projection& p = chart->scene.projection;
    p.octant = zel3d_is_3d(chart) ? zel3d_view_octant(chart) : 0;
    if (zel3d_is_3d(chart) && view.type != ZEL3D_DATA_POINT) zel3d_eye_cell(chart);
    if (!(chart->type == 0 && chart->scene.pass_mask == 8)) BuildProjection(chart);
    if (chart->type != 2 && (chart->draw_contours || chart->draw_zones)) zel3d_project_contours(chart);
}
