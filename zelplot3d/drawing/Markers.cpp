#include "drawing/Markers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "data/ValueLists.h"
#include "device/DeviceOps.h"
#include "drawing/DrawHelpers.h"
#include "drawing/ProjectedGrid.h"
#include "drawing/Text3D.h"

namespace {

void Lines(Zel3dChart* chart, std::initializer_list<int> coordinates) {
    const DeviceOps& ops = zel3d_ops(chart);
    const int* c = coordinates.begin();
    for (size_t k = 0; k + 3 < coordinates.size(); k += 4) ops.line(&chart->device, c[k], c[k + 1], c[k + 2], c[k + 3]);
}

// A filled polygon handed over as relative points.
void RelativePolygon(Zel3dChart* chart, std::initializer_list<POINT> absolute) {
    POINT relative[4];
    int count = 0;
    POINT previous = {0, 0};
    for (const POINT& p : absolute) {
        relative[count] = count == 0 ? p : POINT{p.x - previous.x, p.y - previous.y};
        previous = p;
        ++count;
    }
    zel3d_ops(chart).fill_polygon(&chart->device, relative, count, 2, kCoordRelative);
}

bool DropLinesFirst(const Zel3dChart* chart) {
    int octant = chart->scene.projection.octant;
    int low = octant & 0xF;
    return !((octant & 0x20) && (low == 0 || low == 1 || low == 2 || low == 4 || low == 8));
}

}  // namespace

void zel3d_draw_symbol(Zel3dChart* chart, int symbol, int s, int x, int y) {
    const DeviceOps& ops = zel3d_ops(chart);
    int b = int(s * 0.7071067811865475), q = int(s * 0.35355339059327373);
    switch (symbol) {
    case kSymbolDot: ops.fill_arc(&chart->device, x - (s + 1) / 2, y - (s + 1) / 2, s + 1, s + 1, 0, 23040); break;
    case kSymbolBox: ops.fill_rectangle(&chart->device, x - s / 2, y - s / 2, s, s); break;
    case kSymbolTri: RelativePolygon(chart, {{x - b, y + b}, {x, y - b}, {x + b, y + b}}); break;
    case kSymbolInvertTri: RelativePolygon(chart, {{x - b, y - b}, {x, y + b}, {x + b, y - b}}); break;
    case kSymbolDiamond: RelativePolygon(chart, {{x, y - b - 1}, {x - b, y}, {x, y + b + 1}, {x + b + 1, y}}); break;
    case kSymbolStar:
        ops.set_line_attributes(&chart->device, 1, 1, 2, 3);
        Lines(chart, {x - s / 2, y, x + (s + 1) / 2, y, x, y - s / 2, x, y + (s + 1) / 2, x - q, y - q, x + q + 1,
                      y + q + 1, x - q, y + q, x + q + 1, y - q - 1});
        break;
    case kSymbolVertLine:
    case kSymbolHorizLine:
    case kSymbolCross:
    case kSymbolDiagCross: {
        ops.set_line_attributes(&chart->device, std::max(s / 7, 1), 1, 2, 3);
        if (symbol == kSymbolVertLine || symbol == kSymbolCross) Lines(chart, {x, y - s / 2, x, y + (s + 1) / 2});
        if (symbol == kSymbolHorizLine || symbol == kSymbolCross) Lines(chart, {x - s / 2, y, x + (s + 1) / 2, y});
        if (symbol == kSymbolDiagCross) {
            int d = (s - 1) / 2, e = (s + 1) / 2;
            Lines(chart, {x - d, y - d, x + e, y + e, x - d, y + d, x + e, y - e});
        }
        break;
    }
    case kSymbolCircle:
        ops.set_line_attributes(&chart->device, 1, 1, 2, 3);
        ops.arc(&chart->device, x - s / 2, y - s / 2, s - 1, s - 1, 0, 23040);
        break;
    case kSymbolSquare:
        ops.set_line_attributes(&chart->device, 1, 1, 2, 3);
        ops.rectangle(&chart->device, x - s / 2, y - s / 2, s - 1, s - 1);
        break;
    case kSymbolOpenTri:
        Lines(chart, {x - b, y + b, x + b, y + b, x - b, y + b, x, y - b, x + b, y + b, x, y - b});
        break;
    case kSymbolOpenInvertTri:
        Lines(chart, {x - b, y - b, x + b, y - b, x - b, y - b, x, y + b, x + b, y - b, x, y + b});
        break;
    case kSymbolOpenDiamond:
        Lines(chart, {x - b, y, x, y - b, x, y - b, x + b, y, x + b, y, x, y + b, x, y + b, x - b, y});
        break;
    default: break;  // none, or an unknown shape
    }
}

void zel3d_draw_point(Zel3dChart* chart, const Zel3dDataStyle& style, ProjectedPoint* point, double x, double y,
                      double z) {
    (void)z;
    const DeviceOps& ops = zel3d_ops(chart);
    bool drop = zel3d_is_3d(chart) && chart->draw_drop_lines && style.line.width > 0 &&
                style.line.pattern != kLpatNone;
    auto drop_line = [&]() {
        if (!drop) return;
        POINT base = zel3d_project_point(chart, x, y, chart->zorigin);
        zel3d_apply_line_style(chart, &style.line);
        ops.line(&chart->device, point->x, point->y, base.x, base.y);
        ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
    };
    bool lines_first = DropLinesFirst(chart);
    if (lines_first) drop_line();
    if (style.symbol.size > 0 && style.symbol.shape != kSymbolNone) {
        zel3d_set_foreground(chart, style.symbol.color);
        zel3d_set_fill(chart, style.symbol.color);
        int divisor = std::max(ops.coordinate_divisor, 1);
        zel3d_draw_symbol(chart, style.symbol.shape, style.symbol.size * divisor, point->x, point->y);
        ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
    }
    point->drawn = 1;
    if (!lines_first) drop_line();
}

void zel3d_draw_point_series(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const Projection& p = chart->scene.projection;
    if (view.type != ZEL3D_DATA_POINT || view.empty || !p.points) return;
    for (int s = 0; s < view.nseries; ++s) {
        const Zel3dDataStyle& style = zel3d_data_style(chart, s);
        for (int k = 0; k < view.series[s].npoints; ++k) {
            ProjectedPoint* point = p.At(s, k);
            if (point->drawn || point->hole || point->clipped) continue;
            const Zel3dPoint& d = view.series[s].points[k];
            zel3d_draw_point(chart, style, point, d.x, d.y, d.z);
        }
    }
}

void zel3d_draw_grid_points(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const Projection& p = chart->scene.projection;
    if (view.type == ZEL3D_DATA_POINT || !p.points) return;
    const DataWindow& w = chart->scene.window;
    const Zel3dDataStyle& style = zel3d_data_style(chart, 0);
    for (int i = w.first_x; i <= w.last_x; ++i)
        for (int j = w.first_y; j <= w.last_y; ++j) {
            ProjectedPoint* point = p.At(i, j);
            if (point->drawn || point->hole) continue;
            zel3d_draw_point(chart, style, point, view.x[i], view.y[j], view.values[i][j]);
        }
}

void zel3d_draw_points_sorted(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    Projection& p = chart->scene.projection;
    if (view.type != ZEL3D_DATA_POINT || view.empty || !p.points) return;
    if (!p.sorted) {
        // Distances from the eye in data units, farthest first.
        Point4 eye;
        zel3d_mat_transform_point(&chart->scene.view.inverse_normalize, &chart->scene.view.eye, &eye);
        int total = p.row_start[p.rows];
        p.sorted = static_cast<SortedPoint*>(malloc(sizeof(SortedPoint) * size_t(std::max(total, 1))));
        if (!p.sorted) return;
        int n = 0;
        for (int s = 0; s < view.nseries; ++s)
            for (int k = 0; k < view.series[s].npoints; ++k) {
                const Zel3dPoint& d = view.series[s].points[k];
                p.sorted[n++] = {s, k, std::hypot(d.x - eye.x, d.y - eye.y, d.z - eye.z)};
            }
        p.sorted_count = n;
        std::stable_sort(p.sorted, p.sorted + n,
                         [](const SortedPoint& a, const SortedPoint& b) { return a.distance > b.distance; });
    }
    for (int n = 0; n < p.sorted_count; ++n) {
        const SortedPoint& sp = p.sorted[n];
        ProjectedPoint* point = p.At(sp.series, sp.point);
        if (point->drawn || point->hole || point->clipped) continue;
        const Zel3dPoint& d = view.series[sp.series].points[sp.point];
        zel3d_draw_point(chart, zel3d_data_style(chart, sp.series), point, d.x, d.y, d.z);
    }
}
