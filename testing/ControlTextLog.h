// Records every text a control is given (WM_SETTEXT), in order, for tests
// that follow a display through a long operation; and can click a button
// once a shown number reaches a value, so that a test stops a running loop
// at a known point.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_harness {

class ControlTextLog {
public:
    // Starts recording the texts of `control`.
    explicit ControlTextLog(HWND control);
    // Stops recording.
    ~ControlTextLog();
    ControlTextLog(const ControlTextLog&) = delete;
    ControlTextLog& operator=(const ControlTextLog&) = delete;

    // The next text whose number is at least `value` posts a click
    // (BM_CLICK) to `button`, once.
    void ClickWhenAtLeast(int value, HWND button);

    const std::vector<std::string>& Texts() const { return texts_; }
    // The texts read as numbers ("42%" reads 42).
    std::vector<int> Numbers() const;
    void Clear() { texts_.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND control_;
    WNDPROC original_;
    std::vector<std::string> texts_;
    int clickAt_ = 0;
    HWND button_ = nullptr;
};

}  // namespace testing_harness
