#include "FormView.h"

#include "CreateContext.h"
#include "FrameWnd.h"
#include "WindowMessages.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CFormView::CFormView(UINT templateId) : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)) {}

CFormView::CFormView(LPCSTR templateName) : m_lpszTemplateName(templateName) {}

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context) {
    ASSERT(parent != nullptr);
    if (!CreateDlg(m_lpszTemplateName, parent)) return FALSE;
    ASSERT(GetStyle() & WS_CHILD);  // a form's template is a child dialog
    SetDlgCtrlID(static_cast<int>(id));
    // The template's size is what there is to scroll.
    CRect form;
    GetWindowRect(&form);
    SetScrollSizes(MM_TEXT, CSize(form.Width(), form.Height()));
    if (style & WS_BORDER) ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    if (context != nullptr && context->m_pCurrentDoc != nullptr) context->m_pCurrentDoc->AddView(this);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (style & WS_VISIBLE) ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT cs) {
    // The dialog manager's creation data is no create context: the document
    // is joined by Create.
    return CWnd::OnCreate(cs);
}

void CFormView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
    if (!activate && deactiveView == this) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(m_hWnd, focus)) m_hWndFocus = focus;
    }
    CScrollView::OnActivateView(activate, activateView, deactiveView);
}

void CFormView::OnSetFocus(CWnd* oldWnd) {
    HWND target = m_hWndFocus != nullptr && ::IsWindow(m_hWndFocus) && ::IsChild(m_hWnd, m_hWndFocus)
                      ? m_hWndFocus
                      : ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (target != nullptr && target != m_hWnd) ::SetFocus(target);
    else CScrollView::OnSetFocus(oldWnd);
}

BOOL CFormView::PreTranslateMessage(MSG* msg) {
    if (CScrollView::PreTranslateMessage(msg)) return TRUE;
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
    // The frames' accelerators first, then the dialog keys.
    for (CFrameWnd* frame = GetParentFrame(); frame != nullptr; frame = frame->GetParentFrame())
        if (frame->PreTranslateMessage(msg)) return TRUE;
    return ::IsDialogMessageA(m_hWnd, msg);
}

LRESULT CFormView::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    UpdateDialogControls(this, FALSE);
    return 0;
}
