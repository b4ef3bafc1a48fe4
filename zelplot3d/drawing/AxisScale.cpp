#include "drawing/AxisScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "drawing/Text3D.h"
#include "kernel/AxisTicks.h"
#include "kernel/Helpers.h"

namespace {

constexpr int kMaxTicks = 10000;

// Bounds of projected points.
struct Bounds {
    double left = 1e308, bottom = 1e308, right = -1e308, top = -1e308;
    void Add(double x, double y) {
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    AxisExtents Extents() const { return {left, bottom, right - left, top - bottom}; }
};

Point4 Project(const Matrix& m, double x, double y, double z) {
    Point4 p = {x, y, z, 1.0}, out;
    zel3d_mat_project_point(&m, &p, &out);
    return out;
}

// The other two axes of an edge's axis, in the order of the edge bits.
void OtherAxes(int axis, int* b, int* c) {
    static const int kB[3] = {kAxisY, kAxisX, kAxisX};
    static const int kC[3] = {kAxisZ, kAxisZ, kAxisY};
    *b = kB[axis];
    *c = kC[axis];
}

// Signs (+1 or -1) of an edge's fixed coordinates along every axis (0 along
// the edge's own axis).
void EdgeSigns(int edge, int signs[3]) {
    int axis = edge / 4, b, c;
    OtherAxes(axis, &b, &c);
    signs[axis] = 0;
    signs[b] = (edge & 2) ? 1 : -1;
    signs[c] = (edge & 1) ? 1 : -1;
}

// Corner index (bit 0 x, bit 1 y, bit 2 z set on the + side) of a sign
// triple.
int CornerOf(const int signs[3]) { return (signs[0] > 0 ? 1 : 0) | (signs[1] > 0 ? 2 : 0) | (signs[2] > 0 ? 4 : 0); }

bool EdgeTouches(int edge, int corner) {
    int signs[3];
    EdgeSigns(edge, signs);
    int axis = edge / 4;
    for (int s : {-1, 1}) {
        signs[axis] = s;
        if (CornerOf(signs) == corner) return true;
    }
    return false;
}

Point4 CornerPoint(const Zel3dChart* chart, int corner) {
    return {(corner & 1 ? 1 : -1) * zel3d_axis_half(chart, 0), (corner & 2 ? 1 : -1) * zel3d_axis_half(chart, 1),
            (corner & 4 ? 1 : -1) * zel3d_axis_half(chart, 2), 1.0};
}

// Drawn and annotated edges when the eye stands beyond one or two faces
// (eye_sign: +1 or -1 on the axes it is beyond, 0 on the others).
void FaceViewEdges(AxisLayout* layout, const int eye_sign[3], int beyond) {
    for (int edge = 0; edge < 12; ++edge) {
        int signs[3];
        EdgeSigns(edge, signs);
        int axis = edge / 4, b, c;
        OtherAxes(axis, &b, &c);
        bool near_b = eye_sign[b] != 0 && signs[b] == eye_sign[b];
        bool near_c = eye_sign[c] != 0 && signs[c] == eye_sign[c];
        bool drawn = true, annotated;
        if (beyond == 1) {
            annotated = near_b || near_c;  // the edges bounding the eye's face
        } else if (eye_sign[axis] != 0) {
            annotated = near_b || near_c;  // on the eye's side of the other face
        } else {
            // Parallel to neither face: the edge between the two faces is
            // hidden, the one opposite it drawn only.
            drawn = !(near_b && near_c);
            annotated = near_b != near_c;
        }
        layout->edge_drawn[edge] = drawn;
        layout->edge_annotated[edge] = annotated;
    }
    // The faces on the eye's side are open, the others walls.
    for (int face = 0; face < 6; ++face) {
        int axis = face / 2, sign = face % 2 ? 1 : -1;
        layout->face_state[face] = eye_sign[axis] == sign ? kFaceOpen : kFaceWall;
    }
}

// A corner view: the edges at the corner nearest the eye are left out,
// those at the farthest drawn but not annotated.
void CornerViewEdges(const Zel3dChart* chart, AxisLayout* layout) {
    const Matrix& r = chart->scene.view.rotation;
    int nearest = 0, farthest = 0;
    double near_z = -1e308, far_z = 1e308;
    for (int corner = 0; corner < 8; ++corner) {
        Point4 p = CornerPoint(chart, corner), q;
        zel3d_mat_transform_point(&r, &p, &q);
        if (q.z > near_z) near_z = q.z, nearest = corner;
        if (q.z < far_z) far_z = q.z, farthest = corner;
    }
    for (int edge = 0; edge < 12; ++edge) {
        bool touches_near = EdgeTouches(edge, nearest), touches_far = EdgeTouches(edge, farthest);
        layout->edge_drawn[edge] = !touches_near;
        layout->edge_annotated[edge] = !touches_near && !touches_far;
    }
    for (int face = 0; face < 6; ++face) {
        int axis = face / 2, plus = face % 2;
        bool holds_nearest = ((nearest >> axis) & 1) == plus;
        layout->face_state[face] = holds_nearest ? kFaceOpen : kFaceWall;
    }
}

// Edges and walls for the side the eye sees the box from.
void ChooseEdges(Zel3dChart* chart) {
    AxisLayout& layout = chart->scene.axes;
    int bits = zel3d_eye_outside_bits(chart);
    layout.view_code = bits;
    int eye_sign[3] = {bits & 1 ? 1 : bits & 2 ? -1 : 0, bits & 4 ? 1 : bits & 8 ? -1 : 0,
                       bits & 16 ? 1 : bits & 32 ? -1 : 0};
    int beyond = (eye_sign[0] != 0) + (eye_sign[1] != 0) + (eye_sign[2] != 0);
    if (beyond == 0) return;  // the eye inside the box changes nothing
    if (beyond == 3) CornerViewEdges(chart, &layout);
    else FaceViewEdges(&layout, eye_sign, beyond);
    for (int axis = 0; axis < 3; ++axis) {
        if (zel3d_axis_settings(chart, axis).show) continue;
        for (int edge = axis * 4; edge < axis * 4 + 4; ++edge) layout.edge_drawn[edge] = layout.edge_annotated[edge] = 0;
    }
}

// Ticks, exponent and format of an axis.
void ScaleAxis(AxisWork* work, double label_size, double length, double spacing, double low, double high,
               bool exact) {
    AxisTicks ticks = zel3d_axis_ticks(label_size, length, spacing, low, high, exact);
    work->step = ticks.step;
    work->minimum = ticks.minimum;
    work->maximum = ticks.maximum;
    work->precision = ticks.precision;
    work->exponent = zel3d_axis_exponent(ticks.minimum, ticks.maximum);
    zel3d_axis_label_format(work->precision, work->exponent, work->format);
}

// Longest label text an axis may show within its range, in characters.
size_t MaxLabelLength(Zel3dChart* chart, int axis) {
    if (zel3d_axis_settings(chart, axis).anno_method == kAnnoValues) return 10;
    std::vector<AxisLabel> labels;
    zel3d_axis_labels(chart, axis, false, &labels);
    size_t longest = 0;
    for (const AxisLabel& label : labels) longest = std::max(longest, label.text.size());
    return longest;
}

// The four corners of a text box of width w and size h, through a
// transform of box units, into the bounds.
void AddTextBox(const Matrix& box_projection, const Matrix& transform, double w, double h, Bounds* bounds) {
    Matrix m;
    zel3d_mat_product(&box_projection, &transform, &m);
    for (double x : {0.0, w})
        for (double y : {-h / 2, h / 2}) {
            Point4 p = Project(m, x, y, 0.0);
            bounds->Add(p.x, p.y);
        }
}

void PositionedLabel(const Matrix& frame, double position, const Matrix& label, Matrix* out) {
    Matrix at = frame;
    zel3d_mat_translate_in_place(&at, position, 0.0, 0.0);
    zel3d_mat_product(&at, &label, out);
}

bool AxisAnnotated(const Zel3dChart* chart, int axis) {
    for (int edge = axis * 4; edge < axis * 4 + 4; ++edge)
        if (chart->scene.axes.edge_annotated[edge]) return true;
    return false;
}

}  // namespace

Point4 zel3d_box_corner(const Zel3dChart* chart, int corner) { return CornerPoint(chart, corner); }

void zel3d_box_edge_corners(int edge, int* a, int* b) {
    int signs[3];
    EdgeSigns(edge, signs);
    signs[edge / 4] = -1;
    *a = CornerOf(signs);
    signs[edge / 4] = 1;
    *b = CornerOf(signs);
}

const AxisSettings& zel3d_axis_settings(const Zel3dChart* chart, int axis) {
    return axis == 0 ? chart->x_axis : axis == 1 ? chart->y_axis : chart->z_axis;
}

AxisSettings& zel3d_axis_settings(Zel3dChart* chart, int axis) {
    return axis == 0 ? chart->x_axis : axis == 1 ? chart->y_axis : chart->z_axis;
}

double zel3d_axis_half(const Zel3dChart* chart, int axis) { return chart->scene.view.half[axis]; }

void zel3d_axis_data_ranges(const Zel3dChart* chart, double minimum[3], double maximum[3]) {
    const DataView& view = chart->surface_view;
    const AxisSettings* axes[2] = {&chart->x_axis, &chart->y_axis};
    for (int a = 0; a < 2; ++a) {
        minimum[a] = axes[a]->min.value;
        maximum[a] = axes[a]->max.value;
    }
    if (view.valid && !view.empty && view.type != ZEL3D_DATA_POINT && view.x && view.y) {
        const DataWindow& w = chart->scene.window;
        double start[2] = {view.x[w.first_x], view.y[w.first_y]};
        double end[2] = {view.x[w.last_x], view.y[w.last_y]};
        for (int a = 0; a < 2; ++a) {
            if (chart->type == 1) {
                double length = end[a] - start[a];
                double widen = length * 0.05;
                if (axes[a]->bar_format == 0) widen += 0.005 * length * axes[a]->bar_spacing;
                start[a] -= widen;
                end[a] += widen;
            }
            minimum[a] = std::min(minimum[a], start[a]);
            maximum[a] = std::max(maximum[a] == kUnsetDouble ? end[a] : maximum[a], end[a]);
        }
    }
    minimum[2] = chart->z_axis.min.value;
    maximum[2] = chart->z_axis.max.value;
    if (chart->type == 1 || chart->draw_drop_lines) {
        minimum[2] = std::min(minimum[2], chart->zorigin);
        maximum[2] = std::max(maximum[2], chart->zorigin);
    }
}

int zel3d_axis_label_width_estimate(Zel3dChart* chart, double low, double high) {
    double d = zel3d_nice_number(high - low, false) * 0.1;
    char text[kLabelTextSize];
    snprintf(text, sizeof text, " %g ", zel3d_nice_number(low, false) + d);
    int first = zel3d_text_width(chart, text);
    snprintf(text, sizeof text, " %g ", zel3d_nice_number(high, true) - d);
    return std::max(first, zel3d_text_width(chart, text));
}

double zel3d_axis_position(const Zel3dChart* chart, int axis, double value) {
    const AxisWork& work = chart->scene.axes.axes[axis];
    double h = zel3d_axis_half(chart, axis), range = work.maximum - work.minimum;
    return range != 0.0 ? (value - work.minimum) * 2.0 * h / range - h : 0.0;
}

void zel3d_axis_labels(Zel3dChart* chart, int axis, bool ends_only, std::vector<AxisLabel>* labels) {
    labels->clear();
    const AxisSettings& settings = zel3d_axis_settings(chart, axis);
    const AxisWork& work = chart->scene.axes.axes[axis];
    auto in_range = [&work](double v) { return v >= work.minimum && v <= work.maximum; };
    switch (settings.anno_method) {
    case kAnnoValues: {
        if (!(work.step > 0.0) || !std::isfinite(work.step)) return;
        auto add = [&](double value) {
            char text[kLabelTextSize];
            zel3d_format_axis_value(text, sizeof text, value, work.precision, work.exponent, work.format);
            labels->push_back({value, text});
        };
        double first = zel3d_ceil(work.minimum / work.step) * work.step;
        double last = zel3d_floor(work.maximum / work.step) * work.step;
        if (first > last) return;
        if (ends_only) {
            add(first);
            if (last != first) add(last);
            return;
        }
        int count = int(std::min((last - first) / work.step + 1.5, double(kMaxTicks)));
        for (int k = 0; k < count; ++k) add(first + k * work.step);
        return;
    }
    case kAnnoDataLabels: {
        const DataView& view = chart->surface_view;
        if (axis == 2 || !view.valid || view.type == ZEL3D_DATA_POINT || !view.x || !view.y) return;
        const DataWindow& w = chart->scene.window;
        const char* const* texts = settings.data_labels.items;
        int count = settings.data_labels.count;
        const double* coordinates = axis == 0 ? view.x : view.y;
        int first = axis == 0 ? w.first_x : w.first_y, last = axis == 0 ? w.last_x : w.last_y;
        int n = axis == 0 ? view.nx : view.ny;
        bool midpoints = chart->type == 1 && settings.bar_format == 1;
        for (int j = first; texts && j <= last && j < count; ++j) {
            double v = coordinates[j];
            if (midpoints) {
                if (j + 1 >= n) break;
                v = (coordinates[j] + coordinates[j + 1]) / 2.0;
            }
            if (texts[j] && in_range(v)) labels->push_back({v, texts[j]});
        }
        return;
    }
    case kAnnoValueLabels: {
        if (!settings.value_labels.items) return;
        for (Zel3dValueLabel** label = settings.value_labels.items; *label; ++label)
            if (in_range((*label)->value) && (*label)->label) labels->push_back({(*label)->value, (*label)->label});
        return;
    }
    default: return;
    }
}

void zel3d_axis_select_label_font(Zel3dChart* chart) {
    zel3d_text_set_stroke(chart, chart->axis_stroke_font, chart->axis_stroke_size);
    zel3d_text_set_font(chart, &chart->axis_font);
}

void zel3d_axis_select_title_font(Zel3dChart* chart) {
    zel3d_text_set_stroke(chart, chart->axis_title_stroke_font, chart->axis_title_stroke_size);
    zel3d_text_set_font(chart, &chart->axis_title_font);
}

int zel3d_eye_outside_bits(const Zel3dChart* chart) {
    const Point4& eye = chart->scene.view.eye;
    const double coordinates[3] = {eye.x, eye.y, eye.z};
    int bits = 0;
    for (int axis = 0; axis < 3; ++axis) {
        double h = zel3d_axis_half(chart, axis);
        double v = h != 0.0 ? coordinates[axis] / h : 0.0;
        if (v >= 1.0) bits |= 1 << (2 * axis);
        if (v <= -1.0) bits |= 2 << (2 * axis);
    }
    return bits;
}

int zel3d_axis_edge_frame(const Zel3dChart* chart, int edge, bool steep, Matrix* frame) {
    const ViewState& view = chart->scene.view;
    int axis = edge / 4, b, c, signs[3];
    OtherAxes(axis, &b, &c);
    EdgeSigns(edge, signs);
    Vec3 unit[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    auto times = [](const Vec3& v, double s) { return Vec3{v.x * s, v.y * s, v.z * s}; };
    // The label plane is the face (of the two meeting at the edge) turned
    // more towards the viewer; the labels reach across the edge out of the box.
    auto depth = [&view](const Vec3& v) {
        const double* row = view.rotation.m[2];
        return fabs(row[0] * v.x + row[1] * v.y + row[2] * v.z);
    };
    bool in_face_b = depth(unit[b]) >= depth(unit[c]);
    Vec3 outward = in_face_b ? times(unit[c], signs[c]) : times(unit[b], signs[b]);
    Point4 origin = {0, 0, 0, 1};
    double* o = &origin.x;
    o[b] = signs[b] * zel3d_axis_half(chart, b);
    o[c] = signs[c] * zel3d_axis_half(chart, c);
    Vec3 lx = unit[axis], ly = outward, lz;
    zel3d_vec_cross(&lx, &ly, &lz);
    // The frame faces the eye: its z points towards it.
    Vec3 to_eye = {view.eye.x - origin.x, view.eye.y - origin.y, view.eye.z - origin.z};
    int flags = 0;
    if (zel3d_vec_dot(&lz, &to_eye) < 0) {
        ly = times(ly, -1);
        lz = times(lz, -1);
        flags |= kLabelNegativeSide;
    }
    const Vec3* columns[3] = {&lx, &ly, &lz};
    zel3d_mat_identity(frame);
    for (int k = 0; k < 3; ++k) {
        frame->m[0][k] = columns[k]->x;
        frame->m[1][k] = columns[k]->y;
        frame->m[2][k] = columns[k]->z;
    }
    frame->m[0][3] = origin.x;
    frame->m[1][3] = origin.y;
    frame->m[2][3] = origin.z;
    // Screen directions of the frame's x and y at the edge.
    Point4 at = Project(view.box_projection, origin.x, origin.y, origin.z);
    Point4 along_x = Project(view.box_projection, origin.x + lx.x * 0.1, origin.y + lx.y * 0.1, origin.z + lx.z * 0.1);
    Point4 along_y = Project(view.box_projection, origin.x + ly.x * 0.1, origin.y + ly.y * 0.1, origin.z + ly.z * 0.1);
    // Text along the edge reads from the other end when the edge runs
    // leftwards on the screen (downwards when it runs more up than across).
    double dx = along_x.x - at.x, dy = along_x.y - at.y;
    bool backwards = fabs(dy) > fabs(dx) ? dy < 0 : dx < 0;
    if (steep) flags |= kLabelSteep | (along_y.x - at.x >= 0 ? 4 : 12);
    else if (backwards) flags |= 8;
    if (backwards) flags |= kTitleTurnZ;
    return flags;
}

bool zel3d_axis_is_steep(Zel3dChart* chart, int axis) {
    const AxisLayout& layout = chart->scene.axes;
    const Matrix& m = chart->scene.view.box_projection;
    int annotated = 0, only = -1;
    for (int edge = axis * 4; edge < axis * 4 + 4; ++edge)
        if (layout.edge_annotated[edge]) ++annotated, only = edge;
    Point4 a, b;
    if (annotated == 1) {
        int signs[3];
        EdgeSigns(only, signs);
        double p[3];
        for (int k = 0; k < 3; ++k) p[k] = signs[k] * zel3d_axis_half(chart, k);
        double h = zel3d_axis_half(chart, axis);
        p[axis] = -h;
        a = Project(m, p[0], p[1], p[2]);
        p[axis] = h;
        b = Project(m, p[0], p[1], p[2]);
    } else {
        double p[3] = {0, 0, 0};
        a = Project(m, 0, 0, 0);
        p[axis] = zel3d_axis_half(chart, axis);
        b = Project(m, p[0], p[1], p[2]);
    }
    bool steep = fabs(b.y - a.y) > fabs(b.x - a.x);
    const AxisSettings& settings = zel3d_axis_settings(chart, axis);
    if (settings.anno_method != kAnnoValues && MaxLabelLength(chart, axis) > 1) steep = true;
    return steep;
}

void zel3d_axis_label_matrix(Matrix* matrix, double h, double w, int flags, double* extent) {
    bool negative = flags & kLabelNegativeSide;
    double tx = 0.0, ty = 0.0, turn = 0.0;
    switch (flags & kLabelRotation) {
    case 0:
        tx = -0.5 * w;
        ty = negative ? -1.15 * h : 1.15 * h;
        *extent = 1.65 * h;
        break;
    case 4:
        ty = negative ? -w - 0.65 * h : 0.65 * h;
        turn = 90.0;
        *extent = 0.65 * h + w;
        break;
    case 8:
        tx = 0.5 * w;
        ty = negative ? -1.15 * h : 1.15 * h;
        turn = 180.0;
        *extent = 1.65 * h;
        break;
    default:
        ty = negative ? -0.65 * h : w + 0.65 * h;
        turn = -90.0;
        *extent = 0.65 * h + w;
        break;
    }
    zel3d_mat_identity(matrix);
    zel3d_mat_translate_in_place(matrix, tx, ty, 0.0);
    zel3d_mat_rotate_in_place(matrix, kAxisZ, turn);
    if (flags & kLabelMirror) {
        zel3d_mat_translate_in_place(matrix, w, 0.0, 0.0);
        zel3d_mat_rotate_in_place(matrix, kAxisY, 180.0);
    }
}

void zel3d_axis_layout_flat(Zel3dChart* chart, AxisExtents* extents, AxisSpans* spans) {
    AxisLayout& layout = chart->scene.axes;
    for (int face = 0; face < 6; ++face) layout.face_state[face] = face == 5 ? kFaceWall : kFaceOpen;
    for (int edge = 0; edge < 12; ++edge) layout.edge_drawn[edge] = layout.edge_annotated[edge] = 0;
    double low[3], high[3];
    zel3d_axis_data_ranges(chart, low, high);
    for (int axis = 0; axis < 3; ++axis) layout.axes[axis] = AxisWork{0, low[axis], low[axis], high[axis], 0, 0, "", 0};
    layout.axes[2].minimum = -1.0;
    layout.axes[2].maximum = 1.0;
    double hx = zel3d_axis_half(chart, 0), hy = zel3d_axis_half(chart, 1);
    double left = -hx, right = hx, bottom = -hy, top = hy;
    double ts = chart->axis_stroke_size * kTextUnit, tt = chart->axis_title_stroke_size * kTextUnit;
    std::vector<AxisLabel> labels;

    if (chart->x_axis.show) {
        AxisWork& work = layout.axes[0];
        zel3d_axis_select_label_font(chart);
        double s = zel3d_axis_label_width_estimate(chart, low[0], high[0]) * kTextUnit;
        ScaleAxis(&work, s, 2 * hx, 1.5, low[0], high[0], false);
        zel3d_axis_labels(chart, 0, chart->x_axis.anno_method == kAnnoValues, &labels);
        for (const AxisLabel& label : labels) {
            double half = zel3d_text_width(chart, label.text.c_str()) * kTextUnit / 2;
            double p = zel3d_axis_position(chart, 0, label.value);
            left = std::min(left, p - half);
            right = std::max(right, p + half);
        }
        double extent = labels.empty() ? 0.0 : 1.65 * ts;
        bottom = std::min(bottom, -hy - extent);
        if (chart->x_axis.title && *chart->x_axis.title) {
            zel3d_axis_select_title_font(chart);
            double tw = zel3d_text_width(chart, chart->x_axis.title) * kTextUnit;
            left = std::min(left, -tw / 2);
            right = std::max(right, tw / 2);
            bottom = std::min(bottom, -hy - extent - tt - 0.25 * ts);
            work.title_offset = 0.25 * ts + extent;
        }
    }
    if (chart->y_axis.show) {
        AxisWork& work = layout.axes[1];
        zel3d_axis_select_label_font(chart);
        ScaleAxis(&work, ts, 2 * hy, 2.0, low[1], high[1], false);
        zel3d_axis_labels(chart, 1, chart->y_axis.anno_method == kAnnoValues, &labels);
        double widest = 0.0;
        for (const AxisLabel& label : labels)
            widest = std::max(widest, zel3d_text_width(chart, label.text.c_str()) * kTextUnit);
        double extent = labels.empty() ? 0.0 : 0.65 * ts + widest;
        if (!labels.empty()) {
            left = std::min(left, -hx - extent);
            bottom = std::min(bottom, -hy - ts / 2);
            top = std::max(top, hy + ts / 2);
        }
        if (chart->y_axis.title && *chart->y_axis.title) {
            zel3d_axis_select_title_font(chart);
            double tw = zel3d_text_width(chart, chart->y_axis.title) * kTextUnit;
            bottom = std::min(bottom, -tw / 2);
            top = std::max(top, tw / 2);
            left = std::min(left, -hx - extent - tt - 0.25 * ts);
            work.title_offset = 0.25 * ts + extent;
        }
    }
    *extents = {left, bottom, right - left, top - bottom};
    for (int axis = 0; axis < 3; ++axis) {
        spans->minimum[axis] = layout.axes[axis].minimum;
        spans->range[axis] = layout.axes[axis].maximum - layout.axes[axis].minimum;
    }
}

void zel3d_axis_layout_3d(Zel3dChart* chart, AxisExtents* extents, AxisSpans* spans) {
    AxisLayout& layout = chart->scene.axes;
    const Matrix& m = chart->scene.view.box_projection;
    ChooseEdges(chart);
    Bounds bounds;
    for (int corner = 0; corner < 8; ++corner) {
        Point4 c = CornerPoint(chart, corner);
        Point4 p = Project(m, c.x, c.y, c.z);
        bounds.Add(p.x, p.y);
    }
    double low[3], high[3];
    zel3d_axis_data_ranges(chart, low, high);
    double ts = chart->axis_stroke_size * kTextUnit, tt = chart->axis_title_stroke_size * kTextUnit;
    std::vector<AxisLabel> labels;
    for (int axis : {kAxisZ, kAxisX, kAxisY}) {
        AxisWork& work = layout.axes[axis];
        work = AxisWork{0, low[axis], low[axis], high[axis], 0, 0, "", 0};
        if (!AxisAnnotated(chart, axis)) continue;
        const AxisSettings& settings = zel3d_axis_settings(chart, axis);
        zel3d_axis_select_label_font(chart);
        bool steep = zel3d_axis_is_steep(chart, axis);
        double s = steep ? ts : zel3d_axis_label_width_estimate(chart, low[axis], high[axis]) * kTextUnit;
        bool exact = axis == kAxisZ && chart->type == 1;
        ScaleAxis(&work, s, 2 * zel3d_axis_half(chart, axis), steep ? 2.0 : 1.5, low[axis], high[axis], exact);
        zel3d_axis_labels(chart, axis, settings.anno_method == kAnnoValues, &labels);
        double largest = 0.0;
        for (int edge = axis * 4; edge < axis * 4 + 4; ++edge) {
            if (!layout.edge_annotated[edge]) continue;
            Matrix frame;
            int flags = zel3d_axis_edge_frame(chart, edge, steep, &frame);
            layout.label_flags[edge] = flags;
            for (const AxisLabel& label : labels) {
                double w = zel3d_text_width(chart, label.text.c_str()) * kTextUnit, extent;
                Matrix label_matrix, transform;
                zel3d_axis_label_matrix(&label_matrix, ts, w, flags, &extent);
                largest = std::max(largest, extent);
                PositionedLabel(frame, zel3d_axis_position(chart, axis, label.value), label_matrix, &transform);
                AddTextBox(m, transform, w, ts, &bounds);
            }
        }
        if (!settings.title || !*settings.title) continue;
        zel3d_axis_select_title_font(chart);
        double tw = zel3d_text_width(chart, settings.title) * kTextUnit;
        work.title_offset = tt + largest;
        for (int edge = axis * 4; edge < axis * 4 + 4; ++edge) {
            if (!layout.edge_annotated[edge]) continue;
            Matrix frame, transform;
            zel3d_axis_edge_frame(chart, edge, steep, &frame);
            zel3d_axis_title_matrix(&frame, layout.label_flags[edge], tw, work.title_offset, &transform);
            AddTextBox(m, transform, tw, tt, &bounds);
        }
    }
    *extents = bounds.Extents();
    for (int axis = 0; axis < 3; ++axis) {
        spans->minimum[axis] = layout.axes[axis].minimum;
        spans->range[axis] = layout.axes[axis].maximum - layout.axes[axis].minimum;
    }
}

void zel3d_axis_title_matrix(const Matrix* frame, int flags, double tw, double offset, Matrix* out) {
    *out = *frame;
    zel3d_mat_translate_in_place(out, -tw / 2, flags & kLabelNegativeSide ? -offset : offset, 0.0);
    if (flags & kTitleTurnZ) {
        zel3d_mat_translate_in_place(out, tw, 0.0, 0.0);
        zel3d_mat_rotate_in_place(out, kAxisZ, 180.0);
    }
    if (flags & kLabelMirror) {
        zel3d_mat_translate_in_place(out, tw, 0.0, 0.0);
        zel3d_mat_rotate_in_place(out, kAxisY, 180.0);
    }
    if (flags & kTitleTurnX) zel3d_mat_rotate_in_place(out, kAxisX, 180.0);
}

int zel3d_axis_flat_frame(const Zel3dChart* chart, int axis, Matrix* frame) {
    zel3d_mat_identity(frame);
    if (axis == kAxisX) {
        // Along the bottom edge; labels below it, reading left to right.
        frame->m[1][3] = -zel3d_axis_half(chart, 1);
        return kLabelNegativeSide;
    }
    // Along the left edge, x of the frame up the axis and y outwards (to
    // the left); labels read left to right and end left of the axis.
    frame->m[0][0] = 0.0, frame->m[1][0] = 1.0;
    frame->m[0][1] = -1.0, frame->m[1][1] = 0.0;
    frame->m[0][3] = -zel3d_axis_half(chart, 0);
    return kLabelSteep | 12;
}
