#include "ControlTextLog.h"

#include <cstdlib>

namespace testing_harness {

namespace {

const char kLogProperty[] = "ControlTextLog";

}  // namespace

ControlTextLog::ControlTextLog(HWND control)
    : control_(control), original_(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC))) {
    ::SetPropA(control_, kLogProperty, this);
    ::SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlTextLog::Proc));
}

ControlTextLog::~ControlTextLog() {
    if (!::IsWindow(control_)) return;
    ::SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    ::RemovePropA(control_, kLogProperty);
}

void ControlTextLog::ClickWhenAtLeast(int value, HWND button) {
    clickAt_ = value;
    button_ = button;
}

std::vector<int> ControlTextLog::Numbers() const {
    std::vector<int> numbers;
    for (const std::string& text : texts_) numbers.push_back(std::atoi(text.c_str()));
    return numbers;
}

LRESULT CALLBACK ControlTextLog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = static_cast<ControlTextLog*>(::GetPropA(window, kLogProperty));
    if (message == WM_SETTEXT && lParam != 0) {
        const std::string text = reinterpret_cast<const char*>(lParam);
        log->texts_.push_back(text);
        if (log->button_ != nullptr && std::atoi(text.c_str()) >= log->clickAt_) {
            ::PostMessageA(log->button_, BM_CLICK, 0, 0);
            log->button_ = nullptr;
        }
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(log->original_));
        ::RemovePropA(window, kLogProperty);
        log->control_ = nullptr;
        return ::CallWindowProcA(log->original_, window, message, wParam, lParam);
    }
    return ::CallWindowProcA(log->original_, window, message, wParam, lParam);
}

}  // namespace testing_harness
