#include "SECControlBar.h"

#include "DC.h"
#include "DockBar.h"
#include "DockContext.h"
#include "FrameWnd.h"
#include "Menu.h"
#include "MiniFrameWnd.h"
#include "SECDockBar.h"
#include "SECDockContext.h"
#include "ToolkitResources.h"
#include "WindowMessages.h"

IMPLEMENT_DYNAMIC(SECControlBar, CControlBar)

BEGIN_MESSAGE_MAP(SECControlBar, CControlBar)
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_SEC_ALLOW_DOCKING, OnAllowDocking)
    ON_COMMAND(ID_SEC_HIDE_BAR, OnHideBar)
END_MESSAGE_MAP()

SECControlBar::SECControlBar() = default;

SECControlBar::~SECControlBar() = default;

BOOL SECControlBar::Create(CWnd* parent, LPCSTR windowName, DWORD style, DWORD exStyle, UINT id,
                           CCreateContext* context) {
    return CreateEx(nullptr, windowName, id, style, exStyle, CRect(0, 0, 0, 0), parent, context);
}

BOOL SECControlBar::CreateEx(LPCSTR className, LPCSTR windowName, UINT id, DWORD style, DWORD exStyle,
                             const RECT& rect, CWnd* parent, CCreateContext* context) {
    m_dwStyle = style & CBRS_ALL;
    m_dwExStyle = exStyle;
    if (className == nullptr) className = CDockBar::WindowClass();
    if (!CWnd::CreateEx(0, className, windowName, (style & ~CBRS_ALL) | WS_CHILD, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, parent->GetSafeHwnd(),
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), context))
        return FALSE;
    if (m_dwExStyle & CBRS_EX_PROPORTIONAL) TakeChildLayout();
    m_szHorzDocked = m_szVertDocked = m_szFloat = CSize(defaultWidth, defaultHeight);
    EnableToolTips(TRUE);
    return TRUE;
}

CDockContext* SECControlBar::CreateDockContext() { return new SECDockContext(this); }

SECDockBar* SECControlBar::GetToolkitDockBar() const { return dynamic_cast<SECDockBar*>(m_pDockBar); }

// Gripper and borders

void SECControlBar::DrawBorders(CDC* dc, CRect& rect) {
    if (!(m_dwExStyle & CBRS_EX_OWNBORDERS)) {
        DrawEdgeLines(dc, rect);
        return;
    }
    const SECSysColorCache& colours = SECSysColorCache::Get();
    const COLORREF edge = (m_dwExStyle & CBRS_EX_SHADOWBORDERS) ? colours.btnShadow : colours.btnFace;
    if (m_dwStyle & CBRS_BORDER_LEFT) dc->FillSolidRect(rect.left++, rect.top, 1, rect.Height(), edge);
    if (m_dwStyle & CBRS_BORDER_TOP) dc->FillSolidRect(rect.left, rect.top++, rect.Width(), 1, edge);
    if (m_dwStyle & CBRS_BORDER_RIGHT) dc->FillSolidRect(--rect.right, rect.top, 1, rect.Height(), edge);
    if (m_dwStyle & CBRS_BORDER_BOTTOM) dc->FillSolidRect(rect.left, --rect.bottom, rect.Width(), 1, edge);
    if (HasDockedGripper()) DrawGripper(dc, rect);
}

void SECControlBar::DrawEdgeLines(CDC* dc, CRect& rect) {
    const DWORD sides = m_dwStyle & CBRS_BORDER_ANY;
    if (sides == 0) return;
    const SECSysColorCache& colours = SECSysColorCache::Get();
    // Flat in the face colour, unless the bar asks for shadowed borders.
    const BOOL shadowed = (m_dwExStyle & CBRS_EX_SHADOWBORDERS) != 0;
    const COLORREF dark = shadowed ? (colours.newShell ? colours.btnShadow : colours.windowFrame) : colours.btnFace;
    const COLORREF light = shadowed ? colours.btnHighlight : colours.btnFace;
    const BOOL raised = (m_dwStyle & CBRS_BORDER_3D) != 0;
    const int y0 = rect.top + ((sides & CBRS_BORDER_TOP) ? colours.cyBorder : 0);
    const int h = rect.bottom - y0 - ((sides & CBRS_BORDER_BOTTOM) ? colours.cyBorder : 0);
    const int right = rect.right - (raised ? 2 : 1);
    const int bottom = rect.bottom - (raised ? 2 : 1);
    // Bars across the top or bottom run their side lines down the bar; bars
    // along the sides reach a little past it to meet their neighbours.
    const BOOL across = (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
    const int sideTop = across ? y0 : y0 - 2;
    const int sideLength = across ? h : h + 6;
    const int lightSideLength = across ? h : h + 3;
    const int lineLeft = across ? rect.left : rect.left + 2;
    const int lineWidth = across ? rect.Width() : rect.Width() - 3;
    const int lightLineLeft = across ? rect.left : rect.left + 1;
    if (sides & CBRS_BORDER_LEFT) {
        dc->FillSolidRect(rect.left, sideTop, 1, sideLength, dark);
        if (raised) dc->FillSolidRect(rect.left + 1, sideTop, 1, lightSideLength, light);
    }
    if (sides & CBRS_BORDER_TOP) {
        dc->FillSolidRect(lineLeft, rect.top, lineWidth, 1, dark);
        if (raised) dc->FillSolidRect(lightLineLeft, rect.top + 1, lineWidth, 1, light);
    }
    if (sides & CBRS_BORDER_RIGHT) {
        dc->FillSolidRect(right, sideTop, 1, sideLength, dark);
        if (raised) dc->FillSolidRect(right + 1, sideTop, 1, lightSideLength, light);
    }
    if (sides & CBRS_BORDER_BOTTOM) {
        dc->FillSolidRect(lineLeft, bottom, lineWidth, 1, dark);
        if (raised) dc->FillSolidRect(lightLineLeft, bottom + 1, lineWidth, 1, light);
    }
    if (sides & CBRS_BORDER_LEFT) rect.left += colours.cxBorder;
    if (sides & CBRS_BORDER_TOP) rect.top += colours.cyBorder;
    if (sides & CBRS_BORDER_RIGHT) rect.right -= colours.cxBorder;
    if (sides & CBRS_BORDER_BOTTOM) rect.bottom -= colours.cyBorder;
}

void SECControlBar::DrawGripper(CDC* dc, const CRect& area) {
    m_rectClose.SetRectEmpty();
    m_rectExpand.SetRectEmpty();
    if (IsFloating()) return;
    CRect rect = area;
    rect.DeflateRect(1, 1);
    const int inset = 3;
    const int button = 11;
    const BOOL horz = IsHorizontal();
    CRect strip = horz ? CRect(rect.left, rect.top + inset, rect.left + gripperSize, rect.bottom - inset)
                       : CRect(rect.left + inset, rect.top, rect.right - inset, rect.top + gripperSize);
    auto place = [&](CRect& target) {
        if (horz) {
            target.SetRect(strip.left + 2, strip.top, std::min<int>(strip.right - 4, strip.left + 2 + button),
                           strip.top + button);
            strip.top = target.bottom + 2;
        } else {
            target.SetRect(strip.right - button, strip.top + 2, strip.right, std::min<int>(strip.bottom - 4, strip.top + 2 + button));
            strip.right = target.left - 2;
        }
    };
    if ((m_dwExStyle & CBRS_EX_CLOSEBUTTON) && CanClose()) {
        place(m_rectClose);
        dc->DrawFrameControl(m_rectClose, DFC_CAPTION, DFCS_CAPTIONCLOSE | (m_bClosePressed ? DFCS_PUSHED : 0));
    }
    if ((m_dwExStyle & CBRS_EX_EXPANDBUTTON) && CanExpand()) {
        place(m_rectExpand);
        SECDockBar* dockBar = GetToolkitDockBar();
        const BOOL expanded = dockBar != nullptr && dockBar->IsExpanded(this);
        const BOOL enabled = dockBar != nullptr && dockBar->CanExpand(this);
        UINT state = horz ? (expanded ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT) : (expanded ? DFCS_SCROLLDOWN : DFCS_SCROLLUP);
        if (!enabled) state |= DFCS_INACTIVE;
        else if (m_bExpandPressed) state |= DFCS_PUSHED;
        CRect drawn = m_rectExpand;
        drawn.left -= 1;
        drawn.top -= 1;
        dc->DrawFrameControl(drawn, DFC_SCROLL, state);
    }
    const COLORREF light = SECSysColorCache::Get().btnHighlight;
    const COLORREF shadow = SECSysColorCache::Get().btnShadow;
    if (horz) {
        for (int x : {strip.left + 4, strip.left + 8}) dc->Draw3dRect(x, strip.top, 3, strip.Height(), light, shadow);
    } else {
        for (int y : {strip.top + 4, strip.top + 8}) dc->Draw3dRect(strip.left, y, strip.Width(), 3, light, shadow);
    }
}

void SECControlBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

void SECControlBar::DoPaint(CDC* dc) {
    CControlBar::DoPaint(dc);
    if (m_hWndRedraw != nullptr && ::IsWindow(m_hWndRedraw))
        ::RedrawWindow(m_hWndRedraw, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void SECControlBar::RedrawGripper() {
    if (m_hWnd != nullptr) SendMessage(WM_NCPAINT, 1);
}

CPoint SECControlBar::ClientToWindow(CPoint point) const {
    CRect window;
    GetWindowRect(&window);
    CPoint origin(0, 0);
    ClientToScreen(&origin);
    return CPoint(point.x + origin.x - window.left, point.y + origin.y - window.top);
}

// Mouse

LRESULT SECControlBar::OnNcHitTest(CPoint point) {
    // The borders and the gripper answer the mouse like the client area.
    CRect window;
    GetWindowRect(&window);
    if (window.PtInRect(point)) return HTCLIENT;
    return static_cast<LRESULT>(Default());
}

void SECControlBar::OnLButtonDown(UINT flags, CPoint point) {
    const CPoint at = ClientToWindow(point);
    if (!IsFloating() && (m_dwExStyle & CBRS_EX_CLOSEBUTTON) && CanClose() && m_rectClose.PtInRect(at)) {
        m_bClosePressed = TRUE;
        RedrawGripper();
        SetCapture();
        return;
    }
    SECDockBar* dockBar = GetToolkitDockBar();
    if (!IsFloating() && (m_dwExStyle & CBRS_EX_EXPANDBUTTON) && CanExpand() && m_rectExpand.PtInRect(at) &&
        dockBar != nullptr && dockBar->CanExpand(this)) {
        m_bExpandPressed = TRUE;
        RedrawGripper();
        SetCapture();
        return;
    }
    CControlBar::OnLButtonDown(flags, point);
}

void SECControlBar::OnLButtonUp(UINT flags, CPoint point) {
    if (!m_bClosePressed && !m_bExpandPressed) {
        Default();
        return;
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    const CPoint at = ClientToWindow(point);
    const BOOL close = m_bClosePressed && m_rectClose.PtInRect(at);
    const BOOL expand = m_bExpandPressed && m_rectExpand.PtInRect(at);
    m_bClosePressed = m_bExpandPressed = FALSE;
    RedrawGripper();
    (void)flags;
    if (close) {
        SendMessage(WM_COMMAND, ID_SEC_HIDE_BAR);
    } else if (expand) {
        if (SECDockBar* dockBar = GetToolkitDockBar()) {
            if (dockBar->IsExpanded(this)) dockBar->Contract(this);
            else dockBar->Expand(this);
        }
    }
}

void SECControlBar::OnLButtonDblClk(UINT flags, CPoint point) {
    const CPoint at = ClientToWindow(point);
    if (!IsFloating() && (m_rectClose.PtInRect(at) || m_rectExpand.PtInRect(at))) return;
    CControlBar::OnLButtonDblClk(flags, point);
}

// Context menu

void SECControlBar::OnContextMenu(CWnd*, CPoint point) {
    if (!(m_dwExStyle & CBRS_EX_CONTEXTMENU)) {
        Default();
        return;
    }
    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    menu.AppendMenu(MF_STRING | ((m_dwDockStyle & CBRS_ALIGN_ANY) ? MF_CHECKED : 0), ID_SEC_ALLOW_DOCKING,
                    "Allow Docking");
    menu.AppendMenu(MF_STRING, ID_SEC_HIDE_BAR, "Hide");
    OnExtendContextMenu(&menu);
    if (m_pDockContext != nullptr && m_pDockContext->m_pDockSite != nullptr)
        m_pDockContext->m_pDockSite->SendMessage(WM_SEC_EXTENDCONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd),
                                                 reinterpret_cast<LPARAM>(menu.GetSafeHmenu()));
    if (point.x == -1 && point.y == -1) {
        CRect client;
        GetClientRect(&client);
        point = CPoint(client.Width() / 4, 10);
        ClientToScreen(&point);
    }
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void SECControlBar::OnAllowDocking() {
    if (m_dwDockStyle & CBRS_ALIGN_ANY) {
        m_dwSavedDockStyle = m_dwDockStyle;
        if (!IsFloating() && m_pDockContext != nullptr) m_pDockContext->ToggleDocking();
        EnableDocking(0);
    } else {
        EnableDocking(m_dwSavedDockStyle);
    }
}

void SECControlBar::OnHideBar() {
    if (CFrameWnd* frame = GetDockingFrame()) frame->ShowControlBar(this, FALSE, FALSE);
}

void SECControlBar::SetExBarStyle(DWORD exStyle, BOOL recalc) {
    const bool changed = exStyle != m_dwExStyle;
    if (IsFloating()) {
        if (auto* frame = dynamic_cast<CMiniFrameWnd*>(GetParentFrame())) {
            const DWORD thick = (exStyle & CBRS_EX_FIXEDFRAME) ? MFS_4THICKFRAME : WS_THICKFRAME | MFS_THICKFRAME;
            const DWORD style = CMiniFrameWnd::WindowStyleFor(
                (frame->GetStyle() & ~(MFS_4THICKFRAME | MFS_THICKFRAME | WS_THICKFRAME)) | thick);
            ::SetWindowLongPtrA(frame->m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
            frame->SetWindowPos(nullptr, 0, 0, 0, 0,
                                SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
    m_dwExStyle = exStyle;
    if (!(exStyle & CBRS_EX_PROPORTIONAL)) m_pChildLayout.reset();
    else if (m_pChildLayout == nullptr && m_hWnd != nullptr) TakeChildLayout();
    if (changed && recalc && m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CSize SECControlBar::CalcFixedLayout(BOOL, BOOL horz) { return horz ? m_szHorzDocked : m_szVertDocked; }

CSize SECControlBar::CalcDynamicLayout(int length, DWORD mode) {
    if (mode & LM_COMMIT) {
        if (mode & LM_STRETCH) length = static_cast<int>(length * m_fProportionalWidth);
        if (mode & LM_HORZDOCK) {
            (mode & LM_LENGTHY ? m_szHorzDocked.cy : m_szHorzDocked.cx) = length;
        } else if (mode & LM_VERTDOCK) {
            (mode & LM_LENGTHY ? m_szVertDocked.cy : m_szVertDocked.cx) = length;
        } else if (mode & LM_LENGTHY) {
            m_szFloat.cy = length;
        } else {
            m_szFloat.cx = length;
            m_nMRUWidth = length;
        }
    }
    if (mode & (LM_HORZDOCK | LM_VERTDOCK)) return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
    return m_szFloat;
}

void SECControlBar::CalcInsideRect(CRect& rect, BOOL horz) const {
    if (!(m_dwExStyle & CBRS_EX_OWNBORDERS)) {
        CControlBar::CalcInsideRect(rect, horz);
        return;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += 1;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += 1;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= 1;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= 1;
    if (horz) {
        rect.left += HasDockedGripper() ? gripperSize : m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += HasDockedGripper() ? gripperSize : m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void SECControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void SECControlBar::GetInsideRect(CRect& rect) const {
    GetClientRect(&rect);
    const int inset = 3;
    if (HasDockedGripper()) {
        if (m_dwStyle & CBRS_ORIENT_HORZ) {
            rect.left += gripperSize;
            rect.top += inset;
        } else {
            rect.top += gripperSize;
            rect.left += inset;
        }
        rect.right -= inset;
        rect.bottom -= inset;
    } else if (m_dwExStyle & CBRS_EX_MARGINS) {
        rect.DeflateRect(m_rectMargins.left, m_rectMargins.top, m_rectMargins.right, m_rectMargins.bottom);
    }
}

// Tool tips of the gripper's buttons

INT_PTR SECControlBar::OnToolHitTest(CPoint point, TOOLINFO* info) const {
    const INT_PTR hit = CControlBar::OnToolHitTest(point, info);
    if (hit != -1 || IsFloating() || m_hWnd == nullptr) return hit;
    const CPoint at = ClientToWindow(point);
    INT_PTR button = -1;
    UINT text = 0;
    CRect rect;
    if (!m_rectClose.IsRectEmpty() && m_rectClose.PtInRect(at)) {
        button = SEC_HIT_CLOSE_BUTTON;
        text = IDS_SEC_HIDE_DOCKED;
        rect = m_rectClose;
    } else if (!m_rectExpand.IsRectEmpty() && m_rectExpand.PtInRect(at)) {
        const SECDockBar* dockBar = GetToolkitDockBar();
        const BOOL expanded = dockBar != nullptr && dockBar->IsExpanded(this);
        button = SEC_HIT_EXPAND_BUTTON;
        text = expanded ? IDS_SEC_CONTRACT_DOCKED : IDS_SEC_EXPAND_DOCKED;
        rect = m_rectExpand;
    }
    if (button == -1) return -1;
    if (info != nullptr && info->cbSize >= TTTOOLINFOA_V1_SIZE) {
        CString tip;
        tip.LoadString(text);
        // Back to client coordinates, where the tool lives.
        rect.OffsetRect(point - at);
        info->hwnd = m_hWnd;
        info->rect = rect;
        info->uId = static_cast<UINT_PTR>(button);
        // The framework frees the copy once the tooltip has taken it.
        info->lpszText = _strdup(tip);
    }
    return button;
}

// Child windows

void SECControlBar::TakeChildLayout() {
    auto layout = std::make_unique<ChildLayout>();
    GetInsideRect(layout->inside);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CRect rect;
        ::GetWindowRect(child, &rect);
        ScreenToClient(&rect);
        rect.OffsetRect(-layout->inside.left, -layout->inside.top);
        layout->children.emplace_back(child, rect);
    }
    m_pChildLayout = std::move(layout);
}

void SECControlBar::LayoutChildren() {
    CRect inside;
    GetInsideRect(inside);
    if (inside.Width() <= 0 || inside.Height() <= 0) return;
    const CRect& recorded = m_pChildLayout->inside;
    // A list taken before the bar had a size has nothing to scale by: the
    // children's places now become the ones to keep in proportion.
    if (recorded.Width() <= 0 || recorded.Height() <= 0) {
        TakeChildLayout();
        return;
    }
    HDWP batch = ::BeginDeferWindowPos(static_cast<int>(m_pChildLayout->children.size()));
    for (const auto& [child, rect] : m_pChildLayout->children) {
        if (!::IsWindow(child) || batch == nullptr) continue;
        const int left = inside.left + MulDiv(rect.left, inside.Width(), recorded.Width());
        const int top = inside.top + MulDiv(rect.top, inside.Height(), recorded.Height());
        const int right = inside.left + MulDiv(rect.right, inside.Width(), recorded.Width());
        const int bottom = inside.top + MulDiv(rect.bottom, inside.Height(), recorded.Height());
        batch = ::DeferWindowPos(batch, child, nullptr, left, top, right - left, bottom - top,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch != nullptr) ::EndDeferWindowPos(batch);
    if (IsFloating()) Invalidate();
}

void SECControlBar::OnSize(UINT type, int cx, int cy) {
    if (cx > 0 && cy > 0 && type != SIZE_MINIMIZED) {
        if ((m_dwExStyle & CBRS_EX_PROPORTIONAL) && m_pChildLayout != nullptr) {
            LayoutChildren();
        } else if (m_dwExStyle & CBRS_EX_FILLCHILD) {
            if (HWND child = ::GetWindow(m_hWnd, GW_CHILD)) {
                CRect inside;
                GetInsideRect(inside);
                ::SetWindowPos(child, nullptr, inside.left, inside.top, inside.Width(), inside.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    CControlBar::OnSize(type, cx, cy);
}

BOOL SECControlBar::OnEraseBkgnd(CDC* dc) {
    const BOOL erased = CControlBar::OnEraseBkgnd(dc);
    if ((m_dwExStyle & CBRS_EX_MARGINS) && !HasDockedGripper()) {
        // The margin strips in the face colour.
        CRect client;
        GetClientRect(&client);
        CRect inside;
        GetInsideRect(inside);
        const COLORREF face = SECSysColorCache::Get().btnFace;
        dc->FillSolidRect(client.left, client.top, client.Width(), inside.top - client.top, face);
        dc->FillSolidRect(client.left, inside.bottom, client.Width(), client.bottom - inside.bottom, face);
        dc->FillSolidRect(client.left, inside.top, inside.left - client.left, inside.Height(), face);
        dc->FillSolidRect(inside.right, inside.top, client.right - inside.right, inside.Height(), face);
    }
    return erased;
}

void SECControlBar::OnDestroy() {
    m_pChildLayout.reset();
    CControlBar::OnDestroy();
}
