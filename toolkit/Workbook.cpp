#include "Workbook.h"

#include <cstdlib>
#include <cstring>

#include "CmdUI.h"
#include "DC.h"
#include "FloatingMDIChild.h"
#include "Document.h"
#include "ResourceModule.h"
#include "WindowMessages.h"

namespace wg = workbook_geometry;

// ---- SECWorkbookClient ---------------------------------------------------

IMPLEMENT_DYNCREATE(SECWorkbookClient, CWnd)

BEGIN_MESSAGE_MAP(SECWorkbookClient, CWnd)
    ON_MESSAGE(WM_MDIACTIVATE, OnActivation)
    ON_MESSAGE(WM_WORKBOOK_REFRESHCLIENT, OnActivation)
END_MESSAGE_MAP()

void SECWorkbookClient::SetMargins(int left, int right, int top, int bottom) {
    m_left = left;
    m_right = right;
    m_top = top;
    m_bottom = bottom;
}

void SECWorkbookClient::GetMargins(int& left, int& right, int& top, int& bottom) const {
    left = m_left;
    right = m_right;
    top = m_top;
    bottom = m_bottom;
}

void SECWorkbookClient::CalcWindowRect(LPRECT rect, UINT adjustType) {
    rect->left += m_left;
    rect->right -= m_right;
    rect->top += m_top;
    rect->bottom -= m_bottom;
    CWnd::CalcWindowRect(rect, adjustType);
}

LRESULT SECWorkbookClient::OnActivation(WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (wParam != static_cast<WPARAM>(-1) && lParam != static_cast<LPARAM>(-1))
        result = DefWindowProc(WM_MDIACTIVATE, wParam, lParam);
    if (HWND frame = ::GetParent(m_hWnd)) ::SendMessageA(frame, WM_WORKBOOK_SHEETCHANGED, 0, 0);
    return result;
}

// ---- SECWorkbook ---------------------------------------------------------

BOOL SECWorkbook::workbookModeInProcess = FALSE;

IMPLEMENT_DYNCREATE(SECWorkbook, SECMDIFrameWnd)

BEGIN_MESSAGE_MAP(SECWorkbook, SECMDIFrameWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_WORKBOOK_SHEETCHANGED, OnSheetChanged)
END_MESSAGE_MAP()

SECWorkbook::SECWorkbook() { m_pFloatingMDIChildClass = RUNTIME_CLASS(SECControlBarWorksheet); }

SECWorkbook::~SECWorkbook() { delete m_toolTip; }

void SECWorkbook::SetWorkbookMode(BOOL on) {
    m_workbookMode = on;
    workbookModeInProcess = on;
    if (m_client != nullptr) {
        if (on)
            m_client->SetMargins(wg::kMargins.left, wg::kMargins.right, wg::kMargins.top, wg::kMargins.bottom);
        else
            m_client->SetMargins(0, 0, 0, 0);
    }
    RecalcLayout(TRUE);
}

void SECWorkbook::OnUpdateWorkbookMode(CCmdUI* cmdUI) { cmdUI->SetCheck(m_workbookMode); }

BOOL SECWorkbook::CreateClient(LPCREATESTRUCT cs, CMenu* windowMenu) {
    const BOOL created = SECMDIFrameWnd::CreateClient(cs, windowMenu);
    if (!created) return created;
    m_client = new SECWorkbookClient;
    if (!m_client->SubclassWindow(m_hWndMDIClient)) return created;  // kept, but inert
    m_tabFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (m_tabFont == nullptr) m_tabFont = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    m_highlightPen.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    m_blackPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_shadowPen.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    m_facePen.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    return created;
}

CRect SECWorkbook::GetClientAreaRect() const {
    CRect r;
    if (m_hWndMDIClient == nullptr) return r;
    ::GetWindowRect(m_hWndMDIClient, &r);
    ScreenToClient(&r);
    return r;
}

void SECWorkbook::GetWorkbookRect(CRect& rect) {
    rect = GetClientAreaRect();
    int l = 0, r = 0, t = 0, b = 0;
    if (m_client != nullptr) m_client->GetMargins(l, r, t, b);
    rect.InflateRect(l, t, r, b);
}

int SECWorkbook::RecomputeTabWidth() {
    return wg::TabWidth(GetClientAreaRect().Width(), GetSheetCount(), m_tabWidth);
}

int SECWorkbook::PositionOf(const SECWorksheet* sheet) const {
    int hidden = 0;
    for (int i = 0; i < sheet->m_index && i < GetSheetCount(); ++i)
        if (!(m_sheets[i]->GetStyle() & WS_VISIBLE)) ++hidden;
    return sheet->m_index - hidden;
}

bool SECWorkbook::IsRaised(SECWorksheet* sheet) const {
    return sheet->m_pressed || MDIGetActive() == sheet;
}

std::array<POINT, 7> SECWorkbook::GetTabPolygon(SECWorksheet* sheet) {
    return wg::TabPolygon(GetClientAreaRect(), m_tabWidth, PositionOf(sheet), IsRaised(sheet));
}

CRgn* SECWorkbook::MakeTabRegion(SECWorksheet* sheet, CRgn& region) {
    const auto points = GetTabPolygon(sheet);
    region.CreatePolygonRgn(points.data(), 7, ALTERNATE);
    return &region;
}

void SECWorkbook::InvalidateTab(SECWorksheet* sheet, BOOL toEnd) {
    if (sheet == nullptr || m_hWnd == nullptr) return;
    CRect client;
    GetClientRect(&client);
    const RECT area = wg::TabArea(GetClientAreaRect(), m_tabWidth, PositionOf(sheet), toEnd, client.right);
    InvalidateRect(&area, TRUE);
}

void SECWorkbook::InvalidateTabRow() {
    if (m_hWnd == nullptr) return;
    CRect client;
    GetClientRect(&client);
    const CRect mdi = GetClientAreaRect();
    const RECT row = {client.left, mdi.bottom + 4, client.right, mdi.bottom + wg::kTabHeight + 8};
    InvalidateRect(&row, TRUE);
}

void SECWorkbook::AddSheet(SECWorksheet* sheet) {
    sheet->m_index = GetSheetCount();
    m_sheets.push_back(sheet);
    const int width = RecomputeTabWidth();
    if (width != m_tabWidth) {
        m_tabWidth = width;
        if (m_workbookMode) InvalidateTabRow();
    } else if (m_workbookMode) {
        if (GetSheetCount() < 2)
            Invalidate(TRUE);
        else
            InvalidateTab(sheet);
    }
    if (m_toolTip == nullptr) {
        m_toolTip = new CToolTipCtrl;
        if (m_toolTip->Create(this, 0)) {
            m_toolTip->Activate(TRUE);
            EnableToolTips(TRUE);
        } else {
            delete m_toolTip;
            m_toolTip = nullptr;
        }
    }
}

int SECWorkbook::RemoveSheet(SECWorksheet* sheet) {
    int found = -1;
    for (int i = 0; i < GetSheetCount(); ++i)
        if (m_sheets[i] == sheet) found = i;
    if (found < 0) return 0;
    const int oldPosition = PositionOf(sheet);
    m_sheets.erase(m_sheets.begin() + found);
    if (m_client != nullptr)
        for (int i = found; i < GetSheetCount(); ++i) m_sheets[i]->m_index = i;
    if (!m_sheets.empty()) {
        const int width = RecomputeTabWidth();
        if (width != m_tabWidth) {
            m_tabWidth = width;
            if (m_workbookMode) InvalidateTabRow();
            return 1;
        }
    }
    if (m_workbookMode && m_hWnd != nullptr) {
        if (m_sheets.empty()) {
            Invalidate(TRUE);
        } else {
            CRect client;
            GetClientRect(&client);
            const RECT area = wg::TabArea(GetClientAreaRect(), m_tabWidth, oldPosition, TRUE, client.right);
            InvalidateRect(&area, TRUE);
        }
    }
    return 1;
}

CString SECWorkbook::GetSheetLabel(SECWorksheet* sheet) {
    if (sheet == nullptr) return CString();
    if (CDocument* document = sheet->GetActiveDocument()) return document->GetTitle();
    CString text;
    sheet->GetWindowText(text);
    return text;
}

BOOL SECWorkbook::IsTabLabelComplete(SECWorksheet* sheet) {
    if (sheet == nullptr) return FALSE;
    const CString label = GetSheetLabel(sheet);
    if (label.IsEmpty()) return FALSE;
    // Measured as drawn: with the icon room only when icons are shown.
    const RECT rect = wg::TabLabelRect(GetTabPolygon(sheet), m_showIcons ? 16 : 0);
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = m_tabFont != nullptr ? ::SelectObject(dc, m_tabFont) : nullptr;
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, label, label.GetLength(), &extent);
    if (old != nullptr) ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return extent.cx <= rect.right - rect.left;
}

HICON SECWorkbook::GetSheetIcon(SECWorksheet* sheet) {
    return sheet != nullptr && m_showIcons ? sheet->m_icon : nullptr;
}

BOOL SECWorkbook::SetSheetIcon(SECWorksheet* sheet, HICON icon, BOOL redraw) {
    if (sheet == nullptr) return FALSE;
    // The sheet owns its icon: a replaced one is destroyed, and the caller's
    // icon is copied so that the sheet may destroy its own.
    if (sheet->m_icon != nullptr) ::DestroyIcon(sheet->m_icon);
    sheet->m_icon = icon != nullptr ? ::CopyIcon(icon) : nullptr;
    if (redraw) InvalidateTab(sheet);
    return TRUE;
}

void SECWorkbook::RecalcLayout(BOOL notify) {
    SECMDIFrameWnd::RecalcLayout(notify);
    if (!m_workbookMode) return;
    const CRect free = QueryFreeRect();
    if (free != m_lastWorkbookRect) {
        if (!m_sheets.empty()) m_tabWidth = RecomputeTabWidth();
        Invalidate(TRUE);
        m_lastWorkbookRect = free;
    }
}

void SECWorkbook::DrawTab(CDC* dc, SECWorksheet* sheet) {
    HDC hdc = dc->GetSafeHdc();
    const auto p = GetTabPolygon(sheet);
    HRGN region = ::CreatePolygonRgn(p.data(), 7, ALTERNATE);
    HBRUSH face = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    ::FillRgn(hdc, region, face);
    HGDIOBJ old = ::SelectObject(hdc, m_shadowPen);
    ::MoveToEx(hdc, p[1].x + 1, p[1].y - 1, nullptr);
    ::LineTo(hdc, p[2].x, p[2].y - 2);
    ::LineTo(hdc, p[3].x, p[3].y - 2);
    ::LineTo(hdc, p[4].x - 2, p[4].y - 1);
    ::LineTo(hdc, p[5].x - 2, p[5].y);
    ::LineTo(hdc, p[5].x, p[5].y);
    ::SelectObject(hdc, m_highlightPen);
    ::MoveToEx(hdc, p[0].x, p[0].y + 1, nullptr);
    ::LineTo(hdc, p[1].x, p[1].y - 1);
    ::SelectObject(hdc, m_blackPen);
    ::MoveToEx(hdc, p[2].x + 1, p[2].y - 1, nullptr);
    ::LineTo(hdc, p[3].x, p[3].y - 1);
    ::LineTo(hdc, p[4].x - 2, p[4].y - 1);
    ::LineTo(hdc, p[5].x - 1, p[5].y);
    ::SelectObject(hdc, old);
    ::DeleteObject(face);
    ::DeleteObject(region);
}

void SECWorkbook::DrawTabLabel(CDC* dc, SECWorksheet* sheet) {
    HDC hdc = dc->GetSafeHdc();
    const int iconWidth = m_showIcons ? 16 : 0;
    const auto p = GetTabPolygon(sheet);
    if (HICON icon = GetSheetIcon(sheet))
        ::DrawIconEx(hdc, p[2].x + 1, p[0].y + 4, icon, iconWidth, iconWidth, 0, nullptr, DI_NORMAL);
    const CString label = GetSheetLabel(sheet);
    if (label.IsEmpty()) return;
    HGDIOBJ oldFont = m_tabFont != nullptr ? ::SelectObject(hdc, m_tabFont) : nullptr;
    RECT rect = wg::TabLabelRect(p, iconWidth);
    const int room = rect.right - rect.left;
    const std::string text = wg::ShortenLabel(static_cast<LPCSTR>(label), [hdc, room](const std::string& s) {
        SIZE extent = {};
        ::GetTextExtentPoint32A(hdc, s.c_str(), static_cast<int>(s.size()), &extent);
        return extent.cx <= room;
    });
    if (!text.empty()) ::DrawTextA(hdc, text.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (oldFont != nullptr) ::SelectObject(hdc, oldFont);
}

void SECWorkbook::DrawWorkbookBorder(CDC* dc) {
    HDC hdc = dc->GetSafeHdc();
    const CRect r = GetClientAreaRect();
    const int x0 = r.left - 5, x1 = r.right + 5, y1 = r.bottom + 5;
    HGDIOBJ old = ::SelectObject(hdc, m_shadowPen);
    ::MoveToEx(hdc, x0 + 1, y1 - 1, nullptr);
    ::LineTo(hdc, x1 - 1, y1 - 1);
    ::LineTo(hdc, x1 - 1, r.top - 4);
    ::SelectObject(hdc, m_highlightPen);
    ::MoveToEx(hdc, x1 - 1, r.top - 5, nullptr);
    ::LineTo(hdc, x0, r.top - 5);
    ::LineTo(hdc, x0, y1);
    ::SelectObject(hdc, m_blackPen);
    ::LineTo(hdc, x1, y1);
    ::LineTo(hdc, x1, r.top - 5);
    int l = 0, rt = 0, t = 0, b = 0;
    if (m_client != nullptr) m_client->GetMargins(l, rt, t, b);
    const int y = r.top - t;
    ::SelectObject(hdc, m_shadowPen);
    ::MoveToEx(hdc, r.left - l, y, nullptr);
    ::LineTo(hdc, r.right + rt, y);
    ::SelectObject(hdc, m_highlightPen);
    ::MoveToEx(hdc, r.left - l, y + 1, nullptr);
    ::LineTo(hdc, r.right + rt, y + 1);
    ::SelectObject(hdc, old);
}

void SECWorkbook::OnPaint() {
    CPaintDC dc(this);
    CRect mdiClient;
    if (m_hWndMDIClient != nullptr) ::GetClientRect(m_hWndMDIClient, &mdiClient);
    if (!m_workbookMode || mdiClient.IsRectEmpty()) return;
    const int oldMode = ::SetBkMode(dc.GetSafeHdc(), TRANSPARENT);
    for (SECWorksheet* sheet : m_sheets) {
        if (!(sheet->GetStyle() & WS_VISIBLE)) continue;
        DrawTab(&dc, sheet);
        DrawTabLabel(&dc, sheet);
    }
    DrawWorkbookBorder(&dc);
    // The active tab lies over its neighbours.
    if (!m_sheets.empty()) {
        auto* active = dynamic_cast<SECWorksheet*>(MDIGetActive());
        if (active != nullptr && (active->GetStyle() & WS_VISIBLE)) {
            DrawTab(&dc, active);
            DrawTabLabel(&dc, active);
        }
    }
    ::SetBkMode(dc.GetSafeHdc(), oldMode);
}

BOOL SECWorkbook::OnEraseBkgnd(CDC* dc) {
    HDC hdc = dc->GetSafeHdc();
    const CRect mdi = GetClientAreaRect();
    ::ExcludeClipRect(hdc, mdi.left, mdi.top, mdi.right, mdi.bottom);
    CRect client;
    GetClientRect(&client);
    const CRect free = QueryFreeRect();
    auto fill = [hdc](int colour, int x, int y, int w, int h) {
        HBRUSH brush = ::CreateSolidBrush(::GetSysColor(colour));
        HGDIOBJ old = ::SelectObject(hdc, brush);
        ::PatBlt(hdc, x, y, w, h, PATCOPY);
        ::SelectObject(hdc, old);
        ::DeleteObject(brush);
    };
    // Transparent bars (a flat toolbar) ask their parent for the background
    // under them, which lies outside the free area.
    fill(COLOR_BTNFACE, client.left, client.top, client.Width(), client.Height());
    if (free.IsRectEmpty()) return TRUE;
    if (free.bottom != client.bottom) fill(COLOR_BTNHIGHLIGHT, free.left, free.bottom - 1, free.Width(), 1);
    if (free.right != client.right) fill(COLOR_BTNHIGHLIGHT, free.right - 1, free.top + 1, 1, free.Height() - 2);
    if (free.bottom != client.bottom) fill(COLOR_BTNSHADOW, free.left, free.bottom - 2, free.Width(), 1);
    if (free.right != client.right) fill(COLOR_BTNSHADOW, free.right - 2, free.top, 1, free.Height() - 2);
    return TRUE;
}

void SECWorkbook::OnLButtonDown(UINT flags, CPoint point) {
    if (m_workbookMode) {
        CWnd* active = MDIGetActive();
        for (SECWorksheet* sheet : m_sheets) {
            if (!(sheet->GetStyle() & WS_VISIBLE) || sheet == active) continue;
            CRgn region;
            if (!::PtInRegion(*MakeTabRegion(sheet, region), point.x, point.y)) continue;
            if (AllowSheetActivation(sheet)) {
                sheet->m_pressed = TRUE;
                UpdateWindow();
                sheet->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
            }
            break;
        }
    }
    SECMDIFrameWnd::OnLButtonDown(flags, point);
}

void SECWorkbook::OnLButtonUp(UINT flags, CPoint point) {
    if (m_workbookMode)
        for (SECWorksheet* sheet : m_sheets) sheet->m_pressed = FALSE;
    SECMDIFrameWnd::OnLButtonUp(flags, point);
}

LRESULT SECWorkbook::OnSheetChanged(WPARAM, LPARAM) {
    if (m_lastActive < GetSheetCount()) InvalidateTab(m_sheets[m_lastActive]);
    BOOL maximized = FALSE;
    auto* active = dynamic_cast<SECWorksheet*>(MDIGetActive(&maximized));
    if (active != nullptr) InvalidateTab(active);
    m_lastActive = GetSheetCount();
    for (int i = 0; i < GetSheetCount(); ++i)
        if (m_sheets[i] == active) m_lastActive = i;
    if (MDIGetActive() != nullptr && !maximized) UpdateWindow();
    return 0;
}

INT_PTR SECWorkbook::OnToolHitTest(CPoint point, TOOLINFO* info) const {
    auto* self = const_cast<SECWorkbook*>(this);
    for (int i = 0; i < GetSheetCount(); ++i) {
        SECWorksheet* sheet = m_sheets[i];
        if (!(sheet->GetStyle() & WS_VISIBLE)) continue;
        CRgn region;
        self->MakeTabRegion(sheet, region);
        if (!::PtInRegion(region, point.x, point.y)) continue;
        if (self->IsTabLabelComplete(sheet)) return -1;
        if (info != nullptr) {
            const CString label = self->GetSheetLabel(sheet);
            info->hwnd = m_hWnd;
            ::GetRgnBox(region, &info->rect);
            info->uId = static_cast<UINT_PTR>(i + 1);
            char* text = static_cast<char*>(std::malloc(label.GetLength() + 1));
            if (text != nullptr) std::memcpy(text, static_cast<LPCSTR>(label), label.GetLength() + 1);
            info->lpszText = text;
        }
        return i + 1;
    }
    return -1;
}

void SECWorkbook::OnDestroy() {
    SECMDIFrameWnd::OnDestroy();
    if (m_client != nullptr) {
        if (m_client->m_hWnd != nullptr) m_client->UnsubclassWindow();
        delete m_client;
        m_client = nullptr;
    }
}

// ---- SECWorksheet --------------------------------------------------------

IMPLEMENT_DYNCREATE(SECWorksheet, SECMDIChildWnd)

BEGIN_MESSAGE_MAP(SECWorksheet, SECMDIChildWnd)
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

SECWorkbook* SECWorksheet::GetWorkbook() const { return dynamic_cast<SECWorkbook*>(GetMDIFrame()); }

BOOL SECWorksheet::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    if (!SECMDIChildWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
    if (SECWorkbook* book = GetWorkbook()) book->AddSheet(this);
    m_icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 16,
                                             16, LR_DEFAULTCOLOR));
    return TRUE;
}

void SECWorksheet::OnUpdateFrameTitle(BOOL addToTitle) {
    SECMDIChildWnd::OnUpdateFrameTitle(addToTitle);
    if (SECWorkbook* book = GetWorkbook()) book->InvalidateTab(this);
}

void SECWorksheet::OnShowWindow(BOOL show, UINT status) {
    SECMDIChildWnd::OnShowWindow(show, status);
    if (SECWorkbook* book = GetWorkbook()) book->InvalidateTab(this, TRUE);
}

void SECWorksheet::OnDestroy() {
    if (SECWorkbook* book = GetWorkbook()) book->RemoveSheet(this);
    SECMDIChildWnd::OnDestroy();
    if (m_icon != nullptr) ::DestroyIcon(m_icon);
    m_icon = nullptr;
}
