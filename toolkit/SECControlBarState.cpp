// SECControlBar's saved state: what a bar puts into its record and takes
// back from it. Where the bar goes (its dock bar, row and place, or its
// floating frame) is the dock state's business, from the dock bars' records.
#include "DockBar.h"
#include "DockContext.h"
#include "SECControlBar.h"
#include "SECDockState.h"

void SECControlBar::GetBarInfoEx(SECControlBarInfo* info) {
    if (info == nullptr) return;
    info->m_pBar = this;
    info->m_nBarID = static_cast<UINT>(GetDlgCtrlID());
    info->m_bVisible = IsVisible();
    info->m_bFloating = IsFloating();
    info->m_bHorz = IsHorizontal();
    info->m_bDockBar = FALSE;
    CRect place;
    GetWindowRect(&place);
    if (m_pDockBar != nullptr) m_pDockBar->ScreenToClient(&place);
    info->m_pointPos = place.TopLeft();
    info->m_nMRUWidth = m_nMRUWidth;
    info->m_bDocking = m_pDockContext != nullptr;
    if (m_pDockContext != nullptr) {
        info->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        info->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        info->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        info->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
    info->m_szHorzDocked = m_szHorzDocked;
    info->m_szVertDocked = m_szVertDocked;
    info->m_szFloat = m_szFloat;
    info->m_dwMRUDockingState = m_dwSavedDockStyle;
    info->m_dwDockStyle = m_dwDockStyle;
    info->m_fPctWidth = m_fProportionalWidth;
    info->m_dwStyle = m_dwStyle;
    info->m_dwExStyle = m_dwExStyle;
    info->m_strClassName = GetRuntimeClass()->m_lpszClassName;
    GetWindowText(info->m_strWindowName);
    info->CreateExtension();
    if (info->m_pInfoEx != nullptr) info->m_pInfoEx->GetFrom(this);
}

void SECControlBar::SetBarInfoEx(SECControlBarInfo* info, CFrameWnd*) {
    if (info == nullptr) return;
    // A size never committed reads back empty: the bar keeps its own then.
    auto take = [](CSize& mine, const CSize& saved) {
        if (saved.cx > 0 && saved.cy > 0) mine = saved;
    };
    take(m_szHorzDocked, info->m_szHorzDocked);
    take(m_szVertDocked, info->m_szVertDocked);
    take(m_szFloat, info->m_szFloat);
    if (info->m_fPctWidth > 0.0f) m_fProportionalWidth = info->m_fPctWidth;
    m_nMRUWidth = info->m_nMRUWidth;
    m_dwSavedDockStyle = info->m_dwMRUDockingState;
    if ((info->m_dwDockStyle & CBRS_ALIGN_ANY) != 0 && m_pDockContext == nullptr) EnableDocking(info->m_dwDockStyle);
    else m_dwDockStyle = info->m_dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockContext != nullptr && info->m_bDocking) {
        m_pDockContext->m_uMRUDockID = info->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = info->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = info->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = info->m_ptMRUFloatPos;
    }
    SetExBarStyle(info->m_dwExStyle, FALSE);
    if (info->m_pInfoEx != nullptr) info->m_pInfoEx->ApplyTo(this);
}
