#include "drawing/AxisDraw.h"

#include <algorithm>
#include <cmath>

#include "device/DeviceOps.h"
#include "drawing/AxisScale.h"
#include "drawing/DrawHelpers.h"
#include "drawing/Text3D.h"
#include "kernel/AxisTicks.h"
#include "kernel/Helpers.h"

namespace {

constexpr int kMaxGridLines = 10000;

// Box units to device pixels: the chart's D P R, behind the DC's own
// mapping when it has one (the drawing then runs in MM_TEXT, so that text
// lands where the caller's mapping would put it).
class AxisDevice {
public:
    explicit AxisDevice(Zel3dChart* chart) : chart_(chart), dc_(chart->device.draw_dc) {
        const ViewState& view = chart->scene.view;
        zel3d_mat_product(&view.device, &view.box_projection, &to_device_);
        if (!dc_ || zel3d_is_metafile_dc(dc_)) {
            dc_ = nullptr;
            return;
        }
        font_ = SelectObject(dc_, GetStockObject(ANSI_VAR_FONT));
        map_mode_ = GetMapMode(dc_);
        GetViewportOrgEx(dc_, &viewport_org_);
        GetWindowOrgEx(dc_, &window_org_);
        GetViewportExtEx(dc_, &viewport_ext_);
        GetWindowExtEx(dc_, &window_ext_);
        if (map_mode_ != MM_TEXT || viewport_org_.x || viewport_org_.y || window_org_.x || window_org_.y) {
            double sx = map_mode_ == MM_TEXT || !window_ext_.cx ? 1.0 : double(viewport_ext_.cx) / window_ext_.cx;
            double sy = map_mode_ == MM_TEXT || !window_ext_.cy ? 1.0 : double(viewport_ext_.cy) / window_ext_.cy;
            Matrix mapping;
            zel3d_mat_identity(&mapping);
            mapping.m[0][0] = sx;
            mapping.m[0][3] = viewport_org_.x - window_org_.x * sx;
            mapping.m[1][1] = sy;
            mapping.m[1][3] = viewport_org_.y - window_org_.y * sy;
            zel3d_mat_multiply(&mapping, &to_device_, &to_device_);
            SetMapMode(dc_, MM_TEXT);
            SetViewportOrgEx(dc_, 0, 0, nullptr);
            SetWindowOrgEx(dc_, 0, 0, nullptr);
            remapped_ = true;
        }
    }
    ~AxisDevice() {
        if (!dc_) return;
        if (remapped_) {
            SetMapMode(dc_, map_mode_);
            SetWindowExtEx(dc_, window_ext_.cx, window_ext_.cy, nullptr);
            SetViewportExtEx(dc_, viewport_ext_.cx, viewport_ext_.cy, nullptr);
            SetWindowOrgEx(dc_, window_org_.x, window_org_.y, nullptr);
            SetViewportOrgEx(dc_, viewport_org_.x, viewport_org_.y, nullptr);
        }
        SelectObject(dc_, font_);
        zel3d_forget_device_colors(chart_);
    }
    AxisDevice(const AxisDevice&) = delete;
    AxisDevice& operator=(const AxisDevice&) = delete;

    const Matrix& to_device() const { return to_device_; }

private:
    Zel3dChart* chart_;
    HDC dc_;
    Matrix to_device_;
    HGDIOBJ font_ = nullptr;
    int map_mode_ = MM_TEXT;
    POINT viewport_org_ = {0, 0}, window_org_ = {0, 0};
    SIZE viewport_ext_ = {1, 1}, window_ext_ = {1, 1};
    bool remapped_ = false;
};

POINT Pixel(const Matrix& m, double x, double y, double z) {
    Point4 p = {x, y, z, 1.0}, out;
    zel3d_mat_project_point(&m, &p, &out);
    return {zel3d_round_device(out.x), zel3d_round_device(out.y)};
}

// One tick (and its label unless minor) at the origin of `position`
// (label frame to device).
void Tick(Zel3dChart* chart, const Matrix& position, const char* text, int flags, double h, bool minor) {
    double t = 0.5 * h * (flags & kLabelNegativeSide ? -1.0 : 1.0) * (minor ? 0.6 : 1.0);
    POINT a = Pixel(position, 0, 0, 0), b = Pixel(position, 0, t, 0);
    zel3d_ops(chart).line(&chart->device, a.x, a.y, b.x, b.y);
    if (minor || !text) return;
    double w = zel3d_text_width(chart, text) * kTextUnit, extent;
    Matrix label, transform;
    zel3d_axis_label_matrix(&label, h, w, flags, &extent);
    zel3d_mat_product(&position, &label, &transform);
    zel3d_text_draw(chart, &transform, text);
}

// The ticks and labels of one axis along a frame (label plane to box).
void AxisTicksAlong(Zel3dChart* chart, const AxisDevice& device, int axis, const Matrix& frame, int flags) {
    AxisWork& work = chart->scene.axes.axes[axis];
    const AxisSettings& settings = zel3d_axis_settings(chart, axis);
    double h = chart->axis_stroke_size * kTextUnit;
    Matrix to_frame;
    zel3d_mat_product(&device.to_device(), &frame, &to_frame);
    auto tick = [&](double value, const char* text, bool minor) {
        Matrix position = to_frame;
        zel3d_mat_translate_in_place(&position, zel3d_axis_position(chart, axis, value), 0.0, 0.0);
        Tick(chart, position, text, flags, h, minor);
    };
    zel3d_axis_select_label_font(chart);
    if (settings.anno_method != kAnnoValues) {
        std::vector<AxisLabel> labels;
        zel3d_axis_labels(chart, axis, false, &labels);
        for (const AxisLabel& label : labels) tick(label.value, label.text.c_str(), false);
        return;
    }
    std::vector<TickMark> ticks;
    work.first_tick = zel3d_axis_tick_marks(work.step, work.minimum, work.maximum, &ticks);
    for (const TickMark& mark : ticks) {
        char text[kLabelTextSize];
        if (mark.labelled)
            zel3d_format_axis_value(text, sizeof text, mark.value, work.precision, work.exponent, work.format);
        tick(mark.value, text, !mark.labelled);
    }
}

void AxisTitle(Zel3dChart* chart, const AxisDevice& device, int axis, const Matrix& frame, int flags,
               double offset) {
    const char* title = zel3d_axis_settings(chart, axis).title;
    if (!title || !*title) return;
    zel3d_axis_select_title_font(chart);
    double tw = zel3d_text_width(chart, title) * kTextUnit;
    Matrix placed, transform;
    zel3d_axis_title_matrix(&frame, flags, tw, offset, &placed);
    zel3d_mat_product(&device.to_device(), &placed, &transform);
    zel3d_text_draw(chart, &transform, title);
}

void SelectAxisColor(Zel3dChart* chart) {
    zel3d_ops(chart).set_thin_line(&chart->device, zel3d_graph_foreground(chart));
    zel3d_forget_device_colors(chart);
}

// The corners of a face, clockwise as seen from outside the box.
void FaceCorners(int face, int corners[4]) {
    int axis = face / 2, plus = face % 2;
    // The other two axes in right-handed order.
    int u = (axis + 1) % 3, v = (axis + 2) % 3;
    const int cw[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};  // (u, v) sides, clockwise from +axis
    for (int k = 0; k < 4; ++k) {
        int su = cw[plus ? k : (4 - k) % 4][0], sv = cw[plus ? k : (4 - k) % 4][1];
        corners[k] = (plus << axis) | (su << u) | (sv << v);
    }
}

// Grid values of an axis strictly inside its range.
void GridValues(Zel3dChart* chart, int axis, std::vector<double>* values) {
    values->clear();
    const AxisWork& work = chart->scene.axes.axes[axis];
    const AxisSettings& settings = zel3d_axis_settings(chart, axis);
    auto add = [&](double v) {
        if (v > work.minimum && v < work.maximum) values->push_back(v);
    };
    if (settings.anno_method == kAnnoValues) {
        if (!(work.step > 0.0) || !std::isfinite(work.step)) return;
        double count = std::trunc((work.maximum - work.first_tick) / work.step);
        int n = int(std::clamp(count, 0.0, double(kMaxGridLines)));
        for (int k = 0; k <= n; ++k) add(work.first_tick + k * work.step);
        return;
    }
    std::vector<AxisLabel> labels;
    zel3d_axis_labels(chart, axis, false, &labels);
    for (const AxisLabel& label : labels)
        if (!label.text.empty()) add(label.value);
}

}  // namespace

void zel3d_box_edge_points(const Zel3dChart* chart, int edge, POINT* a, POINT* b) {
    const ViewState& view = chart->scene.view;
    Matrix to_device;
    zel3d_mat_product(&view.device, &view.box_projection, &to_device);
    int ca, cb;
    zel3d_box_edge_corners(edge, &ca, &cb);
    Point4 pa = zel3d_box_corner(chart, ca), pb = zel3d_box_corner(chart, cb);
    *a = Pixel(to_device, pa.x, pa.y, pa.z);
    *b = Pixel(to_device, pb.x, pb.y, pb.z);
}

bool zel3d_face_faces_away(const Zel3dChart* chart, int face) {
    const ViewState& view = chart->scene.view;
    Matrix to_device;
    zel3d_mat_product(&view.device, &view.box_projection, &to_device);
    int corners[4];
    FaceCorners(face, corners);
    double area = 0.0;
    POINT p[4];
    for (int k = 0; k < 4; ++k) {
        Point4 c = zel3d_box_corner(chart, corners[k]);
        p[k] = Pixel(to_device, c.x, c.y, c.z);
    }
    for (int k = 0; k < 4; ++k) area += double(p[k].x) * p[(k + 1) % 4].y - double(p[(k + 1) % 4].x) * p[k].y;
    return area < 0;
}

void zel3d_draw_axes_3d(Zel3dChart* chart) {
    AxisDevice device(chart);
    SelectAxisColor(chart);
    const AxisLayout& layout = chart->scene.axes;
    for (int edge = 0; edge < 12; ++edge) {
        if (!layout.edge_annotated[edge]) continue;
        int axis = edge / 4, flags = layout.label_flags[edge];
        Matrix frame;
        zel3d_axis_edge_frame(chart, edge, flags & kLabelSteep, &frame);
        AxisTicksAlong(chart, device, axis, frame, flags);
        AxisTitle(chart, device, axis, frame, flags, layout.axes[axis].title_offset);
    }
}

void zel3d_draw_axes_flat(Zel3dChart* chart) {
    AxisDevice device(chart);
    SelectAxisColor(chart);
    double tt = chart->axis_title_stroke_size * kTextUnit;
    for (int axis : {kAxisX, kAxisY}) {
        if (!zel3d_axis_settings(chart, axis).show) continue;
        Matrix frame;
        int flags = zel3d_axis_flat_frame(chart, axis, &frame);
        AxisTicksAlong(chart, device, axis, frame, flags);
        // The title's near side stands at the title offset.
        AxisTitle(chart, device, axis, frame, flags & ~kLabelRotation,
                  chart->scene.axes.axes[axis].title_offset + tt / 2);
    }
}

void zel3d_draw_grid_lines(Zel3dChart* chart) {
    const AxisLayout& layout = chart->scene.axes;
    bool flat = chart->scene.view.flat;
    int masks[3] = {chart->x_axis.grid_lines, chart->y_axis.grid_lines, flat ? 0 : chart->z_axis.grid_lines};
    if (flat) masks[0] = masks[0] ? 1 : 0, masks[1] = masks[1] ? 1 : 0;
    if (masks[0] <= 0 && masks[1] <= 0 && masks[2] <= 0) return;
    AxisDevice device(chart);
    const DeviceOps& ops = zel3d_ops(chart);
    std::vector<double> values;
    for (int face = 0; face < 6; ++face) {
        if (layout.face_state[face] != kFaceWall) continue;
        int normal = face / 2;                  // 0 yz wall, 1 xz wall, 2 xy wall
        int plane_bit = normal == 2 ? 1 : normal == 1 ? 2 : 4;
        double fixed = (face % 2 ? 1 : -1) * zel3d_axis_half(chart, normal);
        for (int axis = 0; axis < 3; ++axis) {
            if (axis == normal || masks[axis] <= 0 || !(masks[axis] & plane_bit)) continue;
            const AxisSettings& settings = zel3d_axis_settings(chart, axis);
            const Zel3dLineStyle& style = settings.grid_style.current;
            if (!settings.show || style.width <= 0 || style.pattern == kLpatNone) continue;
            const AxisWork& work = layout.axes[axis];
            if (work.maximum == work.minimum) continue;
            GridValues(chart, axis, &values);
            int across = 3 - axis - normal;  // the wall's other direction
            for (double value : values) {
                double p[2][3];
                for (int end = 0; end < 2; ++end) {
                    p[end][normal] = fixed;
                    p[end][axis] = zel3d_axis_position(chart, axis, value);
                    p[end][across] = (end ? 1 : -1) * zel3d_axis_half(chart, across);
                }
                POINT a = Pixel(device.to_device(), p[0][0], p[0][1], p[0][2]);
                POINT b = Pixel(device.to_device(), p[1][0], p[1][1], p[1][2]);
                zel3d_apply_line_style(chart, &style);
                ops.line(&chart->device, a.x, a.y, b.x, b.y);
                ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
            }
        }
    }
}

void zel3d_draw_box(Zel3dChart* chart) {
    AxisDevice device(chart);
    const AxisLayout& layout = chart->scene.axes;
    const DeviceOps& ops = zel3d_ops(chart);
    POINT corners[8];
    for (int c = 0; c < 8; ++c) {
        Point4 p = zel3d_box_corner(chart, c);
        corners[c] = Pixel(device.to_device(), p.x, p.y, p.z);
    }
    if (chart->data_area_background.color != -1) {
        for (int face = 0; face < 6; ++face) {
            if (layout.face_state[face] != kFaceWall) continue;
            int k[4];
            FaceCorners(face, k);
            const POINT quad[4] = {corners[k[0]], corners[k[1]], corners[k[2]], corners[k[3]]};
            zel3d_set_fill(chart, chart->data_area_background.color);
            ops.fill_polygon(&chart->device, quad, 4, 2, kCoordAbsolute);
        }
    }
    zel3d_set_foreground(chart, zel3d_graph_foreground(chart));
    ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
    for (int edge = 0; edge < 12; ++edge) {
        if (!layout.edge_drawn[edge]) continue;
        int a, b;
        zel3d_box_edge_corners(edge, &a, &b);
        ops.line(&chart->device, corners[a].x, corners[a].y, corners[b].x, corners[b].y);
    }
}

void zel3d_draw_flat_frame(Zel3dChart* chart, int fill) {
    AxisDevice device(chart);
    const DeviceOps& ops = zel3d_ops(chart);
    double hx = zel3d_axis_half(chart, 0), hy = zel3d_axis_half(chart, 1);
    POINT frame[5] = {Pixel(device.to_device(), -hx, -hy, 0), Pixel(device.to_device(), -hx, hy, 0),
                      Pixel(device.to_device(), hx, hy, 0), Pixel(device.to_device(), hx, -hy, 0)};
    frame[4] = frame[0];
    if (fill) {
        if (chart->data_area_background.color == -1) return;
        zel3d_set_fill(chart, chart->data_area_background.color);
        ops.fill_polygon(&chart->device, frame, 4, 2, kCoordAbsolute);
        return;
    }
    zel3d_set_foreground(chart, zel3d_graph_foreground(chart));
    ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
    ops.lines(&chart->device, frame, 5, kCoordAbsolute);
}

void zel3d_forget_preview(Zel3dChart* chart) {
    for (PreviewSegment& segment : chart->scene.preview) segment.drawn = 0;
}

void zel3d_draw_preview_box(Zel3dChart* chart, int rotation_mode, POINT pointer) {
    AxisDevice device(chart);
    const DeviceOps& ops = zel3d_ops(chart);
    PreviewSegment* segments = chart->scene.preview;
    static const DWORD kDashes[] = {2, 4};
    auto draw = [&](const PreviewSegment& segment, int color) {
        zel3d_set_foreground(chart, color);
        if (segment.style == 2) {
            ops.set_line_attributes(&chart->device, segment.width, 2, 2, 2);
            ops.set_dashes(&chart->device, kLpatShortDash, 0, kDashes, 2);
        } else {
            ops.set_line_attributes(&chart->device, segment.width, 1, 2, 3);
        }
        ops.line(&chart->device, segment.a.x, segment.a.y, segment.b.x, segment.b.y);
    };
    for (int k = 0; k < kPreviewSegments; ++k)
        if (segments[k].drawn) draw(segments[k], zel3d_graph_background(chart));

    const AxisLayout& layout = chart->scene.axes;
    bool flat = chart->scene.view.flat;
    for (int edge = 0; edge < 12; ++edge) {
        PreviewSegment& segment = segments[edge];
        zel3d_box_edge_points(chart, edge, &segment.a, &segment.b);
        segment.drawn = 1;
        segment.style = !flat && !layout.edge_drawn[edge] ? 2 : 1;
        segment.width = 0;
    }
    // Points in units of the box's half-lengths.
    double half[3] = {zel3d_axis_half(chart, 0), zel3d_axis_half(chart, 1), zel3d_axis_half(chart, 2)};
    auto at = [&](double x, double y, double z) {
        return Pixel(device.to_device(), x * half[0], y * half[1], z * half[2]);
    };
    auto set = [&](int k, POINT a, POINT b) { segments[k] = {1, a, b, 1, 0}; };
    set(12, at(-0.8, -0.8, -1), at(-0.8, -1, -1));
    set(13, at(-0.8, -0.8, -1), at(-1, -0.8, -1));
    switch (rotation_mode) {
    case kRotationAboutX: set(14, at(-1.5, 0, 0), at(1.5, 0, 0)); break;
    case kRotationAboutY: set(14, at(0, -1.5, 0), at(0, 1.5, 0)); break;
    case kRotationAboutZ: set(14, at(0, 0, -1.5), at(0, 0, 1.5)); break;
    case kRotationFree: set(14, at(0, 0, 0), pointer); break;
    default: segments[14].drawn = 0; break;
    }
    segments[15].drawn = 0;
    for (int k = 0; k < kPreviewSegments; ++k)
        if (segments[k].drawn) draw(segments[k], zel3d_graph_foreground(chart));
    ops.set_line_attributes(&chart->device, 0, 1, 2, 3);
}
