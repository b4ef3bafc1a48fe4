#include "Menu.h"

#include "GdiObjects.h"
#include "NullObject.h"
#include "ThreadState.h"
#include "Wnd.h"

namespace {

CHandleMap<CMenu, HMENU>& MenuMap() { return AfxGetThreadState()->menuMap; }

}  // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() { DestroyMenu(); }

HMENU CMenu::GetSafeHmenu() const { return IsNullObject(this) ? nullptr : m_hMenu; }

CMenu* CMenu::FromHandle(HMENU menu) { return MenuMap().FromHandle(menu); }

void CMenu::DeleteTempMap() { MenuMap().DeleteTemp(); }

BOOL CMenu::Attach(HMENU menu) { return MenuMap().Attach(this, menu); }

HMENU CMenu::Detach() { return MenuMap().Detach(this); }

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(LPCSTR resourceName) {
    return Attach(::LoadMenuA(AfxFindResourceHandle(resourceName, RT_MENU),
                              resourceName));
}

BOOL CMenu::LoadMenuIndirect(const void* menuTemplate) {
    return Attach(::LoadMenuIndirectA(menuTemplate));
}

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    return ::AppendMenuA(m_hMenu, flags, idNewItem, newItem);
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    return ::InsertMenuA(m_hMenu, position, flags, idNewItem, newItem);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    return ::ModifyMenuA(m_hMenu, position, flags, idNewItem, newItem);
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }

BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }

UINT CMenu::CheckMenuItem(UINT idCheckItem, UINT check) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, idCheckItem, check));
}

BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
    return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
}

UINT CMenu::EnableMenuItem(UINT idEnableItem, UINT enable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, idEnableItem, enable));
}

BOOL CMenu::SetMenuItemBitmaps(UINT position, UINT flags, const CBitmap* unchecked,
                               const CBitmap* checked) {
    return ::SetMenuItemBitmaps(m_hMenu, position, flags,
                                static_cast<HBITMAP>(unchecked->GetSafeHandle()),
                                static_cast<HBITMAP>(checked->GetSafeHandle()));
}

BOOL CMenu::SetDefaultItem(UINT item, BOOL byPosition) {
    return ::SetMenuDefaultItem(m_hMenu, item, byPosition);
}

UINT CMenu::GetDefaultItem(UINT flags, BOOL byPosition) {
    return ::GetMenuDefaultItem(m_hMenu, byPosition, flags);
}

UINT CMenu::GetMenuItemCount() const { return static_cast<UINT>(::GetMenuItemCount(m_hMenu)); }

UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

UINT CMenu::GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(m_hMenu, id, flags); }

int CMenu::GetMenuString(UINT idItem, LPSTR text, int maxCount, UINT flags) const {
    return ::GetMenuStringA(m_hMenu, idItem, text, maxCount, flags);
}

int CMenu::GetMenuString(UINT idItem, CString& text, UINT flags) const {
    int length = ::GetMenuStringA(m_hMenu, idItem, nullptr, 0, flags);
    LPSTR buffer = text.GetBuffer(length + 1);
    length = ::GetMenuStringA(m_hMenu, idItem, buffer, length + 1, flags);
    text.ReleaseBuffer(length);
    return length;
}

BOOL CMenu::GetMenuItemInfo(UINT item, LPMENUITEMINFOA info, BOOL byPosition) {
    return ::GetMenuItemInfoA(m_hMenu, item, byPosition, info);
}

BOOL CMenu::SetMenuItemInfo(UINT item, LPMENUITEMINFOA info, BOOL byPosition) {
    return ::SetMenuItemInfoA(m_hMenu, item, byPosition, info);
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, wnd->GetSafeHwnd(), rect);
}
