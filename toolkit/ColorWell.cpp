#include "ColorWell.h"

#include <vector>

#include "DC.h"
#include "Dialog.h"
#include "FileDialog.h"
#include "OwnerDrawButton.h"
#include "ResourceModule.h"
#include "WindowMessages.h"

using well_geometry::Grid;

namespace {

// The system's stock 20-colour palette, used when it cannot be read.
const COLORREF kDefaultColours[20] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
    RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255),
};

COLORREF WellColour(int index) {
    static const int kinds[] = {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNFACE,
                                COLOR_3DDKSHADOW,   COLOR_3DLIGHT,   COLOR_WINDOWFRAME};
    return ::GetSysColor(kinds[index]);
}
enum { kHighlight, kShadow, kFace, kDarkShadow, kLight, kFrame };

bool IsShiftDown() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

// ---- Other button --------------------------------------------------------

BEGIN_MESSAGE_MAP(SECWellOtherButton, CButton)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void SECWellOtherButton::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    const bool inPopup = dynamic_cast<SECPopupColorWell*>(m_well) != nullptr;
    if (inPopup && (key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)) {
        m_well->SetFocus();
    } else if (!inPopup && key == VK_TAB) {
        if (IsShiftDown()) {
            m_well->SetFocus();
        } else if (CWnd* dialog = m_well->GetParent()) {
            if (CWnd* next = dialog->GetNextDlgTabItem(m_well)) next->SetFocus();
        }
        return;
    }
    CButton::OnKeyDown(key, repeat, flags);
}

void SECWellOtherButton::OnKillFocus(CWnd* newWnd) {
    CButton::OnKillFocus(newWnd);
    auto* popup = dynamic_cast<SECPopupColorWell*>(m_well);
    if (popup != nullptr && popup->m_hWnd != nullptr && (newWnd == nullptr || newWnd->m_hWnd != popup->m_hWnd))
        popup->PostMessage(WM_CLOSE);
}

UINT SECWellOtherButton::OnGetDlgCode() { return DLGC_BUTTON | DLGC_WANTTAB; }

// ---- SECColorWell --------------------------------------------------------

IMPLEMENT_DYNAMIC(SECColorWell, CWnd)

BEGIN_MESSAGE_MAP(SECColorWell, CWnd)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_CTLCOLOR()
    ON_WM_SYSCOLORCHANGE()
    ON_COMMAND(SEC_IDC_WELL_OTHER, OnOther)
END_MESSAGE_MAP()

SECColorWell::SECColorWell() { m_faceBrush.CreateSolidBrush(WellColour(kFace)); }

SECColorWell::~SECColorWell() { delete m_otherButton; }

COLORREF SECColorWell::DefaultColor(int index) { return index >= 0 && index < 20 ? kDefaultColours[index] : 0; }

void SECColorWell::SetGridSize() {
    m_grid.columns = 4;
    m_grid.rows = 5;
}

void SECColorWell::Reset() {
    m_selection = {0, 0};
    m_grid.marginX = m_grid.marginY = 2;
    m_tracking = FALSE;
    m_grid.other = false;
    m_grid.customShown = false;
    m_focused = FALSE;
    delete m_otherButton;
    m_otherButton = nullptr;
    m_palette.DeleteObject();
}

void SECColorWell::CalcRect(RECT& rect, CWnd* parent, int x, int y, BOOL dialogUnits) {
    if (auto* dialog = dynamic_cast<CDialog*>(parent)) {
        RECT unit = {0, 0, 10, 10};
        dialog->MapDialogRect(&unit);
        m_grid.cellWidth = unit.right - unit.left;
        m_grid.cellHeight = unit.bottom - unit.top;
        if (dialogUnits) {
            RECT at = {x, y, x, y};
            dialog->MapDialogRect(&at);
            x = at.left;
            y = at.top;
        }
    } else {
        const LONG units = ::GetDialogBaseUnits();
        const int bx = LOWORD(units), by = HIWORD(units);
        m_grid.cellWidth = bx * 10 / 4;
        m_grid.cellHeight = by * 10 / 8;
        if (dialogUnits) {
            x = x * bx / 4;
            y = y * by / 8;
        }
    }
    const SIZE size = well_geometry::WellSize(m_grid);
    rect = RECT{x, y, x + size.cx, y + size.cy};
}

BOOL SECColorWell::CreateGridPalette() {
    const int gridCount = m_grid.columns * m_grid.rows;
    const int entries = gridCount + 1;
    std::vector<BYTE> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * entries);
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(entries);
    PALETTEENTRY* cells = palette->palPalEntry;
    int filled = static_cast<int>(
        ::GetPaletteEntries(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), 0, gridCount, cells));
    if (filled == 0) {
        filled = std::min(gridCount, 20);
        for (int i = 0; i < filled; ++i)
            cells[i] = {GetRValue(kDefaultColours[i]), GetGValue(kDefaultColours[i]), GetBValue(kDefaultColours[i]), 0};
    }
    AdjustColors(cells, gridCount, filled);
    cells[gridCount] = {0, 0, 0, 0};
    m_grid.customShown = false;
    m_palette.DeleteObject();
    return m_palette.CreatePalette(palette);
}

BOOL SECColorWell::Create(DWORD style, int x, int y, CWnd* parent, UINT id, BOOL dialogUnits, BOOL other,
                          LPVOID param) {
    SetGridSize();
    m_grid.other = other != FALSE;
    if (style & 1) m_grid.marginX = m_grid.marginY = 4;
    if (HasFocusFrame()) {
        ++m_grid.marginX;
        ++m_grid.marginY;
    }
    RECT rect;
    CalcRect(rect, parent, x, y, dialogUnits);
    CreateGridPalette();
    if (!CreateEx(0, AfxRegisterWndClass(GetClassStyle(), ::LoadCursorA(nullptr, IDC_ARROW)), nullptr,
                  style | WS_CHILD | WS_CLIPCHILDREN, rect, parent, id, param)) {
        m_palette.DeleteObject();
        return FALSE;
    }
    if (m_grid.other) {
        char caption[64] = "";
        if (::LoadStringA(AfxGetResourceHandle(), IDS_SEC_WELL_OTHER, caption, sizeof caption) <= 0)
            lstrcpynA(caption, "&Other...", sizeof caption);
        const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
        m_otherButton = new SECWellOtherButton(this);
        if (!m_otherButton->Create(caption, WS_CHILD | WS_VISIBLE, well_geometry::OtherButtonRect(m_grid, size), this,
                                   SEC_IDC_WELL_OTHER)) {
            delete m_otherButton;
            m_otherButton = nullptr;
            m_palette.DeleteObject();
            DestroyWindow();
            return FALSE;
        }
        if (parent != nullptr)
            if (HFONT font = reinterpret_cast<HFONT>(parent->SendMessage(WM_GETFONT)))
                m_otherButton->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    return TRUE;
}

COLORREF SECColorWell::CellColor(int column, int row) const {
    const int index = m_grid.IsCustom(column, row) ? m_grid.columns * m_grid.rows : column + row * m_grid.columns;
    PALETTEENTRY entry = {};
    if (m_palette.GetSafeHandle() == nullptr || m_palette.GetPaletteEntries(index, 1, &entry) != 1) return 0;
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void SECColorWell::InvalidateCell(int column, int row) {
    if (m_hWnd == nullptr) return;
    RECT cell = well_geometry::CellRect(m_grid, column, row);
    ::InflateRect(&cell, 1, 1);
    InvalidateRect(&cell, FALSE);
}

void SECColorWell::SetSelection(int column, int row) {
    InvalidateCell(m_selection.x, m_selection.y);
    m_selection = {column, row};
    InvalidateCell(column, row);
}

void SECColorWell::Notify() {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_SEC_COLORCHOSEN, static_cast<WPARAM>(GetDlgCtrlID()),
                            static_cast<LPARAM>(GetSelectedColor()));
}

void SECColorWell::OnSelect(int column, int row, int) {
    SetSelection(column, row);
    Notify();
}

void SECColorWell::SelectColor(COLORREF colour) {
    for (int c = 0; c < m_grid.columns; ++c) {
        for (int r = 0; r < m_grid.rows; ++r) {
            if (CellColor(c, r) == (colour & 0xFFFFFF)) {
                SetSelection(c, r);
                return;
            }
        }
    }
    if (!m_grid.other) return;
    PALETTEENTRY entry = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
    m_palette.SetPaletteEntries(m_grid.columns * m_grid.rows, 1, &entry);
    if (!m_grid.customShown) {
        m_grid.customShown = true;
        // The Other button gives room at its right end to the custom cell.
        if (m_otherButton != nullptr && m_otherButton->m_hWnd != nullptr) {
            RECT r;
            m_otherButton->GetWindowRect(&r);
            ScreenToClient(&r);
            r.right -= m_grid.cellWidth + 2;
            m_otherButton->MoveWindow(&r);
        }
    }
    SetSelection(m_grid.CustomColumn(), m_grid.CustomRow());
}

void SECColorWell::DrawCell(CDC* dc, int column, int row) {
    RECT cell = well_geometry::CellRect(m_grid, column, row);
    if (!dc->RectVisible(&cell)) return;
    dc->Draw3dRect(&cell, WellColour(kShadow), WellColour(kHighlight));
    ::InflateRect(&cell, -1, -1);
    dc->Draw3dRect(&cell, WellColour(kDarkShadow), WellColour(kLight));
    ::InflateRect(&cell, -1, -1);
    dc->FillSolidRect(&cell, CellColor(column, row));
}

void SECColorWell::DrawSelectedCell(CDC* dc, int column, int row) {
    RECT cell = well_geometry::CellRect(m_grid, column, row);
    ::InflateRect(&cell, 1, 1);
    if (!dc->RectVisible(&cell)) return;
    const COLORREF rings[3] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
    for (COLORREF ring : rings) {
        dc->Draw3dRect(&cell, ring, ring);
        ::InflateRect(&cell, -1, -1);
    }
    dc->FillSolidRect(&cell, CellColor(column, row));
}

void SECColorWell::Paint(CDC* dc) {
    RECT client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    RECT inner = client;
    if (HasFocusFrame()) {
        if (m_focused) {
            HBRUSH frame = ::CreateSolidBrush(::GetSysColor(COLOR_WINDOWFRAME));
            ::FrameRect(dc->GetSafeHdc(), &client, frame);
            ::DeleteObject(frame);
        }
        ::InflateRect(&inner, -1, -1);
    }
    if (GetStyle() & 1) {
        dc->Draw3dRect(&inner, WellColour(kLight), WellColour(kDarkShadow));
        ::InflateRect(&inner, -1, -1);
        dc->Draw3dRect(&inner, WellColour(kHighlight), WellColour(kShadow));
    }
    for (int c = 0; c < m_grid.columns; ++c)
        for (int r = 0; r < m_grid.rows; ++r)
            (c == m_selection.x && r == m_selection.y) ? DrawSelectedCell(dc, c, r) : DrawCell(dc, c, r);
    if (m_grid.other) {
        const int y = m_grid.marginY + m_grid.rows * (m_grid.cellHeight + 2);
        RECT line = {m_grid.marginX, y, client.right - m_grid.marginX, y + 2};
        dc->Draw3dRect(&line, WellColour(kShadow), RGB(255, 255, 255));
        if (m_grid.customShown) {
            const int c = m_grid.CustomColumn(), r = m_grid.CustomRow();
            (m_selection.x == c && m_selection.y == r) ? DrawSelectedCell(dc, c, r) : DrawCell(dc, c, r);
        }
    }
}

void SECColorWell::OnPaint() {
    CPaintDC paint(this);
    RECT client;
    GetClientRect(&client);
    HDC memory = ::CreateCompatibleDC(paint.GetSafeHdc());
    HBITMAP bitmap = memory != nullptr ? ::CreateCompatibleBitmap(paint.GetSafeHdc(), client.right, client.bottom)
                                       : nullptr;
    if (memory == nullptr || bitmap == nullptr) {
        Paint(&paint);
    } else {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        Paint(CDC::FromHandle(memory));
        RECT clip;
        paint.GetClipBox(&clip);
        ::BitBlt(paint.GetSafeHdc(), clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, memory,
                 clip.left, clip.top, SRCCOPY);
        ::SelectObject(memory, old);
    }
    if (bitmap != nullptr) ::DeleteObject(bitmap);
    if (memory != nullptr) ::DeleteDC(memory);
}

void SECColorWell::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    switch (key) {
        case VK_TAB:
            if (IsShiftDown()) {
                if (CWnd* parent = GetParent())
                    if (CWnd* previous = parent->GetNextDlgTabItem(this, TRUE)) previous->SetFocus();
                return;
            }
            if (m_otherButton != nullptr) {
                m_otherButton->SetFocus();
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            const POINT next = well_geometry::MoveSelection(m_grid, m_selection.x, m_selection.y, key);
            OnSelect(next.x, next.y, 0);
            return;
        }
    }
    CWnd::OnKeyDown(key, repeat, flags);
}

UINT SECColorWell::OnGetDlgCode() {
    return m_otherButton != nullptr ? DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS
                                    : DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void SECColorWell::DrawFocusFrame() {
    if (!HasFocusFrame() || m_hWnd == nullptr) return;
    HDC dc = ::GetWindowDC(m_hWnd);
    RECT client;
    GetClientRect(&client);
    HBRUSH brush = ::CreateSolidBrush(::GetSysColor(m_focused ? COLOR_WINDOWFRAME : COLOR_BTNFACE));
    ::FrameRect(dc, &client, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(m_hWnd, dc);
}

void SECColorWell::OnSetFocus(CWnd* oldWnd) {
    // Shift+Tab into the well lands on its last element, the Other button.
    if (m_otherButton != nullptr && IsShiftDown() && (oldWnd == nullptr || oldWnd->m_hWnd != m_otherButton->m_hWnd)) {
        m_otherButton->SetFocus();
        return;
    }
    CWnd::OnSetFocus(oldWnd);
    m_focused = TRUE;
    DrawFocusFrame();
}

void SECColorWell::OnKillFocus(CWnd* newWnd) {
    CWnd::OnKillFocus(newWnd);
    m_focused = FALSE;
    DrawFocusFrame();
}

void SECColorWell::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    int c, r;
    if (well_geometry::HitCell(m_grid, point, c, r)) {
        OnSelect(c, r, 2);
        return;
    }
    CWnd::OnLButtonDown(flags, point);
}

void SECColorWell::OnMouseMove(UINT flags, CPoint point) {
    int c, r;
    if (m_tracking && well_geometry::HitCell(m_grid, point, c, r) && (c != m_selection.x || r != m_selection.y))
        OnSelect(c, r, 1);
    CWnd::OnMouseMove(flags, point);
}

void SECColorWell::RunColorDialog() {
    CColorDialog dialog(0, 0, nullptr);
    dialog.m_cc.rgbResult = GetSelectedColor();
    dialog.m_cc.Flags |= m_colorDialogFlags;
    if (m_customColours != nullptr) dialog.m_cc.lpCustColors = m_customColours;
    if (dialog.DoModal() == IDOK) {
        SelectColor(dialog.GetColor());
        Notify();
    }
}

void SECColorWell::OnOther() { RunColorDialog(); }

HBRUSH SECColorWell::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_BTN) {
        dc->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        return m_faceBrush;
    }
    return CWnd::OnCtlColor(dc, wnd, ctlColor);
}

void SECColorWell::OnSysColorChange() {
    CWnd::OnSysColorChange();
    m_faceBrush.DeleteObject();
    m_faceBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    Invalidate();
}

// ---- SECPopupColorWell ---------------------------------------------------

IMPLEMENT_DYNAMIC(SECPopupColorWell, SECColorWell)

BEGIN_MESSAGE_MAP(SECPopupColorWell, SECColorWell)
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_KILLFOCUS()
    ON_COMMAND(SEC_IDC_WELL_OTHER, OnOther)
END_MESSAGE_MAP()

BOOL SECPopupColorWell::Open(DWORD style, const RECT& buttonRect, CWnd* parent, BOOL other, LPVOID param) {
    m_grid.other = other != FALSE;
    SetGridSize();
    RECT probe;
    CalcRect(probe, parent, 0, 0, FALSE);
    const int w = probe.right - probe.left, h = probe.bottom - probe.top;
    int y = buttonRect.bottom;
    if (y + h >= ::GetSystemMetrics(SM_CYSCREEN)) y = buttonRect.top - h;
    int x = buttonRect.left;
    if (x + w >= ::GetSystemMetrics(SM_CXSCREEN)) x = buttonRect.right - w;
    if (!Create(style | WS_POPUP | 1, x, y, parent, 0, FALSE, other, param)) return FALSE;
    SetFocus();
    m_tracking = TRUE;
    SetCapture();
    m_active = TRUE;
    return TRUE;
}

void SECPopupColorWell::PostNcDestroy() {
    m_active = FALSE;
    delete m_otherButton;
    m_otherButton = nullptr;
}

void SECPopupColorWell::Reset() {
    SECColorWell::Reset();
    m_owner = nullptr;
}

void SECPopupColorWell::Notify() {
    if (m_owner != nullptr && m_owner->GetSafeHwnd() != nullptr)
        m_owner->SendMessage(WM_SEC_COLORCHOSEN, 0, static_cast<LPARAM>(GetSelectedColor()));
}

void SECPopupColorWell::Close() {
    // Destroying takes the focus away, which asks for a close again.
    if (m_closing || m_hWnd == nullptr) return;
    m_closing = TRUE;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    DestroyWindow();
    m_closing = FALSE;
}

void SECPopupColorWell::OnSelect(int column, int row, int how) {
    SetSelection(column, row);
    if (how == 2) {
        Notify();
        Close();
    }
}

void SECPopupColorWell::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    switch (key) {
        case VK_TAB:
            if (m_otherButton != nullptr) m_otherButton->SetFocus();
            return;
        case VK_RETURN:
            OnSelect(m_selection.x, m_selection.y, 2);
            return;
        case VK_ESCAPE:
            Close();
            return;
        default:
            SECColorWell::OnKeyDown(key, repeat, flags);
    }
}

void SECPopupColorWell::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    if (key == VK_SPACE) {
        OnSelect(m_selection.x, m_selection.y, 2);
        return;
    }
    CWnd::OnKeyUp(key, repeat, flags);
}

void SECPopupColorWell::OnLButtonDown(UINT flags, CPoint point) {
    RECT client;
    GetClientRect(&client);
    if (::PtInRect(&client, point)) {
        if (m_otherButton != nullptr) {
            RECT other;
            m_otherButton->GetWindowRect(&other);
            ScreenToClient(&other);
            if (::PtInRect(&other, point)) {
                OnOther();
                return;
            }
        }
        SECColorWell::OnLButtonDown(flags, point);
        return;
    }
    POINT screen = point;
    ClientToScreen(&screen);
    HWND under = ::WindowFromPoint(screen);
    // A click on the well button that opened the pop-up leaves it open.
    if (m_owner != nullptr && under == m_owner->GetSafeHwnd()) return;
    Close();
    if (under != nullptr) {
        ::ScreenToClient(under, &screen);
        ::SendMessageA(under, WM_LBUTTONDOWN, flags, MAKELPARAM(screen.x, screen.y));
    }
}

void SECPopupColorWell::OnKillFocus(CWnd* newWnd) {
    SECColorWell::OnKillFocus(newWnd);
    if (m_otherButton != nullptr && newWnd != nullptr && newWnd->m_hWnd == m_otherButton->m_hWnd) return;
    Close();
}

void SECPopupColorWell::OnOther() {
    if (m_owner != nullptr && m_owner->GetSafeHwnd() != nullptr) m_owner->PostMessage(WM_SEC_COLORDIALOG);
    Close();
}
