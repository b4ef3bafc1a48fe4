#include "DialogBar.h"

#include <commctrl.h>

#include "FrameWnd.h"
#include "SECDockState.h"

IMPLEMENT_DYNCREATE(SECDialogBar, SECControlBar)

SECDialogBar::SECDialogBar() = default;

void SECDialogBar::GetBarInfoEx(SECControlBarInfo* info) {
    if (info == nullptr) return;
    info->m_nResourceID = static_cast<int>(m_nTemplateId);
    SECControlBar::GetBarInfoEx(info);
}

BOOL SECDialogBar::SetOccDialogInfo(void* info) {
    m_pOccDialogInfo = info;
    return TRUE;
}

BOOL SECDialogBar::Create(CWnd* parent, LPCSTR templateName, UINT style, DWORD exStyle, UINT id) {
    if (parent == nullptr || templateName == nullptr) return FALSE;
    m_dwStyle = style & CBRS_ALL;
    m_dwExStyle = exStyle;

    CREATESTRUCT cs{};
    cs.lpszClass = "AfxControlBar42s";
    cs.style = static_cast<DWORD>(style) | WS_CHILD;
    cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    cs.hInstance = ::GetModuleHandleA(nullptr);
    cs.hwndParent = parent->m_hWnd;
    if (!PreCreateWindow(cs)) return FALSE;

    m_nTemplateId = IS_INTRESOURCE(templateName) ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(templateName)) : 0;
    m_lpszTemplateName = templateName;
    // Templates may hold common controls.
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);

    const BOOL created = CreateDlg(templateName, parent);
    m_lpszTemplateName = nullptr;
    if (!created) return FALSE;
    SetDlgCtrlID(static_cast<int>(id));

    CRect window;
    GetWindowRect(&window);
    m_nNaturalWidth = window.Width();
    m_nNaturalHeight = window.Height();
    ModifyStyle(WS_CAPTION, WS_CLIPSIBLINGS);

    if (!ExecuteDlgInit(templateName)) return FALSE;

    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     ((cs.style & WS_VISIBLE) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    m_szFloat = m_szHorzDocked = m_szVertDocked = GetNaturalSize();
    return TRUE;
}

void SECDialogBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    UpdateDialogControls(target, disableIfNoHandler);
}
