#include "window/Actions.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "access/PropertyAccess.h"
#include "chart/Chart.h"
#include "device/DeviceOps.h"
#include "drawing/AxisDraw.h"
#include "drawing/PlotDraw.h"
#include "drawing/Repaint.h"
#include "drawing/ViewFit.h"
#include "kernel/ExportGuard.h"
#include "kernel/Matrix3D.h"

namespace {

// Action codes.
enum ActionCode {
    kStart = 1,
    kEnd = 2,
    kCancel = 3,
    kRotate = 4,
    kZoom = 5,
    kMove = 6,
    kStartBox = 7,
    kExtendBox = 8,
    kApplyBox = 9,
    kCancelBox = 10,
    kReset = 11,
    kRightClick = 12,
    kRotateAboutX = 100,
    kRotateAboutY = 101,
    kRotateAboutZ = 102,
    kRotateAboutNormal = 103,
    kRotateFree = 104
};

// Modifier bits.
enum Modifier { kLeft = 1, kRight = 2, kShift = 4, kControl = 8, kMiddle = 0x10, kAlt = 0x20 };

constexpr double kMinScale = 0.03333333333333333;
constexpr double kMaxScale = 30.0;
constexpr double kRadiansToDegrees = 57.29577951308232;

struct DefaultBinding {
    int message, modifiers, key, action;
};

const DefaultBinding kDefaultBindings[] = {
    {WM_MBUTTONDOWN, kMiddle, 0, kStart},
    {WM_MBUTTONDOWN, kShift, 0, kStart},
    {WM_MBUTTONDOWN, kControl, 0, kStart},
    {WM_LBUTTONDOWN, kControl, 0, kStartBox},
    {WM_KEYDOWN, 0, 'R', kReset},
    {WM_MOUSEMOVE, kMiddle, 0, kRotate},
    {WM_MOUSEMOVE, kMiddle | kControl, 0, kZoom},
    {WM_MOUSEMOVE, kMiddle | kShift, 0, kMove},
    {WM_MOUSEMOVE, kLeft | kControl, 0, kExtendBox},
    {WM_KEYDOWN, kLeft, VK_ESCAPE, kCancelBox},
    {WM_MBUTTONUP, 0, 0, kEnd},
    {WM_MBUTTONUP, kShift, 0, kEnd},
    {WM_MBUTTONUP, kControl, 0, kEnd},
    {WM_LBUTTONUP, kControl, 0, kApplyBox},
    {WM_KEYDOWN, kMiddle, VK_ESCAPE, kCancel},
    {WM_KEYDOWN, kMiddle | kControl, VK_ESCAPE, kCancel},
    {WM_KEYDOWN, kMiddle | kShift, VK_ESCAPE, kCancel},
    {WM_KEYDOWN, kMiddle, 'X', kRotateAboutX},
    {WM_KEYDOWN, kMiddle, 'Y', kRotateAboutY},
    {WM_KEYDOWN, kMiddle, 'Z', kRotateAboutZ},
    {WM_KEYDOWN, kMiddle, 'E', kRotateAboutNormal},
    {WM_KEYDOWN, kMiddle, 'N', kRotateFree},
    {WM_RBUTTONDOWN, 0, 0, kRightClick},
    {WM_KEYUP, kLeft, VK_CONTROL, kCancelBox},
    {WM_KEYUP, kMiddle | kShift, VK_CONTROL, kEnd},
    {WM_KEYUP, kMiddle | kControl, VK_SHIFT, kEnd},
    {WM_KEYUP, kShift, VK_CONTROL, kEnd},
    {WM_KEYUP, kControl, VK_SHIFT, kEnd},
};

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK;
}

bool KeyDown(int virtual_key) {
    return GetKeyState(virtual_key) < 0;
}

int Lookup(const Zel3dChart* chart, int message, int modifiers, int key) {
    zel3d_normalize_event(&message, &modifiers, &key);
    for (const Zel3dActionBinding* node = chart->actions; node; node = node->next)
        if (node->message == message && node->modifiers == modifiers && node->key == key)
            return node->action;
    return 0;
}

Zel3dActionBinding* Bind(Zel3dChart* chart, int message, int modifiers, int key, int action) {
    zel3d_normalize_event(&message, &modifiers, &key);
    for (Zel3dActionBinding** link = &chart->actions; *link; link = &(*link)->next) {
        Zel3dActionBinding* node = *link;
        if (node->message != message || node->modifiers != modifiers || node->key != key) continue;
        if (action) {
            node->action = action;
            return node;
        }
        *link = node->next;
        free(node);
        return nullptr;
    }
    if (!action) return nullptr;
    auto* node = static_cast<Zel3dActionBinding*>(malloc(sizeof(Zel3dActionBinding)));
    if (!node) return nullptr;
    *node = {message, modifiers, key, action, chart->actions};
    chart->actions = node;
    return node;
}

void Notify(Zel3dChart* chart, UINT message, void* payload) {
    if (chart->notify_window)
        SendMessageA(chart->notify_window, message, WPARAM(chart->window),
                     reinterpret_cast<LPARAM>(payload));
}

bool HasSurface(const Zel3dChart* chart) {
    return chart->surface_data && chart->surface_view.valid && !chart->surface_view.empty;
}

void SetDouble(Zel3dChart* chart, int code, double value) {
    PropertyValue v;
    v.d = value;
    set_resource(chart, code, v);
}

void SetInt(Zel3dChart* chart, int code, int value) {
    PropertyValue v;
    v.i = value;
    set_resource(chart, code, v);
}

void Refit(Zel3dChart* chart) {
    if (HasSurface(chart)) zel3d_fit_view(chart);
}

void SaveView(Zel3dChart* chart) {
    SavedView& saved = chart->interaction.saved;
    saved.normalized = chart->view_normalized;
    saved.scale = chart->view_scale;
    saved.xtranslate = chart->view_xtranslate;
    saved.ytranslate = chart->view_ytranslate;
    saved.rotation[0] = chart->x_axis.rotation;
    saved.rotation[1] = chart->y_axis.rotation;
    saved.rotation[2] = chart->z_axis.rotation;
}

void RestoreView(Zel3dChart* chart) {
    const SavedView& saved = chart->interaction.saved;
    SetInt(chart, ZEL3D_VIEW_NORMALIZED, saved.normalized);
    SetDouble(chart, ZEL3D_VIEW_SCALE, saved.scale);
    SetDouble(chart, ZEL3D_VIEW_XTRANSLATE, saved.xtranslate);
    SetDouble(chart, ZEL3D_VIEW_YTRANSLATE, saved.ytranslate);
    SetDouble(chart, ZEL3D_XROTATION, saved.rotation[0]);
    SetDouble(chart, ZEL3D_YROTATION, saved.rotation[1]);
    SetDouble(chart, ZEL3D_ZROTATION, saved.rotation[2]);
    Refit(chart);
}

// The graph area drawn again on the screen with the view as it stands.
void RedrawGraph(Zel3dChart* chart) {
    chart->interaction_redraw = 1;
    zel3d_repaint(chart, kDamageGraph);
    chart->interaction_redraw = 0;
}

// The chart's drawing DC for a drawing straight onto the window; false when
// there is none. `took` tells whether it must be released.
bool TakeWindowDC(Zel3dChart* chart, bool* took) {
    *took = false;
    if (chart->device.draw_dc) return true;
    if (!chart->window || !Zel3dGetAndInitDC(chart)) return false;
    *took = true;
    return true;
}

class Interaction {
public:
    explicit Interaction(Zel3dChart* chart) : chart_(chart), state_(chart->interaction) {}

    int Start(int x, int y) {
        if (chart_->window) SetFocus(chart_->window);
        const Rect& graph = chart_->graph.rect;
        if (x < graph.x || x >= graph.x + graph.width || y < graph.y || y >= graph.y + graph.height)
            return 0;
        Zel3dStartRequest request = {1, x, y};
        Notify(chart_, ZEL3D_NOTIFY_START, &request);
        if (!request.allow) return 0;
        SaveView(chart_);
        state_.anchor = state_.current = {x, y};
        state_.band_shown = 0;
        chart_->interaction_state = kInteractionStarted;
        return 1;
    }

    int End() {
        if (chart_->interaction_state) {
            chart_->interaction_state = kInteractionIdle;
            const int codes[3] = {ZEL3D_XROTATION, ZEL3D_YROTATION, ZEL3D_ZROTATION};
            double* angles[3] = {&chart_->x_axis.rotation, &chart_->y_axis.rotation,
                                 &chart_->z_axis.rotation};
            for (int axis = 0; axis < 3; ++axis)
                if (*angles[axis] < 0) SetDouble(chart_, codes[axis], *angles[axis] + 360.0);
            zel3d_forget_preview(chart_);
            RedrawGraph(chart_);
            Notify(chart_, ZEL3D_NOTIFY_END, nullptr);
        }
        state_.anchor = state_.current = {-1, -1};
        return -1;
    }

    int Cancel() {
        if (chart_->interaction_state) RestoreView(chart_);
        return End();
    }

    int Rotate(int x, int y) {
        POINT previous = state_.current;
        int dx, dy;
        if (!Delta(x, y, &dx, &dy)) return 1;
        const ViewState& view = chart_->scene.view;
        Matrix rotation = view.rotation;
        int mode = state_.rotation_mode;
        if (mode <= kAxisZ) {
            double angle = AxisAngle(mode, dx, dy);
            zel3d_mat_rotate_in_place(&rotation, mode, angle);
        } else if (mode == kRotationScreenNormal) {
            Point4 centre = DevicePoint(0.0, 0.0, 0.0);
            double angle = (atan2(y - centre.y, x - centre.x) -
                            atan2(previous.y - centre.y, previous.x - centre.x)) *
                           kRadiansToDegrees;
            ScreenSide(&rotation, kAxisZ, angle);
        } else {
            int width = chart_->graph.width.value;
            if (width <= 0) return 1;  // no scale for the turn
            double length = sqrt(double(dx) * dx + double(dy) * dy);
            double c = length * 180.0 / width;
            ScreenSide(&rotation, kAxisX, -(dy * c / length));
            ScreenSide(&rotation, kAxisY, -(dx * c / length));
        }
        Zel3dRotateRequest request = {0.0, 0.0, 0.0, 1};
        zel3d_matrix_angles(&rotation, &request.xrotation, &request.yrotation, &request.zrotation);
        request.xrotation += 90.0;  // the view's own quarter turn about x
        Notify(chart_, ZEL3D_NOTIFY_ROTATE, &request);
        if (!request.allow) return 1;
        SetDouble(chart_, ZEL3D_XROTATION, request.xrotation);
        SetDouble(chart_, ZEL3D_YROTATION, request.yrotation);
        SetDouble(chart_, ZEL3D_ZROTATION, request.zrotation);
        Refit(chart_);
        return 1;
    }

    int Zoom(int x, int y) {
        int previous_y = state_.current.y;
        int dx, dy;
        if (!Delta(x, y, &dx, &dy)) return 1;
        int height = chart_->height > 0 ? chart_->height : 1;
        double old_scale = chart_->view_scale;
        double scale = Clamp(old_scale * pow(10.0, double(y - previous_y) / height));
        // The centre of the visible part of the box stays in place.
        double keep = 0.5 * (1.0 / old_scale - 1.0 / scale);
        ViewChange(scale, chart_->view_xtranslate + keep, chart_->view_ytranslate + keep);
        return 1;
    }

    int Move(int x, int y) {
        int dx, dy;
        if (!Delta(x, y, &dx, &dy)) return 1;
        const ViewState& view = chart_->scene.view;
        double per_unit = fabs(view.device.m[0][0]) / Divisor();  // pixels per view unit
        if (!(per_unit > 0) || !(view.extents[2] > 0) || !(view.extents[3] > 0)) return 1;
        // The picture follows the pointer (view y grows upwards).
        ViewChange(chart_->view_scale, chart_->view_xtranslate + dx / (per_unit * view.extents[2]),
                   chart_->view_ytranslate - dy / (per_unit * view.extents[3]));
        return 1;
    }

    int ExtendBox(int x, int y) {
        if (chart_->interaction_state == kInteractionStarted)
            chart_->interaction_state = kInteractionZoomBox;
        if (chart_->interaction_state != kInteractionZoomBox) return 1;
        const Rect& graph = chart_->graph.rect;
        EraseBand();
        x = std::max(graph.x, std::min(x, graph.x + graph.width - 1));
        y = std::max(graph.y, std::min(y, graph.y + graph.height - 1));
        state_.current = {x, y};
        DrawBand();
        return 1;
    }

    int ApplyBox() {
        if (chart_->interaction_state == kInteractionZoomBox) {
            EraseBand();
            POINT a = state_.anchor, b = state_.current;
            if (a.x != b.x && a.y != b.y) ZoomInto(a, b);
        }
        return End();
    }

    int CancelBox() {
        if (chart_->interaction_state == kInteractionZoomBox) {
            EraseBand();
            state_.anchor = state_.current = {-1, -1};
            chart_->interaction_state = kInteractionIdle;
            RestoreView(chart_);
        }
        return End();
    }

    int Reset() {
        const Rect& graph = chart_->graph.rect;
        if (!Start(graph.x, graph.y)) return 0;
        ViewChange(1.0, 0.0, 0.0);
        return End();
    }

    int RightClick(int x, int y) {
        Zel3dClickPoint point = {x, y};
        Notify(chart_, ZEL3D_NOTIFY_RIGHT_CLICK, &point);
        return 1;
    }

    int SetMode(int mode) {
        state_.rotation_mode = mode;
        return 1;
    }

    // The picture shown while an interaction is under way.
    void Preview() {
        if (!chart_->interaction_state) return;
        if (chart_->preview_method == 100) {
            RedrawGraph(chart_);
            return;
        }
        if (chart_->preview_method != 0) return;
        bool took;
        if (!TakeWindowDC(chart_, &took)) return;
        if (chart_->interaction_state == kInteractionStarted) {
            zel3d_draw_graph_area(chart_);
            zel3d_ops(chart_).set_clip(&chart_->device, nullptr);
            zel3d_forget_preview(chart_);
        }
        if (HasSurface(chart_) && chart_->scene.view.fitted)
            zel3d_draw_preview_box(chart_, state_.rotation_mode, state_.current);
        zel3d_select_stock_objects(chart_->device.draw_dc);
        if (took) Zel3dReleaseDC(chart_);
        zel3d_refresh_fonts(chart_);
    }

private:
    int Divisor() const { return std::max(zel3d_ops(chart_).coordinate_divisor, 1); }

    static double Clamp(double scale) { return std::max(kMinScale, std::min(scale, kMaxScale)); }

    // The pointer moved: (previous - new); false when nothing is to be done.
    bool Delta(int x, int y, int* dx, int* dy) {
        int& state = chart_->interaction_state;
        if (!HasSurface(chart_) || (state != kInteractionStarted && state != kInteractionRotating))
            return false;
        state = kInteractionRotating;
        *dx = state_.current.x - x;
        *dy = state_.current.y - y;
        if (!*dx && !*dy) return false;
        state_.current = {x, y};
        return true;
    }

    // A point of the view box on the device (pixels).
    Point4 DevicePoint(double x, double y, double z) const {
        const ViewState& view = chart_->scene.view;
        Matrix to_device;
        zel3d_mat_product(&view.device, &view.box_projection, &to_device);
        Point4 box = {x, y, z, 1.0}, device;
        zel3d_mat_project_point(&to_device, &box, &device);
        device.x /= Divisor();
        device.y /= Divisor();
        return device;
    }

    // The turn about a box axis that a pointer movement asks for: the axis
    // as the screen shows it decides how much the movement turns.
    double AxisAngle(int axis, int dx, int dy) const {
        double low[3] = {0, 0, 0}, high[3] = {0, 0, 0};
        low[axis] = -1.0;
        high[axis] = 1.0;
        Point4 a = DevicePoint(low[0], low[1], low[2]), b = DevicePoint(high[0], high[1], high[2]);
        double ex = b.x - a.x, ey = b.y - a.y, squared = ex * ex + ey * ey;
        if (squared >= 100.0) return 100.0 * (ex * dy + ey * dx) / squared;
        return 10.0 * dx;  // the axis points at the viewer
    }

    // R := Ra(degrees) R.
    static void ScreenSide(Matrix* rotation, int axis, double degrees) {
        Matrix turn, result;
        zel3d_mat_identity(&turn);
        zel3d_mat_rotate_in_place(&turn, axis, degrees);
        zel3d_mat_product(&turn, rotation, &result);
        *rotation = result;
    }

    void ViewChange(double scale, double xtranslate, double ytranslate) {
        Zel3dZoomRequest request = {Clamp(scale), xtranslate, ytranslate, 1};
        Notify(chart_, ZEL3D_NOTIFY_ZOOM, &request);
        if (!request.allow) return;
        scale = Clamp(request.scale);
        SetDouble(chart_, ZEL3D_VIEW_SCALE, scale);
        SetDouble(chart_, ZEL3D_VIEW_XTRANSLATE, request.xtranslate);
        SetDouble(chart_, ZEL3D_VIEW_YTRANSLATE, request.ytranslate);
        SetInt(chart_, ZEL3D_VIEW_NORMALIZED,
               scale == 1.0 && request.xtranslate == 0.0 && request.ytranslate == 0.0);
        Refit(chart_);
    }

    // The zoom box {a, b} (device points) becomes the visible part.
    void ZoomInto(POINT a, POINT b) {
        const ViewState& view = chart_->scene.view;
        double divisor = Divisor();
        Point4 da = {a.x * divisor, a.y * divisor, 0.0, 1.0},
               db = {b.x * divisor, b.y * divisor, 0.0, 1.0};
        Point4 va, vb;
        zel3d_mat_transform_point(&view.inverse_device, &da, &va);
        zel3d_mat_transform_point(&view.inverse_device, &db, &vb);
        double left = std::min(va.x, vb.x), bottom = std::min(va.y, vb.y);
        double width = fabs(vb.x - va.x), height = fabs(vb.y - va.y);
        const double* e = view.extents;
        if (!(width > 0) || !(height > 0) || !(e[2] > 0) || !(e[3] > 0)) return;
        ViewChange(std::min(e[2] / width, e[3] / height), (left - e[0]) / e[2],
                   (bottom - e[1]) / e[3]);
    }

    // The rubber band, drawn so that drawing it again takes it away.
    void Band() {
        if (!chart_->window) return;
        HDC dc = GetDC(chart_->window);
        if (!dc) return;
        int previous_mode = SetROP2(dc, R2_NOTXORPEN);
        HGDIOBJ brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
        POINT a = state_.anchor, b = state_.current;
        Rectangle(dc, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
                  std::max(a.y, b.y) + 1);
        SelectObject(dc, pen);
        SelectObject(dc, brush);
        SetROP2(dc, previous_mode);
        ReleaseDC(chart_->window, dc);
    }
    void DrawBand() {
        Band();
        state_.band_shown = 1;
    }
    void EraseBand() {
        if (state_.band_shown) Band();
        state_.band_shown = 0;
    }

    Zel3dChart* chart_;
    InteractionRecord& state_;
};

}  // namespace

void zel3d_normalize_event(int* message, int* modifiers, int* key) {
    switch (*message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (*key >= 'a' && *key <= 'z') *key -= 'a' - 'A';
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            *modifiers |= kLeft;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            *modifiers |= kRight;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            *modifiers |= kMiddle;
            break;
        case WM_LBUTTONUP:
            *modifiers &= ~kLeft;
            break;
        case WM_RBUTTONUP:
            *modifiers &= ~kRight;
            break;
        case WM_MBUTTONUP:
            *modifiers &= ~kMiddle;
            break;
        default:
            return;
    }
    *key = 0;
}

void zel3d_install_default_actions(Zel3dChart* chart) {
    for (const DefaultBinding& b : kDefaultBindings)
        Bind(chart, b.message, b.modifiers, b.key, b.action);
}

void zel3d_free_actions(Zel3dChart* chart) {
    while (Zel3dActionBinding* node = chart->actions) {
        chart->actions = node->next;
        free(node);
    }
}

bool zel3d_action_bound(const Zel3dChart* chart, UINT message, WPARAM wParam) {
    int modifiers = int(wParam & 0x1F) | (KeyDown(VK_MENU) ? kAlt : 0);
    return Lookup(chart, int(message), modifiers, 0) != 0;
}

void zel3d_dispatch_event(Zel3dChart* chart, UINT message, WPARAM wParam, LPARAM lParam) {
    int event = int(message), modifiers = 0, key = 0, x = 0, y = 0;
    if (IsMouseMessage(message)) {
        // wParam's 0x20 is the first extra button, not Alt.
        modifiers = int(wParam & 0x1F);
        bool left = modifiers & kLeft, right = modifiers & kRight;
        int both_as_middle = (modifiers & ~(kLeft | kRight)) | kMiddle;
        switch (message) {
            case WM_MOUSEMOVE:
                if (left && right) modifiers = both_as_middle;
                break;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
                if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) ? right : left) {
                    bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
                    event = down ? WM_MBUTTONDOWN : WM_MBUTTONDBLCLK;
                    modifiers = both_as_middle;
                }
                break;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                if (message == WM_LBUTTONUP ? right : left) {
                    event = WM_MBUTTONUP;
                    modifiers &= ~(kLeft | kRight);
                }
                break;
            default:
                break;
        }
        if (KeyDown(VK_MENU)) modifiers |= kAlt;
        x = GET_X_LPARAM(lParam);
        y = GET_Y_LPARAM(lParam);
    } else if (message == WM_KEYDOWN || message == WM_KEYUP) {
        bool left = KeyDown(VK_LBUTTON), right = KeyDown(VK_RBUTTON);
        if (left && right)
            modifiers = kMiddle;
        else
            modifiers =
                (left ? kLeft : 0) | (right ? kRight : 0) | (KeyDown(VK_MBUTTON) ? kMiddle : 0);
        if (KeyDown(VK_SHIFT)) modifiers |= kShift;
        if (KeyDown(VK_CONTROL)) modifiers |= kControl;
        if (KeyDown(VK_MENU)) modifiers |= kAlt;
        key = int(wParam);
        const Rect& graph = chart->graph.rect;
        x = graph.x + graph.width / 2;
        y = graph.y + graph.height / 2;
    } else {
        return;
    }
    zel3d_call_action(chart, Lookup(chart, event, modifiers, key), x, y);
}

int zel3d_call_action(Zel3dChart* chart, int action, int x, int y) {
    if (!chart->drawn) return 0;
    Interaction interaction(chart);
    int result;
    switch (action) {
        case kStart:
        case kStartBox:
            result = interaction.Start(x, y);
            break;
        case kEnd:
            return interaction.End();
        case kCancel:
            return interaction.Cancel();
        case kRotate:
            result = interaction.Rotate(x, y);
            break;
        case kZoom:
            result = interaction.Zoom(x, y);
            break;
        case kMove:
            result = interaction.Move(x, y);
            break;
        case kExtendBox:
            return interaction.ExtendBox(x, y);
        case kApplyBox:
            return interaction.ApplyBox();
        case kCancelBox:
            return interaction.CancelBox();
        case kReset:
            return interaction.Reset();
        case kRightClick:
            return interaction.RightClick(x, y);
        case kRotateAboutX:
            result = interaction.SetMode(kRotationAboutX);
            break;
        case kRotateAboutY:
            result = interaction.SetMode(kRotationAboutY);
            break;
        case kRotateAboutZ:
            result = interaction.SetMode(kRotationAboutZ);
            break;
        case kRotateAboutNormal:
            result = interaction.SetMode(kRotationScreenNormal);
            break;
        case kRotateFree:
            result = interaction.SetMode(kRotationFree);
            break;
        default:
            return action - 1;
    }
    if (action != kStartBox) interaction.Preview();
    return result;
}

extern "C" {

ZEL3D_API Zel3dActionBinding* Zel3dSetAction(Zel3dChart* chart, int message, int modifiers, int key,
                                             int action) try {
    return chart ? Bind(chart, message, modifiers, key, action) : nullptr;
} catch (...) {
    return zel3d_export_failure<Zel3dActionBinding*>(nullptr);
}

ZEL3D_API int Zel3dGetAction(Zel3dChart* chart, int message, int modifiers, int key) try {
    return chart ? Lookup(chart, message, modifiers, key) : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API Zel3dActionBinding* Zel3dGetActionList(Zel3dChart* chart) {
    return chart ? chart->actions : nullptr;
}

ZEL3D_API void Zel3dRemoveAllActions(Zel3dChart* chart) {
    if (chart) zel3d_free_actions(chart);
}

ZEL3D_API void Zel3dResetAllActions(Zel3dChart* chart) try {
    if (chart) zel3d_install_default_actions(chart);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API int Zel3dCallAction(Zel3dChart* chart, int action, int x, int y) try {
    return chart ? zel3d_call_action(chart, action, x, y) : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"
