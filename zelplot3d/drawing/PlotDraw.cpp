#include "drawing/PlotDraw.h"

#include <algorithm>
#include <vector>

#include "device/DeviceOps.h"
#include "device/RasterTarget.h"
#include "drawing/AxisDraw.h"
#include "drawing/Bars.h"
#include "drawing/AxisScale.h"
#include "drawing/Borders.h"
#include "drawing/Contours.h"
#include "drawing/DrawHelpers.h"
#include "drawing/Markers.h"
#include "drawing/ProjectedGrid.h"
#include "drawing/Redraw.h"
#include "drawing/Text3D.h"
#include "drawing/TextObjects.h"
#include "drawing/ViewFit.h"

namespace {

constexpr int kMaxFastMeshPoints = 500;

// Hole bits of the cell corners: the low nibble tells which are holes.
const int kCornerHoleBits[4] = {0x81, 0x12, 0x24, 0x48};

// Corner order (a, b, c, d) of the split tests for order codes 2-9.
const int kSplitCorners[10][4] = {{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {2, 3, 0, 1}, {1, 2, 3, 0},
                                  {3, 0, 1, 2}, {1, 2, 3, 0}, {2, 3, 0, 1}, {0, 1, 2, 3}, {3, 0, 1, 2}};

// Sides (by their first corner: 0 means side 0-1) facing away from the
// eye for each order code; hole walls are not drawn there.
const int kExcludedSides[10] = {0, 0, 1 << 3, 1 << 1, 1 << 0, 1 << 2, (1 << 0) | (1 << 3), (1 << 0) | (1 << 1),
                                (1 << 2) | (1 << 3), (1 << 1) | (1 << 2)};

// A polygon handed to the drawing passes: closed (first point repeated),
// with the mesh marks of its edges.
struct CellPolygon {
    POINT points[5];
    int count;        // corners (3 or 4)
    bool mesh[4];     // edge k (points k to k+1) carries a mesh line
};

class Painter {
public:
    explicit Painter(Zel3dChart* chart)
        : chart_(chart), ops_(zel3d_ops(chart)), view_(chart->surface_view), w_(chart->scene.window),
          p_(chart->scene.projection), mask_(chart->scene.pass_mask), hidden_lines_(chart->draw_hidden_lines),
          divisor_(std::max(zel3d_ops(chart).coordinate_divisor, 1)), graph_(zel3d_graph_inner_rect(chart)),
          background_(zel3d_graph_background(chart)) {
        base_z_ = chart->scene.axes.axes[2].minimum;
    }

    void Walk();
    void FastMeshLines();

private:
    int Divided(int v) const { return v / divisor_; }
    const ProjectedPoint* At(int i, int j) const { return p_.At(i, j); }
    POINT Device(int i, int j) const { return {At(i, j)->x, At(i, j)->y}; }
    bool Hole(int i, int j) const { return At(i, j)->hole; }
    bool XMesh(int j) const { return p_.x_mesh && p_.x_mesh[j]; }
    bool YMesh(int i) const { return p_.y_mesh && p_.y_mesh[i]; }
    POINT Base(int i, int j) const { return zel3d_project_point(chart_, view_.x[i], view_.y[j], base_z_); }

    void Cell(int i, int j, int code);
    bool Culled(int i, int j, int holes) const;
    void Passes(const CellPolygon& polygon, int i, int j, bool whole_cell);
    void Background(const CellPolygon& polygon);
    void Shade(const CellPolygon& polygon);
    void Mesh(const CellPolygon& polygon);
    void HoleWalls(int i, int j, int code);
    void WallQuad(POINT top1, POINT top2, POINT base2, POINT base1, bool upright1, bool upright2);
    void SideWall(bool along_x, int line);
    void BaseCells();
    void FillColored(const POINT* points, int count, int color);

    Zel3dChart* chart_;
    const DeviceOps& ops_;
    const DataView& view_;
    const DataWindow& w_;
    const Projection& p_;
    int mask_;
    bool hidden_lines_;
    int divisor_;
    Rect graph_;
    int background_;
    double base_z_;
};

bool SegmentsCross(const POINT& a, const POINT& b, const POINT& c, const POINT& d) {
    auto orient = [](const POINT& p, const POINT& q, const POINT& r) {
        double v = double(q.x - p.x) * (r.y - p.y) - double(q.y - p.y) * (r.x - p.x);
        return (v > 0) - (v < 0);
    };
    auto on_segment = [](const POINT& p, const POINT& q, const POINT& r) {
        return std::min(p.x, q.x) <= r.x && r.x <= std::max(p.x, q.x) && std::min(p.y, q.y) <= r.y &&
               r.y <= std::max(p.y, q.y);
    };
    int o1 = orient(a, b, c), o2 = orient(a, b, d), o3 = orient(c, d, a), o4 = orient(c, d, b);
    if (o1 != o2 && o3 != o4) return true;
    return (o1 == 0 && on_segment(a, b, c)) || (o2 == 0 && on_segment(a, b, d)) ||
           (o3 == 0 && on_segment(c, d, a)) || (o4 == 0 && on_segment(c, d, b));
}

void Painter::FillColored(const POINT* points, int count, int color) {
    zel3d_set_fill(chart_, color);
    ops_.fill_polygon2(&chart_->device, points, count, count < 4 ? 1 : 3, kCoordAbsolute);
}

void Painter::Background(const CellPolygon& polygon) {
    if (!hidden_lines_) FillColored(polygon.points, polygon.count + 1, background_);
}

void Painter::Shade(const CellPolygon& polygon) {
    bool below = zel3d_signed_area(polygon.points, polygon.count + 1) < 0;
    FillColored(polygon.points, polygon.count + 1, below ? chart_->surface_bottom_color : chart_->surface_top_color);
}

void Painter::Mesh(const CellPolygon& polygon) {
    bool below = zel3d_signed_area(polygon.points, polygon.count + 1) < 0;
    zel3d_set_foreground(chart_, below ? chart_->mesh_bottom_color : chart_->mesh_top_color);
    for (int k = 0; k < polygon.count; ++k) {
        if (!polygon.mesh[k]) continue;
        const POINT& a = polygon.points[k];
        const POINT& b = polygon.points[k + 1];
        ops_.line2(&chart_->device, a.x, a.y, b.x, b.y);
    }
}

// The passes of the pass mask on one polygon of cell (i, j).
void Painter::Passes(const CellPolygon& polygon, int i, int j, bool whole_cell) {
    bool zones = (mask_ & kPassZones) && whole_cell;
    if (mask_ & kPassShaded) {
        if (!zones || !zel3d_fill_cell_zones(chart_, i, j)) Shade(polygon);
    } else if (mask_ & kPassMesh) {
        Background(polygon);
    }
    if (mask_ & kPassMesh) {
        bool banded = (mask_ & kPassZones) && !(mask_ & kPassShaded);
        if (!banded || !zel3d_draw_cell_mesh_bands(chart_, i, j)) Mesh(polygon);
    }
}

bool Painter::Culled(int i, int j, int holes) const {
    if (chart_->view_normalized) return false;
    Rect box = {0, 0, 0, 0};
    bool first = true;
    auto add = [&](POINT d) {
        Rect point = {Divided(d.x), Divided(d.y), 1, 1};
        box = first ? point : zel3d_rect_union(box, point);
        first = false;
    };
    const int di[4] = {0, 0, 1, 1}, dj[4] = {0, 1, 1, 0};
    for (int k = 0; k < 4; ++k) add(Device(i + di[k], j + dj[k]));
    if (chart_->solid_surface && (holes & 0xF))
        for (int k = 0; k < 4; ++k) add(Base(i + di[k], j + dj[k]));
    return !(box.x < graph_.x + graph_.width && graph_.x < box.x + box.width && box.y < graph_.y + graph_.height &&
             graph_.y < box.y + box.height);
}

void Painter::Cell(int i, int j, int code) {
    ProjectedPoint* first = p_.At(i, j);
    if (first->drawn) return;
    const int di[4] = {0, 0, 1, 1}, dj[4] = {0, 1, 1, 0};
    int holes = 0;
    for (int k = 0; k < 4; ++k)
        if (Hole(i + di[k], j + dj[k])) holes |= kCornerHoleBits[k];
    first->drawn = 1;
    if (Culled(i, j, holes)) return;
    if (holes & 0xF) {
        if (chart_->solid_surface) HoleWalls(i, j, code);
        return;
    }
    POINT c[4];
    for (int k = 0; k < 4; ++k) c[k] = Device(i + di[k], j + dj[k]);
    // Mesh marks of the sides 0-1 (line i), 1-2 (line j+1), 2-3 (line i+1),
    // 3-0 (line j).
    bool mesh = chart_->draw_mesh;
    bool side_mesh[4] = {mesh && YMesh(i), mesh && XMesh(j + 1), mesh && YMesh(i + 1), mesh && XMesh(j)};

    bool split = false;
    if (code >= 2 && !chart_->draw_zones) {
        const int* o = kSplitCorners[code];
        const POINT &pa = c[o[0]], &pb = c[o[1]], &pc = c[o[2]], &pd = c[o[3]];
        split = SegmentsCross(pb, pc, pd, pa) || (code >= 6 && SegmentsCross(pa, pb, pc, pd));
    }
    if (!split) {
        CellPolygon quad = {{c[0], c[1], c[2], c[3], c[0]}, 4, {side_mesh[0], side_mesh[1], side_mesh[2], side_mesh[3]}};
        Passes(quad, i, j, true);
    } else {
        // The folded cell as four triangles around its centre.
        double zsum = 0.0;
        for (int k = 0; k < 4; ++k) zsum += view_.values[i + di[k]][j + dj[k]];
        POINT centre = zel3d_project_point(chart_, (view_.x[i] + view_.x[i + 1]) / 2,
                                           (view_.y[j] + view_.y[j + 1]) / 2, zsum / 4);
        const int* o = kSplitCorners[code];
        int order[4][2];
        if (code <= 5) {
            const int strip[4][2] = {{o[1], o[2]}, {o[0], o[1]}, {o[2], o[3]}, {o[3], o[0]}};
            std::copy(&strip[0][0], &strip[0][0] + 8, &order[0][0]);
        } else {
            const int quadrant[4][2] = {{o[0], o[1]}, {o[1], o[2]}, {o[2], o[3]}, {o[3], o[0]}};
            std::copy(&quadrant[0][0], &quadrant[0][0] + 8, &order[0][0]);
        }
        for (const auto& edge : order) {
            CellPolygon triangle = {{centre, c[edge[0]], c[edge[1]], centre}, 3, {false, side_mesh[edge[0]], false}};
            Passes(triangle, i, j, false);
        }
    }
    if (mask_ & kPassContours) zel3d_draw_cell_contours(chart_, i, j);
}

// Walls that close the solid where a cell with holes opens it.
void Painter::HoleWalls(int i, int j, int code) {
    const int di[4] = {0, 0, 1, 1}, dj[4] = {0, 1, 1, 0};
    // The grid line beyond each side (side k joins corners k and k+1).
    const int beyond_i[4] = {-1, 0, 1, 0}, beyond_j[4] = {0, 1, 0, -1};
    for (int side = 0; side < 4; ++side) {
        if (kExcludedSides[code] & (1 << side)) continue;
        int a = side, b = (side + 1) % 4;
        int ai = i + di[a], aj = j + dj[a], bi = i + di[b], bj = j + dj[b];
        if (Hole(ai, aj) || Hole(bi, bj)) continue;
        int ni = ai + beyond_i[side], nj = aj + beyond_j[side], mi = bi + beyond_i[side], mj = bj + beyond_j[side];
        if (ni < w_.first_x || ni > w_.last_x || nj < w_.first_y || nj > w_.last_y || mi < w_.first_x ||
            mi > w_.last_x || mj < w_.first_y || mj > w_.last_y)
            continue;
        if (Hole(ni, nj) || Hole(mi, mj)) continue;
        bool along_y = side % 2 == 0;  // sides 0-1 and 2-3 run along y
        bool upright_a = along_y ? XMesh(aj) : YMesh(ai), upright_b = along_y ? XMesh(bj) : YMesh(bi);
        WallQuad(Device(ai, aj), Device(bi, bj), Base(bi, bj), Base(ai, aj), upright_a, upright_b);
    }
}

void Painter::WallQuad(POINT top1, POINT top2, POINT base2, POINT base1, bool upright1, bool upright2) {
    const POINT quad[5] = {top1, top2, base2, base1, top1};
    if (chart_->draw_shaded) FillColored(quad, 5, chart_->surface_bottom_color);
    else if (!hidden_lines_) FillColored(quad, 5, background_);
    zel3d_set_foreground(chart_, chart_->mesh_bottom_color);
    ops_.line2(&chart_->device, top1.x, top1.y, top2.x, top2.y);
    ops_.line2(&chart_->device, base1.x, base1.y, base2.x, base2.y);
    if (chart_->draw_mesh) {
        if (upright1) ops_.line2(&chart_->device, top1.x, top1.y, base1.x, base1.y);
        if (upright2) ops_.line2(&chart_->device, top2.x, top2.y, base2.x, base2.y);
    }
}

// The wall along one grid line of the solid: x line `line` (along_x false:
// a wall over all y points) or y line `line` (over all x points).
void Painter::SideWall(bool along_x, int line) {
    int first = along_x ? w_.first_x : w_.first_y, last = along_x ? w_.last_x : w_.last_y;
    auto point = [&](int k) { return along_x ? std::make_pair(k, line) : std::make_pair(line, k); };
    int k = first;
    std::vector<POINT> polygon;
    while (k <= last) {
        while (k <= last && Hole(point(k).first, point(k).second)) ++k;
        int start = k;
        while (k <= last && !Hole(point(k).first, point(k).second)) ++k;
        if (k - start < 2) continue;
        polygon.clear();
        for (int n = start; n < k; ++n) polygon.push_back(Device(point(n).first, point(n).second));
        for (int n = k - 1; n >= start; --n) polygon.push_back(Base(point(n).first, point(n).second));
        polygon.push_back(polygon.front());
        int count = int(polygon.size());
        if (chart_->draw_shaded) FillColored(polygon.data(), count, chart_->surface_bottom_color);
        else if (!hidden_lines_) FillColored(polygon.data(), count, background_);
        zel3d_set_foreground(chart_, chart_->mesh_bottom_color);
        ops_.lines2(&chart_->device, polygon.data(), count, kCoordAbsolute);
        if (!chart_->draw_mesh) continue;
        for (int n = start; n < k; ++n) {
            bool mesh = along_x ? YMesh(n) : XMesh(n);
            if (!mesh) continue;
            POINT top = Device(point(n).first, point(n).second), base = Base(point(n).first, point(n).second);
            ops_.line2(&chart_->device, top.x, top.y, base.x, base.y);
        }
    }
}

void Painter::BaseCells() {
    for (int i = w_.first_x; i < w_.last_x; ++i)
        for (int j = w_.first_y; j < w_.last_y; ++j) {
            if (Hole(i, j) || Hole(i, j + 1) || Hole(i + 1, j + 1) || Hole(i + 1, j)) continue;
            POINT b[5] = {Base(i, j), Base(i, j + 1), Base(i + 1, j + 1), Base(i + 1, j), Base(i, j)};
            if (chart_->draw_shaded) FillColored(b, 5, chart_->surface_bottom_color);
            else if (!hidden_lines_) FillColored(b, 5, background_);
            bool runs[4] = {YMesh(i), XMesh(j + 1), YMesh(i + 1), XMesh(j)};
            zel3d_set_foreground(chart_, chart_->mesh_bottom_color);
            if (runs[0] && runs[1] && runs[2] && runs[3]) {
                ops_.lines2(&chart_->device, b, 5, kCoordAbsolute);
                continue;
            }
            for (int k = 0; k < 4; ++k)
                if (runs[k]) ops_.line2(&chart_->device, b[k].x, b[k].y, b[k + 1].x, b[k + 1].y);
        }
}

void Painter::FastMeshLines() {
    zel3d_set_foreground(chart_, chart_->mesh_bottom_color);
    std::vector<POINT> line;
    auto flush = [&]() {
        // Pieces of at most 500 points, each starting where the last ended.
        size_t at = 0;
        while (line.size() - at >= 2) {
            size_t count = std::min(line.size() - at, size_t(kMaxFastMeshPoints));
            ops_.lines(&chart_->device, line.data() + at, int(count), kCoordAbsolute);
            at += count - 1;
        }
        line.clear();
    };
    // A point takes part when it is no hole and a neighbour across the line
    // is none either.
    auto takes_part = [&](int i, int j, bool along_y) {
        if (Hole(i, j)) return false;
        int before_i = along_y ? i - 1 : i, before_j = along_y ? j : j - 1;
        int after_i = along_y ? i + 1 : i, after_j = along_y ? j : j + 1;
        bool before = before_i >= w_.first_x && before_j >= w_.first_y && !Hole(before_i, before_j);
        bool after = after_i <= w_.last_x && after_j <= w_.last_y && !Hole(after_i, after_j);
        return before || after;
    };
    if (chart_->y_axis.mesh_show) {
        for (int i = w_.first_x; i <= w_.last_x; ++i) {
            if (!YMesh(i)) continue;
            for (int j = w_.first_y; j <= w_.last_y; ++j) {
                if (takes_part(i, j, true)) line.push_back(Device(i, j));
                else flush();
            }
            flush();
        }
    }
    if (chart_->x_axis.mesh_show) {
        for (int j = w_.first_y; j <= w_.last_y; ++j) {
            if (!XMesh(j)) continue;
            for (int i = w_.first_x; i <= w_.last_x; ++i) {
                if (takes_part(i, j, false)) line.push_back(Device(i, j));
                else flush();
            }
            flush();
        }
    }
}

void Painter::Walk() {
    zel3d_visit_cells_in_order(chart_, [this](int i, int j, int code) { Cell(i, j, code); });

    if (chart_->solid_surface && chart_->type == 0) {
        int code = chart_->scene.axes.view_code;
        if (code & 4) SideWall(true, w_.last_y);
        if (code & 8) SideWall(true, w_.first_y);
        if (code & 1) SideWall(false, w_.last_x);
        if (code & 2) SideWall(false, w_.first_x);
        if (code & 0x20) BaseCells();
    }
}

// Index of the cell (or point) holding a data coordinate along x or y.
int CellIndex(const Zel3dChart* chart, bool along_x, double value, bool view_units) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    const ViewState& v = chart->scene.view;
    int axis = along_x ? 0 : 1;
    if (view_units) value = (value - v.normalize.m[axis][3]) / v.normalize.m[axis][axis];
    const double* coordinates = along_x ? view.x : view.y;
    int n = along_x ? view.nx : view.ny;
    int first = along_x ? w.first_x : w.first_y, last = along_x ? w.last_x : w.last_y;
    int i = zel3d_interval_index(value, coordinates, n);
    int high = (view_units || chart->type == 1) ? last - 1 : last;
    return std::clamp(i, first, std::max(high, first));
}

void DrawProjectedPlane(Zel3dChart* chart, int what, double box_z) {
    ViewState& view = chart->scene.view;
    double saved[4];
    std::copy(view.normalize.m[2], view.normalize.m[2] + 4, saved);
    int contours = chart->draw_contours, zones = chart->draw_zones;
    view.normalize.m[2][0] = view.normalize.m[2][1] = view.normalize.m[2][2] = 0.0;
    view.normalize.m[2][3] = box_z;
    chart->draw_contours = what & 1;
    chart->draw_zones = (what & 2) != 0;
    zel3d_recompose_view(chart);
    zel3d_project_all(chart);
    zel3d_project_contours(chart);
    zel3d_draw_zones_projected(chart);
    zel3d_draw_contour_lines(chart);
    std::copy(saved, saved + 4, view.normalize.m[2]);
    chart->draw_contours = contours;
    chart->draw_zones = zones;
    zel3d_recompose_view(chart);
    zel3d_project_all(chart);
    zel3d_project_contours(chart);
}

int PassMask(const Zel3dChart* chart) {
    return (chart->draw_mesh ? kPassMesh : 0) | (chart->draw_shaded ? kPassShaded : 0) |
           (chart->draw_zones ? kPassZones : 0) | (chart->draw_contours ? kPassContours : 0);
}

}  // namespace

void zel3d_draw_graph_area(Zel3dChart* chart) {
    const DeviceOps& ops = zel3d_ops(chart);
    GraphArea& graph = chart->graph;
    Rect inner = zel3d_graph_inner_rect(chart);
    zel3d_set_fill(chart, zel3d_graph_background(chart));
    ops.fill_rectangle(&chart->device, inner.x, inner.y, inner.width, inner.height);
    if (graph.background.color == -1) zel3d_draw_chart_image(chart, inner);
    if (graph.image.image || (graph.image.file_name && graph.image.file_name[0]))
        ops.draw_image(chart, &graph.image, inner.x, inner.y, inner.width, inner.height, inner.x, inner.y,
                       inner.width, inner.height);
    if (graph.border) {
        ColorRecord* colors = graph.background.color != -1 ? &graph.background : &chart->background;
        zel3d_draw_border(chart, graph.rect.x, graph.rect.y, graph.rect.width, graph.rect.height, graph.border,
                          graph.border_width, colors, zel3d_graph_foreground(chart));
    }
    zel3d_forget_device_colors(chart);
    ops.set_clip(&chart->device, &inner);
}

namespace {

bool SurfacePresent(const Zel3dChart* chart) {
    return chart->surface_view.valid && !chart->surface_view.empty && chart->scene.view.fitted;
}

void Draw3D(Zel3dChart* chart) {
    bool surface = chart->type == 0;
    bool projections = surface && (chart->project_zmin || chart->project_zmax);
    double hz = zel3d_axis_half(chart, 2);
    bool floor_behind = projections && zel3d_face_faces_away(chart, 4);
    bool ceiling_behind = projections && zel3d_face_faces_away(chart, 5);
    zel3d_prepare_scene(chart);
    zel3d_draw_axes_3d(chart);
    zel3d_draw_box(chart);
    if (surface && chart->project_zmin && floor_behind) DrawProjectedPlane(chart, chart->project_zmin, -hz);
    if (surface && chart->project_zmax && ceiling_behind) DrawProjectedPlane(chart, chart->project_zmax, hz);
    zel3d_draw_grid_lines(chart);
    if (chart->surface_view.type == ZEL3D_DATA_POINT) zel3d_draw_points_sorted(chart);
    else if (chart->type == 1) zel3d_draw_bars(chart);
    else if (chart->type == 2) zel3d_draw_scatter_points(chart);
    else zel3d_walk_cells(chart);
    if (surface && chart->project_zmax && !ceiling_behind) {
        DrawProjectedPlane(chart, chart->project_zmax, hz);
        zel3d_draw_box_edges(chart);
    }
    if (surface && chart->project_zmin && !floor_behind) {
        DrawProjectedPlane(chart, chart->project_zmin, -hz);
        zel3d_draw_box_edges(chart);
    }
    zel3d_draw_remaining_texts(chart);
}

void DrawFlat(Zel3dChart* chart) {
    zel3d_prepare_scene(chart);
    bool points = chart->surface_view.type == ZEL3D_DATA_POINT;
    zel3d_draw_flat_frame(chart, 1);
    if (!points && chart->type != 2) {
        zel3d_draw_zones_flat(chart);
        zel3d_draw_contour_lines(chart);
    }
    zel3d_draw_axes_flat(chart);
    zel3d_draw_grid_lines(chart);
    zel3d_draw_flat_frame(chart, 0);
    if (points) zel3d_draw_point_series(chart);
    else if (chart->type == 2) zel3d_draw_grid_points(chart);
    zel3d_draw_remaining_texts(chart);
}

}  // namespace

double zel3d_signed_area(const POINT* points, int count) {
    double sum = 0.0;
    for (int k = 0; k + 1 < count; ++k)
        sum += double(points[k].x) * points[k + 1].y - double(points[k + 1].x) * points[k].y;
    return sum;
}

void zel3d_eye_cell(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    const Point4& eye = chart->scene.view.eye;
    EyeCell& e = chart->scene.eye_cell;
    bool cells = chart->type == 0;
    e.first_x = w.first_x;
    e.first_y = w.first_y;
    e.last_x = cells ? w.last_x - 1 : w.last_x;
    e.last_y = cells ? w.last_y - 1 : w.last_y;
    e.eye_x = CellIndex(chart, true, eye.x, true);
    e.eye_y = CellIndex(chart, false, eye.y, true);
    e.strip_low_x = e.eye_x - 1;
    e.strip_high_x = e.eye_x + 1;
    e.strip_low_y = e.eye_y - 1;
    e.strip_high_y = e.eye_y + 1;
    if (view.nx < 2 || view.ny < 2) return;
    // The eye's coordinates in data units, against the bounds of its cell.
    const ViewState& v = chart->scene.view;
    double ex = (eye.x - v.normalize.m[0][3]) / v.normalize.m[0][0];
    double ey = (eye.y - v.normalize.m[1][3]) / v.normalize.m[1][1];
    if (ex < view.x[e.eye_x]) e.strip_high_x = e.eye_x;
    else if (ex > view.x[std::min(e.eye_x + 1, view.nx - 1)]) e.strip_low_x = e.eye_x;
    if (ey < view.y[e.eye_y]) e.strip_high_y = e.eye_y;
    else if (ey > view.y[std::min(e.eye_y + 1, view.ny - 1)]) e.strip_low_y = e.eye_y;
}

void zel3d_visit_cells_in_order(const Zel3dChart* chart, const std::function<void(int, int, int)>& visit) {
    const EyeCell& e = chart->scene.eye_cell;
    int X0 = e.first_x, X1 = e.last_x, Y0 = e.first_y, Y1 = e.last_y;
    int a = e.strip_low_x, b = e.strip_high_x, c = e.strip_low_y, d = e.strip_high_y;
    int nibble = chart->scene.axes.view_code & 0xF;
    bool x_outer = nibble == 4 || nibble == 8;
    // One quadrant, walked from its far corner towards the eye (steps of
    // -1 or +1 along each axis; empty when `to` lies behind `from`).
    auto quadrant = [&](int x_from, int x_to, int sx, int y_from, int y_to, int sy, int code) {
        if ((x_to - x_from) * sx < 0 || (y_to - y_from) * sy < 0) return;
        if (x_outer) {
            for (int i = x_from; i != x_to + sx; i += sx)
                for (int j = y_from; j != y_to + sy; j += sy) visit(i, j, code);
        } else {
            for (int j = y_from; j != y_to + sy; j += sy)
                for (int i = x_from; i != x_to + sx; i += sx) visit(i, j, code);
        }
    };
    quadrant(X1, b, -1, Y1, d, -1, 6);
    quadrant(X1, b, -1, Y0, c, 1, 7);
    quadrant(X0, a, 1, Y1, d, -1, 8);
    quadrant(X0, a, 1, Y0, c, 1, 9);
    bool strip_x = b == a + 2 && e.eye_x >= X0 && e.eye_x <= X1;
    bool strip_y = d == c + 2 && e.eye_y >= Y0 && e.eye_y <= Y1;
    if (strip_x) {
        for (int j = Y1; j >= d; --j) visit(e.eye_x, j, 2);
        for (int j = Y0; j <= c; ++j) visit(e.eye_x, j, 3);
    }
    if (strip_y) {
        for (int i = X1; i >= b; --i) visit(i, e.eye_y, 4);
        for (int i = X0; i <= a; ++i) visit(i, e.eye_y, 5);
    }
    if (strip_x && strip_y) visit(e.eye_x, e.eye_y, 1);
}

void zel3d_walk_cells(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    const Projection& p = chart->scene.projection;
    if (view.type == ZEL3D_DATA_POINT || !p.points || chart->type != 0) return;
    if (w.count_x < 2 || w.count_y < 2) return;
    int mask = chart->scene.pass_mask;
    if ((mask == kPassMesh || mask == (kPassMesh | kPassZones)) && !chart->x_axis.mesh_show &&
        !chart->y_axis.mesh_show)
        return;
    // Cells are many and small: on a bitmap that allows it they go straight
    // into its pixels.
    RasterSession raster(chart);
    Painter painter(chart);
    if (mask == kPassMesh && !chart->solid_surface && chart->draw_hidden_lines && !chart->text_objects &&
        chart->mesh_top_color == chart->mesh_bottom_color) {
        painter.FastMeshLines();
        return;
    }
    painter.Walk();
}

void zel3d_draw_plot(Zel3dChart* chart) {
    chart->scene.pass_mask = PassMask(chart);
    zel3d_draw_graph_area(chart);
    if (SurfacePresent(chart)) {
        if (zel3d_is_3d(chart)) Draw3D(chart);
        else DrawFlat(chart);
    }
    zel3d_ops(chart).set_clip(&chart->device, nullptr);
    zel3d_forget_device_colors(chart);
}

void zel3d_draw_box_edges(Zel3dChart* chart) {
    const DeviceOps& ops = zel3d_ops(chart);
    const AxisLayout& layout = chart->scene.axes;
    ops.set_thin_line(&chart->device, zel3d_graph_foreground(chart));
    zel3d_forget_device_colors(chart);
    for (int edge = 0; edge < 12; ++edge) {
        if (!layout.edge_drawn[edge] || !zel3d_axis_settings(chart, edge / 4).show) continue;
        POINT a, b;
        zel3d_box_edge_points(chart, edge, &a, &b);
        ops.line2(&chart->device, a.x, a.y, b.x, b.y);
    }
}
