#include "WindowHelpers.h"

#include <winternl.h>
#include <prsht.h>

#include <png.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

namespace testing_harness {

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
    DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (done()) return true;
        if (GetTickCount() - start >= timeout_ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

namespace {

struct FindRequest {
    const std::string* class_name;
    const std::string* title;
    HWND found;
};

bool Matches(HWND wnd, const FindRequest& request) {
    char text[256] = {};
    if (!request.class_name->empty()) {
        GetClassNameA(wnd, text, sizeof text);
        if (*request.class_name != text) return false;
    }
    if (!request.title->empty()) {
        GetWindowTextA(wnd, text, sizeof text);
        if (*request.title != text) return false;
    }
    return true;
}

BOOL CALLBACK FindProc(HWND wnd, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    if (Matches(wnd, *request)) {
        request->found = wnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindTopLevelProc(HWND wnd, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    return FindProc(wnd, param);
}

}  // namespace

HWND FindWindowOf(const std::string& class_name, const std::string& title, HWND parent) {
    FindRequest request{&class_name, &title, nullptr};
    if (parent)
        EnumChildWindows(parent, FindProc, reinterpret_cast<LPARAM>(&request));
    else
        EnumWindows(FindTopLevelProc, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND FindControl(HWND parent, int control_id) { return GetDlgItem(parent, control_id); }

LRESULT SendCommand(HWND wnd, int command_id) {
    return SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(command_id, 0), 0);
}

void NotifyFromControl(HWND dialog, int id, int code) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressButton(HWND dialog, int id) {
    NotifyFromControl(dialog, id, BN_CLICKED);
    PumpPending();
}

HWND ShowSheetPage(HWND sheet, int index) {
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    PumpPending();
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void ChooseComboText(HWND dialog, int id, const char* text) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text)), 0);
    NotifyFromControl(dialog, id, CBN_SELCHANGE);
}

void TypeInto(HWND dialog, int id, const std::string& text) {
    HWND edit = FindControl(dialog, id);
    SetFocus(edit);
    PumpPending();
    TypeText(edit, text);
}

void FocusOn(HWND dialog, int id) {
    SetFocus(FindControl(dialog, id));
    PumpPending();
}

std::string TextOf(HWND dialog, int id) { return ControlText(FindControl(dialog, id)); }

void ClickRadio(HWND dialog, int id) {
    HWND button = FindControl(dialog, id);
    SetFocus(button);
    PumpPending();
    SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    // The other buttons of its group go off, as an automatic radio button does.
    for (HWND other = GetNextDlgGroupItem(dialog, button, FALSE); other != nullptr && other != button;
         other = GetNextDlgGroupItem(dialog, other, FALSE))
        SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    PumpPending();
}

std::string ControlText(HWND wnd) {
    int length = GetWindowTextLengthA(wnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(wnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(got));
    return text;
}

void ClickAt(HWND wnd, int x, int y) {
    LPARAM where = MAKELPARAM(x, y);
    SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(wnd, WM_LBUTTONUP, 0, where);
}

void ClickSpinArrow(HWND spin, bool up) {
    RECT r;
    GetClientRect(spin, &r);
    ClickAt(spin, r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    PumpPending();
}

void MouseClickAt(HWND wnd, int x, int y) {
    SetWindowPos(GetAncestor(wnd, GA_ROOT), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    POINT at = {x, y};
    ClientToScreen(wnd, &at);
    SetCursorPos(at.x, at.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

namespace {

void SendMouse(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
}

void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}

}  // namespace

void MouseDrag(POINT from, POINT to, bool ctrl, bool escape, int steps, const std::function<void()>& midway) {
    // Input goes to the window under the mouse unless one holds the capture
    // when it is sent, so the moves wait (on a thread of their own, while
    // this one runs the loop) until the press has captured the mouse.
    const DWORD thread = GetCurrentThreadId();
    std::atomic<bool> done{false};
    std::thread input([&] {
        SetCursorPos(from.x, from.y);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        for (int i = 0; i < 200; ++i) {
            if (GetGUIThreadInfo(thread, &info) && info.hwndCapture != nullptr) break;
            Sleep(10);
        }
        for (int i = 1; i <= steps; ++i) {
            SetCursorPos(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
            Sleep(15);
        }
        // Ctrl goes down once the pointer rests: Wine's X driver takes the
        // modifiers of each pointer move from the X server, which never saw it.
        if (ctrl) {
            SendKey(VK_CONTROL, false);
            Sleep(30);
        }
        if (midway) midway();
        if (escape) {
            SendKey(VK_ESCAPE, false);
            SendKey(VK_ESCAPE, true);
        }
        SendMouse(MOUSEEVENTF_LEFTUP);
        if (ctrl) SendKey(VK_CONTROL, true);
        done = true;
    });
    PumpUntil([&] { return done.load(); }, 10000);
    input.join();
    PumpPending();
}

void MouseDoubleClick(POINT at) {
    SetCursorPos(at.x, at.y);
    for (int i = 0; i < 2; ++i) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
}

void Click(HWND wnd) {
    char cls[32] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (_stricmp(cls, "Button") == 0) {
        SendMessageA(wnd, BM_CLICK, 0, 0);
        return;
    }
    RECT rc;
    GetClientRect(wnd, &rc);
    ClickAt(wnd, rc.right / 2, rc.bottom / 2);
}

void TypeText(HWND wnd, const std::string& text) {
    for (unsigned char c : text) SendMessageA(wnd, WM_CHAR, c, 1);
}

namespace {

using PaintFn = std::function<void(HDC, const RECT&)>;

LRESULT CALLBACK TestWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* paint = reinterpret_cast<PaintFn*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    switch (msg) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_PAINT:
        if (paint && *paint) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            RECT client;
            GetClientRect(wnd, &client);
            (*paint)(dc, client);
            EndPaint(wnd, &ps);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        delete paint;
        SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

}  // namespace

HWND CreateTestWindow(int width, int height, PaintFn paint, const char* title) {
    static ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "HarnessTestWindow";
        return RegisterClassA(&wc);
    }();
    if (!atom) return nullptr;
    RECT rc = {0, 0, width, height};
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    AdjustWindowRect(&rc, style, FALSE);
    HWND wnd = CreateWindowA("HarnessTestWindow", title, style, 0, 0, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                             new PaintFn(std::move(paint)));
    if (wnd) {
        UpdateWindow(wnd);
        PumpPending();
    }
    return wnd;
}

Pixels::Pixels(int width, int height)
    : width_(width), height_(height), data_(static_cast<size_t>(width) * height) {}

Pixels Pixels::FromDC(HDC dc, int width, int height) {
    Pixels pixels(width, height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
    if (!bitmap || width <= 0 || height <= 0 ||
        !GetDIBits(dc, bitmap, 0, height, pixels.data_.data(), &info, DIB_RGB_COLORS)) {
        // Not a memory DC: copy through one.
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP copy = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(mem, copy);
        BitBlt(mem, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        GetDIBits(mem, copy, 0, height, pixels.data_.data(), &info, DIB_RGB_COLORS);
        DeleteObject(copy);
        DeleteDC(mem);
    }
    for (unsigned& p : pixels.data_) p &= 0x00FFFFFF;
    return pixels;
}

Pixels Pixels::FromWindow(HWND wnd) {
    RECT rc;
    GetClientRect(wnd, &rc);
    HDC dc = GetDC(wnd);
    HDC mem = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
    Pixels pixels = FromDC(mem, rc.right, rc.bottom);
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(wnd, dc);
    return pixels;
}

int Pixels::Count(unsigned rgb, const RECT* area) const {
    RECT all = {0, 0, width_, height_};
    const RECT& r = area ? *area : all;
    int count = 0;
    for (int y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, height_); ++y)
        for (int x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, width_); ++x)
            if (At(x, y) == rgb) ++count;
    return count;
}

bool Pixels::SavePng(const std::string& path) const {
    if (width_ <= 0 || height_ <= 0) return false;
    std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(path.c_str(), "wb"), fclose);
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<unsigned char> row(static_cast<size_t>(width_) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, width_, height_, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            unsigned p = At(x, y);
            row[x * 3] = static_cast<unsigned char>(p >> 16);
            row[x * 3 + 1] = static_cast<unsigned char>(p >> 8);
            row[x * 3 + 2] = static_cast<unsigned char>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace testing_harness

namespace testing_harness {

// Under Wine: PEB::GdiSharedHandleTable holds 64K entries of 24 bytes on
// x64 (16 on x86) with the object type at byte 14 (10), 0 when free.
DWORD GdiObjectCount() {
    DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted) return counted;
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
    const bool wide = sizeof(void*) == 8;
    const BYTE* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const BYTE* table = *reinterpret_cast<BYTE* const*>(peb + (wide ? 0xF8 : 0x94));
    if (!table) return 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i * (wide ? 24 : 16) + (wide ? 14 : 10)]) ++counted;
    return counted;
}

std::string TestOutputPath(const std::string& name) {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + name;
}

}  // namespace testing_harness
