#include "OwnerDrawButton.h"

#include "DC.h"
#include "FileDialog.h"
#include "FrameWnd.h"
#include "ResourceModule.h"
#include "SysColorBitmap.h"
#include "ToolkitResources.h"
#include "View.h"
#include "WindowMessages.h"

// ---- SECOwnerDrawButton --------------------------------------------------

COLORREF SECOwnerDrawButton::face = 0;
COLORREF SECOwnerDrawButton::highlight = 0;
COLORREF SECOwnerDrawButton::shadow = 0;
COLORREF SECOwnerDrawButton::frame = 0;

IMPLEMENT_DYNAMIC(SECOwnerDrawButton, CButton)

BEGIN_MESSAGE_MAP(SECOwnerDrawButton, CButton)
    ON_WM_KEYUP()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

void SECOwnerDrawButton::ReadColors() {
    face = ::GetSysColor(COLOR_BTNFACE);
    highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    shadow = ::GetSysColor(COLOR_BTNSHADOW);
    frame = ::GetSysColor(COLOR_WINDOWFRAME);
}

SECOwnerDrawButton::SECOwnerDrawButton() {
    ReadColors();
    m_newLook = LOBYTE(LOWORD(::GetVersion())) >= 4;
}

BOOL SECOwnerDrawButton::AttachButton(UINT id, CWnd* parent, BOOL isDefault) {
    m_default = isDefault;
    return SubclassDlgItem(id, parent);
}

BOOL SECOwnerDrawButton::CreateButton(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                                      BOOL isDefault) {
    m_default = isDefault;
    return CButton::Create(text, style | BS_OWNERDRAW, rect, parent, id);
}

void SECOwnerDrawButton::SetButtonStyle(UINT style, BOOL redraw) {
    const DWORD before = GetStyle();
    ModifyStyle(0, style | BS_OWNERDRAW, 0);
    if (GetStyle() != before && LOWORD(redraw) != 0) Invalidate(TRUE);
}

RECT SECOwnerDrawButton::DrawFrame(CDC* dc, const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    dc->FillSolidRect(&r, face);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    // The old look's border leaves the four corner pixels out.
    auto cornerlessBorder = [dc](const RECT& b) {
        dc->FillSolidRect(b.left + 1, b.top, b.right - b.left - 2, 1, frame);
        dc->FillSolidRect(b.left + 1, b.bottom - 1, b.right - b.left - 2, 1, frame);
        dc->FillSolidRect(b.left, b.top + 1, 1, b.bottom - b.top - 2, frame);
        dc->FillSolidRect(b.right - 1, b.top + 1, 1, b.bottom - b.top - 2, frame);
    };
    if (m_newLook) {
        dc->Draw3dRect(&r, pressed ? frame : highlight, pressed ? highlight : frame);
        ::InflateRect(&r, -1, -1);
        dc->Draw3dRect(&r, pressed ? shadow : face, pressed ? face : shadow);
    } else {
        cornerlessBorder(r);
        ::InflateRect(&r, -1, -1);
        dc->Draw3dRect(&r, pressed ? shadow : highlight, pressed ? highlight : shadow);
        ::InflateRect(&r, -1, -1);
        dc->Draw3dRect(&r, pressed ? shadow : highlight, pressed ? highlight : shadow);
    }
    if (pressed) {
        ++r.left;
        ++r.top;
    } else {
        --r.right;
        --r.bottom;
    }
    return r;
}

void SECOwnerDrawButton::DrawDisabled(CDC* dc, int width, int height) {
    HDC hdc = dc->GetSafeHdc();
    HDC maskDC = ::CreateCompatibleDC(hdc);
    HBITMAP mask = ::CreateBitmap(width, height, 1, 1, nullptr);
    if (maskDC == nullptr || mask == nullptr) {
        if (mask != nullptr) ::DeleteObject(mask);
        if (maskDC != nullptr) ::DeleteDC(maskDC);
        return;
    }
    HGDIOBJ oldMask = ::SelectObject(maskDC, mask);
    ::PatBlt(maskDC, 0, 0, width, height, WHITENESS);
    // Face and highlight pixels become white in the mask, all others black.
    const COLORREF oldBk = ::SetBkColor(hdc, face);
    ::BitBlt(maskDC, 0, 0, width - 3, height - 3, hdc, 1, 1, SRCCOPY);
    ::SetBkColor(hdc, highlight);
    ::BitBlt(maskDC, 0, 0, width - 3, height - 3, hdc, 1, 1, SRCPAINT);
    ::SetBkColor(hdc, RGB(255, 255, 255));
    const COLORREF oldText = ::SetTextColor(hdc, RGB(0, 0, 0));
    constexpr DWORD kPaintThroughMask = 0xB8074A;
    HBRUSH lightBrush = ::CreateSolidBrush(highlight), darkBrush = ::CreateSolidBrush(shadow);
    HGDIOBJ oldBrush = ::SelectObject(hdc, lightBrush);
    ::BitBlt(hdc, 2, 2, width - 4, height - 4, maskDC, 0, 0, kPaintThroughMask);
    ::SelectObject(hdc, darkBrush);
    ::BitBlt(hdc, 1, 1, width - 3, height - 3, maskDC, 0, 0, kPaintThroughMask);
    ::SelectObject(hdc, oldBrush);
    ::DeleteObject(lightBrush);
    ::DeleteObject(darkBrush);
    ::SetBkColor(hdc, oldBk);
    ::SetTextColor(hdc, oldText);
    ::SelectObject(maskDC, oldMask);
    ::DeleteObject(mask);
    ::DeleteDC(maskDC);
}

void SECOwnerDrawButton::DrawFocusFrame(CDC* dc, const DRAWITEMSTRUCT& item) {
    if (!(item.itemState & ODS_FOCUS)) return;
    RECT r = item.rcItem;
    const int inset = m_newLook ? 1 : 2;
    ::InflateRect(&r, -inset, -inset);
    if (item.itemState & ODS_SELECTED) {
        ++r.left;
        ++r.top;
    } else {
        --r.right;
        --r.bottom;
    }
    dc->SetBkColor(face);
    DrawFocus(dc, r);
}

void SECOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT item) {
    CDC* itemDC = CDC::FromHandle(item->hDC);
    if (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        const int width = item->rcItem.right - item->rcItem.left;
        const int height = item->rcItem.bottom - item->rcItem.top;
        HDC memory = ::CreateCompatibleDC(item->hDC);
        HBITMAP bitmap = memory != nullptr ? ::CreateCompatibleBitmap(item->hDC, width, height) : nullptr;
        HGDIOBJ old = bitmap != nullptr ? ::SelectObject(memory, bitmap) : nullptr;
        CDC* dc = bitmap != nullptr ? CDC::FromHandle(memory) : itemDC;
        HGDIOBJ oldFont = nullptr;
        if (bitmap != nullptr) {
            if (HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))) oldFont = ::SelectObject(memory, font);
        }
        PrepareDC(itemDC, dc);
        DRAWITEMSTRUCT local = *item;
        if (bitmap != nullptr) ::OffsetRect(&local.rcItem, -item->rcItem.left, -item->rcItem.top);
        const RECT interior = DrawFrame(dc, local);
        DrawContents(dc, local, interior);
        if (item->itemState & ODS_DISABLED) DrawDisabled(dc, width, height);
        if (bitmap != nullptr)
            ::BitBlt(item->hDC, item->rcItem.left, item->rcItem.top, width, height, memory, 0, 0, SRCCOPY);
        RestoreDC(itemDC, dc);
        if (oldFont != nullptr) ::SelectObject(memory, oldFont);
        if (old != nullptr) ::SelectObject(memory, old);
        if (bitmap != nullptr) ::DeleteObject(bitmap);
        if (memory != nullptr) ::DeleteDC(memory);
    } else if (!(item->itemAction & ODA_FOCUS)) {
        return;
    }
    DrawFocusFrame(itemDC, *item);
}

void SECOwnerDrawButton::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    CButton::OnKeyUp(key, repeat, flags);
    if (key == VK_SPACE) OnClicked();
}

void SECOwnerDrawButton::OnLButtonUp(UINT flags, CPoint point) {
    RECT client;
    GetClientRect(&client);
    if (::PtInRect(&client, point) && (GetState() & BST_PUSHED) && ::GetCapture() == m_hWnd) OnClicked();
    CButton::OnLButtonUp(flags, point);
}

UINT SECOwnerDrawButton::OnGetDlgCode() {
    return (::GetFocus() == m_hWnd && (m_default & 1)) ? DLGC_BUTTON | DLGC_DEFPUSHBUTTON : DLGC_BUTTON;
}

void SECOwnerDrawButton::OnSysColorChange() {
    CButton::OnSysColorChange();
    ReadColors();
    Invalidate(TRUE);
}

// ---- SECWellButton -------------------------------------------------------

IMPLEMENT_DYNAMIC(SECWellButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECWellButton, SECOwnerDrawButton)
    ON_MESSAGE(WM_SEC_COLORCHOSEN, OnColorChosen)
    ON_MESSAGE(WM_SEC_COLORDIALOG, OnColorDialog)
END_MESSAGE_MAP()

SECWellButton::SECWellButton() : m_popup(std::make_unique<SECPopupColorWell>()) { InitPalette(); }

SECWellButton::~SECWellButton() {
    if (m_popup->GetSafeHwnd() != nullptr) m_popup->DestroyWindow();
}

void SECWellButton::InitPalette() {
    LOGPALETTE palette = {0x300, 1, {{0, 0, 0, 0}}};
    m_palette.DeleteObject();
    m_palette.CreatePalette(&palette);
}

void SECWellButton::SetColor(COLORREF colour) {
    PALETTEENTRY entry = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
    m_palette.SetPaletteEntries(0, 1, &entry);
    if (m_hWnd != nullptr) Invalidate(TRUE);
}

COLORREF SECWellButton::GetColor() const {
    PALETTEENTRY entry = {};
    m_palette.GetPaletteEntries(0, 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void SECWellButton::OnClicked() {
    if (m_popup->IsActive()) return;
    DropPopup();
}

void SECWellButton::DropPopup() {
    RECT r;
    GetWindowRect(&r);
    m_popup->Reset();
    if (!m_popup->Open(WS_VISIBLE, r, GetParent(), m_other)) return;
    m_popup->SelectColor(GetColor());
    m_popup->SetOwner(this);
}

void SECWellButton::DrawFocus(CDC* dc, RECT rect) {
    ::InflateRect(&rect, -1, -1);
    dc->DrawFocusRect(&rect);
}

void SECWellButton::DrawContents(CDC* dc, const DRAWITEMSTRUCT& item, const RECT& interior) {
    HDC hdc = dc->GetSafeHdc();
    const int l = interior.left, t = interior.top, r = interior.right, b = interior.bottom;
    const int x = r - 7, y = t + (b - t - 3) / 2;
    POINT arrow[3] = {{x, y}, {x + 4, y}, {x + 2, y + 2}};
    HGDIOBJ oldPen = ::SelectObject(hdc, ::GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = ::SelectObject(hdc, ::GetStockObject(BLACK_BRUSH));
    const int oldFill = ::SetPolyFillMode(hdc, WINDING);
    ::Polygon(hdc, arrow, 3);
    ::SetPolyFillMode(hdc, oldFill);
    ::SelectObject(hdc, oldPen);
    ::SelectObject(hdc, oldBrush);
    dc->FillSolidRect(r - 10, t + 2, 1, b - t - 4, shadow);
    dc->FillSolidRect(r - 9, t + 2, 1, b - t - 4, highlight);
    if (!(item.itemState & ODS_DISABLED)) {
        RECT swatch = {l + 3, t + 2, r - 13, b - 2};
        ::FrameRect(hdc, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&swatch, -1, -1);
        HBRUSH fill = ::CreateSolidBrush(GetColor());
        ::FillRect(hdc, &swatch, fill);
        ::DeleteObject(fill);
    }
}

LRESULT SECWellButton::OnColorChosen(WPARAM, LPARAM lParam) {
    SetColor(static_cast<COLORREF>(lParam));
    Invalidate(TRUE);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_SEC_COLORCHOSEN, static_cast<WPARAM>(GetDlgCtrlID()), lParam);
    return 0;
}

LRESULT SECWellButton::OnColorDialog(WPARAM, LPARAM) {
    CColorDialog dialog(0, 0, nullptr);
    dialog.m_cc.rgbResult = GetColor();
    dialog.m_cc.Flags |= m_colorDialogFlags;
    if (dialog.DoModal() == IDOK) OnColorChosen(0, static_cast<LPARAM>(dialog.GetColor()));
    return 0;
}

// ---- SECBitmapButton -----------------------------------------------------

int SECBitmapButton::defaultMarginX = 5;
int SECBitmapButton::defaultMarginY = 5;

IMPLEMENT_DYNAMIC(SECBitmapButton, SECOwnerDrawButton)

BEGIN_MESSAGE_MAP(SECBitmapButton, SECOwnerDrawButton)
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

LPCSTR SECBitmapButton::BitmapResource() const {
    return m_bitmapId != 0 ? MAKEINTRESOURCEA(m_bitmapId) : static_cast<LPCSTR>(m_bitmapName);
}

BOOL SECBitmapButton::LoadBitmapResource(LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        m_bitmapId = static_cast<UINT>(reinterpret_cast<UINT_PTR>(name));
    } else {
        m_bitmapId = 0;
        m_bitmapName = name;
    }
    m_bitmap.DeleteObject();
    return SECLoadSysColorBitmap(m_bitmap, BitmapResource());
}

BOOL SECBitmapButton::AttachBitmapButton(UINT id, int alignment, LPCSTR name, CWnd* parent, BOOL isDefault) {
    m_alignment = alignment;
    if (!LoadBitmapResource(name) || !AttachButton(id, parent, isDefault)) return FALSE;
    CalcLayout();
    return TRUE;
}

BOOL SECBitmapButton::AttachBitmapButton(UINT id, int alignment, UINT bitmapId, CWnd* parent, BOOL isDefault) {
    return AttachBitmapButton(id, alignment, MAKEINTRESOURCEA(bitmapId), parent, isDefault);
}

BOOL SECBitmapButton::CreateBitmapButton(LPCSTR text, DWORD style, int alignment, LPCSTR name, const RECT& rect,
                                         CWnd* parent, UINT id, BOOL isDefault) {
    m_alignment = alignment;
    if (!LoadBitmapResource(name) || !CreateButton(text, style, rect, parent, id, isDefault)) return FALSE;
    CalcLayout();
    return TRUE;
}

BOOL SECBitmapButton::CreateBitmapButton(LPCSTR text, DWORD style, int alignment, UINT bitmapId, const RECT& rect,
                                         CWnd* parent, UINT id, BOOL isDefault) {
    return CreateBitmapButton(text, style, alignment, MAKEINTRESOURCEA(bitmapId), rect, parent, id, isDefault);
}

void SECBitmapButton::CalcLayout() {
    BITMAP description = {};
    if (m_bitmap.GetSafeHandle() != nullptr) ::GetObjectA(m_bitmap, sizeof description, &description);
    RECT client = {};
    if (m_hWnd != nullptr) GetClientRect(&client);
    button_layout::CalcLayout(m_alignment, SIZE{description.bmWidth, description.bmHeight},
                              SIZE{client.right - 3, client.bottom - 3}, m_marginX, m_marginY, m_bitmapRect,
                              m_captionRect);
}

void SECBitmapButton::DrawContents(CDC* dc, const DRAWITEMSTRUCT&, const RECT& interior) {
    HDC hdc = dc->GetSafeHdc();
    RECT bitmapRect = m_bitmapRect;
    ::OffsetRect(&bitmapRect, interior.left, interior.top);
    if (m_bitmap.GetSafeHandle() != nullptr) {
        HDC memory = ::CreateCompatibleDC(hdc);
        HGDIOBJ old = ::SelectObject(memory, m_bitmap);
        ::BitBlt(hdc, bitmapRect.left, bitmapRect.top, bitmapRect.right - bitmapRect.left,
                 bitmapRect.bottom - bitmapRect.top, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
    }
    if (m_alignment == button_layout::kCentred) return;
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (font == nullptr) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (font == nullptr) return;
    CString caption;
    GetWindowText(caption);
    RECT captionRect = m_captionRect;
    ::OffsetRect(&captionRect, interior.left, interior.top);
    HGDIOBJ oldFont = ::SelectObject(hdc, font);
    ::SetBkColor(hdc, face);
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::DrawTextA(hdc, caption, -1, &captionRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(hdc, oldFont);
}

void SECBitmapButton::DrawFocus(CDC* dc, RECT rect) {
    if (m_alignment == button_layout::kCentred) {
        RECT r = m_bitmapRect;
        ::OffsetRect(&r, rect.left, rect.top);
        ::InflateRect(&r, 3, 3);
        dc->DrawFocusRect(&r);
        return;
    }
    RECT caption = m_captionRect;
    ::OffsetRect(&caption, rect.left, rect.top);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (font == nullptr) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (font != nullptr) {
        CString text;
        GetWindowText(text);
        RECT measured = caption;
        HGDIOBJ old = ::SelectObject(dc->GetSafeHdc(), font);
        ::DrawTextA(dc->GetSafeHdc(), text, -1, &measured, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SelectObject(dc->GetSafeHdc(), old);
        const int textWidth = measured.right - measured.left;
        const int textHeight = measured.bottom - measured.top;
        const int left = caption.left + ((caption.right - caption.left) - textWidth) / 2 - 1;
        const int top = caption.top + ((caption.bottom - caption.top) - textHeight) / 2;
        caption = RECT{left, top, left + textWidth + 2, top + textHeight};
    }
    dc->DrawFocusRect(&caption);
}

void SECBitmapButton::OnSysColorChange() {
    if (m_bitmap.GetSafeHandle() != nullptr) {
        m_bitmap.DeleteObject();
        SECLoadSysColorBitmap(m_bitmap, BitmapResource());
    }
    SECOwnerDrawButton::OnSysColorChange();
}

void SECBitmapButton::OnSize(UINT type, int cx, int cy) {
    SECOwnerDrawButton::OnSize(type, cx, cy);
    CalcLayout();
}

// ---- System-colour bitmaps -----------------------------------------------

BOOL SECLoadSysColorBitmap(CBitmap& bitmap, LPCSTR name) {
    HINSTANCE module = AfxGetResourceHandle();
    HBITMAP made = AfxLoadSysColorBitmap(module, ::FindResourceA(module, name, RT_BITMAP));
    return made != nullptr && bitmap.Attach(made);
}

// ---- SECMenuButton -------------------------------------------------------

IMPLEMENT_DYNAMIC(SECMenuButton, SECBitmapButton)

BEGIN_MESSAGE_MAP(SECMenuButton, SECBitmapButton)
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

SECMenuButton::~SECMenuButton() { DestroyMenu(); }

void SECMenuButton::DestroyMenu() {
    if (m_menu != nullptr) ::DestroyMenu(m_menu);
    m_menu = nullptr;
}

void SECMenuButton::PostNcDestroy() {
    DestroyMenu();
    SECBitmapButton::PostNcDestroy();
}

int SECMenuButton::AttachMenu(LPCSTR text, HMENU menu, int direction, UINT& bitmapId) {
    if (menu != m_menu) DestroyMenu();
    m_menu = menu;
    m_direction = direction;
    bitmapId = direction == 0 ? IDB_SEC_MENU_ARROW_DOWN : IDB_SEC_MENU_ARROW_RIGHT;
    return text != nullptr && text[0] != '\0' ? button_layout::kRight : button_layout::kCentred;
}

BOOL SECMenuButton::AttachMenuButton(UINT id, CWnd* parent, HMENU menu, int direction, BOOL isDefault) {
    char caption[101] = "";
    if (parent != nullptr) ::GetDlgItemTextA(*parent, static_cast<int>(id), caption, sizeof caption);
    UINT bitmapId = 0;
    const int alignment = AttachMenu(caption, menu, direction, bitmapId);
    return AttachBitmapButton(id, alignment, bitmapId, parent, isDefault);
}

BOOL SECMenuButton::CreateMenuButton(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id, HMENU menu,
                                     int direction, BOOL isDefault) {
    UINT bitmapId = 0;
    const int alignment = AttachMenu(text, menu, direction, bitmapId);
    return CreateBitmapButton(text, style | BS_OWNERDRAW, alignment, bitmapId, rect, parent, id, isDefault);
}

void SECMenuButton::DrawItem(LPDRAWITEMSTRUCT item) {
    if (m_drawing) SECBitmapButton::DrawItem(item);
}

void SECMenuButton::OnClicked() {
    if (m_menu == nullptr) return;
    RECT r;
    GetWindowRect(&r);
    const POINT at = m_direction != 0 ? POINT{r.right, r.top} : POINT{r.left, r.bottom};
    m_drawing = FALSE;
    CWnd* owner = GetParent();
    if (owner != nullptr && owner->IsKindOf(RUNTIME_CLASS(CView)))
        if (CFrameWnd* frame = owner->GetParentFrame()) owner = frame;
    HWND ownerWnd = owner != nullptr ? owner->m_hWnd : m_hWnd;
    if (::TrackPopupMenu(m_menu, 0, at.x, at.y, 0, ownerWnd, nullptr)) {
        // The click that closed the menu on this button must not reopen it.
        MSG msg;
        ::PeekMessageA(&msg, m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
    }
    m_drawing = TRUE;
    Invalidate(FALSE);
    UpdateWindow();
}

void SECMenuButton::OnLButtonUp(UINT flags, CPoint point) {
    RECT client;
    GetClientRect(&client);
    const bool click = ::PtInRect(&client, point) && (GetState() & BST_PUSHED) && ::GetCapture() == m_hWnd;
    // The default handling first: the button lets go of the mouse before the menu shows.
    CButton::OnLButtonUp(flags, point);
    if (click) OnClicked();
}
