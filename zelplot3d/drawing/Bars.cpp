#include "drawing/Bars.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "device/DeviceOps.h"
#include "device/RasterTarget.h"
#include "drawing/Contours.h"
#include "drawing/DrawHelpers.h"
#include "drawing/Markers.h"
#include "drawing/Palette.h"
#include "drawing/PlotDraw.h"
#include "drawing/ProjectedGrid.h"
#include "properties/ContourStyles.h"

namespace {

// Normalised box coordinates of a data point.
Vec3 Box(const Zel3dChart* chart, double x, double y, double z) {
    const Matrix& n = chart->scene.view.normalize;
    return {n.m[0][0] * x + n.m[0][3], n.m[1][1] * y + n.m[1][3], n.m[2][2] * z + n.m[2][3]};
}

// The footprint along one axis: centred with a fixed half-width, or
// between the midpoints to the neighbouring positions.
void AxisBounds(const Zel3dChart* chart, const double* positions, int count, int k, const AxisSettings& axis,
                bool histogram, double* low, double* high) {
    double p = positions[k];
    if (histogram && count > 1) {
        double before = k > 0 ? (p - positions[k - 1]) / 2 : (positions[k + 1] - p) / 2;
        double after = k + 1 < count ? (positions[k + 1] - p) / 2 : before;
        *low = p - before;
        *high = p + after;
        return;
    }
    (void)chart;
    double half = 0.005 * (axis.max.value - axis.min.value) * axis.bar_spacing;
    *low = p - half;
    *high = p + half;
}

// The sides of a bar turned to the eye by the order code of its cell (bit k:
// side k, the side from footprint corner k to k + 1; sides 0-3 face -y, +x,
// +y and -x). Cells beyond the eye in x and y (code 6) show their -x and -y
// sides, the strips through the eye's cell (codes 2-5) one side, the eye's
// own cell (code 1) none.
const int kVisibleSides[10] = {0, 0, 1 << 0, 1 << 2, 1 << 3, 1 << 1, (1 << 3) | (1 << 0), (1 << 3) | (1 << 2),
                               (1 << 1) | (1 << 0), (1 << 1) | (1 << 2)};

class BarPainter {
public:
    explicit BarPainter(Zel3dChart* chart)
        : chart_(chart), ops_(zel3d_ops(chart)), view_(chart->surface_view), mask_(chart->scene.pass_mask),
          divisor_(std::max(zel3d_ops(chart).coordinate_divisor, 1)), graph_(zel3d_graph_inner_rect(chart)),
          zones_(chart->draw_zones && chart->zone_view.valid && !chart->zone_view.empty) {
        // Zones from zone data colour whole bars and stand for shading.
        if (zones_) mask_ = (mask_ & (kPassMesh | kPassContours)) | kPassShaded;
    }

    void Draw(int i, int j, int code) {
        double value = view_.values[i][j];
        bool up = value >= chart_->zorigin;
        double bottom = std::min(value, chart_->zorigin), top = std::max(value, chart_->zorigin);
        BarFootprint f = zel3d_cell_bounds(chart_, i, j);
        const double xs[4] = {f.x0, f.x1, f.x1, f.x0}, ys[4] = {f.y0, f.y0, f.y1, f.y1};
        POINT low[4], high[4];
        for (int k = 0; k < 4; ++k) {
            low[k] = zel3d_project_point(chart_, xs[k], ys[k], bottom);
            high[k] = zel3d_project_point(chart_, xs[k], ys[k], top);
        }
        if (!chart_->view_normalized && Culled(low, high)) return;
        int fill = FillColor(i, j, up);
        int mesh = up ? chart_->mesh_top_color : chart_->mesh_bottom_color;
        // Faces drawn: the sides (footprint corners k and k + 1 in the order
        // x0y0, x1y0, x1y1, x0y1) that the cell walk's order code names as
        // turned to the eye, and the top or the bottom when the eye is above
        // or below it.
        const Point4& eye = chart_->scene.view.eye;
        Vec3 a = Box(chart_, f.x0, f.y0, bottom), b = Box(chart_, f.x1, f.y1, top);
        int sides = kVisibleSides[std::clamp(code, 0, 9)];
        bool faces[6] = {(sides & 1) != 0, (sides & 2) != 0, (sides & 4) != 0, (sides & 8) != 0,
                         eye.z > std::max(a.z, b.z), eye.z < std::min(a.z, b.z)};
        if (mask_ == kPassMesh && chart_->draw_hidden_lines) {
            Outline(low, 4, mesh);
            Outline(high, 4, mesh);
            for (int k = 0; k < 4; ++k) Edge(low[k], high[k], mesh);
            return;
        }
        if ((mask_ & kPassZones) && !zones_) {
            ZoneSlices(xs, ys, bottom, top, faces, mesh);
        } else {
            for (int face = 0; face < 6; ++face) {
                if (!faces[face]) continue;
                POINT polygon[4];
                FacePolygon(face, low, high, polygon);
                Face(polygon, fill, mesh);
            }
        }
        if (mask_ & kPassContours) ContourRings(xs, ys, bottom, top, faces);
    }

private:
    bool Culled(const POINT* low, const POINT* high) const {
        int x0 = low[0].x, x1 = low[0].x, y0 = low[0].y, y1 = low[0].y;
        for (int k = 0; k < 4; ++k)
            for (const POINT& p : {low[k], high[k]}) {
                x0 = std::min<int>(x0, p.x);
                x1 = std::max<int>(x1, p.x);
                y0 = std::min<int>(y0, p.y);
                y1 = std::max<int>(y1, p.y);
            }
        x0 /= divisor_;
        x1 /= divisor_;
        y0 /= divisor_;
        y1 /= divisor_;
        return x1 < graph_.x || y1 < graph_.y || x0 > graph_.x + graph_.width || y0 > graph_.y + graph_.height;
    }

    // The zone colour of the zone data's value, else the last XY_COLORS
    // entry for (i, j), else the top or bottom surface colour (also when
    // that entry holds no colour).
    int FillColor(int i, int j, bool up) const {
        if (zones_ && i < chart_->zone_view.nx && j < chart_->zone_view.ny) {
            double z = chart_->zone_view.values[i][j];
            int styles = chart_->contour_styles.count;
            if (z != chart_->zone_view.hole && styles > 0 && chart_->contour_styles.items) {
                int level = zel3d_distn_level_index(chart_, z);
                int index = std::clamp(zel3d_style_of_level(level, chart_->levels.count, styles), 0, styles - 1);
                return chart_->contour_styles.items[index]->zone_color;
            }
        }
        const Zel3dXYColor* entry = zel3d_xy_color_entry(chart_, i, j);
        if (entry && entry->color != -1) return entry->color;
        if (entry) zel3d_debug_printf(chart_, "Error:  Tried to use unallocated Zel3dXYColor\n");
        return up ? chart_->surface_top_color : chart_->surface_bottom_color;
    }

    // Corners of face 0-3 (a side), 4 (the top) or 5 (the bottom).
    static void FacePolygon(int face, const POINT* low, const POINT* high, POINT* polygon) {
        if (face < 4) {
            int k0 = face, k1 = (face + 1) % 4;
            polygon[0] = low[k0];
            polygon[1] = low[k1];
            polygon[2] = high[k1];
            polygon[3] = high[k0];
        } else {
            const POINT* quad = face == 4 ? high : low;
            std::copy(quad, quad + 4, polygon);
        }
    }

    void Project(const double* xs, const double* ys, double z, POINT* corners) const {
        for (int k = 0; k < 4; ++k) corners[k] = zel3d_project_point(chart_, xs[k], ys[k], z);
    }

    // The levels strictly between the bar's bottom and top, ascending.
    std::vector<int> LevelsWithin(double bottom, double top) const {
        std::vector<int> inside;
        for (int k = 0; k < chart_->levels.count && chart_->levels.levels; ++k) {
            double level = chart_->levels.levels[k];
            if (level > bottom && level < top) inside.push_back(k);
        }
        std::sort(inside.begin(), inside.end(),
                  [&](int a, int b) { return chart_->levels.levels[a] < chart_->levels.levels[b]; });
        return inside;
    }

    // The bar cut at every level it crosses, each slice's visible faces
    // filled in the zone colour of its band.
    void ZoneSlices(const double* xs, const double* ys, double bottom, double top, const bool* faces, int mesh) {
        std::vector<double> cuts{bottom};
        for (int k : LevelsWithin(bottom, top)) cuts.push_back(chart_->levels.levels[k]);
        cuts.push_back(top);
        for (size_t s = 0; s + 1 < cuts.size(); ++s) {
            POINT low[4], high[4];
            Project(xs, ys, cuts[s], low);
            Project(xs, ys, cuts[s + 1], high);
            bool first = s == 0, last = s + 2 == cuts.size();
            for (int face = 0; face < 6; ++face) {
                if (!faces[face] || (face == 4 && !last) || (face == 5 && !first)) continue;
                POINT polygon[4];
                FacePolygon(face, low, high, polygon);
                POINT closed[5] = {polygon[0], polygon[1], polygon[2], polygon[3], polygon[0]};
                zel3d_set_zone_fill(chart_, zel3d_distn_level_index(chart_, (cuts[s] + cuts[s + 1]) / 2));
                ops_.fill_polygon2(&chart_->device, closed, 5, 2, kCoordAbsolute);
                if (mask_ & kPassMesh) Outline(polygon, 4, mesh);
            }
        }
    }

    // At every level the bar crosses, the ring of its visible sides in the
    // level's contour line style.
    void ContourRings(const double* xs, const double* ys, double bottom, double top, const bool* faces) {
        bool styled = false;
        for (int k : LevelsWithin(bottom, top)) {
            if (!zel3d_set_contour_line_style(chart_, k)) continue;
            styled = true;
            POINT ring[4];
            Project(xs, ys, chart_->levels.levels[k], ring);
            for (int side = 0; side < 4; ++side)
                if (faces[side]) ops_.line2(&chart_->device, ring[side].x, ring[side].y, ring[(side + 1) % 4].x, ring[(side + 1) % 4].y);
        }
        if (styled) {
            ops_.set_line_attributes(&chart_->device, 0, 1, 2, 3);
            zel3d_forget_device_colors(chart_);
        }
    }

    void Face(POINT* polygon, int fill, int mesh) {
        POINT closed[5] = {polygon[0], polygon[1], polygon[2], polygon[3], polygon[0]};
        if (mask_ & kPassShaded) {
            zel3d_set_fill(chart_, fill);
            ops_.fill_polygon2(&chart_->device, closed, 5, 2, kCoordAbsolute);
            if (mask_ & kPassMesh) Outline(polygon, 4, mesh);
        } else if (mask_ & kPassMesh) {
            zel3d_set_fill(chart_, zel3d_graph_background(chart_));
            ops_.fill_polygon2(&chart_->device, closed, 5, 2, kCoordAbsolute);
            Outline(polygon, 4, mesh);
        } else {
            zel3d_set_fill(chart_, fill);
            ops_.fill_polygon2(&chart_->device, closed, 5, 2, kCoordAbsolute);
        }
    }

    void Outline(const POINT* corners, int count, int color) {
        POINT closed[5];
        std::copy(corners, corners + count, closed);
        closed[count] = corners[0];
        zel3d_set_foreground(chart_, color);
        ops_.lines2(&chart_->device, closed, count + 1, kCoordAbsolute);
    }

    void Edge(const POINT& a, const POINT& b, int color) {
        zel3d_set_foreground(chart_, color);
        ops_.line2(&chart_->device, a.x, a.y, b.x, b.y);
    }

    Zel3dChart* chart_;
    const DeviceOps& ops_;
    const DataView& view_;
    int mask_;
    int divisor_;
    Rect graph_;
    bool zones_;
};

bool Drawable(const Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    return view.valid && !view.empty && view.type != ZEL3D_DATA_POINT && view.values && view.x && view.y &&
           chart->scene.window.drawable;
}

}  // namespace

BarFootprint zel3d_cell_bounds(const Zel3dChart* chart, int i, int j) {
    const DataView& view = chart->surface_view;
    bool scatter = chart->type == 2;
    BarFootprint f;
    AxisBounds(chart, view.x, view.nx, i, chart->x_axis, !scatter && chart->x_axis.bar_format == 1, &f.x0, &f.x1);
    AxisBounds(chart, view.y, view.ny, j, chart->y_axis, !scatter && chart->y_axis.bar_format == 1, &f.y0, &f.y1);
    return f;
}

void zel3d_draw_bars(Zel3dChart* chart) {
    if (!Drawable(chart)) return;
    RasterSession raster(chart);
    BarPainter painter(chart);
    const DataView& view = chart->surface_view;
    zel3d_visit_cells_in_order(chart, [&](int i, int j, int code) {
        if (view.values[i][j] != view.hole) painter.Draw(i, j, code);
    });
    zel3d_forget_device_colors(chart);
}

void zel3d_draw_scatter_points(Zel3dChart* chart) {
    if (!Drawable(chart) || !chart->scene.projection.points) return;
    const DataView& view = chart->surface_view;
    const Zel3dDataStyle& style = zel3d_data_style(chart, 0);
    Rect graph = zel3d_graph_inner_rect(chart);
    int divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    zel3d_visit_cells_in_order(chart, [&](int i, int j, int) {
        ProjectedPoint* projected = chart->scene.projection.At(i, j);
        if (projected->hole || projected->drawn) return;
        double x = view.x[i], y = view.y[j], z = view.values[i][j];
        if (!chart->view_normalized) {
            POINT base = zel3d_project_point(chart, x, y, chart->zorigin);
            int x0 = std::min<int>(projected->x, base.x) / divisor, x1 = std::max<int>(projected->x, base.x) / divisor;
            int y0 = std::min<int>(projected->y, base.y) / divisor, y1 = std::max<int>(projected->y, base.y) / divisor;
            if (x1 < graph.x || y1 < graph.y || x0 > graph.x + graph.width || y0 > graph.y + graph.height) return;
        }
        zel3d_draw_point(chart, style, projected, x, y, z);
    });
    zel3d_forget_device_colors(chart);
}
