#include "CustomCaption.h"

#include <algorithm>

#include "GdiObjects.h"
#include "TextString.h"
#include "Wnd.h"

namespace caption_geometry {

RECT CaptionRect(int windowWidth, const Metrics& m, bool thickFrame, bool newShell, int buttons) {
    RECT r;
    r.left = m.frameX;
    r.top = thickFrame ? m.frameY : m.frameY - 1;
    r.bottom = r.top + m.captionHeight;
    // The buttons sit at the right, inside the frame; the older shell kept
    // room for one.
    r.right = newShell ? windowWidth - m.frameX - buttons * m.buttonWidth : windowWidth - m.buttonWidth - 1;
    if (r.right < r.left) r.right = r.left;
    return r;
}

int BandCount(int width) { return std::max(1, std::min(60, width)); }

RECT BandRect(int band, int bands, const RECT& caption) {
    const int width = caption.right - caption.left;
    RECT r = caption;
    r.left = caption.left + width * band / bands;
    r.right = caption.left + width * (band + 1) / bands;
    return r;
}

COLORREF BandColour(int band, int bands, COLORREF to) {
    if (bands <= 1) return to;
    auto part = [&](int c) { return static_cast<BYTE>(c * band / (bands - 1)); };
    return RGB(part(GetRValue(to)), part(GetGValue(to)), part(GetBValue(to)));
}

int TextStart(int alignment, const RECT& caption, int textWidth) {
    const int room = caption.right - caption.left;
    int x = caption.left;
    if (alignment == 1) x += (room - textWidth) / 2;
    else if (alignment == 2) x += room - textWidth;
    return std::max<int>(x, caption.left);
}

}  // namespace caption_geometry

namespace cg = caption_geometry;

namespace {

bool NewShell() { return LOBYTE(LOWORD(::GetVersion())) >= 4; }

// The system menu's close item is enabled.
bool CloseEnabled(HWND wnd) {
    HMENU menu = ::GetSystemMenu(wnd, FALSE);
    if (menu == nullptr) return true;
    UINT state = ::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

BOOL CreateCaptionFont(CFont& font, bool italic) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return FALSE;
    LOGFONTA face = metrics.lfCaptionFont;
    face.lfItalic = italic ? TRUE : FALSE;
    return font.CreateFontIndirect(&face);
}

}  // namespace

BOOL SECCustomCaption::CreateTitleFont(CFont& font) { return CreateCaptionFont(font, false); }

BOOL SECCustomCaption::CreateTitleFontItalic(CFont& font) { return CreateCaptionFont(font, true); }

void SECCustomCaption::Enable(BOOL on, BOOL redraw) {
    if (!NewShell() || m_frame == nullptr) return;
    m_enabled = on;
    if (!redraw || m_frame->m_hWnd == nullptr) return;
    m_frame->SendMessage(WM_NCPAINT, 1, 0);
    m_frame->PostMessage(WM_NCACTIVATE, 0, 0);
}

RECT SECCustomCaption::GetCaptionRect() const {
    RECT window;
    ::GetWindowRect(m_frame->m_hWnd, &window);
    const DWORD style = m_frame->GetStyle();
    int buttons = 0;
    if (style & WS_MINIMIZEBOX) ++buttons;
    if (style & WS_MAXIMIZEBOX) ++buttons;
    if ((style & WS_SYSMENU) && CloseEnabled(m_frame->m_hWnd)) ++buttons;
    const cg::Metrics metrics = {::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME),
                                 ::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE)};
    return cg::CaptionRect(window.right - window.left, metrics, (style & WS_THICKFRAME) != 0, NewShell(), buttons);
}

LRESULT SECCustomCaption::DefaultWithoutCaption(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND wnd = m_frame->m_hWnd;
    const LONG_PTR style = ::GetWindowLongPtrA(wnd, GWL_STYLE);
    const bool visible = (style & WS_VISIBLE) != 0;
    if (visible) ::SetWindowLongPtrA(wnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    LRESULT result = m_frame->DefWindowProc(message, wParam, lParam);
    if (visible) ::SetWindowLongPtrA(wnd, GWL_STYLE, ::GetWindowLongPtrA(wnd, GWL_STYLE) | WS_VISIBLE);
    return result;
}

BOOL SECCustomCaption::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (!m_enabled || m_frame == nullptr || m_frame->m_hWnd == nullptr) return FALSE;
    switch (message) {
        case WM_NCPAINT: {
            // The system paints everything but the caption.
            RECT window;
            ::GetWindowRect(m_frame->m_hWnd, &window);
            RECT caption = GetCaptionRect();
            ::OffsetRect(&caption, window.left, window.top);
            HRGN region = ::CreateRectRgnIndirect(&window);
            HRGN captionRegion = ::CreateRectRgnIndirect(&caption);
            ::CombineRgn(region, region, captionRegion, RGN_DIFF);
            if (wParam != 1 && wParam != 0) ::CombineRgn(region, region, reinterpret_cast<HRGN>(wParam), RGN_AND);
            m_frame->DefWindowProc(WM_NCPAINT, reinterpret_cast<WPARAM>(region), lParam);
            ::DeleteObject(captionRegion);
            ::DeleteObject(region);
            Draw();
            *result = 0;
            return TRUE;
        }
        case WM_NCACTIVATE:
            m_active = wParam != 0;
            *result = DefaultWithoutCaption(message, wParam, lParam);
            m_frame->SendMessage(WM_NCPAINT, 1, 0);
            *result = TRUE;
            return TRUE;
        case WM_SETTEXT:
            *result = DefaultWithoutCaption(message, wParam, lParam);
            Draw();
            return TRUE;
        default:
            return FALSE;
    }
}

void SECCustomCaption::Draw() {
    if (!m_enabled || m_frame == nullptr || m_frame->m_hWnd == nullptr) return;
    HWND wnd = m_frame->m_hWnd;
    const RECT caption = GetCaptionRect();
    const int width = caption.right - caption.left;
    const int height = caption.bottom - caption.top;
    if (width <= 0 || height <= 0) return;

    HDC windowDC = ::GetWindowDC(wnd);
    HDC memory = ::CreateCompatibleDC(windowDC);
    HBITMAP bitmap = memory != nullptr ? ::CreateCompatibleBitmap(windowDC, width, height) : nullptr;
    if (bitmap == nullptr) {
        if (memory != nullptr) ::DeleteDC(memory);
        ::ReleaseDC(wnd, windowDC);
        m_enabled = FALSE;  // no room for drawing: the system's caption comes back
        return;
    }
    HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
    const RECT local = {0, 0, width, height};

    if (m_active) {
        const COLORREF to = ::GetSysColor(COLOR_ACTIVECAPTION);
        const int bands = cg::BandCount(width);
        for (int i = 0; i < bands; ++i) {
            RECT band = cg::BandRect(i, bands, local);
            HBRUSH brush = ::CreateSolidBrush(cg::BandColour(i, bands, to));
            ::FillRect(memory, &band, brush);
            ::DeleteObject(brush);
        }
    } else {
        ::FillRect(memory, &local, ::GetSysColorBrush(COLOR_INACTIVECAPTION));
    }

    int textLeft = 2;
    if (m_frame->GetStyle() & WS_SYSMENU) {
        const bool small = ::GetSystemMetrics(SM_CXSIZE) < 30;
        auto icon = reinterpret_cast<HICON>(::GetClassLongPtrA(wnd, small ? GCLP_HICONSM : GCLP_HICON));
        if (icon == nullptr) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(wnd, GCLP_HICON));
        const int size = std::max(0, std::min(height - 2, ::GetSystemMetrics(SM_CXSMICON)));
        if (icon != nullptr) ::DrawIconEx(memory, 1, (height - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
        textLeft = size + 4;
    }

    CString title;
    m_frame->GetWindowText(title);
    CString first = title;
    CString rest;
    const int dash = title.Find('-');
    if (dash >= 0) {
        first = title.Left(dash);
        rest = title.Mid(dash);
    }
    CFont italic, plain;
    CreateTitleFontItalic(italic);
    CreateTitleFont(plain);
    auto fontOf = [](CFont& font) { return font.GetSafeHandle() ? font.GetSafeHandle() : ::GetStockObject(SYSTEM_FONT); };
    ::SetBkMode(memory, TRANSPARENT);
    HGDIOBJ oldFont = ::SelectObject(memory, fontOf(italic));
    SIZE firstSize = {}, restSize = {}, ellipsis = {};
    ::GetTextExtentPoint32A(memory, first, first.GetLength(), &firstSize);
    ::SelectObject(memory, fontOf(plain));
    ::GetTextExtentPoint32A(memory, rest, rest.GetLength(), &restSize);
    ::GetTextExtentPoint32A(memory, "W...", 4, &ellipsis);
    const RECT textArea = {textLeft, 0, width, height};
    if (firstSize.cx + ellipsis.cx > textArea.right - textArea.left) {
        rest.Empty();
        restSize.cx = 0;
    }
    int x = cg::TextStart(m_alignment, textArea, firstSize.cx + restSize.cx);
    const int y = (height - firstSize.cy) / 2;
    // White on the gradient, which starts black.
    ::SetTextColor(memory, m_active ? RGB(255, 255, 255) : ::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    ::SelectObject(memory, fontOf(italic));
    ::TextOutA(memory, x, y, first, first.GetLength());
    if (!rest.IsEmpty()) {
        ::SelectObject(memory, fontOf(plain));
        ::TextOutA(memory, x + firstSize.cx, y, rest, rest.GetLength());
    }
    ::SelectObject(memory, oldFont);

    ::BitBlt(windowDC, caption.left, caption.top, width, height, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(wnd, windowDC);
}
