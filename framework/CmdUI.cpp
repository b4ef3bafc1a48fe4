#include "CmdUI.h"

#include "Menu.h"
#include "Wnd.h"

namespace {

bool IsButton(HWND wnd) {
    return (::SendMessageA(wnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0;
}

}  // namespace

void CCmdUI::Enable(BOOL on) {
    m_bEnableChanged = TRUE;
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr) return;  // a pop-up's own item stays as it is
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_DISABLED | MF_GRAYED));
        return;
    }
    HWND wnd = m_pOther->GetSafeHwnd();
    if (wnd == nullptr) return;
    // A control that loses its enabling hands the focus on first.
    if (!on && ::GetFocus() == wnd) {
        HWND parent = ::GetParent(wnd);
        HWND next = parent ? ::GetNextDlgTabItem(parent, wnd, FALSE) : nullptr;
        ::SetFocus(next != wnd ? next : parent);
    }
    ::EnableWindow(wnd, on);
}

void CCmdUI::SetCheck(int check) {
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr) return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    HWND wnd = m_pOther->GetSafeHwnd();
    if (wnd != nullptr && IsButton(wnd)) ::SendMessageA(wnd, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void CCmdUI::SetRadio(BOOL on) {
    SetCheck(on ? 1 : 0);
    if (m_pMenu == nullptr || m_pSubMenu != nullptr) return;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    if (!m_pMenu->GetMenuItemInfo(m_nIndex, &info, TRUE)) return;
    info.fType = on ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
    m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
}

void CCmdUI::SetText(LPCSTR text) {
    if (text == nullptr) text = "";
    if (m_pMenu != nullptr) {
        if (m_pSubMenu != nullptr) return;
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPSTR>(text);
        m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
        return;
    }
    HWND wnd = m_pOther->GetSafeHwnd();
    if (wnd == nullptr) return;
    // Only a real change is written, so that nothing flickers.
    int length = ::GetWindowTextLengthA(wnd);
    CString current;
    ::GetWindowTextA(wnd, current.GetBuffer(length), length + 1);
    current.ReleaseBuffer();
    if (current != text) ::SetWindowTextA(wnd, text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return FALSE;  // separators, pop-up items
    ASSERT(target != nullptr);
    if (target == nullptr) return FALSE;
    m_bEnableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    // An update handler that leaves the enabling alone leaves it to the rule:
    // enabled exactly when some handler takes the command.
    if (disableIfNoHandler && !m_bEnableChanged) {
        CmdHandlerInfo info;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &info));
    }
    return handled;
}
