// A program started in the test process as its entry point starts it
// (InitInstance of a fresh application object) and closed again as the end
// of its message loop closes it; with what a user sees of it: the frame, the
// active document window, menu states and a screenshot.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "WindowHelpers.h"

namespace testing_harness {

// The state of a command's menu item (MF_CHECKED, MF_GRAYED bits) after the
// menu-bar pop-up holding it was opened, so that its update handlers ran;
// -1 when no pop-up holds it.
UINT MenuItemState(HWND frame, UINT id);
// Saves a window's pixels, frame included, as a PNG at `path`.
void SaveWindowPicture(HWND wnd, const std::string& path);

template <class AppT, class FrameT>
class RunningProgram {
public:
    RunningProgram() : app_(std::make_unique<AppT>()) {
        started_ = app_->InitInstance() != FALSE;
        PumpPending();
    }
    ~RunningProgram() { Close(); }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return started_; }
    AppT& App() { return *app_; }
    FrameT* Frame() const { return static_cast<FrameT*>(app_->m_pMainWnd); }
    HWND FrameWnd() const { return app_->m_pMainWnd != nullptr ? app_->m_pMainWnd->m_hWnd : nullptr; }
    // The active document window, or null.
    HWND ActiveChild(BOOL* maximized = nullptr) const {
        return reinterpret_cast<HWND>(::SendMessageA(Frame()->m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                     reinterpret_cast<LPARAM>(maximized)));
    }
    // Closes the main window and exits; the destructor then does nothing.
    void Close() {
        if (closed_) return;
        closed_ = true;
        if (app_->m_pMainWnd != nullptr && ::IsWindow(app_->m_pMainWnd->m_hWnd))
            ::SendMessageA(app_->m_pMainWnd->m_hWnd, WM_CLOSE, 0, 0);
        app_->ExitInstance();
        // The main window's end posted the loop's quit; the tests' loops go on.
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        app_.reset();
    }
    // Sends a command to the main frame as a menu or accelerator would.
    void Command(UINT id) const {
        ::SendMessageA(FrameWnd(), WM_COMMAND, id, 0);
        PumpPending();
    }
    UINT MenuState(UINT id) const { return MenuItemState(FrameWnd(), id); }
#ifdef TEST_ARTIFACT_DIR
    // Saves the main window as a PNG in the build folder's artifacts
    // (TEST_ARTIFACT_DIR, a Windows path); returns the path.
    std::string SaveScreenshot(const char* name) const {
        ::CreateDirectoryA(TEST_ARTIFACT_DIR, nullptr);
        const std::string path = std::string(TEST_ARTIFACT_DIR) + "\\" + name;
        SaveWindowPicture(FrameWnd(), path);
        return path;
    }
#endif

private:
    std::unique_ptr<AppT> app_;
    bool started_ = false;
    bool closed_ = false;
};

}  // namespace testing_harness
