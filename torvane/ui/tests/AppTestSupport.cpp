#include "AppTestSupport.h"

#include "WindowHelpers.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

const char kPreferencesKey[] = "Software\\Halvern\\Torvane\\Preferences";

// The menu-bar pop-up that holds `id`, searched one level of sub-menus deep.
HMENU PopupHolding(HMENU bar, UINT id, int& index) {
    for (int i = 0; i < ::GetMenuItemCount(bar); ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        if (popup == nullptr) continue;
        if (::GetMenuState(popup, id, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            index = i;
            return popup;
        }
    }
    return nullptr;
}

// Deletes a key with everything below it.
void DeleteKeyTree(HKEY parent, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    DWORD length = sizeof child;
    while (::RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        DeleteKeyTree(key, child);
        length = sizeof child;
    }
    ::RegCloseKey(key);
    ::RegDeleteKeyA(parent, name);
}

}  // namespace

void ForgetProgramSettings() { DeleteKeyTree(HKEY_CURRENT_USER, "Software\\Halvern\\Torvane"); }

StoredPreferences ReadStoredPreferences() {
    StoredPreferences stored;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kPreferencesKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return stored;
    auto read = [key](const char* name, DWORD& out) {
        DWORD size = sizeof out;
        DWORD type = 0;
        if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&out), &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            out = static_cast<DWORD>(-2);
    };
    read("SuppressLowClrInfoMsg", stored.suppress);
    read("HighColorModeLastUsed", stored.highColor);
    read("ColorSchemeNumLastUsed", stored.scheme);
    ::RegCloseKey(key);
    return stored;
}

void StorePreference(const char* name, DWORD value) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kPreferencesKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}

void StoreColorScheme(DWORD scheme) { StorePreference("ColorSchemeNumLastUsed", scheme); }

RunningApp::RunningApp() : app_(std::make_unique<CTorvaneApp>()) {
    started_ = app_->InitInstance() != FALSE;
    testing_harness::PumpPending();
}

RunningApp::~RunningApp() { Close(); }

void RunningApp::Close() {
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

CMainFrame* RunningApp::Frame() const { return static_cast<CMainFrame*>(app_->m_pMainWnd); }

HWND RunningApp::FrameWnd() const { return app_->m_pMainWnd != nullptr ? app_->m_pMainWnd->m_hWnd : nullptr; }

HWND RunningApp::ActiveChild(BOOL* maximized) const {
    HWND client = Frame()->m_hWndMDIClient;
    return reinterpret_cast<HWND>(::SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
}

void RunningApp::Command(UINT id) const {
    ::SendMessageA(FrameWnd(), WM_COMMAND, id, 0);
    testing_harness::PumpPending();
}

UINT RunningApp::MenuState(UINT id) const {
    HMENU bar = ::GetMenu(FrameWnd());
    int index = 0;
    HMENU popup = PopupHolding(bar, id, index);
    if (popup == nullptr) return static_cast<UINT>(-1);
    ::SendMessageA(FrameWnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, FALSE));
    return ::GetMenuState(popup, id, MF_BYCOMMAND);
}

std::string RunningApp::SaveScreenshot(const char* name) const {
    ::RedrawWindow(FrameWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_harness::PumpPending();
    RECT area;
    ::GetWindowRect(FrameWnd(), &area);
    HDC screen = ::GetWindowDC(FrameWnd());
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    testing_harness::Pixels pixels = testing_harness::Pixels::FromDC(memory, width, height);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(FrameWnd(), screen);
    ::CreateDirectoryA(TEST_ARTIFACT_DIR, nullptr);
    const std::string path = std::string(TEST_ARTIFACT_DIR) + "\\" + name;
    pixels.SavePng(path);
    return path;
}

}  // namespace torvane
