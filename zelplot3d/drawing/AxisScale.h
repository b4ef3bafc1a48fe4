// Axis annotation state: for each axis its shown range, tick step, label
// format and labels, and in the 3D view the edges of the box that carry
// labels and the faces drawn as walls; with the room the annotation needs
// around the box, which the view fitting uses. Box units throughout: the
// data box spans -h..+h on each axis.
#pragma once

#include <string>
#include <vector>

#include "chart/Chart.h"

// Label flags of an edge.
enum LabelFlags {
    kLabelNegativeSide = 2,  // labels on the negative side of the edge frame's y
    kLabelRotation = 12,     // 0, 4 (quarter turn), 8 (half), 12 (three quarters)
    kLabelSteep = 0x10,      // labels stacked along a steep axis
    kTitleTurnX = 0x20,
    kLabelMirror = 0x40,
    kTitleTurnZ = 0x80,      // the title reads from the other end
};

// A rectangle in projected box units (x right, y up).
struct AxisExtents {
    double left, bottom, width, height;
};

struct AxisSpans {
    double minimum[3];
    double range[3];
};

struct AxisLabel {
    double value;
    std::string text;
};

// Annotation methods.
enum AnnoMethod { kAnnoValues = 1, kAnnoDataLabels = 2, kAnnoValueLabels = 3 };

const AxisSettings& zel3d_axis_settings(const Zel3dChart* chart, int axis);
AxisSettings& zel3d_axis_settings(Zel3dChart* chart, int axis);
// Half-length of the data box along an axis.
double zel3d_axis_half(const Zel3dChart* chart, int axis);

// The ranges the axes must cover (before the tick rule rounds them).
void zel3d_axis_data_ranges(const Zel3dChart* chart, double minimum[3], double maximum[3]);

// Width of a numeric x label of the range [low, high], in text units.
int zel3d_axis_label_width_estimate(Zel3dChart* chart, double low, double high);

// The labels an axis shows within its range (method 1: every labelled
// tick; with `ends_only` the first and last).
void zel3d_axis_labels(Zel3dChart* chart, int axis, bool ends_only, std::vector<AxisLabel>* labels);
// Box coordinate of a value along an axis.
double zel3d_axis_position(const Zel3dChart* chart, int axis, double value);

// Selects the font and text size of labels or titles.
void zel3d_axis_select_label_font(Zel3dChart* chart);
void zel3d_axis_select_title_font(Zel3dChart* chart);

// Corners of the box (bit 0 x, bit 1 y, bit 2 z set on the + side), and
// the two corners an edge joins.
Point4 zel3d_box_corner(const Zel3dChart* chart, int corner);
void zel3d_box_edge_corners(int edge, int* a, int* b);

// Which outer sides of the box face the eye: 1 x >= +h, 2 x <= -h, 4 and 8
// for y, 16 and 32 for z.
int zel3d_eye_outside_bits(const Zel3dChart* chart);

// The frame of an edge's labels (label plane to box units): x along the
// axis, y across the edge in the label plane, z towards the viewer; the
// origin is the edge's point at axis coordinate 0. Returns its label flags.
int zel3d_axis_edge_frame(const Zel3dChart* chart, int edge, bool steep, Matrix* frame);
// Whether an axis's labels stand across it (stacked along a steep axis).
bool zel3d_axis_is_steep(Zel3dChart* chart, int axis);

// The transform of a label of width w and size h from its position on the
// edge; the room it takes from the axis goes to `extent`.
void zel3d_axis_label_matrix(Matrix* matrix, double h, double w, int flags, double* extent);

// The transform of an axis title of width tw centred on the edge, its body
// `offset` away from the edge on the labels' side.
void zel3d_axis_title_matrix(const Matrix* frame, int flags, double tw, double offset, Matrix* out);

// The frames of the flat (map) view's axes: x along the bottom edge, y
// along the left edge. Returns the label flags.
int zel3d_axis_flat_frame(const Zel3dChart* chart, int axis, Matrix* frame);

// The flat (map) and 3D layouts: ranges, ticks and formats of every axis,
// edges and walls, and the extents of the box with its annotation.
void zel3d_axis_layout_flat(Zel3dChart* chart, AxisExtents* extents, AxisSpans* spans);
void zel3d_axis_layout_3d(Zel3dChart* chart, AxisExtents* extents, AxisSpans* spans);
