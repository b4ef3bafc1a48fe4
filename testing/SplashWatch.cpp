#include "SplashWatch.h"

namespace testing_harness {

namespace {

const char kSplashTitle[] = "SECSplashWnd";

}  // namespace

SplashWatch* SplashWatch::current_ = nullptr;

SplashWatch::SplashWatch() {
    current_ = this;
    hook_ = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
}

SplashWatch::~SplashWatch() {
    ::UnhookWindowsHookEx(hook_);
    current_ = nullptr;
}

LRESULT CALLBACK SplashWatch::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (current_ != nullptr && code == HCBT_CREATEWND) {
        const char* name = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszName;
        if (!IS_INTRESOURCE(name) && name != nullptr && lstrcmpA(name, kSplashTitle) == 0) {
            current_->seen = true;
            current_->shown = ::GetTickCount();
        }
    } else if (current_ != nullptr && code == HCBT_DESTROYWND) {
        char title[64] = {};
        ::GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
        if (lstrcmpA(title, kSplashTitle) == 0) current_->closed = ::GetTickCount();
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace testing_harness
