// A top-level window that owns a chart window in the tests and runs a
// handler for each after-paint message the chart sends it.
#pragma once

#include <windows.h>

#include <functional>

#include "zelplot2d.h"

namespace zel2d_test {

class OwnerWindow {
public:
    using Handler = std::function<void(HWND chart_window, HDC dc)>;

    OwnerWindow(int width, int height) {
        static ATOM atom = [] {
            WNDCLASSA window_class = {};
            window_class.lpfnWndProc = Proc;
            window_class.hInstance = GetModuleHandleA(nullptr);
            window_class.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
            window_class.lpszClassName = "Zel2dTestOwner";
            return RegisterClassA(&window_class);
        }();
        (void)atom;
        window_ = CreateWindowExA(0, "Zel2dTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                  0, 0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~OwnerWindow() {
        if (window_) DestroyWindow(window_);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    HWND window() const { return window_; }
    // A chart window as the programs make it: a visible child of the owner.
    HWND CreateChartWindow(int width, int height) const {
        return CreateWindowExA(0, ZEL2D_WINDOW_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, window_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void OnPainted(Handler handler) { handler_ = std::move(handler); }
    int painted() const { return painted_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
        }
        auto self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == ZEL2D_PAINTED) {
            ++self->painted_;
            if (self->handler_) self->handler_(HWND(wParam), *reinterpret_cast<HDC*>(lParam));
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    Handler handler_;
    int painted_ = 0;
};

}  // namespace zel2d_test
