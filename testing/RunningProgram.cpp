#include "RunningProgram.h"

namespace testing_harness {

namespace {

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

}  // namespace

UINT MenuItemState(HWND frame, UINT id) {
    HMENU bar = ::GetMenu(frame);
    int index = 0;
    HMENU popup = PopupHolding(bar, id, index);
    if (popup == nullptr) return static_cast<UINT>(-1);
    ::SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(index, FALSE));
    return ::GetMenuState(popup, id, MF_BYCOMMAND);
}

void SaveWindowPicture(HWND wnd, const std::string& path) {
    ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    RECT area;
    ::GetWindowRect(wnd, &area);
    HDC screen = ::GetWindowDC(wnd);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    Pixels pixels = Pixels::FromDC(memory, width, height);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(wnd, screen);
    pixels.SavePng(path);
}

}  // namespace testing_harness
