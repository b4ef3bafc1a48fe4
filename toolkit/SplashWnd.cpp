#include "SplashWnd.h"

#include "ResourceModule.h"
#include "ToolkitResources.h"
#include "WinThread.h"
#include "WindowMessages.h"

namespace {

// A string of the program's resources, or `fallback` when it has none.
CString ResourceText(UINT id, const char* fallback) {
    char text[128];
    const int length = ::LoadStringA(AfxGetResourceHandle(), id, text, sizeof text);
    return CString(length > 0 ? text : fallback);
}

}  // namespace

BEGIN_MESSAGE_MAP(SECSplashWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_PALETTECHANGED()
    ON_WM_QUERYNEWPALETTE()
END_MESSAGE_MAP()

SECSplashWnd::SECSplashWnd(UINT bitmapId, UINT displayMs, BOOL manual, BOOL alwaysOnTop)
    : m_bitmapId(bitmapId), m_displayMs(displayMs), m_manual(manual), m_alwaysOnTop(alwaysOnTop) {}

BOOL SECSplashWnd::Create(CWnd* parent, DWORD style, DWORD exStyle) {
    exStyle &= ~static_cast<DWORD>(WS_EX_TOOLWINDOW);
    m_owner = parent != nullptr ? parent : AfxGetMainWnd();
    if (m_owner == nullptr && !m_customTitle) {
        // A hidden tool window as owner keeps the splash off the task bar.
        m_hiddenOwner = ::CreateWindowExA(
            WS_EX_TOOLWINDOW, AfxRegisterWndClass(CS_CLASSDC),
            ResourceText(IDS_SEC_SPLASH_OWNER_TITLE, "SECSplashWndParent"), WS_POPUP, 0, 0, 0, 0, nullptr,
            nullptr, AfxGetInstanceHandle(), nullptr);
        exStyle |= WS_EX_TOPMOST;
    }
    m_ownerHwnd = m_owner != nullptr ? m_owner->GetSafeHwnd() : m_hiddenOwner;

    HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_bitmapId),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP description = {};
    if (bitmap != nullptr && ::GetObjectA(bitmap, sizeof description, &description)) {
        m_bitmapWidth = description.bmWidth;
        m_bitmapHeight = description.bmHeight;
    }
    if (m_alwaysOnTop) exStyle |= WS_EX_TOPMOST;
    CString title = ResourceText(IDS_SEC_SPLASH_TITLE, "SECSplashWnd");
    if (m_customTitle) {
        title = m_title;
        exStyle |= WS_EX_APPWINDOW;
    }
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - m_bitmapWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - m_bitmapHeight) / 2;
    const BOOL created = CreateEx(exStyle, AfxRegisterWndClass(CS_CLASSDC), title, style & ~WS_VISIBLE, x, y,
                                  m_bitmapWidth, m_bitmapHeight, m_ownerHwnd, nullptr);
    if (created && bitmap != nullptr) {
        CClientDC dc(this);
        if (m_picture.CreateFromBitmap(&dc, CBitmap::FromHandle(bitmap))) {
            m_palette = m_picture.GetPalette();
            RealizePalette();
        }
    }
    if (created) {
        if (!m_manual) m_timer = SetTimer(kTimerId, m_displayMs);
        if (style & WS_VISIBLE) {
            ShowWindow(SW_SHOW);
            UpdateWindow();
        }
    }
    if (bitmap != nullptr) ::DeleteObject(bitmap);
    return created;
}

void SECSplashWnd::SetTitle(const CString& title) {
    m_title = title;
    m_customTitle = TRUE;
}

void SECSplashWnd::Close() { SendMessage(WM_CLOSE); }

void SECSplashWnd::StartTimer() { SetDisplayTime(m_displayMs); }

BOOL SECSplashWnd::SetDisplayTime(UINT ms) {
    m_displayMs = ms;
    m_timer = SetTimer(kTimerId, ms);
    m_manual = FALSE;
    return TRUE;
}

void SECSplashWnd::SetOwnerDisabled(BOOL disabled) {
    if (m_ownerHwnd == nullptr || m_ownerHwnd == m_hiddenOwner) return;
    m_ownerDisabled = disabled;
    ::EnableWindow(m_ownerHwnd, !disabled);
    EnableWindow(TRUE);
}

void SECSplashWnd::SetAlwaysOnTop(BOOL onTop) {
    m_alwaysOnTop = onTop;
    if (m_hWnd != nullptr)
        SetWindowPos(onTop ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

BOOL SECSplashWnd::PreTranslateMessage(MSG* msg) {
    if (!m_manual && m_closeOnInput) {
        switch (msg->message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
            case WM_NCMBUTTONDOWN:
                PostMessage(WM_CLOSE);
                return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(msg);
}

void SECSplashWnd::OnTimer(UINT_PTR id) {
    if (id == m_timer) PostMessage(WM_CLOSE);
}

void SECSplashWnd::OnClose() {
    KillTimer(kTimerId);
    if (m_hiddenOwner != nullptr) ::PostMessageA(m_hiddenOwner, WM_CLOSE, 0, 0);
    // The owner is looked up by its handle: it may be gone by now.
    if (m_ownerDisabled && m_ownerHwnd != nullptr && ::IsWindow(m_ownerHwnd)) ::EnableWindow(m_ownerHwnd, TRUE);
    CWnd::OnClose();
}

void SECSplashWnd::PostNcDestroy() { delete this; }

void SECSplashWnd::OnPaint() {
    CPaintDC dc(this);
    CPalette* old = m_palette != nullptr ? dc.SelectPalette(m_palette, TRUE) : nullptr;
    if (m_palette != nullptr) dc.RealizePalette();
    m_picture.Draw(&dc, 0, 0, SRCCOPY);
    if (old != nullptr) dc.SelectPalette(old, TRUE);
    CRect client;
    GetClientRect(&client);
    OnDrawOverlay(&dc, client);
}

BOOL SECSplashWnd::RealizePalette() {
    if (m_palette == nullptr || m_hWnd == nullptr) return FALSE;
    CClientDC dc(this);
    const MSG* current = GetCurrentMessage();
    const BOOL background = current != nullptr && current->message == WM_PALETTECHANGED;
    CPalette* old = dc.SelectPalette(m_palette, background);
    const UINT changed = dc.RealizePalette();
    if (old != nullptr) dc.SelectPalette(old, TRUE);
    if (changed == 0 || changed == GDI_ERROR) return FALSE;
    Invalidate(TRUE);
    return TRUE;
}

BOOL SECSplashWnd::OnQueryNewPalette() { return RealizePalette(); }

void SECSplashWnd::OnPaletteChanged(CWnd* focusWnd) {
    if (focusWnd != nullptr && (focusWnd->m_hWnd == m_hWnd || ::IsChild(m_hWnd, focusWnd->m_hWnd))) return;
    RealizePalette();
}
