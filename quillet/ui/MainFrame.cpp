#include "quillet/ui/MainFrame.h"

#include "common/Assertion.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"

namespace quillet {

namespace {

const char kAssertModule[] = "MainFrm";

const UINT kIndicators[] = {
    0,  // the message pane
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, SECWorkbook)

BEGIN_MESSAGE_MAP(CMainFrame, SECWorkbook)
    ON_WM_CREATE()
    ON_MESSAGE(kMsgDocumentDestroyed, OnDocumentDestroyed)
    ON_MESSAGE(kMsgRepaintTimeSlip, OnTimeSlipRefresh)
    ON_COMMAND(ID_VIEW_WORKBOOK, OnToggleWorkbook)
    ON_UPDATE_COMMAND_UI(ID_VIEW_WORKBOOK, OnUpdateToggleWorkbook)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
    if (SECWorkbook::OnCreate(cs) == -1) return -1;
    if (!toolBar_.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM, AFX_IDW_TOOLBAR) ||
        !toolBar_.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!statusBar_.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP, AFX_IDW_STATUS_BAR) ||
        !statusBar_.SetIndicators(kIndicators, static_cast<int>(sizeof kIndicators / sizeof kIndicators[0])))
        return -1;
    toolBar_.SetBarStyle(toolBar_.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    toolBar_.EnableDocking(CBRS_ALIGN_ANY);
    return 0;
}

void CMainFrame::MaximizeActiveChild() {
    CFrameWnd* active = GetActiveFrame();
    if (active == nullptr || active == this) return;
    APP_ASSERT(active->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)));
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(active->m_hWnd), 0);
}

LRESULT CMainFrame::OnDocumentDestroyed(WPARAM, LPARAM) {
    CMDIChildWnd* child = MDIGetActive();
    if (child == nullptr) return 0;
    CDocument* document = child->GetActiveDocument();
    if (document == nullptr) return 0;
    APP_ASSERT(document->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    static_cast<CQuilletDoc*>(document)->RefreshAllViews();
    return 0;
}

// There is no time-slip window to repaint yet.
LRESULT CMainFrame::OnTimeSlipRefresh(WPARAM, LPARAM) { return 0; }

void CMainFrame::OnToggleWorkbook() {
    ToggleWorkbookMode();
    if (IsWorkbookMode()) MaximizeActiveChild();
}

void CMainFrame::OnUpdateToggleWorkbook(CCmdUI* cmdUI) { OnUpdateWorkbookMode(cmdUI); }

CMainFrame* GetMainFrame() {
    CWnd* main = AfxGetMainWnd();
    APP_ASSERT(main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMainFrame)));
    return static_cast<CMainFrame*>(main);
}

}  // namespace quillet
