#include "TabControl.h"

#include <algorithm>

#include "DC.h"
#include "TabGeometry.h"
#include "WindowMessages.h"

using namespace tab_geometry;

namespace {
// Auto-repeat of a held scroll button.
constexpr DWORD kFirstRepeatMs = 300;
constexpr DWORD kRepeatMs = 20;
constexpr int kScrollStep = 10;
}  // namespace

// ---- SECTabControlBase ---------------------------------------------------

SECTabControlBase::~SECTabControlBase() = default;

BOOL SECTabControlBase::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS);
    if (!CreateEx(0, windowClass, nullptr, style | WS_CHILD, rect, parent, id)) return FALSE;
    m_cursor = ::LoadCursorA(nullptr, IDC_ARROW);
    Initialize(style);
    return TRUE;
}

SECTab* SECTabControlBase::GetTab(int index) const {
    return index >= 0 && index < GetTabCount() ? m_tabs[index].get() : nullptr;
}

SECTab* SECTabControlBase::InsertTab(int index, LPCSTR label, CWnd* wnd, void* data, int extra) {
    index = std::clamp(index, 0, GetTabCount());
    std::unique_ptr<SECTab> tab(CreateNewTab());
    tab->label = label != nullptr ? label : "";
    tab->wnd = wnd;
    tab->data = data;
    tab->extra = extra;
    SECTab* inserted = tab.get();
    m_tabs.insert(m_tabs.begin() + index, std::move(tab));
    if (m_hasCurrent && m_current >= index) ++m_current;
    return inserted;
}

SECTab* SECTabControlBase::AddTab(LPCSTR label, CWnd* wnd, void* data, int extra) {
    return SECTabControlBase::InsertTab(GetTabCount(), label, wnd, data, extra);
}

void SECTabControlBase::DeleteTab(int index) {
    if (index < 0 || index >= GetTabCount()) return;
    for (int i = index; i < GetTabCount(); ++i) InvalidateTab(i);
    m_tabs.erase(m_tabs.begin() + index);
    if (m_hasCurrent) {
        const int wasCurrent = m_current;
        if (m_tabs.empty()) {
            m_hasCurrent = FALSE;
        } else if (m_current >= GetTabCount()) {
            m_hasCurrent = FALSE;
            ActivateTab(GetTabCount() - 1);
        } else if (wasCurrent == index) {
            m_hasCurrent = FALSE;
            ActivateTab(index);
        } else if (m_current > index) {
            --m_current;  // the current tab moved one place to the left
        }
    }
    for (int i = index; i < GetTabCount(); ++i) InvalidateTab(i);
    RecalcLayout();
}

void SECTabControlBase::RenameTab(int index, LPCSTR label) {
    if (index < 0 || index >= GetTabCount()) return;
    for (int i = index; i < GetTabCount(); ++i) InvalidateTab(i);
    m_tabs[index]->label = label != nullptr ? label : "";
    RecalcLayout();
    for (int i = index; i < GetTabCount(); ++i) InvalidateTab(i);
}

void SECTabControlBase::ActivateTab(int index) {
    if (index < 0 || index >= GetTabCount()) return;
    if (m_hasCurrent && m_current == index) return;
    SECTabChange change = {GetDlgCtrlID(), index, m_hasCurrent ? m_current : -1, m_tabs[index]->wnd,
                           m_hasCurrent ? m_tabs[m_current]->wnd : nullptr};
    if (m_hasCurrent && m_current < GetTabCount()) {
        m_tabs[m_current]->selected = FALSE;
        InvalidateTab(m_current);
    }
    m_current = index;
    m_hasCurrent = TRUE;
    m_tabs[index]->selected = TRUE;
    OnActivateTab(index);
    InvalidateTab(index);
    ScrollToTab(index);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_TABSELECTED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
}

void SECTabControlBase::ReactivateTab() {
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_TABREACTIVATED, static_cast<WPARAM>(m_current), 0);
}

void SECTabControlBase::SelectTab(int index) {
    if (index < 0 || index >= GetTabCount()) return;
    m_tabs[index]->selected = TRUE;
    InvalidateTab(index);
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_TABSELECTED, static_cast<WPARAM>(m_current), 0);
}

void SECTabControlBase::ClearSelection() {
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_tabs[i]->selected) {
            m_tabs[i]->selected = FALSE;
            InvalidateTab(i);
        }
    }
    m_hasCurrent = FALSE;
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_TABSELCLEARED, 0, 0);
}

BOOL SECTabControlBase::GetTabInfo(int index, LPCSTR& label, BOOL& selected, CWnd*& wnd, void*& data,
                                   int& extra) const {
    const SECTab* tab = GetTab(index);
    if (tab == nullptr) return FALSE;
    label = tab->label;
    selected = tab->selected;
    wnd = tab->wnd;
    data = tab->data;
    extra = tab->extra;
    return TRUE;
}

BOOL SECTabControlBase::FindTab(const CWnd* wnd, int& index) const {
    for (int i = GetTabCount() - 1; i >= 0; --i) {
        if (m_tabs[i]->wnd == wnd) {
            index = i;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL SECTabControlBase::GetCurrentTab(int& index) const {
    index = m_current;
    return m_hasCurrent;
}

void SECTabControlBase::DeleteAllTabs() { m_tabs.clear(); }

// ---- SECTabControl -------------------------------------------------------

BEGIN_MESSAGE_MAP(SECTabControl, SECTabControlBase)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

void SECTabControl::Initialize(DWORD style) {
    m_buttonSet = ButtonSetForStyle(style);
    m_metric = ::GetSystemMetrics(SM_CYHSCROLL);
    const int weights[3] = {FW_NORMAL, FW_NORMAL, FW_BOLD};
    for (int i = 0; i < 3; ++i) {
        m_fonts[i].CreateFont(m_metric - 1, 0, 0, 0, weights[i], 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, "Arial Narrow");
        m_pens[i].CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        m_textColours[i] = RGB(0, 0, 0);
    }
    m_brushes[kPlain].CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    m_brushes[kSelected].CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
    m_brushes[kCurrent].CreateSolidBrush(::GetSysColor(COLOR_WINDOW));
    m_shadowPen.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
}

void SECTabControl::RecalcLayout() {
    if (m_hWnd == nullptr) return;
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_fonts[kCurrent]);
    for (auto& tab : m_tabs) tab->width = dc.GetTextExtent(tab->label).cx + kLabelPadding;
    dc.SelectObject(old);
}

SECTab* SECTabControl::InsertTab(int index, LPCSTR label, CWnd* wnd, void* data, int extra) {
    SECTab* tab = SECTabControlBase::InsertTab(index, label, wnd, data, extra);
    RecalcLayout();
    int inserted = 0;
    for (int i = 0; i < GetTabCount(); ++i)
        if (m_tabs[i].get() == tab) inserted = i;
    InvalidateTabsFrom(inserted);
    UpdateButtons();
    return tab;
}

SECTab* SECTabControl::AddTab(LPCSTR label, CWnd* wnd, void* data, int extra) {
    SECTab* tab = SECTabControlBase::InsertTab(GetTabCount(), label, wnd, data, extra);
    RecalcLayout();
    InvalidateTab(GetTabCount() - 1);
    UpdateButtons();
    return tab;
}

RECT SECTabControl::GetTabArea() const {
    RECT client = {};
    if (m_hWnd != nullptr) GetClientRect(&client);
    client.left = ButtonBlockWidth(m_buttonSet, m_metric);
    return client;
}

int SECTabControl::GetTabX(int index) const {
    int x = m_offset + GetTabArea().left;
    for (int i = 0; i < index && i < GetTabCount(); ++i) x += m_tabs[i]->width - kOverlap;
    return x;
}

RECT SECTabControl::GetTabBox(int index) const {
    const RECT area = GetTabArea();
    const int x = GetTabX(index);
    const int width = index >= 0 && index < GetTabCount() ? m_tabs[index]->width : 0;
    return RECT{x, area.top, x + width, area.bottom};
}

RECT SECTabControl::GetButtonRect(int bit) const { return ButtonRect(m_buttonSet, bit, m_metric); }

void SECTabControl::TabRegion(int index, CRgn& region) const {
    const RECT box = GetTabBox(index);
    const auto corners = TabPolygon(box.left, box.right - box.left, box.top, box.bottom);
    region.CreatePolygonRgn(corners.data(), 4, ALTERNATE);
}

BOOL SECTabControl::HitTestTab(int index, POINT point) const {
    if (index < 0 || index >= GetTabCount()) return FALSE;
    const RECT box = GetTabBox(index);
    return PointInTab(box.left, box.right - box.left, box.top, box.bottom, point);
}

int SECTabControl::TabAt(POINT point) const {
    for (int i = 0; i < GetTabCount(); ++i)
        if (HitTestTab(i, point)) return i;
    return -1;
}

void SECTabControl::InvalidateTab(int index) {
    if (m_hWnd == nullptr || index < 0 || index >= GetTabCount()) return;
    CRgn region;
    TabRegion(index, region);
    InvalidateRgn(&region, TRUE);
}

void SECTabControl::InvalidateTabsFrom(int index) {
    for (int i = index; i < GetTabCount(); ++i) InvalidateTab(i);
}

void SECTabControl::UpdateButtons() {
    if (m_hWnd == nullptr) return;
    RECT client;
    GetClientRect(&client);
    const int lastRight = m_tabs.empty() ? 0 : GetTabBox(GetTabCount() - 1).right;
    const ButtonState state = tab_geometry::UpdateButtons(m_offset, GetTabCount(), client.right, lastRight);
    const int changed = state.disabled ^ m_disabledButtons;
    m_offset = state.offset;
    m_disabledButtons = state.disabled;
    for (int b = kFirst; b <= kLast; b <<= 1) {
        if ((m_buttonSet & b) && ((changed & b) || m_tabs.empty())) {
            const RECT r = GetButtonRect(b);
            InvalidateRect(&r, TRUE);
        }
    }
}

void SECTabControl::ScrollTabArea(int oldOffset) {
    if (m_offset == oldOffset) return;
    const RECT area = GetTabArea();
    ScrollWindow(m_offset - oldOffset, 0, &area, &area);
    UpdateWindow();
}

void SECTabControl::ScrollToTab(int index) {
    RECT client;
    GetClientRect(&client);
    if (::IsRectEmpty(&client) || index < 0 || index >= GetTabCount()) return;
    const int oldOffset = m_offset;
    const RECT area = GetTabArea();
    RECT box = GetTabBox(index);
    const int margin = (box.right - box.left) + 20 < (area.right - area.left) ? 20 : 0;
    if (box.right > area.right) m_offset += area.right - box.right - margin;
    box = GetTabBox(index);
    if (box.left < area.left) m_offset += margin + area.left - box.left;
    UpdateButtons();
    ScrollTabArea(oldOffset);
}

void SECTabControl::StepButton(int bit) {
    const int oldOffset = m_offset;
    switch (bit) {
        case kFirst: m_offset = 0; break;
        case kPrevious: m_offset += kScrollStep; break;
        case kNext: m_offset -= kScrollStep; break;
        case kLast:
            if (!m_tabs.empty()) m_offset += GetTabArea().right - GetTabBox(GetTabCount() - 1).right;
            break;
    }
    UpdateButtons();
    ScrollTabArea(oldOffset);
}

void SECTabControl::PressButton(int bit) {
    m_pressedButton = bit;
    const RECT r = GetButtonRect(bit);
    InvalidateRect(&r, TRUE);
    if (m_disabledButtons & bit) return;
    StepButton(bit);
    // Held down, Previous and Next repeat until the button is let go; the
    // thread's other messages are served meanwhile.
    SetCapture();
    DWORD lastStep = ::GetTickCount();
    DWORD delay = kFirstRepeatMs;
    for (;;) {
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            const bool released = msg.message == WM_LBUTTONUP;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            if (released || ::GetCapture() != m_hWnd) break;
            continue;
        }
        if (::GetTickCount() - lastStep > delay && (bit == kPrevious || bit == kNext) &&
            !(m_disabledButtons & bit)) {
            StepButton(bit);
            lastStep = ::GetTickCount();
            delay = kRepeatMs;
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void SECTabControl::OnDestroy() {
    DeleteAllTabs();
    for (int i = 0; i < 3; ++i) {
        m_fonts[i].DeleteObject();
        m_brushes[i].DeleteObject();
        m_pens[i].DeleteObject();
    }
    m_shadowPen.DeleteObject();
    CWnd::OnDestroy();
}

BOOL SECTabControl::OnEraseBkgnd(CDC* dc) {
    RECT client;
    GetClientRect(&client);
    ::FillRect(dc->GetSafeHdc(), &client, m_brushes[kPlain]);
    return TRUE;
}

void SECTabControl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    const int oldOffset = m_offset;
    UpdateButtons();
    ScrollTabArea(oldOffset);
}

void SECTabControl::DrawButton(CDC* dc, int bit) {
    HDC hdc = dc->GetSafeHdc();
    RECT r = GetButtonRect(bit);
    const bool pressed = m_pressedButton == bit;
    ::FillRect(hdc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
    ::FrameRect(hdc, &r, ::GetSysColorBrush(COLOR_WINDOWFRAME));
    RECT inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    auto line = [hdc](int x1, int y1, int x2, int y2, int colour) {
        HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(colour));
        HGDIOBJ old = ::SelectObject(hdc, pen);
        ::MoveToEx(hdc, x1, y1, nullptr);
        ::LineTo(hdc, x2, y2);
        ::SelectObject(hdc, old);
        ::DeleteObject(pen);
    };
    if (pressed) {
        line(inner.left, inner.bottom - 1, inner.left, inner.top, COLOR_BTNSHADOW);
        line(inner.left, inner.top, inner.right, inner.top, COLOR_BTNSHADOW);
    } else {
        line(inner.left, inner.bottom - 1, inner.left, inner.top, COLOR_BTNHIGHLIGHT);
        line(inner.left, inner.top, inner.right, inner.top, COLOR_BTNHIGHLIGHT);
        line(inner.right - 1, inner.top, inner.right - 1, inner.bottom - 1, COLOR_BTNSHADOW);
        line(inner.left, inner.bottom - 1, inner.right, inner.bottom - 1, COLOR_BTNSHADOW);
    }
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int gw = std::max(2, static_cast<int>(w * 0.3)), gh = std::max(3, static_cast<int>(h * 0.55));
    const int shift = pressed ? 1 : 0;
    const int left = r.left + (w - gw) / 2 + shift, top = r.top + (h - gh) / 2 + shift;
    const bool pointsLeft = bit == kFirst || bit == kPrevious;
    POINT glyph[3];
    if (pointsLeft)
        glyph[0] = {left, top + gh / 2}, glyph[1] = {left + gw, top}, glyph[2] = {left + gw, top + gh};
    else
        glyph[0] = {left + gw, top + gh / 2}, glyph[1] = {left, top}, glyph[2] = {left, top + gh};
    const COLORREF colour = (m_disabledButtons & bit) ? ::GetSysColor(COLOR_BTNSHADOW) : RGB(0, 0, 0);
    HBRUSH brush = ::CreateSolidBrush(colour);
    HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = ::SelectObject(hdc, brush), oldPen = ::SelectObject(hdc, pen);
    ::Polygon(hdc, glyph, 3);
    if (bit == kFirst) ::Rectangle(hdc, left - 2, top, left, top + gh + 1);
    if (bit == kLast) ::Rectangle(hdc, left + gw + 1, top, left + gw + 3, top + gh + 1);
    ::SelectObject(hdc, oldBrush);
    ::SelectObject(hdc, oldPen);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
}

void SECTabControl::DrawTab(CDC* dc, int index, CRgn* region) {
    HDC hdc = dc->GetSafeHdc();
    const SECTab& tab = *m_tabs[index];
    RECT box;
    ::GetRgnBox(*region, &box);
    const int x = GetTabX(index), width = tab.width;
    const RECT area = GetTabArea();
    POINT fill[4] = {{x, area.top}, {x + kSlant, area.bottom}, {x + width - 7, area.bottom}, {x + width - 2, area.top}};
    ::Polygon(hdc, fill, 4);
    const POINT p0 = {box.left, box.top};
    const POINT p1 = {box.left + kSlant, box.bottom - 1};
    const POINT p2 = {p1.x + width - 12, p1.y};
    const POINT p3 = {p2.x + kSlant, box.top};
    ::MoveToEx(hdc, p0.x, p0.y, nullptr);
    ::LineTo(hdc, p1.x, p1.y);
    HGDIOBJ pen = ::SelectObject(hdc, m_shadowPen);
    ::LineTo(hdc, p2.x - 2, p2.y);
    ::LineTo(hdc, p3.x - 2, p3.y);
    ::SelectObject(hdc, pen);
    ::MoveToEx(hdc, p2.x - 1, p2.y, nullptr);
    ::LineTo(hdc, p3.x - 1, p3.y);
    const CSize text = dc->GetTextExtent(tab.label);
    ::SetTextAlign(hdc, TA_BOTTOM);
    const int baseline = box.top + (p1.y - box.top + text.cy) / 2;
    dc->TextOut(p1.x + (width - text.cx - 12) / 2, baseline, tab.label);
}

void SECTabControl::OnPaint() {
    CPaintDC dc(this);
    HDC hdc = dc.GetSafeHdc();
    ::SetBkMode(hdc, TRANSPARENT);
    RECT clip;
    dc.GetClipBox(&clip);
    for (int b = kFirst; b <= kLast; b <<= 1) {
        if (!(m_buttonSet & b)) continue;
        RECT r = GetButtonRect(b), meet;
        if (::IntersectRect(&meet, &r, &clip)) DrawButton(&dc, b);
    }
    const RECT area = GetTabArea();
    dc.IntersectClipRect(&area);
    auto drawKind = [&](int kind, auto wanted) {
        HGDIOBJ oldFont = ::SelectObject(hdc, m_fonts[kind]);
        HGDIOBJ oldBrush = ::SelectObject(hdc, m_brushes[kind]);
        HGDIOBJ oldPen = ::SelectObject(hdc, m_pens[kind]);
        ::SetTextColor(hdc, m_textColours[kind]);
        for (int i = 0; i < GetTabCount(); ++i) {
            if (!wanted(i)) continue;
            CRgn region;
            TabRegion(i, region);
            if (::RectInRegion(region, &clip)) DrawTab(&dc, i, &region);
        }
        ::SelectObject(hdc, oldFont);
        ::SelectObject(hdc, oldBrush);
        ::SelectObject(hdc, oldPen);
    };
    auto isCurrent = [this](int i) { return m_hasCurrent && i == m_current; };
    drawKind(kPlain, [&](int i) { return !isCurrent(i) && !m_tabs[i]->selected; });
    drawKind(kSelected, [&](int i) { return !isCurrent(i) && m_tabs[i]->selected; });
    drawKind(kCurrent, isCurrent);
    // The top line joins the current tab to the window above.
    HGDIOBJ oldPen = ::SelectObject(hdc, m_pens[kCurrent]);
    if (m_hasCurrent && m_current < GetTabCount()) {
        const RECT box = GetTabBox(m_current);
        if (1 + ButtonBlockWidth(m_buttonSet, m_metric) < box.left) {
            ::MoveToEx(hdc, area.left, area.top, nullptr);
            ::LineTo(hdc, box.left, area.top);
        }
        ::MoveToEx(hdc, box.right - 1, area.top, nullptr);
        ::LineTo(hdc, area.right, area.top);
    } else {
        ::MoveToEx(hdc, area.left, area.top, nullptr);
        ::LineTo(hdc, area.right, area.top);
    }
    ::SelectObject(hdc, oldPen);
}

void SECTabControl::OnLButtonDown(UINT flags, CPoint point) {
    if (const int button = ButtonAt(m_buttonSet, m_metric, point)) {
        PressButton(button);
        return;
    }
    const int clicked = TabAt(point);
    if (clicked < 0) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    if (flags & MK_CONTROL) {
        m_tabs[clicked]->selected = !m_tabs[clicked]->selected;
        if (m_hasCurrent && m_current == clicked) m_hasCurrent = FALSE;
        InvalidateTab(clicked);
    } else if (flags & MK_SHIFT) {
        // Without a current tab the range is the clicked tab alone.
        const int anchor = m_hasCurrent ? m_current : clicked;
        const int from = std::min(anchor, clicked), to = std::max(anchor, clicked);
        m_hasCurrent = FALSE;
        for (int i = 0; i < GetTabCount(); ++i) {
            const BOOL select = i >= from && i <= to;
            if (m_tabs[i]->selected != select) {
                m_tabs[i]->selected = select;
                InvalidateTab(i);
            }
        }
        ActivateTab(clicked);
    } else if (m_hasCurrent && m_current == clicked) {
        ReactivateTab();
    } else {
        for (int i = 0; i < GetTabCount(); ++i) {
            if (m_tabs[i]->selected || i == clicked) {
                m_tabs[i]->selected = FALSE;
                InvalidateTab(i);
            }
        }
        ActivateTab(clicked);
    }
    CWnd::OnLButtonDown(flags, point);
}

void SECTabControl::OnLButtonUp(UINT flags, CPoint point) {
    if (m_pressedButton != 0) {
        const RECT r = GetButtonRect(m_pressedButton);
        InvalidateRect(&r, TRUE);
        m_pressedButton = 0;
    }
    CWnd::OnLButtonUp(flags, point);
}

void SECTabControl::OnLButtonDblClk(UINT flags, CPoint point) {
    if (const int button = ButtonAt(m_buttonSet, m_metric, point)) {
        PressButton(button);
        return;
    }
    const int hit = TabAt(point);
    CWnd::OnLButtonDblClk(flags, point);
    // A miss is -1, so that it cannot be taken for the first tab.
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_TABDBLCLK, static_cast<WPARAM>(hit), 0);
}

BOOL SECTabControl::OnSetCursor(CWnd*, UINT, UINT) {
    ::SetCursor(m_cursor);
    return TRUE;
}

BOOL SECTabControl::SetFontStyle(CFont* font, int which, BOOL redraw) {
    if (font == nullptr || which < 0 || which > 2) return FALSE;
    LOGFONTA wanted = {}, old = {};
    if (!::GetObjectA(*font, sizeof wanted, &wanted)) return FALSE;
    ::GetObjectA(m_fonts[which], sizeof old, &old);
    m_fonts[which].DeleteObject();
    BOOL made = m_fonts[which].CreateFontIndirect(&wanted);
    if (!made) m_fonts[which].CreateFontIndirect(&old);
    if (redraw) {
        if (which == kCurrent) {
            if (m_hasCurrent) InvalidateTab(m_current);
        } else {
            InvalidateTabsFrom(0);
        }
    }
    return made;
}
