// Menus: a wrapper of HMENU with the permanent/temporary handle map of the
// other wrappers. A menu created or loaded by a CMenu is destroyed with it,
// unless it was detached (for example after being given to a window).
#pragma once

#include "CoreIncludes.h"

class CWnd;

class CMenu : public CObject {
    DECLARE_DYNCREATE(CMenu)

public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() override;

    HMENU m_hMenu = nullptr;

    operator HMENU() const { return m_hMenu; }
    // Null when called through a null pointer.
    HMENU GetSafeHmenu() const;

    static CMenu* FromHandle(HMENU menu);
    static void DeleteTempMap();
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(LPCSTR resourceName);
    BOOL LoadMenu(UINT resourceId) { return LoadMenu(MAKEINTRESOURCEA(resourceId)); }
    BOOL LoadMenuIndirect(const void* menuTemplate);
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCSTR newItem = nullptr);
    BOOL RemoveMenu(UINT position, UINT flags);
    BOOL DeleteMenu(UINT position, UINT flags);
    UINT CheckMenuItem(UINT idCheckItem, UINT check);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
    UINT EnableMenuItem(UINT idEnableItem, UINT enable);
    BOOL SetMenuItemBitmaps(UINT position, UINT flags, const class CBitmap* unchecked,
                            const class CBitmap* checked);
    BOOL SetDefaultItem(UINT item, BOOL byPosition = FALSE);
    UINT GetDefaultItem(UINT flags, BOOL byPosition = FALSE);

    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT id, UINT flags) const;
    int GetMenuString(UINT idItem, LPSTR text, int maxCount, UINT flags) const;
    int GetMenuString(UINT idItem, CString& text, UINT flags) const;
    BOOL GetMenuItemInfo(UINT item, LPMENUITEMINFOA info, BOOL byPosition = FALSE);
    BOOL SetMenuItemInfo(UINT item, LPMENUITEMINFOA info, BOOL byPosition = FALSE);
    CMenu* GetSubMenu(int position) const;

    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, LPCRECT rect = nullptr);
};
