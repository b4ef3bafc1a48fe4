#include "drawing/TextObjects.h"

#include <algorithm>
#include <cmath>

#include "data/ValueLists.h"
#include "device/DeviceOps.h"
#include "drawing/Borders.h"
#include "drawing/DrawHelpers.h"
#include "drawing/ProjectedGrid.h"
#include "drawing/Text3D.h"
#include "drawing/ViewFit.h"

namespace {

constexpr double kLineGap = 1.15;  // line spacing in text heights

enum AttachMethod { kAttachIndex = 0, kAttachPixel = 1, kAttachPoint = 2 };

template <class Visit>
void ForEachText(Zel3dChart* chart, Visit visit) {
    if (!chart->text_objects) return;
    for (Zel3dText** text = chart->text_objects; *text; ++text) visit(*text);
}

int LineCount(const Zel3dText* text) {
    return zel3d_list_count(reinterpret_cast<void* const*>(text->strings.items));
}

// The data point a text object stands at; false when it is not placed.
bool Anchor(const Zel3dChart* chart, const Zel3dText* text, double* x, double* y, double* z) {
    const DataView& view = chart->surface_view;
    if (!text->show || !view.valid || view.empty) return false;
    if (text->attach_method == kAttachIndex) {
        if (view.type == ZEL3D_DATA_POINT) {
            int s = text->attach_index_series, k = text->attach_index_point;
            if (s < 0 || s >= view.nseries || k < 0 || k >= view.series[s].npoints) return false;
            const Zel3dPoint& p = view.series[s].points[k];
            *x = p.x, *y = p.y, *z = p.z;
            return p.z != view.hole;
        }
        const DataWindow& w = chart->scene.window;
        int i = text->attach_index_x, j = text->attach_index_y;
        if (i < w.first_x || i > w.last_x || j < w.first_y || j > w.last_y) return false;
        *x = view.x[i], *y = view.y[j], *z = view.values[i][j];
        return *z != view.hole;
    }
    if (text->attach_method != kAttachPoint) return false;
    *x = text->attach_point_x, *y = text->attach_point_y, *z = text->attach_point_z;
    if (*x < chart->x_axis.min.value || *x > chart->x_axis.max.value || *y < chart->y_axis.min.value ||
        *y > chart->y_axis.max.value)
        return false;
    if (view.type != ZEL3D_DATA_POINT && zel3d_is_3d(chart) &&
        (*z != view.hole && (*z < chart->z_axis.min.value || *z > chart->z_axis.max.value)))
        return false;
    if (*z == view.hole && view.type != ZEL3D_DATA_POINT && view.nx > 1 && view.ny > 1) {
        int i = std::min(zel3d_interval_index(*x, view.x, view.nx), view.nx - 2);
        int j = std::min(zel3d_interval_index(*y, view.y, view.ny), view.ny - 2);
        *z = zel3d_interpolate_cell(chart, i, j, *x, *y);
        if (!std::isfinite(*z)) *z = chart->zorigin;
    }
    return true;
}

int TextForeground(const Zel3dChart* chart, const Zel3dText* text) {
    return zel3d_or(text->foreground.color, zel3d_graph_foreground(chart));
}

// A text object standing at a data point: its lines in a vertical plane
// through the anchor (parallel to x, or to y for plane 4) turned towards
// the eye, or in the screen plane on flat maps.
void DrawDataText(Zel3dChart* chart, Zel3dText* text) {
    double x, y, z;
    if (!Anchor(chart, text, &x, &y, &z) || !text->strings.items) return;
    const ViewState& view = chart->scene.view;
    Point4 data = {x, y, z, 1.0}, box;
    zel3d_mat_transform_point(&view.normalize, &data, &box);
    Vec3 lx = text->plane == 4 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    Vec3 ly = view.flat ? Vec3{0, 1, 0} : Vec3{0, 0, 1};
    Vec3 lz;
    zel3d_vec_cross(&lx, &ly, &lz);
    Vec3 to_eye = {view.eye.x - box.x, view.eye.y - box.y, view.eye.z - box.z};
    if (!view.flat && zel3d_vec_dot(&lz, &to_eye) < 0) lx = {-lx.x, -lx.y, -lx.z};
    Matrix frame;
    zel3d_mat_identity(&frame);
    const Vec3* columns[2] = {&lx, &ly};
    for (int k = 0; k < 2; ++k) {
        frame.m[0][k] = columns[k]->x;
        frame.m[1][k] = columns[k]->y;
        frame.m[2][k] = columns[k]->z;
    }
    frame.m[0][3] = box.x;
    frame.m[1][3] = box.y;
    frame.m[2][3] = box.z;
    Matrix to_device, placed;
    zel3d_mat_product(&view.device, &view.box_projection, &to_device);
    zel3d_mat_product(&to_device, &frame, &placed);

    zel3d_text_set_stroke(chart, text->stroke_font, text->stroke_size);
    zel3d_text_set_font(chart, &text->font);
    double h = text->stroke_size * kTextUnit;
    int lines = LineCount(text);
    double widest = 0.0;
    for (char** line = text->strings.items; *line; ++line)
        widest = std::max(widest, zel3d_text_width(chart, *line) * kTextUnit);
    // The block stands above the anchor, its lines centred.
    double bottom = h * 0.5, top = bottom + lines * h * kLineGap;
    const DeviceOps& ops = zel3d_ops(chart);
    auto corner = [&placed](double cx, double cy) {
        Point4 p = {cx, cy, 0, 1}, d;
        zel3d_mat_project_point(&placed, &p, &d);
        return POINT{zel3d_round_device(d.x), zel3d_round_device(d.y)};
    };
    POINT box_points[5] = {corner(-widest / 2 - h * 0.2, bottom), corner(widest / 2 + h * 0.2, bottom),
                           corner(widest / 2 + h * 0.2, top), corner(-widest / 2 - h * 0.2, top)};
    box_points[4] = box_points[0];
    std::copy(box_points, box_points + 5, text->box);
    int foreground = TextForeground(chart, text);
    if (text->background.color != -1) {
        zel3d_set_fill(chart, text->background.color);
        ops.fill_polygon2(&chart->device, box_points, 5, 3, kCoordAbsolute);
        ops.set_thin_line(&chart->device, foreground);
        zel3d_forget_device_colors(chart);
        ops.lines2(&chart->device, box_points, 5, kCoordAbsolute);
    }
    zel3d_set_foreground(chart, foreground);
    if (text->line_show) {
        POINT anchor = corner(0, 0), foot = corner(0, bottom);
        ops.line(&chart->device, anchor.x, anchor.y, foot.x, foot.y);
        text->leader_drawn = 1;
    }
    int k = 0;
    for (char** line = text->strings.items; *line; ++line, ++k) {
        double w = zel3d_text_width(chart, *line) * kTextUnit;
        Matrix at = placed;
        zel3d_mat_translate_in_place(&at, -w / 2, top - (k + 0.5) * h * kLineGap, 0.0);
        zel3d_text_draw(chart, &at, *line);
    }
    text->box_drawn = 1;
}

// The point of a box's edge where a leader from `from` towards its centre
// ends: the middle of the facing side, or the facing corner for diagonal
// directions (sectors of 60 degrees).
POINT LeaderEnd(const RECT& box, POINT from) {
    double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    double angle = atan2(-(cy - from.y), cx - from.x) * 57.29577951308232;
    auto at = [](double x, double y) { return POINT{LONG(x), LONG(y)}; };
    if (angle > -30 && angle <= 30) return at(box.left, cy);
    if (angle > 30 && angle <= 60) return at(box.left, box.bottom);
    if (angle > 60 && angle <= 120) return at(cx, box.bottom);
    if (angle > 120 && angle <= 150) return at(box.right, box.bottom);
    if (angle > 150 || angle <= -150) return at(box.right, cy);
    if (angle > -150 && angle <= -120) return at(box.right, box.top);
    if (angle > -120 && angle <= -60) return at(cx, box.top);
    return at(box.left, box.top);
}

void DrawPixelText(Zel3dChart* chart, Zel3dText* text) {
    if (!text->show || !text->strings.items) return;
    const DeviceOps& ops = zel3d_ops(chart);
    if (text->font.height <= 0) zel3d_font_metrics(chart, &text->font);
    ops.set_font(&chart->device, &text->font);
    int lines = LineCount(text), widest = 0;
    for (char** line = text->strings.items; *line; ++line) widest = std::max(widest, ops.text_width(&chart->device, *line));
    int pad = text->border ? text->border_width * 2 : 2;
    int w = widest + 2 * pad, h = lines * text->font.height + 2 * pad;
    int cx = text->attach_pixel_x + text->offset_x, cy = text->attach_pixel_y + text->offset_y;
    RECT box = {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
    int foreground = TextForeground(chart, text);
    if (text->line_show && (text->offset_x || text->offset_y)) {
        POINT from = {text->attach_pixel_x, text->attach_pixel_y}, to = LeaderEnd(box, from);
        ops.set_thin_line(&chart->device, foreground);
        zel3d_forget_device_colors(chart);
        ops.line(&chart->device, from.x, from.y, to.x, to.y);
    }
    if (text->background.color != -1) {
        zel3d_set_fill(chart, text->background.color);
        ops.fill_rectangle(&chart->device, box.left, box.top, w, h);
    }
    zel3d_area_foreground(chart, kTagText, text->foreground.color);
    int y = box.top + pad + text->font.ascent;
    for (char** line = text->strings.items; *line; ++line, y += text->font.height) {
        if (text->adjust == 1) ops.text_aligned(&chart->device, box.left + pad, y, *line, 1);
        else if (text->adjust == 2) ops.text_aligned(&chart->device, box.right - pad, y, *line, 2);
        else ops.text_aligned(&chart->device, cx, y, *line, 3);
    }
    if (text->border) {
        ColorRecord* colors = text->background.color != -1 ? &text->background : &chart->background;
        zel3d_draw_border(chart, box.left, box.top, w, h, text->border, text->border_width, colors, foreground);
    }
}

}  // namespace

void zel3d_text_place_all(Zel3dChart* chart) {
    ForEachText(chart, [chart](Zel3dText* text) {
        double x, y, z;
        text->placed = text->attach_method == kAttachPixel ? text->show : Anchor(chart, text, &x, &y, &z);
        text->leader_drawn = text->box_drawn = 0;
    });
}

void zel3d_draw_remaining_texts(Zel3dChart* chart) {
    ForEachText(chart, [chart](Zel3dText* text) {
        if (text->attach_method != kAttachPixel) DrawDataText(chart, text);
    });
}

void zel3d_draw_pixel_texts(Zel3dChart* chart) {
    ForEachText(chart, [chart](Zel3dText* text) {
        if (text->attach_method == kAttachPixel) DrawPixelText(chart, text);
    });
    zel3d_forget_device_colors(chart);
}
