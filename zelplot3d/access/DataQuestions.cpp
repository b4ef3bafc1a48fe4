// Two questions about the surface data: the z interpolated at a data
// point (x, y), and the z at which the vertical line through a grid point
// passes a device point.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/Chart.h"
#include "device/DeviceOps.h"
#include "drawing/DrawHelpers.h"
#include "drawing/ProjectedGrid.h"
#include "drawing/Redraw.h"
#include "drawing/ViewFit.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr double kOutside = 1e308;

void BringUpToDate(Zel3dChart* chart) {
    if (!chart->up_to_date) zel3d_bring_up_to_date(chart, chart->damage_mask);
}

// Reports a refused question under the debug rule.
double Refused(const Zel3dChart* chart, const char* name, const char* message, double result) {
    zel3d_debug_printf(chart, "%s: %s", name, message);
    return result;
}

double ZInterpolate(Zel3dChart* chart, double x, double y) {
    BringUpToDate(chart);
    const DataView& view = chart->surface_view;
    if (!view.valid || view.empty) return kOutside;
    if (view.type == ZEL3D_DATA_POINT) return view.hole;
    if (chart->type != 0)
        return Refused(chart, "Zel3dZInterpolate", "\nData must be of type ZEL3D_TYPE_SURFACE!", kOutside);
    if (view.nx < 2 || view.ny < 2 || x < view.x[0] || x > view.x[view.nx - 1] || y < view.y[0] ||
        y > view.y[view.ny - 1]) {
        char message[128];
        snprintf(message, sizeof message, "\nPoint --> (%G,%G) not inside xy-grid!", x, y);
        return Refused(chart, "Zel3dZInterpolate", message, kOutside);
    }
    int i = zel3d_interval_index(x, view.x, view.nx), j = zel3d_interval_index(y, view.y, view.ny);
    double* const* z = view.values;
    for (double corner : {z[i][j], z[i + 1][j], z[i][j + 1], z[i + 1][j + 1]})
        if (corner == view.hole) return view.hole;
    return zel3d_interpolate_cell(chart, i, j, x, y);
}

double ComputeZValue(Zel3dChart* chart, int i, int j, int px, int py) {
    static const char kName[] = "Zel3dComputeZValue";
    BringUpToDate(chart);
    const DataView& view = chart->surface_view;
    if (!view.valid || view.empty) return kOutside;
    char message[128];
    double x, y, value;
    if (view.type == ZEL3D_DATA_POINT) {
        if (i < 0 || i >= view.nseries) {
            snprintf(message, sizeof message, "%s: Series %d out of range!", kName, i);
            return Refused(chart, kName, message, view.hole);
        }
        if (j < 0 || j >= view.series[i].npoints) {
            snprintf(message, sizeof message, "%s: Point value %d out of range in series %d!", kName, j, i);
            return Refused(chart, kName, message, view.hole);
        }
        const Zel3dPoint& point = view.series[i].points[j];
        x = point.x;
        y = point.y;
        value = point.z;
    } else {
        if (i < 0 || j < 0 || i >= view.nx || j >= view.ny) {
            snprintf(message, sizeof message, "%s: Indices out of range!", kName);
            return Refused(chart, kName, message, view.hole);
        }
        value = view.values[i][j];
        if (value == view.hole) {
            snprintf(message, sizeof message, "%s: Can't compute z value for a hole!", kName);
            return Refused(chart, kName, message, view.hole);
        }
        x = view.x[i];
        y = view.y[j];
    }
    // The vertical through the point: each device coordinate is a ratio
    // of two linear functions of z, solved for the device point in the
    // screen direction in which the box's height projects longer.
    if (!chart->scene.view.fitted) return value;
    const Matrix& m = chart->scene.view.view;
    double bottom = chart->z_axis.min.value, top = chart->z_axis.max.value;
    Point4 low = zel3d_project_exact(chart, x, y, bottom), high = zel3d_project_exact(chart, x, y, top);
    double divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    bool along_x = std::fabs(high.x - low.x) >= std::fabs(high.y - low.y);
    if (high.x == low.x && high.y == low.y) return value;
    const double* row = m.m[along_x ? 0 : 1];
    const double* w = m.m[3];
    double device = (along_x ? px : py) * divisor;
    double a = row[0] * x + row[1] * y + row[3], b = row[2];
    double c = w[0] * x + w[1] * y + w[3], d = w[2];
    double denominator = device * d - b;
    return denominator != 0.0 ? (a - device * c) / denominator : value;
}

}  // namespace

extern "C" {

ZEL3D_API double Zel3dZInterpolate(Zel3dChart* chart, double x, double y) try {
    return chart ? ZInterpolate(chart, x, y) : 0.0;
} catch (...) {
    return zel3d_export_failure<double>(0.0);
}

ZEL3D_API void Zel3dZInterpolateIndirect(Zel3dChart* chart, double x, double y, double* out) try {
    if (out) *out = chart ? ZInterpolate(chart, x, y) : 0.0;
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API double Zel3dComputeZValue(Zel3dChart* chart, int i, int j, int px, int py) try {
    return chart ? ComputeZValue(chart, i, j, px, py) : 0.0;
} catch (...) {
    return zel3d_export_failure<double>(0.0);
}

ZEL3D_API void Zel3dComputeZValueIndirect(Zel3dChart* chart, int i, int j, int px, int py, double* out) try {
    if (out) *out = chart ? ComputeZValue(chart, i, j, px, py) : 0.0;
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"
