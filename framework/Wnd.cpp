#include "Wnd.h"

#include <shellapi.h>

#include <cstdio>
#include <new>
#include <set>
#include <string>

#include "CmdUI.h"
#include "Controls.h"
#include "Exceptions.h"
#include "NullObject.h"
#include "ThreadState.h"
#include "WinApp.h"
#include "WindowCreationHook.h"

namespace {

CHandleMap<CWnd, HWND>& WindowMap() { return AfxGetThreadState()->windowMap; }

MSG& CurrentMessage() { return AfxGetThreadState()->currentMessage; }

// Windows the system makes on its own while another is created; they are
// never the window being created.
bool IsSystemHelperWindow(HWND wnd) {
    char name[32] = {};
    ::GetClassNameA(wnd, name, sizeof name);
    return lstrcmpiA(name, "IME") == 0 || lstrcmpiA(name, "MSCTFIME UI") == 0;
}

}  // namespace

WindowCreationHook::WindowCreationHook(CWnd* wnd) {
    CThreadState* state = AfxGetThreadState();
    previous_ = state->pendingWindow;
    state->pendingWindow = wnd;
    if (!state->creationHook)
        state->creationHook = ::SetWindowsHookExA(WH_CBT, Filter, nullptr, ::GetCurrentThreadId());
    ++state->creationDepth;
}

WindowCreationHook::~WindowCreationHook() {
    CThreadState* state = AfxGetThreadState();
    state->pendingWindow = previous_;
    if (--state->creationDepth == 0 && state->creationHook) {
        ::UnhookWindowsHookEx(state->creationHook);
        state->creationHook = nullptr;
    }
}

LRESULT CALLBACK WindowCreationHook::Filter(int code, WPARAM wParam, LPARAM lParam) {
    CThreadState* state = AfxGetThreadState();
    if (code == HCBT_CREATEWND && state->pendingWindow) {
        HWND wnd = reinterpret_cast<HWND>(wParam);
        if (!IsSystemHelperWindow(wnd)) {
            CWnd* object = state->pendingWindow;
            state->pendingWindow = nullptr;
            try {
                object->SubclassForFramework(wnd);
            } catch (...) {
                // The window is not made: unbound again, it is refused here.
                if (CWnd::FromHandlePermanent(wnd) == object) object->UnsubclassWindow();
                AfxReportCaughtException();
                return 1;
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// AfxWndProc

void AfxReportCaughtException() {
    CString text;
    try {
        throw;
    } catch (CException* exception) {
        CaughtException caught(exception);
        // The user has already been told why a CUserException stops things.
        if (exception->IsKindOf(RUNTIME_CLASS(CUserException))) return;
        char buffer[512] = {};
        text = exception->GetErrorMessage(buffer, sizeof buffer) ? buffer : "The operation failed.";
    } catch (const std::bad_alloc&) {
        char buffer[512] = {};
        CMemoryException().GetErrorMessage(buffer, sizeof buffer);
        text = buffer;
    } catch (...) {
        text = "The operation failed because of an unexpected error.";
    }
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

LRESULT CALLBACK AfxWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = CWnd::FromHandlePermanent(wnd);
    if (!object) return ::DefWindowProcA(wnd, message, wParam, lParam);

    MSG& current = CurrentMessage();
    MSG previous = current;
    current.hwnd = wnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    LRESULT result = 0;
    try {
        result = object->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing unwinds into the system: the state is put back and the
        // user told, and a window that failed in WM_CREATE is not made.
        current = previous;
        AfxReportCaughtException();
        result = message == WM_CREATE ? -1 : 0;
    }
    current = previous;

    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(wnd) == object) {
        // The window is gone: give it back its own procedure, unbind it, and
        // let the object finish (it may delete itself).
        if (object->m_pfnSuper &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(wnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(object->m_pfnSuper));
        object->Detach();
        object->PostNcDestroy();
    }
    return result;
}

// CWnd

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
    // Too late for a derived class to clean up: only the base's handlers run.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

HWND CWnd::GetSafeHwnd() const { return IsNullObject(this) ? nullptr : m_hWnd; }

CWnd* CWnd::FromHandle(HWND wnd) { return WindowMap().FromHandle(wnd); }

CWnd* CWnd::FromHandlePermanent(HWND wnd) { return WindowMap().LookupPermanent(wnd); }

void CWnd::DeleteTempMap() { WindowMap().DeleteTemp(); }

BOOL CWnd::Attach(HWND wnd) {
    ASSERT(FromHandlePermanent(wnd) == nullptr);
    return WindowMap().Attach(this, wnd);
}

HWND CWnd::Detach() { return WindowMap().Detach(this); }

void CWnd::SubclassForFramework(HWND wnd) {
    Attach(wnd);
    PreSubclassWindow();
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (old != AfxWndProc) m_pfnSuper = old;
}

// Creation

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, CCreateContext* context) {
    ASSERT(parent != nullptr);
    ASSERT((style & WS_POPUP) == 0);
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, parent->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param) {
    ASSERT(m_hWnd == nullptr);
    CREATESTRUCTA cs = {};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = idOrMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) return FALSE;

    HWND wnd;
    {
        WindowCreationHook hook(this);
        wnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                cs.lpCreateParams);
    }
    if (!wnd) return FALSE;
    ASSERT(wnd == m_hWnd);
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    HWND wnd = m_hWnd;
    CWnd* self = this;
    BOOL destroyed = ::DestroyWindow(wnd);
    // A window bound without our procedure (Attach alone) is unbound here;
    // a subclassed one was unbound by WM_NCDESTROY, and may be deleted.
    if (FromHandlePermanent(wnd) == self) self->Detach();
    return destroyed;
}

void CWnd::PostNcDestroy() {}

// Subclassing

BOOL CWnd::SubclassWindow(HWND wnd) {
    if (!wnd || FromHandlePermanent(wnd)) return FALSE;
    SubclassForFramework(wnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return SubclassWindow(::GetDlgItem(parent->GetSafeHwnd(), static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper) ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

// Message processing

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() {
    MSG& current = CurrentMessage();
    current.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    current.pt.x = static_cast<short>(LOWORD(pos));
    current.pt.y = static_cast<short>(HIWORD(pos));
    return &current;
}

LRESULT CWnd::Default() {
    const MSG& current = CurrentMessage();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::PreTranslateMessage(MSG* msg) {
    if (m_bToolTipsEnabled) FilterToolTipMessage(msg);
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND wnd = msg->hwnd; wnd; wnd = ::GetParent(wnd)) {
        CWnd* object = FromHandlePermanent(wnd);
        if (object && object->PreTranslateMessage(msg)) return TRUE;
        if (wnd == stop) break;
    }
    return FALSE;
}

// Text and identity


int CWnd::SetDlgCtrlID(int id) {
    return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id));
}

namespace {

BOOL ChangeStyle(HWND wnd, int index, DWORD remove, DWORD add, UINT flags) {
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(wnd, index));
    DWORD changed = (style & ~remove) | add;
    if (style == changed) return FALSE;
    ::SetWindowLongPtrA(wnd, index, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                       flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void WindowTextOf(HWND wnd, CString& text) {
    int length = ::GetWindowTextLengthA(wnd);
    LPSTR buffer = text.GetBuffer(length + 1);
    ::GetWindowTextA(wnd, buffer, length + 1);
    text.ReleaseBuffer();
}

}  // namespace

void CWnd::GetWindowText(CString& text) const { WindowTextOf(m_hWnd, text); }

BOOL CWnd::ModifyStyle(HWND wnd, DWORD remove, DWORD add, UINT flags) {
    return ChangeStyle(wnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(HWND wnd, DWORD remove, DWORD add, UINT flags) {
    return ChangeStyle(wnd, GWL_EXSTYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) { return ModifyStyle(m_hWnd, remove, add, flags); }

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
    return ModifyStyleEx(m_hWnd, remove, add, flags);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), redraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL big) const {
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, big ? ICON_BIG : ICON_SMALL));
}

// Dialog items

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgItemText(int id, LPSTR text, int maxCount) const {
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, id, text, maxCount));
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    text.Empty();
    if (HWND item = ::GetDlgItem(m_hWnd, id)) WindowTextOf(item, text);
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
    for (int id = first; id <= last; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id)) return id;
    return 0;
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control->GetSafeHwnd(), previous));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, control->GetSafeHwnd(), previous));
}

// Geometry

void CWnd::ClientToScreen(LPRECT rect) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2); }

void CWnd::ScreenToClient(LPRECT rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2); }

void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
    ::MapWindowPoints(m_hWnd, to->GetSafeHwnd(), points, count);
}

void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, to->GetSafeHwnd(), reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    placement->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, placement);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
    WINDOWPLACEMENT copy = *placement;
    copy.length = sizeof copy;
    return ::SetWindowPlacement(m_hWnd, &copy);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    // Centre on the owner (or parent, for a child) when it is visible, else
    // on the work area; keep the window on the screen.
    HWND center = alternateOwner ? alternateOwner->m_hWnd : nullptr;
    bool child = (GetStyle() & WS_CHILD) != 0;
    if (!center) center = child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (child) {
        ::GetClientRect(center, &area);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        if (center && ::IsWindowVisible(center) && !::IsIconic(center)) ::GetWindowRect(center, &area);
    }
    RECT own;
    ::GetWindowRect(m_hWnd, &own);
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    if (!child) {
        RECT screen;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
        if (x + width > screen.right) x = screen.right - width;
        if (y + height > screen.bottom) y = screen.bottom - height;
        if (x < screen.left) x = screen.left;
        if (y < screen.top) y = screen.top;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::CalcWindowRect(LPRECT clientRect, UINT adjustType) {
    DWORD exStyle = GetExStyle();
    if (adjustType == adjustBorder) exStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(clientRect, GetStyle(), FALSE, exStyle);
}

// Relatives

CWnd* CWnd::SetParent(CWnd* newParent) { return FromHandle(::SetParent(m_hWnd, newParent->GetSafeHwnd())); }

CWnd* CWnd::GetOwner() const {
    if (m_hWndOwner) return FromHandle(m_hWndOwner);
    return GetParent();
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND top = m_hWnd;
    for (HWND up = ::GetParent(top); up && (::GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD); up = ::GetParent(top))
        top = up;
    return FromHandle(top);
}

CWnd* CWnd::GetTopLevelOwner() const {
    HWND top = m_hWnd;
    for (HWND owner = ::GetWindow(top, GW_OWNER); owner; owner = ::GetWindow(top, GW_OWNER)) top = owner;
    HWND root = ::GetAncestor(top, GA_ROOT);
    return FromHandle(root ? root : top);
}

CWnd* CWnd::GetParentOwner() const {
    HWND wnd = m_hWnd;
    while (::GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD) wnd = ::GetParent(wnd);
    return FromHandle(wnd == m_hWnd ? ::GetParent(wnd) : wnd);
}

CWnd* CWnd::GetDescendantWindow(int id, BOOL onlyPermanent) const {
    return GetDescendantWindow(m_hWnd, id, onlyPermanent);
}

CWnd* CWnd::GetDescendantWindow(HWND wnd, int id, BOOL onlyPermanent) {
    // Direct children first, then their descendants.
    HWND found = ::GetDlgItem(wnd, id);
    if (found && ::GetParent(found) == wnd) {
        if (!onlyPermanent) return FromHandle(found);
        if (CWnd* object = FromHandlePermanent(found)) return object;
    }
    for (HWND child = ::GetTopWindow(wnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (CWnd* object = GetDescendantWindow(child, id, onlyPermanent)) return object;
    return nullptr;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep,
                                    BOOL onlyPermanent) {
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, deep, onlyPermanent);
}

void CWnd::SendMessageToDescendants(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    BOOL deep, BOOL onlyPermanent) {
    for (HWND child = ::GetTopWindow(wnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!onlyPermanent) ::SendMessageA(child, message, wParam, lParam);
        else if (FromHandlePermanent(child)) ::SendMessageA(child, message, wParam, lParam);
        if (deep && ::GetTopWindow(child))
            SendMessageToDescendants(child, message, wParam, lParam, deep, onlyPermanent);
    }
}

CWnd* CWnd::FindWindow(LPCSTR className, LPCSTR windowName) {
    return FromHandle(::FindWindowA(className, windowName));
}

// Painting

void CWnd::InvalidateRgn(CRgn* region, BOOL erase) {
    ::InvalidateRgn(m_hWnd, static_cast<HRGN>(region->GetSafeHandle()), erase);
}

void CWnd::ValidateRgn(CRgn* region) { ::ValidateRgn(m_hWnd, static_cast<HRGN>(region->GetSafeHandle())); }

BOOL CWnd::RedrawWindow(LPCRECT update, CRgn* updateRegion, UINT flags) {
    return ::RedrawWindow(m_hWnd, update, static_cast<HRGN>(updateRegion->GetSafeHandle()), flags);
}

int CWnd::ReleaseDC(CDC* dc) { return ::ReleaseDC(m_hWnd, dc->m_hDC); }

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    if (!caption) caption = AfxGetAppName();
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

// Scrolling

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) {
    if (CScrollBar* control = GetScrollBarCtrl(bar)) return control->SetScrollPos(pos, redraw);
    return ::SetScrollPos(m_hWnd, bar, pos, redraw);
}

int CWnd::GetScrollPos(int bar) const {
    if (CScrollBar* control = GetScrollBarCtrl(bar)) return control->GetScrollPos();
    return ::GetScrollPos(m_hWnd, bar);
}

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw) {
    if (CScrollBar* control = GetScrollBarCtrl(bar)) control->SetScrollRange(minPos, maxPos, redraw);
    else ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
}

void CWnd::GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const {
    if (CScrollBar* control = GetScrollBarCtrl(bar)) control->GetScrollRange(minPos, maxPos);
    else ::GetScrollRange(m_hWnd, bar, minPos, maxPos);
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw) {
    info->cbSize = sizeof(SCROLLINFO);
    if (CScrollBar* control = GetScrollBarCtrl(bar)) return control->SetScrollInfo(info, redraw);
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const {
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    if (CScrollBar* control = GetScrollBarCtrl(bar)) return control->GetScrollInfo(info, mask);
    return ::GetScrollInfo(m_hWnd, bar, info);
}

int CWnd::GetScrollLimit(int bar) const {
    SCROLLINFO info = {};
    if (!GetScrollInfo(bar, &info, SIF_RANGE | SIF_PAGE)) return 0;
    int page = info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0;
    return info.nMax - page;
}

BOOL CWnd::EnableScrollBar(int bar, UINT arrows) {
    if (CScrollBar* control = GetScrollBarCtrl(bar)) return control->EnableScrollBar(arrows);
    return ::EnableScrollBar(m_hWnd, bar, arrows);
}

void CWnd::EnableScrollBarCtrl(int bar, BOOL enable) {
    if (bar == SB_BOTH) {
        EnableScrollBarCtrl(SB_HORZ, enable);
        EnableScrollBarCtrl(SB_VERT, enable);
        return;
    }
    if (CScrollBar* control = GetScrollBarCtrl(bar)) control->EnableWindow(enable);
    else ::ShowScrollBar(m_hWnd, bar, enable);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT scroll, LPCRECT clip, CRgn* update,
                         LPRECT updateRect, UINT flags) {
    return ::ScrollWindowEx(m_hWnd, dx, dy, scroll, clip, static_cast<HRGN>(update->GetSafeHandle()),
                            updateRect, flags);
}

void CWnd::DragAcceptFiles(BOOL accept) { ::DragAcceptFiles(m_hWnd, accept); }

// AfxRegisterWndClass

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    // Names are kept for the life of the program, so callers may hold them.
    static std::set<std::string> names;
    HINSTANCE instance = AfxGetInstanceHandle();
    char name[96];
    std::snprintf(name, sizeof name, "FwWnd:%p:%x:%p:%p:%p", static_cast<void*>(instance), classStyle,
                  static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
    const std::string& kept = *names.insert(name).first;

    WNDCLASSA existing;
    if (!::GetClassInfoA(instance, kept.c_str(), &existing)) {
        WNDCLASSA wc = {};
        wc.style = classStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = kept.c_str();
        if (!::RegisterClassA(&wc)) AfxThrowResourceException();
    }
    return kept.c_str();
}

// Message dispatch

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_MESSAGE(WM_COMPAREITEM, OnOwnerDrawMessage)
    ON_MESSAGE(WM_DELETEITEM, OnOwnerDrawMessage)
END_MESSAGE_MAP()

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT answer = 0;
    BOOL handled;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        answer = 1;
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &answer);
    } else {
        MessageCall call;
        call.message = message;
        call.wParam = wParam;
        call.lParam = lParam;
        handled = DispatchEntries(call);
        answer = call.result;
    }
    if (handled && result) *result = answer;
    return handled;
}

namespace {

// Whether an update handler has disabled a command (menu commands and
// accelerators of disabled items must not run).
class CommandStateProbe : public CCmdUI {
public:
    void Enable(BOOL on) override {
        enabled = on;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}
    BOOL enabled = TRUE;
};

}  // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (!control) {
        // A menu item or an accelerator.
        if (id == 0) return FALSE;
        CommandStateProbe probe;
        probe.m_nID = id;
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &probe, nullptr);
        if (!probe.enabled) return TRUE;
        code = CN_COMMAND;
    } else {
        if (ReflectToControl(control, WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
        if (id == 0) return FALSE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header || !header->hwndFrom) return FALSE;
    if (ReflectToControl(header->hwndFrom, WM_NOTIFY, header->idFrom, lParam, result)) return TRUE;
    NotifyInfo notify = {header, result};
    return OnCmdMsg(static_cast<UINT>(header->idFrom), NotifyCommandCode(header->code), &notify, nullptr);
}

BOOL CWnd::ReflectToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    CWnd* wnd = FromHandlePermanent(control);
    return wnd && wnd->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result) {
    const MSG& current = CurrentMessage();
    return ReflectToControl(child, current.message, current.wParam, current.lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    MessageCall call;
    call.message = kReflectedMessageBase + message;
    call.wParam = wParam;
    call.lParam = lParam;
    NotifyInfo notify = {reinterpret_cast<NMHDR*>(lParam), result};
    if (message == WM_COMMAND) {
        call.code = HIWORD(wParam);
    } else if (message == WM_NOTIFY) {
        call.code = notify.header->code;
        call.extra = &notify;
    }
    if (!DispatchEntries(call)) return FALSE;
    if (result && message != WM_NOTIFY) *result = call.result;
    return TRUE;
}

// Default handlers: the window's own processing of the current message.
// Notifications from controls first go back to the control (reflection).

namespace {

// The control a WM_DRAWITEM-like message is about (null for a menu item).
HWND OwnerDrawControl(UINT type, HWND control) { return type == ODT_MENU ? nullptr : control; }

}  // namespace

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item) {
    HWND control = OwnerDrawControl(item->CtlType, item->hwndItem);
    if (!control || !ReflectLastMsg(control)) Default();
}

void CWnd::OnMeasureItem(int id, LPMEASUREITEMSTRUCT item) {
    HWND control = item->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(m_hWnd, id);
    if (!control || !ReflectLastMsg(control)) Default();
}

LRESULT CWnd::OnOwnerDrawMessage(WPARAM, LPARAM lParam) {
    // WM_COMPAREITEM and WM_DELETEITEM both start with CtlType, CtlID, then
    // (after the item fields) the control's window.
    HWND control = CurrentMessage().message == WM_COMPAREITEM
                       ? reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem
                       : reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    LRESULT result = 0;
    if (ReflectLastMsg(control, &result)) return result;
    return Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT) {
    LRESULT result = 0;
    if (wnd && ReflectLastMsg(wnd->m_hWnd, &result)) return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

namespace {

// A scroll bar control gets its own messages back; a window's bar has none.
void ScrollDefault(CWnd* wnd, CScrollBar* scrollBar) {
    if (!scrollBar || !CWnd::ReflectLastMsg(scrollBar->m_hWnd)) wnd->Default();
}

}  // namespace

void CWnd::OnHScroll(UINT, UINT, CScrollBar* scrollBar) { ScrollDefault(this, scrollBar); }

void CWnd::OnVScroll(UINT, UINT, CScrollBar* scrollBar) { ScrollDefault(this, scrollBar); }

void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcDestroy() { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnSettingChange(UINT, LPCSTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }

// Command UI of menus and controls

void CWnd::UpdateMenuCmdUI(CMenu* popup, BOOL disableIfNoHandler) {
    CCmdUI state;
    state.m_pMenu = popup;
    state.m_nIndexMax = popup->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = popup->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;  // separators, pop-ups
        // System commands have no handlers to look for.
        state.DoUpdate(this, disableIfNoHandler && state.m_nID < 0xF000);
        // A handler may have replaced items (the recent-file list does); it
        // leaves m_nIndex on the last item it dealt with.
        state.m_nIndexMax = popup->GetMenuItemCount();
    }
}

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler) {
    CCmdUI state;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(child));
        if (state.m_nID == 0 || LOWORD(state.m_nID) == 0xFFFF) continue;
        state.m_pOther = FromHandle(child);
        // The control's own update handler (reflected) comes first.
        if (CWnd* control = FromHandlePermanent(child)) {
            MessageCall reflected;
            reflected.message = kReflectedMessageBase + WM_COMMAND;
            reflected.code = static_cast<UINT>(CN_UPDATE_COMMAND_UI);
            reflected.extra = &state;
            if (control->DispatchEntries(reflected)) continue;
        }
        // Only push buttons are disabled for want of a handler.
        UINT kind = static_cast<UINT>(::GetWindowLongPtrA(child, GWL_STYLE)) & BS_TYPEMASK;
        bool pushButton = (::SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) &&
                          (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW);
        state.DoUpdate(target, disableIfNoHandler && pushButton);
    }
}
