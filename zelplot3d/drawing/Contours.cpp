#include "drawing/Contours.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "device/DeviceOps.h"
#include "drawing/DrawHelpers.h"
#include "drawing/ProjectedGrid.h"
#include "drawing/Redraw.h"
#include "drawing/Text3D.h"
#include "kernel/ContourTrace.h"
#include "properties/ContourStyles.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr int kBucketCapacity = 100;
constexpr int kMaxPolylinePoints = 300;
constexpr int kMaxPieceVertices = 9;

// Window offsets of the contour corners of a cell (see ContourTrace.h).
const int kCornerDi[4] = {1, 1, 0, 0};
const int kCornerDj[4] = {0, 1, 1, 0};

ContourData* Data(const Zel3dChart* chart) { return chart->contours; }

bool LinesShown(const Zel3dChart* chart) {
    return chart->draw_contours || (chart->type == 0 && ((chart->project_zmin | chart->project_zmax) & 1));
}

bool ZonesShown(const Zel3dChart* chart) {
    return chart->draw_zones || (chart->type == 0 && ((chart->project_zmin | chart->project_zmax) & 2));
}

// The data the contours follow: ZONE_DATA when it can be drawn, else the
// surface.
const DataView& Contoured(const Zel3dChart* chart) {
    return chart->zone_view.valid && !chart->zone_view.empty ? chart->zone_view : chart->surface_view;
}

void EnsureLevels(Zel3dChart* chart) {
    if (chart->levels.levels) return;
    zel3d_compute_levels(chart);
    if (chart->levels.levels) std::sort(chart->levels.levels, chart->levels.levels + chart->levels.count);
}

// The style of a band (level index 0 .. L), or null without styles.
const Zel3dContourStyle* BandStyle(const Zel3dChart* chart, int level) {
    int styles = chart->contour_styles.count;
    if (styles <= 0 || !chart->contour_styles.items) return nullptr;
    int index = std::clamp(zel3d_style_of_level(level, chart->levels.count, styles), 0, styles - 1);
    return chart->contour_styles.items[index];
}

int ZoneColor(const Zel3dChart* chart, int level) {
    const Zel3dContourStyle* style = BandStyle(chart, level);
    return style ? style->zone_color : zel3d_graph_foreground(chart);
}

// A vertex of a zone piece: its device position and contoured value.
struct Vertex {
    POINT at;
    double value;
};

struct Chain {
    Vertex v[2];
    int count;
    void Set(const Vertex& a) { v[0] = a, count = 1; }
    void Set(const Vertex& a, const Vertex& b) { v[0] = a, v[1] = b, count = 2; }
};

struct Piece {
    Vertex v[kMaxPieceVertices];
    int count = 0;
    void Add(const Vertex& x) {
        if (count < kMaxPieceVertices) v[count++] = x;
    }
    void Add(const Chain& chain) {
        for (int k = 0; k < chain.count; ++k) Add(chain.v[k]);
    }
};

// Shapes of one band waiting to be filled: polygons (zone contours) or
// cell rectangles (zone cells). A full bucket is drawn before it grows.
class ZoneBuckets {
public:
    ZoneBuckets(Zel3dChart* chart, bool rectangles)
        : chart_(chart), rectangles_(rectangles), buckets_(size_t(chart->levels.count) + 1) {}
    ~ZoneBuckets() {
        for (size_t band = 0; band < buckets_.size(); ++band) Flush(int(band));
    }

    void Add(int band, const POINT* points, int count) {
        if (band < 0 || band >= int(buckets_.size())) return;
        auto& bucket = buckets_[band];
        if (bucket.size() >= kBucketCapacity) Flush(band);
        Shape shape;
        shape.count = std::min(count, kMaxPieceVertices);
        std::copy(points, points + shape.count, shape.points);
        bucket.push_back(shape);
    }

private:
    struct Shape {
        POINT points[kMaxPieceVertices];
        int count;
    };

    void Flush(int band) {
        auto& bucket = buckets_[band];
        if (bucket.empty()) return;
        const DeviceOps& ops = zel3d_ops(chart_);
        int color = ZoneColor(chart_, band);
        zel3d_set_fill(chart_, color);
        bool outline = !rectangles_ && BandStyle(chart_, band);
        if (outline) {
            // The outline in the fill colour closes the gaps between pieces.
            zel3d_set_foreground(chart_, color);
            ops.set_line_attributes(&chart_->device, 0, 1, 2, 3);
        }
        for (const Shape& shape : bucket) {
            if (rectangles_) {
                const POINT& a = shape.points[0];
                const POINT& b = shape.points[2];
                ops.fill_rectangle(&chart_->device, std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x),
                                   std::abs(b.y - a.y));
                continue;
            }
            ops.fill_polygon(&chart_->device, shape.points, shape.count, shape.count < 4 ? 1 : 3, kCoordAbsolute);
            if (outline) {
                ops.lines(&chart_->device, shape.points, shape.count, kCoordAbsolute);
                const POINT& first = shape.points[0];
                const POINT& last = shape.points[shape.count - 1];
                ops.line(&chart_->device, last.x, last.y, first.x, first.y);
            }
        }
        bucket.clear();
    }

    Zel3dChart* chart_;
    bool rectangles_;
    std::vector<std::vector<Shape>> buckets_;
};

class ZoneFiller {
public:
    ZoneFiller(Zel3dChart* chart, ZoneBuckets* buckets) : chart_(chart), buckets_(buckets) {}

    bool Fill(int i, int j) {
        ContourData* data = Data(chart_);
        if (!data || !data->HasCells()) return false;
        int ci = i - data->first_x, cj = j - data->first_y;
        if (ci < 0 || cj < 0 || ci >= data->nx - 1 || cj >= data->ny - 1) return false;
        const ContourCell* cell = data->Cell(ci, cj);
        if (cell->has_hole) return false;
        const DataView& view = Contoured(chart_);
        const Projection& p = chart_->scene.projection;
        if (!p.points) return false;
        Chain slots[4];
        for (int k = 0; k < 4; ++k) {
            int gi = i + kCornerDi[k], gj = j + kCornerDj[k];
            const ProjectedPoint* point = p.At(gi, gj);
            slots[k].Set({{point->x, point->y}, view.values[gi][gj]});
        }
        if (chart_->zone_method == 0 && data->traced) Cut(cell, slots);
        Piece rest;
        for (const Chain& chain : slots) rest.Add(chain);
        Emit(rest);
        return true;
    }

private:
    Vertex At(const ContourPoint* point, int level) const {
        return {{point->screen_x, point->screen_y}, chart_->levels.levels[level]};
    }

    static const ContourPoint* OnEdge(const CellSegment& s, int edge) {
        if (s.entry_edge == edge) return s.a;
        if (s.exit_edge == edge) return s.b;
        return nullptr;
    }

    // Cuts the corner pieces and the bands off the cell; what is left stays
    // in the slots' chains.
    void Cut(const ContourCell* cell, Chain slots[4]) {
        for (int k = 0; k < 4; ++k) {
            int before = (k + 3) % 4;  // the edge that ends at corner k
            for (const CellSegment& s : cell->lists[k]) CutAlong(s, before, k, &slots[k], &slots[k]);
        }
        const auto& band = cell->lists[kBetweenOppositeEdges];
        if (band.empty()) return;
        // Segments between edges 1 and 3 cut the side of corners 0 and 1,
        // those between edges 0 and 2 the side of corners 3 and 0.
        bool across_y = band.front().entry_edge % 2 == 1;
        Chain* first = &slots[across_y ? 0 : 3];
        Chain* second = &slots[across_y ? 1 : 0];
        for (const CellSegment& s : band) CutAlong(s, across_y ? 3 : 2, across_y ? 1 : 0, first, second);
    }

    // The piece between the segment (from its point on `start_edge` to the
    // one on `end_edge`) and the chains it cuts off; the chains become the
    // segment's ends.
    void CutAlong(const CellSegment& s, int start_edge, int end_edge, Chain* first, Chain* second) {
        const ContourPoint *p = OnEdge(s, start_edge), *q = OnEdge(s, end_edge);
        if (!p || !q) return;
        Vertex vp = At(p, s.level), vq = At(q, s.level);
        Piece piece;
        piece.Add(vp);
        piece.Add(*first);
        if (second != first) piece.Add(*second);
        piece.Add(vq);
        Emit(piece);
        if (second == first) {
            first->Set(vp, vq);
        } else {
            first->Set(vp);
            second->Set(vq);
        }
    }

    void Emit(const Piece& piece) {
        if (piece.count < 3) return;
        double sum = 0.0;
        POINT points[kMaxPieceVertices];
        for (int k = 0; k < piece.count; ++k) {
            sum += piece.v[k].value;
            points[k] = piece.v[k].at;
        }
        int band = zel3d_distn_level_index(chart_, sum / piece.count);
        if (buckets_) {
            buckets_->Add(band, points, piece.count);
            return;
        }
        zel3d_set_fill(chart_, ZoneColor(chart_, band));
        zel3d_ops(chart_).fill_polygon(&chart_->device, points, piece.count, piece.count < 4 ? 1 : 3, kCoordAbsolute);
    }

    Zel3dChart* chart_;
    ZoneBuckets* buckets_;
};

bool CellOnScreen(const Zel3dChart* chart, int i, int j) {
    if (chart->view_normalized) return true;
    const Projection& p = chart->scene.projection;
    int divisor = std::max(zel3d_ops(chart).coordinate_divisor, 1);
    Rect graph = zel3d_graph_inner_rect(chart);
    int left = 1 << 30, right = -(1 << 30), top = 1 << 30, bottom = -(1 << 30);
    for (int k = 0; k < 4; ++k) {
        const ProjectedPoint* point = p.At(i + kCornerDi[k], j + kCornerDj[k]);
        left = std::min(left, point->x / divisor);
        right = std::max(right, point->x / divisor);
        top = std::min(top, point->y / divisor);
        bottom = std::max(bottom, point->y / divisor);
    }
    return right >= graph.x && left < graph.x + graph.width && bottom >= graph.y && top < graph.y + graph.height;
}

// The crossings of the contour segments of a cell with one of its edges,
// in the order of the counter-clockwise walk.
std::vector<std::pair<const ContourPoint*, int>> EdgeCrossings(const ContourCell* cell, int edge) {
    std::vector<std::pair<const ContourPoint*, int>> crossings;
    for (const auto& list : cell->lists)
        for (const CellSegment& s : list) {
            if (s.entry_edge == edge) crossings.push_back({s.a, s.level});
            if (s.exit_edge == edge) crossings.push_back({s.b, s.level});
        }
    std::sort(crossings.begin(), crossings.end(), [edge](const auto& a, const auto& b) {
        return zel3d_edge_position(edge, a.first) < zel3d_edge_position(edge, b.first);
    });
    return crossings;
}

}  // namespace

void zel3d_reset_contours(Zel3dChart* chart) {
    delete chart->contours;
    chart->contours = nullptr;
    zel3d_free_levels(&chart->levels);
}

void zel3d_contours_ensure(Zel3dChart* chart) {
    const DataView& surface = chart->surface_view;
    bool lines = LinesShown(chart), zones = ZonesShown(chart);
    if (!chart->surface_data || !surface.valid || surface.empty || surface.type == ZEL3D_DATA_POINT) return;
    if (!lines && !zones) return;
    bool trace = lines || (zones && chart->zone_method == 0);
    ContourData* data = chart->contours;
    if (data && data->HasCells() && (!trace || data->traced)) return;
    delete chart->contours;
    chart->contours = nullptr;
    const DataView& view = Contoured(chart);
    if (chart->type != 0 || view.type == ZEL3D_DATA_POINT || !view.x || !view.y) return;
    EnsureLevels(chart);
    const DataWindow& w = chart->scene.window;
    ContourGrid grid = {view.x, view.y, view.values, view.hole, w.first_x, w.first_y, w.count_x, w.count_y,
                        chart->levels.levels, chart->levels.count, nullptr, surface.hole};
    if (&view != &surface) grid.surface_values = surface.values;
    chart->contours = new ContourData();
    zel3d_build_contours(grid, trace, chart->contours);
}

void zel3d_project_contours(Zel3dChart* chart) {
    ContourData* data = Data(chart);
    if (!data) return;
    double zmin = chart->z_axis.min.value, hole = chart->surface_view.hole;
    for (ContourPoint& point : data->points) {
        POINT at = zel3d_project_point(chart, point.x, point.y, point.z == hole ? zmin : point.z);
        point.screen_x = at.x;
        point.screen_y = at.y;
    }
}

int zel3d_distn_level_index(const Zel3dChart* chart, double z) {
    return zel3d_band_of(chart->levels.levels, chart->levels.count, z);
}

int zel3d_level_index_ranged(const Zel3dChart* chart, int mode, double z) {
    const double* levels = chart->levels.levels;
    int count = chart->levels.count;
    if (count <= 0 || !levels) return mode == 0 ? -1 : 0;
    if (mode < 0) {
        int index = int(std::upper_bound(levels, levels + count, z) - levels) - 1;
        if (index < 0) return 0;
        return z > levels[count - 1] ? count : index;
    }
    if (mode == 0) {
        const double* found = std::find(levels, levels + count, z);
        return found == levels + count ? -1 : int(found - levels);
    }
    if (z == 1e308) return count;
    if (z > levels[count - 1]) return count - 1;
    return std::clamp(int(std::lower_bound(levels, levels + count, z) - levels), 0, count);
}

void zel3d_set_zone_fill(Zel3dChart* chart, int level) { zel3d_set_fill(chart, ZoneColor(chart, level)); }

void zel3d_set_band_foreground(Zel3dChart* chart, int level) {
    zel3d_set_foreground(chart, chart->device_depth > 1 ? ZoneColor(chart, level) : zel3d_graph_foreground(chart));
}

int zel3d_set_contour_line_style(Zel3dChart* chart, int level) {
    const Zel3dContourStyle* style = BandStyle(chart, level);
    if (!style || style->line_width == 0 || style->line_pattern == kLpatNone) return 0;
    const DeviceOps& ops = zel3d_ops(chart);
    zel3d_set_foreground(chart, style->line_color);
    int width = style->line_width < 2 ? 0 : style->line_width;
    bool solid = style->line_pattern == kLpatSolid || (zel3d_is_3d(chart) && chart->type == 0);
    if (solid) {
        ops.set_line_attributes(&chart->device, width, 1, 2, 3);
    } else {
        int count = 0;
        const DWORD* dashes = zel3d_dash_list(style->line_pattern, &count);
        ops.set_line_attributes(&chart->device, width, 2, 2, 2);
        ops.set_dashes(&chart->device, style->line_pattern, 0, dashes, count);
    }
    return 1;
}

bool zel3d_fill_cell_zones(Zel3dChart* chart, int i, int j) { return ZoneFiller(chart, nullptr).Fill(i, j); }

bool zel3d_draw_cell_mesh_bands(Zel3dChart* chart, int i, int j) {
    ContourData* data = Data(chart);
    const Projection& p = chart->scene.projection;
    if (!data || !data->HasCells() || !p.points) return false;
    int ci = i - data->first_x, cj = j - data->first_y;
    if (ci < 0 || cj < 0 || ci >= data->nx - 1 || cj >= data->ny - 1) return false;
    const ContourCell* cell = data->Cell(ci, cj);
    const DataView& view = Contoured(chart);
    const DeviceOps& ops = zel3d_ops(chart);
    // Contour edges with the mesh line each lies on: 0 (x line i+1) and 2
    // (x line i) are y-mesh lines, 1 (y line j+1) and 3 (y line j) x-mesh
    // lines.
    const bool shown[4] = {p.y_mesh && p.y_mesh[i + 1], p.x_mesh && p.x_mesh[j + 1], p.y_mesh && p.y_mesh[i],
                           p.x_mesh && p.x_mesh[j]};
    for (int edge = 0; edge < 4; ++edge) {
        if (!shown[edge]) continue;
        int c1 = edge, c2 = (edge + 1) % 4;
        int i1 = i + kCornerDi[c1], j1 = j + kCornerDj[c1], i2 = i + kCornerDi[c2], j2 = j + kCornerDj[c2];
        std::vector<Vertex> stops;
        stops.push_back({{p.At(i1, j1)->x, p.At(i1, j1)->y}, view.values[i1][j1]});
        if (chart->zone_method == 0)
            for (const auto& crossing : EdgeCrossings(cell, edge))
                stops.push_back({{crossing.first->screen_x, crossing.first->screen_y},
                                 chart->levels.levels[crossing.second]});
        stops.push_back({{p.At(i2, j2)->x, p.At(i2, j2)->y}, view.values[i2][j2]});
        for (size_t k = 0; k + 1 < stops.size(); ++k) {
            zel3d_set_band_foreground(chart, zel3d_distn_level_index(chart, (stops[k].value + stops[k + 1].value) / 2));
            ops.line2(&chart->device, stops[k].at.x, stops[k].at.y, stops[k + 1].at.x, stops[k + 1].at.y);
        }
    }
    return true;
}

void zel3d_draw_cell_contours(Zel3dChart* chart, int i, int j) {
    ContourData* data = Data(chart);
    if (!data || !data->traced) return;
    int ci = i - data->first_x, cj = j - data->first_y;
    if (ci < 0 || cj < 0 || ci >= data->nx - 1 || cj >= data->ny - 1) return;
    const ContourCell* cell = data->Cell(ci, cj);
    if (cell->crossing_count == 0) return;
    const DeviceOps& ops = zel3d_ops(chart);
    for (const auto& list : cell->lists)
        for (const CellSegment& s : list) {
            if (!zel3d_set_contour_line_style(chart, s.level)) continue;
            ops.line2(&chart->device, s.a->screen_x, s.a->screen_y, s.b->screen_x, s.b->screen_y);
        }
    ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
}

void zel3d_draw_zones_flat(Zel3dChart* chart) {
    ContourData* data = Data(chart);
    const Projection& p = chart->scene.projection;
    if (!chart->draw_zones || !data || !data->HasCells() || !p.points) return;
    const DataView& view = Contoured(chart);
    bool cells = chart->zone_method == 1;
    ZoneBuckets buckets(chart, cells);
    ZoneFiller filler(chart, &buckets);
    int fx = data->first_x, fy = data->first_y;
    for (int ci = 0; ci < data->nx - 1; ++ci) {
        int i = fx + ci;
        if (p.At(i, fy)->x == p.At(i + 1, fy)->x) continue;  // a column no wider than a pixel
        for (int cj = 0; cj < data->ny - 1; ++cj) {
            int j = fy + cj;
            if (p.At(fx, j)->y == p.At(fx, j + 1)->y) continue;
            if (!CellOnScreen(chart, i, j)) continue;
            const ContourCell* cell = data->Cell(ci, cj);
            if (cell->has_hole) continue;
            const ProjectedPoint *a = p.At(i, j), *b = p.At(i + 1, j + 1);
            const POINT rect[4] = {{a->x, a->y}, {b->x, a->y}, {b->x, b->y}, {a->x, b->y}};
            if (cells) {
                double mean = (view.values[i][j] + view.values[i + 1][j] + view.values[i][j + 1] +
                               view.values[i + 1][j + 1]) / 4;
                buckets.Add(zel3d_distn_level_index(chart, mean), rect, 4);
            } else if (cell->crossing_count > 0) {
                filler.Fill(i, j);
            } else {
                buckets.Add(zel3d_distn_level_index(chart, view.values[i][j]), rect, 4);
            }
        }
    }
}

void zel3d_draw_zones_projected(Zel3dChart* chart) {
    ContourData* data = Data(chart);
    if (!chart->draw_zones || !data || !data->HasCells() || !chart->scene.projection.points) return;
    ZoneFiller filler(chart, nullptr);
    for (int ci = 0; ci < data->nx - 1; ++ci)
        for (int cj = 0; cj < data->ny - 1; ++cj) {
            int i = data->first_x + ci, j = data->first_y + cj;
            if (CellOnScreen(chart, i, j)) filler.Fill(i, j);
        }
}

void zel3d_draw_contour_lines(Zel3dChart* chart) {
    ContourData* data = Data(chart);
    if (!chart->draw_contours || !data || !data->traced) return;
    const DeviceOps& ops = zel3d_ops(chart);
    std::vector<POINT> points;
    for (const ContourLine& line : data->lines) {
        if (!zel3d_set_contour_line_style(chart, line.level)) continue;
        points.clear();
        for (const ContourPoint* point = line.first; point; point = point->next) {
            points.push_back({point->screen_x, point->screen_y});
            if (points.size() == kMaxPolylinePoints) {
                // A long line goes on from the last point drawn.
                ops.lines(&chart->device, points.data(), int(points.size()), kCoordAbsolute);
                POINT last = points.back();
                points.assign(1, last);
            }
        }
        if (points.size() >= 2) ops.lines(&chart->device, points.data(), int(points.size()), kCoordAbsolute);
    }
    ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
}

extern "C" ZEL3D_API Zel3dData* Zel3dDataContours(Zel3dChart* chart, int first_level, int last_level, int step) try {
    if (!chart || chart->type != 0 || !(chart->draw_contours || chart->draw_zones) || last_level < first_level)
        return nullptr;
    if (step < 1) step = 1;
    if (chart->damage_mask & 0x19) zel3d_bring_up_to_date(chart, chart->damage_mask);
    zel3d_contours_ensure(chart);
    ContourData* data = Data(chart);
    int levels = chart->levels.count;
    // Levels 0 .. L-1 have lines; series n holds level first + n * step.
    int low = std::max(first_level, 0), high = std::min(last_level, levels - 1);
    int series = levels;
    if (high >= low) series = std::max(series, (high - first_level) / step + 1);
    Zel3dData* set = Zel3dMakePointData(std::max(series, 1), 1, chart->surface_view.hole, 0);
    if (!set) return nullptr;
    set->point.nseries = series;
    if (!data || !data->traced) return set;
    auto wanted = [&](int level) {
        return level >= low && level <= high && (level - first_level) % step == 0;
    };
    std::vector<int> counts(size_t(std::max(series, 1)), 0);
    for (const ContourCell& cell : data->cells)
        for (const auto& list : cell.lists)
            for (const CellSegment& s : list)
                if (wanted(s.level)) ++counts[(s.level - first_level) / step];
    for (int n = 0; n < series; ++n) {
        if (!counts[n]) continue;
        if (!Zel3dMakePointDataSeries(&set->point.series[n], counts[n])) {
            zel3d_debug_printf(chart, "Zel3dDataContours: Unable to allocate series!\n");
            Zel3dDestroyData(set, 1);
            return nullptr;
        }
        set->point.series[n].npoints = 0;
    }
    for (const ContourCell& cell : data->cells)
        for (const auto& list : cell.lists)
            for (const CellSegment& s : list) {
                if (!wanted(s.level)) continue;
                Zel3dSeries& target = set->point.series[(s.level - first_level) / step];
                target.points[target.npoints++] = {s.a->x, s.a->y, s.a->z};
            }
    return set;
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}
