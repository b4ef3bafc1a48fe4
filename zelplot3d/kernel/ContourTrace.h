// Contour tracing on plain records: every contour line of every level
// through a window of a grid, and for each grid cell the contour segments
// that cross it. Free of any window or device.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

// A point of a contour line, in data coordinates, with its device position
// once projected.
struct ContourPoint {
    ContourPoint* next;
    double x, y;
    double z;
    int screen_x, screen_y;
};

struct ContourLine {
    ContourPoint* first;
    int level;
};

// One contour segment recorded in a cell: from point `a` on edge
// `entry_edge` to point `b` on edge `exit_edge`.
struct CellSegment {
    int level;
    int entry_edge;
    int exit_edge;
    ContourPoint* a;
    ContourPoint* b;
};

// Lists 0-3 hold segments that cut off corner 0-3; list 4 those that run
// between opposite edges.
constexpr int kCellLists = 5;
constexpr int kBetweenOppositeEdges = 4;

struct ContourCell {
    bool has_hole;
    int crossing_count;
    std::vector<CellSegment> lists[kCellLists];
};

// The grid window to contour. Corners of cell (i, j) (window indices):
// 0 = (i+1, j), 1 = (i+1, j+1), 2 = (i, j+1), 3 = (i, j); edge k joins
// corner k to corner k+1, a counter-clockwise walk.
struct ContourGrid {
    const double* x;  // grid coordinates, indexed by full-grid index
    const double* y;
    double* const* values;  // values[i][j], full-grid indices
    double hole;
    int first_x, first_y;  // the window
    int nx, ny;
    const double* levels;  // increasing
    int level_count;
    // The surface when the contoured values are another data set: contour
    // points take their z from it. Null: z is the level.
    double* const* surface_values;
    double surface_hole;
};

struct ContourData {
    int nx = 0, ny = 0;  // the window traced (cells (nx-1) x (ny-1))
    int first_x = 0, first_y = 0;
    bool traced = false;  // lines and cell segments exist (not only holes)
    std::vector<ContourLine> lines;
    std::deque<ContourPoint> points;
    std::vector<ContourCell> cells;

    ContourCell* Cell(int i, int j) { return &cells[static_cast<size_t>(i) * (ny - 1) + j]; }
    const ContourCell* Cell(int i, int j) const { return &cells[static_cast<size_t>(i) * (ny - 1) + j]; }
    bool HasCells() const { return !cells.empty(); }
};

// Rebuilds `data` for `grid`: the cell table always, the lines and the cell
// segments when `trace` is set.
void zel3d_build_contours(const ContourGrid& grid, bool trace, ContourData* data);

// Index of the first level not below z; `count` when z is above every level
// (levels increasing).
int zel3d_band_of(const double* levels, int count, double z);

// Position of a point along edge `edge` of a cell in the direction of the
// counter-clockwise walk (larger = farther along).
double zel3d_edge_position(int edge, const ContourPoint* point);
