// A top-level window that owns chart windows in the tests and records the
// notifications and input messages they send it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "WindowHelpers.h"
#include "zelplot3d.h"

namespace zel3d_test {

struct Received {
    UINT message;
    WPARAM wParam;
    SIZE size;              // ZEL3D_NOTIFY_SIZE
    RECT damaged;           // ZEL3D_NOTIFY_REPAINT
    Zel3dClickPoint click;  // ZEL3D_NOTIFY_RIGHT_CLICK
};

class OwnerWindow {
public:
    OwnerWindow(int width, int height) {
        static ATOM atom = [] {
            WNDCLASSA window_class = {};
            window_class.lpfnWndProc = Proc;
            window_class.hInstance = GetModuleHandleA(nullptr);
            window_class.lpszClassName = "Zel3dTestOwner";
            return RegisterClassA(&window_class);
        }();
        (void)atom;
        window_ = CreateWindowExA(0, "Zel3dTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                  0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~OwnerWindow() {
        if (window_) DestroyWindow(window_);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    HWND window() const { return window_; }
    int Count(UINT message) const {
        int count = 0;
        for (const Received& r : received_) count += r.message == message;
        return count;
    }
    const Received* Last(UINT message) const {
        for (auto r = received_.rbegin(); r != received_.rend(); ++r)
            if (r->message == message) return &*r;
        return nullptr;
    }
    void Clear() { received_.clear(); }
    // Runs `hook` on each notification before it is recorded (it may change
    // the record the chart sent); null removes it.
    void OnNotify(std::function<void(UINT message, LPARAM payload)> hook) { hook_ = std::move(hook); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
        }
        auto self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        bool recorded = (message >= ZEL3D_NOTIFY_SIZE && message <= ZEL3D_NOTIFY_RIGHT_CLICK) ||
                        (message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK) || message == WM_KEYDOWN;
        if (self && recorded) {
            if (message >= ZEL3D_NOTIFY_SIZE && self->hook_) self->hook_(message, lParam);
            Received r = {message, wParam, {0, 0}, {0, 0, 0, 0}, {0, 0}};
            if (message == ZEL3D_NOTIFY_RIGHT_CLICK) r.click = *reinterpret_cast<Zel3dClickPoint*>(lParam);
            if (message == ZEL3D_NOTIFY_SIZE) r.size = *reinterpret_cast<SIZE*>(lParam);
            if (message == ZEL3D_NOTIFY_REPAINT) r.damaged = reinterpret_cast<Zel3dRepaintFrame*>(lParam)->damaged;
            self->received_.push_back(r);
            if (message >= ZEL3D_NOTIFY_SIZE) return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::vector<Received> received_;
    std::function<void(UINT, LPARAM)> hook_;
};

// GDI objects of this process.
inline DWORD GdiObjects() { return testing_harness::GdiObjectCount(); }

// One call per pair, as the programs set up their 3D charts.
inline void ApplyProgramsSetup(Zel3dChart* chart, int width, int height, Zel3dData* data) {
    zel3d::SetValues(chart, zel3d::GRAPH_X(0));
    zel3d::SetValues(chart, zel3d::GRAPH_Y(0));
    zel3d::SetValues(chart, zel3d::GRAPH_WIDTH(width));
    zel3d::SetValues(chart, zel3d::GRAPH_HEIGHT(height));
    zel3d::SetValues(chart, zel3d::DRAW_MESH(1));
    zel3d::SetValues(chart, zel3d::DRAW_SHADED(1));
    zel3d::SetValues(chart, zel3d::BACKGROUND_COLOR(0xC0C0C0));
    zel3d::SetValues(chart, zel3d::GRAPH_BACKGROUND_COLOR(0xC0C0C0));
    zel3d::SetValues(chart, zel3d::DATA_AREA_BACKGROUND_COLOR(0xFFFFFF));
    zel3d::SetValues(chart, zel3d::SURFACE_BOTTOM_COLOR(0x808080));
    zel3d::SetValues(chart, zel3d::GRAPH_BORDER(0));
    zel3d::SetValues(chart, zel3d::SOLID_SURFACE(1));
    zel3d::SetValues(chart, zel3d::PERSPECTIVE_DEPTH(100000.0));
    zel3d::SetValues(chart, zel3d::XROTATION(25.0));
    zel3d::SetValues(chart, zel3d::YROTATION(0.0));
    zel3d::SetValues(chart, zel3d::ZROTATION(220.0));
    zel3d::SetValues(chart, zel3d::XANNO_METHOD(3));
    zel3d::SetValues(chart, zel3d::YANNO_METHOD(3));
    zel3d::SetValues(chart, zel3d::XANNO_METHOD(1));
    zel3d::SetValues(chart, zel3d::YANNO_METHOD(1));
    zel3d::SetValues(chart, zel3d::ZANNO_METHOD(1));
    zel3d::SetValues(chart, zel3d::XGRID_LINES(3));
    zel3d::SetValues(chart, zel3d::YGRID_LINES(5));
    zel3d::SetValues(chart, zel3d::ZGRID_LINES(6));
    zel3d::SetValues(chart, zel3d::XAXIS_TITLE("Best Result#(X)"));
    zel3d::SetValues(chart, zel3d::YAXIS_TITLE("RPMx1000(Y)"));
    zel3d::SetValues(chart, zel3d::ZAXIS_TITLE("Torque(Z)"));
    zel3d::SetValues(chart, zel3d::MESH_TOP_COLOR(0xC0C0C0));
    zel3d::SetValues(chart, zel3d::SURFACE_TOP_COLOR(0x000080));
    zel3d::SetValues(chart, zel3d::SURFACE_DATA(data));
}

}  // namespace zel3d_test
