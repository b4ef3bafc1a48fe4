#include "View.h"

#include "CreateContext.h"
#include "FrameWnd.h"
#include "Printing.h"
#include "WindowMessages.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView() {
    if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // A bordered view gets the sunken edge of the current look instead.
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
    if (context != nullptr && context->m_pCurrentDoc != nullptr) context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    CFrameWnd* frame = GetParentFrame();
    if (frame != nullptr && frame->m_lpfnCloseProc != nullptr) frame->m_lpfnCloseProc(frame);
    if (frame != nullptr && frame->GetActiveView() == this) frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

BOOL CView::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(id, code, extra, handlerInfo);
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    if (m_hWnd != nullptr) Invalidate(TRUE);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnActivateView(BOOL activate, CView* activateView, CView*) {
    // Only a view of the window the user works in takes the focus.
    if (!activate || activateView != this) return;
    HWND top = ::GetAncestor(m_hWnd, GA_ROOT);
    if (top != nullptr && top == ::GetActiveWindow()) SetFocus();
}

void CView::OnDraw(CDC*) {}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

int CView::OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message) {
    int result = CWnd::OnMouseActivate(topParent, hitTest, message);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT) return result;
    // A click makes this the frame's active view.
    if (CFrameWnd* frame = GetParentFrame()) {
        if (frame->GetActiveView() != this) frame->SetActiveView(this);
    }
    return result;
}

BOOL CView::OnPreparePrinting(CPrintInfo*) { return FALSE; }

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrepareDC(CDC*, CPrintInfo* info) {
    // A document that does not know its length prints one page unless its
    // view says otherwise.
    if (info && info->m_nCurPage > 1 && info->GetMaxPage() == 0xFFFF) info->m_bContinuePrinting = FALSE;
}

void CView::OnPrint(CDC* dc, CPrintInfo*) { OnDraw(dc); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}
