#include "MenuBar.h"

#include "FrameFeatures.h"
#include "MDIFrameWnd.h"
#include "MenuBarFeature.h"

IMPLEMENT_DYNCREATE(SECMenuBar, SECCustomToolBar)

SECMenuBar::SECMenuBar() { m_dwExStyle |= SEC_BAR_FLAT; }

BOOL SECMenuBar::Create(CWnd* parent, DWORD style, UINT id, LPCSTR title) {
    if (!SECCustomToolBar::Create(parent, style, id, title)) return FALSE;
    if (m_hMenu != nullptr) LoadMenu(m_hMenu);
    return TRUE;
}

HMENU SECMenuBar::MenuForId(UINT id) const {
    auto* frame = dynamic_cast<SECFrameFeatureHost*>(GetDockingFrame());
    return frame != nullptr ? frame->GetMenuForId(id) : nullptr;
}

BOOL SECMenuBar::HasMaximizedChild() const {
    CFrameWnd* frame = GetDockingFrame();
    if (frame == nullptr || !frame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) return FALSE;
    BOOL maximized = FALSE;
    return static_cast<CMDIFrameWnd*>(frame)->MDIGetActive(&maximized) != nullptr && maximized;
}

void SECMenuBar::LoadMenu(HMENU menu) {
    m_hMenu = menu;
    if (m_hWnd == nullptr) return;
    RemoveAllButtons();
    m_bMDIButtons = HasMaximizedChild();
    if (m_bMDIButtons) m_buttons.push_back(CreateButtonOfClass(SECCapMenuBtn::buttonClass, nullptr));
    const int count = menu != nullptr ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const SECTBMenuBtn::MenuData data{menu, i, text, ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)};
        m_buttons.push_back(CreateButtonOfClass(SECTBMenuBtn::buttonClass, &data));
    }
    if (m_bMDIButtons) m_buttons.push_back(CreateButtonOfClass(SECBtnCaption::buttonClass, nullptr));
    Invalidate();
}

int SECMenuBar::FindMnemonic(char letter) const {
    if (letter == 0) return -1;
    for (int i = 0; i < GetButtonCount(); ++i) {
        const SECStdBtn* button = GetButton(i);
        if (button->m_nType == SEC_BTN_MENU && static_cast<const SECTBMenuBtn*>(button)->m_cMnemonic == letter)
            return i;
    }
    return -1;
}

BOOL SECMenuBar::SwitchMenu(UINT menuId) {
    HMENU menu = MenuForId(menuId);
    if (menu == nullptr) return FALSE;
    m_nMenuId = menuId;
    if (menu != m_hMenu || GetButtonCount() == 0) LoadMenu(menu);
    if (CFrameWnd* frame = GetDockingFrame()) frame->RecalcLayout();
    return TRUE;
}

BOOL SECMenuBar::ResetMDIButtons() {
    if (HasMaximizedChild() == m_bMDIButtons) return FALSE;
    LoadMenu(m_hMenu);
    return TRUE;
}

SECWndPlugIn* SECMenuBar::CreateFramePlugIn() { return new SECMenuBarFeature(this); }

void SECMenuBar::ShowButtonMenu(SECStdBtn* button) {
    const int index = IndexOfButton(button);
    if (m_pFeature == nullptr || index < 0) {
        SECCustomToolBar::ShowButtonMenu(button);
        return;
    }
    // After the click's own processing: the pop-up's loop takes the mouse.
    ::PostMessageA(GetNotifyOwner(), WM_SEC_MENUPROD, static_cast<WPARAM>(index), 0);
}
