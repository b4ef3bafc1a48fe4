// CFrameWnd's bars: finding, showing and hiding them, docking and
// floating them, their menu items and the texts of their tooltips.
#include <algorithm>
#include <iterator>

#include "CmdUI.h"
#include "ControlBar.h"
#include "DockBar.h"
#include "FrameWnd.h"
#include "MiniFrameWnd.h"

namespace {

// The frame-side dock bars: id and style, in the order the layout and the
// drop test visit them.
struct DockSide {
    UINT id;
    DWORD style;
};
const DockSide kDockSides[] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

}  // namespace

CControlBar* CFrameWnd::GetControlBar(UINT id) const {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (static_cast<UINT>(::GetDlgCtrlID(child)) != id) continue;
        CWnd* object = FromHandlePermanent(child);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(CControlBar))) return static_cast<CControlBar*>(object);
    }
    for (CControlBar* bar : m_listControlBars)
        if (bar->m_hWnd != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == id) return bar;
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* bar) {
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), bar) == m_listControlBars.end())
        m_listControlBars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar) {
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), bar),
                            m_listControlBars.end());
}

// Docking

void CFrameWnd::EnableDocking(DWORD dockStyle) {
    for (const DockSide& side : kDockSides) {
        if (!(side.style & dockStyle & CBRS_ALIGN_ANY) || GetControlBar(side.id) != nullptr) continue;
        auto* dockBar = static_cast<CDockBar*>(m_pDockBarClass->CreateObject());
        dockBar->m_bAutoDelete = TRUE;
        if (!dockBar->Create(this, side.style, side.id)) {
            delete dockBar;
            AfxThrowResourceException();
        }
        dockBar->m_pDockSite = this;
        // Below the bars already placed, so those keep the frame's edges.
        dockBar->SetWindowPos(&wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        AddControlBar(dockBar);
    }
}

CDockBar* CFrameWnd::GetDockBarForSide(DWORD side) const {
    for (const DockSide& each : kDockSides)
        if (each.style & side & CBRS_ALIGN_ANY) {
            CControlBar* bar = GetControlBar(each.id);
            return bar != nullptr && bar->IsKindOf(RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(bar) : nullptr;
        }
    return nullptr;
}

std::vector<dock_layout::DockTarget> CFrameWnd::DockTargets() const {
    std::vector<dock_layout::DockTarget> targets;
    for (const DockSide& side : kDockSides) {
        CDockBar* dockBar = GetDockBarForSide(side.style);
        if (dockBar == nullptr || !(dockBar->GetStyle() & WS_VISIBLE)) continue;
        dock_layout::DockTarget target;
        target.side = side.style & CBRS_ALIGN_ANY;
        dockBar->GetWindowRect(&target.rect);
        targets.push_back(target);
    }
    return targets;
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD style, CDockBar** dockBar) const {
    const std::vector<dock_layout::DockTarget> targets = DockTargets();
    const int hit = dock_layout::TargetHit(targets, style & CBRS_ALIGN_ANY, rect);
    if (hit < 0) return 0;
    const DWORD side = targets[static_cast<size_t>(hit)].side;
    if (dockBar != nullptr) *dockBar = GetDockBarForSide(side);
    return side;
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT rect) {
    CDockBar* dockBar = nullptr;
    if (dockBarId != 0) {
        CControlBar* found = GetControlBar(dockBarId);
        if (found != nullptr && found->IsKindOf(RUNTIME_CLASS(CDockBar))) dockBar = static_cast<CDockBar*>(found);
    } else {
        for (const DockSide& side : kDockSides)
            if (side.style & bar->m_dwDockStyle & CBRS_ALIGN_ANY) {
                dockBar = GetDockBarForSide(side.style);
                if (dockBar != nullptr) break;
            }
    }
    ASSERT(dockBar != nullptr);
    if (dockBar != nullptr) DockControlBar(bar, dockBar, rect);
}

void CFrameWnd::DockControlBar(CControlBar* bar, CDockBar* dockBar, LPCRECT rect) {
    ASSERT(bar != nullptr && dockBar != nullptr);
    if (bar == nullptr || dockBar == nullptr) return;
    bar->m_pDockSite = this;
    AddControlBar(bar);
    dockBar->DockControlBar(bar, rect);
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD style) {
    auto* frame = static_cast<CMiniDockFrameWnd*>(m_pFloatingFrameClass->CreateObject());
    if (!frame->Create(this, style)) {
        delete frame;
        AfxThrowResourceException();
    }
    return frame;
}

void CFrameWnd::FloatControlBar(CControlBar* bar, CPoint point, DWORD style) {
    ASSERT(bar != nullptr);
    if (bar == nullptr) return;
    bar->m_pDockSite = this;
    AddControlBar(bar);
    CFrameWnd* floating = nullptr;
    auto* current = dynamic_cast<CDockBar*>(bar->m_pDockBar);
    if (current != nullptr && current->m_bFloating && current->GetDockedCount() == 1 &&
        ((current->GetBarStyle() ^ style) & CBRS_ORIENT_ANY) == 0) {
        // Already alone in a floating frame of that orientation: just move it.
        floating = current->GetParentFrame();
    } else {
        CMiniDockFrameWnd* frame = CreateFloatingFrame(style | (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC));
        frame->GetDockBar()->DockControlBar(bar, nullptr);
        floating = frame;
    }
    floating->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    floating->RecalcLayout();
    if (bar->IsVisible()) floating->ShowWindow(SW_SHOWNA);
    RecalcLayout();
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
    if (bar->IsFloating())
        if (CFrameWnd* floating = bar->GetParentFrame()) floating->RecalcLayout();
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
