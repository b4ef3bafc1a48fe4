#include "SDIFrame.h"

#include "WindowMessages.h"

IMPLEMENT_DYNCREATE(SECFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(SECFrameWnd, CFrameWnd)
    SEC_FRAME_FEATURE_MESSAGES()
END_MESSAGE_MAP()

BOOL SECFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    // The framework's loading uses the menu resource only when it exists.
    m_features.SetMenuIds(resourceId);
    if (!CFrameWnd::LoadFrame(resourceId, style, parent, context)) return FALSE;
    if (GetMenuBar() != nullptr) {
        m_features.MoveMenuToMenuBar();
        GetMenuBar()->SwitchMenu(resourceId);
    }
    return TRUE;
}

void SECFrameWnd::RecalcLayout(BOOL notify) {
    CFrameWnd::RecalcLayout(notify);
    AfterLayout(FALSE);
}

HMENU SECFrameWnd::GetMenuForId(UINT id) {
    return id == m_features.GetDefaultMenuId() ? m_features.GetMenuBarMenu() : nullptr;
}

void SECFrameWnd::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) {
    CFrameWnd::OnSetPreviewMode(preview, state);
    if (!preview) RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}
