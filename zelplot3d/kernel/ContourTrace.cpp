#include "kernel/ContourTrace.h"

#include <algorithm>
#include <cstdint>

namespace {

// Window offsets of the corners of a cell.
const int kCornerDi[4] = {1, 1, 0, 0};
const int kCornerDj[4] = {0, 1, 1, 0};

class Tracer {
public:
    Tracer(const ContourGrid& grid, ContourData* data) : g_(grid), d_(data) {
        bytes_per_edge_ = (g_.level_count + 7) / 8;
        size_t edges = size_t(g_.ny - 1) * g_.nx + size_t(g_.nx - 1) * g_.ny;
        marks_.assign(edges * bytes_per_edge_, 0);
    }

    // Traces every line that starts on the grid edge from point (i, j) to its
    // neighbour along x (`along_x`) or along y.
    void TraceFromEdge(int i, int j, bool along_x) {
        double z1 = Value(i, j);
        double z2 = along_x ? Value(i + 1, j) : Value(i, j + 1);
        if (z2 == g_.hole) return;
        double low = std::min(z1, z2), high = std::max(z1, z2);
        // Into the cell on the far side first, then the other way.
        int cell_i = i, cell_j = j, entry = along_x ? 3 : 2;
        int back_i = along_x ? i : i - 1, back_j = along_x ? j - 1 : j, back_entry = along_x ? 1 : 0;
        // Forward: the entry edge's first corner (counter-clockwise round the
        // cell) holds the higher value, so higher values lie left of the line.
        // That corner is (i, j) for the first cell along x, its neighbour
        // along y.
        bool forward = along_x ? z1 > z2 : z2 > z1;
        size_t edge = EdgeIndex(cell_i, cell_j, entry);
        for (int t = FirstLevelNotBelow(low); t < g_.level_count && g_.levels[t] < high; ++t) {
            if (Marked(edge, t)) continue;
            Trace(cell_i, cell_j, t, entry, forward, edge);
            if (Marked(edge, t)) continue;
            Trace(back_i, back_j, t, back_entry, !forward, edge);
            Mark(edge, t);
        }
    }

private:
    double Value(int i, int j) const { return g_.values[g_.first_x + i][g_.first_y + j]; }
    bool InCells(int i, int j) const { return i >= 0 && j >= 0 && i < g_.nx - 1 && j < g_.ny - 1; }

    int FirstLevelNotBelow(double z) const {
        return static_cast<int>(std::lower_bound(g_.levels, g_.levels + g_.level_count, z) - g_.levels);
    }

    // Index of edge `edge` of cell (i, j) among the grid's edges: the edges
    // along y first, then those along x.
    size_t EdgeIndex(int i, int j, int edge) const {
        size_t along_y = size_t(g_.ny - 1) * g_.nx;
        switch (edge) {
        case 0: return size_t(i + 1) * (g_.ny - 1) + j;
        case 2: return size_t(i) * (g_.ny - 1) + j;
        case 3: return along_y + size_t(i) * g_.ny + j;
        default: return along_y + size_t(i) * g_.ny + j + 1;
        }
    }

    bool Marked(size_t edge, int level) const {
        return marks_[edge * bytes_per_edge_ + level / 8] & (1u << (level % 8));
    }
    void Mark(size_t edge, int level) { marks_[edge * bytes_per_edge_ + level / 8] |= uint8_t(1u << (level % 8)); }

    // The crossing of level t with edge `edge` of cell (i, j).
    ContourPoint* Crossing(int i, int j, int edge, double t) {
        int c1 = edge, c2 = (edge + 1) % 4;
        int i1 = i + kCornerDi[c1], j1 = j + kCornerDj[c1];
        int i2 = i + kCornerDi[c2], j2 = j + kCornerDj[c2];
        double z1 = Value(i1, j1), z2 = Value(i2, j2);
        double x1 = g_.x[g_.first_x + i1], y1 = g_.y[g_.first_y + j1];
        double x2 = g_.x[g_.first_x + i2], y2 = g_.y[g_.first_y + j2];
        double u = z1 == z2 ? 0.5 : (t - z1) / (z2 - z1);
        ContourPoint point = {};
        if (z1 == z2) {
            point.x = (x1 + x2) / 2.0;
            point.y = (y1 + y2) / 2.0;
        } else {
            point.x = ((t - z1) * x2 - (t - z2) * x1) / (z2 - z1);
            point.y = ((t - z1) * y2 - (t - z2) * y1) / (z2 - z1);
        }
        point.z = t;
        if (g_.surface_values) {
            double s1 = g_.surface_values[g_.first_x + i1][g_.first_y + j1];
            double s2 = g_.surface_values[g_.first_x + i2][g_.first_y + j2];
            point.z = s1 == g_.surface_hole || s2 == g_.surface_hole ? g_.surface_hole : s1 + u * (s2 - s1);
        }
        d_->points.push_back(point);
        return &d_->points.back();
    }

    void Record(int i, int j, int level, int entry, int exit, ContourPoint* a, ContourPoint* b) {
        int list = kBetweenOppositeEdges;
        if (exit == (entry + 1) % 4) list = exit;
        else if (entry == (exit + 1) % 4) list = entry;
        ContourCell* cell = d_->Cell(i, j);
        cell->lists[list].push_back({level, entry, exit, a, b});
        ++cell->crossing_count;
    }

    // Follows level t from cell (i, j), entered through `entry`, until the
    // line leaves the window, meets a hole or closes on `start_edge`.
    // `forward` orders the exit search so that higher values stay on the
    // same side of the line (the tie-break of saddle cells).
    void Trace(int i, int j, int t, int entry, bool forward, size_t start_edge) {
        double level = g_.levels[t];
        ContourPoint* current = nullptr;
        for (;;) {
            if (!InCells(i, j)) return;
            double v[4];
            for (int c = 0; c < 4; ++c) {
                v[c] = Value(i + kCornerDi[c], j + kCornerDj[c]);
                if (v[c] == g_.hole) return;
            }
            if (!current) {
                current = Crossing(i, j, entry, level);
                d_->lines.push_back({current, t});
            }
            int exit = -1;
            size_t exit_index = 0;
            for (int k = 1; k <= 3 && exit < 0; ++k) {
                int e = (entry + (forward ? k : 4 - k)) % 4;
                size_t index = EdgeIndex(i, j, e);
                if (Marked(index, t)) continue;
                if ((v[e] - level) * (v[(e + 1) % 4] - level) <= 0) {
                    exit = e;
                    exit_index = index;
                }
            }
            if (exit < 0) return;
            ContourPoint* next = Crossing(i, j, exit, level);
            current->next = next;
            Record(i, j, t, entry, exit, current, next);
            Mark(exit_index, t);
            current = next;
            if (exit_index == start_edge) return;
            static const int kStepI[4] = {1, 0, -1, 0};
            static const int kStepJ[4] = {0, 1, 0, -1};
            i += kStepI[exit];
            j += kStepJ[exit];
            entry = (exit + 2) % 4;
        }
    }

    const ContourGrid& g_;
    ContourData* d_;
    int bytes_per_edge_;
    std::vector<uint8_t> marks_;
};

// The point of a segment that lies on `edge`, or null.
const ContourPoint* PointOnEdge(const CellSegment& s, int edge) {
    if (s.entry_edge == edge) return s.a;
    if (s.exit_edge == edge) return s.b;
    return nullptr;
}

// Orders each list from the cell side it cuts towards the middle: corner
// lists nearest the corner first; the list of opposite-edge segments from
// the side of corners 0 and 1 (segments between edges 1 and 3) or of
// corners 3 and 0 (between edges 0 and 2).
void SortCellLists(ContourCell* cell) {
    for (int k = 0; k < 4; ++k) {
        auto& list = cell->lists[k];
        if (list.size() < 2) continue;
        std::stable_sort(list.begin(), list.end(), [k](const CellSegment& a, const CellSegment& b) {
            return zel3d_edge_position(k, PointOnEdge(a, k)) < zel3d_edge_position(k, PointOnEdge(b, k));
        });
    }
    auto& band = cell->lists[kBetweenOppositeEdges];
    if (band.size() < 2) return;
    bool across_y = band.front().entry_edge % 2 == 1;  // between edges 1 and 3
    auto key = [across_y](const CellSegment& s) {
        return across_y ? -(s.a->x + s.b->x) : s.a->y + s.b->y;
    };
    std::stable_sort(band.begin(), band.end(),
                     [&key](const CellSegment& a, const CellSegment& b) { return key(a) < key(b); });
}

}  // namespace

double zel3d_edge_position(int edge, const ContourPoint* point) {
    if (!point) return 0.0;
    switch (edge) {
    case 0: return point->y;
    case 1: return -point->x;
    case 2: return -point->y;
    default: return point->x;
    }
}

int zel3d_band_of(const double* levels, int count, double z) {
    if (count <= 0) return 0;
    return static_cast<int>(std::lower_bound(levels, levels + count, z) - levels);
}

void zel3d_build_contours(const ContourGrid& grid, bool trace, ContourData* data) {
    *data = ContourData();
    data->nx = grid.nx;
    data->ny = grid.ny;
    data->first_x = grid.first_x;
    data->first_y = grid.first_y;
    if (grid.nx < 2 || grid.ny < 2) return;
    data->cells.resize(size_t(grid.nx - 1) * (grid.ny - 1));
    data->traced = trace && grid.level_count > 0;
    Tracer tracer(grid, data);
    for (int j = 0; j < grid.ny; ++j) {
        for (int i = 0; i < grid.nx; ++i) {
            if (grid.values[grid.first_x + i][grid.first_y + j] == grid.hole) {
                for (int ci = i - 1; ci <= i; ++ci)
                    for (int cj = j - 1; cj <= j; ++cj)
                        if (ci >= 0 && cj >= 0 && ci < grid.nx - 1 && cj < grid.ny - 1)
                            data->Cell(ci, cj)->has_hole = true;
                continue;
            }
            if (!data->traced) continue;
            if (i < grid.nx - 1) tracer.TraceFromEdge(i, j, true);
            if (j < grid.ny - 1) tracer.TraceFromEdge(i, j, false);
        }
    }
    if (data->traced)
        for (ContourCell& cell : data->cells) SortCellLists(&cell);
}
