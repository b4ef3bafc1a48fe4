#include "window/Window.h"

#include <initializer_list>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/ValueLists.h"
#include "device/DeviceOps.h"
#include "drawing/Palette.h"
#include "drawing/Redraw.h"
#include "kernel/Helpers.h"
#include "properties/FontText.h"
#include "window/Actions.h"
#include "window/ChartObject.h"
#include "kernel/ExportGuard.h"

const char kChartClassName[] = "ZelChart3D8";

namespace {

constexpr int kChartControlId = 101;
int g_live_windows = 0;

void Notify(Zel3dChart* chart, UINT message, LPARAM payload) {
    if (chart->notify_window) SendMessageA(chart->notify_window, message, WPARAM(chart->window), payload);
}

void DeleteOffscreen(Zel3dChart* chart) {
    if (chart->device.memory_dc) {
        zel3d_select_stock_objects(chart->device.memory_dc);
        if (chart->memory_dc_original_bitmap) SelectObject(chart->device.memory_dc, chart->memory_dc_original_bitmap);
        DeleteDC(chart->device.memory_dc);
    }
    if (chart->offscreen_bitmap) DeleteObject(chart->offscreen_bitmap);
    chart->device.memory_dc = nullptr;
    chart->memory_dc_original_bitmap = nullptr;
    chart->offscreen_bitmap = nullptr;
    chart->offscreen_valid = 0;
}

void SetName(Zel3dChart* chart, const char* name) {
    free(chart->name);
    chart->name = zel3d_strdup(name);
}

// A caller's DC that does not match the off-screen bitmap cannot take its
// copy.
bool DcMatchesOffscreen(Zel3dChart* chart, HDC dc) {
    SIZE window_extent, viewport_extent;
    GetWindowExtEx(dc, &window_extent);
    GetViewportExtEx(dc, &viewport_extent);
    if (window_extent.cx != viewport_extent.cx || window_extent.cy != viewport_extent.cy) return false;
    for (int cap : {RASTERCAPS, COLORRES, BITSPIXEL, SIZEPALETTE})
        if (GetDeviceCaps(dc, cap) != GetDeviceCaps(chart->device.memory_dc, cap)) return false;
    return true;
}

// Marks the region painted into a caller's DC as valid in its window.
void ValidatePainted(HWND chart_window, HDC dc) {
    HWND owner = WindowFromDC(dc);
    if (owner) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        if (region && GetClipRgn(dc, region) == 1) {
            ValidateRgn(owner, region);
        } else {
            RECT box;
            GetClipBox(dc, &box);
            ValidateRect(owner, &box);
        }
        if (region) DeleteObject(region);
    }
    if (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) ValidateRect(chart_window, nullptr);
}

// Marks the chart as painting for one WM_PAINT and, however the paint
// ends, releases the paint structure and clears the chart's device state.
class PaintScope {
public:
    PaintScope(Zel3dChart* chart, HWND window)
        : chart_(chart), window_(window), double_buffer_(chart->double_buffer) {
        chart->painting = 1;
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() {
        if (began_) EndPaint(window_, &paint_);
        chart_->device.draw_dc = chart_->device.front_dc = nullptr;
        chart_->double_buffer = double_buffer_;
        SetRectEmpty(&chart_->update_rect);
        chart_->painting = 0;
    }
    HDC Begin() {
        began_ = true;
        return BeginPaint(window_, &paint_);
    }

private:
    Zel3dChart* chart_;
    HWND window_;
    int double_buffer_;
    PAINTSTRUCT paint_ = {};
    bool began_ = false;
};

void Paint(Zel3dChart* chart, HWND window, HDC caller_dc) {
    PaintScope scope(chart, window);
    GetUpdateRect(window, &chart->update_rect, FALSE);
    if (caller_dc) {
        if (zel3d_offscreen_ready(chart) && !DcMatchesOffscreen(chart, caller_dc)) {
            chart->double_buffer = 0;
            chart->offscreen_valid = 0;
        }
        chart->device.front_dc = caller_dc;
        Zel3dInitDC(chart, caller_dc);
        if (zel3d_is_metafile_dc(caller_dc)) chart->damage_mask = kDamageAll;
        zel3d_repaint(chart, 0);
        ValidatePainted(window, caller_dc);
    } else {
        chart->device.front_dc = scope.Begin();
        if (chart->device.front_dc) {
            Zel3dInitDC(chart, chart->device.front_dc);
            zel3d_repaint(chart, 0);
        }
    }
}

bool ModifierDown() {
    return (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) & 0x8000;
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

bool IsInputMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK);
}

// Whether an input message goes to the chart's actions: plain left or right
// clicks only with a modifier, the other button, or a binding.
bool IsEvent(const Zel3dChart* chart, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return ModifierDown() || (wParam & MK_RBUTTON) || zel3d_action_bound(chart, message, wParam);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return ModifierDown() || (wParam & MK_LBUTTON) || zel3d_action_bound(chart, message, wParam);
    default:
        return true;
    }
}

LRESULT HandleInput(Zel3dChart* chart, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsEvent(chart, message, wParam)) {
        if (IsButtonDown(message)) SetCapture(window);
        zel3d_dispatch_event(chart, message, wParam, lParam);
    }
    if (IsButtonUp(message)) ReleaseCapture();
    if (!chart->notify_window || chart->notify_window == window)
        return DefWindowProcA(window, message, wParam, lParam);
    return SendMessageA(chart->notify_window, message, wParam, lParam);
}

// The about box: the library's name, version and notices in a chart.
struct AboutBox {
    HBRUSH brush;
    Zel3dChart* chart;
};

void FillAboutChart(Zel3dChart* chart, int face_color) {
    Zel3dVersionInfo info = {};
    HMODULE module = Zel3dGetLocalizedResourceHandle(chart);
    Zel3dGetModuleVersionInfo(module ? module : zel3d_module(), &info);
    auto text = [](const char* value) { return std::string(value ? value : ""); };
    std::string title = text(info.product_name) + " (" + text(info.product_version) + ")";
    std::string legal = text(info.legal_notice);
    std::string legal2 = text(info.second_legal_notice);
    const char* lines[] = {title.c_str(), legal.c_str(), legal2.c_str(), nullptr};
    zel3d::SetValues(chart, zel3d::HEADER_BORDER_WIDTH(2), zel3d::HEADER_ADJUST(1),
                     zel3d::BORDER_WIDTH(0), zel3d::BACKGROUND_COLOR(face_color),
                     zel3d::HEADER_BORDER(5), zel3d::HEADER_STRINGS(lines));
    Zel3dSetPropString(chart, ZEL3D_HEADER_FONT, "Times New Roman,12");
    Zel3dClearVersionInfo(&info);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM, LPARAM) try {
    AboutBox* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        int face_color = int(GetSysColor(COLOR_BTNFACE));
        box = new AboutBox{CreateSolidBrush(COLORREF(face_color)), Zel3dCreate()};
        SetWindowLongPtrA(dialog, DWLP_USER, LONG_PTR(box));
        if (box->chart && Zel3dAttachWindow(box->chart, GetDlgItem(dialog, kChartControlId)))
            FillAboutChart(box->chart, face_color);
        return TRUE;
    }
    case WM_COMMAND:
        if (box && box->chart) {
            Zel3dDestroy(box->chart);
            box->chart = nullptr;
        }
        EndDialog(dialog, 1);
        return TRUE;
    case WM_CTLCOLORDLG:
        return box ? INT_PTR(box->brush) : 0;
    case WM_DESTROY:
        if (box) {
            if (box->chart) Zel3dDestroy(box->chart);
            DeleteObject(box->brush);
            delete box;
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
        }
        return FALSE;
    default:
        return FALSE;
    }
} catch (...) {
    return zel3d_export_failure<INT_PTR>(FALSE);
}

}  // namespace

void zel3d_attach(Zel3dChart* chart, HWND window) {
    SetWindowLongPtrA(window, 0, LONG_PTR(chart));
    chart->window = window;
    chart->notify_window = GetParent(window);
    Zel3dLoadResourceString(chart, 0, nullptr, 0);
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    zel3d_resize_offscreen(chart, client.right - client.left, client.bottom - client.top);
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    if (!title[0]) snprintf(title, sizeof title, "Zel3d%d", g_live_windows + 1);
    SetName(chart, title);
    zel3d_debug_printf(chart, "Attaching window %ld.", long(LONG_PTR(window)));
}

int zel3d_live_window_count() { return g_live_windows; }

extern "C" {

ZEL3D_API int Zel3dAttachWindow(Zel3dChart* chart, HWND window) try {
    if (!chart || !window) return 0;
    zel3d_attach(chart, window);
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API HWND Zel3dDetachWindow(Zel3dChart* chart) try {
    if (!chart || !chart->window) return nullptr;
    HWND window = chart->window;
    zel3d_debug_printf(chart, "Detaching window %ld.", long(LONG_PTR(window)));
    SetWindowLongPtrA(window, 0, 0);
    Zel3dReleaseDC(chart);
    chart->window = nullptr;
    chart->notify_window = nullptr;
    Zel3dReleaseLocalizedResourceHandle(chart);
    DeleteOffscreen(chart);
    return window;
} catch (...) {
    return zel3d_export_failure<HWND>(nullptr);
}

ZEL3D_API HWND Zel3dGetWindow(Zel3dChart* chart) try {
    return chart ? chart->window : nullptr;
} catch (...) {
    return zel3d_export_failure<HWND>(nullptr);
}

ZEL3D_API Zel3dChart* Zel3dGetHandle(HWND window) try {
    return window ? reinterpret_cast<Zel3dChart*>(GetWindowLongPtrA(window, 0)) : nullptr;
} catch (...) {
    return zel3d_export_failure<Zel3dChart*>(nullptr);
}

ZEL3D_API Zel3dChart* Zel3dCreateWindow(const char* name, int x, int y, int width, int height, HWND parent,
                                        HINSTANCE instance) try {
    Zel3dChart* chart = Zel3dCreate();
    if (!chart) return nullptr;
    HWND window = CreateWindowExA(0, kChartClassName, name, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  x, y, width, height, parent, nullptr, instance, nullptr);
    if (!window) {
        Zel3dDestroy(chart);
        return nullptr;
    }
    if (!Zel3dAttachWindow(chart, window)) {
        DestroyWindow(window);
        Zel3dDestroy(chart);
        return nullptr;
    }
    return chart;
} catch (...) {
    return zel3d_export_failure<Zel3dChart*>(nullptr);
}

ZEL3D_API void* Zel3dSetEventHandler(Zel3dChart* chart, void* handler) try {
    if (!chart) return nullptr;
    chart->event_handler = handler;
    return handler;
} catch (...) {
    return zel3d_export_failure<void*>(nullptr);
}

ZEL3D_API int Zel3dSetCreator(Zel3dChart* chart, int creator) try {
    if (!chart) return 0;
    chart->creator = creator;
    return creator;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API INT_PTR Zel3dAboutDialogBox(HWND parent) try {
    return DialogBoxParamA(zel3d_module(), "ABOUTZEL3D", parent, AboutProc, 0);
} catch (...) {
    return zel3d_export_failure<INT_PTR>(0);
}

ZEL3D_API LRESULT CALLBACK Zel3dWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) try {
    SetLastError(0);
    if (message == WM_CREATE) {
        ++g_live_windows;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    Zel3dChart* chart = Zel3dGetHandle(window);
    if (message == WM_DESTROY) {
        if (chart) Zel3dDetachWindow(chart);
        if (g_live_windows > 0 && --g_live_windows == 0) zel3d_stipple_delete();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (!chart) return DefWindowProcA(window, message, wParam, lParam);
    if (IsInputMessage(message)) return HandleInput(chart, window, message, wParam, lParam);
    switch (message) {
    case WM_SIZE: {
        zel3d_resize_offscreen(chart, LOWORD(lParam), HIWORD(lParam));
        SIZE size = {chart->width, chart->height};
        Notify(chart, ZEL3D_NOTIFY_SIZE, LPARAM(&size));
        return 0;
    }
    case WM_PAINT:
        Paint(chart, window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
    case WM_MOUSEACTIVATE:
        return 1;
    case WM_QUERYNEWPALETTE:
        return zel3d_realize_palette(chart, 0);
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != window && chart->palette) zel3d_realize_palette(chart, 1);
        break;
    case WM_PRINTCLIENT:
        chart->device.front_dc = reinterpret_cast<HDC>(wParam);
        Zel3dInitDC(chart, chart->device.front_dc);
        zel3d_repaint(chart, kDamageAll);
        chart->device.draw_dc = chart->device.front_dc = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
} catch (...) {
    // A paint that failed leaves nothing to paint again and again.
    if (message == WM_PAINT) ValidateRect(window, nullptr);
    return zel3d_export_failure<LRESULT>(0);
}

}  // extern "C"
