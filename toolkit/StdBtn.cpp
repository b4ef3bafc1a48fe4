#include "StdBtn.h"

#include <algorithm>
#include <cstring>

#include "BmpMgr.h"
#include "MaskedDrawing.h"
#include "SECToolBarDrawContext.h"

BOOL SECStdBtn::s_bNotifying = FALSE;

namespace {

template <class Button>
SECStdBtn* CreateButtonOf() {
    return new Button;
}

// D & ~S.
constexpr DWORD kRopDestAndNotSource = 0x220326;

// A one-pixel frame: top and left in one colour, bottom and right in another.
void Frame3d(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    SECFillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    SECFillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    SECFillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    SECFillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

BOOL Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom; }

}  // namespace

const SECBtnClass SECStdBtn::buttonClass = {"SECStdBtn", CreateButtonOf<SECStdBtn>};
const SECBtnClass SECTBMenuBtn::buttonClass = {"SECTBMenuBtn", CreateButtonOf<SECTBMenuBtn>};
const SECBtnClass SECCapMenuBtn::buttonClass = {"SECCapMenuBtn", CreateButtonOf<SECCapMenuBtn>};
const SECBtnClass SECBtnCaption::buttonClass = {"SECBtnCaption", CreateButtonOf<SECBtnCaption>};

// --- plain buttons ----------------------------------------------------------

SECStdBtn::SECStdBtn()
    : m_nID(0), m_nImage(0), m_nStyle(0), m_x(-1), m_y(-1), m_cx(23), m_cy(22), m_nType(SEC_BTN_PLAIN),
      m_pBar(nullptr) {}

void SECStdBtn::Invalidate(BOOL erase) {
    if (m_pBar != nullptr) m_pBar->InvalidateButton(this, erase);
}

void SECStdBtn::Init(SECButtonBar* bar, const void* data) {
    (void)data;
    m_pBar = bar;
    AdjustSize();
}

void SECStdBtn::AdjustSize() {
    if (m_pBar == nullptr) return;
    const int imageCx = m_pBar->GetImageWidth(), imageCy = m_pBar->GetImageHeight();
    if (IsSeparator()) {
        m_cx = (imageCx + 8) / 3;
        m_cy = imageCy + 7;
    } else {
        m_cx = imageCx + 7;
        m_cy = imageCy + 7;
    }
    m_pBar->RaiseWidestButton(m_cx);
}

void SECStdBtn::InformBtn(int kind, DWORD set, DWORD clear) {
    if (kind != 1) return;
    m_nStyle = (m_nStyle & ~clear) | set;
    Invalidate(FALSE);
}

INT_PTR SECStdBtn::OnToolHitTest(POINT point, TOOLINFOA* info) const {
    (void)point;
    if (info == nullptr) return static_cast<INT_PTR>(m_nID);
    if (info->cbSize < TTTOOLINFOA_V1_SIZE) return -1;
    info->hwnd = m_pBar != nullptr ? m_pBar->GetBarWindow() : nullptr;
    info->uId = m_nID;
    info->rect = GetRect();
    info->lpszText = LPSTR_TEXTCALLBACKA;
    return static_cast<INT_PTR>(m_nID);
}

LRESULT SECStdBtn::SendNotify(int code, WPARAM wValue, LPARAM lValue) {
    if (m_pBar == nullptr) return 0;
    SECBtnNotify notify{};
    notify.hdr.hwndFrom = m_pBar->GetBarWindow();
    notify.hdr.idFrom = m_pBar->GetBarId();
    notify.hdr.code = static_cast<UINT>(code);
    notify.iItem = static_cast<int>(m_nID);
    notify.nIndex = m_pBar->IndexOfButton(this);
    notify.wValue = wValue;
    notify.lValue = lValue;
    HWND owner = m_pBar->GetNotifyOwner();
    return owner != nullptr ? ::SendMessageA(owner, WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify)) : 0;
}

// --- press and release ------------------------------------------------------

BOOL SECStdBtn::BtnPressDown(POINT point) {
    (void)point;
    if (m_nStyle & SEC_TBBS_DISABLED) return FALSE;
    m_nStyle |= SEC_TBBS_PRESSED;
    if (!(m_nStyle & SEC_TBBS_DROPDOWN)) return TRUE;
    // A drop-down only tells its owner; it never captures the mouse.
    Invalidate(FALSE);
    if (m_pBar != nullptr && m_pBar->GetBarWindow() != nullptr) ::UpdateWindow(m_pBar->GetBarWindow());
    s_bNotifying = TRUE;
    SendNotify(TBN_DROPDOWN, 0, 0);
    s_bNotifying = FALSE;
    m_nStyle &= ~SEC_TBBS_PRESSED;
    Invalidate(FALSE);
    if (m_pBar != nullptr) m_pBar->UpdateHotButton();
    return FALSE;
}

void SECStdBtn::BtnPressMouseMove(POINT point) {
    const DWORD old = m_nStyle;
    if (Inside(GetRect(), point)) m_nStyle |= SEC_TBBS_PRESSED;
    else m_nStyle &= ~SEC_TBBS_PRESSED;
    if (old != m_nStyle) Invalidate(FALSE);
}

void SECStdBtn::BtnPressCancel() {
    m_nStyle &= ~SEC_TBBS_PRESSED;
    Invalidate(FALSE);
}

UINT SECStdBtn::BtnPressUp(POINT point) {
    m_nStyle &= ~SEC_TBBS_PRESSED;
    Invalidate(FALSE);
    if (!Inside(GetRect(), point)) return 0;
    // Disabled meanwhile (by the idle update during the press): no command.
    if (m_nStyle & SEC_TBBS_DISABLED) return 0;
    if (!(m_nStyle & SEC_TBBS_CHECKBOX)) return m_nID;
    const BOOL check = !(m_nStyle & SEC_TBBS_CHECKED) || (m_nStyle & SEC_TBBS_INDETERMINATE);
    const DWORD set = check ? SEC_TBBS_CHECKED : 0;
    const DWORD clear = (check ? 0 : SEC_TBBS_CHECKED) | SEC_TBBS_INDETERMINATE;
    if (m_pBar != nullptr) m_pBar->InformButtons(m_nID, set, clear);
    else InformBtn(1, set, clear);
    return m_nID;
}

// --- drawing ----------------------------------------------------------------

void SECStdBtn::Draw(HDC dc, SECToolBarDrawContext& context) {
    const RECT rect = GetRect();
    if (!::RectVisible(dc, &rect)) return;
    if (DrawSeparator(dc)) return;
    m_bImageSelected = SelectImage(context);
    DrawButton(context.GetColorDC(), context);
    DrawSelectedIfMarked(context.GetColorDC());
    DrawTransparent(dc, context);
}

BOOL SECStdBtn::DrawSeparator(HDC dc) {
    if (!IsSeparator()) return FALSE;
    if (m_pBar == nullptr || !m_pBar->IsFlat() || (m_nStyle & SEC_TBBS_WRAPPED)) return TRUE;
    const DWORD ex = m_pBar->GetExBarStyle();
    if (!((ex & SEC_BAR_FLAT) && (ex & SEC_BAR_TRANSPARENT))) SECFillSolid(dc, GetRect(), ::GetSysColor(COLOR_BTNFACE));
    const int x = m_x + m_pBar->GetImageWidth() / 2;
    SECFillSolid(dc, RECT{x, m_y, x + 1, m_y + m_cy}, ::GetSysColor(COLOR_BTNSHADOW));
    SECFillSolid(dc, RECT{x + 1, m_y, x + 2, m_y + m_cy}, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    return TRUE;
}

BOOL SECStdBtn::SelectImage(SECToolBarDrawContext& context) {
    SECBmpMgr* images = m_pBar != nullptr ? m_pBar->GetBmpMgr() : nullptr;
    HBITMAP strip = nullptr;
    int image = 0;
    if (images == nullptr || !images->GetBitmap(m_nID, strip, image) || strip == nullptr) return FALSE;
    m_nImage = image;
    context.SelectImage(strip);
    return TRUE;
}

void SECStdBtn::DrawButton(HDC dc, SECToolBarDrawContext& context) {
    RECT rect{0, 0, m_cx, m_cy};
    const int imageWidth = m_pBar != nullptr ? m_pBar->GetImageWidth() : 16;
    if (m_pBar != nullptr && m_pBar->IsCustomizing()) {
        DrawFace(dc, context, TRUE, rect, imageWidth);
        return;
    }
    DrawFace(dc, context, FALSE, rect, imageWidth);
    if (m_nStyle & SEC_TBBS_PRESSED) return;
    if (m_nStyle & SEC_TBBS_DISABLED) DrawDisabled(dc, context);
    else if (m_nStyle & SEC_TBBS_CHECKED) DrawChecked(dc, context);
    else if (m_nStyle & SEC_TBBS_INDETERMINATE) DrawIndeterminate(dc, context);
}

void SECStdBtn::DrawFace(HDC dc, SECToolBarDrawContext& context, BOOL customizing, RECT& rect, int imageWidth) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), shadow = ::GetSysColor(COLOR_BTNSHADOW),
                   highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT), frame = ::GetSysColor(COLOR_WINDOWFRAME);
    const BOOL flat = m_pBar != nullptr && m_pBar->IsFlat();
    const int imageHeight = m_pBar != nullptr ? m_pBar->GetImageHeight() : 15;
    SECFillSolid(dc, rect, face);
    int x = rect.left + (m_cx - imageWidth - 1) / 2;
    int y = rect.top + (m_cy - imageHeight) / 2;
    if ((m_nStyle & (SEC_TBBS_CHECKED | SEC_TBBS_PRESSED)) && !customizing) {
        Frame3d(dc, rect, flat ? shadow : frame, highlight);
        if (!flat) Frame3d(dc, RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, shadow, face);
        ++x;
        ++y;
        ::InflateRect(&rect, -2, -2);
    } else if (flat) {
        if ((m_nStyle & SEC_TBBS_HOT) && !customizing) Frame3d(dc, rect, highlight, shadow);
        ::InflateRect(&rect, -2, -2);
    } else {
        Frame3d(dc, rect, highlight, frame);
        Frame3d(dc, RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, face, shadow);
        ::InflateRect(&rect, -2, -2);
    }
    BlitImage(dc, context, x, y);
}

void SECStdBtn::BlitImage(HDC dc, SECToolBarDrawContext& context, int x, int y) {
    if (!m_bImageSelected || m_pBar == nullptr) return;
    const int cx = m_pBar->GetImageWidth(), cy = m_pBar->GetImageHeight();
    ::BitBlt(dc, x, y, cx, cy, context.GetImageDC(), cx * m_nImage, 0, SRCCOPY);
}

void SECStdBtn::CreateMask(SECToolBarDrawContext& context) {
    SECMaskImagePixels(context.GetMaskDC(), context.GetColorDC(), m_cx, m_cy);
}

void SECStdBtn::BrushThroughMask(HDC dc, SECToolBarDrawContext& context, HBRUSH brush, int dx, int dy, DWORD rop) {
    SECBrushThroughMask(dc, dx, dy, m_cx - dx, m_cy - dy, context.GetMaskDC(), brush, rop);
}

void SECStdBtn::DrawDisabled(HDC dc, SECToolBarDrawContext& context) {
    CreateMask(context);
    SECFillSolid(dc, RECT{0, 0, m_cx, m_cy}, ::GetSysColor(COLOR_BTNFACE));
    BrushThroughMask(dc, context, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT), 1, 1, SEC_ROP_PATTERN_ON_BLACK);
    BrushThroughMask(dc, context, ::GetSysColorBrush(COLOR_BTNSHADOW), 0, 0, SEC_ROP_PATTERN_ON_BLACK);
    if (m_nStyle & SEC_TBBS_CHECKED) {
        context.EnsureDitherBrush();
        BrushThroughMask(dc, context, context.GetDitherBrush(), 0, 0, SEC_ROP_PATTERN_ON_WHITE);
    }
}

void SECStdBtn::DrawChecked(HDC dc, SECToolBarDrawContext& context) {
    CreateMask(context);
    context.EnsureDitherBrush();
    BrushThroughMask(dc, context, context.GetDitherBrush(), 0, 0, SEC_ROP_PATTERN_ON_WHITE);
}

void SECStdBtn::DrawIndeterminate(HDC dc, SECToolBarDrawContext& context) {
    CreateMask(context);
    BrushThroughMask(dc, context, ::GetSysColorBrush(COLOR_BTNSHADOW), 0, 0, SEC_ROP_PATTERN_ON_BLACK);
    context.EnsureDitherBrush();
    BrushThroughMask(dc, context, context.GetDitherBrush(), 0, 0, SEC_ROP_PATTERN_ON_WHITE);
}

void SECStdBtn::DrawSelectedIfMarked(HDC dc) {
    if (m_nStyle & SEC_TBBS_CUSTOMSELECTED) DrawSelected(dc);
}

void SECStdBtn::DrawSelected(HDC dc) {
    // A three-pixel drag frame round the whole button.
    const COLORREF oldText = ::SetTextColor(dc, RGB(255, 255, 255));
    const COLORREF oldBack = ::SetBkColor(dc, RGB(0, 0, 0));
    ::PatBlt(dc, 0, 0, m_cx, 3, DSTINVERT);
    ::PatBlt(dc, 0, m_cy - 3, m_cx, 3, DSTINVERT);
    ::PatBlt(dc, 0, 3, 3, m_cy - 6, DSTINVERT);
    ::PatBlt(dc, m_cx - 3, 3, 3, m_cy - 6, DSTINVERT);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldBack);
}

void SECStdBtn::DrawTransparent(HDC dc, SECToolBarDrawContext& context) {
    const DWORD ex = m_pBar != nullptr ? m_pBar->GetExBarStyle() : 0;
    if (!((ex & SEC_BAR_FLAT) && (ex & SEC_BAR_TRANSPARENT))) {
        BlitToScreen(dc, context);
        return;
    }
    // Face-coloured pixels let the bar's background through: the mask is
    // white on face, and D ^ C, D & ~mask, ^ C leaves D there and C elsewhere.
    HDC colour = context.GetColorDC(), mask = context.GetMaskDC();
    const COLORREF oldBack = ::SetBkColor(colour, ::GetSysColor(COLOR_BTNFACE));
    ::BitBlt(mask, 0, 0, m_cx, m_cy, colour, 0, 0, NOTSRCCOPY);
    ::SetBkColor(colour, oldBack);
    const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldDcBack = ::SetBkColor(dc, RGB(255, 255, 255));
    ::BitBlt(dc, m_x, m_y, m_cx, m_cy, colour, 0, 0, SRCINVERT);
    ::BitBlt(dc, m_x, m_y, m_cx, m_cy, mask, 0, 0, kRopDestAndNotSource);
    ::BitBlt(dc, m_x, m_y, m_cx, m_cy, colour, 0, 0, SRCINVERT);
    ::SetTextColor(dc, oldText);
    ::SetBkColor(dc, oldDcBack);
}

void SECStdBtn::BlitToScreen(HDC dc, SECToolBarDrawContext& context) {
    ::BitBlt(dc, m_x, m_y, m_cx, m_cy, context.GetColorDC(), 0, 0, SRCCOPY);
}

// --- menu buttons -----------------------------------------------------------

SECTBMenuBtn::SECTBMenuBtn() { m_nType = SEC_BTN_MENU; }

char SECTBMenuBtn::MnemonicOf(LPCSTR text) {
    if (text == nullptr) return 0;
    const char* amp = std::strchr(text, '&');
    if (amp == nullptr || amp[1] == '\0') return 0;
    char letter[2] = {amp[1], '\0'};
    ::CharLowerBuffA(letter, 1);
    return letter[0];
}

void SECTBMenuBtn::Init(SECButtonBar* bar, const void* data) {
    if (const auto* menu = static_cast<const MenuData*>(data)) {
        m_hMenu = menu->menu;
        m_nSubMenu = menu->subMenu;
        m_strText = menu->text != nullptr ? menu->text : "";
        m_dwFlags = menu->flags;
    }
    m_cMnemonic = MnemonicOf(m_strText);
    SECStdBtn::Init(bar, data);
}

void SECTBMenuBtn::AdjustSize() {
    HFONT font = m_pBar != nullptr ? m_pBar->GetMenuFont() : nullptr;
    if (font == nullptr) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, font);
    RECT text{0, 0, 0, 0};
    ::DrawTextA(screen, m_strText, m_strText.GetLength(), &text, DT_SINGLELINE | DT_CALCRECT);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    m_cx = text.right - text.left + 10;
    m_cy = text.bottom - text.top + 6;
    if (m_pBar != nullptr) m_pBar->RaiseWidestButton(m_cx);
}

BOOL SECTBMenuBtn::BtnPressDown(POINT point) {
    (void)point;
    if (m_nStyle & SEC_TBBS_DISABLED) return FALSE;
    m_nStyle |= SEC_TBBS_PRESSED;
    Invalidate(FALSE);
    if (m_pBar != nullptr) m_pBar->ShowButtonMenu(this);
    return FALSE;
}

BOOL SECTBMenuBtn::SelectImage(SECToolBarDrawContext& context) {
    (void)context;
    return FALSE;
}

void SECTBMenuBtn::DrawButton(HDC dc, SECToolBarDrawContext& context) {
    RECT rect{0, 0, m_cx, m_cy};
    const BOOL customizing = m_pBar != nullptr && m_pBar->IsCustomizing();
    DrawFace(dc, context, customizing, rect, 0);
    HFONT font = m_pBar != nullptr ? m_pBar->GetMenuFont() : nullptr;
    if (font == nullptr) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ old = ::SelectObject(dc, font);
    const int shift = (m_nStyle & SEC_TBBS_PRESSED) ? 1 : 0;
    RECT text{4 + shift, 3 + shift, m_cx, m_cy};
    ::SetTextColor(dc, ::GetSysColor(COLOR_MENUTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    ::SetBkMode(dc, OPAQUE);
    ::DrawTextA(dc, m_strText, m_strText.GetLength(), &text, DT_SINGLELINE);
    ::SelectObject(dc, old);
}

SECCapMenuBtn::SECCapMenuBtn() { m_nType = SEC_BTN_CAPTION_MENU; }

void SECCapMenuBtn::AdjustSize() {
    m_cx = 16;
    m_cy = 16;
    if (m_pBar != nullptr) m_pBar->RaiseWidestButton(m_cx);
}

BOOL SECCapMenuBtn::BtnPressDown(POINT point) {
    // The child's system menu shows Close as its default item when it has none.
    HWND child = m_pBar != nullptr ? m_pBar->GetActiveMDIChild() : nullptr;
    if (HMENU system = child != nullptr ? ::GetSystemMenu(child, FALSE) : nullptr) {
        if (::GetMenuDefaultItem(system, FALSE, 0) == static_cast<UINT>(-1)) ::SetMenuDefaultItem(system, SC_CLOSE, FALSE);
    }
    return SECTBMenuBtn::BtnPressDown(point);
}

void SECCapMenuBtn::DrawButton(HDC dc, SECToolBarDrawContext& context) {
    (void)context;
    SECFillSolid(dc, RECT{0, 0, m_cx, m_cy}, ::GetSysColor(COLOR_BTNFACE));
    HWND child = m_pBar != nullptr ? m_pBar->GetActiveMDIChild() : nullptr;
    HICON icon = m_hIcon;
    if (icon == nullptr && child != nullptr) {
        icon = reinterpret_cast<HICON>(::SendMessageA(child, WM_GETICON, ICON_SMALL, 0));
        if (icon == nullptr) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(child, GCLP_HICONSM));
        if (icon == nullptr) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(child, GCLP_HICON));
    }
    if (icon != nullptr) ::DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
}

// --- caption buttons --------------------------------------------------------

SECBtnCaption::SECBtnCaption() : m_dwCaptionFlags(kShown | kMinRestoreEnabled | kCloseEnabled) {
    m_nType = SEC_BTN_CAPTION;
}

SIZE SECBtnCaption::CellSize() {
    return SIZE{::GetSystemMetrics(SM_CXSIZE) - 2, ::GetSystemMetrics(SM_CYSIZE) - 4};
}

void SECBtnCaption::AdjustSize() {
    const SIZE cell = CellSize();
    m_cx = 3 * cell.cx + 2;
    m_cy = cell.cy;
    if (m_pBar != nullptr) m_pBar->RaiseWidestButton(m_cx);
}

RECT SECBtnCaption::CellRect(Cell cell) const {
    const SIZE size = CellSize();
    const int left = m_x + (cell == kClose ? 2 * size.cx + 2 : cell * size.cx);
    return RECT{left, m_y, left + size.cx, m_y + size.cy};
}

SECBtnCaption::Cell SECBtnCaption::CellAt(POINT point) const {
    for (Cell cell : {kMinimize, kRestore, kClose}) {
        const RECT r = CellRect(cell);
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) return cell;
    }
    return kNone;
}

namespace {

BOOL CellEnabled(DWORD flags, SECBtnCaption::Cell cell) {
    if (cell == SECBtnCaption::kClose) return (flags & SECBtnCaption::kCloseEnabled) != 0;
    return (flags & SECBtnCaption::kMinRestoreEnabled) != 0;
}

}  // namespace

BOOL SECBtnCaption::BtnPressDown(POINT point) {
    const Cell cell = CellAt(point);
    if (cell == kNone || !CellEnabled(m_dwCaptionFlags, cell)) return FALSE;
    m_pressedCell = cell;
    m_nStyle |= SEC_TBBS_PRESSED;
    Invalidate(FALSE);
    return TRUE;
}

void SECBtnCaption::BtnPressMouseMove(POINT point) {
    const DWORD old = m_nStyle;
    if (m_pressedCell != kNone && CellAt(point) == m_pressedCell) m_nStyle |= SEC_TBBS_PRESSED;
    else m_nStyle &= ~SEC_TBBS_PRESSED;
    if (old != m_nStyle) Invalidate(FALSE);
}

UINT SECBtnCaption::BtnPressUp(POINT point) {
    const Cell pressed = m_pressedCell;
    m_pressedCell = kNone;
    m_nStyle &= ~SEC_TBBS_PRESSED;
    Invalidate(FALSE);
    if (pressed == kNone || CellAt(point) != pressed || m_pBar == nullptr) return 0;
    HWND child = m_pBar->GetActiveMDIChild();
    if (child == nullptr) return 0;
    static const WPARAM commands[] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    POINT screen = point;
    if (m_pBar->GetBarWindow() != nullptr) ::ClientToScreen(m_pBar->GetBarWindow(), &screen);
    ::PostMessageA(child, WM_SYSCOMMAND, commands[pressed], MAKELPARAM(screen.x, screen.y));
    return 0;
}

BOOL SECBtnCaption::SelectImage(SECToolBarDrawContext& context) {
    (void)context;
    return FALSE;
}

void SECBtnCaption::DrawButton(HDC dc, SECToolBarDrawContext& context) {
    (void)context;
    SECFillSolid(dc, RECT{0, 0, m_cx, m_cy}, ::GetSysColor(COLOR_BTNFACE));
    static const UINT kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    for (Cell cell : {kMinimize, kRestore, kClose}) {
        RECT r = CellRect(cell);
        ::OffsetRect(&r, -m_x, -m_y);
        UINT state = kinds[cell];
        if (!CellEnabled(m_dwCaptionFlags, cell)) state |= DFCS_INACTIVE;
        if (cell == m_pressedCell && (m_nStyle & SEC_TBBS_PRESSED)) state |= DFCS_PUSHED;
        ::DrawFrameControl(dc, &r, DFC_CAPTION, state);
    }
}
