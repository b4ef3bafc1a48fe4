// Working state of the drawing, kept in the chart record and rebuilt by the
// redraw: the visible data window, the view matrices, the axis annotation,
// the projected grid and the plot's cell walk. Plain data; the chart is
// zero-initialised, and zel3d_free_scene releases what the state allocates.
#pragma once

#include <windows.h>

#include "kernel/Matrix3D.h"

struct Zel3dChart;
struct FontRecord;

// The part of the data that is drawn and the ranges derived from it.
struct DataWindow {
    double x_step, y_step;  // spacing of the data
    int first_x, last_x, first_y, last_y;
    int count_x, count_y;
    double x_first, y_first;  // coordinates of the first visible point
    int drawable;             // the plot has something to draw
};

// The chart's matrices: data -> normalised box (N) -> rotated (R) ->
// perspective (P) -> device (D); V = D P R N.
struct ViewState {
    Matrix rotation, inverse_rotation;
    Matrix perspective;
    Matrix normalize, inverse_normalize;
    Matrix device, inverse_device;
    Matrix view;
    Matrix box_projection;  // P R: box units to projected box units
    Point4 eye;          // eye point in normalised box coordinates
    double extents[4];   // stored fit: x min, y min, width, height (box units)
    int extents_set;     // the stored extents hold a fit
    double half[3];      // half-lengths of the data box (normalised scales)
    double data_min[3];  // data spans of the axes
    double data_range[3];
    int flat;  // flat (map) view
    int fitted;
};

// Annotation of one axis (x, y, z).
struct AxisWork {
    double step;  // 0: no ticks
    double first_tick;
    double minimum, maximum;
    int precision, exponent;  // decimal exponents of the step and the larger end
    char format[10];
    double title_offset;
};

// Edge and wall choice of the box. Edges: x 0-3 = 2 (y at +h) + (z at +h);
// y 4-7 = 4 + 2 (x at +h) + (z at +h); z 8-11 = 8 + 2 (x at +h) + (y at +h).
// Faces: 0 -x, 1 +x, 2 -y, 3 +y, 4 -z, 5 +z.
struct AxisLayout {
    AxisWork axes[3];
    unsigned char edge_drawn[12];
    unsigned char edge_annotated[12];
    unsigned char face_state[6];  // 1 not a wall, 2 a wall
    int label_flags[12];
    int view_code;  // which outer sides of the box face the eye
};

enum FaceState { kFaceOpen = 1, kFaceWall = 2 };

// One projected data point.
struct ProjectedPoint {
    int x, y;
    unsigned char clipped;
    unsigned char hole;
    unsigned char drawn;
};

// A point of point data in far-to-near order.
struct SortedPoint {
    int series, point;
    double distance;
};

// Every data point projected once per draw: rows of grid x positions (or of
// series), a record per y position (or per point).
struct Projection {
    ProjectedPoint* points;
    int* row_start;  // rows + 1 offsets into `points`
    int rows;
    unsigned char* x_mesh;  // per y position: an x-mesh line runs there
    unsigned char* y_mesh;  // per x position: a y-mesh line runs there
    int octant;             // the view octant code
    SortedPoint* sorted;
    int sorted_count;

    ProjectedPoint* At(int row, int column) const { return &points[row_start[row] + column]; }
};

// The eye's cell and the limits of the back-to-front walk.
struct EyeCell {
    int eye_x, eye_y;            // L, M
    int first_x, last_x;         // cells drawn along x
    int first_y, last_y;
    int strip_low_x, strip_high_x;  // a, b
    int strip_low_y, strip_high_y;  // c, d
};

// One line of the rotation preview, kept so that the next preview can
// erase it: style 1 solid, 2 dashed; width 0 thin.
struct PreviewSegment {
    int drawn;
    POINT a, b;
    int style;
    int width;
};
constexpr int kPreviewSegments = 16;

struct SceneState {
    DataWindow window;
    ViewState view;
    AxisLayout axes;
    Projection projection;
    EyeCell eye_cell;
    int pass_mask;    // 1 mesh, 2 shaded, 4 zones, 8 contours
    int work_color;      // palette work colour (when set)
    int work_color_set;
    int outer_margin;  // margin outside the chart border (pixels)
    HDC colors_dc;     // the DC the device's current colours were set on
    // Text being drawn: stroke face and size, and the TrueType font.
    int stroke_font;
    int stroke_size;
    FontRecord* text_font;
    PreviewSegment preview[kPreviewSegments];  // the rotation preview on the screen
};

void zel3d_free_scene(Zel3dChart* chart);
