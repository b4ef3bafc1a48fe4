#include "BmpMenuPlugIn.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "BmpMgr.h"
#include "MaskedDrawing.h"
#include "ResourceModule.h"
#include "SECToolBarDrawContext.h"
#include "StdBtn.h"
#include "ToolkitResources.h"
#include "WindowMessages.h"

IMPLEMENT_DYNAMIC(SECBmpMenuItemInfo, CObject)
IMPLEMENT_DYNCREATE(SECBmpMenuPlugIn, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECBmpMenuPlugIn, SECWndPlugIn)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
    ON_MESSAGE(WM_MEASUREITEM, OnMeasureItem)
    ON_MESSAGE(WM_DRAWITEM, OnDrawItem)
    ON_MESSAGE(WM_MENUCHAR, OnMenuChar)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

namespace {

// System bitmaps (OEM resources of USER32).
constexpr UINT kSystemCheckBitmap = 32760;
constexpr UINT kSystemMenuArrowBitmap = 32739;
// Accelerator texts end this far from the item's right edge.
constexpr int kAcceleratorInset = 23;

BOOL IsSystemCommand(UINT id) { return id >= 0xF000 && id <= 0xFEFF; }

}  // namespace

// --- item records -----------------------------------------------------------

SECBmpMenuItemInfo::SECBmpMenuItemInfo(UINT id, LPCSTR text) : m_nID(id), m_cMnemonic(0) { SetText(text); }

void SECBmpMenuItemInfo::SetText(LPCSTR text) {
    m_strText = text != nullptr ? text : "";
    m_cMnemonic = SECTBMenuBtn::MnemonicOf(m_strText);
}

// --- the plug-in ------------------------------------------------------------

SECBmpMenuPlugIn::SECBmpMenuPlugIn(BOOL toolkitCheckMarks)
    : m_bToolkitCheckMarks(toolkitCheckMarks), m_pBmpMgr(new SECBmpMgr) {
    m_pBmpMgr->SetKeepBoth(TRUE);
    CreateFonts();
    LoadColours();
    if (m_bToolkitCheckMarks) {
        m_hCheckBitmap = ::CreateMappedBitmap(AfxGetResourceHandle(), IDB_SEC_MENU_CHECK, 0, nullptr, 0);
        // The radio bullet: a 4 x 5 dot, 6 pixels in, rows padded to words.
        static const WORD rows[15] = {0, 0, 0, 0, 0, 0, 0x0600, 0x0F00, 0x0F00, 0x0F00, 0x0600, 0, 0, 0, 0};
        WORD inverted[15];
        for (int i = 0; i < 15; ++i) inverted[i] = static_cast<WORD>(~rows[i]);
        m_hBulletBitmap = ::CreateBitmap(16, 15, 1, 1, inverted);
        if (m_hBulletBitmap == nullptr) m_hBulletBitmap = ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(kSystemMenuArrowBitmap));
    }
    if (m_hCheckBitmap == nullptr) m_hCheckBitmap = ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(kSystemCheckBitmap));
}

SECBmpMenuPlugIn::~SECBmpMenuPlugIn() {
    RestoreAllItems();
    if (m_pBmpMgr != nullptr) m_pBmpMgr->Release();
    DeleteFonts();
    if (m_hDitherBrush != nullptr) ::DeleteObject(m_hDitherBrush);
    if (m_hCheckBitmap != nullptr) ::DeleteObject(m_hCheckBitmap);
    if (m_hBulletBitmap != nullptr) ::DeleteObject(m_hBulletBitmap);
}

void SECBmpMenuPlugIn::UnPlug() {
    RestoreAllItems();
    SECWndPlugIn::UnPlug();
}

void SECBmpMenuPlugIn::SetBmpMgr(SECBmpMgr* images) {
    if (images == nullptr || images == m_pBmpMgr) return;
    images->AddRef();
    m_pBmpMgr->Release();
    m_pBmpMgr = images;
}

void SECBmpMenuPlugIn::CreateFonts() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        m_hMenuFont = ::CreateFontIndirectA(&metrics.lfMenuFont);
        metrics.lfMenuFont.lfWeight = FW_BOLD;
        m_hBoldMenuFont = ::CreateFontIndirectA(&metrics.lfMenuFont);
    }
}

void SECBmpMenuPlugIn::DeleteFonts() {
    if (m_hMenuFont != nullptr) ::DeleteObject(m_hMenuFont);
    if (m_hBoldMenuFont != nullptr) ::DeleteObject(m_hBoldMenuFont);
    m_hMenuFont = m_hBoldMenuFont = nullptr;
}

void SECBmpMenuPlugIn::LoadColours() {
    m_colours = Colours{::GetSysColor(COLOR_BTNFACE),   ::GetSysColor(COLOR_BTNHIGHLIGHT),
                        ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_HIGHLIGHT),
                        ::GetSysColor(COLOR_MENU),      ::GetSysColor(COLOR_GRAYTEXT),
                        ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_MENUTEXT)};
}

HBRUSH SECBmpMenuPlugIn::DitherBrush() {
    if (m_hDitherBrush == nullptr) m_hDitherBrush = SECToolBarDrawContext::CreateDitherBrush();
    return m_hDitherBrush;
}

BOOL SECBmpMenuPlugIn::OwnsItemData(ULONG_PTR data) const {
    if (data == 0) return FALSE;
    for (const auto& menu : m_menus)
        for (const auto& item : menu.second.items)
            if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return TRUE;
    return FALSE;
}

SECBmpMenuItemInfo* SECBmpMenuPlugIn::FindItem(HMENU menu, UINT id) const {
    const auto found = m_menus.find(menu);
    if (found == m_menus.end()) return nullptr;
    for (const auto& item : found->second.items)
        if (item->m_nID == id) return item.get();
    return nullptr;
}

SIZE SECBmpMenuPlugIn::MeasureItem(SIZE text, SIZE image) {
    return SIZE{text.cx + image.cx + 30, std::max({text.cy, static_cast<LONG>(::GetSystemMetrics(SM_CYMENU)),
                                                  static_cast<LONG>(image.cy + 4)})};
}

// --- conversion -------------------------------------------------------------

void SECBmpMenuPlugIn::ConvertMenu(HMENU menu) {
    MenuRecord& record = m_menus[menu];
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.fType & (MFT_BITMAP | MFT_SEPARATOR)) continue;
        if (item.fType & MFT_OWNERDRAW) {
            // Somebody else draws it: its id is left alone from now on.
            if (!OwnsItemData(item.dwItemData)) m_foreignIds.insert(item.wID);
            continue;
        }
        if (IsSystemCommand(item.wID) || m_foreignIds.count(item.wID) != 0) continue;
        char text[512] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        SECBmpMenuItemInfo* info = FindItem(menu, item.wID);
        if (info == nullptr) {
            record.items.push_back(std::make_unique<SECBmpMenuItemInfo>(item.wID, text));
            info = record.items.back().get();
        } else {
            info->SetText(text);  // the frame may have changed the text meanwhile
        }
        MENUITEMINFOA drawn{};
        drawn.cbSize = sizeof drawn;
        drawn.fMask = MIIM_FTYPE | MIIM_DATA;
        drawn.fType = item.fType | MFT_OWNERDRAW;
        drawn.dwItemData = reinterpret_cast<ULONG_PTR>(info);
        ::SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &drawn);
    }
}

void SECBmpMenuPlugIn::RestoreAllItems() {
    for (auto& menu : m_menus) {
        if (!::IsMenu(menu.first)) continue;
        const int count = ::GetMenuItemCount(menu.first);
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOA item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_DATA;
            if (!::GetMenuItemInfoA(menu.first, static_cast<UINT>(i), TRUE, &item)) continue;
            if (!(item.fType & MFT_OWNERDRAW) || !OwnsItemData(item.dwItemData)) continue;
            auto* info = reinterpret_cast<SECBmpMenuItemInfo*>(item.dwItemData);
            MENUITEMINFOA plain{};
            plain.cbSize = sizeof plain;
            plain.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
            plain.fType = item.fType & ~MFT_OWNERDRAW;
            plain.dwTypeData = const_cast<LPSTR>(info->m_strText.GetString());
            plain.dwItemData = 0;
            ::SetMenuItemInfoA(menu.first, static_cast<UINT>(i), TRUE, &plain);
        }
    }
    m_menus.clear();
}

void SECBmpMenuPlugIn::Cleanup() {
    for (auto menu = m_menus.begin(); menu != m_menus.end();) {
        if (!::IsMenu(menu->first)) {
            menu = m_menus.erase(menu);
            continue;
        }
        std::set<ULONG_PTR> used;
        const int count = ::GetMenuItemCount(menu->first);
        for (int i = 0; i < count; ++i) {
            MENUITEMINFOA item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE | MIIM_DATA;
            if (::GetMenuItemInfoA(menu->first, static_cast<UINT>(i), TRUE, &item) && (item.fType & MFT_OWNERDRAW))
                used.insert(item.dwItemData);
        }
        auto& items = menu->second.items;
        items.erase(std::remove_if(items.begin(), items.end(),
                                   [&](const std::unique_ptr<SECBmpMenuItemInfo>& info) {
                                       return used.count(reinterpret_cast<ULONG_PTR>(info.get())) == 0;
                                   }),
                    items.end());
        ++menu;
    }
}

// --- messages ---------------------------------------------------------------

LRESULT SECBmpMenuPlugIn::OnInitMenuPopup(WPARAM wParam, LPARAM lParam) {
    HMENU menu = reinterpret_cast<HMENU>(wParam);
    if (HIWORD(lParam) == 0 && ::IsMenu(menu)) ConvertMenu(menu);
    return 0;
}

LRESULT SECBmpMenuPlugIn::OnMeasureItem(WPARAM, LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure == nullptr || measure->CtlType != ODT_MENU || !OwnsItemData(measure->itemData)) return 0;
    const auto* info = reinterpret_cast<const SECBmpMenuItemInfo*>(measure->itemData);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, m_hMenuFont != nullptr ? m_hMenuFont : ::GetStockObject(DEFAULT_GUI_FONT));
    RECT text{0, 0, 0, 0};
    ::DrawTextA(screen, info->m_strText, info->m_strText.GetLength(), &text,
                DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    const SIZE size = MeasureItem(SIZE{text.right - text.left, text.bottom - text.top}, m_pBmpMgr->GetSmallImageSize());
    measure->itemWidth = static_cast<UINT>(size.cx);
    measure->itemHeight = static_cast<UINT>(size.cy);
    m_bHandled = TRUE;
    SetResult(TRUE);
    return TRUE;
}

HBITMAP SECBmpMenuPlugIn::CheckBitmapFor(HMENU menu, UINT id, BOOL checked) const {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_CHECKMARKS | MIIM_FTYPE;
    if (!::GetMenuItemInfoA(menu, id, FALSE, &item)) return nullptr;
    if (checked) {
        if (item.hbmpChecked != nullptr) return item.hbmpChecked;
        if ((item.fType & MFT_RADIOCHECK) && m_hBulletBitmap != nullptr) return m_hBulletBitmap;
        return m_hCheckBitmap;
    }
    return item.hbmpUnchecked;
}

HBITMAP SECBmpMenuPlugIn::CreateMask(HDC source, int cx, int cy) {
    HBITMAP mask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC maskDc = ::CreateCompatibleDC(source);
    HGDIOBJ old = ::SelectObject(maskDc, mask);
    SECMaskImagePixels(maskDc, source, cx, cy);
    ::SelectObject(maskDc, old);
    ::DeleteDC(maskDc);
    return mask;
}

namespace {

// Draws `brush` through `mask` at (x, y) of `dc`.
void BrushThroughMaskBitmap(HDC dc, int x, int y, int cx, int cy, HBITMAP mask, HBRUSH brush, DWORD rop) {
    HDC maskDc = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(maskDc, mask);
    SECBrushThroughMask(dc, x, y, cx, cy, maskDc, brush, rop);
    ::SelectObject(maskDc, old);
    ::DeleteDC(maskDc);
}

}  // namespace

void SECBmpMenuPlugIn::DrawDisabled(HDC dc, int x, int y, HDC source, int cx, int cy) {
    HBITMAP mask = CreateMask(source, cx, cy);
    BrushThroughMaskBitmap(dc, x + 1, y + 1, cx, cy, mask, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT), SEC_ROP_PATTERN_ON_BLACK);
    BrushThroughMaskBitmap(dc, x, y, cx, cy, mask, ::GetSysColorBrush(COLOR_BTNSHADOW), SEC_ROP_PATTERN_ON_BLACK);
    ::DeleteObject(mask);
}

void SECBmpMenuPlugIn::DrawChecked(HDC dc, int x, int y, HDC source, int cx, int cy) {
    HBITMAP mask = CreateMask(source, cx, cy);
    BrushThroughMaskBitmap(dc, x, y, cx, cy, mask, DitherBrush(), SEC_ROP_PATTERN_ON_WHITE);
    ::DeleteObject(mask);
}

BOOL SECBmpMenuPlugIn::DrawImageColumn(HDC dc, const DRAWITEMSTRUCT& item, const SECBmpMenuItemInfo& info) {
    const BOOL selected = (item.itemState & ODS_SELECTED) != 0;
    const BOOL checked = (item.itemState & ODS_CHECKED) != 0;
    const BOOL grey = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const SIZE image = m_pBmpMgr->GetSmallImageSize();

    // The picture: the command's toolbar image, else the item's check marks.
    HBITMAP picture = nullptr;
    int index = 0, pictureCx = image.cx, pictureCy = image.cy;
    if (!m_pBmpMgr->GetBitmap(info.m_nID, picture, index, TRUE) || picture == nullptr) {
        picture = CheckBitmapFor(reinterpret_cast<HMENU>(item.hwndItem), info.m_nID, checked);
        index = 0;
        BITMAP size{};
        if (picture != nullptr && ::GetObjectA(picture, sizeof size, &size)) {
            pictureCx = std::min<int>(size.bmWidth, image.cx);
            pictureCy = std::min<int>(size.bmHeight, image.cy);
        }
    }

    const RECT column{item.rcItem.left + 1, item.rcItem.top, item.rcItem.left + 1 + image.cx + 4, item.rcItem.bottom};
    if (picture == nullptr) {
        SECFillSolid(dc, column, selected ? m_colours.selection : m_colours.menu);
        return FALSE;
    }
    SECFillSolid(dc, column, m_colours.menu);
    const int boxHeight = image.cy + 4;
    const int boxTop = column.top + (column.bottom - column.top - boxHeight) / 2;
    RECT box{column.left, boxTop, column.right, boxTop + boxHeight};
    if (checked) ::DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    else if (selected && !grey) ::DrawEdge(dc, &box, BDR_RAISEDINNER, BF_RECT);

    // The picture on the face colour in a work DC, then onto the item.
    HDC work = ::CreateCompatibleDC(dc);
    HBITMAP workBitmap = ::CreateCompatibleBitmap(dc, image.cx, image.cy);
    HGDIOBJ oldWork = ::SelectObject(work, workBitmap);
    SECFillSolid(work, RECT{0, 0, image.cx, image.cy}, m_colours.face);
    HDC strip = ::CreateCompatibleDC(dc);
    HGDIOBJ oldStrip = ::SelectObject(strip, picture);
    ::BitBlt(work, (image.cx - pictureCx) / 2, (image.cy - pictureCy) / 2, pictureCx, pictureCy, strip,
             index * image.cx, 0, SRCCOPY);
    ::SelectObject(strip, oldStrip);
    ::DeleteDC(strip);

    const int x = box.left + 2, y = box.top + 2;
    if (grey) {
        SECFillSolid(dc, RECT{x, y, x + image.cx + 1, y + image.cy + 1}, m_colours.menu);
        DrawDisabled(dc, x, y, work, image.cx, image.cy);
    } else {
        ::BitBlt(dc, x, y, image.cx, image.cy, work, 0, 0, SRCCOPY);
    }
    if (checked && !selected) DrawChecked(dc, x, y, work, image.cx, image.cy);
    ::SelectObject(work, oldWork);
    ::DeleteObject(workBitmap);
    ::DeleteDC(work);
    return TRUE;
}

LRESULT SECBmpMenuPlugIn::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr || item->CtlType != ODT_MENU || !OwnsItemData(item->itemData) ||
        !::IsMenu(reinterpret_cast<HMENU>(item->hwndItem)))
        return 0;
    const auto& info = *reinterpret_cast<const SECBmpMenuItemInfo*>(item->itemData);
    HDC dc = item->hDC;
    const int saved = ::SaveDC(dc);

    const int tab = info.m_strText.Find('\t');
    const CString label = tab >= 0 ? info.m_strText.Left(tab) : info.m_strText;
    const CString accelerator = tab >= 0 ? info.m_strText.Mid(tab + 1) : CString();
    HFONT font = (item->itemState & ODS_DEFAULT) ? m_hBoldMenuFont : m_hMenuFont;
    if (font != nullptr) ::SelectObject(dc, font);

    SECFillSolid(dc, item->rcItem, m_colours.menu);  // the edge pixels outside the column and text area
    DrawImageColumn(dc, *item, info);

    const BOOL selected = (item->itemState & ODS_SELECTED) != 0;
    const BOOL grey = (item->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const SIZE image = m_pBmpMgr->GetSmallImageSize();
    RECT area = item->rcItem;
    area.left += 1 + image.cx + 4 + 1;
    SECFillSolid(dc, area, selected ? m_colours.selection : m_colours.menu);
    ::SetBkMode(dc, TRANSPARENT);
    RECT labelRect = area, acceleratorRect = area;
    labelRect.left += 1;
    acceleratorRect.right -= kAcceleratorInset;
    auto write = [&](COLORREF colour, int offset) {
        ::SetTextColor(dc, colour);
        RECT l = labelRect, a = acceleratorRect;
        ::OffsetRect(&l, offset, offset);
        ::OffsetRect(&a, offset, offset);
        ::DrawTextA(dc, label, label.GetLength(), &l, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!accelerator.IsEmpty())
            ::DrawTextA(dc, accelerator, accelerator.GetLength(), &a, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    };
    if (grey && selected) {
        write(m_colours.menu, 0);
    } else if (grey) {
        write(m_colours.highlight, 1);
        write(m_colours.grayText, 0);
    } else {
        write(selected ? m_colours.highlightText : m_colours.menuText, 0);
    }
    ::RestoreDC(dc, saved);
    m_bHandled = TRUE;
    SetResult(TRUE);
    return TRUE;
}

LRESULT SECBmpMenuPlugIn::OnMenuChar(WPARAM wParam, LPARAM lParam) {
    HMENU menu = reinterpret_cast<HMENU>(lParam);
    if (!::IsMenu(menu) || m_menus.find(menu) == m_menus.end()) return 0;
    char typed[2] = {static_cast<char>(LOWORD(wParam)), '\0'};
    ::CharLowerBuffA(typed, 1);
    std::vector<int> matches;
    int highlighted = -1;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STATE;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item)) continue;
        if (item.fState & MFS_HILITE) highlighted = i;
        if (!(item.fType & MFT_OWNERDRAW) || !OwnsItemData(item.dwItemData)) continue;
        const auto* info = reinterpret_cast<const SECBmpMenuItemInfo*>(item.dwItemData);
        if (info->m_cMnemonic != 0 && info->m_cMnemonic == typed[0]) matches.push_back(i);
    }
    m_bHandled = TRUE;
    LRESULT answer = 0;  // no match: the system beeps
    if (matches.size() == 1) {
        answer = MAKELRESULT(matches[0], MNC_EXECUTE);
    } else if (!matches.empty()) {
        int next = matches[0];
        for (int index : matches)
            if (index > highlighted) {
                next = index;
                break;
            }
        answer = MAKELRESULT(next, MNC_SELECT);
    }
    SetResult(answer);
    return answer;
}

LRESULT SECBmpMenuPlugIn::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    Cleanup();
    return 0;
}

LRESULT SECBmpMenuPlugIn::OnSettingChange(WPARAM, LPARAM) {
    DeleteFonts();
    CreateFonts();
    m_pBmpMgr->ReloadAll(FALSE);
    Cleanup();
    // Every converted item becomes a string item and owner-drawn again, so
    // that the system measures it anew with the new font.
    for (auto& menu : m_menus) {
        for (const auto& info : menu.second.items) {
            MENUITEMINFOA item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_FTYPE;
            if (!::GetMenuItemInfoA(menu.first, info->m_nID, FALSE, &item)) continue;
            MENUITEMINFOA plain{};
            plain.cbSize = sizeof plain;
            plain.fMask = MIIM_FTYPE | MIIM_STRING;
            plain.fType = item.fType & ~MFT_OWNERDRAW;
            plain.dwTypeData = const_cast<LPSTR>(info->m_strText.GetString());
            ::SetMenuItemInfoA(menu.first, info->m_nID, FALSE, &plain);
            MENUITEMINFOA drawn{};
            drawn.cbSize = sizeof drawn;
            drawn.fMask = MIIM_FTYPE | MIIM_DATA;
            drawn.fType = item.fType | MFT_OWNERDRAW;
            drawn.dwItemData = reinterpret_cast<ULONG_PTR>(info.get());
            ::SetMenuItemInfoA(menu.first, info->m_nID, FALSE, &drawn);
        }
    }
    return 0;
}

LRESULT SECBmpMenuPlugIn::OnSysColorChange(WPARAM, LPARAM) {
    LoadColours();
    if (m_hDitherBrush != nullptr) ::DeleteObject(m_hDitherBrush);
    m_hDitherBrush = nullptr;
    m_pBmpMgr->ReloadAll(TRUE);
    return 0;
}
