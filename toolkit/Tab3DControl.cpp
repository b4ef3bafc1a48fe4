#include "Tab3DControl.h"

#include <cstdlib>
#include <cstring>

#include "WindowMessages.h"

namespace t3 = tab3d_geometry;

BEGIN_MESSAGE_MAP(SEC3DTabControl, CWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CAPTURECHANGED()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

void SEC3DTabControl::Initialize(DWORD style) {
    m_style = style;
    m_font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (m_font == nullptr) m_font = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    RecalcLayout();
}

// Tabs

SECTab* SEC3DTabControl::InsertTab(int index, LPCSTR label, CWnd* wnd, void* data, int extra) {
    SECTab* tab = SECTabControlBase::InsertTab(index, label, wnd, data, extra);
    RecalcLayout();
    Invalidate();
    return tab;
}

SECTab* SEC3DTabControl::AddTab(LPCSTR label, CWnd* wnd, void* data, int extra) {
    return InsertTab(GetTabCount(), label, wnd, data, extra);
}

void SEC3DTabControl::EnableTab(int index, BOOL enable) {
    auto* tab = static_cast<SEC3DTab*>(GetTab(index));
    if (tab == nullptr || tab->enabled == enable) return;
    tab->enabled = enable;
    InvalidateTab(index);
}

BOOL SEC3DTabControl::IsTabEnabled(int index) const {
    auto* tab = static_cast<SEC3DTab*>(GetTab(index));
    return tab != nullptr && tab->enabled;
}

std::vector<bool> SEC3DTabControl::EnabledFlags() const {
    std::vector<bool> enabled;
    for (int i = 0; i < GetTabCount(); ++i) enabled.push_back(IsTabEnabled(i) != FALSE);
    return enabled;
}

// Layout

void SEC3DTabControl::RecalcLayout() {
    if (m_hWnd == nullptr) return;
    RECT client;
    GetClientRect(&client);
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ oldFont = ::SelectObject(dc, m_font);
    const bool horizontal = t3::IsHorizontal(GetSide());
    std::vector<int> extents;
    for (int i = 0; i < GetTabCount(); ++i) {
        SIZE size = {};
        const CString& label = m_tabs[i]->label;
        ::GetTextExtentPoint32A(dc, label, label.GetLength(), &size);
        extents.push_back(horizontal ? size.cx : size.cy);
        m_tabs[i]->width = horizontal ? size.cx + 2 * t3::kPadding : size.cy + 2 * t3::kPadding;
    }
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(m_hWnd, dc);
    m_rects = t3::LayoutTabs(GetSide(), client, extents, m_hasCurrent ? m_current : -1);
}

void SEC3DTabControl::OnActivateTab(int) { RecalcLayout(); }

RECT SEC3DTabControl::GetTabRect(int index) const {
    return index >= 0 && index < static_cast<int>(m_rects.size()) ? m_rects[index] : RECT{0, 0, 0, 0};
}

int SEC3DTabControl::TabAt(POINT point) const {
    return t3::HitTest(m_rects, EnabledFlags(), m_hasCurrent ? m_current : -1, point);
}

BOOL SEC3DTabControl::HitTestTab(int index, POINT point) const {
    RECT r = GetTabRect(index);
    return IsTabEnabled(index) && ::PtInRect(&r, point);
}

void SEC3DTabControl::InvalidateTab(int index) {
    if (m_hWnd == nullptr) return;
    RECT r = GetTabRect(index);
    // Room for the tab's raised form too.
    ::InflateRect(&r, t3::kRaise, t3::kRaise);
    InvalidateRect(&r, FALSE);
}

void SEC3DTabControl::OnSize(UINT, int, int) {
    RecalcLayout();
    Invalidate(FALSE);
}

void SEC3DTabControl::OnDestroy() {
    DeleteAllTabs();
    m_rects.clear();
    CWnd::OnDestroy();
}

// Painting: everything into an off-screen bitmap first.

BOOL SEC3DTabControl::OnEraseBkgnd(CDC*) { return TRUE; }

void SEC3DTabControl::DrawTabFace(HDC dc, int index) {
    RECT r = m_rects[index];
    ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
    // Every side but the one along the edge.
    UINT sides = BF_RECT;
    switch (GetSide()) {
        case t3::kBottom: sides &= ~BF_BOTTOM; break;
        case t3::kLeft: sides &= ~BF_LEFT; break;
        case t3::kRight: sides &= ~BF_RIGHT; break;
        default: sides &= ~BF_TOP; break;
    }
    ::DrawEdge(dc, &r, EDGE_RAISED, sides);
    const bool enabled = IsTabEnabled(index) != FALSE;
    ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const CString& label = m_tabs[index]->label;
    ::DrawTextA(dc, label, label.GetLength(), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (m_hasCurrent && index == m_current && ::GetFocus() == m_hWnd && ParentWantsFocus()) {
        RECT focus = r;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(dc, &focus);
    }
}

void SEC3DTabControl::DrawEdgeLines(HDC dc, const RECT& client) {
    // Outermost first: black, shadow, face, highlight.
    const COLORREF colours[t3::kEdge] = {RGB(0, 0, 0), ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNFACE),
                                         ::GetSysColor(COLOR_BTNHIGHLIGHT)};
    const bool omitOuter = (m_style & t3::kNoOuterEdgeLines) != 0;
    const RECT edge = t3::EdgeRect(GetSide(), client);
    for (int d = 0; d < t3::kEdge; ++d) {
        if (omitOuter && d >= 2) continue;  // no face and highlight lines
        RECT line = edge;
        switch (GetSide()) {
            case t3::kBottom: line.top = edge.bottom - 1 - d, line.bottom = line.top + 1; break;
            case t3::kLeft: line.left = edge.left + d, line.right = line.left + 1; break;
            case t3::kRight: line.left = edge.right - 1 - d, line.right = line.left + 1; break;
            default: line.top = edge.top + d, line.bottom = line.top + 1; break;
        }
        HBRUSH brush = ::CreateSolidBrush(colours[d]);
        ::FillRect(dc, &line, brush);
        ::DeleteObject(brush);
    }
}

void SEC3DTabControl::OnPaint() {
    PAINTSTRUCT paint;
    HDC windowDC = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    HDC dc = ::CreateCompatibleDC(windowDC);
    HBITMAP bitmap = dc != nullptr ? ::CreateCompatibleBitmap(windowDC, width, height) : nullptr;
    if (bitmap == nullptr) {
        if (dc != nullptr) ::DeleteDC(dc);
        ::EndPaint(m_hWnd, &paint);
        return;
    }
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    HGDIOBJ oldFont = ::SelectObject(dc, m_font);
    ::SetBkMode(dc, TRANSPARENT);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (int i = 0; i < static_cast<int>(m_rects.size()); ++i)
        if (!m_hasCurrent || i != m_current) DrawTabFace(dc, i);
    DrawEdgeLines(dc, client);
    if (m_hasCurrent && m_current < static_cast<int>(m_rects.size())) DrawTabFace(dc, m_current);
    ::BitBlt(windowDC, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(m_hWnd, &paint);
}

// Mouse

LRESULT SEC3DTabControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        // The tooltip hears of the mouse first.
        MSG msg = {m_hWnd, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {0, 0}};
        DWORD pos = ::GetMessagePos();
        msg.pt = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
        FilterToolTipMessage(&msg);
    }
    return SECTabControlBase::WindowProc(message, wParam, lParam);
}

INT_PTR SEC3DTabControl::OnToolHitTest(CPoint point, TOOLINFO* info) const {
    const int index = TabAt(point);
    if (index < 0) return -1;
    if (info != nullptr) {
        const CString& label = m_tabs[index]->label;
        info->hwnd = m_hWnd;
        info->rect = m_rects[index];
        info->uId = static_cast<UINT_PTR>(index + 1);
        char* text = static_cast<char*>(std::malloc(label.GetLength() + 1));  // freed by the tooltip code
        if (text != nullptr) std::memcpy(text, static_cast<LPCSTR>(label), label.GetLength() + 1);
        info->lpszText = text;
    }
    return index + 1;
}

bool SEC3DTabControl::ParentWantsFocus() const {
    HWND parent = ::GetParent(m_hWnd);
    return parent != nullptr && (::GetWindowLongPtrA(parent, GWL_STYLE) & WS_TABSTOP) != 0;
}

void SEC3DTabControl::OnLButtonDown(UINT, CPoint point) {
    const int index = TabAt(point);
    if (index >= 0) {
        if (m_hasCurrent && index == m_current) {
            ReactivateTab();
            if (m_style & t3::kMovableTabs) {
                m_dragging = TRUE;
                SetCapture();
            }
        } else {
            ActivateTab(index);
        }
        if (ParentWantsFocus() && ::GetFocus() != m_hWnd) SetFocus();
    }
    Default();
}

void SEC3DTabControl::OnMouseMove(UINT, CPoint point) {
    if (m_dragging && m_hasCurrent) {
        const int index = TabAt(point);
        if (index >= 0 && index != m_current) MoveCurrentTab(index);
    }
    Default();
}

void SEC3DTabControl::OnLButtonUp(UINT, CPoint) {
    if (m_dragging) {
        m_dragging = FALSE;
        ::ReleaseCapture();
    }
    Default();
}

void SEC3DTabControl::OnCaptureChanged(CWnd*) {
    m_dragging = FALSE;
    Default();
}

void SEC3DTabControl::MoveCurrentTab(int index) {
    const int from = m_current;
    std::unique_ptr<SECTab> tab = std::move(m_tabs[from]);
    m_tabs.erase(m_tabs.begin() + from);
    m_tabs.insert(m_tabs.begin() + index, std::move(tab));
    // The moved tab is current at its new place (the parent hears of the
    // new index); the focus stays where it was.
    HWND focus = ::GetFocus();
    CWnd* wnd = m_tabs[index]->wnd;
    SECTabChange change = {GetDlgCtrlID(), index, from, wnd, wnd};
    m_current = index;
    OnActivateTab(index);
    Invalidate(FALSE);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_TABSELECTED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    if (focus != nullptr && ::GetFocus() != focus) ::SetFocus(focus);
}

void SEC3DTabControl::OnLButtonDblClk(UINT, CPoint point) {
    Default();
    CWnd* parent = GetParent();
    if (parent == nullptr) return;
    for (int i = 0; i < static_cast<int>(m_rects.size()); ++i)
        if (HitTestTab(i, point)) parent->SendMessage(WM_TABDBLCLK, static_cast<WPARAM>(i), 0);
}

BOOL SEC3DTabControl::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(m_cursor != nullptr ? m_cursor : ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

// Keyboard and focus

UINT SEC3DTabControl::OnGetDlgCode() { return DLGC_WANTARROWS; }

void SEC3DTabControl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    int step = 0;
    if (key == VK_LEFT || key == VK_UP) step = -1;
    else if (key == VK_RIGHT || key == VK_DOWN) step = 1;
    if (step == 0 || GetTabCount() == 0) {
        CWnd::OnKeyDown(key, repeat, flags);
        return;
    }
    const int from = m_hasCurrent ? m_current : (step > 0 ? -1 : GetTabCount());
    const int to = t3::NextEnabled(EnabledFlags(), from, step);
    if (to != from && to >= 0 && to < GetTabCount()) ActivateTab(to);
    if (::GetFocus() != m_hWnd) SetFocus();
}

void SEC3DTabControl::OnSetFocus(CWnd* oldWnd) {
    CWnd::OnSetFocus(oldWnd);
    if (ParentWantsFocus()) Invalidate(FALSE);
}

void SEC3DTabControl::OnKillFocus(CWnd* newWnd) {
    CWnd::OnKillFocus(newWnd);
    if (ParentWantsFocus()) Invalidate(FALSE);
}
