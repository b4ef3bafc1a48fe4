// Watches this thread's window creation for a program's splash window: when
// it was made and when it was destroyed.
#pragma once

#include <windows.h>

namespace testing_harness {

class SplashWatch {
public:
    SplashWatch();
    ~SplashWatch();
    SplashWatch(const SplashWatch&) = delete;
    SplashWatch& operator=(const SplashWatch&) = delete;

    DWORD shown = 0, closed = 0;
    bool seen = false;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    static SplashWatch* current_;
    HHOOK hook_ = nullptr;
};

}  // namespace testing_harness
