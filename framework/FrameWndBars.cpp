// CFrameWnd's bars: finding, showing and hiding them, their menu items and
// the texts of their tooltips.
#include <iterator>

#include "CmdUI.h"
#include "ControlBar.h"
#include "FrameWnd.h"

CControlBar* CFrameWnd::GetControlBar(UINT id) const {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (static_cast<UINT>(::GetDlgCtrlID(child)) != id) continue;
        CWnd* object = FromHandlePermanent(child);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(CControlBar))) return static_cast<CControlBar*>(object);
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL delay) {
    ASSERT(bar != nullptr);
    if (bar == nullptr) return;
    if (delay) {
        bar->DelayShow(show);
        DelayRecalcLayout();
        return;
    }
    bar->DelayShow(show);  // forgets a pending delayed change
    bar->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT id) {
    CControlBar* bar = GetControlBar(id);
    if (bar == nullptr) return FALSE;
    ShowControlBar(bar, !bar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI) {
    CControlBar* bar = GetControlBar(cmdUI->m_nID);
    if (bar == nullptr) {
        cmdUI->ContinueRouting();
        return;
    }
    cmdUI->SetCheck(bar->IsVisible());
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* header, LRESULT* result) {
    // The tooltip asks in the character set its tool's window answers to.
    const bool wide = header->code == TTN_NEEDTEXTW;
    auto* ansi = reinterpret_cast<NMTTDISPINFOA*>(header);
    auto* unicode = reinterpret_cast<NMTTDISPINFOW*>(header);
    const UINT flags = wide ? unicode->uFlags : ansi->uFlags;
    UINT id = static_cast<UINT>(header->idFrom);
    if (flags & TTF_IDISHWND) id = static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    if (id == 0) return FALSE;
    CString tip = CControlBar::ToolTipTextOf(id);
    if (wide) {
        ::MultiByteToWideChar(CP_ACP, 0, tip, -1, unicode->szText, static_cast<int>(std::size(unicode->szText)));
        unicode->szText[std::size(unicode->szText) - 1] = L'\0';
        unicode->lpszText = unicode->szText;
        unicode->hinst = nullptr;
    } else {
        ::lstrcpynA(ansi->szText, tip, static_cast<int>(sizeof(ansi->szText)));
        ansi->lpszText = ansi->szText;
        ansi->hinst = nullptr;
    }
    if (result != nullptr) *result = 0;
    return TRUE;
}
